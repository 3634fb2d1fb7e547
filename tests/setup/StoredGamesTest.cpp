// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultStore.h"
#include "results/ResultsFile.h"
#include "setup/StoredGames.h"
#include "setup/TargetMapText.h"
#include "support/BoardFixture.h"
#include "support/StoredGamesFixture.h"
#include <gtest/gtest.h>
#include <functional>

namespace {

// The dialog as a test plays it: `act` works the form, as a player would.
class ScriptedDialog final : public StoredGameDialogRunner {
public:
    void run(StoredGameForm& form) override {
        modes.push_back(form.mode());
        if (act) act(form);
    }
    std::function<void(StoredGameForm&)> act;
    std::vector<StoredGameMode> modes;
};

void press(StoredGameForm& form, int n, int row, int col) {
    const int side = MapCellSide(n);
    form.mker_MouseDown(side * col + side / 2, side * row + side / 2);
}

// The editor of a new 4 x 4 game as a player works it: every cell painted, a name,
// then the save with a start.
std::function<void(StoredGameForm&)> paintAllAndCapture(const QString& name) {
    return [name](StoredGameForm& form) {
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 4; ++j) press(form, 4, i, j);
        form.nev_Change(name);
        form.rendben2_Click();
    };
}

// A board of the stored type with the stored games around it, wired as the window
// wires them.
struct StoredFixture : BoardFixture {
    explicit StoredFixture(int n = 4) : BoardFixture(Type::Stored, n) {
        s.texts.messages = QStringList(172, QString());
        flow.chooseStoredGame = [this] { return stored.chooseStoredGame(); };
        stored.setHooks({[this] { return flow.ValidateStart(); }, [this] { ++boardChanges; }});
    }
    // Field values row by row from the digits of a map.
    void arrangeAs(const QString& map) {
        const int n = s.N();
        for (int p = 1; p <= n * n; ++p) {
            const Cell c = s.board.fieldCell(p);
            s.board.setValue(c, MapDigit(map, n, c.row, c.col));
        }
    }
    QString field() const {
        QString digits;
        for (int p = 1; p <= s.N() * s.N(); ++p) digits += QString::number(s.board.value(s.board.fieldCell(p)));
        return digits;
    }
    int criticalBoxes() const {
        return static_cast<int>(std::count_if(fp.messageBox.shown.begin(), fp.messageBox.shown.end(),
                                              [](const MessageRequest& r) { return r.icon == MsgIcon::Critical; }));
    }

    StoredGamesFolder files;
    ScriptedDialog dialog;
    StoredGames stored{s, fp.platform, dialog, files.folder()};
    int boardChanges = 0;
};

} // namespace

// A known serial in the box loads that game at once, whatever the board's size: its
// size is selected, its start is put on the board, and the game starts.
TEST(StoredGames, ASerialLoadsItsGameAtOnce) {
    StoredFixture f(4);
    const QString map = CyclicMap(6, {{0, 1}, {7, 6}});
    f.files.write(GameRecordBytes(1, 4) + MakeStoredGameRecord(2, 6, "Kert", map, CyclicStart(6))->toBytes());
    f.s.panel.Label1.caption = QStringLiteral("No.");
    f.s.panel.sorsz.caption = QStringLiteral("2");
    f.flow.kezd_Click();

    EXPECT_TRUE(f.dialog.modes.empty());
    EXPECT_EQ(f.s.N(), 6);
    EXPECT_TRUE(f.s.panel.Option3.checked);
    EXPECT_EQ(f.messageNumbers(), (std::vector<int>{21}));
    EXPECT_EQ(f.field(), CyclicStart(6));
    EXPECT_EQ(f.boardChanges, 1);
    EXPECT_EQ(f.s.targetMapText, map);
    EXPECT_TRUE(f.s.panel.mker.visible);
    EXPECT_FALSE(f.s.panel.uj_jatek.enabled || f.s.panel.jatek_tor.enabled || f.s.panel.kevall.enabled);
    ASSERT_TRUE(f.s.gameRunning);
    EXPECT_EQ(f.s.gapCount, 2);
    EXPECT_EQ(f.s.board.value({0, 1}), kEmpty);
    EXPECT_EQ(f.s.board.value({7, 6}), kEmpty);
    EXPECT_EQ(f.s.panel.t_jatek.caption, QStringLiteral("No. 2 Kert"));
}

