// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gui/QtDialogs.h"
#include <QApplication>
#include <QDeadlineTimer>
#include <QInputDialog>
#include <QMessageBox>
#include <QThread>

static QString gameTitle() { return QStringLiteral("Zelka-Kvadra"); }

MsgAnswer QtMessageBox::show(const MessageRequest& request) {
    QMessageBox box(m_parent);
    box.setWindowTitle(request.title.isEmpty() ? gameTitle() : request.title);
    box.setText(request.text);
    switch (request.icon) {
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    }
    switch (request.buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    default: return request.buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }
}

QString QtInputBox::ask(const QString& prompt, const QString& title, const QString& initial) {
    bool ok = false;
    const QString text = QInputDialog::getText(m_parent, title.isEmpty() ? gameTitle() : title,
                                               prompt, QLineEdit::Normal, initial, &ok);
    return ok ? text : QString();
}

void QtEventPump::wait(double seconds) {
    if (m_beforeWait) m_beforeWait();
    QDeadlineTimer deadline(static_cast<qint64>(seconds * 1000));
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        if (!deadline.hasExpired()) QThread::msleep(5);
    } while (!deadline.hasExpired());
}
