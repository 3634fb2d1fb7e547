// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/gui/ChartModule.h"
#include "results/gui/ProgressChart.h"
#include <QLibrary>

ProgressChart* LoadProgressChart(QWidget* parent, const QStringList& modulePaths) {
    for (const QString& path : modulePaths) {
        QLibrary module(path);
        auto create = reinterpret_cast<CreateProgressChart>(module.resolve(ZK_CHART_MODULE_ENTRY));
        if (create) return create(parent);
    }
    return nullptr;
}
