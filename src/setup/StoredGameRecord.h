// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One stored game as minta.dat keeps it: 142 bytes, little-endian, fields back to
// back: serial (signed 16-bit), board size (signed 16-bit), the name (10 bytes of code
// page 1250, blank-padded), the target map (64 digits, blank-padded) and the start
// arrangement (64 digits, blank-padded; all blanks when the game has no start).
//
// A record of zero bytes stands where a game was deleted. A record that is neither
// that nor a playable game is damaged: lists and look-ups skip it, rewrites keep it.
#include <QByteArray>
#include <QString>
#include <optional>

constexpr int kStoredGameRecordSize = 142;
constexpr int kStoredGameNameSize = 10;
constexpr int kStoredGameTextSize = 64;
constexpr int kMaxStoredGameSerial = 32767;   // serials are signed 16-bit numbers

struct StoredGameRecord {
    qint16 serial = 0;
    qint16 size = 0;
    QByteArray name = QByteArray(kStoredGameNameSize, ' ');       // code page 1250
    QByteArray targetMap = QByteArray(kStoredGameTextSize, ' ');
    QByteArray shuffle = QByteArray(kStoredGameTextSize, ' ');

    // Exactly 142 bytes.
    QByteArray toBytes() const;
    // `bytes` shorter than a record read as padded with blanks.
    static StoredGameRecord fromBytes(QByteArrayView bytes);
    friend bool operator==(const StoredGameRecord&, const StoredGameRecord&) = default;
};

enum class StoredGameKind { Game, Deleted, Damaged };
StoredGameKind KindOf(const StoredGameRecord& record);

// A playable stored game, as the chooser lists it and a game loads it.
struct StoredGame {
    int serial = 0;
    int size = 0;
    QString name;        // as stored, trailing blanks included
    QString targetMap;   // the (N+2)² map digits
    QString shuffle;     // the N² start digits, "" when the game has no start
    qint64 position = 0; // record index in the file, from 0

    bool hasStart() const { return !shuffle.isEmpty(); }
};

// The game a sound record holds; nothing for a deleted or damaged one: a serial below
// 1, a size outside 4..6, or a map or start that cannot be played (see TargetMapText.h).
// Any name is sound.
std::optional<StoredGame> StoredGameOf(const StoredGameRecord& record, qint64 position);

// The record for a game: the name cut to 10 characters; an empty start text gives a
// start of blanks. Nothing when the name holds a character code page 1250 cannot hold.
std::optional<StoredGameRecord> MakeStoredGameRecord(int serial, int size, const QString& name,
                                                     const QString& targetMap, const QString& shuffle);
