// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/Shuffling.h"
#include "play/GameState.h"
#include "play/Messages.h"
#include "play/ExchangeByNumbers.h"
#include "play/GameModes.h"
#include "play/MoveRules.h"
#include "presentation/BoardLayout.h"
#include "setup/Arrangement.h"
#include "ui/Platform.h"
#include <QFile>

namespace {

constexpr int kReshuffleFrames = 8;
constexpr int kMarkerPasses = 4;
constexpr double kShortPauseSeconds = 0.05;
const QString kKeySink = QStringLiteral("pp");

} // namespace

void Shuffling::soundPlay() {
    if (m_s.soundOn) m_p.sound.command(QStringLiteral("play"));
}

void Shuffling::soundStopAndRewind() {
    if (!m_s.soundOn) return;
    m_p.sound.command(QStringLiteral("stop"));
    m_p.sound.command(QStringLiteral("prev"));
}

void Shuffling::kever_Click() {
    soundPlay();
    // Each pause lets the window show the frame and handle a click in between.
    for (int frame = 0; frame < kReshuffleFrames; ++frame) {
        NewArrangement(m_s, m_p.random);
        m_p.events.wait(kShortPauseSeconds);
    }
    soundStopAndRewind();
}

void Shuffling::newMarkerColours(bool rows) {
    soundPlay();
    for (int pass = 0; pass < kMarkerPasses; ++pass) {
        for (int i = 1; i <= m_s.N(); ++i) {
            if (rows)
                PickRowColour(m_s, m_p.random, i);
            else
                PickColColour(m_s, m_p.random, i);
        }
        m_p.events.wait(kShortPauseSeconds);
    }
    soundStopAndRewind();
    // New markers make a different target: the board no longer is a stored state.
    m_s.shuffleNo = 0;
    m_s.panel.kvall.visible = false;
}

void Shuffling::skev_Click() { newMarkerColours(true); }

void Shuffling::okev_Click() {
    if (m_s.numberTypeSelected())
        exchangeTiles();
    else
        newMarkerColours(false);
}

void Shuffling::exchangeTiles() {
    // Between the stages of a rearrangement game no tile moves.
    if (pausedAtFirstTarget(m_s)) return;
    MoveRules rules(m_s);
    if (!ExchangeByNumbers(m_s, rules, m_p.inputBox)) return;
    m_s.panel.focusRequest = kKeySink;
    if (m_hooks.checkSolved) m_hooks.checkSolved();
    m_s.panel.okev.visible = false;
}

void Shuffling::kevment_Click() {
    const MsgAnswer answer =
        ShowMessage(m_s, m_p, 7, MsgIcon::Question, MsgButtons::YesNoCancel);
    if (answer == MsgAnswer::Yes) {
        SaveShuffledState(m_s, m_p, m_folder, 0);
        return;
    }
    if (answer != MsgAnswer::No) return;
    m_chooserMode = ChooserMode::Overwrite;
    const auto states = FillShuffledStateList(m_s, m_p, m_folder);
    if (!states) return;
    const std::optional<int> chosen = m_chooser.choose(m_s, m_chooserMode, *states);
    if (!chosen || *chosen < 0 || *chosen >= states->size()) return;
    SaveShuffledState(m_s, m_p, m_folder, (*states)[*chosen].id);
}

void Shuffling::kevtor_Click() {
    const QString path = m_folder.filePath(QString::fromLatin1(kShuffledStatesFileName));
    if (!QFile::exists(path)) {
        ShowMessage(m_s, m_p, 8, MsgIcon::Information);
        return;
    }
    ShowMessage(m_s, m_p, 9, MsgIcon::Critical);
    // Every stored state goes at once: only an explicit Yes deletes.
    if (ShowMessage(m_s, m_p, 10, MsgIcon::Question, MsgButtons::YesNo) == MsgAnswer::Yes && !QFile::remove(path)) {
        MessageRequest failed;
        failed.text = OwnTextIn(OwnText::NamesNotDeleted, m_s.texts).arg(QString::fromLatin1(kShuffledStatesFileName));
        failed.icon = MsgIcon::Critical;
        m_p.messageBox.show(failed);
    }
}

void Shuffling::loadStoredState() {
    m_chooserMode = ChooserMode::Load;
    const auto states = FillShuffledStateList(m_s, m_p, m_folder);
    if (!states) return;
    const std::optional<int> chosen = m_chooser.choose(m_s, m_chooserMode, *states);
    if (!chosen || *chosen < 0 || *chosen >= states->size()) return;
    LoadShuffledState(m_s, (*states)[*chosen]);
}

void Shuffling::uj_Click() {
    if (demoRunning(m_s)) {
        m_s.demoState = DemoState::Off;   // the demo stops at its next step
        return;
    }
    if (!m_s.storing.newGameFromStore) {
        if (!m_s.gameRunning && !pausedAtFirstTarget(m_s)) {
            loadStoredState();
            return;
        }
        if (ShowMessage(m_s, m_p, 20, MsgIcon::Question, MsgButtons::YesNo) == MsgAnswer::No) {
            m_s.panel.focusRequest = kKeySink;
            return;
        }
    }
    startNewGame();
}

void Shuffling::startNewGame() {
    PanelControls& panel = m_s.panel;
    if (playsToTargetMap(m_s)) {
        panel.mker.visible = false;   // the target map's cells go with their frame
        panel.mvon.visible = false;
        panel.tipus.visible = true;
        panel.dimenzio.visible = true;
        if (!panel.sorsz.caption.isEmpty() && !m_s.numberTypeSelected())
            panel.focusRequest = QStringLiteral("sorsz");
        panel.sorsz.caption.clear();
    }
    if (m_s.candidateCount > 1) m_s.candidateCount = 0;
    if (m_hooks.restoreSetupControls) m_hooks.restoreSetupControls();
    m_s.gameRunning = false;
    if (m_hooks.prepareSound) m_hooks.prepareSound();
    NewArrangement(m_s, m_p.random);
}
