// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The chart module's entry point, which the statistics window resolves by name.
#include "results/chart/ProgressChartView.h"

extern "C" Q_DECL_EXPORT ProgressChart* zkCreateProgressChart(QWidget* parent) { return new ProgressChartView(parent); }
