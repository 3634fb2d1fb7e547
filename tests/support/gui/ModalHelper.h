// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Acts on the next modal dialog once it is shown, from inside its own event loop.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `act` on the first modal widget other than `except` that shows up.
inline void WhenModalShown(std::function<void(QWidget*)> act, QWidget* except = nullptr, int triesLeft = 200) {
    QTimer::singleShot(10, [act = std::move(act), except, triesLeft]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != except && modal->isVisible())
            act(modal);
        else if (triesLeft > 0)
            WhenModalShown(std::move(act), except, triesLeft - 1);
    });
}
