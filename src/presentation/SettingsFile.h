// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// param.dat: one 62-byte record (record 1) holding the settings that survive between
// runs. Integers are little-endian; the language name is code page 1250, left-aligned
// and padded with blanks to 20 bytes.
#include "files/RegularFile.h"
#include <QByteArray>
#include <QDir>
#include <QString>
#include <array>

inline constexpr char kSettingsFileName[] = "param.dat";
constexpr int kSettingsRecordSize = 62;
constexpr int kLanguageFieldSize = 20;

// The game-type numbering of the settings file. It differs from GameState::gameType
// (which counts diagonal before stored), so every crossing goes through the two
// mapping functions below.
namespace SettingsGameType {
constexpr int Random = 1;
constexpr int Stored = 2;
constexpr int Diagonal = 3;
constexpr int NumberSequence = 4;
} // namespace SettingsGameType

struct SettingsRecord {
    qint16 gameType = SettingsGameType::Random;
    qint16 boardSize = 5;
    qint16 rearrange = 0;
    qint16 numberTileColour = 1;
    std::array<quint32, 8> colours{};   // colour1..colour7 at 1..7 (7 = walls); 0 unused
    qint16 look3D = 1;
    qint16 sound = 1;
    qint16 pendoly = 0;
    QString language = QStringLiteral("Magyar");

    SettingsRecord();   // the defaults of a first start
    friend bool operator==(const SettingsRecord&, const SettingsRecord&) = default;
};

// Settings type -> GameState::gameType. Anything but 1, 2, 3 reads as number sequence.
int GameTypeFromSettings(int settingsType);
// GameState::gameType -> settings type (0 or unknown is written as random).
int SettingsTypeFromGameType(int gameType);
// The number-tile colour a stored value stands for: 0..6 as it is, anything else the
// default.
int NumberTileColourFromSettings(int stored);
// The size option a stored board size selects, as cells across (6, 7 or 8):
// 4 -> 4 x 4, 5 -> 5 x 5, anything else -> 6 x 6.
int GridSpanFromSettings(int boardSize);

// A language is only ever a plain file name in the program's folder: no path parts,
// no "..", no control characters, and it must fit the 20-byte field in code page 1250.
bool IsValidLanguageName(const QString& name);

QByteArray EncodeSettingsRecord(const SettingsRecord& record);

// Decodes as much of `bytes` as holds a record. Numbers and colours are kept as they
// stand, odd ones included, so they can be written back unchanged; fields the bytes
// do not reach and a language that is not a plain name take their defaults, and
// `repaired` (optional) tells whether that happened. Extra bytes are ignored.
SettingsRecord DecodeSettingsRecord(const QByteArray& bytes, bool* repaired = nullptr);

struct SettingsReadResult {
    SettingsRecord record;
    FileAccess access = FileAccess::Missing;   // Ok: the file was there and was read
    bool canonical = false;  // its first 62 bytes are exactly the encoding of `record`
};

// Reads record 1 of param.dat in `folder`. A missing, unreadable, short or damaged
// file yields the defaults for whatever could not be read.
SettingsReadResult ReadSettingsFile(const QDir& folder);

// Writes `record` as record 1 of param.dat atomically (scratch file, flush, rename).
// Bytes after the first record, if the file has any, are kept. A param.dat that is
// there but cannot be read is never replaced: false, and it stays as it is.
bool WriteSettingsFile(const QDir& folder, const SettingsRecord& record);

// Writes colour1..colour7 into param.dat and changes no other byte of it, whatever the
// rest holds (a language field the game cannot decode included). A missing or short
// file is completed to a whole record first, from what it holds and the defaults. A
// file that exists but cannot be read is left alone: false.
bool WriteSettingsColours(const QDir& folder, const std::array<quint32, 8>& colours);

// colour1..colour7 as stored in param.dat (index 0 unused), for the switch back to
// the flat look. Defaults when the file cannot be read.
std::array<quint32, 8> ReadStoredColours(const QDir& folder);
