// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/SettingsFile.h"
#include "play/GameState.h"
#include "presentation/TileColours.h"
#include "files/FileLimits.h"
#include "files/ScratchFile.h"
#include <QStringDecoder>
#include <QStringEncoder>
#include <QtEndian>

namespace {

// Field offsets inside the record.
constexpr int kGameTypeAt = 0;
constexpr int kBoardSizeAt = 2;
constexpr int kRearrangeAt = 4;
constexpr int kNumberTileColourAt = 6;
constexpr int kColoursAt = 8;   // colour1 at 8, colour2 at 12, ... colour7 at 32
constexpr int kLook3DAt = 36;
constexpr int kSoundAt = 38;
constexpr int kPendolyAt = 40;
constexpr int kLanguageAt = 42;

constexpr int kMaxColourIndex = 6;

void putInt16(QByteArray& bytes, int at, qint16 value) {
    qToLittleEndian(value, bytes.data() + at);
}
void putUInt32(QByteArray& bytes, int at, quint32 value) {
    qToLittleEndian(value, bytes.data() + at);
}

// A field can be read only when the bytes reach its end.
bool reaches(const QByteArray& bytes, int at, int size) { return bytes.size() >= at + size; }

qint16 int16At(const QByteArray& bytes, int at) {
    return qFromLittleEndian<qint16>(bytes.constData() + at);
}
quint32 uint32At(const QByteArray& bytes, int at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

QByteArray encodeCp1250(const QString& text, bool* ok = nullptr) {
    QStringEncoder encoder("windows-1250");
    QByteArray bytes = encoder.encode(text);
    if (ok) *ok = encoder.isValid() && !encoder.hasError();
    return bytes;
}

QString trimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ') ++begin;
    while (end > begin && text[end - 1] == u' ') --end;
    return text.mid(begin, end - begin);
}

} // namespace

SettingsRecord::SettingsRecord() {
    for (int i = 1; i <= 6; ++i) colours[i] = kDefaultTileColours[i];
    colours[7] = kDefaultWallColour;
}

int GameTypeFromSettings(int settingsType) {
    switch (settingsType) {
    case SettingsGameType::Random: return GameType::RandomColours;
    case SettingsGameType::Stored: return GameType::Stored;
    case SettingsGameType::Diagonal: return GameType::Diagonal;
    default: return GameType::NumberSequence;
    }
}

int SettingsTypeFromGameType(int gameType) {
    switch (gameType) {
    case GameType::Stored: return SettingsGameType::Stored;
    case GameType::Diagonal: return SettingsGameType::Diagonal;
    case GameType::NumberSequence: return SettingsGameType::NumberSequence;
    default: return SettingsGameType::Random;
    }
}

int NumberTileColourFromSettings(int stored) {
    return stored >= 0 && stored <= kMaxColourIndex ? stored : SettingsRecord().numberTileColour;
}

int GridSpanFromSettings(int boardSize) {
    if (boardSize == 4) return 6;
    if (boardSize == 5) return 7;
    return 8;
}

bool IsValidLanguageName(const QString& name) {
    if (name.isEmpty() || name != trimBlanks(name)) return false;
    if (name.contains(u'/') || name.contains(u'\\') || name.contains(QStringLiteral("..")))
        return false;
    for (const QChar ch : name) {
        if (ch.category() == QChar::Other_Control || ch.category() == QChar::Other_Format)
            return false;
    }
    bool encodable = false;
    const QByteArray bytes = encodeCp1250(name, &encodable);
    return encodable && bytes.size() <= kLanguageFieldSize;
}

QByteArray EncodeSettingsRecord(const SettingsRecord& record) {
    QByteArray bytes(kSettingsRecordSize, ' ');
    putInt16(bytes, kGameTypeAt, record.gameType);
    putInt16(bytes, kBoardSizeAt, record.boardSize);
    putInt16(bytes, kRearrangeAt, record.rearrange);
    putInt16(bytes, kNumberTileColourAt, record.numberTileColour);
    for (int i = 1; i <= 7; ++i) putUInt32(bytes, kColoursAt + 4 * (i - 1), record.colours[i]);
    putInt16(bytes, kLook3DAt, record.look3D);
    putInt16(bytes, kSoundAt, record.sound);
    putInt16(bytes, kPendolyAt, record.pendoly);
    // The field keeps at most 20 bytes; the rest of it stays blank.
    const QByteArray language = encodeCp1250(record.language).left(kLanguageFieldSize);
    bytes.replace(kLanguageAt, language.size(), language);
    return bytes;
}

