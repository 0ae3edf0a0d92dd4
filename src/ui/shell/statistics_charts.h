#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <vector>

class QChartView;
class QWidget;

// The two charts of the statistics dialog. Each is a plain chart view that the
// dialog fills with the numbers it read; the look (fonts, colours, margins) is
// decided here so the dialog only deals with data.

// One slice of the won/lost pie or one bar of the streak chart.
struct ChartEntry {
    QString name;
    int value = 0;
    QColor color;
};

// Both charts are made at their place in the parent; the legend areas are in
// the chart's own coordinates.

// A pie with its legend in the given area at the top of a left-hand column; the
// pie keeps to the right of that column, leaving the rest of it to whatever the
// caller lays over the chart.
QChartView* MakePieChartView(QWidget* parent, const QRect& place, const QRect& legendArea);
// Replaces the slices: each labelled with its share (see PercentText), each
// listed in the legend with its value.
void ShowPieSlices(QChartView& view, const std::vector<ChartEntry>& slices);

// Horizontal bars under a title, labelled with their values, with a legend of
// the bar names in the given area at the right, without axes and deaf to the
// mouse.
QChartView* MakeBarChartView(QWidget* parent, const QRect& place, const QString& title,
                             const QRect& legendArea);
// Replaces the bars, the first one at the top.
void ShowBars(QChartView& view, const std::vector<ChartEntry>& bars);

// A share in percent as "##0.#" then " %": at least one integer digit, one
// decimal only when it is not zero, halves rounded away from zero, with the
// locale's decimal point. 100 / 3 gives "33.3 %", 50 gives "50 %".
QString PercentText(double percent);
