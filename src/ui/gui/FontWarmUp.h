// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reading the machine's font configuration is the slowest step of a first paint with
// text. It does not need the window system, so it can run on a second core while the
// application connects to the display.
#include <thread>

// Starts loading the font configuration; join the thread before the first widget.
std::thread StartFontWarmUp();
