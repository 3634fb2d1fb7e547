// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/ShuffledStates.h"
#include "play/BoardChanged.h"
#include "play/GameState.h"
#include "play/Messages.h"
#include "play/OwnTexts.h"
#include "play/TileGeometry.h"
#include "files/FileLimits.h"
#include "files/ScratchFile.h"
#include "play/FileProblems.h"
#include "setup/Arrangement.h"
#include "ui/Platform.h"
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kMinBoardSize = 4;
constexpr int kMaxBoardSize = 6;

QString shuffledStatesPath(const QDir& folder) {
    return folder.filePath(QString::fromLatin1(kShuffledStatesFileName));
}

// Reads `count` digits starting at `from` as a permutation of 1..count.
std::optional<std::vector<int>> readMarkerDigits(const QByteArray& cells, int from, int count) {
    std::vector<int> colours(static_cast<size_t>(count + 1), 0);
    std::vector<bool> seen(static_cast<size_t>(count + 1), false);
    for (int i = 1; i <= count; ++i) {
        const int d = cells[from + i - 1] - '0';
        if (d < 1 || d > count || seen[d]) return std::nullopt;
        seen[d] = true;
        colours[i] = d;
    }
    return colours;
}

bool isSoundRecord(const ShuffledStateRecord& r) {
    return r.id >= 1 && ParseShuffledCells(r.cells, r.size).has_value();
}

QChar markerDigit(const std::vector<int>& colours, int i) {
    const int d = i < static_cast<int>(colours.size()) ? colours[i] : 0;
    return QChar(u'0' + std::clamp(d, 0, 9));
}

} // namespace

QByteArray ShuffledStateRecord::toBytes() const {
    QByteArray bytes(kShuffledRecordSize, ' ');
    qToLittleEndian<qint16>(id, bytes.data());
    qToLittleEndian<qint16>(size, bytes.data() + 2);
    const qsizetype n = std::min<qsizetype>(cells.size(), kShuffledCellsSize);
    std::copy_n(cells.constData(), n, bytes.data() + 4);
    return bytes;
}

ShuffledStateRecord ShuffledStateRecord::fromBytes(QByteArrayView bytes) {
    QByteArray whole(kShuffledRecordSize, ' ');
    std::copy_n(bytes.data(), std::min<qsizetype>(bytes.size(), kShuffledRecordSize),
                whole.data());
    ShuffledStateRecord r;
    r.id = qFromLittleEndian<qint16>(whole.constData());
    r.size = qFromLittleEndian<qint16>(whole.constData() + 2);
    r.cells = whole.mid(4, kShuffledCellsSize);
    return r;
}

std::optional<ShuffledStateCells> ParseShuffledCells(const QByteArray& cells, int n) {
    if (n < kMinBoardSize || n > kMaxBoardSize || cells.size() < n * n + 2 * n)
        return std::nullopt;
    ShuffledStateCells parsed;
    parsed.n = n;
    const int count = n * n;
    std::vector<bool> seen(static_cast<size_t>(count + 1), false);
    for (int p = 0; p < count; ++p) {
        const int r = static_cast<unsigned char>(cells[p]);
        if (r < 1 || r > count || seen[r]) return std::nullopt;
        seen[r] = true;
        parsed.ranks.push_back(r);
    }
    auto rows = readMarkerDigits(cells, count, n);
    auto cols = readMarkerDigits(cells, count + n, n);
    if (!rows || !cols) return std::nullopt;
    parsed.rowColours = std::move(*rows);
    parsed.colColours = std::move(*cols);
    return parsed;
}

bool IsSoundShuffledState(const ShuffledStateRecord& record) { return isSoundRecord(record); }

QList<ShuffledStateRecord> SplitShuffledStateRecords(const QByteArray& fileBytes) {
    QList<ShuffledStateRecord> records;
    for (qsizetype at = 0; at < fileBytes.size(); at += kShuffledRecordSize)
        records.append(ShuffledStateRecord::fromBytes(
            fileBytes.mid(at, kShuffledRecordSize)));
    return records;
}

QList<ShuffledStateEntry> ShuffledStatesOfSize(const QByteArray& fileBytes, int n) {
    QList<ShuffledStateEntry> entries;
    for (const ShuffledStateRecord& r : SplitShuffledStateRecords(fileBytes))
        if (r.size == n && isSoundRecord(r)) entries.append({r.id, r.cells});
    return entries;
}

