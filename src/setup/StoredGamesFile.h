// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// minta.dat, the file of stored games: fixed 142-byte records numbered from 1. A new
// game goes to the end with the next serial; a changed game is written over its own
// record; a deleted game leaves a record of zero bytes in its place, or shortens the
// file when it was the last record.
//
// Every change is written completely to the scratch file of minta.dat, flushed and then
// renamed over it, so a failure at any point leaves the old file whole. Records
// that are neither games nor deleted slots (damaged ones, and a trailing part of a
// record) are skipped by every list and look-up and copied byte for byte by every
// rewrite.
#include "files/RegularFile.h"
#include "files/ScratchFile.h"
#include "setup/StoredGameRecord.h"
#include <QDir>
#include <QList>
#include <optional>

class QIODevice;

inline constexpr char kStoredGamesFileName[] = "minta.dat";

// What one reading of the file found.
struct StoredGamesScan {
    QList<StoredGame> games;    // the playable games of every size, in file order
    int damagedRecords = 0;     // records that are neither games nor deleted slots
    qint64 firstDamaged = -1;   // the position (from 0) of the first of them
    qint64 recordCount = 0;     // records in the file, a trailing part counted
    int highestSerial = 0;      // of every record whose serial field can be read, damaged
                                // ones and a trailing part included; 0 when there is none
};

// Reads the records of `device` from where it stands to its end.
StoredGamesScan ScanStoredGames(QIODevice& device);
// Reads minta.dat in `folder`; nothing when it does not exist or cannot be read (a
// special file, one over its limit); `access` (optional) tells which.
std::optional<StoredGamesScan> ReadStoredGames(const QDir& folder, FileAccess* access = nullptr);
// Creates an empty minta.dat when there is none; false when that fails.
bool CreateStoredGamesFile(const QDir& folder);

// The first game with `serial`; with serial 0, the first game of board size `size`.
const StoredGame* FindStoredGame(const StoredGamesScan& scan, int serial, int size);
QList<StoredGame> StoredGamesOfSize(const StoredGamesScan& scan, int size);

// The content of a game to save; the serial comes from the file.
struct StoredGameContent {
    int size = 0;
    QString name;       // cut to 10 characters
    QString targetMap;  // (N+2)² digits
    QString shuffle;    // N² digits, "" for a game without a start
};

enum class StoredGamesWrite { Written, FileFull, NotFound, WriteFailed };

struct StoredGameSaved {
    StoredGamesWrite outcome = StoredGamesWrite::WriteFailed;
    int serial = 0;   // the serial written
};

// Appends `content` as a new game with the highest serial + 1; FileFull when that
// would pass 32767. A minta.dat that cannot be read is never written.
StoredGameSaved AppendStoredGame(const QDir& folder, const StoredGameContent& content,
                                 const RenameFile& rename = RenameOver);
// Writes `content` over `game` in its own record, keeping its serial. NotFound when
// that record no longer holds the game.
StoredGameSaved OverwriteStoredGame(const QDir& folder, const StoredGame& game,
                                    const StoredGameContent& content,
                                    const RenameFile& rename = RenameOver);
// Deletes `game`; the other records keep their places and bytes.
StoredGamesWrite DeleteStoredGame(const QDir& folder, const StoredGame& game,
                                  const RenameFile& rename = RenameOver);
