// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Stored games through the main window, as a player uses them.
#include "files/ScratchFile.h"
#include "play/OwnTexts.h"
#include "results/ResultsFile.h"
#include "setup/TargetMapText.h"
#include "setup/gui/StoredGameDialog.h"
#include "support/StoredGamesFixture.h"
#include "support/gui/ModalProbe.h"
#include "support/gui/WindowFixture.h"
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <gtest/gtest.h>
#include <optional>

namespace {

template <typename T> T* in(QWidget* parent, const char* name) { return parent->findChild<T*>(QString::fromLatin1(name)); }

void clickMapCell(StoredGameDialog* d, int n, int row, int col) {
    const int side = MapCellSide(n);
    QTest::mouseClick(d->map(), Qt::LeftButton, {}, d->mapPoint(side * col + side / 2, side * row + side / 2));
}

// Paints the editor's map as the board's field stands: for each cell the palette row
// of its colour, then the cell.
void paintLikeTheBoard(StoredGameDialog* d, const GameState& s) {
    const int n = s.N();
    const int side = MapCellSide(n);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            const int colour = s.board.value({i, j});
            QTest::mouseClick(d->palette(), Qt::LeftButton, {},
                              d->palettePoint(kPaletteRect.width() - 80, side * colour + side / 2));
            clickMapCell(d, n, i, j);
        }
    }
}

QString fieldDigits(const GameState& s) {
    QString digits;
    for (int p = 1; p <= s.N() * s.N(); ++p) digits += QString::number(s.board.value(s.board.fieldCell(p)));
    return digits;
}

void writeStoredGames(const WindowFixture& f, const QByteArray& records) {
    QFile file(f.dir.filePath("minta.dat"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(records);
}

// Chooses the stored type, types `serial` into its box and leaves it with Enter.
void playBySerial(WindowFixture& f, const char* serial) {
    QTest::mouseClick(f.child<QRadioButton>("tarolt"), Qt::LeftButton);
    auto* sorsz = f.child<QLineEdit>("sorsz");
    sorsz->setFocus();
    QTest::keyClicks(sorsz, serial);
    QTest::keyClick(sorsz, Qt::Key_Return);
    QTest::qWait(100);
}

StoredGamesScan scanOf(const WindowFixture& f) {
    return ReadStoredGames(QDir(f.dir.path())).value_or(StoredGamesScan{});
}

} // namespace

// A game painted in the editor with the board as its start is saved with k_tar,
// played by its serial to the end, and its result stored as "T" with its serial and name.
TEST(StoredGamesWindow, CreatePlayAndStoreAResult) {
    WindowFixture f;
    GameState& s = f.window.state();
    QTest::mouseClick(f.child<QRadioButton>("Option1"), Qt::LeftButton);
    ASSERT_EQ(s.N(), 4);
    ASSERT_TRUE(QFile::exists(f.dir.filePath("minta.dat")));   // made at start-up

    ModalProbe<StoredGameDialog> editor([&](StoredGameDialog* d) {
        EXPECT_EQ(d->windowTitle(), s.panel.uj_jatek.caption);
        paintLikeTheBoard(d, s);
        QTest::keyClicks(in<QLineEdit>(d, "nev"), "Kert");
        auto* withStart = in<QPushButton>(d, "rendben2");
        EXPECT_TRUE(withStart->isEnabled());
        QTest::mouseClick(withStart, Qt::LeftButton);
    });
    f.child<QAction>("uj_jatek")->trigger();
    ASSERT_TRUE(editor.handled());
    auto* k_tar = f.child<QPushButton>("k_tar");
    ASSERT_TRUE(k_tar->isVisible());
    EXPECT_TRUE(f.child<QLabel>("Label2")->isVisible());
    EXPECT_FALSE(f.child<QPushButton>("kezd")->isEnabled());

    clickCell(f.window, {0, 1});
    clickCell(f.window, {0, 2});
    const QString start = fieldDigits(s);
    QTest::mouseClick(k_tar, Qt::LeftButton);
    EXPECT_FALSE(k_tar->isVisible());
    const StoredGamesScan scan = scanOf(f);
    ASSERT_EQ(scan.games.size(), 1);
    EXPECT_EQ(scan.games[0].serial, 1);
    EXPECT_EQ(scan.games[0].shuffle, start);
    EXPECT_EQ(scan.games[0].targetMap.left(6), QStringLiteral("700777"));

    // Played by its serial: typed into the box and Enter.
    f.window.activateWindow();   // the closed dialog may have left no window active
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.window));
    playBySerial(f, "1");
    ASSERT_TRUE(s.gameRunning);
    EXPECT_EQ(f.fp.messageBox.shown.back().messageNo, 21);
    EXPECT_EQ(fieldDigits(s), start);
    auto* title = f.child<QLabel>("t_jatek");
    EXPECT_TRUE(title->isVisible() && title->text().endsWith(QStringLiteral("1 Kert")));

    clickCell(f.window, {1, 1});
    clickCell(f.window, {0, 1});
    ASSERT_FALSE(s.gameRunning);
    EXPECT_EQ(f.fp.messageBox.shown.back().messageNo, 6);
    typeNameAndEnter(f, "Anna");
    QList<ResultRecord> results;
    ReadResultsFile(f.dir.filePath("eredm.dat"), [&](const ResultRecord& r) { results << r; });
    ASSERT_EQ(results.size(), 1);
    EXPECT_EQ(results[0].typeCode, QStringLiteral("T"));
    EXPECT_EQ(results[0].storedGameNo, 1);
    EXPECT_EQ(results[0].storedGameName, QStringLiteral("Kert"));
}

