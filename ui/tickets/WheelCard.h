#pragma once

#include <QWidget>
#include <array>
#include <vector>

class GlyphButton;

// The card of the wheel: the balls 1..N drawn as on the draw-entry page, a click choosing or
// dropping a number.
class WheelCard : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBall = 30;

    explicit WheelCard(QWidget* parent = nullptr);

    void setLargest(int N);
    // Ascending.
    std::vector<int> chosen() const;
    void setChosen(const std::vector<int>& numbers);
    void toggle(int number);

signals:
    void changed();

private:
    void paintBall(int number);

    int largest_ = 49;
    std::array<bool, 50> chosen_{};
    std::array<GlyphButton*, 50> balls_{};
};
