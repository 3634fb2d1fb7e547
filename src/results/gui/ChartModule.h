// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Loading the chart module (ProgressChart.h) and making a chart from it.
#include <QString>
#include <QStringList>

class ProgressChart;
class QWidget;

inline const QString kChartModuleName = QStringLiteral("zelka-kvadra-chart");

// A new chart from the first of `modulePaths` that holds the module (ModulePaths),
// a child of `parent`; null when none does. The module stays loaded for the run.
ProgressChart* LoadProgressChart(QWidget* parent, const QStringList& modulePaths);
