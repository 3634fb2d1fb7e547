// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/GameState.h"
#include "presentation/LanguageFile.h"
#include "files/CodePage1250.h"
#include "results/ResultsList.h"
#include "results/gui/ListFileDialog.h"
#include "results/gui/ListOutput.h"
#include "results/gui/StatisticsWindow.h"
#include "support/FakePlatform.h"
#include "support/QtPrinting.h"
#include "support/ResultsFixture.h"
#include "support/gui/MenuClick.h"
#include "support/gui/ModalHelper.h"
#include "support/gui/ModalProbe.h"
#include "support/gui/PrintDialogDriver.h"
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The game's language texts, as the window shows them.
struct Fixture {
    Fixture() {
        s.texts.languageName = QStringLiteral("Magyar");
        ApplyLanguage(s, QDir(QString::fromLocal8Bit(qgetenv("ZK_DATA_DIR"))));
        s.panel.stmegj.caption = QStringLiteral("Statisztika");
        path = dir.filePath(QStringLiteral("eredm.dat"));
    }
    QString message(int no) const { return s.texts.messages.value(no); }

    QTemporaryDir dir;
    QString path;
    GameState s;
    FakePlatform fp;
};

const QList<FixtureResult> kResults{{"Anna", "V", 4, 1, 57, "00:03:41", "2024.05.06"},
                                 {"Béla", "S", 6, 2, 120, "00:10:00", "2024.05.07"}};

int PdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QString pdf = QString::fromLatin1(f.readAll());
    return int(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

// The text of a PDF's pages (form feed between them), or nothing without pdftotext.
std::optional<QString> PdfText(const QString& path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) return std::nullopt;
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

void ShowAndActivate(QWidget& w) {
    w.show();
    w.activateWindow();
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&w);
}

} // namespace

