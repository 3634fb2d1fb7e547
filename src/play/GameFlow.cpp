// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/GameFlow.h"
#include "play/Assistance.h"
#include "play/BoardRing.h"
#include "play/DiagonalTargets.h"
#include "play/GameModes.h"
#include "play/Messages.h"
#include "play/MoveRules.h"
#include "play/OwnTexts.h"
#include "play/StartRules.h"
#include "play/StepSound.h"
#include "ui/Platform.h"
#include <algorithm>

namespace {

// A number as the messages write it: non-negative values carry a leading blank.
QString numberText(int value) {
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

void showRowLabels(GameState& s, bool visible) {
    for (int i = 1; i <= s.N() && i < static_cast<int>(s.controls.rowNumbers.size()); ++i)
        s.controls.rowNumbers[i].visible = visible;
}

void setWallMarker(GameState& s, int m, bool visible) {
    if (m >= 1 && m <= s.controls.wallCount()) s.controls.walls[m].visible = visible;
}

constexpr int kRowPointerTop = 760;

} // namespace

GameFlow::GameFlow(GameState& state, Platform& platform, MoveRules& rules)
    : m_s(state), m_p(platform), m_rules(rules) {
    m_rules.setCheckSolved([this] { CheckSolved(); });
    m_rules.setStepSound([this] { PlayStepSound(m_s, m_p.sound); });
}

// ---------------------------------------------------------------- start

void GameFlow::kezd_Click() {
    GameState& s = m_s;
    PanelControls& c = s.panel;
    s.exchangeCount = 0;
    if (c.tarolt.checked && !playsToTargetMap(s)) {
        const StoredChoice choice = chooseStoredGame ? chooseStoredGame() : StoredChoice::Cancelled;
        if (choice == StoredChoice::Cancelled) return;
        c.alapall.visible = true;
        applyStoredGameHoles();
        if (choice == StoredChoice::ShownWithoutStart) return;
    }
    if (c.atlos.checked) BuildDiagonalTargets(s);
    s.ascendingOpen = s.descendingOpen = true;
    s.rearrangePhase = 0;

    if (s.pendolyMode) {
        openPendolySlot();
        s.controls.rowPointer.visible = true;
        showRowLabels(s, true);
        s.gapCount = 1;
    } else if (!ValidateStart()) {
        return;
    }

    s.storing.storedEarly = false;
    ClearAssisted(s);
    s.candidateCount = 0;
    s.controls.numberLabels[kMaxNumberLabels].visible = false;
    lockSetUp();

    if (c.szamsor.checked) {
        // The exchange of two numbers during play is left to the Pendoly mode's larger
        // boards. Outside it a one-gap game starts only when its order can be reached, and
        // an exchange flips the order's parity: on 4 x 4 and 5 x 5 no target is left in
        // reach, on 6 x 6 at best the other form.
        c.okev.visible = s.pendolyMode && s.board.gridSpan() > 6;
        for (int k = 1; k <= s.board.cellCount() && k < kMaxNumberLabels; ++k)
            s.controls.numberLabels[k].visible = true;
    }
    s.typedDigits.clear();

    if (s.storedGameNo != 0) {
        c.t_jatek.caption = c.Label1.caption + QLatin1Char(' ') + QString::number(s.storedGameNo);
        if (!s.storedGameName.trimmed().isEmpty())
            c.t_jatek.caption += QLatin1Char(' ') + s.storedGameName.trimmed();
    }
    c.uj.caption = s.texts.messages.value(1);

    s.gameRunning = true;
    s.phase = demoRunning(s) ? GamePhase::Demo : GamePhase::Playing;
    s.moveHistory = {};   // a take-back never reaches into the previous game
    if (prepareSound) prepareSound();
    c.focusRequest = QStringLiteral("pp");

    s.startMs = s.nowMs = m_p.clock.monotonicMs();
    s.elapsedHours = s.elapsedMinutes = s.elapsedSeconds = 0;
    c.elt.caption = ClockText(0, 0, 0);
    c.elt.visible = true;
    s.stepCount = 0;
    c.Lszm.caption.clear();
    c.Lszm.visible = true;

    // From here on every step is written down; a demo plays nobody's game.
    const quint64 revision = s.record.revision + 1;
    s.record = GameRecord{CaptureStart(s), {}, !demoRunning(s), revision};
}

// A stored game's map marks its open ring cells in the hole colour.
void GameFlow::applyStoredGameHoles() {
    GameState& s = m_s;
    Board& b = s.board;
    for (int r = 0; r <= b.borderIdx(); ++r) {
        for (int q = 0; q <= b.borderIdx(); ++q) {
            const Cell cell{r, q};
            if (b.value(cell) != kEmpty || !b.isRing(cell)) continue;
            b.setValue(cell, kWall);
            setWallMarker(s, b.ctl(cell), true);
        }
    }
    for (int r = 0; r <= b.borderIdx(); ++r) {
        for (int q = 0; q <= b.borderIdx(); ++q) {
            const Cell cell{r, q};
            MapShape* shape = s.targetMap.shapeAt(r, q);
            if (!shape || shape->fillColour != s.holeColour || !b.isRing(cell)) continue;
            shape->fillColour = s.tileColours[7];
            if (s.pendolyMode) continue;
            b.setValue(cell, kEmpty);
            setWallMarker(s, b.ctl(cell), false);
        }
    }
}

void GameFlow::openPendolySlot() { OpenPendolySlot(m_s); }

void OpenPendolySlot(GameState& s) {
    Board& b = s.board;
    for (int q = 2; q <= s.N(); ++q) {
        b.setValue({0, q}, kWall);
        setWallMarker(s, q + 1, true);
    }
    b.setValue({0, 1}, kEmpty);
    setWallMarker(s, 2, false);
    s.slotCol = 1;
    s.down = {99, 99};
    s.kbRow = 0;
    s.controls.rowPointer.top = kRowPointerTop;
}

void GameFlow::lockSetUp() {
    PanelControls& c = m_s.panel;
    for (ControlState* hidden : {&c.alapall, &c.skev, &c.okev, &c.vminta}) hidden->visible = false;
    for (ControlState* off : {&c.kever, &c.kezd, &c.uj_jatek, &c.jatek_tor, &c.kevall, &c.ntor,
                              &c.babilon, &c.demo_jatek, &c.atlos, &c.tarolt, &c.generalt,
                              &c.szamsor, &c.Option1, &c.Option2, &c.Option3})
        off->enabled = false;
}

// ---------------------------------------------------------------- empty cells

bool GameFlow::ValidateStart() {
    GameState& s = m_s;
    // The board, not the drawn ring, says which cells are open.
    s.gapCount = CountOpenRingCells(s.board);
    if (s.gapCount == 0) {
        ShowMessage(s, m_p, 11, MsgIcon::Information);
        return false;
    }
    switch (OneGapStartRefusal(s)) {
    case OneGapRefusal::None:
        break;
    case OneGapRefusal::TileBesideGapOutOfPlace:
        ShowMessage(s, m_p, 12, MsgIcon::Information);
        return false;
    case OneGapRefusal::OddArrangement:
        // Between the stages no tile may be exchanged: only another open cell helps.
        ShowOwnMessage(s, m_p,
                       s.rearrangePhase == 0 ? OwnText::OneGapOddArrangement
                                             : OwnText::OneGapOddArrangementSecondStage,
                       MsgIcon::Information);
        return false;
    }
    if (s.rearrangePhase == 0) {
        s.firstGapCount = s.gapCount;
    } else if (s.firstGapCount != s.gapCount) {
        const QString suffix = numberText(s.firstGapCount) + QLatin1Char('\n') + s.texts.messages.value(14);
        if (ShowMessage(s, m_p, 13, MsgIcon::Question, MsgButtons::YesNo, suffix) == MsgAnswer::No)
            return false;
        // The larger count is the one recorded with the result.
        s.gapCount = std::max(s.gapCount, s.firstGapCount);
    }
    return true;
}

// ---------------------------------------------------------------- clock

void GameFlow::updateElapsed() {
    GameState& s = m_s;
    s.nowMs = m_p.clock.monotonicMs();
    qint64 elapsed = std::max<qint64>(0, (s.nowMs - s.startMs) / 1000);
    s.elapsedSeconds = static_cast<int>(elapsed % 60);
    elapsed /= 60;
    s.elapsedMinutes = static_cast<int>(elapsed % 60);
    s.elapsedHours = static_cast<int>(elapsed / 60);
}

void GameFlow::showClock() {
    updateElapsed();
    m_s.timeText = ClockText(m_s.elapsedHours, m_s.elapsedMinutes, m_s.elapsedSeconds);
    m_s.panel.elt.caption = m_s.timeText;
}

void GameFlow::Timer1_Timer() {
    if (m_s.gameRunning) showClock();
}

QString GameFlow::ClockText(int hours, int minutes, int seconds) {
    const QString secondsText = seconds < 10 ? QStringLiteral(" 0") + QString::number(seconds)
                                             : numberText(seconds);
    QString text = QString::number(minutes) + secondsText;
    if (hours > 0) text = QString::number(hours) + numberText(minutes) + secondsText;
    return text.replace(QLatin1Char(' '), QLatin1Char(':'));
}

QString GameFlow::EndTimeText(const GameState& s, int hours, int minutes, int seconds) {
    const QString sep = QStringLiteral(", ");
    QString text = s.texts.messages.value(4) + QLatin1Char(' ');
    if (hours > 0) text += QString::number(hours) + QLatin1Char(' ') + s.texts.endTexts[1] + sep;
    text += QString::number(minutes) + QLatin1Char(' ') + s.texts.endTexts[2] + sep;
    text += QString::number(seconds) + QLatin1Char(' ') + s.texts.endTexts[3];
    return text;
}

void GameFlow::TakePauseOutOfClock() {
    const qint64 now = m_p.clock.monotonicMs();
    m_s.startMs += now - m_s.nowMs;
    m_s.nowMs = now;
}

// ---------------------------------------------------------------- targets

// The field against the open targets of one form. Numbers: the order reached first is
// the one that stays open for the second stage of a rearrangement game.
bool GameFlow::matchForm(TargetForm form) {
    GameState& s = m_s;
    bool matched = false;
    bool ascending = false;
    bool descending = false;
    for (const Target& t : OpenTargets(s)) {
        if (t.form != form || !FieldMatches(s, t)) continue;
        matched = true;
        (t.order == NumberOrder::Ascending ? ascending : descending) = true;
    }
    if (matched && s.gameType == GameType::NumberSequence) {
        s.ascendingOpen = ascending;
        s.descendingOpen = descending;
    }
    return matched;
}

bool GameFlow::MatchTargetA() { return matchForm(TargetForm::RowWise); }

bool GameFlow::MatchTargetB() { return matchForm(TargetForm::ColumnWise); }

// ---------------------------------------------------------------- end of a move

void GameFlow::CheckSolved() {
    GameState& s = m_s;
    if (demoRunning(s)) return;
    bool solved = true;
    if (pausedAtFirstTarget(s)) {
        // No tile moves in the pause: the check comes from storing the game as it stands.
        s.panel.tarol.visible = false;
    } else if (!playsToTargetMap(s)) {
        if (!rearrangementGame(s)) {
            solved = MatchTargetA() || MatchTargetB();
        } else if (s.rearrangePhase == 0) {
            solved = false;
            if (MatchTargetA()) {
                s.rearrangePhase = 2;
                FirstTargetReached();
            } else if (MatchTargetB()) {
                s.rearrangePhase = 1;
                FirstTargetReached();
            }
        } else {
            solved = s.rearrangePhase == 1 ? MatchTargetA() : MatchTargetB();
        }
    } else {
        solved = FieldMatches(s, Target{TargetForm::Map, NumberOrder::Ascending});
    }
    if (solved) endGame();
}

void GameFlow::FirstTargetReached() {
    GameState& s = m_s;
    s.panel.folytat.visible = true;
    s.panel.tarol.visible = true;
    s.panel.okev.enabled = false;   // no tile moves between the stages
    s.gameRunning = false;
    s.phase = GamePhase::Paused;
    // The pause starts now, and the clock shows the time up to now: the time an
    // intermediate result keeps.
    showClock();
    CloseRingAtFirstTarget(s);
    RecordStep step;
    step.kind = StepKind::FirstTarget;
    step.rearrangePhase = s.rearrangePhase;
    step.ascendingOpen = s.ascendingOpen;
    step.descendingOpen = s.descendingOpen;
    s.record.append(step);
}

void CloseRingAtFirstTarget(GameState& s) {
    s.moveHistory = {};                  // the stage is over: nothing to take back
    Board& b = s.board;
    int m = 0;
    for (int r = 0; r <= b.borderIdx(); ++r) {
        for (int q = 0; q <= b.borderIdx(); ++q) {
            const Cell cell{r, q};
            if (!b.isRing(cell)) continue;
            ++m;
            if (isTileValue(b.value(cell))) continue;
            b.set(cell, kWall, m);
            setWallMarker(s, m, true);
        }
    }
}

void GameFlow::folytat_Click() {
    if (!m_s.pendolyMode && !ValidateStart()) return;
    ResumeSecondStage();
}

void GameFlow::ResumeSecondStage() {
    GameState& s = m_s;
    if (s.pendolyMode) openPendolySlot();
    RecordStep step;
    step.kind = StepKind::SecondStage;
    step.openRing = s.pendolyMode ? 0 : OpenRingMask(s.board);
    step.gapCount = s.gapCount;
    s.record.append(step);
    s.gameRunning = true;
    s.phase = demoRunning(s) ? GamePhase::Demo : GamePhase::Playing;
    s.panel.focusRequest = QStringLiteral("pp");
    s.panel.folytat.visible = false;
    s.panel.tarol.visible = false;
    s.panel.okev.enabled = true;    // the second stage offers the exchange again
    TakePauseOutOfClock();
}

void GameFlow::endGame() {
    GameState& s = m_s;
    PanelControls& c = s.panel;
    s.gameRunning = false;
    s.phase = GamePhase::Finished;
    s.record.recording = false;
    if (gameEnded) gameEnded();
    if (prepareSound) prepareSound();
    CloseRing(s);
    s.moveHistory = {};   // the result stands as reached

    updateElapsed();
    s.timeText = EndTimeText(s, s.elapsedHours, s.elapsedMinutes, s.elapsedSeconds);
    QString text = QLatin1Char(' ') + numberText(s.stepCount) + QStringLiteral("\n\n") + s.timeText;
    if (const QString note = endNote ? endNote() : QString(); !note.isEmpty())
        text += QStringLiteral("\n\n") + note;
    ShowMessage(s, m_p, 6, MsgIcon::Information, MsgButtons::Ok, text);

    if (loadPlayerNames) loadPlayerNames();
    c.uj.enabled = false;
    c.kilep.enabled = false;
    c.Label3.visible = true;
    c.neve.visible = true;
    c.ment.visible = true;
    c.megse.top = 0;
    c.megse.visible = true;
    c.focusRequest = QStringLiteral("neve");
    for (ControlState* hidden : {&c.elt, &c.Lszm, &c.kvall}) hidden->visible = false;
    s.controls.rowPointer.visible = false;
    showRowLabels(s, false);
    ShowAssistedEnd(s);
}
