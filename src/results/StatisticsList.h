// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The statistics list: the statistics table under a title line with the date and
// the window's two heading lines. It has no pages of its own; the printer starts a
// new sheet when one is full.
#include "results/ListDocument.h"
#include <QString>
#include <QStringList>

enum class ListTarget { Printer, File };

struct StatisticsListInput {
    QStringList table;     // the lines of the statistics text
    QString heading;       // the two heading lines above the table
    QString columnHeads;
    QString total;         // the total line; only the file carries it
    bool pendoly = false;
};

ListDocument PrintStatistics(const StatisticsListInput& input, const QStringList& messages,
                             const QString& today, ListTarget target);