TEST(StatisticsWindow, ShowsTheTableAndClosesOnEsc) {
    Fixture f;
    ASSERT_TRUE(WriteResultsFixture(f.path, kResults));
    StatisticsWindow window(f.s, f.fp.platform, f.path);
    int help = 0;
    window.setHelpHook([&help](int topic) { help = topic; });
    ShowAndActivate(window);

    EXPECT_EQ(window.windowTitle(), "Statisztika");
    EXPECT_EQ(window.findChild<QLabel*>("Label1_0")->text(), f.message(151));
    EXPECT_EQ(window.findChild<QLabel*>("Label1_1")->text(), f.message(152));
    EXPECT_EQ(window.findChild<QLabel*>("Label2")->text(), QString::fromUtf8("Összes eredmény: 2"));
    const QStringList shown = window.textBox()->toPlainText().split('\n');
    EXPECT_EQ(shown, window.form().tableLines());
    EXPECT_TRUE(shown.contains(QString::fromUtf8("4  V     1  Anna                   57  0:03:41 2024.05.06   "
                                                 "Anna                   57  0:03:41 2024.05.06")));
    EXPECT_TRUE(shown.filter(QString::fromUtf8("6  S     1  Béla")).size() == 2);   // class 1, both groups
    EXPECT_EQ(window.findChild<QAction*>("ls_pr")->text(), f.message(141));

    QTest::keyClick(window.textBox(), Qt::Key_F1);
    EXPECT_EQ(help, kHelpTopicStatistics);
    QTest::keyClick(window.textBox(), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_TRUE(f.fp.messageBox.shown.empty());
}

TEST(StatisticsWindow, ADamagedFileShowsWhatWasReadThenMessage30AndCloses) {
    Fixture f;
    f.s.pendolyMode = true;
    ASSERT_TRUE(WriteResultsFixture(f.path, kResults, true));
    StatisticsWindow window(f.s, f.fp.platform, f.path);
    EXPECT_EQ(window.windowTitle(), "Statisztika - Pendoly");
    EXPECT_EQ(window.findChild<QLabel*>("Label2")->text(), QString::fromUtf8("Összes eredmény: 2"));
    EXPECT_EQ(window.textBox()->toPlainText().split('\n'), window.form().tableLines());
    window.show();
    window.activateWindow();
    QTRY_VERIFY(!window.isVisible());
    ASSERT_EQ(f.fp.messageBox.shown.size(), 1u);
    EXPECT_EQ(f.fp.messageBox.shown[0].messageNo, 30);
    EXPECT_EQ(f.fp.messageBox.shown[0].icon, MsgIcon::Critical);
}

TEST(StatisticsWindow, ListFileMenuWritesTheListWhereTheDialogSays) {
    Fixture f;
    ASSERT_TRUE(WriteResultsFixture(f.path, kResults));
    StatisticsWindow window(f.s, f.fp.platform, f.path);
    window.listOutput().setStartFolder(f.dir.path());
    ShowAndActivate(window);

    bool emptyNameRefused = false;
    QString prefilled;
    WhenModalShown(
        [&](QWidget* modal) {
            auto* dialog = qobject_cast<ListFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            prefilled = dialog->fileNameBox()->text();
            auto* rendben = dialog->findChild<QPushButton*>("rendben");
            dialog->fileNameBox()->clear();
            QTest::keyClicks(dialog->fileNameBox(), " ");
            QTest::mouseClick(rendben, Qt::LeftButton);
            emptyNameRefused = dialog->isVisible() && f.fp.messageBox.shown.size() == 1 &&
                               f.fp.messageBox.shown[0].messageNo == 68;
            dialog->fileNameBox()->clear();
            QTest::keyClicks(dialog->fileNameBox(), "stat.lis");
            QTest::mouseClick(rendben, Qt::LeftButton);
        },
        &window);
    window.findChild<QAction*>("ls_fl")->trigger();

    EXPECT_EQ(prefilled, f.message(153));
    EXPECT_TRUE(emptyNameRefused);
    const QString listPath = f.dir.filePath("stat.lis");
    QFile list(listPath);
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    const QString text = DecodeCp1250(list.readAll());
    const QStringList lines = text.split("\r\n");
    EXPECT_TRUE(lines[0].startsWith(f.message(150)));
    EXPECT_EQ(lines[2], f.message(151));
    EXPECT_TRUE(lines.contains(window.form().tableLines()[4]));
    EXPECT_EQ(lines[lines.size() - 2], QString::fromUtf8("Összes eredmény: 2"));
    ASSERT_EQ(f.fp.messageBox.shown.size(), 2u);
    EXPECT_EQ(f.fp.messageBox.shown[1].messageNo, 70);
    EXPECT_TRUE(f.fp.messageBox.shown[1].text.endsWith(listPath));
}

// The print menu item asks for the printer in the print dialog (the print module's)
// and prints there; a cancelled dialog prints nothing and says nothing.
TEST(StatisticsWindow, PrintMenuPrintsTheListWhereThePrintDialogSays) {
    Fixture f;
    ASSERT_TRUE(WriteResultsFixture(f.path, kResults));
    StatisticsWindow window(f.s, f.fp.platform, f.path);
    ShowAndActivate(window);
    auto* bar = window.findChild<QMenuBar*>();
    auto* ls_pr = window.findChild<QAction*>("ls_pr");
    const QString pdf = f.dir.filePath("statistics.pdf");

    {
        ModalProbe<QPrintDialog> probe([](QPrintDialog* dialog) { dialog->reject(); });
        ClickMenuItem(bar, ls_pr);
        EXPECT_TRUE(probe.handled());
    }
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(f.fp.messageBox.shown.empty());

    QPageLayout::Orientation offered = QPageLayout::Portrait;
    ModalProbe<QPrintDialog> probe([&](QPrintDialog* dialog) {
        offered = dialog->printer()->pageLayout().orientation();
        PrintToPdfFile(dialog, pdf);
    });
    ClickMenuItem(bar, ls_pr);
    ASSERT_TRUE(probe.handled());
    EXPECT_EQ(offered, QPageLayout::Landscape);
    EXPECT_EQ(PdfPages(pdf), 1);
    EXPECT_TRUE(f.fp.messageBox.shown.empty());
    if (const std::optional<QString> text = PdfText(pdf)) {
        EXPECT_TRUE(text->contains(f.message(150)));
        EXPECT_TRUE(text->simplified().contains(QString::fromUtf8("6 S 1 Béla 120 0:10:00 2024.05.07")));
    }
}

TEST(ListFileDialog, FolderButtonsAndHelp) {
    Fixture f;
    QDir(f.dir.path()).mkpath("a/b");
    ListFileDialog dialog(f.s, f.fp.platform, f.dir.filePath("a/b"), kResultsListFileName);
    int help = 0;
    dialog.setHelpHook([&help](int topic) { help = topic; });
    ShowAndActivate(dialog);
    auto* label3 = dialog.findChild<QLabel*>("Label3");
    EXPECT_EQ(dialog.fileNameBox()->text(), f.message(131));
    EXPECT_EQ(label3->text(), QDir::toNativeSeparators(f.dir.filePath("a/b")));

    QTest::mouseClick(dialog.findChild<QPushButton*>("fel"), Qt::LeftButton);
    EXPECT_EQ(label3->text(), QDir::toNativeSeparators(f.dir.filePath("a")));
    EXPECT_EQ(dialog.folder(), f.dir.filePath("a"));
    QTest::mouseClick(dialog.findChild<QPushButton*>("root"), Qt::LeftButton);
    EXPECT_TRUE(QDir(dialog.folder()).isRoot());
    EXPECT_EQ(label3->text(), QDir::toNativeSeparators(QDir::rootPath()));

    QTest::keyClick(dialog.fileNameBox(), Qt::Key_F1);
    EXPECT_EQ(help, kHelpTopicListFile);
    QTest::keyClick(dialog.fileNameBox(), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.listFileName(), "");
}

TEST(ListOutput, PrintsResultsAndStatisticsListsToPdf) {
    Fixture f;
    ListOutput output(nullptr, f.s, f.fp.platform);
    const auto print = [&](const QString& name, QPageLayout::Orientation orientation, const ListBuilder& build) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(orientation);
        printer.setPageMargins(QMarginsF(7, 10, 7, 10), QPageLayout::Millimeter);
        const QString pdf = QDir(qEnvironmentVariable("ZK_KEEP_PDF", f.dir.path())).filePath(name);
        printer.setOutputFileName(pdf);
        EXPECT_TRUE(output.printList(printer, build));
        return pdf;
    };

    // 63 rows: the 63rd starts page 2 under the full header.
    ResultsListInput input;
    for (int i = 1; i <= 63; ++i)
        input.rows << QStringList{QString::number(i), QStringLiteral("Játékos %1").arg(i), "V", "4", "1", "", "", "",
                                  "57", " 0:03:41   57", " 2024.05.06", " 09:05 2024.05.06"};
    const QString results = print("results.pdf", QPageLayout::Portrait, [&](ListTarget, const QString& today) {
        return PrintResultsTable(input, f.s.texts.messages, today);
    });
    EXPECT_EQ(PdfPages(results), 2);

    ASSERT_TRUE(WriteResultsFixture(f.path, kResults));
    StatisticsForm form(f.s, f.path);
    form.Form_Load();
    const QString statistics = print("statistics.pdf", QPageLayout::Landscape, [&](ListTarget target, const QString& today) {
        return form.PrintStatistics(target, today);
    });
    EXPECT_EQ(PdfPages(statistics), 1);
    EXPECT_TRUE(f.fp.messageBox.shown.empty());

    if (const std::optional<QString> text = PdfText(results)) {
        const QStringList pages = text->split('\f');
        ASSERT_GE(pages.size(), 2);
        EXPECT_TRUE(pages[0].contains(QString::fromUtf8("Játékos 62")));
        EXPECT_FALSE(pages[0].contains(QString::fromUtf8("Játékos 63")));
        EXPECT_TRUE(pages[1].contains("2. oldal"));
        EXPECT_TRUE(pages[1].contains(f.message(117)));
        EXPECT_TRUE(pages[1].contains(QString::fromUtf8("Játékos 63")));
        EXPECT_TRUE(pages[1].contains(f.message(116)));
    }
    if (const std::optional<QString> text = PdfText(statistics)) {
        EXPECT_TRUE(text->contains(f.message(150)));
        EXPECT_TRUE(text->simplified().contains(QString::fromUtf8("6 S 1 Béla 120 0:10:00 2024.05.07")));
        EXPECT_FALSE(text->contains(QString::fromUtf8("Összes eredmény")));   // only the file has the total
    }
}
