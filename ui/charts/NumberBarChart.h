#pragma once

#include "wording/RussianCount.h"

#include <QColor>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

class QAreaSeries;
class QBarCategoryAxis;
class QBarSet;
class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QStackedBarSeries;
class QValueAxis;

// What one bar per lottery number shows, beside a line for what chance gives.
struct NumberBarContent {
    QString title;
    QString valueTitle;          // of the vertical axis
    std::vector<double> values;  // element n - 1 for number n
    std::vector<bool> standsOut; // drawn in the second colour
    QString usualName;           // legend of the ordinary bars
    QString standingOutName;     // legend of the bars that stand out
    double reference = 0;        // the line of chance
    QString referenceName;
    std::optional<std::pair<double, double>> band; // low and high of a shaded band
    QString bandName;
    QString sentence;                    // the plain-words reading below the chart
    wording::NounForms unit{"", "", ""}; // the value's noun, for hovering
    bool drawn = false;                  // there were draws to count
};

// A bar chart over the numbers 1..N with the sentence that reads it underneath.
class NumberBarChart : public QWidget {
    Q_OBJECT
public:
    explicit NumberBarChart(const QString& name, QWidget* parent = nullptr);

    void setContent(const NumberBarContent& content);
    void setTextColour(const QColor& colour);
    QChart* chart() const;
    QLabel* sentence() const { return sentence_; }
    // What hovering over number n's bar shows.
    QString describe(int n) const;

signals:
    // A bar was clicked: its number.
    void numberClicked(int number);

private:
    void barHovered(bool entered, int index);

    NumberBarContent content_;
    int hovered_ = -1; // the bar whose values are shown
    // The series and axes are made once and only refilled: a chart rebuilt from scratch
    // keeps drawing its removed axes until the event loop has run.
    QChartView* view_;
    QLabel* sentence_;
    QBarSet* usual_;
    QBarSet* standingOut_;
    QStackedBarSeries* bars_;
    QLineSeries* bandHigh_;
    QLineSeries* bandLow_;
    QAreaSeries* band_;
    QLineSeries* reference_;
    QBarCategoryAxis* axisX_;
    QValueAxis* axisY_;
};
