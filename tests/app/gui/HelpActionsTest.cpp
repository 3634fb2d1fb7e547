// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every help action of the program opens the documentation viewer at the right
// place of a real document: F1 and the help menu of the main window in each of its
// states, the dialogs' help, and the entry point the other dialogs' help hooks use.
#include "FakePlatform.h"
#include "app/gui/MainWindow.h"
#include "play/BoardRing.h"
#include "presentation/gui/DocumentViewerDialog.h"
#include "presentation/gui/NameDeletionDialog.h"
#include "setup/ShuffledStates.h"
#include "setup/gui/ShuffledStateDialog.h"
#include "setup/gui/StoredGameDialog.h"
#include "support/StoredGamesFixture.h"
#include "support/gui/ModalProbe.h"
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

// A folder with the shipped data files, made before the window reads it.
struct DataFolder {
    DataFolder() {
        const QDir data(qEnvironmentVariable("ZK_DATA_DIR"));
        for (const QString& name : data.entryList(QDir::Files))
            QFile::copy(data.filePath(name), dir.filePath(name));
    }
    QTemporaryDir dir;
};

struct HelpFixture : DataFolder {
    HelpFixture() : window(fp.platform, QDir(dir.path())) {
        window.Form_Load();
        window.show();
        window.activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window);
    }
    const QString& message(int n) const { return window.state().texts.messages[n]; }
    FakePlatform fp;
    MainWindow window;
};

// What the viewer showed: its document and the line the caret starts.
struct Shown {
    QString file;
    QString caretLine;
    bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& s, std::ostream* os) {
    *os << s.file.toStdString() << " at \"" << s.caretLine.toStdString() << "\"";
}

std::function<void(DocumentViewerDialog*)> Record(Shown& shown) {
    return [&shown](DocumentViewerDialog* d) {
        const QTextCursor c = d->textBox()->textCursor();
        shown = {d->viewer().fileName(), c.position() == c.block().position() ? c.block().text() : QString()};
        d->reject();
    };
}

// The viewer that `action` opens.
Shown ViewerOpenedBy(const std::function<void()>& action) {
    Shown shown;
    ModalProbe<DocumentViewerDialog> probe(Record(shown));
    action();
    EXPECT_TRUE(probe.handled()) << "no viewer opened";
    return shown;
}

void PressF1(MainWindow& window) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &window, Qt::Key_F1);
}

TEST(HelpActions, TheMainWindowsHelpOpensWhereItsStateNeedsIt) {
    HelpFixture f;
    GameState& s = f.window.state();
    const QString title = QStringLiteral("Zelka-Kvadra – súgó");
    auto* kezel = f.window.findChild<QAction*>(QStringLiteral("kezel"));
    auto* doknez = f.window.findChild<QAction*>(QStringLiteral("doknez"));
    ASSERT_TRUE(kezel && doknez);
    EXPECT_TRUE(doknez->isVisible());

    EXPECT_EQ(ViewerOpenedBy([&] { PressF1(f.window); }), (Shown{"Magyar.doc", title}));
    EXPECT_EQ(ViewerOpenedBy([&] { kezel->trigger(); }), (Shown{"Magyar.doc", title}));
    EXPECT_EQ(ViewerOpenedBy([&] { doknez->trigger(); }),
              (Shown{"Leir.doc", QStringLiteral("Zelka-Kvadra – a játék leírása")}));

    s.phase = GamePhase::CapturingStart;   // a stored game's start is being set
    f.window.syncView();
    EXPECT_EQ(ViewerOpenedBy([&] { PressF1(f.window); }), (Shown{"Magyar.doc", f.message(159)}));
    s.phase = GamePhase::SetUp;
    f.window.syncView();

    // A real game: open the ring cells above and left of the first field cell, and start.
    for (Cell open : {Cell{0, 1}, Cell{1, 0}}) {
        s.board.setValue(open, kEmpty);
        s.controls.walls[WallMarkerOf(s.board, open)].visible = false;
    }
    f.window.syncView();
    QTest::mouseClick(f.window.findChild<QPushButton*>(QStringLiteral("kezd")), Qt::LeftButton);
    ASSERT_TRUE(s.gameRunning);
    EXPECT_EQ(ViewerOpenedBy([&] { PressF1(f.window); }), (Shown{"Magyar.doc", f.message(161)}));
    EXPECT_EQ(ViewerOpenedBy([&] { kezel->trigger(); }), (Shown{"Magyar.doc", f.message(161)}));
    EXPECT_TRUE(s.gameRunning);   // the game goes on after the help

    s.demoState = DemoState::Running;
    EXPECT_EQ(ViewerOpenedBy([&] { PressF1(f.window); }), (Shown{"Magyar.doc", f.message(166)}));
    s.demoState = DemoState::Off;
}

// The entry point that the dialogs' help hooks call.
TEST(HelpActions, EveryHelpTopicOpensItsSection) {
    HelpFixture f;
    for (int topic = HelpTopic::Results; topic <= HelpTopic::LoadShuffledState; ++topic)
        EXPECT_EQ(ViewerOpenedBy([&] { f.window.showHelp(topic); }), (Shown{"Magyar.doc", f.message(topic + 153)}))
            << "topic " << topic;
}

