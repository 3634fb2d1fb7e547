// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Connecting to an X display names the toolkit's own helper window in the user's
// locale, and the X library reads its locale database for that: a few milliseconds
// that the application object would spend before any window exists. The X library
// keeps that database for every thread, so a second core can read it while the
// application object starts; the connection then finds it read.
#include <thread>

// Starts reading it when the game will show on an X display in a UTF-8 locale (the
// locale of the environment must be set already); otherwise returns a thread that
// does nothing. Join it once the application exists.
std::thread StartDisplayLocaleWarmUp();
