// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window over a scratch game folder that holds the shipped language files,
// on the fake platform, shown and active; with the clicks and keys a player uses.
#include "FakePlatform.h"
#include "app/gui/MainWindow.h"
#include "results/gui/ResultsBrowserWindow.h"
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGraphicsView>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

// A scratch game folder holding the shipped language files, as the program's own.
inline QString gameFolder(const QTemporaryDir& dir) {
    const QDir data(qEnvironmentVariable("ZK_DATA_DIR", "data"));
    for (const QString& name : data.entryList({"*.lng"}, QDir::Files))
        QFile::copy(data.filePath(name), QDir(dir.path()).filePath(name));
    return dir.path();
}

struct WindowFixture {
    WindowFixture() : window(fp.platform, QDir(gameFolder(dir))) {
        window.Form_Load();
        window.show();
        window.offerKeptGame();
        window.activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window);
    }
    // Where a key typed now goes.
    QWidget* focused() { return QApplication::focusWidget() ? QApplication::focusWidget() : &window; }
    template <typename T> T* child(const char* name) {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    QTemporaryDir dir;
    FakePlatform fp;
    MainWindow window;
};

// The pixel of the board view at frame point (x, y) in twips.
inline QPoint viewPoint(MainWindow& window, double x, double y) {
    auto* view = window.findChild<QGraphicsView*>(QStringLiteral("keret"));
    return view->mapFromScene(QPointF(x, y));
}

inline void clickCell(MainWindow& window, Cell cell) {
    const int size = window.state().cellSize;
    auto* view = window.findChild<QGraphicsView*>(QStringLiteral("keret"));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      viewPoint(window, size * cell.col + size / 2, size * cell.row + size / 2));
}

// Types a name and stores it with Enter. Storing opens the results browser:
// `inBrowser` looks at it, then Esc closes it.
inline void typeNameAndEnter(WindowFixture& f, const char* name,
                             const std::function<void(ResultsBrowserWindow&)>& inBrowser = {}) {
    f.window.activateWindow();   // a closed browser may have left no window active
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&f.window);
    QTimer::singleShot(0, [inBrowser] {
        auto* browser = qobject_cast<ResultsBrowserWindow*>(QApplication::activeModalWidget());
        if (!browser) return;
        if (inBrowser) inBrowser(*browser);
        QTest::keyClick(browser->grid(), Qt::Key_Escape);
    });
    auto* neve = f.child<QComboBox>("neve");
    neve->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), name);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}
