// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/gui/ControlBinder.h"
#include "ui/gui/FormCanvas.h"
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
// Only a changed text is set again: setting an edit box's text moves its cursor.
void showCaption(QWidget* widget, const QString& caption) {
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        if (combo->isEditable() && combo->currentText() != caption) combo->setEditText(caption);
        return;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (button->text() != caption) button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text() != caption) label->setText(caption);
    } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        if (box->title() != caption) box->setTitle(caption);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != caption) edit->setText(caption);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
        if (text->toPlainText() != caption) text->setPlainText(caption);
    }
}
} // namespace

void ControlBinder::bind(const ControlState& state, QWidget* widget) {
    m_widgets.push_back({&state, widget});
}

void ControlBinder::bind(const ControlState& state, QAction* action) {
    m_actions.push_back({&state, action});
}

void ControlBinder::sync() const {
    for (const WidgetBinding& b : m_widgets) {
        const ControlState& c = *b.state;
        showCaption(b.widget, c.caption);
        if (auto* button = qobject_cast<QAbstractButton*>(b.widget); button && button->isCheckable())
            if (button->isChecked() != c.checked) button->setChecked(c.checked);
        if (m_canvas) m_canvas->moveTo(b.widget, c.left, c.top, c.width);
        b.widget->setEnabled(c.enabled);
        b.widget->setVisible(c.visible);
    }
    for (const ActionBinding& a : m_actions) {
        const ControlState& c = *a.state;
        a.action->setText(c.caption);
        a.action->setEnabled(c.enabled);
        a.action->setVisible(c.visible);
        if (a.action->isCheckable()) a.action->setChecked(c.checked);
    }
}
