#include "shell/statistics_charts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QHorizontalStackedBarSeries>
#include <QLegend>
#include <QLegendMarker>
#include <QLocale>
#include <QPieSeries>
#include <QPieSlice>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr int kChartMargin = 4;
// Between a legend and the plot beside it.
constexpr int kLegendGap = 4;
// The pie would otherwise fill the whole height and leave its labels no room.
constexpr double kPieSizeFactor = 0.47;
// Room past the longest bar for its value label.
constexpr double kBarHeadroom = 1.2;
constexpr double kBarWidthFactor = 0.7;
// A share like 1 of 2000 is 0.05 % in decimal but a hair below it in binary;
// it must still round up as the decimal does.
constexpr double kRoundingNoise = 1e-9;

constexpr auto kLegendAreaProperty = "legendArea";

// The charts sit flat on the dialog, like the rest of its controls.
QChartView* MakeFlatChartView(QWidget* parent, const QRect& place, QMargins margins) {
    auto* chart = new QChart;  // the view takes it over
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setDropShadowEnabled(false);
    chart->setBackgroundBrush(parent->palette().window());
    chart->setBackgroundPen(Qt::NoPen);
    chart->setMargins(margins);
    chart->layout()->setContentsMargins(0, 0, 0, 0);

    auto* view = new QChartView(chart, parent);
    view->setGeometry(place);
    view->setRenderHint(QPainter::Antialiasing);
    view->setRubberBand(QChartView::NoRubberBand);
    view->setInteractive(false);
    view->setFrameShape(QFrame::NoFrame);
    view->setBackgroundBrush(parent->palette().window());
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return view;
}

// An attached legend may take only part of the chart's width and cuts longer
// names short, so the legends stand apart in areas of their own.
void PlaceLegend(QChart& chart, const QRect& area, const QWidget& style) {
    QLegend& legend = *chart.legend();
    legend.setFont(style.font());
    legend.setLabelColor(style.palette().windowText().color());
    legend.detachFromChart();
    // A detached legend aligned to the top lists its entries in a column.
    legend.setAlignment(Qt::AlignTop);
    legend.setGeometry(area);
    legend.setProperty(kLegendAreaProperty, QRectF(area));
}

// A detached legend shrinks to the entries it had when they change; it is put
// back in its area, which also lays the new entries out.
void RelayLegend(QChart& chart) {
    QLegend& legend = *chart.legend();
    const QRectF area = legend.property(kLegendAreaProperty).toRectF();
    legend.setGeometry(QRectF());
    legend.setGeometry(area);
}

template <typename Series>
Series& SeriesOf(QChartView& view) {
    return *qobject_cast<Series*>(view.chart()->series().constFirst());
}

QString EntryLegend(const ChartEntry& entry) {
    return entry.name + QStringLiteral(": ") + QString::number(entry.value);
}

}  // namespace

QString PercentText(double percent) {
    if (!std::isfinite(percent)) percent = 0;
    const double tenths = std::abs(percent) * 10;
    const auto rounded =
        static_cast<long long>(std::floor(tenths + 0.5 + kRoundingNoise * std::max(1.0, tenths)));
    QString text = rounded != 0 && percent < 0 ? QStringLiteral("-") : QString();
    text += QString::number(rounded / 10);
    if (rounded % 10 != 0) text += QLocale().decimalPoint() + QString::number(rounded % 10);
    return text + QStringLiteral(" %");
}

QChartView* MakePieChartView(QWidget* parent, const QRect& place, const QRect& legendArea) {
    QChartView* view = MakeFlatChartView(
        parent, place,
        QMargins(legendArea.right() + kLegendGap, kChartMargin, kChartMargin, kChartMargin));
    PlaceLegend(*view->chart(), legendArea, *parent);
    auto* series = new QPieSeries;  // the chart takes it over
    series->setPieSize(kPieSizeFactor);
    view->chart()->addSeries(series);
    return view;
}

void ShowPieSlices(QChartView& view, const std::vector<ChartEntry>& slices) {
    auto& series = SeriesOf<QPieSeries>(view);
    series.clear();
    const long long total =
        std::accumulate(slices.begin(), slices.end(), 0LL,
                        [](long long sum, const ChartEntry& slice) { return sum + slice.value; });
    for (const ChartEntry& entry : slices) {
        const double share = total != 0 ? 100.0 * entry.value / static_cast<double>(total) : 0;
        QPieSlice* slice = series.append(PercentText(share), entry.value);
        slice->setColor(entry.color);
        // No outline: an empty slice would show as a stray line.
        slice->setPen(Qt::NoPen);
        slice->setLabelVisible(true);
        slice->setLabelFont(view.font());
    }
    // The slices carry their shares; the legend names them with their counts.
    const QList<QLegendMarker*> markers = view.chart()->legend()->markers(&series);
    for (qsizetype i = 0; i < markers.size() && i < qsizetype(slices.size()); ++i)
        markers[i]->setLabel(EntryLegend(slices[std::size_t(i)]));
    RelayLegend(*view.chart());
}

QChartView* MakeBarChartView(QWidget* parent, const QRect& place, const QString& title,
                             const QRect& legendArea) {
    // The bars keep to the left of the legend.
    const int plotRight = place.width() - legendArea.left() + kLegendGap;
    QChartView* view = MakeFlatChartView(parent, place, QMargins(kChartMargin, 0, plotRight, 0));
    QChart& chart = *view->chart();
    chart.setTitle(title);
    QFont titleFont = parent->font();
    titleFont.setBold(true);
    chart.setTitleFont(titleFont);
    chart.setTitleBrush(parent->palette().windowText());
    PlaceLegend(chart, legendArea, *parent);

    // Stacked, with each bar alone in its own row, so the bars keep their full
    // thickness and can be put in the order of the legend.
    auto* series = new QHorizontalStackedBarSeries;  // the chart takes it over
    series->setBarWidth(kBarWidthFactor);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    chart.addSeries(series);

    // Axes only to fix the scale at zero and to give each bar its row; the
    // player sees none.
    auto* values = new QValueAxis;
    values->setVisible(false);
    chart.addAxis(values, Qt::AlignBottom);
    series->attachAxis(values);
    auto* rows = new QBarCategoryAxis;
    rows->setVisible(false);
    chart.addAxis(rows, Qt::AlignLeft);
    series->attachAxis(rows);
    return view;
}

void ShowBars(QChartView& view, const std::vector<ChartEntry>& bars) {
    QChart& chart = *view.chart();
    auto& series = SeriesOf<QHorizontalStackedBarSeries>(view);
    series.clear();
    auto* rows = qobject_cast<QBarCategoryAxis*>(chart.axes(Qt::Vertical).constFirst());
    rows->clear();
    const qsizetype count = qsizetype(bars.size());
    for (qsizetype row = 0; row < std::max<qsizetype>(count, 1); ++row)
        rows->append(QString::number(row));

    int longest = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const ChartEntry& entry = bars[std::size_t(i)];
        auto* set = new QBarSet(entry.name);  // the series takes it over
        // Rows count upwards; the first bar takes the top row.
        for (qsizetype row = 0; row < count; ++row)
            set->append(row == count - 1 - i ? entry.value : 0);
        set->setColor(entry.color);
        set->setBorderColor(entry.color.darker());
        set->setLabelColor(view.palette().windowText().color());
        set->setLabelFont(view.font());
        series.append(set);
        longest = std::max(longest, entry.value);
    }
    auto* values = qobject_cast<QValueAxis*>(chart.axes(Qt::Horizontal).constFirst());
    values->setRange(0, std::max(1, longest) * kBarHeadroom);
    RelayLegend(chart);
}