// A dialog's F1 opens the viewer over the dialog, which stays open behind it.
template <typename Dialog> Shown ViewerOpenedFrom(const std::function<void()>& openDialog) {
    Shown shown;
    bool dialogStayed = false;
    ModalProbe<Dialog> dialogProbe([&](Dialog* dialog) {
        ModalProbe<DocumentViewerDialog> viewerProbe(Record(shown));
        // F1 is the dialog's shortcut, which needs the dialog to be the active window; the
        // window system may report its window active a moment before the widgets know it.
        [[maybe_unused]] const bool active =
            QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); });
        QTest::keyClick(dialog, Qt::Key_F1);
        EXPECT_TRUE(viewerProbe.handled()) << "F1 opened no viewer";
        dialogStayed = dialog->isVisible();
        dialog->reject();
    });
    openDialog();
    EXPECT_TRUE(dialogProbe.handled()) << "the dialog did not open";
    EXPECT_TRUE(dialogStayed);
    return shown;
}

TEST(HelpActions, TheDialogsF1OpensTheirSections) {
    HelpFixture f;
    QFile names(f.dir.filePath(QStringLiteral("nevek.txt")));
    ASSERT_TRUE(names.open(QIODevice::WriteOnly));
    names.write("\"Anna\"\r\n");
    names.close();
    QByteArray cells;
    for (char rank = 1; rank <= 25; ++rank) cells += rank;
    QFile states(f.dir.filePath(QString::fromLatin1(kShuffledStatesFileName)));
    ASSERT_TRUE(states.open(QIODevice::WriteOnly));
    states.write(ShuffledStateRecord{1, 5, cells + "1234512345" + QByteArray(13, ' ')}.toBytes());
    states.close();

    auto* ntoregy = f.window.findChild<QAction*>(QStringLiteral("ntoregy"));
    EXPECT_EQ(ViewerOpenedFrom<NameDeletionDialog>([&] { ntoregy->trigger(); }),
              (Shown{"Magyar.doc", f.message(158)}));
    auto* uj = f.window.findChild<QPushButton*>(QStringLiteral("uj"));
    EXPECT_EQ(ViewerOpenedFrom<ShuffledStateDialog>([&] { QTest::mouseClick(uj, Qt::LeftButton); }),
              (Shown{"Magyar.doc", f.message(165)}));

    // The stored games' dialog in its three purposes.
    QFile games(f.dir.filePath(QString::fromLatin1(kStoredGamesFileName)));
    ASSERT_TRUE(games.open(QIODevice::WriteOnly));
    games.write(GameRecordBytes(1, 5));
    games.close();
    auto* uj_jatek = f.window.findChild<QAction*>(QStringLiteral("uj_jatek"));
    auto* jatek_tor = f.window.findChild<QAction*>(QStringLiteral("jatek_tor"));
    EXPECT_EQ(ViewerOpenedFrom<StoredGameDialog>([&] { uj_jatek->trigger(); }), (Shown{"Magyar.doc", f.message(156)}));
    EXPECT_EQ(ViewerOpenedFrom<StoredGameDialog>([&] { jatek_tor->trigger(); }), (Shown{"Magyar.doc", f.message(157)}));
    QTest::mouseClick(f.window.findChild<QRadioButton*>(QStringLiteral("tarolt")), Qt::LeftButton);
    auto* kezd = f.window.findChild<QPushButton*>(QStringLiteral("kezd"));
    EXPECT_EQ(ViewerOpenedFrom<StoredGameDialog>([&] { QTest::mouseClick(kezd, Qt::LeftButton); }),
              (Shown{"Magyar.doc", f.message(160)}));
}

// The help of each language describes every item of the main window's menus by its
// caption in that language, the items of the submenus included.
TEST(HelpActions, TheHelpDescribesEveryItemOfTheMenuInItsLanguage) {
    HelpFixture f;
    for (const char* language : {"Magyar", "English"}) {
        SCOPED_TRACE(language);
        if (f.window.state().texts.languageName != QLatin1String(language)) {
            f.window.findChild<QAction*>(QStringLiteral("nyelv"))->trigger();
            QTest::keyClick(f.window.findChild<QComboBox*>(QStringLiteral("lang")), Qt::Key_Up);   // to English
        }
        ASSERT_EQ(f.window.state().texts.languageName, QLatin1String(language));
        QString help;
        ModalProbe<DocumentViewerDialog> probe([&help](DocumentViewerDialog* d) {
            help = d->textBox()->toPlainText();
            d->reject();
        });
        f.window.findChild<QAction*>(QStringLiteral("kezel"))->trigger();
        ASSERT_TRUE(probe.handled());

        std::vector<const QMenu*> menus{f.window.findChild<QMenu*>(QStringLiteral("menu")),
                                        f.window.findChild<QMenu*>(QStringLiteral("help"))};
        ASSERT_TRUE(menus[0] && menus[1]);
        for (size_t i = 0; i < menus.size(); ++i) {
            for (const QAction* item : menus[i]->actions()) {
                if (item->isSeparator()) continue;
                if (item->menu()) menus.push_back(item->menu());
                const QString caption = QString(item->text()).remove(QLatin1Char('&'));
                EXPECT_TRUE(help.contains(caption, Qt::CaseInsensitive)) << caption.toStdString();
            }
        }
    }
}

} // namespace