// Through the list: a game without a start is put on show and waits; the player
// arranges the board and starts again; the end of the game is found against the map,
// and the result is stored as "T" with the game's serial and name.
TEST(StoredGames, AGameChosenFromTheListIsPlayedToItsEnd) {
    StoredFixture f(4);
    const QString map = CyclicMap(4, {{0, 1}, {0, 2}});
    f.files.write(GameRecordBytes(1, 4) + MakeStoredGameRecord(2, 4, "Kert", map, {})->toBytes());
    f.s.panel.sorsz.caption = QStringLiteral("9");   // no such game: the list is offered
    f.dialog.act = [](StoredGameForm& form) {
        form.mflex_RowChanged(1);
        form.rendben_Click();
    };
    f.flow.kezd_Click();
    ASSERT_EQ(f.dialog.modes, (std::vector<StoredGameMode>{StoredGameMode::Choose}));
    EXPECT_FALSE(f.s.gameRunning);
    EXPECT_TRUE(f.s.panel.mker.visible && f.s.panel.alapall.visible);
    EXPECT_EQ(f.s.storedGameNo, 2);
    EXPECT_EQ(f.s.board.value({0, 2}), kEmpty);
    EXPECT_TRUE(f.messageNumbers().empty());

    f.arrangeAs(map);   // the target itself: two open cells let the start go ahead
    f.flow.kezd_Click();
    ASSERT_TRUE(f.s.gameRunning);
    EXPECT_EQ(f.dialog.modes.size(), 1u);
    f.clickCell({1, 1});   // up into the opening
    EXPECT_TRUE(f.s.gameRunning);
    f.clickCell({0, 1});   // and back: the map is matched
    ASSERT_EQ(f.s.phase, GamePhase::Finished);
    EXPECT_EQ(f.messageNumbers().back(), 6);

    ResultStore results(f.s, f.fp.platform, f.files.folder());
    f.s.panel.neve.caption = QStringLiteral("Anna");
    ASSERT_EQ(results.ment_Click({0, 1, 5}), StoreOutcome::Stored);
    QList<ResultRecord> stored;
    ReadResultsFile(f.files.folder().filePath("eredm.dat"), [&](const ResultRecord& r) { stored << r; });
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored[0].typeCode, QStringLiteral("T"));
    EXPECT_EQ(stored[0].storedGameNo, 2);
    EXPECT_EQ(stored[0].storedGameName, QStringLiteral("Kert"));
    EXPECT_EQ(stored[0].steps, 2);
}

TEST(StoredGames, CancellingTheListStartsNothing) {
    StoredFixture f(4);
    f.files.write(GameRecordBytes(1, 4));
    f.s.panel.kezd.enabled = false;   // as a dialog before may have left it
    f.flow.kezd_Click();
    EXPECT_EQ(f.dialog.modes.size(), 1u);
    EXPECT_FALSE(f.s.gameRunning);
    EXPECT_FALSE(f.s.panel.mker.visible || f.s.panel.alapall.visible);
    EXPECT_TRUE(f.s.panel.kezd.enabled);   // the set-up is restored
}

TEST(StoredGames, NoFileOrNoGameOfThisSizeIsTold) {
    struct Case {
        const char* what;
        std::optional<QByteArray> file;
        int message;
    };
    for (const Case& c : {Case{"no file", std::nullopt, 23}, Case{"other size", GameRecordBytes(1, 5), 24},
                          Case{"only a deleted game", QByteArray(kStoredGameRecordSize, '\0'), 24}}) {
        SCOPED_TRACE(c.what);
        StoredFixture f(4);
        if (c.file) f.files.write(*c.file);
        f.flow.kezd_Click();
        EXPECT_EQ(f.messageNumbers(), (std::vector<int>{c.message}));
        EXPECT_TRUE(f.dialog.modes.empty());
        f.stored.jatek_tor_Click();
        EXPECT_TRUE(f.dialog.modes.empty());
    }
}

