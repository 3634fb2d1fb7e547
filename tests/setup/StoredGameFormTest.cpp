// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/StoredGameForm.h"
#include "setup/TargetMapText.h"
#include "support/BoardFixture.h"
#include "support/StoredGamesFixture.h"
#include <gtest/gtest.h>

namespace {

using Type = BoardFixture::Type;

// Presses the map on the centre of cell (row, col).
void press(StoredGameForm& form, int n, int row, int col) {
    const int side = MapCellSide(n);
    form.mker_MouseDown(side * col + side / 2, side * row + side / 2);
}

void paintAll(StoredGameForm& form, int n) {
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) press(form, n, i, j);
}

QString fieldOf(const QString& map, int n) {
    QString field;
    for (int i = 1; i <= n; ++i) field += map.mid(i * (n + 2) + 1, n) + QLatin1Char('/');
    return field;
}

StoredGame gameOf(int serial, int n, const QString& name, const QString& map, const QString& start = {}) {
    return *StoredGameOf(*MakeStoredGameRecord(serial, n, name, map, start), serial - 1);
}

struct FormFixture : BoardFixture {
    explicit FormFixture(int n = 4) : BoardFixture(Type::Stored, n) {
        s.texts.messages = QStringList(172, QString());
        for (int no : {32, 33, 36, 37, 38, 39, 40, 45}) s.texts.messages[no] = QStringLiteral("m%1").arg(no);
    }
};

} // namespace

TEST(StoredGameForm, EachModeHasItsTitleAndHelp) {
    FormFixture f;
    f.s.panel.uj_jatek.caption = QStringLiteral("create");
    f.s.panel.jatek_tor.caption = QStringLiteral("change");
    const QList<StoredGame> games{gameOf(1, 4, "a", CyclicMap(4))};
    struct Case {
        StoredGameMode mode;
        const char* title;
        int help;
        const char* ok;
        bool grid;
        bool rendben2;
    };
    for (const Case& c : {Case{StoredGameMode::Choose, "m45", 7, "m33", true, false},
                          Case{StoredGameMode::Create, "create", 3, "m39", false, true},
                          Case{StoredGameMode::ChooseToChange, "change", 4, "m37", true, true}}) {
        SCOPED_TRACE(c.title);
        StoredGameForm form(f.s, f.fp.platform, c.mode, games);
        const StoredGameControls& ctl = form.controls();
        EXPECT_EQ(ctl.title, c.title);
        EXPECT_EQ(form.helpTopic(), c.help);
        EXPECT_EQ(ctl.rendben.caption, c.ok);
        EXPECT_EQ(ctl.mflex.visible, c.grid);
        EXPECT_EQ(ctl.nev.visible && ctl.szkeret.visible, !c.grid);
        EXPECT_EQ(ctl.rendben2.visible, c.rendben2);
    }
}

// A new 4 x 4 game: OK and the save with a start become possible exactly with the
// sixteenth painted cell; a press on a painted cell takes them back and returns its
// colour to the palette.
TEST(StoredGameForm, SavingIsOfferedExactlyWhenEveryCellIsPainted) {
    FormFixture f;
    StoredGameForm form(f.s, f.fp.platform, StoredGameMode::Create);
    const StoredGameControls& c = form.controls();
    for (int v = 1; v <= 4; ++v) EXPECT_EQ(form.paletteSquaresLeft(v), 4);
    for (int k = 1; k <= 16; ++k) {
        EXPECT_FALSE(c.rendben.enabled || c.rendben2.enabled) << k;
        press(form, 4, (k - 1) / 4 + 1, (k - 1) % 4 + 1);
    }
    EXPECT_TRUE(c.rendben.enabled && c.rendben2.enabled);
    // The selected colour is used up, then the next one is taken: a colour per row.
    EXPECT_EQ(fieldOf(c.mapText, 4), QStringLiteral("1111/2222/3333/4444/"));
    EXPECT_EQ(c.map.shapeAt(2, 3)->fillColour, f.s.tileColours[2]);

    press(form, 4, 2, 3);
    EXPECT_FALSE(c.rendben.enabled || c.rendben2.enabled);
    EXPECT_EQ(form.selectedColour(), 2);
    EXPECT_EQ(form.paletteSquaresLeft(2), 1);
    EXPECT_EQ(c.map.shapeAt(2, 3)->fillColour, f.s.tileColours[0]);
    press(form, 4, 2, 3);
    EXPECT_TRUE(c.rendben.enabled);

    // The ring and the space beside the map take no paint.
    const QString before = c.mapText;
    press(form, 4, 0, 2);
    press(form, 4, 3, 5);
    form.mker_MouseDown(1990, 100);
    EXPECT_EQ(c.mapText, before);
}

