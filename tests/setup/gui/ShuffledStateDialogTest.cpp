// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/GameState.h"
#include "presentation/BoardLayout.h"
#include "setup/gui/ShuffledStateDialog.h"
#include "setup/gui/ShuffledStatePreview.h"
#include "support/FakePlatform.h"
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

enum class Type { Numbers, Diagonal, RandomColours, Stored };

// Ranks 1..n² shifted by `shift` places, then row digits rising and column digits
// falling (rotated by `shift` too), so neighbouring states differ everywhere.
QByteArray cellsFor(int n, int shift) {
    QByteArray cells;
    for (int p = 0; p < n * n; ++p) cells.append(static_cast<char>((p + shift) % (n * n) + 1));
    for (int i = 0; i < n; ++i) cells.append(static_cast<char>('1' + (i + shift) % n));
    for (int j = 0; j < n; ++j) cells.append(static_cast<char>('0' + n - (j + shift) % n));
    return cells.leftJustified(48, ' ');
}

class ShuffledStateDialogTest : public ::testing::Test {
protected:
    void build(int n, Type type) {
        s.panel.szamsor.checked = type == Type::Numbers;
        s.panel.atlos.checked = type == Type::Diagonal;
        s.panel.generalt.checked = type == Type::RandomColours;
        s.panel.tarolt.checked = type == Type::Stored;
        BuildBoard(s, fp.random, n + 2);
        for (int no : {32, 33, 41, 46, 47, 48}) s.texts.messages[no] = QStringLiteral("m%1").arg(no);
        states = {{2, cellsFor(n, 0)}, {5, cellsFor(n, 1)}, {9, cellsFor(n, 2)}};
    }

    // The colour the preview should show for field cell (row, col) of `cells`.
    int expectedColour(const QByteArray& cells, int n, int row, int col) const {
        const int rank = static_cast<unsigned char>(cells[(row - 1) * n + col - 1]);
        return (rank - 1) / n + 1;
    }

    void expectPreviewOf(const ShuffledStateDialog& d, int stateIndex) {
        const int n = s.N();
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                ASSERT_EQ(d.preview()->cellColourIndex(i, j),
                          expectedColour(states[stateIndex].cells, n, i, j))
                    << "state " << stateIndex << " cell " << i << "," << j;
    }

    FakePlatform fp;
    GameState s;
    QList<ShuffledStateEntry> states;
};

} // namespace

TEST_F(ShuffledStateDialogTest, CaptionsListAndHelpFollowTheMode) {
    build(5, Type::Diagonal);
    struct Case {
        int mode;
        const char* title;
        bool labelShown;
        int helpTopic;
    };
    for (const Case& c : {Case{ChooserMode::Load, "m46", false, 12},
                          Case{ChooserMode::Overwrite, "m47", true, 11}}) {
        SCOPED_TRACE(c.title);
        ShuffledStateDialog d(s, c.mode, states);
        std::vector<int> helpAsked;
        d.setHelpHook([&](int topic) { helpAsked.push_back(topic); });
        d.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
        d.activateWindow();

        EXPECT_EQ(d.windowTitle(), QString::fromLatin1(c.title));
        EXPECT_EQ(d.overwriteLabel()->isVisible(), c.labelShown);
        EXPECT_EQ(d.overwriteLabel()->text(), QStringLiteral("m48"));
        EXPECT_EQ(d.okButton()->text(), QStringLiteral("m33"));
        EXPECT_EQ(d.cancelButton()->text(), QStringLiteral("m32"));
        QAbstractItemModel* model = d.grid()->model();
        EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("m41"));
        ASSERT_EQ(model->rowCount(), 3);
        EXPECT_EQ(model->index(0, 0).data().toString(), QStringLiteral("2"));
        EXPECT_EQ(model->index(2, 0).data().toString(), QStringLiteral("9"));
        EXPECT_TRUE(d.grid()->isColumnHidden(1));

        QTest::keyClick(d.grid(), Qt::Key_F1);
        EXPECT_EQ(helpAsked, std::vector<int>{c.helpTopic});
        EXPECT_TRUE(d.isVisible());   // help does not close the chooser
    }
}

