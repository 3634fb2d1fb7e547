// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/StoredGameRecord.h"
#include "files/CodePage1250.h"
#include "results/ResultsCodec.h"
#include "setup/TargetMapText.h"
#include <QtEndian>
#include <algorithm>

namespace {

constexpr int kNameOffset = 4;
constexpr int kMapOffset = kNameOffset + kStoredGameNameSize;
constexpr int kShuffleOffset = kMapOffset + kStoredGameTextSize;

QByteArray padded(const QByteArray& text, int size) { return text.leftJustified(size, ' ', true); }

} // namespace

QByteArray StoredGameRecord::toBytes() const {
    QByteArray bytes(kStoredGameRecordSize, ' ');
    qToLittleEndian<qint16>(serial, bytes.data());
    qToLittleEndian<qint16>(size, bytes.data() + 2);
    bytes.replace(kNameOffset, kStoredGameNameSize, padded(name, kStoredGameNameSize));
    bytes.replace(kMapOffset, kStoredGameTextSize, padded(targetMap, kStoredGameTextSize));
    bytes.replace(kShuffleOffset, kStoredGameTextSize, padded(shuffle, kStoredGameTextSize));
    return bytes;
}

StoredGameRecord StoredGameRecord::fromBytes(QByteArrayView bytes) {
    QByteArray whole(kStoredGameRecordSize, ' ');
    std::copy_n(bytes.data(), std::min<qsizetype>(bytes.size(), kStoredGameRecordSize), whole.data());
    StoredGameRecord r;
    r.serial = qFromLittleEndian<qint16>(whole.constData());
    r.size = qFromLittleEndian<qint16>(whole.constData() + 2);
    r.name = whole.mid(kNameOffset, kStoredGameNameSize);
    r.targetMap = whole.mid(kMapOffset, kStoredGameTextSize);
    r.shuffle = whole.mid(kShuffleOffset, kStoredGameTextSize);
    return r;
}

StoredGameKind KindOf(const StoredGameRecord& r) {
    if (r == StoredGameRecord::fromBytes(QByteArray(kStoredGameRecordSize, '\0')))
        return StoredGameKind::Deleted;
    return StoredGameOf(r, 0) ? StoredGameKind::Game : StoredGameKind::Damaged;
}

std::optional<StoredGame> StoredGameOf(const StoredGameRecord& r, qint64 position) {
    const int n = r.size;
    if (r.serial < 1 || n < 4 || n > 6) return std::nullopt;
    const QString map = QString::fromLatin1(r.targetMap.left((n + 2) * (n + 2)));
    if (!IsSoundTargetMap(map, n)) return std::nullopt;
    QString start;
    if (r.shuffle.at(0) != ' ') {
        start = QString::fromLatin1(r.shuffle.left(n * n));
        if (!IsSoundStartText(start, n)) return std::nullopt;
    }
    // A name character the results cannot hold does not keep the game from being
    // played: its results carry the name with "?" in that place.
    const QString name = DecodeCp1250(r.name);
    StoredGame game;
    game.serial = r.serial;
    game.size = n;
    game.name = name;
    game.targetMap = map;
    game.shuffle = start;
    game.position = position;
    return game;
}

std::optional<StoredGameRecord> MakeStoredGameRecord(int serial, int size, const QString& name,
                                                     const QString& targetMap, const QString& shuffle) {
    const std::optional<QByteArray> nameBytes = EncodeCp1250(name.left(kStoredGameNameSize));
    if (!nameBytes) return std::nullopt;
    StoredGameRecord r;
    r.serial = static_cast<qint16>(serial);
    r.size = static_cast<qint16>(size);
    r.name = padded(*nameBytes, kStoredGameNameSize);
    r.targetMap = padded(targetMap.toLatin1(), kStoredGameTextSize);
    r.shuffle = padded(shuffle.toLatin1(), kStoredGameTextSize);
    return r;
}
