#pragma once

#include "chance/HistoryIndex.h"

#include <QDialog>
#include <memory>

namespace lottery {
class LotteryDocument;
}

class AppearanceSource;
class NumberBarChart;
class PairHeatMap;
class RandomnessTab;
class QComboBox;
class QLabel;
class QStackedWidget;
class QTabBar;
class TiledBackground;

// "Анализ тиражей": frequencies, waiting times and pairs of the numbers, each beside what pure
// chance gives, and the randomness tests, for all draws or only the last few. It reads the
// document each time it opens.
class FrmAnalysis : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize kClient{900, 640};
    enum Chart { Frequency, Overdue, Pairs, Randomness };

    FrmAnalysis(const lottery::LotteryDocument& document, const AppearanceSource& appearance,
                QWidget* parent = nullptr);
    ~FrmAnalysis() override;

    // The number marked in the pairs chart, as the statistics page's track bar has it.
    void setSelectedNumber(int number);
    void showChart(Chart chart);
    // The window of last draws every chart follows; 0 or more than there are means all.
    void setWindow(long long draws);
    long long window() const;

    QComboBox* windowChoice() const { return cmbWindow_; }
    NumberBarChart* frequencyChart() const { return frequency_; }
    NumberBarChart* overdueChart() const { return overdue_; }
    PairHeatMap* pairChart() const { return pairs_; }
    RandomnessTab* randomnessTab() const { return randomness_; }
    QWidget* currentChart() const;

signals:
    // A number was clicked in the pairs chart.
    void numberChosen(int number);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void fillWindowChoice(long long keep);
    void redraw();

    const lottery::LotteryDocument& document_;
    const AppearanceSource& appearance_;
    std::unique_ptr<lottery::HistoryIndex> index_;
    TiledBackground* background_;
    QLabel* windowLabel_;
    QComboBox* cmbWindow_;
    QTabBar* tabs_;
    QStackedWidget* pages_;
    NumberBarChart* frequency_;
    NumberBarChart* overdue_;
    QWidget* pairPage_;
    PairHeatMap* pairs_;
    QLabel* pairHint_;
    RandomnessTab* randomness_;
};
