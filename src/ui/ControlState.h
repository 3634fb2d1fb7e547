// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What one control of a window shows, as the logic sets it: every window keeps
// its controls' states in a plain struct of these, and a ControlBinder shows them.
#include <QString>

struct ControlState {
    bool visible = true;
    bool enabled = true;
    bool checked = false;     // option buttons, check boxes, menu check marks
    QString caption;          // caption or text
    int left = -1;            // twips; -1 keeps the design position
    int top = -1;             // twips; -1 keeps the design position
    int width = -1;
};
