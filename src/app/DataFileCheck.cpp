// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DataFileCheck.h"
#include "files/FileLimits.h"
#include "presentation/DisplayOptionsFile.h"
#include "presentation/LanguageFile.h"
#include "presentation/RichTextReader.h"
#include "presentation/SettingsFile.h"
#include "results/PlayerNames.h"
#include "results/ResultsFile.h"
#include "setup/ShuffledStates.h"
#include "setup/StoredGamesFile.h"
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

using State = DataFileCheck::State;

DataFileCheck Found(State state, const QString& detail) { return {DataFileKind::Unknown, state, detail}; }

DataFileCheck NotRead(FileAccess access, qint64 limit) {
    switch (access) {
    case FileAccess::Missing: return Found(State::Unreadable, QStringLiteral("no such file"));
    case FileAccess::NotRegular:
        return Found(State::Unreadable, QStringLiteral("not a regular file (a folder, a device or a pipe)"));
    case FileAccess::TooLarge:
        return Found(State::Unreadable,
                     QStringLiteral("larger than %1 bytes, the most the game reads of such a file").arg(limit));
    case FileAccess::Unreadable:
    case FileAccess::Ok: break;
    }
    return Found(State::Unreadable, QStringLiteral("cannot be opened for reading"));
}

DataFileCheck CheckResults(const QString& path) {
    const ResultsScan scan = ReadDecodedResultsFile(path, [](const DecodedRecord&) {});
    if (scan.access != FileAccess::Ok) return NotRead(scan.access, FileLimit::Results);
    const qint64 rest = scan.fileSize - scan.recordsEnd;
    if (scan.tailCut && scan.records == 0 && scan.recordsEnd == 0)
        return Found(State::Damaged, QStringLiteral("cut off inside its header (%1 bytes); --repair keeps them "
                                                    "in a side file").arg(scan.fileSize));
    if (scan.tailCut)
        return Found(State::Damaged,
                     QStringLiteral("cut off after result %1: its last %2 bytes, at offset %3, are part of a "
                                    "result whose storing was cut off; --repair keeps them in a side file")
                         .arg(scan.records).arg(rest).arg(scan.recordsEnd));
    if (scan.damaged && scan.records == 0 && scan.recordsEnd == 0)
        return Found(State::Damaged, QStringLiteral("no results header"));
    if (scan.damaged)
        return Found(State::Damaged, QStringLiteral("result %1, at offset %2, fails its check: the %3 bytes from "
                                                    "there on cannot be read")
                                         .arg(scan.records + 1).arg(scan.recordsEnd).arg(rest));
    QString detail = QStringLiteral("%1 results").arg(scan.records);
    if (scan.missingFiller > 0)
        detail += QStringLiteral("; the last one lacks %1 filler bytes (--repair completes them)").arg(scan.missingFiller);
    return Found(State::Whole, detail);
}

DataFileCheck CheckSettings(const QString& path) {
    const FileRead file = ReadRegularFile(path, FileLimit::Settings);
    if (file.access != FileAccess::Ok) return NotRead(file.access, FileLimit::Settings);
    if (file.bytes.size() < kSettingsRecordSize)
        return Found(State::Damaged, QStringLiteral("%1 of the record's %2 bytes")
                                         .arg(file.bytes.size()).arg(kSettingsRecordSize));
    bool repaired = false;
    DecodeSettingsRecord(file.bytes, &repaired);
    if (repaired) return Found(State::Damaged, QStringLiteral("its language field holds no language name"));
    QString detail = QStringLiteral("one settings record");
    if (file.bytes.size() > kSettingsRecordSize)
        detail += QStringLiteral(" and %1 bytes after it, which the game keeps").arg(file.bytes.size() - kSettingsRecordSize);
    return Found(State::Whole, detail);
}

DataFileCheck CheckStoredGames(const QString& path) {
    QFile file;
    const FileAccess access = OpenRegularFile(file, path, FileLimit::StoredGames);
    if (access != FileAccess::Ok) return NotRead(access, FileLimit::StoredGames);
    const qint64 size = file.size();
    const std::optional<StoredGamesScan> scan = ScanStoredGames(file);
    const qint64 partial = size % kStoredGameRecordSize;
    if (partial != 0 && scan->damagedRecords == 1 && scan->firstDamaged == scan->recordCount - 1)
        return Found(State::Damaged, QStringLiteral("it ends inside record %1 (%2 of its %3 bytes)")
                                         .arg(scan->recordCount).arg(partial).arg(kStoredGameRecordSize));
    if (scan->damagedRecords > 0)
        return Found(State::Damaged, QStringLiteral("%1 records are neither games nor deleted games; the first is "
                                                    "record %2, at offset %3")
                                         .arg(scan->damagedRecords)
                                         .arg(scan->firstDamaged + 1)
                                         .arg(scan->firstDamaged * kStoredGameRecordSize));
    return Found(State::Whole, QStringLiteral("%1 stored games").arg(scan->games.size()));
}

DataFileCheck CheckShuffledStates(const QString& path) {
    const FileRead file = ReadRegularFile(path, FileLimit::ShuffledStates);
    if (file.access != FileAccess::Ok) return NotRead(file.access, FileLimit::ShuffledStates);
    const qsizetype partial = file.bytes.size() % kShuffledRecordSize;
    const QList<ShuffledStateRecord> records = SplitShuffledStateRecords(file.bytes);
    if (partial != 0)
        return Found(State::Damaged, QStringLiteral("it ends inside record %1 (%2 of its %3 bytes)")
                                         .arg(records.size()).arg(partial).arg(kShuffledRecordSize));
    for (qsizetype i = 0; i < records.size(); ++i)
        if (!IsSoundShuffledState(records[i]))
            return Found(State::Damaged, QStringLiteral("record %1, at offset %2, holds no shuffled state")
                                             .arg(i + 1).arg(i * kShuffledRecordSize));
    return Found(State::Whole, QStringLiteral("%1 shuffled states").arg(records.size()));
}

