#include "FakePlatform.h"
#include "play/gui/MainWindow.h"
#include "presentation/gui/BoardScene.h"
#include "results/gui/ResultsBrowserWindow.h"
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QApplication>
#include <QGraphicsView>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTableView>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct WindowFixture {
    WindowFixture() : window(fp.platform, QDir(dir.path())) {
        window.Form_Load();
        window.show();
        window.activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window);
    }
    // Where a key typed now goes.
    QWidget* focused() { return QApplication::focusWidget() ? QApplication::focusWidget() : &window; }
    template <typename T> T* child(const char* name) {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    QTemporaryDir dir;
    FakePlatform fp;
    MainWindow window;
};

TEST(MainWindow, StartsWithTheDefaultBoard) {
    WindowFixture f;
    const GameState& s = f.window.state();
    EXPECT_EQ(f.window.windowTitle(), "Zelka-Kvadra");
    EXPECT_EQ(s.N(), 5);
    EXPECT_EQ(s.stepCount, 0);
    EXPECT_FALSE(s.gameRunning);
    EXPECT_TRUE(s.moveHistory[0].empty());
    EXPECT_EQ(s.controls.tileCount(), 25);
    auto* kezd = f.child<QPushButton>("kezd");
    ASSERT_NE(kezd, nullptr);
    EXPECT_EQ(kezd->text(), "Játék kezdés");
    EXPECT_TRUE(kezd->isVisible());
    EXPECT_FALSE(f.child<QPushButton>("folytat")->isVisible());
    EXPECT_TRUE(f.child<QRadioButton>("Option2")->isChecked());
    // The scene shows one item per tile, wall and label at least.
    EXPECT_GT(f.window.boardScene().items().size(), 25 + 24);
}

TEST(MainWindow, SizeButtonsRebuildTheBoard) {
    WindowFixture f;
    QTest::mouseClick(f.child<QRadioButton>("Option3"), Qt::LeftButton);
    EXPECT_EQ(f.window.state().N(), 6);
    EXPECT_EQ(f.window.state().controls.tileCount(), 36);
    QTest::mouseClick(f.child<QRadioButton>("Option1"), Qt::LeftButton);
    EXPECT_EQ(f.window.state().N(), 4);
    EXPECT_EQ(f.window.state().cellSize, 833);
}

TEST(MainWindow, MenuSwitchesLookAndMode) {
    WindowFixture f;
    auto* hdim = f.child<QAction>("hdim");
    auto* babilon = f.child<QAction>("babilon");
    ASSERT_TRUE(hdim && babilon);
    EXPECT_TRUE(hdim->isChecked());
    hdim->trigger();
    EXPECT_FALSE(f.window.state().look3D);
    EXPECT_FALSE(hdim->isChecked());
    EXPECT_TRUE(f.child<QAction>("color")->isEnabled());
    babilon->trigger();
    EXPECT_EQ(f.window.windowTitle(), "Zelka-Kvadra  -- Pendoly");
    babilon->trigger();
    EXPECT_EQ(f.window.windowTitle(), "Zelka-Kvadra");
}

} // namespace

namespace {

// The pixel of the board view at frame point (x, y) in twips.
QPoint viewPoint(MainWindow& window, double x, double y) {
    auto* view = window.findChild<QGraphicsView*>(QStringLiteral("keret"));
    return view->mapFromScene(QPointF(x, y));
}

void clickCell(MainWindow& window, Cell cell) {
    const int size = window.state().cellSize;
    auto* view = window.findChild<QGraphicsView*>(QStringLiteral("keret"));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      viewPoint(window, size * cell.col + size / 2, size * cell.row + size / 2));
}

TEST(MainWindowWiring, StartRefusedWithoutAnOpenCell) {
    WindowFixture f;
    QTest::mouseClick(f.child<QPushButton>("kezd"), Qt::LeftButton);
    ASSERT_FALSE(f.fp.messageBox.shown.empty());
    EXPECT_EQ(f.fp.messageBox.shown.back().messageNo, 11);
    EXPECT_FALSE(f.window.state().gameRunning);
}

TEST(MainWindowWiring, OpenACellStartAndMoveByKeyAndMouse) {
    WindowFixture f;
    clickCell(f.window, {0, 1});
    EXPECT_EQ(f.window.state().board.value({0, 1}), kEmpty);
    QTest::mouseClick(f.child<QPushButton>("kezd"), Qt::LeftButton);
    ASSERT_TRUE(f.window.state().gameRunning);
    const int k = f.window.state().board.ctl({1, 1});
    QTest::keyClick(f.focused(), Qt::Key_Up);
    EXPECT_EQ(f.window.state().stepCount, 1);
    EXPECT_EQ(f.window.state().board.ctl({0, 1}), k);
    clickCell(f.window, {0, 1});                 // one empty neighbour below: it slides back
    EXPECT_EQ(f.window.state().stepCount, 2);
    EXPECT_EQ(f.window.state().board.ctl({1, 1}), k);
}

