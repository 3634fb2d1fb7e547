// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Progress view of the statistics window, driven through its widgets.
#include "play/GameState.h"
#include "presentation/LanguageFile.h"
#include "results/gui/ChartModule.h"
#include "results/gui/ProgressChart.h"
#include "results/gui/ProgressView.h"
#include "results/gui/StatisticsWindow.h"
#include "support/FakePlatform.h"
#include "support/QtPrinting.h"
#include "support/ResultsFixture.h"
#include "support/gui/ModalHelper.h"
#include "support/gui/ModalProbe.h"
#include "support/gui/PrintDialogDriver.h"
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

struct Fixture {
    explicit Fixture(const QString& language = QStringLiteral("Magyar")) {
        s.texts.languageName = language;
        ApplyLanguage(s, QDir(qEnvironmentVariable("ZK_DATA_DIR")));
        s.panel.stmegj.caption = QStringLiteral("Statisztika");
        path = dir.filePath(QStringLiteral("eredm.dat"));
    }
    // The window opened on its Progress view, shown and active.
    std::unique_ptr<StatisticsWindow> open() {
        auto window = std::make_unique<StatisticsWindow>(s, fp.platform, path);
        window->setStartFolder(dir.path());
        window->showView(StatisticsView::Progress);
        window->show();
        window->activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(window.get());
        return window;
    }

    QTemporaryDir dir;
    QString path;
    GameState s;
    FakePlatform fp;
};

const QList<ResultRecord> kGames = {
    Result("Anna", "V", 4, 1, 0, 90, "00:09:00", "2024.01.01", "10:00:00"),
    Result("Béla", "V", 4, 1, 0, 70, "00:04:00", "2024.01.02", "10:00:00"),
    Result("Anna", "V", 4, 1, 0, 60, "00:05:00", "2024.01.03", "10:00:00"),
    Result("Anna", "V", 4, 1, 0, 75, "00:04:00", "2024.01.04", "10:00:00"),
    Result("Anna", "S", 5, 1, 2, 300, "00:20:00", "2024.01.05", "10:00:00"),
    Result("Anna", "V", 4, 1, 0, 55, "00:06:00", "2024.01.06", "10:00:00"),
};

struct Controls {
    explicit Controls(StatisticsWindow& w)
        : view(w.progressView()), player(view->findChild<QComboBox*>("player")),
          size(view->findChild<QComboBox*>("size")), type(view->findChild<QComboBox*>("type")),
          measure(view->findChild<QComboBox*>("measure")), status(view->findChild<QLabel*>("status")),
          save(view->findChild<QPushButton*>("saveChart")), chart(view->chart()) {}
    ProgressView* view;
    QComboBox *player, *size, *type, *measure;
    QLabel* status;
    QPushButton* save;
    ProgressChart* chart;
};

// Picks the item `text` of `combo` as a player does: from the keyboard, one step at a time.
void Pick(QComboBox* combo, const QString& text) {
    const int target = combo->findText(text);
    ASSERT_GE(target, 0) << text;
    combo->setFocus();
    while (combo->currentIndex() != target)
        QTest::keyClick(combo, combo->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
}

} // namespace

TEST(ProgressView, FollowsThePlayerSizeTypeAndMeasureChosen) {
    Fixture f;
    ASSERT_TRUE(WriteRecordsAsRead(f.path, kGames));
    f.s.panel.neve.caption = QString::fromUtf8("Béla");
    auto window = f.open();
    Controls c(*window);
    ASSERT_NE(c.chart, nullptr) << "the chart module did not load";
    EXPECT_EQ(window->views()->tabText(1), QString::fromUtf8("Fejlődés"));
    EXPECT_EQ(c.player->currentText(), QString::fromUtf8("Béla"));
    EXPECT_EQ(c.size->currentText(), "4 X 4");
    EXPECT_EQ(c.type->currentText(), QString::fromUtf8("Véletlen"));
    EXPECT_EQ(c.chart->drawnGamePoints(), 1u);

    Pick(c.player, "Anna");
    EXPECT_EQ(c.status->text(), QString::fromUtf8("Játékok: 4, lépéscsúcsok: 3, időcsúcsok: 3 (2024.01.01 – 2024.01.06)"));
    EXPECT_EQ(c.chart->drawnGamePoints(), 4u);
    Pick(c.size, "5 X 5");
    EXPECT_EQ(c.status->text(), QString::fromUtf8("Ennek a játékosnak nincs játéka ezzel a mérettel és típussal."));
    EXPECT_EQ(c.chart->drawnGamePoints(), 0u);
    EXPECT_FALSE(c.save->isEnabled());
    Pick(c.type, "Mind");
    EXPECT_EQ(c.view->form().series().games.size(), 1u);
    Pick(c.size, "Mind");
    EXPECT_EQ(c.view->form().series().games.size(), 5u);
    EXPECT_EQ(c.chart->drawnGamePoints(), 5u);
    EXPECT_TRUE(c.save->isEnabled());
    Pick(c.measure, QString::fromUtf8("Elhasznált idő"));
    EXPECT_EQ(c.view->form().measure(), ProgressMeasure::Time);
    EXPECT_EQ(c.view->form().plot().records, (std::vector<std::uint32_t>{0, 1, 2}));
}