// A press on an unpainted cell paints with the selected colour, or with the next one
// (cyclically) that still has squares, and selects that one.
TEST(StoredGameForm, TheColourComesCyclicallyFromTheSelectedOne) {
    struct Case {
        int selected;
        std::vector<int> usedUp;
        int painted;
    };
    const Case cases[] = {{2, {}, 2}, {2, {2}, 3}, {4, {4, 1}, 2}, {3, {3, 4}, 1}, {1, {2, 3, 4}, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected);
        FormFixture f;
        StoredGameForm form(f.s, f.fp.platform, StoredGameMode::Create);
        int k = 0;
        for (int colour : c.usedUp) {
            form.szinv_Click(colour);
            for (int m = 0; m < 4; ++m, ++k) press(form, 4, k / 4 + 1, k % 4 + 1);
        }
        form.szinv_Click(c.selected);
        press(form, 4, k / 4 + 1, k % 4 + 1);
        EXPECT_EQ(MapDigit(form.controls().mapText, 4, k / 4 + 1, k % 4 + 1), c.painted);
        EXPECT_EQ(form.selectedColour(), c.painted);
        EXPECT_TRUE(form.controls().szinv[c.painted].checked);
    }
}

TEST(StoredGameForm, APressOnThePaletteSelectsTheColourOfItsRow) {
    FormFixture f(5);
    StoredGameForm form(f.s, f.fp.platform, StoredGameMode::Create);
    const int side = MapCellSide(5);
    form.szkeret_MouseDown(side * 3 + 5);
    EXPECT_EQ(form.selectedColour(), 3);
    form.szkeret_MouseDown(side / 2);       // above the first row
    form.szkeret_MouseDown(side * 6 + 5);   // below the last
    EXPECT_EQ(form.selectedColour(), 3);
}

// The name: an empty one is asked about (No goes back to the box), a long one is cut
// to 10 characters, and one with a character that cannot be stored is refused.
TEST(StoredGameForm, TheNameIsCheckedBeforeSaving) {
    FormFixture f;
    StoredGameForm form(f.s, f.fp.platform, StoredGameMode::Create);
    paintAll(form, 4);
    form.takeFocusRequest();
    f.fp.messageBox.answers = {MsgAnswer::No};
    form.rendben_Click();
    EXPECT_FALSE(form.closed());
    EXPECT_EQ(f.fp.messageBox.shown.back().messageNo, 44);
    EXPECT_EQ(form.takeFocusRequest(), QStringLiteral("nev"));

    form.nev_Change(QString::fromUtf8("Kert \u263A"));
    form.rendben_Click();
    EXPECT_FALSE(form.closed());
    EXPECT_EQ(f.fp.messageBox.shown.back().icon, MsgIcon::Critical);

    form.nev_Change(QString::fromUtf8("Hosszú kert neve"));
    form.rendben2_Click();
    ASSERT_TRUE(form.closed());
    EXPECT_EQ(form.action(), StoredGameAction::CaptureStart);
    EXPECT_FALSE(form.restoresSetUp());
    EXPECT_EQ(form.edited().name, QString::fromUtf8("Hosszú ker"));
    EXPECT_EQ(form.edited().targetMap, form.controls().mapText);
    EXPECT_FALSE(form.edited().original);
}

