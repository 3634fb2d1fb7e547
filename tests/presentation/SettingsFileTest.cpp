// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/GameState.h"
#include "presentation/SettingsFile.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

// The record a first start writes, byte by byte.
QByteArray defaultRecordBytes() {
    const unsigned char bytes[] = {
        0x01, 0x00, 0x05, 0x00, 0x00, 0x00, 0x01, 0x00,   // type, size, rearrange, number colour
        0xFF, 0x5F, 0x5F, 0x00, 0x55, 0x96, 0xFF, 0x00,   // colour1, colour2
        0x55, 0xFF, 0x55, 0x00, 0x00, 0xFF, 0xFF, 0x00,   // colour3, colour4
        0xDC, 0x7D, 0x41, 0x00, 0xF5, 0xD7, 0x00, 0x00,   // colour5, colour6
        0x94, 0x94, 0x94, 0x00,                           // colour7 (walls)
        0x01, 0x00, 0x01, 0x00, 0x00, 0x00,               // look3D, sound, pendoly
    };
    QByteArray record(reinterpret_cast<const char*>(bytes), sizeof bytes);
    record += QByteArray("Magyar").leftJustified(20, ' ');
    return record;
}

void writeFile(const QDir& dir, const QByteArray& bytes) {
    QFile f(dir.filePath("param.dat"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QDir& dir) {
    QFile f(dir.filePath("param.dat"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void putInt16(QByteArray& bytes, int at, qint16 v) {
    bytes[at] = char(v & 0xFF);
    bytes[at + 1] = char((v >> 8) & 0xFF);
}

} // namespace

TEST(SettingsRecord, DefaultsEncodeByteForByte) {
    const QByteArray bytes = EncodeSettingsRecord(SettingsRecord());
    ASSERT_EQ(bytes.size(), kSettingsRecordSize);
    EXPECT_EQ(bytes.toHex(' '), defaultRecordBytes().toHex(' '));
}

TEST(SettingsRecord, RoundTripKeepsEveryFieldAndCodePage1250) {
    SettingsRecord r;
    r.gameType = 3;
    r.boardSize = 4;
    r.rearrange = 1;
    r.numberTileColour = 0;
    r.colours[2] = 0x00010203;
    r.colours[7] = kSysButtonFace;
    r.look3D = 0;
    r.sound = 0;
    r.pendoly = 1;
    r.language = QString::fromUtf8("Čeština");
    const QByteArray bytes = EncodeSettingsRecord(r);
    ASSERT_EQ(bytes.size(), kSettingsRecordSize);
    EXPECT_EQ(bytes.mid(12, 4).toHex(), "03020100");                 // little-endian colour2
    EXPECT_EQ(static_cast<unsigned char>(bytes[42]), 0xC8);          // "Č" in code page 1250
    EXPECT_EQ(bytes.mid(49), QByteArray(13, ' '));                   // blank padding
    bool repaired = true;
    EXPECT_EQ(DecodeSettingsRecord(bytes, &repaired), r);
    EXPECT_FALSE(repaired);
}

// Damaged or hostile files: whatever cannot be read takes its default, the rest is kept,
// odd numbers and colours as they stand (they are written back unchanged).
TEST(SettingsRecord, BadInputFallsBackFieldByField) {
    const QByteArray good = [] {
        SettingsRecord r;
        r.gameType = 3;
        r.boardSize = 4;
        r.rearrange = 1;
        r.numberTileColour = 5;
        r.colours[1] = 0x00112233;
        r.look3D = 0;
        r.language = "English";
        return EncodeSettingsRecord(r);
    }();
    struct Case {
        const char* what;
        QByteArray bytes;
        qint16 gameType, boardSize, rearrange, numberTileColour;
        quint32 colour1;
        qint16 look3D;
        const char* language;
        bool repaired;
    };
    auto with = [&](auto change) { QByteArray b = good; change(b); return b; };
    const Case cases[] = {
        {"empty file", {}, 1, 5, 0, 1, 0x005F5FFF, 1, "Magyar", true},
        {"cut inside colour1", good.left(10), 3, 4, 1, 5, 0x005F5FFF, 1, "Magyar", true},
        {"cut inside the language", good.left(61), 3, 4, 1, 5, 0x00112233, 0, "Magyar", true},
        {"longer than a record", good + "trailing junk", 3, 4, 1, 5, 0x00112233, 0, "English", false},
        {"number-tile colour 12", with([](QByteArray& b) { putInt16(b, 6, 12); }),
         3, 4, 1, 12, 0x00112233, 0, "English", false},
        {"number-tile colour -1", with([](QByteArray& b) { putInt16(b, 6, -1); }),
         3, 4, 1, -1, 0x00112233, 0, "English", false},
        {"rearrange 5", with([](QByteArray& b) { putInt16(b, 4, 5); }),
         3, 4, 5, 5, 0x00112233, 0, "English", false},
        {"colour with junk in the top byte", with([](QByteArray& b) { b[11] = 0x12; }),
         3, 4, 1, 5, 0x12112233, 0, "English", false},
        {"language of NUL bytes", with([](QByteArray& b) { b.replace(42, 20, QByteArray(20, '\0')); }),
         3, 4, 1, 5, 0x00112233, 0, "Magyar", true},
        {"language all blanks", with([](QByteArray& b) { b.replace(42, 20, QByteArray(20, ' ')); }),
         3, 4, 1, 5, 0x00112233, 0, "Magyar", true},
        {"language with a path", with([](QByteArray& b) { b.replace(42, 4, "../x"); }),
         3, 4, 1, 5, 0x00112233, 0, "Magyar", true},
        {"language with a byte code page 1250 lacks", with([](QByteArray& b) { b[43] = char(0x81); }),
         3, 4, 1, 5, 0x00112233, 0, "Magyar", true},
        // Unknown type and size values are readable: they select number sequence and 6 x 6.
        {"type 9, size 7", with([](QByteArray& b) { putInt16(b, 0, 9); putInt16(b, 2, 7); }),
         9, 7, 1, 5, 0x00112233, 0, "English", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bool repaired = !c.repaired;
        const SettingsRecord r = DecodeSettingsRecord(c.bytes, &repaired);
        EXPECT_EQ(r.gameType, c.gameType);
        EXPECT_EQ(r.boardSize, c.boardSize);
        EXPECT_EQ(r.rearrange, c.rearrange);
        EXPECT_EQ(r.numberTileColour, c.numberTileColour);
        EXPECT_EQ(r.colours[1], c.colour1);
        EXPECT_EQ(r.look3D, c.look3D);
        EXPECT_EQ(r.language, QString::fromLatin1(c.language));
        EXPECT_EQ(repaired, c.repaired);
    }
}

// The file counts the types random, stored, diagonal, numbers; the game counts random,
// diagonal, stored, numbers.
TEST(SettingsRecord, GameTypeNumberingIsMappedBothWays) {
    const std::pair<int, int> fileToGame[] = {
        {1, GameType::RandomColours}, {2, GameType::Stored}, {3, GameType::Diagonal},
        {4, GameType::NumberSequence}, {0, GameType::NumberSequence},
        {9, GameType::NumberSequence}, {-1, GameType::NumberSequence}};
    for (auto [file, game] : fileToGame) EXPECT_EQ(GameTypeFromSettings(file), game) << file;
    for (int file = 1; file <= 4; ++file)
        EXPECT_EQ(SettingsTypeFromGameType(GameTypeFromSettings(file)), file);
    EXPECT_EQ(GridSpanFromSettings(4), 6);
    EXPECT_EQ(GridSpanFromSettings(5), 7);
    EXPECT_EQ(GridSpanFromSettings(6), 8);
    EXPECT_EQ(GridSpanFromSettings(7), 8);
    EXPECT_EQ(GridSpanFromSettings(0), 8);
}

TEST(SettingsRecord, LanguageNamesArePlainFileNames) {
    for (const char* ok : {"Magyar", "English", "Deutsch 2"})
        EXPECT_TRUE(IsValidLanguageName(QString::fromUtf8(ok))) << ok;
    EXPECT_TRUE(IsValidLanguageName(QString::fromUtf8("Čeština")));
    const QString bad[] = {"", "../x", "..", "/etc/passwd", "a/b", "a\\b", "x\ty", QString("a") + QChar(0),
                           " Magyar", "Magyar ", "A name much longer than twenty bytes",
                           QString::fromUtf8("日本語")};
    for (const QString& name : bad) EXPECT_FALSE(IsValidLanguageName(name)) << name.toStdString();
}

TEST(SettingsFile, ReadsCanonicalFileAndRepairsNothing) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    writeFile(dir, defaultRecordBytes());
    const SettingsReadResult read = ReadSettingsFile(dir);
    EXPECT_EQ(read.access, FileAccess::Ok);
    EXPECT_TRUE(read.canonical);
    EXPECT_EQ(read.record, SettingsRecord());

    writeFile(dir, defaultRecordBytes().left(40));
    EXPECT_FALSE(ReadSettingsFile(dir).canonical);
    EXPECT_EQ(ReadSettingsFile(QDir(tmp.filePath("missing"))).access, FileAccess::Missing);
}

TEST(SettingsFile, WriteReplacesTheRecordAndKeepsWhatFollowsIt) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    writeFile(dir, QByteArray(kSettingsRecordSize, 'x') + "tail");
    SettingsRecord r;
    r.boardSize = 6;
    ASSERT_TRUE(WriteSettingsFile(dir, r));
    EXPECT_EQ(readFile(dir), EncodeSettingsRecord(r) + "tail");
    // Nothing but the settings file is left in the folder.
    EXPECT_EQ(dir.entryList(QDir::Files), QStringList{"param.dat"});
}

TEST(SettingsFile, StoredColoursComeFromTheFile) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    SettingsRecord r;
    r.colours[4] = 0x00ABCDEF;
    ASSERT_TRUE(WriteSettingsFile(dir, r));
    EXPECT_EQ(ReadStoredColours(dir)[4], 0x00ABCDEFu);
    EXPECT_EQ(ReadStoredColours(QDir(tmp.filePath("none")))[4], 0x00FFFF00u);
}

// Whatever the bytes, what is read is usable: a colour index the tables hold, a
// language that is a plain name, and a record that encodes to its full size.
TEST(SettingsRecord, ArbitraryBytesAlwaysDecodeToUsableValues) {
    std::mt19937 rng(7);
    for (int length = 0; length <= 80; ++length) {
        for (int round = 0; round < 20; ++round) {
            QByteArray bytes(length, '\0');
            for (char& b : bytes) b = static_cast<char>(rng() & 0xFF);
            const SettingsRecord r = DecodeSettingsRecord(bytes);
            EXPECT_GE(NumberTileColourFromSettings(r.numberTileColour), 0);
            EXPECT_LE(NumberTileColourFromSettings(r.numberTileColour), 6);
            EXPECT_TRUE(IsValidLanguageName(r.language));
            EXPECT_EQ(EncodeSettingsRecord(r).size(), kSettingsRecordSize);
        }
    }
}