TEST(StoredGames, DamagedRecordsAreToldOnce) {
    StoredFixture f(4);
    QByteArray damaged = GameRecordBytes(2, 4);
    damaged[20] = '9';
    f.files.write(GameRecordBytes(1, 4) + damaged);
    f.s.panel.sorsz.caption = QStringLiteral("2");   // the damaged one: not found, the list follows
    f.flow.kezd_Click();
    f.stored.jatek_tor_Click();
    EXPECT_EQ(f.criticalBoxes(), 1);
    EXPECT_EQ(f.fp.messageBox.shown.front().text, StoredGamesDamagedText(1, f.s.texts));
    EXPECT_EQ(f.dialog.modes.size(), 2u);
}

// A new game saved with a start: the player sets the start up on the board, opens
// ring cells and saves it with k_tar; without an open cell nothing is saved.
TEST(StoredGames, ANewGameIsSavedWithTheStartOnTheBoard) {
    StoredFixture f(4);
    f.dialog.act = paintAllAndCapture(QStringLiteral("Kert"));
    f.stored.uj_jatek_Click();
    const PanelControls& c = f.s.panel;
    ASSERT_EQ(f.s.phase, GamePhase::CapturingStart);
    EXPECT_TRUE(c.k_tar.visible && c.Label2.visible && c.megse.visible && c.mker.visible);
    EXPECT_EQ(c.megse.top, 3120);
    EXPECT_FALSE(c.kezd.enabled || c.uj.enabled || c.uj_jatek.enabled || c.sorsz.visible);
    EXPECT_FALSE(c.tipus.visible || c.dimenzio.visible);

    f.stored.k_tar_Click();
    EXPECT_EQ(f.messageNumbers(), (std::vector<int>{11}));
    EXPECT_EQ(f.files.bytes(), QByteArray());

    f.clickCell({0, 2});
    f.clickCell({3, 5});
    const QString start = f.field();
    f.stored.k_tar_Click();
    const StoredGamesScan scan = f.files.scan();
    ASSERT_EQ(scan.games.size(), 1);
    const StoredGame& game = scan.games[0];
    EXPECT_EQ(game.serial, 1);
    EXPECT_EQ(game.name, QStringLiteral("Kert      "));
    EXPECT_EQ(game.shuffle, start);
    QString expectedMap = CyclicMap(4);
    for (int i = 1; i <= 4; ++i) expectedMap.replace(i * 6 + 1, 4, QString(4, QChar(u'0' + i)));
    expectedMap[2] = expectedMap[3 * 6 + 5] = QLatin1Char('0');
    EXPECT_EQ(game.targetMap, expectedMap);
    EXPECT_EQ(f.s.phase, GamePhase::SetUp);
    EXPECT_FALSE(c.k_tar.visible || c.Label2.visible || c.mker.visible);
    EXPECT_TRUE(c.kezd.enabled && c.sorsz.visible);
}

// A start that cannot be written keeps the capture going, so nothing set up is lost.
TEST(StoredGames, AFailedSaveKeepsTheCapture) {
    StoredFixture f(4);
    f.stored.setRename([](const QString&, const QString&) { return false; });
    f.dialog.act = paintAllAndCapture(QStringLiteral("x"));
    f.stored.uj_jatek_Click();
    f.clickCell({0, 2});
    f.clickCell({0, 3});
    f.stored.k_tar_Click();
    EXPECT_EQ(f.criticalBoxes(), 1);
    EXPECT_EQ(f.s.phase, GamePhase::CapturingStart);
    EXPECT_TRUE(f.s.panel.k_tar.visible);
}