// The chooser previews the selected game's map, openings in the hole colour; OK
// chooses it, cancel chooses nothing.
TEST(StoredGameForm, TheChooserPreviewsAndChooses) {
    FormFixture f;
    const QList<StoredGame> games{gameOf(1, 4, "a", CyclicMap(4, {{0, 1}})),
                                  gameOf(2, 4, "b", CyclicMap(4, {{5, 4}}))};
    StoredGameForm form(f.s, f.fp.platform, StoredGameMode::Choose, games);
    EXPECT_EQ(form.controls().mapText, games[0].targetMap);
    EXPECT_EQ(form.controls().map.shapeAt(0, 1)->fillColour, f.s.tileColours[0]);
    form.mflex_RowChanged(1);
    EXPECT_EQ(form.controls().map.shapeAt(0, 1)->fillColour, f.s.tileColours[7]);
    EXPECT_EQ(form.controls().map.shapeAt(5, 4)->fillColour, f.s.tileColours[0]);
    form.mker_MouseDown(500, 500);   // the preview takes no paint
    EXPECT_EQ(form.controls().mapText, games[1].targetMap);
    form.rendben_Click();
    ASSERT_TRUE(form.closed());
    EXPECT_EQ(form.action(), StoredGameAction::Play);
    EXPECT_EQ(form.chosen()->serial, 2);
    EXPECT_FALSE(form.restoresSetUp());

    StoredGameForm cancelled(f.s, f.fp.platform, StoredGameMode::Choose, games);
    cancelled.megse_Click();
    EXPECT_TRUE(cancelled.closed());
    EXPECT_EQ(cancelled.action(), StoredGameAction::Cancelled);
    EXPECT_TRUE(cancelled.restoresSetUp());
}

// OK in the list of games to change opens the editor with the game: its name, its
// map with the openings walled, every colour in use; saving then names the game.
TEST(StoredGameForm, ChangingOpensTheEditorWithTheGame) {
    FormFixture f;
    const QList<StoredGame> games{gameOf(1, 4, "Kert", CyclicMap(4, {{0, 1}}), CyclicStart(4)),
                                  gameOf(2, 4, "Tó", CyclicMap(4))};
    for (int row : {0, 1}) {
        SCOPED_TRACE(row);
        StoredGameForm form(f.s, f.fp.platform, StoredGameMode::ChooseToChange, games);
        form.mflex_RowChanged(row);
        form.takeFocusRequest();
        form.rendben_Click();
        const StoredGameControls& c = form.controls();
        ASSERT_FALSE(form.closed());
        EXPECT_EQ(form.mode(), StoredGameMode::Edit);
        EXPECT_EQ(form.helpTopic(), 4);
        EXPECT_EQ(c.nev.caption, games[row].name.trimmed());
        EXPECT_EQ(c.mapText, CyclicMap(4));
        EXPECT_EQ(c.rendben.caption, "m39");
        EXPECT_EQ(c.rendben2.caption, "m38");
        EXPECT_EQ(c.megse.top, 1200);
        EXPECT_TRUE(c.rendben.enabled && c.rendben2.enabled);
        EXPECT_EQ(form.paletteSquaresLeft(1), 0);
        // The start is the likely thing to set again when the game had one.
        EXPECT_EQ(form.takeFocusRequest(), row == 0 ? "rendben2" : "rendben");

        form.rendben_Click();
        ASSERT_TRUE(form.closed());
        EXPECT_EQ(form.action(), StoredGameAction::SaveWithoutStart);
        ASSERT_TRUE(form.edited().original);
        EXPECT_EQ(form.edited().original->serial, games[row].serial);
    }
}

TEST(StoredGameForm, DeletingAsksFirst) {
    FormFixture f;
    const QList<StoredGame> games{gameOf(1, 4, "a", CyclicMap(4)), gameOf(2, 4, "b", CyclicMap(4))};
    StoredGameForm form(f.s, f.fp.platform, StoredGameMode::ChooseToChange, games);
    form.mflex_RowChanged(1);
    f.fp.messageBox.answers = {MsgAnswer::No, MsgAnswer::Yes};
    form.rendben2_Click();
    EXPECT_FALSE(form.closed());
    EXPECT_EQ(f.fp.messageBox.shown.back().messageNo, 43);
    form.rendben2_Click();
    ASSERT_TRUE(form.closed());
    EXPECT_EQ(form.action(), StoredGameAction::Delete);
    EXPECT_EQ(form.chosen()->serial, 2);
    EXPECT_TRUE(form.restoresSetUp());
}
