// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Symbols on the colours: the menu item puts the symbol of its colour on every colour
// tile, row and column marker and target map cell, in both looks, and the choice is
// kept for the next start.
#include "FakePlatform.h"
#include "app/gui/MainWindow.h"
#include "presentation/DisplayOptionsFile.h"
#include "presentation/gui/BoardScene.h"
#include "presentation/gui/ColourSymbolItem.h"
#include <QAction>
#include <QAbstractButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <set>

namespace {

struct Symbol {
    QPointF centre;   // scene coordinates
    int colourIndex;
};

std::vector<Symbol> shownSymbols(MainWindow& window) {
    std::vector<Symbol> symbols;
    for (QGraphicsItem* item : window.boardScene().items()) {
        if (item->type() != ColourSymbolItem::Type || !item->isVisible()) continue;
        const auto* symbol = static_cast<const ColourSymbolItem*>(item);
        symbols.push_back({symbol->sceneBoundingRect().center(), symbol->colourIndex()});
    }
    return symbols;
}

// Where the state says a symbol belongs: the centre of every visible colour tile and
// marker and of every map cell in a tile colour, with that colour.
std::vector<Symbol> expectedSymbols(const GameState& s) {
    std::vector<Symbol> expected;
    const auto add = [&](const ShapeControl& shape, int colourIndex, QPointF offset) {
        const QRectF box(shape.left, shape.top, shape.width, shape.height);
        if (shape.visible && colourIndex >= 1 && colourIndex <= 6)
            expected.push_back({box.center() + offset, colourIndex});
    };
    const QPointF window(-kFrameLeft, -kFrameTop);   // markers lie in window coordinates
    if (!s.numberTypeSelected())
        for (size_t k = 1; k < s.controls.tiles.size(); ++k)
            add(s.controls.tiles[k], s.controls.tiles[k].colourIndex, {});
    for (const auto* markers : {&s.controls.rowMarkers, &s.controls.colMarkers})
        for (size_t i = 1; i < markers->size(); ++i)
            add((*markers)[i], (*markers)[i].colourIndex, window);
    if (s.panel.mker.visible) {
        for (const MapShape& m : s.targetMap.shapes) {
            int colour = 0;
            for (int i = 1; i <= 6; ++i)
                if (s.tileColours[static_cast<size_t>(i)] == m.fillColour) colour = i;
            const ShapeControl cell{6165 + m.left, 470 + m.top, m.width, m.height, m.visible};
            add(cell, colour, window);
        }
    }
    return expected;
}

// Every symbol where it belongs and nowhere else; returns the colours seen.
std::set<int> expectSymbolsWhereTheColoursAre(MainWindow& window, const char* when) {
    const std::vector<Symbol> shown = shownSymbols(window);
    const std::vector<Symbol> expected = expectedSymbols(window.state());
    EXPECT_EQ(shown.size(), expected.size()) << when;
    std::set<int> colours;
    for (const Symbol& e : expected) {
        const bool found = std::any_of(shown.begin(), shown.end(), [&](const Symbol& s) {
            return s.colourIndex == e.colourIndex && QLineF(s.centre, e.centre).length() < 2;
        });
        EXPECT_TRUE(found) << when << ": colour " << e.colourIndex << " at " << e.centre.x() << ","
                           << e.centre.y();
        colours.insert(e.colourIndex);
    }
    return colours;
}

const std::set<int> kAllColours{1, 2, 3, 4, 5, 6};

void click(MainWindow& window, const char* button) {
    auto* target = window.findChild<QAbstractButton*>(QString::fromLatin1(button));
    QTest::mouseClick(target, Qt::LeftButton);
}

TEST(ColourSymbols, TheMenuItemMarksEveryColourInBothLooksAndIsKept) {
    // As an installed game: the player's files apart from the shipped ones.
    QTemporaryDir dir;
    const QString folder = dir.path();
    const GameFolders folders(QDir(folder), QDir(qEnvironmentVariable("ZK_DATA_DIR", "data")));
    FakePlatform fp;
    {
        MainWindow window(fp.platform, folders);
        window.Form_Load();
        window.show();
        auto* item = window.findChild<QAction*>(QStringLiteral("szimbolum"));
        ASSERT_TRUE(item);
        EXPECT_EQ(item->text(), QString::fromUtf8("Szimbólumok a színeken"));
        EXPECT_FALSE(item->isChecked());
        click(window, "Option3");
        EXPECT_TRUE(shownSymbols(window).empty());

        item->trigger();
        EXPECT_TRUE(item->isChecked());
        auto* hdim = window.findChild<QAction*>(QStringLiteral("hdim"));
        for (const bool look3D : {true, false}) {
            ASSERT_EQ(window.state().look3D, look3D);
            const char* look = look3D ? "3D look" : "flat look";
            EXPECT_EQ(expectSymbolsWhereTheColoursAre(window, look), kAllColours) << look;
            hdim->trigger();
        }
        // The number type shows numbers, not symbols, on its tiles.
        click(window, "szamsor");
        ASSERT_TRUE(window.state().numberTypeSelected());
        expectSymbolsWhereTheColoursAre(window, "number type");

        // A target map of 6 x 6 holds every colour six times.
        click(window, "generalt");
        click(window, "vminta");
        ASSERT_TRUE(window.state().panel.mker.visible);
        EXPECT_EQ(expectSymbolsWhereTheColoursAre(window, "target map"), kAllColours);
    }
    EXPECT_TRUE(ReadDisplayOptions(QDir(folder)).colourSymbols);
    EXPECT_TRUE(folders.player.exists("param.dat"));
    EXPECT_FALSE(folders.shipped.exists(kDisplayOptionsFileName))
        << "nothing is written among the shipped files";

    // The next start shows them at once; switching off takes them all away.
    MainWindow again(fp.platform, folders);
    again.Form_Load();
    auto* item = again.findChild<QAction*>(QStringLiteral("szimbolum"));
    EXPECT_TRUE(item->isChecked());
    EXPECT_FALSE(shownSymbols(again).empty());
    item->trigger();
    EXPECT_TRUE(shownSymbols(again).empty());
    EXPECT_FALSE(ReadDisplayOptions(QDir(folder)).colourSymbols);
}

} // namespace
