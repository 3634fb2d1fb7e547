// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The exit statuses of the program's command line. Without arguments the game window
// opens; the headless views end the program with one of these.
namespace ExitStatus {
constexpr int Done = 0;
constexpr int FileProblem = 1;    // a file that is missing or cannot be read or written
constexpr int BadArguments = 2;   // told on standard error, followed by the usage
constexpr int DamagedFile = 3;    // what was read before the damage is printed, with a warning
constexpr int TimeRanOut = 4;     // --solve: the time limit ran out first (what was found is printed)
} // namespace ExitStatus
