#include "FakePlatform.h"
#include "app/gui/MainWindow.h"
#include "results/gui/StatisticsWindow.h"
#include "support/ResultsFixture.h"
#include "support/gui/ModalHelper.h"
#include <QAction>
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
