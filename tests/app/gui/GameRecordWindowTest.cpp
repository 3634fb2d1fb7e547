// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game as a value in the real window, driven by clicks and keys: a game continued
// after the window went away, the leaving question that keeps it, the replay of a
// finished game, and a start set up from its code.
#include "FakePlatform.h"
#include "support/gui/WindowFixture.h"
#include "play/GameModes.h"
#include "play/KeyboardInput.h"
#include "setup/ContinueFile.h"
#include "setup/StartCode.h"
#include <QAction>
#include <QFile>
#include <QTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

// 4 x 4 numbers in order, the ring cell below the last column open: Down then Up ends it.
QString OrderedCode() {
    GameStart start;
    start.n = 4;
    start.type = StartType::Numbers;
    for (int v = 1; v <= 16; ++v) start.field.push_back(v);
    const std::vector<Cell> ring = OpenableRingCells(4);
    start.openRing = quint32{1} << (std::find(ring.begin(), ring.end(), Cell{5, 4}) - ring.begin());
    return EncodeStartCode(start);
}

void EnterCode(WindowFixture& f, const QString& code) {
    f.fp.inputBox.answers = {code};
    f.child<QAction>("kodbeiras")->trigger();
}

void Click(WindowFixture& f, const char* button) {
    QTest::mouseClick(f.child<QAbstractButton>(button), Qt::LeftButton);
}

void Key(WindowFixture& f, Qt::Key key) { QTest::keyClick(f.focused(), key); }

std::vector<int> FieldOf(const GameState& s) {
    std::vector<int> values;
    for (int p = 1; p <= s.board.cellCount(); ++p) values.push_back(s.board.value(s.board.fieldCell(p)));
    return values;
}

// A window over the folder of another, as the next start of the program in that folder.
struct NextStart {
    explicit NextStart(const QString& folder) : window(fp.platform, QDir(folder)) {
        fp.messageBox.whileShown = [this](const MessageRequest&) { shownOverWindow.push_back(window.isVisible()); };
        window.Form_Load();
        window.show();
        window.offerKeptGame();
        window.activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window);
    }
    FakePlatform fp;
    MainWindow window;
    std::vector<bool> shownOverWindow;   // for each box: whether the window was up
};

TEST(GameRecordWindow, AGameGoesOnAfterTheWindowWentAwayAndIsKeptOnLeaving) {
    QString folder;
    std::vector<int> field;
    int steps = 0;
    {
        WindowFixture f;
        folder = f.dir.path();
        f.dir.setAutoRemove(false);
        Click(f, "Option1");
        Click(f, "szamsor");
        clickCell(f.window, {0, 1});
        clickCell(f.window, {5, 3});
        Click(f, "kezd");
        ASSERT_TRUE(f.window.state().gameRunning);
        f.fp.clock.advance(42'000);
        // Each key has one tile to push: up the first column, then left along the third row.
        for (Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Left})
            Key(f, key);
        steps = f.window.state().stepCount;
        ASSERT_EQ(steps, 5);
        field = FieldOf(f.window.state());
        EXPECT_TRUE(QFile::exists(QDir(folder).filePath(kContinueFileName)));
        // The window goes away without a word, as in a crash.
    }
    struct RemoveAtEnd {
        QString path;
        ~RemoveAtEnd() { QDir(path).removeRecursively(); }
    } cleanup{folder};

    NextStart next(folder);
    const GameState& s = next.window.state();
    ASSERT_EQ(next.fp.messageBox.shown.size(), 1u) << "the question to continue";
    EXPECT_EQ(next.shownOverWindow, std::vector<bool>{true}) << "the question stands over the window";
    EXPECT_EQ(next.fp.messageBox.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(s.phase, GamePhase::Playing);
    EXPECT_EQ(FieldOf(s), field);
    EXPECT_EQ(s.stepCount, steps);
    EXPECT_EQ(next.window.findChild<QLabel*>("Lszm")->text(), QString::number(steps));
    EXPECT_EQ(next.window.findChild<QLabel*>("elt")->text(), "0:42");
    EXPECT_TRUE(next.window.findChild<QRadioButton*>("Option1")->isChecked());
    EXPECT_FALSE(next.window.findChild<QPushButton*>("kezd")->isEnabled());

    // The continued game goes on by keys and by take-back.
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &next.window, Qt::Key_Delete);
    EXPECT_EQ(s.stepCount, steps - 1);

    // Leaving keeps it: one question (Yes), not the old one about leaving a game.
    next.fp.messageBox.answers = {MsgAnswer::Yes};
    next.window.close();
    ASSERT_EQ(next.fp.messageBox.shown.size(), 2u);
    EXPECT_EQ(next.fp.messageBox.shown[1].buttons, MsgButtons::YesNoCancel);
    EXPECT_NE(next.fp.messageBox.shown[1].messageNo, 25);
    QFile kept(QDir(folder).filePath(kContinueFileName));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    const std::optional<SavedGame> game = DecodeSavedGame(kept.readAll()).game;
    ASSERT_TRUE(game);
    EXPECT_EQ(game->stepCount, steps - 1);
}