TEST(MainWindowWiring, LeavingDuringAGameAsksAndNoKeepsPlaying) {
    WindowFixture f;
    clickCell(f.window, {0, 1});
    QTest::mouseClick(f.child<QPushButton>("kezd"), Qt::LeftButton);
    f.fp.messageBox.answers = {MsgAnswer::No};
    EXPECT_FALSE(f.window.close());
    EXPECT_EQ(f.fp.messageBox.shown.back().messageNo, 25);
    EXPECT_TRUE(f.window.state().gameRunning);
    EXPECT_TRUE(f.window.isVisible());
}

} // namespace

namespace {

// A whole game through the window: a board one step from its row-wise target, the
// last step by key, the end message, the name typed and stored with Enter.
TEST(MainWindowWiring, FinishStoreAndStartANewGame) {
    WindowFixture f;
    GameState& s = f.window.state();
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c) s.board.setValue({r, c}, s.rowColours[r]);
    s.board.set({0, 1}, s.board.value({1, 1}), s.board.ctl({1, 1}));
    s.board.set({1, 1}, kEmpty, 0);
    s.board.setValue({0, 2}, kEmpty);
    s.controls.walls[s.board.ctl({0, 2})].visible = false;
    s.controls.walls[2].visible = false; // the ring cell above column 1
    f.window.syncView();

    QTest::mouseClick(f.child<QPushButton>("kezd"), Qt::LeftButton);
    ASSERT_TRUE(s.gameRunning);
    QTest::keyClick(f.focused(), Qt::Key_Down);
    EXPECT_FALSE(s.gameRunning);
    ASSERT_FALSE(f.fp.messageBox.shown.empty());
    EXPECT_EQ(f.fp.messageBox.shown.back().messageNo, 6);
    auto* neve = f.child<QComboBox>("neve");
    ASSERT_TRUE(neve->isVisible());

    // Storing opens the results browser on the new row, sorted by steps.
    int markedRecord = 0;
    int sortColumn = 0;
    QTimer::singleShot(0, [&] {
        auto* browser = qobject_cast<ResultsBrowserWindow*>(QApplication::activeModalWidget());
        if (!browser) return;
        markedRecord = browser->browser().markedRecordNo();
        sortColumn = browser->browser().sortColumn();
        QTest::keyClick(browser->grid(), Qt::Key_Escape);
    });
    neve->setFocus();
    QTest::keyClicks(neve, "Kata");
    QTest::keyClick(neve, Qt::Key_Return);
    EXPECT_EQ(markedRecord, 1);
    EXPECT_EQ(sortColumn, ResultColumn::Steps);
    EXPECT_TRUE(QFile::exists(f.dir.filePath("eredm.dat")));
    QFile names(f.dir.filePath("nevek.txt"));
    ASSERT_TRUE(names.open(QIODevice::ReadOnly));
    EXPECT_EQ(names.readAll(), QByteArray("\"Kata\"\r\n"));
    EXPECT_FALSE(neve->isVisible());
    EXPECT_TRUE(f.child<QPushButton>("kezd")->isEnabled());
    EXPECT_EQ(s.stepCount, 1);
}

} // namespace

namespace {

TEST(MainWindow, EverythingScalesWithTheWindow) {
    WindowFixture f;
    auto* kezd = f.child<QPushButton>("kezd");
    auto* view = f.window.findChild<QGraphicsView*>(QStringLiteral("keret"));
    f.window.resize(700, 560);
    QApplication::processEvents();
    const int smallWidth = kezd->width();
    const double smallScale = view->transform().m11();
    f.window.resize(1400, 1120);
    QApplication::processEvents();
    EXPECT_NEAR(kezd->width(), 2 * smallWidth, 2);
    EXPECT_NEAR(view->transform().m11(), 2 * smallScale, 0.02 * smallScale);
    // The board keeps its place beside the panel: the frame's right edge stays left of kezd.
    const QPoint frameRight = view->mapFromScene(QPointF(5000, 0));
    EXPECT_LT(view->mapTo(&f.window, frameRight).x(), kezd->mapTo(&f.window, QPoint(0, 0)).x());
}

} // namespace
