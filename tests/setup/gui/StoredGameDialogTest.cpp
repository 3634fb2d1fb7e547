// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/gui/BallPainter.h"
#include "presentation/gui/ColourSymbolItem.h"
#include "setup/TargetMapText.h"
#include "setup/gui/StoredGameDialog.h"
#include "support/BoardFixture.h"
#include "support/StoredGamesFixture.h"
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <set>

namespace {

struct DialogFixture : BoardFixture {
    DialogFixture() : BoardFixture(Type::Stored, 4) { s.texts.messages = QStringList(172, QStringLiteral("m")); }

    void open(StoredGameDialog& d) {
        d.show();
        d.activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&d);
    }
    QPoint cellPoint(const StoredGameDialog& d, int row, int col) const {
        const int side = MapCellSide(4);
        return d.mapPoint(side * col + side / 2, side * row + side / 2);
    }
    QColor shownAt(StoredGameDialog& d, int row, int col) const {
        const QImage picture = d.map()->grab().toImage();
        return picture.pixelColor(cellPoint(d, row, col) * picture.devicePixelRatio());
    }
    QList<StoredGame> games() const {
        QList<StoredGame> list;
        for (int serial : {1, 2, 3})
            list << *StoredGameOf(*MakeStoredGameRecord(serial, 4, "g", CyclicMap(4, {{0, serial}}), {}), serial - 1);
        return list;
    }
};

} // namespace

// The palette and the map take real clicks: a press on a palette row selects its
// colour, a press on a cell paints it (and shows it), a press on a painted cell frees it.
TEST(StoredGameDialog, TheEditorPaintsWithTheMouse) {
    DialogFixture f;
    StoredGameForm form(f.s, f.fp.platform, StoredGameMode::Create);
    StoredGameDialog d(f.s, form);
    f.open(d);
    auto* ok = d.findChild<QPushButton*>("rendben");
    const int side = MapCellSide(4);
    QTest::mouseClick(d.palette(), Qt::LeftButton, {}, d.palettePoint(kPaletteRect.width() - 80, side * 3 + side / 2));
    EXPECT_TRUE(d.findChild<QRadioButton*>("szinv3")->isChecked());
    QTest::mouseClick(d.map(), Qt::LeftButton, {}, f.cellPoint(d, 1, 1));
    EXPECT_EQ(f.shownAt(d, 1, 1), colourFromValue(f.s.tileColours[3]));
    QTest::mouseClick(d.map(), Qt::LeftButton, {}, f.cellPoint(d, 1, 1));
    EXPECT_EQ(f.shownAt(d, 1, 1), colourFromValue(f.s.tileColours[0]));

    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 4; ++j) {
            EXPECT_FALSE(ok->isEnabled());
            QTest::mouseClick(d.map(), Qt::LeftButton, {}, f.cellPoint(d, i, j));
        }
    ASSERT_TRUE(ok->isEnabled());
    QTest::keyClicks(d.findChild<QLineEdit*>("nev"), "Kert");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(form.action(), StoredGameAction::SaveWithoutStart);
    EXPECT_EQ(form.edited().name, QStringLiteral("Kert"));
}

