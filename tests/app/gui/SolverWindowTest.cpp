// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The solver in the window: the hint by F2 and the solve from the menu, both asked
// for once; the mark of a helped game and the name entry that is not offered; the
// shortest solution in the end-of-game box; a position that can reach no target.
#include "FakePlatform.h"
#include "support/gui/WindowFixture.h"
#include "play/OwnTexts.h"
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <gtest/gtest.h>

namespace {

// The 5 x 5 board laid out row by row as its target, then the tiles of row 1's first
// `lifted` columns up in the open ring cells above them: `lifted` steps from the end.
void liftedFromTheTarget(MainWindow& window, int lifted) {
    GameState& s = window.state();
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c) s.board.setValue({r, c}, s.rowColours[r]);
    for (int c = 1; c <= lifted; ++c) {
        s.board.set({0, c}, s.board.value({1, c}), s.board.ctl({1, c}));
        s.board.set({1, c}, kEmpty, 0);
        s.controls.walls[static_cast<size_t>(c + 1)].visible = false;
    }
    window.syncView();
}

void start(WindowFixture& f) {
    QTest::mouseClick(f.child<QPushButton>("kezd"), Qt::LeftButton);
    ASSERT_TRUE(f.window.state().gameRunning);
}

QString own(OwnText text) { return OwnTextIn(text, QStringLiteral("Magyar")); }

bool markedOn(const GameState& s, int marker, Cell cell) {
    const ShapeControl& m = s.controls.moveMarkers[static_cast<size_t>(marker)];
    return m.visible && m.left == s.cellSize * cell.col + kMoveMarkerInset &&
           m.top == s.cellSize * cell.row + kMoveMarkerInset;
}

// F2: the question first (No leaves the game as it was), then the next move marked
// without moving it; the game is marked as helped; at its end the box tells the
// shortest solution and the name entry is not offered, the mark saying why.
TEST(SolverWindow, HintByF2AsksFirstMarksTheMoveAndTheGameCannotBeStored) {
    WindowFixture f;
    GameState& s = f.window.state();
    liftedFromTheTarget(f.window, 1);
    start(f);
    auto* mark = f.child<QLabel>("segitseg");

    f.fp.messageBox.answers = {MsgAnswer::No};
    QTest::keyClick(f.focused(), Qt::Key_F2);
    ASSERT_EQ(f.fp.messageBox.shown.back().text, own(OwnText::HintQuestion));
    EXPECT_FALSE(s.assisted);
    EXPECT_FALSE(mark->isVisible());
    QTest::qWait(300);
    EXPECT_FALSE(s.controls.moveMarkers[1].visible);

    QTest::keyClick(f.focused(), Qt::Key_F2);
    EXPECT_TRUE(s.assisted);
    EXPECT_TRUE(mark->isVisible());
    EXPECT_EQ(mark->text(), own(OwnText::AssistedMark));
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.controls.moveMarkers[1].visible; }, 5000));
    EXPECT_TRUE(markedOn(s, 1, {0, 1}));
    EXPECT_TRUE(markedOn(s, 2, {1, 1}));
    EXPECT_EQ(s.stepCount, 0);
    const size_t boxes = f.fp.messageBox.shown.size();
    QTest::keyClick(f.focused(), Qt::Key_F2);   // asked once a game
    EXPECT_EQ(f.fp.messageBox.shown.size(), boxes);

    QTest::keyClick(f.focused(), Qt::Key_Down);
    ASSERT_FALSE(s.gameRunning);
    EXPECT_FALSE(s.controls.moveMarkers[1].visible);
    const MessageRequest end = f.fp.messageBox.shown.back();
    EXPECT_EQ(end.messageNo, 6);
    EXPECT_TRUE(end.text.endsWith(own(OwnText::ShortestSolution).arg(1))) << end.text.toStdString();
    EXPECT_FALSE(f.child<QComboBox>("neve")->isVisible());
    EXPECT_FALSE(f.child<QPushButton>("ment")->isVisible());
    EXPECT_TRUE(mark->isVisible());
    EXPECT_EQ(mark->text(), own(OwnText::AssistedNotStorable));
    EXPECT_TRUE(f.child<QPushButton>("megse")->isVisible());

    // "Don't save" leads on to a new game, unmarked.
    QTest::mouseClick(f.child<QPushButton>("megse"), Qt::LeftButton);
    EXPECT_FALSE(mark->isVisible());
    EXPECT_FALSE(f.child<QAction>("sugas")->isEnabled());
}

