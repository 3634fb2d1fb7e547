// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Writing a list to a text file. An existing file of the same name is replaced only
// once the new list is complete: the list goes into a scratch file beside it, which
// is flushed and then renamed over it.
#include "results/ListDocument.h"
#include "files/ScratchFile.h"
#include <QString>

struct GameState;
struct Platform;

// Writes `document` to `path`; false, with any earlier file of that name untouched,
// when the file cannot be created or written there.
bool WriteListFile(const QString& path, const ListDocument& document, const RenameFile& rename = RenameOver);

// Writes the list to `listFileName` and tells the user: message 70 and the path when
// it is written, message 68 and the path when it cannot be.
bool SaveListFile(const GameState& s, Platform& platform, const QString& listFileName,
                  const ListDocument& document, const RenameFile& rename = RenameOver);