TEST_F(ShuffledStateDialogTest, ArrowKeysMoveThePreviewThroughEveryRow) {
    build(4, Type::RandomColours);
    ShuffledStateDialog d(s, ChooserMode::Load, states);
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));

    EXPECT_EQ(d.selectedRow(), 0);
    expectPreviewOf(d, 0);
    QTest::keyClick(d.grid(), Qt::Key_Down);
    expectPreviewOf(d, 1);
    QTest::keyClick(d.grid(), Qt::Key_Down);
    expectPreviewOf(d, 2);
    QTest::keyClick(d.grid(), Qt::Key_Up);
    expectPreviewOf(d, 1);
    EXPECT_EQ(d.selectedRow(), 1);
    EXPECT_EQ(d.preview()->rowMarkerColourIndex(1), 2);   // cellsFor(4, 1): rows "2341"
    EXPECT_EQ(d.preview()->colMarkerColourIndex(1), 3);   // columns "3214"
}

TEST_F(ShuffledStateDialogTest, MarkerSquaresShowWhatTheTypeUses) {
    struct Case {
        Type type;
        bool rows;
        bool cols;
    };
    for (const Case& c : {Case{Type::Numbers, false, false}, Case{Type::Stored, false, false},
                          Case{Type::Diagonal, true, false}, Case{Type::RandomColours, true, true}}) {
        build(6, c.type);
        ShuffledStateDialog d(s, ChooserMode::Load, states);
        const ShuffledStatePreview& p = *d.preview();
        EXPECT_EQ(p.rowMarkersShown(), c.rows);
        EXPECT_EQ(p.colMarkersShown(), c.cols);
        for (int i = 1; i <= 6; ++i) {
            EXPECT_EQ(p.rowMarkerColourIndex(i), c.rows ? i : 0);
            EXPECT_EQ(p.colMarkerColourIndex(i), c.cols ? 7 - i : 0);
        }
    }
}

TEST_F(ShuffledStateDialogTest, EnterAndDoubleClickAcceptEscapeCancels) {
    build(5, Type::Diagonal);
    {
        ShuffledStateDialog d(s, ChooserMode::Load, states);
        d.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
        QTest::keyClick(d.grid(), Qt::Key_Down);
        QTest::keyClick(d.grid(), Qt::Key_Return);
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(d.selectedRow(), 1);
    }
    {
        ShuffledStateDialog d(s, ChooserMode::Load, states);
        d.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
        QTableView* grid = d.grid();
        const QPoint third = grid->visualRect(grid->model()->index(2, 0)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, third);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, third);
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(d.selectedRow(), 2);
    }
    {
        ShuffledStateDialog d(s, ChooserMode::Overwrite, states);
        d.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
        QTest::keyClick(d.grid(), Qt::Key_Escape);
        EXPECT_EQ(d.result(), QDialog::Rejected);
        EXPECT_FALSE(d.isVisible());
    }
}

// The chooser the logic calls shows the dialog modally and hands back the row.
TEST_F(ShuffledStateDialogTest, ChooserReturnsTheAcceptedRowOrNothing) {
    build(4, Type::Numbers);
    QtShuffledStateChooser chooser;
    auto answerWith = [](QList<Qt::Key> keys) {
        QTimer::singleShot(0, [keys] {
            auto* d = qobject_cast<ShuffledStateDialog*>(QApplication::activeModalWidget());
            if (!d) return;
            for (Qt::Key key : keys) QTest::keyClick(d->grid(), key);
        });
    };
    answerWith({Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter});
    EXPECT_EQ(chooser.choose(s, ChooserMode::Load, states), std::optional<int>(2));
    answerWith({Qt::Key_Down, Qt::Key_Escape});
    EXPECT_EQ(chooser.choose(s, ChooserMode::Overwrite, states), std::nullopt);
}

// The id column is as wide as its heading needs, whatever the heading's language.
TEST_F(ShuffledStateDialogTest, TheIdHeadingIsNotClipped) {
    build(4, Type::Numbers);
    for (const char* heading : {"Szám", "Number", "Sorszám"}) {
        SCOPED_TRACE(heading);
        s.texts.messages[41] = QString::fromUtf8(heading);
        ShuffledStateDialog d(s, ChooserMode::Load, states);
        d.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
        QHeaderView* header = d.grid()->horizontalHeader();
        EXPECT_GE(d.grid()->columnWidth(0), header->sectionSizeHint(0));
        EXPECT_GE(d.grid()->viewport()->width(), d.grid()->columnWidth(0));
    }
}
