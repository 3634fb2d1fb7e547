// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ProgressForm.h"
#include "play/GameState.h"
#include "play/OwnTexts.h"
#include "results/PlayerNames.h"
#include <cmath>
#include <limits>

namespace {

constexpr int kAll = 87;
constexpr int kStepsMeasure = 83;
constexpr int kTimeMeasure = 84;
constexpr int kNameLabel = 100;
constexpr int kTypeLabel = 101;
constexpr int kSizeLabel = 102;
constexpr int kGapsLabel = 103;
constexpr int kStoredGameLabel = 104;
constexpr int kShuffleLabel = 106;
constexpr int kStepsLabel = 107;
constexpr int kElapsedLabel = 108;
constexpr int kFirstTypeName = 120;   // + type index - 1
constexpr int kToPrinter = 141;
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

double ValueOrNone(int value, bool known) { return known ? double(value) : kNone; }

} // namespace

ProgressForm::ProgressForm(const GameState& s, const QString& resultsPath) : m_state(s), m_path(resultsPath) {
    const auto own = [&s](OwnText t) { return OwnTextIn(t, s.texts); };
    ProgressControls& c = m_controls;
    c.tab.caption = own(OwnText::Progress);
    c.nameLabel.caption = text(kNameLabel);
    c.sizeLabel.caption = text(kSizeLabel);
    c.typeLabel.caption = text(kTypeLabel);
    c.sizes = {QStringLiteral("4 X 4"), QStringLiteral("5 X 5"), QStringLiteral("6 X 6"), text(kAll)};
    for (int t = 1; t <= 8; ++t) c.types << text(kFirstTypeName + t - 1);
    c.types << text(kAll);
    c.measures = {text(kStepsMeasure), text(kTimeMeasure)};
    c.save.caption = own(OwnText::SaveChart);
    c.print.caption = text(kToPrinter);
    // As the statistics of the Pendoly mode, only games with one empty cell.
    m_choice.oneGapOnly = s.pendolyMode;
    Rebuild();
}

QString ProgressForm::text(int message) const { return m_state.texts.messages.value(message); }

void ProgressForm::Load() {
    if (m_loaded) return;
    m_loaded = true;
    m_damaged = m_table.Load(m_path).damaged;
    m_controls.names = ProgressPlayerNames(m_table);
    if (m_controls.names.isEmpty()) {
        Rebuild();
        return;
    }
    const int named = static_cast<int>(m_controls.names.indexOf(CleanPlayerName(m_state.panel.neve.caption)));
    m_controls.name = std::max(named, 0);
    m_choice.name = m_controls.names[m_controls.name];

    // The size and type of the player's latest game.
    ProgressChoice any = m_choice;
    any.boardSize = 0;
    any.allowAllTypes();
    const ProgressSeries all = BuildProgressSeries(m_table, any);
    if (!all.games.empty()) {
        const ResultRow& latest = m_table.row(all.games.back().row);
        m_controls.size = latest.boardSize - 4;
        m_controls.type = latest.typeIndex - 1;
        m_choice.boardSize = latest.boardSize;
        m_choice.types.fill(false);
        m_choice.types[latest.typeIndex] = true;
    }
    Rebuild();
}

void ProgressForm::setChartMissing(const QString& why) {
    m_chartMissing = why;
    Rebuild();
}

void ProgressForm::chooseName(int index) {
    if (index < 0 || index >= m_controls.names.size()) return;
    m_controls.name = index;
    m_choice.name = m_controls.names[index];
    Rebuild();
}

void ProgressForm::chooseSize(int index) {
    if (index < 0 || index > ProgressControls::kAllSizes) return;
    m_controls.size = index;
    m_choice.boardSize = index == ProgressControls::kAllSizes ? 0 : index + 4;
    Rebuild();
}

void ProgressForm::chooseType(int index) {
    if (index < 0 || index > ProgressControls::kAllTypes) return;
    m_controls.type = index;
    if (index == ProgressControls::kAllTypes) {
        m_choice.allowAllTypes();
    } else {
        m_choice.types.fill(false);
        m_choice.types[static_cast<std::size_t>(index + 1)] = true;
    }
    Rebuild();
}

void ProgressForm::chooseMeasure(int index) {
    if (index < 0 || index >= m_controls.measures.size()) return;
    m_controls.measure = index;
    Rebuild();
}

void ProgressForm::Rebuild() {
    m_series = m_controls.name < 0 ? ProgressSeries{} : BuildProgressSeries(m_table, m_choice);
    m_controls.status.caption = statusText();
    const bool drawn = !m_series.games.empty() && m_chartMissing.isEmpty();
    m_controls.save.enabled = drawn;
    m_controls.print.enabled = drawn;
}

