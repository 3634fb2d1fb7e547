// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/StatisticsList.h"
#include "results/Statistics.h"

namespace {
constexpr int kTitle = 150;
constexpr int kDateColumn = 95;          // the date stands at the right end of the title line
constexpr int kPendolyTitleWidth = 60;
} // namespace

ListDocument PrintStatistics(const StatisticsListInput& input, const QStringList& messages,
                             const QString& today, ListTarget target) {
    const QString title = messages.value(kTitle);
    const auto blanks = [](qsizetype count) { return QString(std::max<qsizetype>(0, count), QLatin1Char(' ')); };
    const QString titleLine =
        input.pendoly ? title + blanks(28) + QStringLiteral("Pendoly") + blanks(kPendolyTitleWidth - title.size()) + today
                      : title + blanks(kDateColumn - title.size()) + today;

    QStringList lines{titleLine, QString(), input.heading, input.columnHeads,
                      QString(kStatLineWidth, QLatin1Char('-'))};
    lines << input.table;
    if (target == ListTarget::File) lines << QString() << QString() << input.total;
    return ListDocument{{lines}};
}
