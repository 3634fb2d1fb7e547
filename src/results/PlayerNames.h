// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The player-name file "nevek.txt": code page 1250, one name per line in double
// quotes, lines ending CR LF. Its names fill the drop-down list of the name box.
// A double quote inside a name would split its line, so names never hold one:
// CleanPlayerName drops it from what is typed and the writers refuse it.
#include "files/RegularFile.h"
#include "files/ScratchFile.h"
#include <QByteArrayView>
#include <QDir>
#include <QStringList>

struct GameState;

inline const QString kPlayerNamesFile = QStringLiteral("nevek.txt");
constexpr int kMaxPlayerNameLength = 30;

// The names of the file's content, in file order, as code page 1250 bytes. A field is
// a quoted text or the text up to a comma, without its quotes; a line end always ends
// a field, so no name holds a quote or a line break. Whatever follows a closing quote
// on its line up to the next comma is skipped. Empty fields are left out.
QList<QByteArray> PlayerNameFields(QByteArrayView content);
// The same names as text.
QStringList ParsePlayerNames(QByteArrayView content);
// The names in `folder`'s name file; none when it is missing or cannot be read.
QStringList ReadPlayerNames(const QDir& folder, FileAccess* access = nullptr);
bool PlayerNamesFileExists(const QDir& folder);
// Empties the name box and fills its list, state.storing.playerNames, from the file.
// Returns how reading it went.
FileAccess LoadPlayerNames(GameState& state, const QDir& folder);

// `typed` as a name can hold it: without double quotes and control characters,
// cut to its first 30 characters.
QString CleanPlayerName(const QString& typed);

enum class NameFileStatus {
    Added,         // the name was appended
    AlreadyListed, // an entry equal to it (letter case counts) was there: nothing written
    Deleted,       // every entry equal to it is gone, others remain
    FileRemoved,   // no name was left, so the file is gone
    NotFound,      // no entry equal to it: nothing written
    Missing,       // there is no name file
    Invalid,       // empty, or holds a quote, a control or a non code page 1250 character
    Unreadable,    // the file is there but cannot be read (or is over its limit): untouched
    WriteFailed,   // nothing changed
};

// Appends `name` as a new line unless the file lists it already; creates the file.
// The file is replaced through its scratch file, so it never holds part of a line.
NameFileStatus AddPlayerName(const QDir& folder, const QString& name,
                             const RenameFile& rename = RenameOver);
// Removes every entry equal to `name`, rewriting the file through its scratch file.
NameFileStatus DeletePlayerName(const QDir& folder, const QString& name,
                                const RenameFile& rename = RenameOver);
// Removes the name file.
NameFileStatus DeleteAllPlayerNames(const QDir& folder);
