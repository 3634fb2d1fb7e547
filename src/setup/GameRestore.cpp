// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/GameRestore.h"
#include "play/Assistance.h"
#include "play/GameFlow.h"
#include "play/GameModes.h"
#include "play/GameState.h"
#include "play/MoveRules.h"
#include "setup/StartSetUp.h"
#include "ui/QuietPlatform.h"

namespace {

std::vector<int> boardValues(const Board& b) {
    std::vector<int> values;
    for (int r = 0; r <= b.borderIdx(); ++r)
        for (int q = 0; q <= b.borderIdx(); ++q) values.push_back(b.value({r, q}));
    return values;
}

// One step as the player took it. The pause at the first target is no step of the
// player's: the move before it caused it, and here it must have happened just so.
bool replayStep(GameState& s, MoveRules& rules, GameFlow& flow, const RecordStep& step) {
    switch (step.kind) {
    case StepKind::Move:
        return s.phase == GamePhase::Playing && rules.Play(step.move) == MoveRefusal::None;
    case StepKind::TakeBack:
        return s.phase == GamePhase::Playing && rules.TakeBack();
    case StepKind::FirstTarget:
        return pausedAtFirstTarget(s) && !s.record.steps.empty() && s.record.steps.back() == step;
    case StepKind::SecondStage:
        if (!pausedAtFirstTarget(s)) return false;
        if (!s.pendolyMode) OpenRingCells(s, step.openRing);
        s.gapCount = step.gapCount;
        flow.ResumeSecondStage();
        return true;
    }
    return false;
}

} // namespace

bool KeepsAGame(const GameState& s) {
    return s.record.recording && (s.phase == GamePhase::Playing || s.phase == GamePhase::Paused);
}

SavedGame SavedGameOf(const GameState& s, qint64 nowMs) {
    SavedGame game;
    game.record = s.record;
    game.record.recording = false;
    const bool paused = pausedAtFirstTarget(s);
    game.elapsedMs = std::max<qint64>(0, (paused ? s.nowMs : nowMs) - s.startMs);
    game.paused = paused;
    game.assisted = s.assisted;
    game.stepCount = s.stepCount;
    game.board = boardValues(s.board);
    return game;
}

bool RestoreSavedGame(GameState& s, Platform& p, const SavedGame& game) {
    if (!IsSoundStart(game.record.start)) return false;
    GameState trial = s;
    QuietPlatform quiet(p.clock, p.random);
    MoveRules rules(trial);
    GameFlow flow(trial, quiet.get(), rules);
    PutStartOnWindow(trial, quiet.get(), game.record.start);
    flow.kezd_Click();
    if (!trial.record.recording || trial.record.start != game.record.start) return false;
    for (const RecordStep& step : game.record.steps) {
        if (!replayStep(trial, rules, flow, step) || quiet.messagesShown() > 0) return false;
    }
    if (quiet.messagesShown() > 0 || trial.record.steps != game.record.steps ||
        trial.stepCount != game.stepCount || boardValues(trial.board) != game.board ||
        pausedAtFirstTarget(trial) != game.paused)
        return false;

    // The clock runs on from the time the game had; the time the program was closed
    // does not count.
    const qint64 now = p.clock.monotonicMs();
    trial.startMs = now - game.elapsedMs;
    trial.nowMs = now;
    const qint64 seconds = game.elapsedMs / 1000;
    trial.elapsedSeconds = static_cast<int>(seconds % 60);
    trial.elapsedMinutes = static_cast<int>(seconds / 60 % 60);
    trial.elapsedHours = static_cast<int>(seconds / 3600);
    trial.panel.elt.caption = GameFlow::ClockText(trial.elapsedHours, trial.elapsedMinutes, trial.elapsedSeconds);
    trial.panel.Lszm.caption = trial.stepCount > 0 ? QString::number(trial.stepCount) : QString();
    // Help given before the break still counts: the result stays unstorable.
    if (game.assisted) MarkAssisted(trial);
    s = std::move(trial);
    return true;
}