// A game nobody helped: its end box tells the shortest solution too, and the name
// entry is offered.
TEST(SolverWindow, TheEndOfAnUnhelpedGameTellsTheShortestSolution) {
    WindowFixture f;
    liftedFromTheTarget(f.window, 2);
    start(f);
    clickCell(f.window, {0, 1});   // each tile has one way to go: down, home
    clickCell(f.window, {0, 2});
    ASSERT_FALSE(f.window.state().gameRunning);
    EXPECT_TRUE(f.fp.messageBox.shown.back().text.endsWith(own(OwnText::ShortestSolution).arg(2)));
    EXPECT_TRUE(f.child<QComboBox>("neve")->isVisible());
    EXPECT_FALSE(f.child<QLabel>("segitseg")->isVisible());
}

// When the end-of-game box cannot wait for the shortest solution, the box goes without
// it and the window's status tells it once it comes.
TEST(SolverWindow, AShortestSolutionThatComesAfterTheEndBoxIsShownInTheStatusBar) {
    WindowFixture f;
    f.window.solver().endWaitMs = 0;
    liftedFromTheTarget(f.window, 1);
    start(f);
    // Nothing lets the search's answer in before the game ends.
    QTest::keyClick(f.focused(), Qt::Key_Down);
    ASSERT_FALSE(f.window.state().gameRunning);
    const MessageRequest end = f.fp.messageBox.shown.back();
    EXPECT_EQ(end.messageNo, 6);
    EXPECT_FALSE(end.text.contains(own(OwnText::ShortestSolution).arg(1))) << end.text.toStdString();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return f.window.statusBar()->currentMessage() == own(OwnText::ShortestSolution).arg(1); }, 10000))
        << f.window.statusBar()->currentMessage().toStdString();
    EXPECT_EQ(f.window.solver().shortestSteps(), std::optional<int>(1));
}

// The menu's solve plays the rest on the board, a step at a time: Space holds it,
// Esc stops it, and the game goes on by hand.
TEST(SolverWindow, SolveFromTheMenuPlaysStepsThatSpacePausesAndEscStops) {
    WindowFixture f;
    GameState& s = f.window.state();
    liftedFromTheTarget(f.window, 3);
    start(f);
    auto* solve = f.child<QAction>("megold");
    ASSERT_TRUE(solve->isEnabled());
    EXPECT_EQ(solve->text(), own(OwnText::SolveCaption));
    solve->trigger();
    EXPECT_EQ(f.fp.messageBox.shown.back().text, own(OwnText::HintQuestion));
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.stepCount == 1; }, 5000));
    EXPECT_FALSE(solve->isEnabled());   // while it plays
    QTest::keyClick(f.focused(), Qt::Key_Space);
    QTest::qWait(1200);
    EXPECT_EQ(s.stepCount, 1);
    QTest::keyClick(f.focused(), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.stepCount == 2; }, 3000));
    QTest::keyClick(f.focused(), Qt::Key_Escape);
    QTest::qWait(1200);
    EXPECT_EQ(s.stepCount, 2);
    EXPECT_TRUE(s.gameRunning);
    EXPECT_TRUE(solve->isEnabled());

    // The rest to the end, and the box is that of a helped game.
    solve->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !s.gameRunning; }, 5000));
    EXPECT_EQ(s.stepCount, 3);
    EXPECT_EQ(f.fp.messageBox.shown.back().messageNo, 6);
    EXPECT_FALSE(f.child<QComboBox>("neve")->isVisible());
}

// A number board with one open cell whose tiles are an odd permutation from every
// target: the hint says so at once, with the reason.
TEST(SolverWindow, AHopelessPositionIsToldWithItsReason) {
    WindowFixture f;
    GameState& s = f.window.state();
    QTest::mouseClick(f.child<QRadioButton>("Option1"), Qt::LeftButton);
    QTest::mouseClick(f.child<QRadioButton>("szamsor"), Qt::LeftButton);
    for (int p = 1; p <= 16; ++p) s.board.setValue(s.board.fieldCell(p), p);
    clickCell(f.window, {0, 1});
    start(f);
    // Two tiles change places behind the rules' back.
    const int a = s.board.value({3, 3});
    s.board.setValue({3, 3}, s.board.value({3, 4}));
    s.board.setValue({3, 4}, a);
    QTest::keyClick(f.focused(), Qt::Key_F2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.fp.messageBox.shown.back().text == own(OwnText::HopelessOddArrangement); },
                                5000));
    EXPECT_FALSE(s.controls.moveMarkers[1].visible);
}

} // namespace