// "Nem ment" leaves the capture of a start without saving; the list chooses a game
// with the keys; a game is deleted from the list of games to change.
TEST(StoredGamesWindow, LeaveTheCaptureChooseAndDelete) {
    WindowFixture f;
    GameState& s = f.window.state();
    ASSERT_EQ(s.N(), 5);
    writeStoredGames(f, GameRecordBytes(1, 5, "Elso") + GameRecordBytes(2, 5, "Masodik"));

    ModalProbe<StoredGameDialog> editor([&](StoredGameDialog* d) {
        for (int i = 1; i <= 5; ++i)
            for (int j = 1; j <= 5; ++j) clickMapCell(d, 5, i, j);
        QTest::mouseClick(in<QPushButton>(d, "rendben2"), Qt::LeftButton);
    });
    f.child<QAction>("uj_jatek")->trigger();
    ASSERT_TRUE(editor.handled());
    auto* megse = f.child<QPushButton>("megse");
    ASSERT_TRUE(megse->isVisible());
    QTest::mouseClick(megse, Qt::LeftButton);
    EXPECT_EQ(f.fp.messageBox.shown.back().messageNo, 15);
    EXPECT_FALSE(f.child<QPushButton>("k_tar")->isVisible() || f.child<QLabel>("Label2")->isVisible());
    EXPECT_TRUE(f.child<QPushButton>("kezd")->isEnabled());
    EXPECT_EQ(scanOf(f).games.size(), 2);

    QTest::mouseClick(f.child<QRadioButton>("tarolt"), Qt::LeftButton);
    ModalProbe<StoredGameDialog> chooser([&](StoredGameDialog* d) {
        QTest::keyClick(d->grid(), Qt::Key_Down);
        QTest::keyClick(d->grid(), Qt::Key_Return);
    });
    QTest::mouseClick(f.child<QPushButton>("kezd"), Qt::LeftButton);
    ASSERT_TRUE(chooser.handled());
    EXPECT_EQ(s.storedGameNo, 2);
    EXPECT_FALSE(s.gameRunning);   // no start of its own: the player sets one up
    EXPECT_TRUE(f.child<QPushButton>("alapall")->isVisible());
    auto* sorsz = f.child<QLineEdit>("sorsz");
    EXPECT_FALSE(sorsz->isVisible());   // the map lies over its place

    QTest::mouseClick(f.child<QPushButton>("alapall"), Qt::LeftButton);
    EXPECT_TRUE(sorsz->isVisible());
    ModalProbe<StoredGameDialog> deleter([&](StoredGameDialog* d) {
        EXPECT_EQ(d->windowTitle(), s.panel.jatek_tor.caption);
        QTest::mouseClick(in<QPushButton>(d, "rendben2"), Qt::LeftButton);
    });
    auto* jatek_tor = f.child<QAction>("jatek_tor");
    ASSERT_TRUE(jatek_tor->isEnabled());
    jatek_tor->trigger();
    ASSERT_TRUE(deleter.handled());
    EXPECT_EQ(f.fp.messageBox.shown.back().messageNo, 43);
    const StoredGamesScan scan = scanOf(f);
    ASSERT_EQ(scan.games.size(), 1);
    EXPECT_EQ(scan.games[0].serial, 2);
    EXPECT_EQ(scan.recordCount, 2);
}

