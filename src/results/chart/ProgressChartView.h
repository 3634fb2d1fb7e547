// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The progress chart drawn with Qt Charts: the games as a thin line (with a dot on
// each game while they are few), the best-so-far line as steps through the
// records, the moving average, and a star on every record. The x axis counts the
// games in date order; the y axis holds steps, or the elapsed time labelled
// h:mm:ss. Lines are downsampled to the pixel columns of the plot area and sampled
// again whenever it changes size. Hovering a line or a star shows the game there.
#include "results/gui/ProgressChart.h"
#include <utility>
#include <vector>

class QCategoryAxis;
class QChart;
class QChartView;
class QLineSeries;
class QScatterSeries;
class QValueAxis;
class QXYSeries;

class ProgressChartView final : public ProgressChart {
public:
    explicit ProgressChartView(QWidget* parent = nullptr);

    void showPlot(ProgressPlot plot) override;
    bool saveImage(QIODevice& device, ChartImageFormat format) override;
    void paintChart(QPainter& painter, const QRectF& target) override;
    QPoint positionOfGame(std::size_t game) const override;
    std::size_t drawnGamePoints() const override;

private:
    void placeAxes();
    // Samples the games and the average again for the plot area's width.
    void resample();
    // The pointer entered (left) a point of `series`.
    void hovered(QXYSeries* series, const QPointF& point, bool entered);
    // The tooltip of the game last hovered, or none.
    void showHoveredGame();
    bool eventFilter(QObject* watched, QEvent* event) override;

    ProgressPlot m_plot;
    QChartView* m_view;
    QChart* m_chart;
    QLineSeries* m_games;
    QLineSeries* m_best;
    QLineSeries* m_average;
    QScatterSeries* m_records;
    QValueAxis* m_x;
    QCategoryAxis* m_y;
    int m_sampledColumns = -1;
    // The points under the pointer, by series, in the order entered.
    std::vector<std::pair<QXYSeries*, std::size_t>> m_hovered;
};
