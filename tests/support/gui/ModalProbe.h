// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Handles the modal dialog that an action opens: while the probe lives, it waits for
// a `Dialog` to become the active modal widget and hands it to `handle`, which looks
// at it and closes it. A handler may open a further dialog with a probe of its own.
//     ModalProbe<DocumentViewerDialog> probe([&](DocumentViewerDialog* d) { ...; d->reject(); });
//     action->trigger();              // runs the dialog's event loop
//     EXPECT_TRUE(probe.handled());
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>

template <typename Dialog> class ModalProbe {
public:
    explicit ModalProbe(std::function<void(Dialog*)> handle, int timeoutMs = 5000)
        : m_handle(std::move(handle)), m_timeoutMs(timeoutMs) {
        m_clock.start();
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(10);
    }

    bool handled() const { return m_handled; }

private:
    void poll() {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            m_timer.stop();   // the handler may run a dialog of its own
            m_handled = true;
            m_handle(dialog);
        } else if (m_clock.elapsed() > m_timeoutMs) {
            // Some other dialog is in the way: close it rather than hang the test.
            m_timer.stop();
            if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget())) other->reject();
        }
    }

    std::function<void(Dialog*)> m_handle;
    int m_timeoutMs;
    QTimer m_timer;
    QElapsedTimer m_clock;
    bool m_handled = false;
};
