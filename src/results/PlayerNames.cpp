// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/PlayerNames.h"
#include "play/GameState.h"
#include "files/CodePage1250.h"
#include "files/FileLimits.h"
#include <QFile>

namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

QByteArray QuotedLine(const QByteArray& name) { return '"' + name + "\"\r\n"; }

bool NameIsWritable(const QString& name) {
    if (name.isEmpty()) return false;
    for (const QChar c : name)
        if (c == QLatin1Char('"') || c.unicode() < 0x20) return false;
    return EncodeCp1250(name).has_value();
}

} // namespace

QList<QByteArray> PlayerNameFields(QByteArrayView content) {
    QList<QByteArray> fields;
    const qsizetype n = content.size();
    qsizetype pos = 0;
    auto endOfField = [&](qsizetype from, bool quoted) {
        while (from < n && !IsLineEnd(content[from]) && (quoted ? content[from] != '"' : content[from] != ','))
            ++from;
        return from;
    };
    while (pos < n) {
        while (pos < n && (content[pos] == ' ' || content[pos] == '\t')) ++pos;
        if (pos >= n) break;
        if (IsLineEnd(content[pos])) {
            ++pos;
            continue;
        }
        QByteArray field;
        if (content[pos] == '"') {
            // A quoted name ends at its closing quote or, when that is missing, at the
            // line end; the rest of its line up to a comma is no name.
            const qsizetype close = endOfField(pos + 1, true);
            field = content.sliced(pos + 1, close - pos - 1).toByteArray();
            pos = close < n && content[close] == '"' ? endOfField(close + 1, false) : close;
        } else {
            const qsizetype end = endOfField(pos, false);
            field = content.sliced(pos, end - pos).trimmed().toByteArray();
            field.replace("\"", "");   // a stray quote is no part of a name
            pos = end;
        }
        if (pos < n && content[pos] == ',') ++pos;
        if (!field.isEmpty()) fields.append(field);
    }
    return fields;
}

QStringList ParsePlayerNames(QByteArrayView content) {
    QStringList names;
    for (const QByteArray& field : PlayerNameFields(content)) names.append(DecodeCp1250(field));
    return names;
}

bool PlayerNamesFileExists(const QDir& folder) { return QFile::exists(folder.filePath(kPlayerNamesFile)); }

QStringList ReadPlayerNames(const QDir& folder, FileAccess* access) {
    const FileRead file = ReadRegularFile(folder.filePath(kPlayerNamesFile), FileLimit::PlayerNames);
    if (access) *access = file.access;
    return ParsePlayerNames(file.bytes);
}

FileAccess LoadPlayerNames(GameState& state, const QDir& folder) {
    // The box starts empty, so a name typed now is not appended to the last one.
    state.panel.neve.caption.clear();
    FileAccess access = FileAccess::Ok;
    state.storing.playerNames = ReadPlayerNames(folder, &access);
    return access;
}

QString CleanPlayerName(const QString& typed) {
    QString name;
    for (const QChar c : typed)
        if (c != QLatin1Char('"') && c.unicode() >= 0x20) name.append(c);
    return name.left(kMaxPlayerNameLength);
}

NameFileStatus AddPlayerName(const QDir& folder, const QString& name, const RenameFile& rename) {
    if (!NameIsWritable(name)) return NameFileStatus::Invalid;
    const QString path = folder.filePath(kPlayerNamesFile);
    FileRead file = ReadRegularFile(path, FileLimit::PlayerNames);
    if (file.access != FileAccess::Ok && file.access != FileAccess::Missing) return NameFileStatus::Unreadable;
    if (ParsePlayerNames(file.bytes).contains(name)) return NameFileStatus::AlreadyListed;

    QByteArray& content = file.bytes;
    // A file edited by hand may lack its last line end; the new name gets its own line.
    if (!content.isEmpty() && !IsLineEnd(content.back())) content += "\r\n";
    content += QuotedLine(*EncodeCp1250(name));
    return ReplaceThroughScratchFile(path, content, rename) ? NameFileStatus::Added : NameFileStatus::WriteFailed;
}

NameFileStatus DeletePlayerName(const QDir& folder, const QString& name, const RenameFile& rename) {
    const QString path = folder.filePath(kPlayerNamesFile);
    const FileRead file = ReadRegularFile(path, FileLimit::PlayerNames);
    if (file.access == FileAccess::Missing) return NameFileStatus::Missing;
    if (file.access != FileAccess::Ok) return NameFileStatus::Unreadable;
    const QList<QByteArray> fields = PlayerNameFields(file.bytes);
    // The other names are written back byte for byte, so each reads as it did.
    QList<QByteArray> kept;
    for (const QByteArray& field : fields)
        if (DecodeCp1250(field) != name) kept.append(field);
    if (kept.size() == fields.size()) return NameFileStatus::NotFound;

    if (kept.isEmpty()) {
        QFile::remove(ScratchPathOf(path));
        return QFile::remove(path) ? NameFileStatus::FileRemoved : NameFileStatus::WriteFailed;
    }
    QByteArray content;
    for (const QByteArray& field : kept) content += QuotedLine(field);
    return ReplaceThroughScratchFile(path, content, rename) ? NameFileStatus::Deleted : NameFileStatus::WriteFailed;
}

NameFileStatus DeleteAllPlayerNames(const QDir& folder) {
    const QString path = folder.filePath(kPlayerNamesFile);
    if (!QFile::exists(path)) return NameFileStatus::Missing;
    return QFile::remove(path) ? NameFileStatus::Deleted : NameFileStatus::WriteFailed;
}
