// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/chart/ProgressChartView.h"
#include "results/ColumnSampling.h"
#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QImageWriter>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>
#include <cmath>

namespace {

// At most this many intervals between the labels of an axis.
constexpr double kMaxTicks = 8;
// Below this many drawn points per pixel column the games show a dot each.
constexpr double kDotsPerColumn = 0.2;

// 1, 2 or 5 times a power of ten: the smallest giving at most kMaxTicks intervals.
double NumberStep(double span) {
    const double raw = std::max(span / kMaxTicks, 1.0);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw) return m * power;
    return 10 * power;
}

// The clock's own units, seconds to hours.
double TimeStep(double span) {
    for (const double step : {1.0, 2.0, 5.0, 10.0, 15.0, 30.0, 60.0, 120.0, 300.0, 600.0, 900.0, 1800.0, 3600.0,
                              7200.0, 10800.0, 21600.0, 43200.0})
        if (span / step <= kMaxTicks) return step;
    return 3600 * NumberStep(span / 3600);
}

QString ClockText(double seconds) {
    const auto s = static_cast<long long>(std::llround(seconds));
    const long long magnitude = std::llabs(s);
    return QStringLiteral("%1%2:%3:%4")
        .arg(s < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 3600)
        .arg(magnitude / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(magnitude % 60, 2, 10, QLatin1Char('0'));
}

// Lowest and highest value of the plot's lines, NaN when there is none.
std::pair<double, double> ValueRange(const ProgressPlot& plot) {
    double low = NAN;
    double high = NAN;
    for (const std::vector<double>* line : {&plot.values, &plot.best, &plot.average})
        for (const double v : *line) {
            if (std::isnan(v)) continue;
            low = std::isnan(low) ? v : std::min(low, v);
            high = std::isnan(high) ? v : std::max(high, v);
        }
    return {low, high};
}

QList<QPointF> PointsAt(const std::vector<double>& values, const std::vector<std::uint32_t>& indices) {
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(indices.size()));
    for (const std::uint32_t i : indices) points.append(QPointF(i + 1.0, values[i]));
    return points;
}

// The best-so-far line as steps: level until the next change, then down (or up).
QList<QPointF> StepLine(const std::vector<double>& best) {
    QList<QPointF> points;
    double level = NAN;
    for (std::size_t i = 0; i < best.size(); ++i) {
        if (std::isnan(best[i]) || best[i] == level) continue;
        if (!std::isnan(level)) points.append(QPointF(i + 1.0, level));
        level = best[i];
        points.append(QPointF(i + 1.0, level));
    }
    if (!points.isEmpty() && points.last().x() < double(best.size())) points.append(QPointF(double(best.size()), level));
    return points;
}

} // namespace

ProgressChartView::ProgressChartView(QWidget* parent)
    : ProgressChart(parent), m_view(new QChartView(this)), m_chart(new QChart), m_games(new QLineSeries),
      m_best(new QLineSeries), m_average(new QLineSeries), m_records(new QScatterSeries), m_x(new QValueAxis),
      m_y(new QCategoryAxis) {
    m_view->setObjectName(QStringLiteral("chartView"));
    m_view->setChart(m_chart);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->legend()->setAlignment(Qt::AlignBottom);

    QPen games(QColor(0x5b, 0x8d, 0xc9));
    games.setWidthF(1);
    m_games->setPen(games);
    m_games->setMarkerSize(5);
    QPen best(QColor(0x1a, 0x7f, 0x37));
    best.setWidthF(2.5);
    m_best->setPen(best);
    QPen average(QColor(0xe0, 0x7b, 0x10));
    average.setWidthF(2);
    m_average->setPen(average);
    m_records->setMarkerShape(QScatterSeries::MarkerShapeStar);
    m_records->setMarkerSize(15);
    m_records->setColor(QColor(0xd6, 0x27, 0x28));
    m_records->setBorderColor(QColor(0x7a, 0x10, 0x10));
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{m_games, m_average, m_best, m_records}) {
        m_chart->addSeries(series);
        connect(series, &QXYSeries::hovered, this,
                [this, series](const QPointF& p, bool entered) { hovered(series, p, entered); });
    }
    m_x->setTickType(QValueAxis::TicksDynamic);
    m_x->setTickAnchor(0);
    m_x->setLabelFormat(QStringLiteral("%d"));
    m_y->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_chart->addAxis(m_x, Qt::AlignBottom);
    m_chart->addAxis(m_y, Qt::AlignLeft);
    for (QAbstractSeries* series : m_chart->series()) {
        series->attachAxis(m_x);
        series->attachAxis(m_y);
    }
    connect(m_chart, &QChart::plotAreaChanged, this, [this] { resample(); });

    m_view->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
}

void ProgressChartView::showPlot(ProgressPlot plot) {
    m_plot = std::move(plot);
    m_hovered.clear();
    m_chart->setTitle(m_plot.title);
    m_games->setName(m_plot.gamesName);
    m_best->setName(m_plot.bestName);
    m_average->setName(m_plot.averageName);
    m_records->setName(m_plot.recordsName);
    m_best->replace(StepLine(m_plot.best));
    m_records->replace(PointsAt(m_plot.values, m_plot.records));
    placeAxes();
    m_sampledColumns = -1;
    resample();
}

