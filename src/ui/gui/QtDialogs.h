// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Message boxes, input boxes and event pumping on the real window system.
#include "ui/EventPump.h"
#include "ui/MessageBox.h"
#include <QPointer>
#include <QWidget>
#include <functional>

class QtMessageBox final : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    MsgAnswer show(const MessageRequest& request) override;

private:
    QPointer<QWidget> m_parent;
};

class QtInputBox final : public InputBox {
public:
    explicit QtInputBox(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    QString ask(const QString& prompt, const QString& title, const QString& initial) override;

private:
    QPointer<QWidget> m_parent;
};

// Waits while the window stays responsive; `beforeWait` lets the window show the
// current state first (a shuffle animation shows each frame this way).
class QtEventPump final : public EventPump {
public:
    void setBeforeWait(std::function<void()> hook) { m_beforeWait = std::move(hook); }
    void wait(double seconds) override;

private:
    std::function<void()> m_beforeWait;
};
