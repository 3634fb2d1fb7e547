// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Shows a window's control states in its widgets. A window keeps the state of
// its controls in a plain struct of ControlState fields that its logic sets;
// it binds each field to the widget or menu action that shows it once, while
// building the form, and calls sync() after every handler.
//
//     m_binder.bind(m_controls.ok, okButton);
//     m_binder.bind(m_controls.listMenu, menu->menuAction());
//     ...
//     handler(m_controls);   // the logic changes the states
//     m_binder.sync();       // the widgets show them
//
// The states must outlive the binder (they are members of the same window).
#include "ui/ControlState.h"
#include <vector>

class FormCanvas;
class QAction;
class QWidget;

class ControlBinder {
public:
    // `canvas` moves widgets whose state gives a position; null when none does.
    explicit ControlBinder(FormCanvas* canvas = nullptr) : m_canvas(canvas) {}

    void bind(const ControlState& state, QWidget* widget);
    void bind(const ControlState& state, QAction* action);

    // Caption (or text), checked, position, enabled and visible of every bound control.
    void sync() const;

private:
    struct WidgetBinding {
        const ControlState* state;
        QWidget* widget;
    };
    struct ActionBinding {
        const ControlState* state;
        QAction* action;
    };
    FormCanvas* m_canvas;
    std::vector<WidgetBinding> m_widgets;
    std::vector<ActionBinding> m_actions;
};