// One quoted name of 1..30 characters on each line, every line ended by CR LF.
DataFileCheck CheckPlayerNames(const QString& path) {
    const FileRead file = ReadRegularFile(path, FileLimit::PlayerNames);
    if (file.access != FileAccess::Ok) return NotRead(file.access, FileLimit::PlayerNames);
    const QList<QByteArray> lines = file.bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        const bool last = i == lines.size() - 1;
        if (last && line.isEmpty()) break;
        if (last) return Found(State::Damaged, QStringLiteral("line %1 has no line end").arg(i + 1));
        const QByteArray name = line.endsWith("\"\r") && line.startsWith('"') ? line.sliced(1, line.size() - 3)
                                                                              : QByteArray("\"");
        const bool plain = std::none_of(name.begin(), name.end(),
                                        [](char c) { return c == '"' || static_cast<unsigned char>(c) < 0x20; });
        if (line.size() < 3 || !plain || name.isEmpty() || name.size() > kMaxPlayerNameLength)
            return Found(State::Damaged, QStringLiteral("line %1 is not one quoted name of 1 to %2 characters")
                                             .arg(i + 1).arg(kMaxPlayerNameLength));
    }
    return Found(State::Whole, QStringLiteral("%1 names").arg(ParsePlayerNames(file.bytes).size()));
}

DataFileCheck CheckDisplayOptions(const QString& path) {
    const FileRead file = ReadRegularFile(path, FileLimit::DisplayOptions);
    if (file.access != FileAccess::Ok) return NotRead(file.access, FileLimit::DisplayOptions);
    const QList<QByteArray> lines = file.bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (!line.startsWith("ColourSymbols=")) continue;
        const QByteArray value = line.mid(qstrlen("ColourSymbols="));
        if (value != "0" && value != "1")
            return Found(State::Damaged, QStringLiteral("line %1: ColourSymbols is neither 0 nor 1").arg(i + 1));
    }
    return Found(State::Whole, QStringLiteral("display options"));
}

DataFileCheck CheckLanguage(const QString& path) {
    const FileRead file = ReadRegularFile(path, FileLimit::Language);
    if (file.access != FileAccess::Ok) return NotRead(file.access, FileLimit::Language);
    constexpr int kEntries = kCaptionCount + kLastMessage;
    const qsizetype entries = LanguageEntries(file.bytes).size();
    if (entries < kEntries)
        return Found(State::Damaged, QStringLiteral("%1 of its %2 entries").arg(entries).arg(kEntries));
    return Found(State::Whole, QStringLiteral("%1 entries").arg(entries));
}

DataFileCheck CheckDocument(const QString& path) {
    const FileRead file = ReadRegularFile(path, FileLimit::Document);
    if (file.access != FileAccess::Ok) return NotRead(file.access, FileLimit::Document);
    const RichTextRead read = ReadRichText(file.bytes);
    switch (read.status) {
    case RichTextStatus::Read: break;
    case RichTextStatus::Damaged:
        return Found(State::Damaged, QStringLiteral("rich text cut short or with unbalanced groups"));
    case RichTextStatus::NotRichText:
        return Found(State::Damaged, QStringLiteral("not rich text: it is shown as plain lines"));
    }
    return Found(State::Whole, QStringLiteral("a rich-text document of %1 paragraphs").arg(read.document.paragraphs.size()));
}

} // namespace

DataFileKind KindOfDataFile(const QString& path) {
    const QString name = QFileInfo(path).fileName().toLower();
    if (name == kResultsFile || name == kPendolyResultsFile) return DataFileKind::Results;
    if (name == QLatin1String(kSettingsFileName)) return DataFileKind::Settings;
    if (name == QLatin1String(kStoredGamesFileName)) return DataFileKind::StoredGames;
    if (name == QLatin1String(kShuffledStatesFileName)) return DataFileKind::ShuffledStates;
    if (name == kPlayerNamesFile) return DataFileKind::PlayerNames;
    if (name == QLatin1String(kDisplayOptionsFileName)) return DataFileKind::DisplayOptions;
    if (name.endsWith(QLatin1String(kLanguageSuffix)) && name.size() > 4) return DataFileKind::Language;
    if (name.endsWith(QStringLiteral(".doc")) && name.size() > 4) return DataFileKind::Document;
    return DataFileKind::Unknown;
}

DataFileCheck CheckDataFile(const QString& path) {
    const DataFileKind kind = KindOfDataFile(path);
    DataFileCheck check;
    switch (kind) {
    case DataFileKind::Unknown: return {kind, State::Unknown, QStringLiteral("not a data file of the game")};
    case DataFileKind::Results: check = CheckResults(path); break;
    case DataFileKind::Settings: check = CheckSettings(path); break;
    case DataFileKind::StoredGames: check = CheckStoredGames(path); break;
    case DataFileKind::ShuffledStates: check = CheckShuffledStates(path); break;
    case DataFileKind::PlayerNames: check = CheckPlayerNames(path); break;
    case DataFileKind::DisplayOptions: check = CheckDisplayOptions(path); break;
    case DataFileKind::Language: check = CheckLanguage(path); break;
    case DataFileKind::Document: check = CheckDocument(path); break;
    }
    check.kind = kind;
    return check;
}
