// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SolverAssist.h"
#include "play/Assistance.h"
#include "play/BoardChanged.h"
#include "play/GameModes.h"
#include "play/KeyboardInput.h"
#include "play/Messages.h"
#include "play/MoveRules.h"
#include "play/OwnTexts.h"
#include <QTimer>
#include <utility>

namespace {

OwnText hopelessText(Hopeless reason) {
    switch (reason) {
    case Hopeless::TileBesideGapOutOfPlace: return OwnText::HopelessTileBesideGap;
    case Hopeless::OddArrangement: return OwnText::HopelessOddArrangement;
    case Hopeless::NoMoves: return OwnText::HopelessNoMoves;
    case Hopeless::NoTargetFits:
    case Hopeless::None: break;
    }
    return OwnText::HopelessNoTargetFits;
}

// What the board holds, the top ring row's slot included.
std::vector<int> boardValues(const GameState& s) {
    std::vector<int> values;
    const Board& b = s.board;
    for (int r = 0; r <= b.borderIdx(); ++r)
        for (int c = 0; c <= b.borderIdx(); ++c) values.push_back(b.value({r, c}));
    values.push_back(s.slotCol);
    return values;
}

} // namespace

SolverAssist::SolverAssist(GameState& state, Platform& platform, MoveRules& rules, QObject* parent)
    : QObject(parent), m_s(state), m_p(platform), m_rules(rules), m_stepTimer(new QTimer(this)) {
    m_stepTimer->setObjectName(QStringLiteral("solveTimer"));
    m_stepTimer->setInterval(kSolveStepMs);
    connect(m_stepTimer, &QTimer::timeout, this, &SolverAssist::playNextStep);
    connect(&m_help, &SolverRun::finished, this, &SolverAssist::helpFound);
    connect(&m_shortestRun, &SolverRun::finished, this, &SolverAssist::shortestFound);
}

SolverAssist::~SolverAssist() { cancelAll(); }

bool SolverAssist::canHelp() const {
    return m_s.gameRunning && m_s.phase == GamePhase::Playing && !demoRunning(m_s);
}

bool SolverAssist::playing() const { return m_next < m_solution.size(); }

void SolverAssist::tell(const QString& text) {
    MessageRequest request;
    request.text = text;
    request.icon = MsgIcon::Information;
    m_p.messageBox.show(request);
}

// The result of a helped game cannot be stored: the player says yes to that first.
bool SolverAssist::askBeforeFirstHelp() {
    if (m_s.assisted) return true;
    if (ShowOwnMessage(m_s, m_p, OwnText::HintQuestion, MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return false;
    MarkAssisted(m_s);
    return true;
}

void SolverAssist::hint() {
    if (!canHelp() || playing()) return;
    if (!askBeforeFirstHelp()) return;
    startHelp(Purpose::Hint);
}

void SolverAssist::solve() {
    if (!canHelp() || playing()) return;
    if (!askBeforeFirstHelp()) return;
    startHelp(Purpose::Solve);
}

void SolverAssist::startHelp(Purpose purpose) {
    m_purpose = purpose;
    m_askedOn = boardValues(m_s);
    SolveOptions options;
    options.seconds = purpose == Purpose::Hint ? kHintSeconds : kSolveSeconds;
    options.improve = purpose == Purpose::Solve;
    m_help.start(m_s, options);
    if (changed) changed();
}

void SolverAssist::helpFound(const SolveReport& report) {
    const Purpose purpose = std::exchange(m_purpose, Purpose::None);
    // The game ended or was left meanwhile, or the player moved: the answer is stale.
    if (!canHelp() || boardValues(m_s) != m_askedOn) {
        if (changed) changed();
        return;
    }
    switch (report.status) {
    case SolveReport::Status::Solved:
        if (report.moves.empty()) break;
        if (purpose == Purpose::Hint) {
            ShowMoveHint(m_s, report.moves.front());
        } else {
            m_solution = report.moves;
            m_next = 0;
            m_paused = false;
            m_stepTimer->start();
        }
        break;
    case SolveReport::Status::Hopeless: tell(OwnTextIn(hopelessText(report.hopeless), m_s.texts)); break;
    case SolveReport::Status::Cancelled: break;
    case SolveReport::Status::NotFound:
    case SolveReport::Status::Unsupported: tell(OwnTextIn(OwnText::HintSearching, m_s.texts)); break;
    }
    if (changed) changed();
}

void SolverAssist::playNextStep() {
    if (m_paused) return;
    if (!playing() || !canHelp()) {
        stopPlayback();
        return;
    }
    // The last step may end the game and open its box: no tick may come meanwhile.
    m_stepTimer->stop();
    const Move move = m_solution[m_next++];
    const MoveRefusal refused = m_rules.Play(move);
    if (refused != MoveRefusal::None || !playing()) {
        stopPlayback();
    } else if (canHelp()) {
        m_stepTimer->start();
    } else {
        stopPlayback();
    }
    if (changed) changed();
}

bool SolverAssist::playbackKey(int keyCode) {
    if (!playing()) return false;
    if (keyCode == KeyCode::Space) {
        m_paused = !m_paused;
        return true;
    }
    if (keyCode == KeyCode::Escape) {
        stopPlayback();
        if (changed) changed();
        return true;
    }
    return false;
}

void SolverAssist::stopPlayback() {
    m_stepTimer->stop();
    m_solution.clear();
    m_next = 0;
    m_paused = false;
}

void SolverAssist::gameStarted() {
    m_shortest.reset();
    m_endShown = false;
    // The shortest solution of a rearrangement game would take both of its stages.
    if (rearrangementGame(m_s)) return;
    SolveOptions options;
    options.seconds = m_s.board.size() == 4 && !m_s.pendolyMode ? kShortestSeconds : kShortestSecondsLarge;
    m_shortestRun.start(m_s, options);
}

void SolverAssist::shortestFound(const SolveReport& report) {
    if (report.status != SolveReport::Status::Solved || !report.shortest) return;
    m_shortest = report.steps;
    if (m_endShown && showStatus) showStatus(OwnTextIn(OwnText::ShortestSolution, m_s.texts).arg(report.steps));
}

void SolverAssist::sync() {
    const bool inGame = m_s.gameRunning || m_s.phase == GamePhase::Paused || m_s.phase == GamePhase::Finished;
    if (!inGame || demoRunning(m_s)) {
        if (m_gameSeen || m_help.running()) cancelAll();
        m_gameSeen = false;
    } else if (!m_gameSeen && m_s.phase == GamePhase::Playing) {
        m_gameSeen = true;
        gameStarted();
    }
    PanelControls& c = m_s.panel;
    c.sugas.caption = OwnTextIn(OwnText::HintCaption, m_s.texts);
    c.megold.caption = OwnTextIn(OwnText::SolveCaption, m_s.texts);
    c.sugas.enabled = c.megold.enabled = canHelp() && !playing() && m_purpose == Purpose::None;
}

QString SolverAssist::endNote() {
    if (demoRunning(m_s)) return {};
    if (!m_shortest && m_shortestRun.running()) m_shortestRun.waitFor(endWaitMs);
    m_endShown = true;   // from now on a late answer goes to the status
    return m_shortest ? OwnTextIn(OwnText::ShortestSolution, m_s.texts).arg(*m_shortest) : QString();
}

void SolverAssist::cancelAll() {
    stopPlayback();
    m_help.cancel();
    m_shortestRun.cancel();
    m_purpose = Purpose::None;
}
