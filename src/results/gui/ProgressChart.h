// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The progress chart as the window uses it. It is drawn with Qt Charts, which the
// game keeps in a module of its own (zelka-kvadra-chart, src/results/chart/): the
// statistics window loads it when the chart is first shown, so the chart libraries
// cost nothing at start-up. The module makes a widget of this interface.
#include "results/ProgressPlot.h"
#include <QWidget>

class QIODevice;
class QPainter;

enum class ChartImageFormat { Png, Svg };

class ProgressChart : public QWidget {
public:
    using QWidget::QWidget;

    // Draws `plot`, downsampled to the chart's width (ColumnSampling.h); the records
    // are always all drawn.
    virtual void showPlot(ProgressPlot plot) = 0;
    // Writes the chart as it is shown, at its size, to `device`; false when writing fails.
    virtual bool saveImage(QIODevice& device, ChartImageFormat format) = 0;
    // Draws the chart into `target` of `painter` (a printed page), keeping its proportions.
    virtual void paintChart(QPainter& painter, const QRectF& target) = 0;

    // Where game `game` of the plot lies on the widget, for pointing at it.
    virtual QPoint positionOfGame(std::size_t game) const = 0;
    // How many points of the games' line are drawn.
    virtual std::size_t drawnGamePoints() const = 0;
};

// The module's one entry point: a new chart, a child of `parent`.
#define ZK_CHART_MODULE_ENTRY "zkCreateProgressChart"
using CreateProgressChart = ProgressChart* (*)(QWidget* parent);