TEST(GameRecordWindow, AFinishedGameReplaysStepByStepAndTheWindowComesBack) {
    WindowFixture f;
    const GameState& s = f.window.state();
    EnterCode(f, OrderedCode());
    Click(f, "kezd");
    Key(f, Qt::Key_Down);
    Key(f, Qt::Key_Up);
    ASSERT_EQ(s.phase, GamePhase::Finished);
    const std::vector<int> finalField = FieldOf(s);

    f.child<QAction>("visszajatszas")->trigger();
    ASSERT_TRUE(f.window.replay().active());
    auto* banner = f.child<QLabel>("demo_szov");
    EXPECT_TRUE(banner->isVisible());
    EXPECT_TRUE(banner->text().contains("VISSZAJÁTSZÁS"));
    EXPECT_FALSE(f.child<QLabel>("Label3")->isVisible()) << "the name entry waits behind the replay";
    f.fp.clock.advance(500);
    EXPECT_TRUE(QTest::qWaitFor([&] { return s.stepCount == 1; }, 3000));
    Key(f, Qt::Key_Space);
    f.fp.clock.advance(2000);
    QTest::qWait(150);
    EXPECT_EQ(s.stepCount, 1) << "Space holds it";
    Key(f, Qt::Key_Right);
    EXPECT_EQ(s.stepCount, 2);
    EXPECT_EQ(FieldOf(s), finalField);
    EXPECT_EQ(f.child<QLabel>("Lszm")->text(), "2");
    Key(f, Qt::Key_Left);
    EXPECT_EQ(s.stepCount, 1);
    // A click on the board plays nothing while the board plays itself.
    clickCell(f.window, {5, 4});
    EXPECT_EQ(s.stepCount, 1);

    Key(f, Qt::Key_Escape);
    EXPECT_FALSE(f.window.replay().active());
    EXPECT_EQ(s.phase, GamePhase::Finished);
    EXPECT_TRUE(f.child<QLabel>("Label3")->isVisible());
    EXPECT_FALSE(banner->isVisible());
}