QString ProgressForm::statusText() const {
    if (!m_loaded) return m_chartMissing;
    const auto own = [this](OwnText t) { return OwnTextIn(t, m_state.texts); };
    QStringList lines;
    if (!m_chartMissing.isEmpty()) lines << m_chartMissing;
    if (m_damaged) lines << own(OwnText::ProgressDamaged).arg(m_table.size());
    if (m_table.size() == 0) {
        if (!m_damaged) lines << own(OwnText::ProgressNoResults);
    } else if (m_series.games.empty()) {
        lines << own(OwnText::ProgressNoGames);
    } else {
        std::size_t stepsRecords = 0;
        std::size_t timeRecords = 0;
        for (const ProgressGame& g : m_series.games) {
            stepsRecords += g.stepsRecord;
            timeRecords += g.timeRecord;
        }
        lines << own(OwnText::ProgressSummary)
                     .arg(m_series.games.size())
                     .arg(stepsRecords)
                     .arg(timeRecords)
                     .arg(m_table.dateText(m_series.games.front().row), m_table.dateText(m_series.games.back().row));
    }
    return lines.join(QLatin1Char('\n'));
}

ProgressPlot ProgressForm::plot() const {
    const auto own = [this](OwnText t) { return OwnTextIn(t, m_state.texts); };
    const ProgressControls& c = m_controls;
    const bool time = measure() == ProgressMeasure::Time;
    ProgressPlot plot;
    if (c.name >= 0) plot.title = c.names[c.name] + QStringLiteral(" – ") + c.sizes[c.size] + QStringLiteral(", ") + c.types[c.type];
    plot.axisX = own(OwnText::ProgressGamesAxis);
    plot.axisY = c.measures[c.measure];
    plot.timeAxis = time;
    plot.gamesName = own(OwnText::ProgressGames);
    plot.bestName = own(OwnText::ProgressBestSoFar);
    plot.averageName = own(OwnText::ProgressAverage).arg(kMovingAverageGames);
    plot.recordsName = own(OwnText::ProgressRecords);
    const std::size_t count = m_series.games.size();
    plot.values.reserve(count);
    plot.best.reserve(count);
    plot.average.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const ProgressGame& g = m_series.games[i];
        if (time) {
            plot.values.push_back(ValueOrNone(g.elapsed, g.elapsed != kNoTime));
            plot.best.push_back(ValueOrNone(g.bestElapsed, g.bestElapsed != kNoTime));
            plot.average.push_back(g.averageElapsed);
        } else {
            plot.values.push_back(g.steps);
            plot.best.push_back(g.bestSteps);
            plot.average.push_back(g.averageSteps);
        }
        if (time ? g.timeRecord : g.stepsRecord) plot.records.push_back(i);
    }
    plot.describe = [this](std::size_t game) { return describe(game); };
    return plot;
}

QString ProgressForm::describe(std::size_t game) const {
    if (game >= m_series.games.size()) return QString();
    const auto own = [this](OwnText t) { return OwnTextIn(t, m_state.texts); };
    const ProgressGame& g = m_series.games[game];
    const ResultRow& row = m_table.row(g.row);
    const auto line = [this](int label, const QString& value) { return text(label) + QStringLiteral(": ") + value; };
    QStringList lines;
    lines << own(OwnText::ProgressGameNo).arg(game + 1);
    lines << m_table.dateText(g.row) + QLatin1Char(' ') + m_table.timeText(g.row);
    lines << line(kStepsLabel, QString::number(g.steps));
    lines << line(kElapsedLabel, m_table.elapsedText(g.row));
    if (row.typeIndex >= 1 && row.typeIndex <= 8)
        lines << line(kTypeLabel, text(kFirstTypeName + row.typeIndex - 1)) + QStringLiteral(", ") +
                     m_controls.sizes.value(row.boardSize - 4);
    lines << line(kGapsLabel, QString::number(row.gapCount));
    const QString& storedGame = m_table.storedGameName(g.row);
    if (!storedGame.isEmpty())
        lines << line(kStoredGameLabel, storedGame.trimmed() + QStringLiteral(" (%1)").arg(row.storedGameNo));
    if (row.shuffleNo != 0) lines << line(kShuffleLabel, QString::number(row.shuffleNo));
    QStringList records;
    if (g.stepsRecord) records << text(kStepsLabel);
    if (g.timeRecord) records << text(kElapsedLabel);
    if (!records.isEmpty()) lines << own(OwnText::ProgressRecordOf).arg(records.join(QStringLiteral(", ")));
    return lines.join(QLatin1Char('\n'));
}
