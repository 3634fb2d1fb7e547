// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Start-up and shut-down: the settings of param.dat put into the window's state, and
// written back when the program ends.
#include "files/RegularFile.h"
#include <QDir>

struct GameState;
struct Platform;

// What the window must select after LoadSettings: selecting the size option (which
// rebuilds the board), then the type option (which sets the game type up), then the
// value of the check box `atrend`, in that order.
struct StartupSelection {
    int gridSpan = 7;        // size option: 6 -> Option1, 7 -> Option2, 8 -> Option3
    int gameType = 1;        // GameType:: value: RandomColours -> generalt, Diagonal ->
                             // atlos, Stored -> tarolt, NumberSequence -> szamsor
    bool rearrange = false;  // atrend
    // How reading param.dat went, and whether a missing one could not be made; the
    // window tells the player once the language is known.
    FileAccess settingsAccess = FileAccess::Ok;
    bool settingsNotWritten = false;
};

// Reads param.dat from `folder` (creating it with the defaults when missing) and sets
// look3D, soundOn, pendolyMode with their menu check marks (hdim, hang_kell, babilon),
// the colour menu, numberTileColour, tileColours 1..7, resultsFile and languageName.
// Values that cannot be read take their defaults. A param.dat that is there but cannot
// be read is left as it is for the whole run (fileNotices.settingsLeftAlone).
StartupSelection LoadSettings(GameState& s, const QDir& folder);

// The start-up's problems with param.dat as the player is told them, in the language
// in use; empty when there were none. Marks them told.
QString SettingsStartupProblem(GameState& s, const StartupSelection& selection);

// Asks message 25 when a game is running, paused at its first target (folytat shown)
// or a stored game's start is being captured (k_tar shown). On No the focus goes
// back to `pp` and nothing is written: returns false. Otherwise writes the settings
// that changed (the colours stay as stored) and returns true: the program may end.
// A write that fails is told, once in a run; a param.dat left alone is not written.
// `askAboutGame` false: the player has already said what becomes of the game under way
// (kept for the next start, or discarded), so message 25 is not asked.
bool SaveSettingsOnExit(GameState& s, Platform& p, const QDir& folder, bool askAboutGame = true);

// The exit button and the exit menu item: true when the program should end now.
bool kilep_Click(GameState& s, Platform& p, const QDir& folder, bool askAboutGame = true);
bool m_exit_Click(GameState& s, Platform& p, const QDir& folder, bool askAboutGame = true);
// Closing the window through its frame: true lets it close, false cancels the close.
// Refused while the exit button is disabled.
bool Form_Unload(GameState& s, Platform& p, const QDir& folder, bool askAboutGame = true);

// Ctrl+C (character code 3) in the main window ends the program at once, without
// the exit question and without writing param.dat.
constexpr int kCtrlC = 3;
constexpr bool EndsProgramAtOnce(int charCode) { return charCode == kCtrlC; }
