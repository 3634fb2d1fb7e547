// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Stored shuffled states: the file kever.dat of 52-byte records, so that several
// players can play the same start. Each record keeps the board as ranks (one
// character per field cell, row by row) followed by the digits of the row and the
// column marker colours.
//
// A damaged record (wrong size, ranks that are not a permutation of 1..N², marker
// digits that are not a permutation of 1..N, an id below 1) is never listed and never
// loaded; the records around it keep working. A file whose length is not a whole
// number of records ends in a partial record: it is read as if padded with blanks,
// and the next save writes those blanks, so the user's bytes stay and new records
// line up again.
#include "files/RegularFile.h"
#include <QByteArray>
#include <QDir>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

struct GameState;
struct LanguageTable;
struct Platform;
class RandomSource;

inline constexpr char kShuffledStatesFileName[] = "kever.dat";
constexpr int kShuffledRecordSize = 52;
constexpr int kShuffledCellsSize = 48;
constexpr int kMaxShuffledStateId = 32767;   // ids are signed 16-bit numbers

// One record of kever.dat, little-endian.
struct ShuffledStateRecord {
    qint16 id = 0;
    qint16 size = 0;
    QByteArray cells = QByteArray(kShuffledCellsSize, ' ');

    // Exactly 52 bytes.
    QByteArray toBytes() const;
    // `bytes` shorter than a record reads as padded with blanks.
    static ShuffledStateRecord fromBytes(QByteArrayView bytes);
};

// The contents of a `cells` text for a board of size n.
struct ShuffledStateCells {
    int n = 0;
    std::vector<int> ranks;        // n*n ranks, row by row
    std::vector<int> rowColours;   // 1..n, index 0 unused
    std::vector<int> colColours;   // 1..n, index 0 unused
};

// Reads a `cells` text for size n; nullopt when it is damaged.
std::optional<ShuffledStateCells> ParseShuffledCells(const QByteArray& cells, int n);

// A state of the list: what the chooser shows and what loading needs.
struct ShuffledStateEntry {
    int id = 0;
    QByteArray cells;   // 48 characters
};

// Whether `record` holds a state the chooser lists: an id of 1 or more, and cells that
// read for its size.
bool IsSoundShuffledState(const ShuffledStateRecord& record);
// Every record of `fileBytes` in file order (a trailing partial record padded).
QList<ShuffledStateRecord> SplitShuffledStateRecords(const QByteArray& fileBytes);
// The sound records of size n, in file order.
QList<ShuffledStateEntry> ShuffledStatesOfSize(const QByteArray& fileBytes, int n);

// Reads kever.dat in `folder`; nullopt when the file does not exist or cannot be read
// (`access`, optional, tells which).
std::optional<QByteArray> ReadShuffledStateFile(const QDir& folder, FileAccess* access = nullptr);
// Tells once in a run why kever.dat was not read.
void TellShuffledStatesUnread(GameState& s, Platform& p, FileAccess access);

// The states of the current board size for the chooser. Shows message 8 when the
// file is missing and message 26 when it holds no state of this size; nullopt then.
std::optional<QList<ShuffledStateEntry>> FillShuffledStateList(GameState& s, Platform& p,
                                                               const QDir& folder);

// The board as a record: ranks (higher values get higher ranks, ties in random
// order), then the row and the column marker digits.
ShuffledStateRecord MakeShuffledStateRecord(const GameState& s, RandomSource& rnd, int id);

enum class SaveOutcome { Saved, FileFull, NotFound, Unreadable, WriteFailed };

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::WriteFailed;
    int id = 0;   // the id written
    FileAccess access = FileAccess::Ok;   // why an existing file was not read (Unreadable)
};

// Writes the board into kever.dat: id 0 appends a new state (id = last id + 1), any
// other id overwrites the state of the board's size with that id and keeps its id.
// The file is rewritten through its scratch file, so a failed write leaves the old
// file as it was; one that cannot be read is not written at all.
SaveResult WriteShuffledState(const GameState& s, RandomSource& rnd, const QDir& folder, int id);

// WriteShuffledState with its messages: message 49 and the id for a new state, a
// critical box when nothing could be written. True when the board was saved.
bool SaveShuffledState(GameState& s, Platform& p, const QDir& folder, int id);

// Puts a stored state on the board: tiles keep their places, values and looks
// change; the marker digits are used by type (diagonal: row colours; random colours:
// row and column colours). Shows "K:<id>" in `kvall`. False, with nothing changed,
// when the state does not fit the board.
bool LoadShuffledState(GameState& s, const ShuffledStateEntry& entry);

// What the player is told, in `language`, when kever.dat is full.
QString ShuffledStatesFullText(const LanguageTable& language);
