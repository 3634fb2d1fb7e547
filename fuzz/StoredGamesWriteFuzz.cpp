// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the changes to minta.dat: a new game goes to the end with a
// serial no game has; a changed or deleted game touches its own record only; every
// other record, damaged ones included, keeps its bytes.
//
// Input: a control byte (what to do, to which game, of which size), then the file.
#include "FuzzSupport.h"
#include "StoredGamesFixture.h"
#include "setup/StoredGamesFile.h"
#include <algorithm>

namespace {

const QString kFile = QLatin1String(kStoredGamesFileName);

StoredGameContent contentOfSize(int n, bool withStart) {
    return {n, QStringLiteral("Próba"), CyclicMap(n, {{0, 1}}), withStart ? CyclicStart(n) : QString()};
}

StoredGamesScan scanOf(const QDir& folder) {
    const std::optional<StoredGamesScan> scan = ReadStoredGames(folder);
    fuzz::Check(scan.has_value(), "the file is still there");
    return *scan;
}

// Each byte outside the record at `position` is as it was; a trailing part of a
// record before it may have been completed with blanks.
void checkOtherRecordsKept(const QByteArray& before, const QByteArray& after, qint64 position) {
    const qint64 at = position * kStoredGameRecordSize;
    fuzz::Check(after.left(at) == before.left(at).leftJustified(at, ' '), "the records before keep their bytes");
    fuzz::Check(after.mid(at + kStoredGameRecordSize) == before.mid(at + kStoredGameRecordSize),
                "the records after keep their bytes");
}

// A trailing part of a record is completed with blanks before a new game follows it,
// and may then read as a game of its own.
int gamesCompletedByAppending(const QByteArray& bytes) {
    const qsizetype rest = bytes.size() % kStoredGameRecordSize;
    if (rest == 0) return 0;
    return StoredGameOf(StoredGameRecord::fromBytes(bytes.right(rest)), 0) ? 1 : 0;
}

void checkAppend(const QDir& folder, const QByteArray& bytes, const StoredGamesScan& scan, quint8 control) {
    const StoredGameContent content = contentOfSize(4 + control / 4 % 3, control / 12 % 2 == 1);
    const StoredGameSaved saved = AppendStoredGame(folder, content);
    const QByteArray after = fuzz::ReadFile(folder, kFile);
    if (saved.outcome == StoredGamesWrite::FileFull) {
        fuzz::Check(scan.highestSerial >= kMaxStoredGameSerial && after == bytes, "a full file is left alone");
        return;
    }
    fuzz::Check(saved.outcome == StoredGamesWrite::Written && saved.serial == scan.highestSerial + 1,
                "a new game gets the next serial after the highest");
    checkOtherRecordsKept(bytes, after, scan.recordCount);
    const StoredGamesScan now = scanOf(folder);
    const StoredGame* game = FindStoredGame(now, saved.serial, 0);
    fuzz::Check(now.games.size() == scan.games.size() + 1 + gamesCompletedByAppending(bytes) && game && game->position == scan.recordCount &&
                    game->targetMap == content.targetMap && game->shuffle == content.shuffle,
                "the new game is the last record and reads back as saved");
}

void checkOverwrite(const QDir& folder, const QByteArray& bytes, const StoredGame& game, quint8 control) {
    const StoredGameContent content = contentOfSize(4 + control / 4 % 3, control / 12 % 2 == 1);
    const StoredGameSaved saved = OverwriteStoredGame(folder, game, content);
    fuzz::Check(saved.outcome == StoredGamesWrite::Written && saved.serial == game.serial,
                "a changed game keeps its serial");
    const QByteArray after = fuzz::ReadFile(folder, kFile);
    checkOtherRecordsKept(bytes, after, game.position);
    const StoredGamesScan now = scanOf(folder);
    const auto found = std::find_if(now.games.begin(), now.games.end(),
                                    [&](const StoredGame& g) { return g.position == game.position; });
    fuzz::Check(found != now.games.end() && found->serial == game.serial && found->size == content.size &&
                    found->targetMap == content.targetMap,
                "the changed game reads back in its own record");
}

void checkDelete(const QDir& folder, const QByteArray& bytes, const StoredGamesScan& scan, const StoredGame& game) {
    fuzz::Check(DeleteStoredGame(folder, game) == StoredGamesWrite::Written, "a listed game can be deleted");
    const QByteArray after = fuzz::ReadFile(folder, kFile);
    const qint64 at = game.position * kStoredGameRecordSize;
    if (at + kStoredGameRecordSize >= bytes.size()) {
        fuzz::Check(after == bytes.left(at), "deleting the last record shortens the file");
    } else {
        checkOtherRecordsKept(bytes, after, game.position);
        fuzz::Check(after.mid(at, kStoredGameRecordSize) == QByteArray(kStoredGameRecordSize, '\0'),
                    "a deleted game leaves a record of zero bytes");
    }
    const StoredGamesScan now = scanOf(folder);
    fuzz::Check(now.games.size() == scan.games.size() - 1 && now.damagedRecords == scan.damagedRecords,
                "exactly that game is gone and no record became damaged");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<fuzz::SteeredInput> input = fuzz::Steered(data, size);
    if (!input) return 0;
    const auto& [control, bytes] = *input;
    const QDir folder = fuzz::FolderHolding(kFile, bytes);
    const StoredGamesScan scan = scanOf(folder);
    const int action = scan.games.isEmpty() ? 0 : control % 4;
    const StoredGame game = scan.games.value(control / 24 % std::max<qsizetype>(scan.games.size(), 1));
    switch (action) {
    case 0: checkAppend(folder, bytes, scan, control); break;
    case 1: checkOverwrite(folder, bytes, game, control); break;
    default: checkDelete(folder, bytes, scan, game); break;
    }
    fuzz::Check(!QFile::exists(ScratchPathOf(folder.filePath(QLatin1String(kStoredGamesFileName)))), "no scratch file is left");
    return 0;
}
