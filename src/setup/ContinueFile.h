// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The continue file: the game under way, kept in the player's folder so that it
// survives closing the window, a crash or a power cut. It is rewritten after every
// step through the scratch file of its own name (ScratchFile.h), so a kill at any
// instant leaves the previous game or the new one. It is removed when the game ends
// or is given up. A file that cannot be decoded is never deleted but moved to a side
// file (SideFile.h); something other than a regular file in its place is read as
// nothing and left alone (RegularFile.h).
#include "files/RegularFile.h"
#include "files/ScratchFile.h"
#include "setup/SavedGame.h"
#include <QDateTime>
#include <QDir>
#include <optional>

inline constexpr char kContinueFileName[] = "folytat.dat";

bool WriteContinueFile(const QDir& folder, const SavedGame& game, const RenameFile& rename = RenameOver);

// The bytes of the file, when it is a regular file within its limit (FileLimits.h).
FileRead ReadContinueFile(const QDir& folder);
// Removes the file; true when no file is left.
bool RemoveContinueFile(const QDir& folder);
// Moves the file to a side file of its own; the side file's name, or nothing when the
// file stayed where it was.
std::optional<QString> SetContinueFileAside(const QDir& folder, const QDateTime& now);