TEST(ProgressView, HoveringAGameShowsItsDetails) {
    Fixture f;
    ASSERT_TRUE(WriteRecordsAsRead(f.path, kGames));
    auto window = f.open();
    Controls c(*window);
    ASSERT_NE(c.chart, nullptr);
    // Anna's third 4 x 4 game, a time record.
    const QPoint at = c.chart->positionOfGame(2);
    QWidget* under = c.chart->childAt(at);
    ASSERT_NE(under, nullptr);
    const QPoint local = under->mapFrom(c.chart, at);
    QTest::mouseMove(under, local + QPoint(6, 6));
    QTest::mouseMove(under, local);
    QTRY_VERIFY(QToolTip::isVisible());
    // The pointer rests on the game: the tooltip stays past the moment the view asks
    // its items for a tooltip of their own.
    QTest::qWait(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay) + 500);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_TRUE(QToolTip::text().contains("2024.01.04 10:00:00")) << QToolTip::text();
    EXPECT_TRUE(QToolTip::text().contains(QString::fromUtf8("Lépésszám: 75"))) << QToolTip::text();
    EXPECT_TRUE(QToolTip::text().contains(QString::fromUtf8("Egyéni csúcs: Elhasznált idő"))) << QToolTip::text();

    // Away from every line, the tooltip goes, and does not come back while the pointer rests.
    QTest::mouseMove(under, QPoint(2, 2));
    QTRY_VERIFY(!QToolTip::isVisible());
    QTest::qWait(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay) + 500);
    EXPECT_FALSE(QToolTip::isVisible()) << QToolTip::text();
}