// In the chooser the arrow keys move the preview, Enter or a double click choose,
// Esc chooses nothing.
TEST(StoredGameDialog, TheChooserTakesKeysAndClicks) {
    DialogFixture f;
    {
        StoredGameForm form(f.s, f.fp.platform, StoredGameMode::Choose, f.games());
        StoredGameDialog d(f.s, form);
        f.open(d);
        ASSERT_EQ(QApplication::focusWidget(), d.grid());
        EXPECT_EQ(f.shownAt(d, 0, 1), colourFromValue(f.s.tileColours[0]));
        QTest::keyClick(d.grid(), Qt::Key_Down);
        EXPECT_EQ(form.currentRow(), 1);
        EXPECT_EQ(f.shownAt(d, 0, 1), colourFromValue(f.s.tileColours[7]));
        EXPECT_EQ(f.shownAt(d, 0, 2), colourFromValue(f.s.tileColours[0]));
        QTest::keyClick(d.grid(), Qt::Key_Return);
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(form.chosen()->serial, 2);
    }
    {
        StoredGameForm form(f.s, f.fp.platform, StoredGameMode::Choose, f.games());
        StoredGameDialog d(f.s, form);
        f.open(d);
        const QPoint third = d.grid()->visualRect(d.grid()->model()->index(2, 2)).center();
        QTest::mouseClick(d.grid()->viewport(), Qt::LeftButton, {}, third);
        QTest::mouseDClick(d.grid()->viewport(), Qt::LeftButton, {}, third);
        EXPECT_EQ(form.action(), StoredGameAction::Play);
        EXPECT_EQ(form.chosen()->serial, 3);
    }
    {
        StoredGameForm form(f.s, f.fp.platform, StoredGameMode::Choose, f.games());
        StoredGameDialog d(f.s, form);
        f.open(d);
        QTest::keyClick(d.grid(), Qt::Key_Escape);
        EXPECT_EQ(d.result(), QDialog::Rejected);
        EXPECT_EQ(form.action(), StoredGameAction::Cancelled);
        EXPECT_TRUE(form.restoresSetUp());
    }
}

TEST(StoredGameDialog, F1AsksForTheSectionOfTheMode) {
    DialogFixture f;
    for (StoredGameMode mode : {StoredGameMode::Choose, StoredGameMode::Create, StoredGameMode::ChooseToChange}) {
        StoredGameForm form(f.s, f.fp.platform, mode, f.games());
        StoredGameDialog d(f.s, form);
        std::vector<int> asked;
        d.setHelpHook([&](int topic) { asked.push_back(topic); });
        f.open(d);
        QTest::keyClick(&d, Qt::Key_F1);
        EXPECT_EQ(asked, (std::vector<int>{form.helpTopic()}));
        EXPECT_TRUE(d.isVisible());
    }
}

// With symbols on the colours, the map shows the symbol of every painted cell's colour,
// as the board's map does.
TEST(StoredGameDialog, TheMapShowsTheSymbolsOfItsColours) {
    DialogFixture f;
    StoredGameForm form(f.s, f.fp.platform, StoredGameMode::Choose, f.games());
    StoredGameDialog d(f.s, form);
    auto symbolsShown = [&d] {
        std::multiset<int> colours;
        for (QGraphicsItem* item : qobject_cast<QGraphicsView*>(d.map()->parentWidget())->scene()->items())
            if (item->type() == ColourSymbolItem::Type && item->isVisible())
                colours.insert(static_cast<ColourSymbolItem*>(item)->colourIndex());
        return colours;
    };
    EXPECT_TRUE(symbolsShown().empty());
    d.setColourSymbols(true);
    const std::multiset<int> expected{1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4};
    EXPECT_EQ(symbolsShown(), expected);
}

namespace {

// The name's caption is shown whole, in either language, and the name box beside it
// starts after its last letter.
TEST(StoredGameDialog, TheNameCaptionIsNotCutOff) {
    for (const char* caption : {"Tárolt játék neve:", "Name of the stored game:"}) {
        DialogFixture f;
        f.s.texts.messages[40] = QString::fromUtf8(caption);
        StoredGameForm form(f.s, f.fp.platform, StoredGameMode::Create);
        StoredGameDialog d(f.s, form);
        f.open(d);
        auto* label = d.findChild<QLabel*>(QStringLiteral("Label1"));
        auto* nev = d.findChild<QLineEdit*>(QStringLiteral("nev"));
        ASSERT_TRUE(label && nev);
        ASSERT_EQ(label->text(), QString::fromUtf8(caption));
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << caption;
        EXPECT_LE(label->geometry().right(), nev->geometry().left()) << caption;
        EXPECT_GE(nev->width(), nev->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWWWWWW")) / 2) << caption;
    }
}

} // namespace
