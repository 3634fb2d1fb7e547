// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/StatisticsForm.h"
#include "play/GameState.h"
#include "files/FileLimits.h"
#include "play/FileProblems.h"
#include "play/Messages.h"
#include <QFileInfo>

namespace {

constexpr int kDamagedFile = 30;
constexpr int kOk = 33;
constexpr int kListMenu = 140;
constexpr int kToPrinter = 141;
constexpr int kToFile = 142;
constexpr int kHelp = 143;
constexpr int kHeading = 151;
constexpr int kColumnHeads = 152;
constexpr int kListFileName = 153;

} // namespace

StatisticsForm::StatisticsForm(const GameState& s, const QString& resultsPath) : m_state(s), m_path(resultsPath) {}

void StatisticsForm::Form_Load() {
    const GameState& s = m_state;
    m_controls.windowTitle = s.panel.stmegj.caption + (s.pendolyMode ? QStringLiteral(" - Pendoly") : QString());
    const auto message = [&s](int no) { return s.texts.messages.value(no); };
    m_controls.Label1_0.caption = message(kHeading);
    m_controls.Label1_1.caption = message(kColumnHeads);
    m_controls.rendben.caption = message(kOk);
    m_controls.lista.caption = message(kListMenu);
    m_controls.ls_pr.caption = message(kToPrinter);
    m_controls.ls_fl.caption = message(kToFile);
    m_controls.doknez.caption = message(kHelp);

    m_scan = ScanStatistics(m_path);
    const StatTexts texts{s.texts.messages, s.texts.typeNames};
    m_lines = StatisticsLines(m_scan.stats, texts, s.pendolyMode);
    m_controls.Label2.caption = StatisticsTotalLine(m_scan.stats, texts);
    m_controls.szov.caption = m_lines.join(QLatin1Char('\n'));
}

bool StatisticsForm::szov_GotFocus(Platform& platform) {
    if (!m_scan.damaged || m_damageTold) return false;
    m_damageTold = true;
    if (m_scan.access == FileAccess::Ok) {
        ShowMessage(m_state, platform, kDamagedFile, MsgIcon::Critical);
        return true;
    }
    // Not read at all: why, rather than damage.
    MessageRequest request;
    request.text = FileNotReadText(m_scan.access, QFileInfo(m_path).fileName(), FileLimit::Results, m_state.texts);
    request.icon = MsgIcon::Critical;
    platform.messageBox.show(request);
    return true;
}

QString StatisticsForm::defaultListFileName() const { return m_state.texts.messages.value(kListFileName); }

ListDocument StatisticsForm::PrintStatistics(ListTarget target, const QString& today) const {
    const StatisticsListInput input{m_lines, m_controls.Label1_0.caption, m_controls.Label1_1.caption,
                                    m_controls.Label2.caption, m_state.pendolyMode};
    return ::PrintStatistics(input, m_state.texts.messages, today, target);
}