// The browser offers the replay of a result stored during this run, and only of one:
// chosen there, the browser closes and the game plays again from its start.
TEST(GameRecordWindow, TheResultsBrowserReplaysAGameFinishedDuringThisRun) {
    WindowFixture f;
    const GameState& s = f.window.state();
    EnterCode(f, OrderedCode());
    Click(f, "kezd");
    Key(f, Qt::Key_Down);
    Key(f, Qt::Key_Up);
    ASSERT_EQ(s.phase, GamePhase::Finished);
    const std::vector<int> finalField = FieldOf(s);

    bool offered = false;
    typeNameAndEnter(f, "Kata", [&](ResultsBrowserWindow& browser) {
        QAction* replay = browser.findChild<QAction*>("visszajatszas");
        offered = replay && replay->isVisible() && replay->isEnabled() && replay->text() == "Visszajátszás";
        if (offered) replay->trigger();
    });
    ASSERT_TRUE(offered);
    ASSERT_TRUE(f.window.replay().active()) << "the replay runs over the new game's set-up";
    EXPECT_EQ(s.stepCount, 0);
    EXPECT_EQ(FieldOf(s), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    for (int i = 0; i < 2; ++i) {
        Key(f, Qt::Key_Space);
        Key(f, Qt::Key_Right);
        Key(f, Qt::Key_Space);
    }
    EXPECT_EQ(s.stepCount, 2);
    EXPECT_EQ(FieldOf(s), finalField);
    Key(f, Qt::Key_Escape);
    EXPECT_FALSE(f.window.replay().active());
    EXPECT_EQ(s.phase, GamePhase::SetUp);

    // In the Pendoly mode's results the row of the same second is another game's.
    f.child<QAction>("babilon")->trigger();
    ASSERT_TRUE(s.pendolyMode);
    QFile::copy(f.dir.filePath("eredm.dat"), f.dir.filePath("eredm_vr.dat"));
    bool offeredThere = true;
    QTimer::singleShot(0, [&] {
        auto* browser = qobject_cast<ResultsBrowserWindow*>(QApplication::activeModalWidget());
        if (!browser) return;
        QAction* replay = browser->findChild<QAction*>("visszajatszas");
        offeredThere = replay->isVisible() && replay->isEnabled();
        QTest::keyClick(browser->grid(), Qt::Key_Escape);
    });
    f.child<QAction>("er_megj")->trigger();
    EXPECT_FALSE(offeredThere);
    EXPECT_FALSE(f.window.replay().active());
}

TEST(GameRecordWindow, ACodeSetsItsStartUpAndABadOneChangesNothing) {
    WindowFixture f;
    const GameState& s = f.window.state();
    // A start of another size and type than the window shows.
    GameStart start;
    start.n = 6;
    start.type = StartType::RandomColours;
    for (int i = 0; i < 36; ++i) start.field.push_back(i % 6 + 1);
    start.rowColours = {2, 4, 6, 1, 3, 5};
    start.colColours = {6, 5, 4, 3, 2, 1};
    start.openRing = 0b101;
    EnterCode(f, EncodeStartCode(start));
    EXPECT_TRUE(f.child<QRadioButton>("Option3")->isChecked());
    EXPECT_TRUE(f.child<QRadioButton>("generalt")->isChecked());
    EXPECT_EQ(FieldOf(s), start.field);
    EXPECT_EQ(s.board.value({0, 1}), kEmpty);
    EXPECT_EQ(s.board.value({0, 3}), kEmpty);
    EXPECT_EQ(CaptureStart(s), start);

    // The code of the start on show is the code entered.
    f.child<QAction>("kezdokod")->trigger();
    ASSERT_FALSE(f.fp.messageBox.shown.empty());
    EXPECT_TRUE(f.fp.messageBox.shown.back().text.contains(EncodeStartCode(start)));

    const size_t shown = f.fp.messageBox.shown.size();
    QString mistyped = EncodeStartCode(start);
    mistyped[6] = mistyped[6] == QLatin1Char('7') ? QLatin1Char('8') : QLatin1Char('7');
    EnterCode(f, mistyped);
    ASSERT_EQ(f.fp.messageBox.shown.size(), shown + 1);
    EXPECT_EQ(f.fp.messageBox.shown.back().icon, MsgIcon::Critical);
    EXPECT_EQ(CaptureStart(s), start) << "nothing changed";

    // Entering a code is for the set-up only.
    Click(f, "kezd");
    ASSERT_TRUE(s.gameRunning);
    EXPECT_FALSE(f.child<QAction>("kodbeiras")->isEnabled());
}

} // namespace