SettingsRecord DecodeSettingsRecord(const QByteArray& bytes, bool* repaired) {
    SettingsRecord record;
    bool replaced = bytes.size() < kSettingsRecordSize;

    auto readInt16 = [&](int at, qint16& field, auto isValid) {
        if (!reaches(bytes, at, 2)) return;
        const qint16 value = int16At(bytes, at);
        if (isValid(value)) field = value;
        else replaced = true;
    };
    // Every number is kept as it stands, so that it can be written back unchanged;
    // what an odd value means is decided where it is used (unknown types select
    // number sequence, the flags are on only when 1, and so on).
    auto anyValue = [](qint16) { return true; };
    readInt16(kGameTypeAt, record.gameType, anyValue);
    readInt16(kBoardSizeAt, record.boardSize, anyValue);
    readInt16(kRearrangeAt, record.rearrange, anyValue);
    readInt16(kNumberTileColourAt, record.numberTileColour, anyValue);
    for (int i = 1; i <= 7; ++i) {
        const int at = kColoursAt + 4 * (i - 1);
        if (reaches(bytes, at, 4)) record.colours[i] = uint32At(bytes, at);
    }
    readInt16(kLook3DAt, record.look3D, anyValue);
    readInt16(kSoundAt, record.sound, anyValue);
    readInt16(kPendolyAt, record.pendoly, anyValue);

    if (reaches(bytes, kLanguageAt, kLanguageFieldSize)) {
        QStringDecoder decoder("windows-1250");
        const QString name = trimBlanks(decoder.decode(bytes.mid(kLanguageAt, kLanguageFieldSize)));
        if (!decoder.hasError() && IsValidLanguageName(name)) record.language = name;
        else replaced = true;
    }
    if (repaired) *repaired = replaced;
    return record;
}

SettingsReadResult ReadSettingsFile(const QDir& folder) {
    SettingsReadResult result;
    FileRead file = ReadRegularFile(folder.filePath(QLatin1String(kSettingsFileName)), FileLimit::Settings);
    result.access = file.access;
    if (file.access != FileAccess::Ok) return result;
    const QByteArray bytes = file.bytes.left(kSettingsRecordSize);
    bool repaired = false;
    result.record = DecodeSettingsRecord(bytes, &repaired);
    result.canonical = !repaired && bytes == EncodeSettingsRecord(result.record);
    return result;
}

bool WriteSettingsFile(const QDir& folder, const SettingsRecord& record) {
    const QString path = folder.filePath(QLatin1String(kSettingsFileName));
    const FileRead old = ReadRegularFile(path, FileLimit::Settings);
    if (old.access != FileAccess::Ok && old.access != FileAccess::Missing) return false;
    return ReplaceThroughScratchFile(path, EncodeSettingsRecord(record) + old.bytes.mid(kSettingsRecordSize));
}

bool WriteSettingsColours(const QDir& folder, const std::array<quint32, 8>& colours) {
    const QString path = folder.filePath(QLatin1String(kSettingsFileName));
    const FileRead old = ReadRegularFile(path, FileLimit::Settings);
    if (old.access != FileAccess::Ok && old.access != FileAccess::Missing) return false;   // never replace what cannot be read
    QByteArray bytes = old.bytes;
    if (bytes.size() < kSettingsRecordSize) {
        const QByteArray whole = EncodeSettingsRecord(DecodeSettingsRecord(bytes));
        bytes += whole.mid(bytes.size());
    }
    for (int i = 1; i <= 7; ++i) putUInt32(bytes, kColoursAt + 4 * (i - 1), colours[i]);
    return ReplaceThroughScratchFile(path, bytes);
}

std::array<quint32, 8> ReadStoredColours(const QDir& folder) {
    return ReadSettingsFile(folder).record.colours;
}
