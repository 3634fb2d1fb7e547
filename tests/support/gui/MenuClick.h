// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Chooses a menu item as a player does: a click on its menu's title in the menu bar,
// then a click on the item in the menu that opens. An item that opens a modal dialog
// returns once the dialog is closed (a ModalProbe handles it).
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

inline void ClickMenuItem(QMenuBar* bar, QAction* item) {
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(item, nullptr);
    QMenu* menu = nullptr;
    for (QObject* owner : item->associatedObjects())
        if ((menu = qobject_cast<QMenu*>(owner))) break;
    ASSERT_NE(menu, nullptr) << "the item is in no menu";
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); })) << "the menu does not open";
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
}