std::optional<QByteArray> ReadShuffledStateFile(const QDir& folder, FileAccess* access) {
    FileRead file = ReadRegularFile(shuffledStatesPath(folder), FileLimit::ShuffledStates);
    if (access) *access = file.access;
    if (file.access != FileAccess::Ok) return std::nullopt;
    return std::move(file.bytes);
}

std::optional<QList<ShuffledStateEntry>> FillShuffledStateList(GameState& s, Platform& p,
                                                               const QDir& folder) {
    FileAccess access = FileAccess::Ok;
    const std::optional<QByteArray> bytes = ReadShuffledStateFile(folder, &access);
    if (!bytes) {
        if (access == FileAccess::Missing) ShowMessage(s, p, 8, MsgIcon::Information);
        else TellShuffledStatesUnread(s, p, access);
        return std::nullopt;
    }
    QList<ShuffledStateEntry> entries = ShuffledStatesOfSize(*bytes, s.N());
    if (entries.isEmpty()) {
        ShowMessage(s, p, 26, MsgIcon::Information);
        return std::nullopt;
    }
    return entries;
}

ShuffledStateRecord MakeShuffledStateRecord(const GameState& s, RandomSource& rnd, int id) {
    const int n = s.N();
    const int count = n * n;
    // A cell's key is its value scaled far above the random part, so higher values
    // always rank higher and cells of equal value (one colour) rank in random order.
    std::vector<long> keys(static_cast<size_t>(count + 1), 0);
    for (int p = 1; p <= count; ++p)
        keys[p] = s.board.value(s.board.fieldCell(p)) * 256L + std::lround(rnd.Rnd() * 100);
    std::vector<int> ranks(static_cast<size_t>(count + 1), 0);
    for (int r = count; r >= 1; --r) {
        int best = 0;
        for (int p = 1; p <= count; ++p)
            if (ranks[p] == 0 && (best == 0 || keys[p] > keys[best])) best = p;
        ranks[best] = r;
    }

    ShuffledStateRecord record;
    record.id = static_cast<qint16>(id);
    record.size = static_cast<qint16>(n);
    QByteArray cells;
    for (int p = 1; p <= count; ++p) cells.append(static_cast<char>(ranks[p]));
    for (int i = 1; i <= n; ++i) cells.append(markerDigit(s.rowColours, i).toLatin1());
    for (int j = 1; j <= n; ++j) cells.append(markerDigit(s.colColours, j).toLatin1());
    record.cells = cells.leftJustified(kShuffledCellsSize, ' ', true);
    return record;
}

SaveResult WriteShuffledState(const GameState& s, RandomSource& rnd, const QDir& folder, int id) {
    const QString path = shuffledStatesPath(folder);
    QFile in;
    const FileAccess access = OpenRegularFile(in, path, FileLimit::ShuffledStates);
    // A file that cannot be read is never replaced.
    if (access != FileAccess::Ok && access != FileAccess::Missing) return {SaveOutcome::Unreadable, 0, access};
    const bool exists = access == FileAccess::Ok;
    const qint64 fileSize = exists ? in.size() : 0;
    const qint64 recordCount = (fileSize + kShuffledRecordSize - 1) / kShuffledRecordSize;
    const QList<ShuffledStateRecord> records = SplitShuffledStateRecords(exists ? in.readAll() : QByteArray());

    qint64 position = -1;   // record index (from 0) written
    int newId = id;
    if (id == 0) {
        // The last id + 1; never an id a sound record already has, even in a file
        // whose ids and positions have come apart.
        qint64 highest = recordCount;
        for (const ShuffledStateRecord& r : records)
            if (isSoundRecord(r)) highest = std::max<qint64>(highest, r.id);
        if (highest + 1 > kMaxShuffledStateId) return {SaveOutcome::FileFull, 0};
        newId = static_cast<int>(highest + 1);
        position = recordCount;
    } else {
        // The state the chooser listed: one of the board's size. A file put together
        // from several may hold the same id at another size as well.
        for (qsizetype i = 0; i < records.size() && position < 0; ++i)
            if (records[i].id == id && records[i].size == s.N() && isSoundRecord(records[i])) position = i;
        if (position < 0) return {SaveOutcome::NotFound, 0};
    }

    const QByteArray record = MakeShuffledStateRecord(s, rnd, newId).toBytes();
    QFile out;
    if (!OpenScratchFile(out, path)) return {SaveOutcome::WriteFailed, 0};
    if (exists) in.seek(0);
    const qint64 before = std::min(fileSize, position * kShuffledRecordSize);
    bool ok = !exists || CopyFileBytes(in, out, before);
    // A trailing partial record is completed with blanks before a new record follows.
    const qint64 padding = position * kShuffledRecordSize - before;
    ok = ok && out.write(QByteArray(padding, ' ')) == padding;
    ok = ok && out.write(record) == record.size();
    const qint64 after = fileSize - std::min(fileSize, (position + 1) * kShuffledRecordSize);
    if (ok && after > 0) ok = in.seek((position + 1) * kShuffledRecordSize) && CopyFileBytes(in, out, after);
    in.close();
    if (!ok) {
        AbandonScratchFile(out);
        return {SaveOutcome::WriteFailed, 0};
    }
    if (!CommitScratchFile(out, path)) return {SaveOutcome::WriteFailed, 0};
    return {SaveOutcome::Saved, newId};
}

