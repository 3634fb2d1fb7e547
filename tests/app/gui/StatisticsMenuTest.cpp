// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakePlatform.h"
#include "app/gui/MainWindow.h"
#include "results/gui/ProgressChart.h"
#include "results/gui/ProgressView.h"
#include "results/gui/StatisticsWindow.h"
#include "support/ResultsFixture.h"
#include "support/gui/ModalHelper.h"
#include <QAction>
#include <QTabWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

TEST(MainWindowStatistics, MenuOpensTheStatisticsOfTheCurrentMode) {
    QTemporaryDir dir;
    FakePlatform fp;
    MainWindow window(fp.platform, QDir(dir.path()));
    window.Form_Load();
    window.show();
    auto* stmegj = window.findChild<QAction*>("stmegj");
    ASSERT_NE(stmegj, nullptr);

    // No results yet: message 2, no window.
    const size_t before = fp.messageBox.shown.size();   // the folder has no language file to tell of
    stmegj->trigger();
    ASSERT_EQ(fp.messageBox.shown.size(), before + 1);
    EXPECT_EQ(fp.messageBox.shown.back().messageNo, 2);
    EXPECT_EQ(fp.messageBox.shown.back().icon, MsgIcon::Information);

    ASSERT_TRUE(WriteResultsFixture(QDir(dir.path()).filePath("eredm.dat"), {{"Anna"}}));
    QString shown;
    WhenModalShown(
        [&](QWidget* modal) {
            auto* stat = qobject_cast<StatisticsWindow*>(modal);
            ASSERT_NE(stat, nullptr);
            shown = stat->textBox()->toPlainText();
            QTest::keyClick(stat->textBox(), Qt::Key_Escape);
        },
        &window);
    stmegj->trigger();
    EXPECT_TRUE(shown.contains("Anna"));
    EXPECT_EQ(fp.messageBox.shown.size(), before + 1);
}

// "Fejlődés" beside "Statisztika" opens the same window on its chart, which the
// window draws from the chart module beside the program.
TEST(MainWindowStatistics, ProgressMenuOpensTheWindowOnTheChart) {
    QTemporaryDir dir;
    FakePlatform fp;
    MainWindow window(fp.platform, QDir(dir.path()));
    window.Form_Load();
    window.show();
    auto* fejlodes = window.findChild<QAction*>("fejlodes");
    ASSERT_NE(fejlodes, nullptr);
    EXPECT_EQ(fejlodes->text(), QString::fromUtf8("Fejlődés"));

    ASSERT_TRUE(WriteResultsFixture(QDir(dir.path()).filePath("eredm.dat"), {{"Anna"}, {"Anna", "V", 4, 1, 40}}));
    int view = -1;
    std::size_t drawn = 0;
    WhenModalShown(
        [&](QWidget* modal) {
            auto* stat = qobject_cast<StatisticsWindow*>(modal);
            ASSERT_NE(stat, nullptr);
            view = stat->views()->currentIndex();
            ASSERT_NE(stat->progressView()->chart(), nullptr);
            drawn = stat->progressView()->chart()->drawnGamePoints();
            QTest::keyClick(stat, Qt::Key_Escape);
        },
        &window);
    fejlodes->trigger();
    EXPECT_EQ(view, 1);
    EXPECT_EQ(drawn, 2u);
}
