// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakePlatform.h"
#include "support/gui/ModalProbe.h"
#include "support/gui/WindowFixture.h"
#include "app/gui/MainWindow.h"
#include "play/BoardRing.h"
#include "play/OwnTexts.h"
#include "play/TileGeometry.h"
#include "setup/Arrangement.h"
#include "presentation/gui/AboutDialog.h"
#include "presentation/gui/BoardScene.h"
#include "results/ResultsFile.h"
#include "support/IndependentResultsFile.h"
#include <QAbstractItemView>
#include "results/gui/ResultsBrowserWindow.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QApplication>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTableView>
#include <QTimer>
#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <numeric>
#include <vector>

namespace {

// The colour the board view shows at the centre of a cell.
QColor pixelAtCell(MainWindow& window, const QImage& picture, Cell cell);

// A first start: the settings' defaults (5 x 5, random colours, rearrangement off),
// no game, and a board that is drawn where its cells are: a ball on every field cell,
// the wall colour on every ring cell.
TEST(MainWindow, StartsWithTheDefaultBoardDrawn) {
    WindowFixture f;
    const GameState& s = f.window.state();
    EXPECT_EQ(f.window.windowTitle(), "Zelka-Kvadra");
    EXPECT_TRUE(f.child<QRadioButton>("Option2")->isChecked());
    EXPECT_TRUE(f.child<QRadioButton>("generalt")->isChecked());
    EXPECT_FALSE(f.child<QCheckBox>("atrend")->isChecked());
    EXPECT_FALSE(s.gameRunning);
    EXPECT_FALSE(f.child<QLabel>("elt")->isVisible());
    EXPECT_EQ(f.child<QPushButton>("kezd")->text(), QString::fromUtf8("Játék kezdés"));

    auto* view = f.window.findChild<QGraphicsView*>(QStringLiteral("keret"));
    const QImage picture = view->viewport()->grab().toImage();
    const QColor wall(0x94, 0x94, 0x94);
    const QColor frame(0xC0, 0xC0, 0xC0);
    for (int r = 0; r <= 6; ++r) {
        for (int c = 0; c <= 6; ++c) {
            const Cell cell{r, c};
            const QColor seen = pixelAtCell(f.window, picture, cell);
            if (s.board.isRing(cell)) {
                EXPECT_EQ(seen, wall) << r << "," << c;
            } else {
                EXPECT_NE(seen, wall) << r << "," << c;
                EXPECT_NE(seen, frame) << r << "," << c;
            }
        }
    }
}

TEST(MainWindow, SizeButtonsRebuildTheBoard) {
    WindowFixture f;
    QTest::mouseClick(f.child<QRadioButton>("Option3"), Qt::LeftButton);
    EXPECT_EQ(f.window.state().N(), 6);
    EXPECT_EQ(f.window.state().controls.tileCount(), 36);
    QTest::mouseClick(f.child<QRadioButton>("Option1"), Qt::LeftButton);
    EXPECT_EQ(f.window.state().N(), 4);
    EXPECT_EQ(f.window.state().cellSize, 833);
    // Nothing lies over a size button where a player clicks it.
    for (const char* name : {"Option1", "Option2", "Option3"}) {
        auto* option = f.child<QRadioButton>(name);
        EXPECT_EQ(f.window.childAt(option->mapTo(&f.window, option->rect().center())), option) << name;
    }
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

QColor pixelAtCell(MainWindow& window, const QImage& picture, Cell cell) {
    const int size = window.state().cellSize;
    const QPoint at = viewPoint(window, size * cell.col + size / 2, size * cell.row + size / 2);
    return picture.pixelColor(at * picture.devicePixelRatio());
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
    clickCell(f.window, {1, 0});
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

// Cells the player opened stay open through a reshuffle and a change of type: drawn
// open, held open by the board, counted by the start, and a tile moves into each.
TEST(MainWindowWiring, OpenedCellsStayOpenThroughAReshuffleAndATypeChange) {
    WindowFixture f;
    const GameState& s = f.window.state();
    QTest::mouseClick(f.child<QRadioButton>("Option1"), Qt::LeftButton);
    clickCell(f.window, {0, 1});
    clickCell(f.window, {1, 0});
    auto openAndDrawnOpen = [&](Cell cell) {
        auto* view = f.window.findChild<QGraphicsView*>(QStringLiteral("keret"));
        const QImage picture = view->viewport()->grab().toImage();
        return s.board.value(cell) == kEmpty && !s.controls.walls[WallMarkerOf(s.board, cell)].visible &&
               pixelAtCell(f.window, picture, cell) != QColor(0x94, 0x94, 0x94);
    };
    QTest::mouseClick(f.child<QPushButton>("kever"), Qt::LeftButton);
    EXPECT_TRUE(openAndDrawnOpen({0, 1}) && openAndDrawnOpen({1, 0}));
    QTest::mouseClick(f.child<QRadioButton>("szamsor"), Qt::LeftButton);
    EXPECT_TRUE(openAndDrawnOpen({0, 1}) && openAndDrawnOpen({1, 0}));

    QTest::mouseClick(f.child<QPushButton>("kezd"), Qt::LeftButton);
    ASSERT_TRUE(s.gameRunning);
    EXPECT_EQ(s.gapCount, 2);
    EXPECT_FALSE(f.child<QPushButton>("okev")->isVisible());   // two open cells: no exchange
    const int k = s.board.ctl({1, 1});
    QTest::keyClick(f.focused(), Qt::Key_Left);
    EXPECT_EQ(s.board.ctl({1, 0}), k);
    QTest::keyClick(f.focused(), Qt::Key_Delete);
    QTest::keyClick(f.focused(), Qt::Key_Up);
    EXPECT_EQ(s.board.ctl({0, 1}), k);
    EXPECT_EQ(s.stepCount, 1);
}


} // namespace

namespace {

// Puts the board one step from its row-wise target: the tile of (1, 1) waits in the
// open ring cell above it, and (0, 2) is open too.
void oneStepFromTheEnd(MainWindow& window) {
    GameState& s = window.state();
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c) s.board.setValue({r, c}, s.rowColours[r]);
    s.board.set({0, 1}, s.board.value({1, 1}), s.board.ctl({1, 1}));
    s.board.set({1, 1}, kEmpty, 0);
    s.board.setValue({0, 2}, kEmpty);
    s.controls.walls[3].visible = false; // the ring cells above columns 1 and 2
    s.controls.walls[2].visible = false;
    window.syncView();
}

// Starts the prepared game and plays its last step by key: the name entry opens.
void finishByKey(WindowFixture& f) {
    QTest::mouseClick(f.child<QPushButton>("kezd"), Qt::LeftButton);
    ASSERT_TRUE(f.window.state().gameRunning);
    QTest::keyClick(f.focused(), Qt::Key_Down);
    ASSERT_FALSE(f.window.state().gameRunning);
    ASSERT_TRUE(f.child<QComboBox>("neve")->isVisible());
}

QByteArray fileContents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A whole game through the window: a board one step from its row-wise target, the
// last step by key, the end message, the name typed and stored with Enter.
TEST(MainWindowWiring, FinishStoreAndStartANewGame) {
    WindowFixture f;
    GameState& s = f.window.state();
    oneStepFromTheEnd(f.window);
    finishByKey(f);
    ASSERT_FALSE(f.fp.messageBox.shown.empty());
    EXPECT_EQ(f.fp.messageBox.shown.back().messageNo, 6);

    // Storing opens the results browser on the new row, sorted by steps.
    int markedRecord = 0;
    int sortColumn = 0;
    typeNameAndEnter(f, "Kata", [&](ResultsBrowserWindow& browser) {
        markedRecord = browser.browser().markedRecordNo();
        sortColumn = browser.browser().sortColumn();
    });
    EXPECT_EQ(markedRecord, 1);
    EXPECT_EQ(sortColumn, ResultColumn::Steps);
    EXPECT_TRUE(QFile::exists(f.dir.filePath("eredm.dat")));
    EXPECT_EQ(fileContents(f.dir.filePath("nevek.txt")), QByteArray("\"Kata\"\r\n"));
    EXPECT_FALSE(f.child<QComboBox>("neve")->isVisible());
    EXPECT_TRUE(f.child<QPushButton>("kezd")->isEnabled());
    EXPECT_EQ(s.stepCount, 1);
}

// A store the last run's end cut off left part of a record in the results file: the
// next store keeps those bytes in a side file, says where, and stores the result after
// the whole records.
TEST(MainWindowWiring, AStoreAfterACutOffEndKeepsItAsideAndTellsWhere) {
    WindowFixture f;
    QByteArray old = IndependentResultsFile();
    const QByteArray cut = old.right(30);
    old.chop(30);
    ASSERT_TRUE(WriteIndependentResultsFile(f.dir.filePath("eredm.dat"), old));
    oneStepFromTheEnd(f.window);
    finishByKey(f);
    typeNameAndEnter(f, "Kata");
    const QStringList sides = QDir(f.dir.path()).entryList({QStringLiteral("eredm.dat.damaged-*")}, QDir::Files);
    ASSERT_EQ(sides.size(), 1);
    EXPECT_TRUE(old.endsWith(fileContents(f.dir.filePath(sides[0]))));
    bool told = false;
    for (const MessageRequest& m : f.fp.messageBox.shown) told = told || m.text.contains(sides[0]);
    EXPECT_TRUE(told);
    QStringList stored;
    EXPECT_TRUE(ReadResultsFile(f.dir.filePath("eredm.dat"), [&](const ResultRecord& r) { stored << r.name; }).whole());
    EXPECT_EQ(stored.size(), 4);
    EXPECT_EQ(stored.last(), QStringLiteral("Kata"));
}

// The name entry of the next game opens empty with the stored names in its list, so
// what the next player types is their name alone.
TEST(MainWindowWiring, TheNextNameEntryStartsEmpty) {
    WindowFixture f;
    oneStepFromTheEnd(f.window);
    finishByKey(f);
    typeNameAndEnter(f, "Bela");

    oneStepFromTheEnd(f.window);
    finishByKey(f);
    auto* neve = f.child<QComboBox>("neve");
    EXPECT_EQ(neve->currentText(), QString());
    ASSERT_EQ(neve->count(), 1);
    EXPECT_EQ(neve->itemText(0), QStringLiteral("Bela"));
    typeNameAndEnter(f, "Zoe");

    QStringList stored;
    ReadResultsFile(f.dir.filePath("eredm.dat"), [&](const ResultRecord& r) { stored << r.name; });
    EXPECT_EQ(stored, (QStringList{QStringLiteral("Bela"), "Zoe"}));
    EXPECT_EQ(fileContents(f.dir.filePath("nevek.txt")), QByteArray("\"Bela\"\r\n\"Zoe\"\r\n"));
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

// The controls are made in the font of the size the window first shows at: none of
// them is told of a new font (and measures itself again) before the first paint. A
// new size of the window still brings them a new font.
TEST(MainWindow, TheControlsAreMadeInTheFontTheyFirstShow) {
    struct FontChanges : QObject {
        std::map<QString, int> seen;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::FontChange && !watched->objectName().isEmpty())
                ++seen[watched->objectName()];
            return false;
        }
    } changes;
    qApp->installEventFilter(&changes);
    QTemporaryDir dir;
    FakePlatform fp;
    MainWindow window(fp.platform, QDir(gameFolder(dir)));
    window.Form_Load();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    for (const char* name : {"kezd", "sorsz", "neve", "lang", "tipus", "generalt", "atrend", "Label3"})
        EXPECT_EQ(changes.seen[name], 0) << name;
    auto* kezd = window.findChild<QPushButton*>(QStringLiteral("kezd"));
    auto* canvas = kezd->parentWidget();
    EXPECT_EQ(kezd->font().pixelSize(), canvas->font().pixelSize());
    const int shownPixels = kezd->font().pixelSize();

    window.resize(window.size() * 2);
    QApplication::processEvents();
    EXPECT_GT(changes.seen["kezd"], 0);
    EXPECT_NEAR(kezd->font().pixelSize(), 2 * shownPixels, 2);
    qApp->removeEventFilter(&changes);
}

} // namespace

