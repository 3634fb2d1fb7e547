// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/StoredGamesFile.h"
#include "files/FileLimits.h"
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

constexpr qint64 kRecordsPerRead = 256;

QString storedGamesPath(const QDir& folder) { return folder.filePath(QString::fromLatin1(kStoredGamesFileName)); }

// Whether record `position` of `file` still holds `game`.
bool holdsGame(QFile& file, const StoredGame& game) {
    if (!file.seek(game.position * kStoredGameRecordSize)) return false;
    const QByteArray bytes = file.read(kStoredGameRecordSize);
    if (bytes.size() != kStoredGameRecordSize) return false;
    const std::optional<StoredGame> found = StoredGameOf(StoredGameRecord::fromBytes(bytes), game.position);
    return found && found->serial == game.serial;
}

// Copies minta.dat into the scratch file with record `position` replaced by
// `replacement` (empty: the file ends before it), then renames the scratch file over
// minta.dat. Everything after the replaced record is copied as it is; a trailing part
// of a record before it is completed with blanks.
bool rewriteWith(const QDir& folder, QFile& in, qint64 position, const QByteArray& replacement,
                 const RenameFile& rename) {
    const qint64 fileSize = in.isOpen() ? in.size() : 0;
    const qint64 start = position * kStoredGameRecordSize;
    QFile scratch;
    if (!OpenScratchFile(scratch, storedGamesPath(folder))) return false;
    bool ok = !in.isOpen() || in.seek(0);
    const qint64 before = std::min(fileSize, start);
    ok = ok && CopyFileBytes(in, scratch, before);
    ok = ok && scratch.write(QByteArray(start - before, ' ')) == start - before;
    ok = ok && scratch.write(replacement) == replacement.size();
    const qint64 end = start + kStoredGameRecordSize;
    if (ok && fileSize > end) ok = in.seek(end) && CopyFileBytes(in, scratch, fileSize - end);
    in.close();
    if (!ok) {
        AbandonScratchFile(scratch);
        return false;
    }
    return CommitScratchFile(scratch, storedGamesPath(folder), rename);
}

// The record of `content`, or nothing when it would not read back as a game: a record
// the game cannot play would lie in the file unseen, under a serial given out again.
std::optional<StoredGameRecord> playableRecord(int serial, const StoredGameContent& content) {
    std::optional<StoredGameRecord> record =
        MakeStoredGameRecord(serial, content.size, content.name, content.targetMap, content.shuffle);
    if (record && !StoredGameOf(*record, 0)) record.reset();
    return record;
}

void scanRecord(StoredGamesScan& scan, QByteArrayView bytes) {
    const qint64 position = scan.recordCount++;
    const StoredGameRecord record = StoredGameRecord::fromBytes(bytes);
    const bool whole = bytes.size() == kStoredGameRecordSize;
    const std::optional<StoredGame> game = StoredGameOf(record, position);
    // Every serial that can be read is taken, a damaged record's and a trailing part's
    // too: a record mended by hand, or a part the next change completes with blanks,
    // must never share its serial with a new game.
    if (bytes.size() >= 2 && record.serial >= 1) scan.highestSerial = std::max<int>(scan.highestSerial, record.serial);
    if (game && whole) {
        scan.games.append(*game);
    } else if (!whole || KindOf(record) != StoredGameKind::Deleted) {
        if (scan.damagedRecords++ == 0) scan.firstDamaged = position;
    }
}

} // namespace

StoredGamesScan ScanStoredGames(QIODevice& device) {
    StoredGamesScan scan;
    QByteArray pending;
    for (;;) {
        const QByteArray block = device.read(kRecordsPerRead * kStoredGameRecordSize);
        if (block.isEmpty()) break;
        pending += block;
        qsizetype at = 0;
        for (; pending.size() - at >= kStoredGameRecordSize; at += kStoredGameRecordSize)
            scanRecord(scan, QByteArrayView(pending).sliced(at, kStoredGameRecordSize));
        pending.remove(0, at);
    }
    if (!pending.isEmpty()) scanRecord(scan, pending);   // a trailing part of a record
    return scan;
}

std::optional<StoredGamesScan> ReadStoredGames(const QDir& folder, FileAccess* access) {
    QFile file;
    const FileAccess opened = OpenRegularFile(file, storedGamesPath(folder), FileLimit::StoredGames);
    if (access) *access = opened;
    if (opened != FileAccess::Ok) return std::nullopt;
    return ScanStoredGames(file);
}

bool CreateStoredGamesFile(const QDir& folder) {
    // Whatever stands there already, it is not replaced.
    if (QFileInfo::exists(storedGamesPath(folder)) || QFileInfo(storedGamesPath(folder)).isSymLink()) return true;
    QFile file(storedGamesPath(folder));
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

const StoredGame* FindStoredGame(const StoredGamesScan& scan, int serial, int size) {
    for (const StoredGame& game : scan.games)
        if (serial != 0 ? game.serial == serial : game.size == size) return &game;
    return nullptr;
}

QList<StoredGame> StoredGamesOfSize(const StoredGamesScan& scan, int size) {
    QList<StoredGame> games;
    for (const StoredGame& game : scan.games)
        if (game.size == size) games.append(game);
    return games;
}

StoredGameSaved AppendStoredGame(const QDir& folder, const StoredGameContent& content,
                                 const RenameFile& rename) {
    QFile in;
    const FileAccess access = OpenRegularFile(in, storedGamesPath(folder), FileLimit::StoredGames);
    if (access != FileAccess::Ok && access != FileAccess::Missing) return {StoredGamesWrite::WriteFailed, 0};
    const StoredGamesScan scan = in.isOpen() ? ScanStoredGames(in) : StoredGamesScan{};
    // Never a serial a game already has: the next one after the highest, which in a
    // file written by the game is the last record's.
    const int serial = scan.highestSerial + 1;
    if (serial > kMaxStoredGameSerial) return {StoredGamesWrite::FileFull, 0};
    const std::optional<StoredGameRecord> record = playableRecord(serial, content);
    if (!record || !rewriteWith(folder, in, scan.recordCount, record->toBytes(), rename))
        return {StoredGamesWrite::WriteFailed, 0};
    return {StoredGamesWrite::Written, serial};
}

StoredGameSaved OverwriteStoredGame(const QDir& folder, const StoredGame& game,
                                    const StoredGameContent& content, const RenameFile& rename) {
    QFile in;
    if (OpenRegularFile(in, storedGamesPath(folder), FileLimit::StoredGames) != FileAccess::Ok || !holdsGame(in, game))
        return {StoredGamesWrite::NotFound, 0};
    const std::optional<StoredGameRecord> record = playableRecord(game.serial, content);
    if (!record || !rewriteWith(folder, in, game.position, record->toBytes(), rename))
        return {StoredGamesWrite::WriteFailed, 0};
    return {StoredGamesWrite::Written, game.serial};
}

StoredGamesWrite DeleteStoredGame(const QDir& folder, const StoredGame& game, const RenameFile& rename) {
    QFile in;
    if (OpenRegularFile(in, storedGamesPath(folder), FileLimit::StoredGames) != FileAccess::Ok || !holdsGame(in, game))
        return StoredGamesWrite::NotFound;
    const bool last = (game.position + 1) * kStoredGameRecordSize >= in.size();
    const QByteArray replacement = last ? QByteArray() : QByteArray(kStoredGameRecordSize, '\0');
    return rewriteWith(folder, in, game.position, replacement, rename) ? StoredGamesWrite::Written
                                                                        : StoredGamesWrite::WriteFailed;
}
