// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/DemoGame.h"
#include "play/BoardChanged.h"
#include "play/BoardRing.h"
#include "play/GameModes.h"
#include "play/GameState.h"
#include "play/KeyboardInput.h"
#include "play/Messages.h"
#include "play/TileGeometry.h"
#include "setup/Arrangement.h"
#include "setup/GameTypes.h"

namespace {

constexpr int kStartCells = sizeof(kDemoStart) - 1;
static_assert(kStartCells == 16, "the demo's start fills a 4 x 4 field");

constexpr int kQuestion = 168;      // and the two lines after it
constexpr int kDemoOver = 171;

// The ring cell above the first column: the one open cell of the demo outside Pendoly
// mode (in Pendoly mode the game's start opens it).
constexpr Cell kOpenCell{0, 1};

} // namespace

QString DemoScript(bool pendoly) {
    return QString::fromLatin1(pendoly ? "UUUU3LDDD1LUU2LDLLD1LUU2LDD1RURD0RD"
                                       : "UUUULDDDLURRDLUURDDLUURDDLLLURRDRD");
}

int DemoKeyCode(QChar c) {
    switch (c.unicode()) {
    case u'U': return KeyCode::Up;
    case u'D': return KeyCode::Down;
    case u'L': return KeyCode::Left;
    case u'R': return KeyCode::Right;
    default: return c.unicode();
    }
}

bool DemoGame::demo_jatek_Click() {
    // Only from the set-up: never over a game, a result waiting for its name or the
    // start of a stored game being set up.
    if (active() || m_s.phase != GamePhase::SetUp || m_s.gameRunning) return false;
    chooseTypeAndSize();
    if (m_hooks.showState) m_hooks.showState();
    const QString lines = QLatin1Char('\n') + m_s.texts.messages.value(kQuestion + 1) + QLatin1Char('\n') +
                          m_s.texts.messages.value(kQuestion + 2);
    if (ShowMessage(m_s, m_p, kQuestion, MsgIcon::Question, MsgButtons::YesNo, lines) == MsgAnswer::No)
        return false;

    setUpStart();
    const bool pendoly = m_s.pendolyMode;
    if (!pendoly) {
        m_s.board.setValue(kOpenCell, kEmpty);
        m_s.controls.walls[WallMarkerOf(m_s.board, kOpenCell)].visible = false;
    }
    m_script = DemoScript(pendoly);
    m_next = 0;
    m_timer.start(m_p.clock.monotonicMs(), kDemoStepMs);
    m_stage = Stage::Playing;
    m_s.demoState = DemoState::Running;
    m_s.panel.demo_szov.visible = true;
    if (m_hooks.startGame) m_hooks.startGame();
    if (!m_s.gameRunning) {   // the start refused (and said why): there is nothing to play
        finish(true);
        return false;
    }
    return true;
}

// Random colours on 4 x 4, as the player's clicks on the two option buttons would
// choose them. A target map on show hides those buttons: the way to them leads back
// to the basic set-up first.
void DemoGame::chooseTypeAndSize() {
    if (playsToTargetMap(m_s)) alapall_Click(m_s);
    if (!m_s.panel.generalt.checked) generalt_Click(m_s, m_p);
    if (!m_s.panel.Option1.checked) Option1_Click(m_s, m_p);
}

// The fixed start: the colours of kDemoStart, tile k in field cell k, and row i's
// marker and target colour 5 - i. Ring cells the player opened before close again, so
// the script meets exactly the board it was written for.
void DemoGame::setUpStart() {
    Board& b = m_s.board;
    CloseRing(m_s);
    for (int k = 1; k <= kStartCells; ++k) {
        const Cell cell = b.fieldCell(k);
        const int value = kDemoStart[k - 1] - '0';
        b.set(cell, value, k);
        PlaceTileControls(m_s, k, value, cell);
        DrawTileLook(m_s, k, value);
    }
    const int n = m_s.N();
    for (int i = 1; i <= n; ++i) {
        m_s.rowColours[i] = n + 1 - i;
        m_s.controls.rowMarkers[i].colourIndex = n + 1 - i;
    }
    // Not a stored shuffled state, and no exchanges made on it.
    m_s.shuffleNo = 0;
    m_s.panel.kvall.visible = false;
    m_s.exchangeCount = 0;
    OnBoardChanged(m_s);
}

bool DemoGame::tick(qint64 nowMs) {
    if (m_stage != Stage::Playing) return false;
    if (!demoRunning(m_s)) {   // Esc, or the new-game button
        finish(true);
        return true;
    }
    if (!m_timer.isDue(nowMs)) return false;
    if (m_next >= m_script.size()) {
        finish(true);
        return true;
    }
    if (m_s.demoState == DemoState::Paused) return false;   // Space again plays the next key at once
    const QChar c = m_script[m_next++];
    m_timer.stepped(nowMs);
    if (m_hooks.sendKey) m_hooks.sendKey(DemoKeyCode(c), 0);
    return true;
}

void DemoGame::stopNow() {
    if (active()) finish(false);
}

// The demo is over before anything is shown, so that a tick arriving while the
// closing message is up finds nothing more to do.
void DemoGame::finish(bool tellPlayer) {
    m_stage = Stage::Idle;
    m_s.demoState = DemoState::Off;
    if (tellPlayer) ShowMessage(m_s, m_p, kDemoOver, MsgIcon::None);
    m_s.panel.demo_szov.visible = false;
    if (m_hooks.newGame) m_hooks.newGame();
}