TEST(ProgressView, SavesThePictureAsPngOrSvgAndPrintsIt) {
    Fixture f;
    ASSERT_TRUE(WriteRecordsAsRead(f.path, kGames));
    auto window = f.open();
    Controls c(*window);
    ASSERT_NE(c.chart, nullptr);

    QString suggested;
    WhenModalShown(
        [&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            suggested = name->text();
            name->clear();
            QTest::keyClicks(name, "chart");
            QTest::keyClick(name, Qt::Key_Return);
        },
        window.get());
    QTest::mouseClick(c.save, Qt::LeftButton);
    EXPECT_EQ(suggested, "fejlodes.png");
    const QImage png(f.dir.filePath("chart.png"));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), c.chart->size() * c.chart->devicePixelRatio());
    EXPECT_GT(png.convertToFormat(QImage::Format_Indexed8).colorCount(), 4) << "a blank picture";

    const QString svgPath = f.dir.filePath("chart.svg");
    ASSERT_TRUE(c.view->saveChart(svgPath));
    QFile svg(svgPath);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    EXPECT_TRUE(text.contains("<svg")) << text.left(200).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("viewBox=\"0 0 %1 %2\"").arg(c.chart->width()).arg(c.chart->height()).toUtf8()))
        << text.left(300).toStdString();

    // A file that cannot be written is told, and nothing is left behind.
    const QString nowhere = f.dir.filePath("missing/chart.png");
    EXPECT_FALSE(c.view->saveChart(nowhere));
    ASSERT_EQ(f.fp.messageBox.shown.size(), 1u);
    EXPECT_EQ(f.fp.messageBox.shown[0].text,
              QString::fromUtf8("A(z) %1 nem írható: a grafikon nincs mentve.").arg(QDir::toNativeSeparators(nowhere)));
    EXPECT_FALSE(QFile::exists(nowhere));

    // Printed through the print dialog (the print module's), on one landscape sheet.
    QPageLayout::Orientation offered = QPageLayout::Portrait;
    ModalProbe<QPrintDialog> probe([&](QPrintDialog* dialog) {
        offered = dialog->printer()->pageLayout().orientation();
        PrintToPdfFile(dialog, f.dir.filePath("chart.pdf"));
    });
    QTest::mouseClick(c.view->findChild<QPushButton*>("printChart"), Qt::LeftButton);
    ASSERT_TRUE(probe.handled());
    EXPECT_EQ(offered, QPageLayout::Landscape);
    QFile pdf(f.dir.filePath("chart.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(pdf.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 1);
    EXPECT_EQ(f.fp.messageBox.shown.size(), 1u);
}

// The chart of a damaged file shows the records before the damage and says so; the
// table in front then tells of the damage as ever and closes the window.
TEST(ProgressView, DamagedAndEmptyFilesAreSaidSo) {
    Fixture f;
    ASSERT_TRUE(WriteResultsFixture(f.path, {{"Anna", "V", 4, 1, 40}, {"Anna", "V", 4, 1, 30}}, true));
    auto window = f.open();
    Controls c(*window);
    EXPECT_EQ(c.status->text().split('\n').value(0),
              QString::fromUtf8("Az eredményfájl sérült: a grafikon csak a sérülés előtti 2 eredményből készült."));
    EXPECT_EQ(c.view->form().series().games.size(), 2u);
    EXPECT_TRUE(f.fp.messageBox.shown.empty());
    window->views()->setCurrentIndex(0);
    QTRY_VERIFY(!window->isVisible());
    ASSERT_EQ(f.fp.messageBox.shown.size(), 1u);
    EXPECT_EQ(f.fp.messageBox.shown[0].messageNo, 30);

    ASSERT_TRUE(WriteRecordsAsRead(f.path, {}));
    auto empty = f.open();
    Controls e(*empty);
    EXPECT_EQ(e.status->text(), QString::fromUtf8("Az eredményfájlban nincs eredmény."));
    EXPECT_EQ(e.player->count(), 0);
    EXPECT_EQ(e.chart->drawnGamePoints(), 0u);
    EXPECT_FALSE(e.save->isEnabled());
}

// A hundred thousand games draw at a few points per pixel column, every record among
// them, and are sampled again when the chart grows. The chart comes from one of no
// games, as the view's chart does before the file is read, and goes back to a short
// one: the axis must not label every game on the way (that took minutes).
TEST(ProgressChart, DrawsALongSeriesByColumns) {
    QWidget host;
    ProgressChart* chart = LoadProgressChart(&host, ModulePaths(kChartModuleName));
    ASSERT_NE(chart, nullptr);
    host.resize(800, 500);
    chart->resize(800, 500);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    ProgressPlot plot;
    for (int i = 0; i < 100'000; ++i) {
        plot.values.push_back(300 - i / 500 + (i * 7919) % 61);
        plot.best.push_back(std::min(plot.best.empty() ? 1e9 : plot.best.back(), plot.values.back()));
        plot.average.push_back(plot.values.back());
        if (plot.best.size() == 1 || plot.best.back() < plot.best[plot.best.size() - 2])
            plot.records.push_back(static_cast<std::uint32_t>(i));
    }
    chart->showPlot(ProgressPlot{});
    chart->showPlot(plot);
    const std::size_t drawn = chart->drawnGamePoints();
    EXPECT_GT(drawn, 400u);
    EXPECT_LE(drawn, 4u * 800);
    chart->resize(1600, 500);
    QTRY_VERIFY(chart->drawnGamePoints() > drawn);
    EXPECT_LE(chart->drawnGamePoints(), 4u * 1600);

    plot.values.resize(3);
    plot.best.resize(3);
    plot.average.resize(3);
    plot.records = {0};
    chart->showPlot(plot);
    EXPECT_EQ(chart->drawnGamePoints(), 3u);
}

TEST(ProgressView, EnglishTextsAndAMissingModule) {
    Fixture f(QStringLiteral("English"));
    ASSERT_TRUE(WriteRecordsAsRead(f.path, kGames));
    ProgressView view(f.s, f.fp.platform, f.path, {f.dir.filePath("no-such-module")});
    view.show();
    EXPECT_EQ(view.chart(), nullptr);
    auto* status = view.findChild<QLabel*>("status");
    EXPECT_TRUE(status->text().startsWith("The chart cannot be shown: the module zelka-kvadra-chart cannot be loaded."))
        << status->text();
    EXPECT_EQ(view.findChild<QLabel*>("playerLabel")->text(), "Name");
    EXPECT_FALSE(view.findChild<QPushButton*>("printChart")->isEnabled());
    EXPECT_EQ(view.findChild<QPushButton*>("saveChart")->text(), "Save as image...");
    // The choices still work.
    Pick(view.findChild<QComboBox*>("player"), QString::fromUtf8("Béla"));
    EXPECT_EQ(view.form().series().games.size(), 1u);
}
