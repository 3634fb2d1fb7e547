// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// First uses of the toolkit that a window with text and a menu bar pays for before
// its first paint: the list of the machine's fonts and of the families that stand in
// for missing characters, and the image-format modules that reading the menu bar's
// own icon loads. All are shared by every thread and guarded by the toolkit, so a
// second core can do them while the window is being built.
#include <thread>

// Starts them once the application exists; join the thread before the window shows.
std::jthread StartToolkitWarmUp();
