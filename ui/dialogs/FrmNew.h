#pragma once

#include "dialogs/NewLotteryDialog.h"

#include <QDialog>

class AppearanceSource;
class QLabel;
class QPushButton;
class QSlider;
class TiledBackground;

// "Новая статистика": asks K and N of a new lottery; "готово" gives the chosen shape. It keeps
// its positions from one opening to the next.
class FrmNew : public QDialog, public NewLotteryDialog {
    Q_OBJECT
public:
    explicit FrmNew(const AppearanceSource& appearance, QWidget* parent = nullptr);

    // Shows the dialog modally.
    std::optional<lottery::LotteryShape> askShape() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void trcKolvoNumChange(int value);
    void trcKolvoIzChange(int value);
    void Button1Click();
    void Button2Click();

    QSlider* AddTrackBar(const QString& name, int y, int minimum, int maximum, int position,
                         int pageStep);
    QLabel* AddValueLabel(const QString& name, int y, const QString& text);

    const AppearanceSource& appearance_;
    std::optional<lottery::LotteryShape> accepted_;
    TiledBackground* imgFon3_;
    QLabel* Label1_;
    QSlider* trcKolvoNum_;
    QLabel* lblKolvoNum_;
    QLabel* Label2_;
    QSlider* trcKolvoIz_;
    QLabel* lblKolvoIz_;
    QPushButton* Button1_;
    QPushButton* Button2_;
};