void TellShuffledStatesUnread(GameState& s, Platform& p, FileAccess access) {
    const QString file = QString::fromLatin1(kShuffledStatesFileName);
    TellFileProblemOnce(s, p, file, FileNotReadText(access, file, FileLimit::ShuffledStates, s.texts));
}

bool SaveShuffledState(GameState& s, Platform& p, const QDir& folder, int id) {
    const SaveResult result = WriteShuffledState(s, p.random, folder, id);
    switch (result.outcome) {
    case SaveOutcome::Saved:
        if (id == 0)
            ShowMessage(s, p, 49, MsgIcon::Information, MsgButtons::Ok,
                        QLatin1Char(' ') + QString::number(result.id));
        return true;
    case SaveOutcome::Unreadable:
        TellShuffledStatesUnread(s, p, result.access);
        return false;
    case SaveOutcome::NotFound:
        // The file changed under the chooser: the state to overwrite is gone.
        ShowMessage(s, p, QFile::exists(shuffledStatesPath(folder)) ? 26 : 8, MsgIcon::Information);
        return false;
    case SaveOutcome::FileFull:
    case SaveOutcome::WriteFailed: {
        MessageRequest request;
        request.text = result.outcome == SaveOutcome::FileFull
                           ? ShuffledStatesFullText(s.texts)
                           : OwnTextIn(OwnText::ShuffledStatesNotWritten, s.texts);
        request.icon = MsgIcon::Critical;
        p.messageBox.show(request);
        return false;
    }
    }
    return false;
}

bool LoadShuffledState(GameState& s, const ShuffledStateEntry& entry) {
    const int n = s.N();
    const std::optional<ShuffledStateCells> state = ParseShuffledCells(entry.cells, n);
    if (!state || entry.id < 1) return false;

    s.shuffleNo = entry.id;
    s.panel.kvall.caption = s.panel.kever.caption.left(1) + QLatin1Char(':') + QString::number(entry.id);
    s.panel.kvall.visible = true;

    const bool numbers = s.numberTypeSelected();
    for (int p = 1; p <= n * n; ++p) {
        const Cell cell = s.board.fieldCell(p);
        const int rank = state->ranks[p - 1];
        const int value = numbers ? rank : (rank - 1) / n + 1;
        s.board.setValue(cell, value);
        const int k = s.board.ctl(cell);
        if (k < 1 || k > s.controls.tileCount()) continue;
        PlaceTileControls(s, k, value, cell);   // same cell: re-aligns a number label
        DrawTileLook(s, k, value);
    }

    const bool randomColours = s.panel.generalt.checked;
    const bool rowsUsed = randomColours || s.panel.atlos.checked;
    for (int i = 1; i <= n; ++i) {
        if (rowsUsed && i < static_cast<int>(s.rowColours.size())) {
            s.rowColours[i] = state->rowColours[i];
            if (i < static_cast<int>(s.controls.rowMarkers.size()))
                s.controls.rowMarkers[i].colourIndex = state->rowColours[i];
        }
        if (randomColours && i < static_cast<int>(s.colColours.size())) {
            s.colColours[i] = state->colColours[i];
            if (i < static_cast<int>(s.controls.colMarkers.size()))
                s.controls.colMarkers[i].colourIndex = state->colColours[i];
        }
    }
    OnBoardChanged(s);
    return true;
}

QString ShuffledStatesFullText(const LanguageTable& language) {
    return OwnTextIn(OwnText::ShuffledStatesFull, language).arg(kMaxShuffledStateId);
}