void ProgressChartView::placeAxes() {
    const double games = double(std::max<std::size_t>(m_plot.games(), 1));
    m_x->setTitleText(m_plot.axisX);
    // The axis makes a label for every tick of its range at once: from a few games
    // to a hundred thousand, the old interval on the new range would make a hundred
    // thousand labels. So the wider interval goes first, and a narrower one last.
    const double interval = NumberStep(games);
    if (interval >= m_x->tickInterval()) {
        m_x->setTickInterval(interval);
        m_x->setRange(0, games + 1);
    } else {
        m_x->setRange(0, games + 1);
        m_x->setTickInterval(interval);
    }

    auto [low, high] = ValueRange(m_plot);
    if (std::isnan(low)) low = high = 0;
    const double step = m_plot.timeAxis ? TimeStep(high - low) : NumberStep(high - low);
    double bottom = std::floor(low / step) * step;
    double top = std::ceil(high / step) * step;
    // A value on or near the edge of the plot would show half its marker, and the
    // lowest values are the records: the axis then reaches a step further (not
    // below zero).
    constexpr double kMarkerRoom = 0.25;   // of a step
    if (low - bottom < kMarkerRoom * step && low > 0) bottom = std::max(0.0, bottom - step);
    if (top - high < kMarkerRoom * step) top += step;
    // Labels at the ticks: h:mm:ss for times. The first category lies below the axis,
    // so that its label marks the axis's lowest value.
    m_y->setTitleText(m_plot.axisY);
    for (const QString& label : m_y->categoriesLabels()) m_y->remove(label);
    m_y->setRange(bottom, top);
    m_y->setStartValue(bottom - step);
    for (double v = bottom; v <= top + step / 2; v += step)
        m_y->append(m_plot.timeAxis ? ClockText(v) : QString::number(std::llround(v)), v);
}

void ProgressChartView::resample() {
    const int columns = std::max(1, static_cast<int>(std::ceil(m_chart->plotArea().width() * devicePixelRatioF())));
    if (columns == m_sampledColumns) return;
    m_sampledColumns = columns;
    const SampleAxis axis{m_x->min(), m_x->max(), columns};
    const std::vector<std::uint32_t> games = SampleColumns(m_plot.values, axis);
    m_games->replace(PointsAt(m_plot.values, games));
    m_games->setPointsVisible(double(games.size()) <= kDotsPerColumn * columns);
    m_average->replace(PointsAt(m_plot.average, SampleColumns(m_plot.average, axis)));
}

void ProgressChartView::hovered(QXYSeries* series, const QPointF& point, bool entered) {
    std::erase_if(m_hovered, [series](const auto& hover) { return hover.first == series; });
    if (entered && m_plot.games() > 0 && m_plot.describe) {
        const auto game = static_cast<std::size_t>(
            std::clamp(std::llround(point.x()) - 1, 0LL, static_cast<long long>(m_plot.games()) - 1));
        m_hovered.emplace_back(series, game);
    }
    showHoveredGame();
}

void ProgressChartView::showHoveredGame() {
    if (m_hovered.empty()) {
        QToolTip::hideText();
        return;
    }
    const std::size_t game = m_hovered.back().second;
    QToolTip::showText(mapToGlobal(positionOfGame(game)), m_plot.describe(game), this);
}

bool ProgressChartView::eventFilter(QObject* watched, QEvent* event) {
    // A pointer resting on the chart makes the view ask its items for a tooltip, and
    // none of them has one: it would hide the game's tooltip. It is the game's.
    if (watched == m_view->viewport() && event->type() == QEvent::ToolTip && !m_hovered.empty()) {
        showHoveredGame();
        return true;
    }
    return ProgressChart::eventFilter(watched, event);
}

QPoint ProgressChartView::positionOfGame(std::size_t game) const {
    if (game >= m_plot.games()) return {};
    double value = m_plot.values[game];
    if (std::isnan(value)) value = m_plot.best[game];
    const QPointF scene = m_chart->mapToPosition(QPointF(game + 1.0, value), m_games);
    return m_view->viewport()->mapTo(this, m_view->mapFromScene(scene));
}

std::size_t ProgressChartView::drawnGamePoints() const { return static_cast<std::size_t>(m_games->count()); }

bool ProgressChartView::saveImage(QIODevice& device, ChartImageFormat format) {
    if (format == ChartImageFormat::Png) return m_view->grab().save(&device, "PNG");
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setSize(m_view->size());
    svg.setViewBox(QRect(QPoint(0, 0), m_view->size()));
    svg.setTitle(m_plot.title);
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    m_view->render(&painter, QRectF(QPointF(0, 0), m_view->size()), m_view->viewport()->rect());
    return painter.end();
}

void ProgressChartView::paintChart(QPainter& painter, const QRectF& target) {
    m_view->render(&painter, target, m_view->viewport()->rect(), Qt::KeepAspectRatio);
}
