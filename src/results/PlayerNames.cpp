#include "results/PlayerNames.h"
#include "play/GameState.h"
#include "results/CodePage1250.h"
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

QStringList ParsePlayerNames(QByteArrayView content) {
    QStringList names;
    const qsizetype n = content.size();
    qsizetype pos = 0;
    while (pos < n) {
        while (pos < n && (content[pos] == ' ' || content[pos] == '\t')) ++pos;
        if (pos >= n) break;
        if (IsLineEnd(content[pos])) {
            ++pos;
            continue;
        }
        QByteArrayView field;
        if (content[pos] == '"') {
            qsizetype close = content.indexOf('"', pos + 1);
            if (close < 0) close = n;
            field = content.sliced(pos + 1, close - pos - 1);
            pos = close + 1;
            while (pos < n && content[pos] != ',' && !IsLineEnd(content[pos])) ++pos;
        } else {
            qsizetype end = pos;
            while (end < n && content[end] != ',' && !IsLineEnd(content[end])) ++end;
            field = content.sliced(pos, end - pos).trimmed();
            pos = end;
        }
        if (pos < n && content[pos] == ',') ++pos;
        if (!field.isEmpty()) names.append(DecodeCp1250(field));
    }
    return names;
}

bool PlayerNamesFileExists(const QDir& folder) { return QFile::exists(folder.filePath(kPlayerNamesFile)); }

QStringList ReadPlayerNames(const QDir& folder) {
    QFile file(folder.filePath(kPlayerNamesFile));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return ParsePlayerNames(file.readAll());
}

void LoadPlayerNames(GameState& state, const QDir& folder) {
    // The box starts empty, so a name typed now is not appended to the last one.
    state.panel.neve.caption.clear();
    state.playerNames = ReadPlayerNames(folder);
}

QString CleanPlayerName(const QString& typed) {
    QString name;
    for (const QChar c : typed)
        if (c != QLatin1Char('"') && c.unicode() >= 0x20) name.append(c);
    return name.left(kMaxPlayerNameLength);
}

NameFileStatus AddPlayerName(const QDir& folder, const QString& name) {
    if (!NameIsWritable(name)) return NameFileStatus::Invalid;
    if (ReadPlayerNames(folder).contains(name)) return NameFileStatus::AlreadyListed;

    QFile file(folder.filePath(kPlayerNamesFile));
    if (!file.open(QIODevice::ReadWrite)) return NameFileStatus::WriteFailed;
    QByteArray line = QuotedLine(*EncodeCp1250(name));
    // A file edited by hand may lack its last line end; the new name gets its own line.
    if (file.size() > 0) {
        file.seek(file.size() - 1);
        const QByteArray last = file.read(1);
        if (!last.isEmpty() && !IsLineEnd(last[0])) line.prepend("\r\n");
    }
    if (!file.seek(file.size()) || file.write(line) != line.size() || !FlushToDisk(file))
        return NameFileStatus::WriteFailed;
    return NameFileStatus::Added;
}

NameFileStatus DeletePlayerName(const QDir& folder, const QString& name, const RenameFile& rename) {
    const QString path = folder.filePath(kPlayerNamesFile);
    if (!QFile::exists(path)) return NameFileStatus::Missing;
    const QStringList names = ReadPlayerNames(folder);
    QStringList kept;
    for (const QString& entry : names)
        if (entry != name) kept.append(entry);
    if (kept.size() == names.size()) return NameFileStatus::NotFound;

    QFile scratch(folder.filePath(kPlayerNamesScratchFile));
    if (kept.isEmpty()) {
        scratch.remove();
        return QFile::remove(path) ? NameFileStatus::FileRemoved : NameFileStatus::WriteFailed;
    }
    if (!scratch.open(QIODevice::WriteOnly | QIODevice::Truncate)) return NameFileStatus::WriteFailed;
    QByteArray content;
    for (const QString& entry : kept) content += QuotedLine(EncodeCp1250(entry).value_or(QByteArray()));
    if (scratch.write(content) != content.size()) {
        scratch.close();
        scratch.remove();
        return NameFileStatus::WriteFailed;
    }
    return CommitScratchFile(scratch, path, rename) ? NameFileStatus::Deleted : NameFileStatus::WriteFailed;
}

NameFileStatus DeleteAllPlayerNames(const QDir& folder) {
    const QString path = folder.filePath(kPlayerNamesFile);
    if (!QFile::exists(path)) return NameFileStatus::Missing;
    return QFile::remove(path) ? NameFileStatus::Deleted : NameFileStatus::WriteFailed;
}
