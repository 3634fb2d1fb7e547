// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The controls of the results browser `eredmeny` as its logic sets them. Arrays of
// controls keep the window's indices: rend(0..3), szur(0..3), tip(1..8).
#include "ui/ControlState.h"
#include <array>

struct BrowserControls {
    ControlState Label4;                       // row count
    ControlState rker;                         // frame of the sort options
    std::array<ControlState, 4> rend;          // name, steps, elapsed time, storage order
    ControlState szker;                        // frame of the filters
    std::array<ControlState, 9> tip;           // result types 1..8
    ControlState Label1, Label8, Label2, Label3, Label9;   // captions of the type boxes
    std::array<ControlState, 4> szur;          // 4 X 4, 5 X 5, 6 X 6, every size
    ControlState Label7, parkc;                // gap count
    ControlState Label5, lpsz;                 // step limit
    ControlState Label6, elhid;                // time limit
    ControlState kev;                          // shuffled or not: its caption; the state is three-valued
    ControlState nevsz;                        // picked-cell filter
    ControlState aktsor, rendben;
    // Menus
    ControlState torles, akttor, sortor, dattor, ossztor;
    ControlState lista, ls_pr, ls_fl;
    ControlState doknez;
};
