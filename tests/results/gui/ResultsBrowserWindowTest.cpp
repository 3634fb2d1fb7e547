// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The results browser window driven by real clicks and keys, offscreen.
#include "play/GameState.h"
#include "presentation/LanguageFile.h"
#include "files/CodePage1250.h"
#include "results/gui/ListFileDialog.h"
#include "results/gui/ResultsBrowserWindow.h"
#include "support/FakePlatform.h"
#include "support/IndependentResultsFile.h"
#include "support/ResultsFixture.h"
#include "support/gui/ModalHelper.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ResultsBrowserWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(WriteIndependentResultsFile(folder.filePath(state.resultsFile)));
        // The real language file, so headers and captions are the ones a player sees.
        const QDir data(qEnvironmentVariable("ZK_DATA_DIR", "data"));
        ASSERT_TRUE(QFile::copy(data.filePath(QStringLiteral("Magyar.lng")), folder.filePath(QStringLiteral("Magyar.lng"))));
        ApplyLanguage(state, folder);
        state.board.resize(5);
        state.storing.resultTypeIndex = 6;   // T: records 1 (Kovács, Béla) and 4 (Béla)
    }

    ResultsBrowserWindow& Open() {
        window = std::make_unique<ResultsBrowserWindow>(state, fp.platform, folder);
        window->show();
        window->activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(window.get());
        QApplication::processEvents();
        return *window;
    }

    template <typename T> T* child(const char* name) { return window->findChild<T*>(QString::fromLatin1(name)); }
    QTableView* grid() { return window->grid(); }

    // The names the view shows, top to bottom.
    QStringList ShownNames() {
        QStringList names;
        const QAbstractItemModel* model = grid()->model();
        for (int row = 0; row < model->rowCount(); ++row) names.append(model->index(row, 1).data().toString());
        return names;
    }

    void ClickHeader(int column) {
        QHeaderView* header = grid()->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }

    QTemporaryDir m_dir;
    QDir folder{m_dir.path()};
    GameState state;
    FakePlatform fp;
    std::unique_ptr<ResultsBrowserWindow> window;
};

QStringList List(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* t : texts) list.append(QString::fromUtf8(t));
    return list;
}

} // namespace

