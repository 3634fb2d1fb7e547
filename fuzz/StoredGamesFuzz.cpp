// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the minta.dat reader: any bytes must read without a crash; every
// game the reader accepts must be playable (a sound map and start of its size) and
// must write back to the very bytes it was read from, apart from blanks after texts.
#include "setup/StoredGamesFile.h"
#include "setup/TargetMapText.h"
#include <QBuffer>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const StoredGamesScan scan = ScanStoredGames(buffer);
    const qint64 records = (bytes.size() + kStoredGameRecordSize - 1) / kStoredGameRecordSize;
    if (scan.recordCount != records || scan.games.size() + scan.damagedRecords > records) std::abort();
    for (const StoredGame& game : scan.games) {
        const QByteArray stored = bytes.mid(game.position * kStoredGameRecordSize, kStoredGameRecordSize);
        if (!IsSoundTargetMap(game.targetMap, game.size)) std::abort();
        if (game.hasStart() && !IsSoundStartText(game.shuffle, game.size)) std::abort();
        if (game.serial < 1 || game.serial > scan.highestSerial) std::abort();
        if (DrawTargetMap(game.targetMap, game.size, {}).shapes.size() !=
            static_cast<size_t>((game.size + 2) * (game.size + 2)))
            std::abort();
        const std::optional<StoredGameRecord> again =
            MakeStoredGameRecord(game.serial, game.size, game.name, game.targetMap, game.shuffle);
        if (!again) std::abort();
        const StoredGameRecord read = StoredGameRecord::fromBytes(stored);
        if (again->serial != read.serial || again->size != read.size || again->name != read.name) std::abort();
        if (StoredGameOf(*again, game.position)->targetMap != game.targetMap) std::abort();
    }
    return 0;
}