// A serial typed and left with Enter loads its game once, even while the box about
// its start lets the window's events through as a real one does.
TEST(StoredGamesWindow, ASerialLeftWithEnterLoadsOnce) {
    WindowFixture f;
    writeStoredGames(f, GameRecordBytes(1, 5, "Kert", CyclicStart(5)));
    f.fp.messageBox.whileShown = [](const MessageRequest&) { QTest::qWait(30); };
    playBySerial(f, "1");
    ASSERT_TRUE(f.window.state().gameRunning);
    EXPECT_EQ(std::count_if(f.fp.messageBox.shown.begin(), f.fp.messageBox.shown.end(),
                            [](const MessageRequest& r) { return r.messageNo == 21; }),
              1);
}

// OK in the editor when minta.dat cannot be written: the failure is told and the
// editor opens again with the painted game and its name, to be saved once it can be.
TEST(StoredGamesWindow, AFailedSaveOpensTheEditorAgainWithThePaintedGame) {
    WindowFixture f;
    GameState& s = f.window.state();
    const QString scratch = ScratchPathOf(QDir(f.dir.path()).filePath(kStoredGamesFileName));
    ASSERT_TRUE(QDir().mkdir(scratch));   // no scratch file can be made
    QString painted;
    std::optional<ModalProbe<StoredGameDialog>> reopened;
    ModalProbe<StoredGameDialog> editor([&](StoredGameDialog* d) {
        paintLikeTheBoard(d, s);
        QTest::keyClicks(in<QLineEdit>(d, "nev"), "Kert");
        painted = d->form().controls().mapText;
        reopened.emplace([&](StoredGameDialog* again) {
            ASSERT_FALSE(f.fp.messageBox.shown.empty());
            EXPECT_EQ(f.fp.messageBox.shown.back().text, OwnTextIn(OwnText::StoredGamesNotWritten, s.texts));
            EXPECT_EQ(again->form().controls().mapText, painted);
            EXPECT_EQ(in<QLineEdit>(again, "nev")->text(), QStringLiteral("Kert"));
            auto* ok = in<QPushButton>(again, "rendben");
            EXPECT_TRUE(ok->isEnabled());
            EXPECT_TRUE(QDir().rmdir(scratch));
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        QTest::mouseClick(in<QPushButton>(d, "rendben"), Qt::LeftButton);
    });
    f.child<QAction>("uj_jatek")->trigger();
    ASSERT_TRUE(editor.handled());
    ASSERT_TRUE(reopened && reopened->handled());
    const StoredGamesScan scan = scanOf(f);
    ASSERT_EQ(scan.games.size(), 1);
    EXPECT_EQ(scan.games[0].targetMap, painted);
    EXPECT_EQ(scan.games[0].name.trimmed(), QStringLiteral("Kert"));
}

// A stored game whose name holds a character the results file cannot keep is played
// like any other through the window; its result keeps the name with "?" for that
// character, and the player is told how the name was written.
TEST(StoredGamesWindow, AResultKeepsANameTheResultsCannotHoldAsWrittenAndSaysSo) {
    WindowFixture f;
    QByteArray record = MakeStoredGameRecord(1, 5, QStringLiteral("Kert"), CyclicMap(5, {{0, 1}, {0, 2}}),
                                             CyclicStart(5, 0))->toBytes();
    record[8] = char(0xFF);   // "Kert˙"
    writeStoredGames(f, record);
    playBySerial(f, "1");
    GameState& s = f.window.state();
    ASSERT_TRUE(s.gameRunning);
    clickCell(f.window, {1, 1});
    clickCell(f.window, {0, 1});
    ASSERT_FALSE(s.gameRunning);
    typeNameAndEnter(f, "Anna");

    QList<ResultRecord> results;
    ReadResultsFile(f.dir.filePath("eredm.dat"), [&](const ResultRecord& r) { results << r; });
    ASSERT_EQ(results.size(), 1);
    EXPECT_EQ(results[0].storedGameName, QStringLiteral("Kert?"));
    const auto told = std::find_if(f.fp.messageBox.shown.begin(), f.fp.messageBox.shown.end(),
                                   [](const MessageRequest& r) { return r.text.contains(QStringLiteral("Kert?")); });
    ASSERT_NE(told, f.fp.messageBox.shown.end());
    EXPECT_EQ(told->text, OwnTextIn(OwnText::StoredGameNameWrittenAs, s.texts).arg(QStringLiteral("Kert?")));
    EXPECT_EQ(told->icon, MsgIcon::Information);
}

namespace {

// A stored game without a start of its own shows its map and its open cells; a
// reshuffle before the start keeps them, and the game that starts can be played.
TEST(StoredGamesWindow, AReshuffleKeepsTheMapsOpenCells) {
    WindowFixture f;
    writeStoredGames(f, GameRecordBytes(1, 5, "Kert"));
    playBySerial(f, "1");
    const GameState& s = f.window.state();
    ASSERT_FALSE(s.gameRunning);
    ASSERT_EQ(s.board.value({0, 1}), kEmpty);
    QTest::mouseClick(f.child<QPushButton>("kever"), Qt::LeftButton);
    for (Cell open : {Cell{0, 1}, Cell{0, 2}}) {
        EXPECT_EQ(s.board.value(open), kEmpty);
        EXPECT_FALSE(s.controls.walls[open.col + 1].visible);
    }
    QTest::mouseClick(f.child<QPushButton>("kezd"), Qt::LeftButton);
    ASSERT_TRUE(s.gameRunning);
    EXPECT_EQ(s.gapCount, 2);
    QTest::keyClick(f.focused(), Qt::Key_Up);
    QTest::keyClick(f.focused(), Qt::Key_2);   // both tiles below the open cells could go
    EXPECT_EQ(s.stepCount, 1);
}

} // namespace

namespace {

// A capture entered from a "by pattern" set-up: the button that leaves the set-up
// is hidden, so the map being captured cannot be dropped from under the capture.
TEST(StoredGamesWindow, TheCaptureHidesTheWayBackFromAPatternSetUp) {
    WindowFixture f;
    QTest::mouseClick(f.child<QPushButton>("vminta"), Qt::LeftButton);
    ASSERT_TRUE(f.child<QPushButton>("alapall")->isVisible());
    ModalProbe<StoredGameDialog> editor([&](StoredGameDialog* d) {
        paintLikeTheBoard(d, f.window.state());
        QTest::mouseClick(in<QPushButton>(d, "rendben2"), Qt::LeftButton);
    });
    f.child<QAction>("uj_jatek")->trigger();
    ASSERT_TRUE(editor.handled());
    ASSERT_TRUE(f.child<QPushButton>("k_tar")->isVisible());
    EXPECT_FALSE(f.child<QPushButton>("alapall")->isVisible());
}

} // namespace