TEST_F(ResultsBrowserWindowTest, HeaderAndFilterClicksSortAndNarrowTheRowsShown) {
    ResultsBrowserWindow& w = Open();
    EXPECT_EQ(w.windowTitle(), "Eredmények megjelenítése");
    EXPECT_EQ(grid()->model()->headerData(8, Qt::Horizontal).toString(), "Lépés");
    EXPECT_TRUE(grid()->isColumnHidden(12));
    EXPECT_EQ(ShownNames(), List({"Béla", "Kovács, Béla"}));
    EXPECT_EQ(child<QLabel>("Label4")->text(), "2 eredmény");

    // The steps header twice: descending, and the frame says so.
    ClickHeader(8);
    EXPECT_TRUE(child<QRadioButton>("rend1")->isChecked());
    EXPECT_TRUE(grid()->model()->headerData(8, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
    ClickHeader(8);
    EXPECT_EQ(ShownNames(), List({"Kovács, Béla", "Béla"}));
    EXPECT_TRUE(child<QGroupBox>("rker")->title().contains("(csökkenő)"));
    // The true time shows: twelve hours, not two.
    EXPECT_EQ(grid()->model()->index(0, 9).data().toString(), "12:00:00");

    // Every size, and the number sequence with rearrangement too.
    QTest::mouseClick(child<QRadioButton>("szur3"), Qt::LeftButton);
    QTest::mouseClick(child<QCheckBox>("tip8"), Qt::LeftButton);
    EXPECT_EQ(ShownNames(), List({"Ödön \"ÖK\"", "Kovács, Béla", "Béla"}));
    // Only games from a fresh shuffle.
    QTest::mouseClick(child<QCheckBox>("kev"), Qt::LeftButton);
    EXPECT_EQ(child<QCheckBox>("kev")->checkState(), Qt::Unchecked);
    EXPECT_EQ(ShownNames(), List({"Béla"}));
}

TEST_F(ResultsBrowserWindowTest, KeysSearchMarkHelpAndClose) {
    ResultsBrowserWindow& w = Open();
    int helpTopic = 0;
    w.setHelpHook([&](int topic) { helpTopic = topic; });
    // A sort option hands the focus back to the grid, so typing searches at once.
    auto* byName = child<QRadioButton>("rend0");
    QTest::mouseClick(byName, Qt::LeftButton, {}, QPoint(8, byName->height() / 2));   // on its circle
    EXPECT_EQ(QApplication::focusWidget(), grid());
    QTest::keyClick(grid(), Qt::Key_K);
    EXPECT_EQ(grid()->currentIndex().row(), 1);
    QTest::keyClick(grid(), Qt::Key_B);   // wraps to the top
    EXPECT_EQ(grid()->currentIndex().row(), 0);

    const QRect cell = grid()->visualRect(grid()->model()->index(1, 1));
    QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_TRUE(grid()->model()->index(1, 3).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(grid()->model()->index(0, 3).data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(child<QPushButton>("aktsor")->isVisible());
    EXPECT_EQ(child<QPushButton>("aktsor")->text(), "Jelölt sorra");

    QTest::keyClick(grid(), Qt::Key_F1);
    EXPECT_EQ(helpTopic, 1);
    QTest::keyClick(grid(), Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(ResultsBrowserWindowTest, TheTimeLimitBoxKeepsTheFocusUntilItsTextIsMended) {
    Open();
    auto* elhid = child<QLineEdit>("elhid");
    auto* lpsz = child<QLineEdit>("lpsz");
    elhid->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(elhid->text(), "00:00:00");
    elhid->clear();
    QTest::keyClicks(elhid, "1:2");
    lpsz->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(elhid->hasFocus());
    elhid->clear();
    QTest::keyClicks(elhid, "03:00:00");
    QTest::keyClick(elhid, Qt::Key_Return);   // moves on like Tab
    QApplication::processEvents();
    EXPECT_FALSE(elhid->hasFocus());
    EXPECT_EQ(ShownNames(), List({"Béla"}));
}

// A record whose counts read below zero: the grid shows them as they read, and a step
// limit typed into the box shows it, as a deletion of the rows shown would take it;
// sorted by steps it comes first.
TEST_F(ResultsBrowserWindowTest, ACountBelowZeroIsShownSortedAndFilteredAsItReads) {
    ASSERT_TRUE(WriteRecordsAsRead(folder.filePath(state.resultsFile),
                                   {Result("Anna", "T", 5, 2, 0, 60, "00:03:00", "2024.01.05", "10:00:00"),
                                    Result("Zoli", "T", 5, -4, -7, -130, "00:02:00", "2024.01.06", "11:00:00")}));
    Open();
    ASSERT_EQ(ShownNames(), List({"Anna", "Zoli"}));
    const QAbstractItemModel* model = grid()->model();
    EXPECT_EQ(model->index(1, 4).data().toString(), "-4");
    EXPECT_EQ(model->index(1, 7).data().toString(), "-7");
    EXPECT_EQ(model->index(1, 8).data().toString(), "-130");
    ClickHeader(8);
    EXPECT_EQ(ShownNames(), List({"Zoli", "Anna"}));

    auto* lpsz = child<QLineEdit>("lpsz");
    lpsz->setFocus();
    QTest::keyClicks(lpsz, "50");
    QTest::keyClick(lpsz, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(ShownNames(), List({"Zoli"}));
}

TEST_F(ResultsBrowserWindowTest, DeletingTheCurrentRowFromTheMenuRewritesTheFile) {
    Open();
    grid()->setCurrentIndex(grid()->model()->index(1, 1));   // Kovács, Béla
    child<QAction>("akttor")->trigger();
    EXPECT_EQ(fp.messageBox.shown.back().messageNo, 133);
    EXPECT_EQ(ShownNames(), List({"Béla"}));
}

// The list menu writes the rows shown, in their order, to the file named in `print_fl`.
TEST_F(ResultsBrowserWindowTest, TheListFileHoldsTheRowsShown) {
    ResultsBrowserWindow& w = Open();
    w.listOutput().setStartFolder(folder.path());
    ClickHeader(8);
    ClickHeader(8);   // steps, descending
    WhenModalShown(
        [&](QWidget* modal) {
            auto* dialog = qobject_cast<ListFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->fileNameBox()->text(), state.texts.messages.value(131));
            dialog->fileNameBox()->clear();
            QTest::keyClicks(dialog->fileNameBox(), "lista.lis");
            QTest::mouseClick(dialog->findChild<QPushButton*>("rendben"), Qt::LeftButton);
        },
        &w);
    ASSERT_TRUE(child<QAction>("ls_fl")->isEnabled());
    child<QAction>("ls_fl")->trigger();

    QFile list(folder.filePath("lista.lis"));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    const QString text = DecodeCp1250(list.readAll());
    const qsizetype kovacs = text.indexOf(QString::fromUtf8("Kovács, Béla"));
    const qsizetype bela = text.indexOf(QString::fromUtf8("\r\n") , kovacs);
    ASSERT_GE(kovacs, 0);
    EXPECT_GT(text.indexOf(QString::fromUtf8(" Béla "), bela), kovacs);   // the shown order
    EXPECT_FALSE(text.contains(QString::fromUtf8("Ödön")));                // not shown, not listed
    // Steps, elapsed time (twelve hours here), date and time of day stand apart.
    const QString line = text.mid(kovacs, text.indexOf(QStringLiteral("\r\n"), kovacs) - kovacs);
    EXPECT_TRUE(QRegularExpression(QStringLiteral(" \\d+ \\d+:\\d\\d:\\d\\d \\d{4}\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d$"))
                    .match(line)
                    .hasMatch())
        << line.toStdString();
    EXPECT_EQ(fp.messageBox.shown.back().messageNo, 70);
    EXPECT_EQ(w.focusWidget(), grid());
}

// Once the grid has the focus the player is asked about the damage: No closes the
// window and leaves the file; Yes keeps the readable records, moves the rest into a
// side file, and the window goes on with them.
TEST_F(ResultsBrowserWindowTest, ADamagedFileIsOfferedToKeepItsReadableRecordsOnceTheGridHasTheFocus) {
    QByteArray bytes = IndependentResultsFile();
    bytes.chop(20);
    const QString path = folder.filePath(state.resultsFile);
    for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
        SCOPED_TRACE(answer == MsgAnswer::Yes ? "Yes" : "No");
        for (const QString& file : folder.entryList({QStringLiteral("eredm*")}, QDir::Files)) folder.remove(file);
        ASSERT_TRUE(WriteIndependentResultsFile(path, bytes));
        fp.messageBox.shown.clear();
        fp.messageBox.answers = {answer};
        window = std::make_unique<ResultsBrowserWindow>(state, fp.platform, folder);
        EXPECT_EQ(ShownNames(), List({"Kovács, Béla"}));
        window->show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !fp.messageBox.shown.empty(); }, 2000));
        EXPECT_EQ(fp.messageBox.shown.front().buttons, MsgButtons::YesNo);
        if (answer == MsgAnswer::No) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 2000));
            EXPECT_EQ(folder.entryList({QStringLiteral("eredm*")}, QDir::Files), List({"eredm.dat"}));
            continue;
        }
        QTest::qWait(50);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(ShownNames(), List({"Kovács, Béla"}));
        EXPECT_EQ(folder.entryList({QStringLiteral("eredm*")}, QDir::Files),
                  List({"eredm.dat", "eredm.dat.damaged-20260307-090503"}));
        window->close();
    }
}