namespace {

// The language chooser through the mouse: its list opens on a press and stays open,
// and a click on a language applies it.
TEST(MainWindowWiring, TheLanguageChooserWorksWithTheMouse) {
    WindowFixture f;
    f.child<QAction>("nyelv")->trigger();
    auto* lang = f.child<QComboBox>("lang");
    ASSERT_TRUE(lang->isVisible());
    QTest::mousePress(lang, Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_TRUE(lang->isVisible());
    ASSERT_TRUE(lang->view()->isVisible());

    const int english = lang->findText("English");
    ASSERT_GE(english, 0);
    QAbstractItemView* list = lang->view();
    // The list takes no click until a double-click time after it opened, as for a player.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(english, 0)).center());
    QApplication::processEvents();
    EXPECT_EQ(f.window.state().texts.languageName, "English");
    EXPECT_FALSE(lang->isVisible());
    EXPECT_EQ(f.child<QPushButton>("kezd")->text(), "Start game");
}

} // namespace

namespace {

QString yesButtonText() {
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    return box.button(QMessageBox::Yes)->text();
}

// The boxes' own buttons speak the game's language, and switch with it.
TEST(MainWindowWiring, MessageBoxButtonsFollowTheLanguage) {
    WindowFixture f;
    ASSERT_EQ(f.window.state().texts.languageName, "Magyar");
    EXPECT_EQ(yesButtonText(), "&Igen");

    f.child<QAction>("nyelv")->trigger();
    auto* lang = f.child<QComboBox>("lang");
    ASSERT_EQ(lang->itemText(0), "English");
    QTest::keyClick(lang, Qt::Key_Up);   // from Magyar to English
    ASSERT_EQ(f.window.state().texts.languageName, "English");
    EXPECT_EQ(yesButtonText(), "&Yes");
}

// The about box's credit lines are in the language in use, as its other lines are.
TEST(MainWindowWiring, TheAboutBoxSpeaksTheLanguageInUse) {
    WindowFixture f;
    const auto creditsShown = [&f] {
        QStringList credits;
        ModalProbe<AboutDialog> about([&credits](AboutDialog* d) {
            for (const char* name : {"Label4", "Label7"})
                credits << d->findChild<QLabel*>(QString::fromLatin1(name))->text();
            QTest::mouseClick(d->okButton(), Qt::LeftButton);
        });
        f.child<QAction>("nevj")->trigger();
        EXPECT_TRUE(about.handled());
        return credits;
    };
    const QStringList hungarian{OwnTextIn(OwnText::AboutFirstCredit, QStringLiteral("Magyar")),
                                OwnTextIn(OwnText::AboutSecondCredit, QStringLiteral("Magyar"))};
    const QStringList english{OwnTextIn(OwnText::AboutFirstCredit, QStringLiteral("English")),
                              OwnTextIn(OwnText::AboutSecondCredit, QStringLiteral("English"))};
    ASSERT_NE(hungarian, english);
    EXPECT_EQ(creditsShown(), hungarian);

    f.child<QAction>("nyelv")->trigger();
    QTest::keyClick(f.child<QComboBox>("lang"), Qt::Key_Up);   // from Magyar to English
    ASSERT_EQ(f.window.state().texts.languageName, "English");
    EXPECT_EQ(creditsShown(), english);
}

} // namespace

namespace {

// Number tiles on the field: `values` row by row, tile control k in field cell k, each
// drawn where it stands.
void showNumbers(MainWindow& window, const std::vector<int>& values) {
    GameState& s = window.state();
    for (int k = 1; k <= static_cast<int>(values.size()); ++k) {
        const Cell cell = s.board.fieldCell(k);
        const int v = values[static_cast<size_t>(k - 1)];
        s.board.set(cell, v, k);
        PlaceTileControls(s, k, v, cell);
        DrawTileLook(s, k, v);
    }
    window.syncView();
}

std::vector<int> ascending(int count) {
    std::vector<int> values(static_cast<size_t>(count));
    std::iota(values.begin(), values.end(), 1);
    return values;
}

// What the player read last, and one of the program's own texts, as plain strings.
std::string lastMessage(const WindowFixture& f) { return f.fp.messageBox.shown.back().text.toStdString(); }
std::string ownText(const WindowFixture& f, OwnText text) {
    return OwnTextIn(text, f.window.state().texts).toStdString();
}

// With one open cell a number board is refused, with its reason, until the tile beside
// the cell holds its target's value and the order can be reached; two tiles exchanged by
// set-up clicks put it right, and the game that starts is won.
TEST(MainWindowWiring, AOneGapNumberBoardStartsOnlyWhenItCanBeWon) {
    WindowFixture f;
    const GameState& s = f.window.state();
    QTest::mouseClick(f.child<QRadioButton>("Option1"), Qt::LeftButton);
    QTest::mouseClick(f.child<QRadioButton>("szamsor"), Qt::LeftButton);
    std::vector<int> values = ascending(16);
    std::swap(values[1], values[2]);              // 3 stands where 2 belongs, and 2 where 3
    showNumbers(f.window, values);
    auto* kezd = f.child<QPushButton>("kezd");

    clickCell(f.window, {0, 2});                  // beside it tile 3, which no target wants there
    QTest::mouseClick(kezd, Qt::LeftButton);
    ASSERT_FALSE(s.gameRunning);
    EXPECT_EQ(f.fp.messageBox.shown.back().messageNo, 12);

    clickCell(f.window, {0, 2});
    clickCell(f.window, {0, 1});                  // beside it tile 1, in place: but the order is odd
    QTest::mouseClick(kezd, Qt::LeftButton);
    ASSERT_FALSE(s.gameRunning);
    EXPECT_EQ(lastMessage(f), ownText(f, OwnText::OneGapOddArrangement));

    clickCell(f.window, {1, 2});                  // the exchange the message suggests
    clickCell(f.window, {1, 3});
    ASSERT_EQ(s.board.value({1, 2}), 2);
    QTest::mouseClick(kezd, Qt::LeftButton);
    ASSERT_TRUE(s.gameRunning);
    EXPECT_FALSE(f.child<QPushButton>("okev")->isVisible());   // an exchange now could only spoil it
    QTest::keyClick(f.focused(), Qt::Key_Up);     // tile 1 steps out and back: solved
    QTest::keyClick(f.focused(), Qt::Key_Down);
    EXPECT_EQ(f.fp.messageBox.shown.back().messageNo, 6);
    EXPECT_TRUE(f.child<QComboBox>("neve")->isVisible());
}

// Number tiles on 6 x 6 one step from the row-wise target, with one open cell: tile 1
// waits in the ring cell above its place.
void sixBySixOneStepFromRows(WindowFixture& f) {
    QTest::mouseClick(f.child<QRadioButton>("Option3"), Qt::LeftButton);
    QTest::mouseClick(f.child<QRadioButton>("szamsor"), Qt::LeftButton);
    showNumbers(f.window, ascending(36));
    GameState& s = f.window.state();
    s.board.set({0, 1}, 1, s.board.ctl({1, 1}));
    s.board.set({1, 1}, kEmpty, 0);
    PlaceTiles(s);
    s.controls.walls[WallMarkerOf(s.board, {0, 1})].visible = false;
    f.window.syncView();
}

// On 6 x 6 the column-wise order is an odd permutation of the row-wise one, so the
// second stage cannot be won with one open cell: "Átrendezés kezdése" says so and keeps
// the pause; with one more cell open the stage begins.
TEST(MainWindowWiring, TheSecondStageOnSixBySixNeedsASecondOpenCell) {
    WindowFixture f;
    const GameState& s = f.window.state();
    sixBySixOneStepFromRows(f);
    QTest::mouseClick(f.child<QCheckBox>("atrend"), Qt::LeftButton);
    QTest::mouseClick(f.child<QPushButton>("kezd"), Qt::LeftButton);
    ASSERT_TRUE(s.gameRunning);
    QTest::keyClick(f.focused(), Qt::Key_Down);
    ASSERT_EQ(s.phase, GamePhase::Paused);

    auto* folytat = f.child<QPushButton>("folytat");
    clickCell(f.window, {0, 1});
    QTest::mouseClick(folytat, Qt::LeftButton);
    EXPECT_EQ(s.phase, GamePhase::Paused);
    EXPECT_EQ(lastMessage(f), ownText(f, OwnText::OneGapOddArrangementSecondStage));
    EXPECT_TRUE(folytat->isVisible());

    clickCell(f.window, {0, 2});
    f.fp.messageBox.answers = {MsgAnswer::Yes};   // a gap count other than the first stage's
    QTest::mouseClick(folytat, Qt::LeftButton);
    EXPECT_EQ(f.fp.messageBox.shown.back().messageNo, 13);
    EXPECT_EQ(s.phase, GamePhase::Playing);
    EXPECT_EQ(s.gapCount, 2);
}

// A Pendoly number game on 5 x 5 one rotation from ascending rows: row 1 reads 5 1 2 3 4.
void pendolyNumbersOneRotationFromTheEnd(WindowFixture& f) {
    f.child<QAction>("babilon")->trigger();
    QTest::mouseClick(f.child<QRadioButton>("Option2"), Qt::LeftButton);
    QTest::mouseClick(f.child<QRadioButton>("szamsor"), Qt::LeftButton);
    std::vector<int> values = ascending(25);
    std::rotate(values.begin(), values.begin() + 4, values.begin() + 5);
    showNumbers(f.window, values);
}

// While a rearrangement game waits between its stages no tile moves: the exchange
// button does nothing, and the game neither ends nor stores.
TEST(MainWindowWiring, NoExchangeWhileARearrangementGameIsPaused) {
    WindowFixture f;
    pendolyNumbersOneRotationFromTheEnd(f);
    QTest::mouseClick(f.child<QCheckBox>("atrend"), Qt::LeftButton);
    QTest::mouseClick(f.child<QPushButton>("kezd"), Qt::LeftButton);
    auto* okev = f.child<QPushButton>("okev");
    ASSERT_TRUE(okev->isVisible());
    clickCell(f.window, {1, 0});                  // row 1 turns left
    const GameState& s = f.window.state();
    ASSERT_EQ(s.phase, GamePhase::Paused);

    f.fp.inputBox.answers = {"2-3"};
    QTest::mouseClick(okev, Qt::LeftButton);
    EXPECT_TRUE(f.fp.inputBox.prompts.isEmpty());
    EXPECT_EQ(s.board.value({1, 2}), 2);
    EXPECT_EQ(s.phase, GamePhase::Paused);
    EXPECT_TRUE(f.child<QPushButton>("tarol")->isVisible());

    // The second stage offers the exchange again.
    QTest::mouseClick(f.child<QPushButton>("folytat"), Qt::LeftButton);
    ASSERT_EQ(s.phase, GamePhase::Playing);
    EXPECT_TRUE(okev->isVisible() && okev->isEnabled());
}

} // namespace

namespace {

// A tile colour the box refuses keeps the start from happening, and the focus stays in
// the box; a good one starts the game with the keys on the board.
TEST(MainWindowWiring, TheTileColourIsCheckedBeforeTheStart) {
    WindowFixture f;
    QTest::mouseClick(f.child<QRadioButton>("szamsor"), Qt::LeftButton);
    clickCell(f.window, {0, 1});
    clickCell(f.window, {1, 0});
    auto* sorsz = f.child<QLineEdit>("sorsz");
    sorsz->setFocus();
    sorsz->selectAll();
    QTest::keyClicks(sorsz, "9");
    QTest::mouseClick(f.child<QPushButton>("kezd"), Qt::LeftButton);
    QApplication::processEvents();
    const GameState& s = f.window.state();
    EXPECT_FALSE(s.gameRunning);
    EXPECT_EQ(QApplication::focusWidget(), sorsz);
    EXPECT_EQ(s.numberTileColour, 1);

    sorsz->selectAll();
    QTest::keyClicks(sorsz, "3");
    QTest::mouseClick(f.child<QPushButton>("kezd"), Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_TRUE(s.gameRunning);
    EXPECT_EQ(s.numberTileColour, 3);
    QTest::keyClick(f.focused(), Qt::Key_Up);
    EXPECT_EQ(s.stepCount, 1);
}

// The number type has no stored games: their menu items stay off when a dropped game
// gives the set-up back, as they are when the type is chosen.
TEST(MainWindowWiring, StoredGameMenusStayOffInTheNumberType) {
    WindowFixture f;
    QTest::mouseClick(f.child<QRadioButton>("szamsor"), Qt::LeftButton);
    auto* create = f.window.findChild<QAction*>(QStringLiteral("uj_jatek"));
    auto* change = f.window.findChild<QAction*>(QStringLiteral("jatek_tor"));
    ASSERT_TRUE(create && change);
    EXPECT_FALSE(create->isEnabled());
    EXPECT_FALSE(change->isEnabled());

    clickCell(f.window, {0, 1});
    clickCell(f.window, {1, 0});
    QTest::mouseClick(f.child<QPushButton>("kezd"), Qt::LeftButton);
    ASSERT_TRUE(f.window.state().gameRunning);
    QTest::mouseClick(f.child<QPushButton>("uj"), Qt::LeftButton);   // dropped: Yes
    ASSERT_FALSE(f.window.state().gameRunning);
    EXPECT_FALSE(create->isEnabled());
    EXPECT_FALSE(change->isEnabled());

    QTest::mouseClick(f.child<QRadioButton>("generalt"), Qt::LeftButton);
    EXPECT_TRUE(create->isEnabled());
    EXPECT_TRUE(change->isEnabled());
}

} // namespace

namespace {

// Leaving during a game asks whether to keep it for later: Cancel goes on playing,
// No leaves without keeping it, and neither asks the old leaving question too.
TEST(MainWindowWiring, LeavingDuringAGameAsksToKeepItAndCancelKeepsPlaying) {
    WindowFixture f;
    clickCell(f.window, {0, 1});
    clickCell(f.window, {1, 0});
    QTest::mouseClick(f.child<QPushButton>("kezd"), Qt::LeftButton);
    const QString kept = QDir(f.dir.path()).filePath(QStringLiteral("folytat.dat"));
    f.fp.messageBox.answers = {MsgAnswer::Cancel};
    EXPECT_FALSE(f.window.close());
    ASSERT_EQ(f.fp.messageBox.shown.size(), 1u);
    EXPECT_EQ(f.fp.messageBox.shown.back().buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(lastMessage(f), ownText(f, OwnText::KeepGameQuestion));
    EXPECT_TRUE(f.window.state().gameRunning);
    EXPECT_TRUE(f.window.isVisible());

    f.fp.messageBox.answers = {MsgAnswer::No};
    EXPECT_TRUE(f.window.close());
    EXPECT_EQ(f.fp.messageBox.shown.size(), 2u);
    EXPECT_FALSE(QFile::exists(kept));
}

} // namespace