// OK in the editor while the file cannot be written keeps the painted game: the
// editor opens again as it was left, and a second OK saves it.
TEST(StoredGames, AFailedSaveReopensTheEditorWithItsWork) {
    StoredFixture f(4);
    bool writable = false;
    f.stored.setRename([&writable](const QString& from, const QString& to) { return writable && RenameOver(from, to); });
    int runs = 0;
    QString painted;
    f.dialog.act = [&](StoredGameForm& form) {
        if (++runs == 1) {
            for (int i = 1; i <= 4; ++i)
                for (int j = 1; j <= 4; ++j) press(form, 4, i, j);
            form.nev_Change(QStringLiteral("Kert"));
            painted = form.controls().mapText;
            form.rendben_Click();
            return;
        }
        EXPECT_EQ(form.controls().mapText, painted);
        EXPECT_EQ(form.controls().nev.caption, QStringLiteral("Kert"));
        EXPECT_TRUE(form.controls().rendben.enabled);
        writable = true;
        form.rendben_Click();
    };
    f.stored.uj_jatek_Click();
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(f.criticalBoxes(), 1);
    const StoredGamesScan scan = f.files.scan();
    ASSERT_EQ(scan.games.size(), 1);
    EXPECT_EQ(scan.games[0].name, QStringLiteral("Kert      "));
    EXPECT_EQ(scan.games[0].targetMap, painted);
}

// A changed game is written over itself: same place, same serial, no start.
TEST(StoredGames, ChangingAGameKeepsItsSerialAndPlace) {
    StoredFixture f(4);
    const QByteArray first = GameRecordBytes(1, 4);
    f.files.write(first + GameRecordBytes(2, 4, "Kert", CyclicStart(4)) + GameRecordBytes(3, 4));
    f.dialog.act = [](StoredGameForm& form) {
        form.mflex_RowChanged(1);
        form.rendben_Click();          // into the editor
        press(form, 4, 1, 1);          // colour 1 freed
        press(form, 4, 1, 2);          // colour 2 freed
        form.szinv_Click(2);
        press(form, 4, 1, 1);
        press(form, 4, 1, 2);
        form.rendben_Click();
    };
    f.stored.jatek_tor_Click();
    const StoredGamesScan scan = f.files.scan();
    ASSERT_EQ(scan.games.size(), 3);
    const StoredGame& changed = scan.games[1];
    EXPECT_EQ(changed.serial, 2);
    EXPECT_EQ(changed.position, 1);
    EXPECT_EQ(changed.name, QStringLiteral("Kert      "));
    EXPECT_FALSE(changed.hasStart());
    EXPECT_EQ(changed.targetMap.mid(7, 2), QStringLiteral("21"));
    EXPECT_EQ(changed.targetMap[1], QLatin1Char('7'));   // the opening became a wall
    EXPECT_EQ(f.files.bytes().left(kStoredGameRecordSize), first);
}

TEST(StoredGames, DeletingThroughTheList) {
    StoredFixture f(4);
    f.files.write(GameRecordBytes(1, 4) + GameRecordBytes(2, 4));
    f.dialog.act = [](StoredGameForm& form) { form.rendben2_Click(); };
    f.fp.messageBox.answers = {MsgAnswer::No};
    f.stored.jatek_tor_Click();
    EXPECT_EQ(f.files.scan().games.size(), 2);

    f.stored.jatek_tor_Click();   // answered Yes
    EXPECT_EQ(f.files.bytes(), QByteArray(kStoredGameRecordSize, '\0') + GameRecordBytes(2, 4));
    EXPECT_FALSE(f.s.panel.mker.visible);
}

TEST(StoredGames, AFullFileIsToldBeforeTheEditorOpens) {
    StoredFixture f(4);
    f.files.write(GameRecordBytes(kMaxStoredGameSerial, 4));
    f.stored.uj_jatek_Click();
    EXPECT_TRUE(f.dialog.modes.empty());
    EXPECT_EQ(f.fp.messageBox.shown.back().text, StoredGamesFullText(f.s.texts));
}
