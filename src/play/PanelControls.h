// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The state of the window's panel controls (buttons, labels, boxes, menu items) as
// the game logic sets it. The window shows exactly this; tests read it directly.
#include "ui/ControlState.h"
#include <QString>

struct PanelControls {
    // Buttons
    ControlState kezd, kever, uj, kilep, folytat, tarol, ment, megse, k_tar, alapall, vminta,
        skev, okev;
    // Option groups and their buttons, the rearrangement check box
    ControlState tipus, generalt, atlos, tarolt, szamsor;
    ControlState dimenzio, Option1, Option2, Option3;
    ControlState atrend;
    // Labels and boxes
    ControlState Label1, Label2, Label3, Label4, sorsz, neve, lang, kvall, t_jatek, Lszm, elt,
        demo_szov, mker, mvon;
    // A game a hint or the solver helped: the mark while it runs, the reason at its end
    ControlState segitseg;
    // Menus and menu items
    ControlState menu, er_megj, color, hdim, uj_jatek, jatek_tor, kevall, kevment, kevtor, ntor,
        ntoregy, ntorosz, stmegj, nyelv, hang_kell, babilon, demo_jatek, m_exit;
    ControlState help, kezel, doknez, nevj;
    // The solver's menu items: a hint for the next move, the rest of the game played
    ControlState sugas, megold;
    // A control the window should give the focus to after the current action ("pp", "sorsz").
    QString focusRequest;
};

// The captions the window is designed with (the Hungarian defaults), used until a
// language file replaces them and whenever none can be read.
void SetDesignCaptions(PanelControls& p);
// Controls that are hidden when the window opens.
void SetDesignVisibility(PanelControls& p);
