// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakePlatform.h"
#include "support/gui/WindowFixture.h"
#include "play/GameModes.h"
#include "setup/DemoGame.h"
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

// The colour the board view shows at the centre of a cell.
QColor colourAtCell(MainWindow& window, Cell cell) {
    const int size = window.state().cellSize;
    auto* view = window.findChild<QGraphicsView*>(QStringLiteral("keret"));
    const QImage picture = view->viewport()->grab().toImage();
    return picture.pixelColor(viewPoint(window, size * cell.col + size / 2, size * cell.row + size / 2));
}

// Lets a demo step pass on the game's clock and waits until the window's own timers
// have seen it and `until` holds.
bool stepPasses(WindowFixture& f, const std::function<bool()>& until) {
    f.fp.clock.advance(kDemoStepMs);
    return QTest::qWaitFor(until, 3000);
}

// Lets a demo step pass and gives the window's timers time to act on it.
void stepPassesIdle(WindowFixture& f) {
    f.fp.clock.advance(kDemoStepMs);
    QTest::qWait(200);
}

void startDemoFromTheMenu(WindowFixture& f) {
    f.child<QAction>("demo_jatek")->trigger();
    ASSERT_TRUE(demoRunning(f.window.state()));
}

// The demo as a player sees it: started from the menu, tiles moving on the board one
// step at a time with the step counter and the clock running, Space holding it, Esc
// ending it with its message and a fresh game.
TEST(DemoWindow, StartsFromTheMenuPausesWithSpaceAndStopsWithEsc) {
    WindowFixture f;
    const GameState& s = f.window.state();
    startDemoFromTheMenu(f);
    auto* label = f.child<QLabel>("demo_szov");
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), " D E M O");
    EXPECT_TRUE(f.child<QRadioButton>("generalt")->isChecked());
    EXPECT_TRUE(f.child<QRadioButton>("Option1")->isChecked());
    EXPECT_FALSE(f.child<QAction>("demo_jatek")->isEnabled());

    const QColor openCell = colourAtCell(f.window, {0, 1});
    ASSERT_TRUE(stepPasses(f, [&] { return s.stepCount == 1; }));
    EXPECT_NE(colourAtCell(f.window, {0, 1}), openCell);   // the first tile went up into it
    EXPECT_EQ(f.child<QLabel>("Lszm")->text(), "1");
    ASSERT_TRUE(stepPasses(f, [&] { return s.stepCount == 2; }));
    f.fp.clock.advance(400);
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.child<QLabel>("elt")->text() == "0:02"; }, 3000));

    QTest::keyClick(f.focused(), Qt::Key_Space);
    EXPECT_EQ(s.demoState, DemoState::Paused);
    for (int i = 0; i < 4; ++i) stepPassesIdle(f);
    EXPECT_EQ(s.stepCount, 2);
    QTest::keyClick(f.focused(), Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return s.stepCount == 3; }, 3000));

    QTest::keyClick(f.focused(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !label->isVisible(); }, 3000));
    EXPECT_EQ(f.fp.messageBox.shown.back().messageNo, 171);
    EXPECT_FALSE(s.gameRunning);
    EXPECT_TRUE(f.child<QPushButton>("kezd")->isEnabled());
    EXPECT_TRUE(f.child<QAction>("demo_jatek")->isEnabled());
    stepPassesIdle(f);
    EXPECT_EQ(s.stepCount, 3);
}

// Leaving during a demo: the demo ends first (no question about a game in progress,
// no closing message), then the window closes, and no step follows.
TEST(DemoWindow, LeavingDuringADemoEndsItFirst) {
    struct Case {
        const char* name;
        std::function<void(WindowFixture&)> leave;
    };
    const std::vector<Case> cases = {
        {"close box", [](WindowFixture& f) { f.window.close(); }},
        {"Kilépés", [](WindowFixture& f) { QTest::mouseClick(f.child<QPushButton>("kilep"), Qt::LeftButton); }},
        {"exit menu item", [](WindowFixture& f) { f.child<QAction>("m_exit")->trigger(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WindowFixture f;
        const GameState& s = f.window.state();
        startDemoFromTheMenu(f);
        ASSERT_TRUE(stepPasses(f, [&] { return s.stepCount == 1; }));
        c.leave(f);
        EXPECT_FALSE(f.window.isVisible());
        EXPECT_EQ(s.demoState, DemoState::Off);
        EXPECT_FALSE(s.gameRunning);
        EXPECT_EQ(f.fp.messageBox.shown.back().messageNo, 168);   // the last box: the demo's question
        EXPECT_TRUE(QFile::exists(QDir(f.dir.path()).filePath("param.dat")));
        stepPassesIdle(f);
        EXPECT_EQ(s.stepCount, 1);
    }
}

} // namespace
