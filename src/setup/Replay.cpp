// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/Replay.h"
#include "play/BoardRing.h"
#include "play/GameFlow.h"
#include "play/GameModes.h"
#include "play/GameState.h"
#include "play/KeyboardInput.h"
#include "play/MoveRules.h"
#include "play/OwnTexts.h"
#include "play/StepSound.h"
#include "setup/StartSetUp.h"
#include "ui/QuietPlatform.h"
#include <iterator>

namespace {

constexpr int kPaces = static_cast<int>(std::size(Replay::kIntervals));
constexpr int kBannerWidth = 2600;

} // namespace

Replay::Replay(GameState& state, Platform& platform) : m_s(state), m_p(platform) {}

Replay::~Replay() = default;

bool Replay::canStart() const {
    return !active() && !demoRunning(m_s) && (m_s.phase == GamePhase::SetUp || m_s.phase == GamePhase::Finished);
}

bool Replay::start(const GameRecord& record, bool reachedItsEnd) {
    if (!canStart() || !IsSoundStart(record.start)) return false;
    auto saved = std::make_unique<GameState>(m_s);
    QuietPlatform quiet(m_p.clock, m_p.random);
    MoveRules rules(m_s);
    GameFlow flow(m_s, quiet.get(), rules);
    PutStartOnWindow(m_s, quiet.get(), record.start);
    flow.kezd_Click();
    if (!m_s.gameRunning) {   // a start its own game once passed: never, but leave nothing behind
        m_s = *saved;
        return false;
    }
    m_s.record.recording = false;
    m_s.gameRunning = false;
    m_s.phase = GamePhase::Replay;
    m_s.panel.uj.enabled = false;
    // A finished game's name entry waits behind the replay; it comes back with the window.
    for (ControlState* entry : {&m_s.panel.Label3, &m_s.panel.neve, &m_s.panel.ment, &m_s.panel.megse})
        entry->visible = false;
    m_s.panel.demo_szov.visible = true;
    m_s.panel.demo_szov.width = kBannerWidth;
    m_record = record;
    m_record.recording = false;
    m_saved = std::move(saved);
    m_next = 0;
    m_paused = false;
    m_pace = kStartPace;
    m_reachedItsEnd = reachedItsEnd;
    showBanner();
    m_startState = std::make_unique<GameState>(m_s);
    m_timer.start(m_p.clock.monotonicMs(), kIntervals[m_pace]);
    return true;
}

void Replay::showBanner() {
    const double perSecond = 1000.0 / static_cast<double>(kIntervals[m_pace]);
    m_s.panel.demo_szov.caption =
        OwnTextIn(OwnText::ReplayBanner, m_s.texts).arg(QString::number(perSecond, 'g', 2));
}

// One step as the player took it; the pause at the first target and the second stage
// show the ring as the game had it.
void Replay::stepForward(bool sound) {
    const RecordStep& step = m_record.steps[static_cast<size_t>(m_next++)];
    MoveRules rules(m_s);
    if (sound) rules.setStepSound([this] { PlayStepSound(m_s, m_p.sound); });
    switch (step.kind) {
    case StepKind::Move: rules.Play(step.move); break;
    case StepKind::TakeBack: rules.TakeBack(); break;
    case StepKind::FirstTarget: CloseRingAtFirstTarget(m_s); break;
    case StepKind::SecondStage:
        if (m_s.pendolyMode)
            OpenPendolySlot(m_s);
        else
            OpenRingCells(m_s, step.openRing);
        break;
    }
    if (m_next == total() && m_reachedItsEnd) CloseRing(m_s);
}

void Replay::stepBack() {
    if (m_next == 0) return;
    const int target = m_next - 1;
    m_s = *m_startState;
    showBanner();
    m_next = 0;
    while (m_next < target) stepForward(false);
}

bool Replay::tick(qint64 nowMs) {
    if (!active() || m_paused || m_next >= total() || !m_timer.isDue(nowMs)) return false;
    m_timer.stepped(nowMs);
    stepForward(true);
    if (m_next >= total()) m_paused = true;   // the final board stays until the replay is stopped
    return true;
}

bool Replay::key(int keyCode) {
    if (!active()) return false;
    switch (keyCode) {
    case KeyCode::Space:
        if (m_next >= total()) return true;   // the end stays on show
        m_paused = !m_paused;
        if (!m_paused) m_timer.stepped(m_p.clock.monotonicMs());
        return true;
    case KeyCode::Escape: stop(); return true;
    case KeyCode::Right:
        if (m_paused && m_next < total()) stepForward(true);
        return true;
    case KeyCode::Left:
        if (m_paused) stepBack();
        return true;
    case KeyCode::Up: faster(); return true;
    case KeyCode::Down: slower(); return true;
    default: return true;   // every other key is the replay's too: the game is not played now
    }
}

void Replay::faster() {
    if (m_pace + 1 >= kPaces) return;
    m_timer.setInterval(kIntervals[++m_pace]);
    showBanner();
}

void Replay::slower() {
    if (m_pace == 0) return;
    m_timer.setInterval(kIntervals[--m_pace]);
    showBanner();
}

void Replay::stop() {
    if (!active()) return;
    m_s = *m_saved;
    m_saved.reset();
    m_startState.reset();
}
