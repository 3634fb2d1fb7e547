// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/ColourSymbols.h"
#include "presentation/DisplayOptionsFile.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

namespace {

struct OptionsFolder {
    void write(const QByteArray& bytes) const {
        QFile f(dir.filePath(kDisplayOptionsFileName));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray contents() const {
        QFile f(dir.filePath(kDisplayOptionsFileName));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir tmp;
    QDir dir{tmp.path()};
};

TEST(DisplayOptionsFile, WhatIsReadFromTheFile) {
    const struct {
        QByteArray file;
        bool colourSymbols;
    } cases[] = {
        {"ColourSymbols=1\r\n", true},
        {"ColourSymbols=1", true},               // no line end
        {"Other=x\nColourSymbols=1\n", true},    // LF only, another option first
        {"ColourSymbols=0\r\n", false},
        {"ColourSymbols=yes\r\n", false},        // not a value this file writes
        {"colourSymbols=1\r\n", false},
        {QByteArray("\xff\xfe\x00garbage", 10), false},
    };
    for (const auto& c : cases) {
        OptionsFolder f;
        f.write(c.file);
        EXPECT_EQ(ReadDisplayOptions(f.dir).colourSymbols, c.colourSymbols) << c.file.toStdString();
    }
    OptionsFolder missing;
    EXPECT_FALSE(ReadDisplayOptions(missing.dir).colourSymbols);
}

TEST(DisplayOptionsFile, WritingKeepsTheLinesItDoesNotKnow) {
    OptionsFolder f;
    f.write("Future=7\r\nColourSymbols=0\r\n");
    ASSERT_TRUE(WriteDisplayOptions(f.dir, {true}));
    EXPECT_EQ(f.contents(), "Future=7\r\nColourSymbols=1\r\n");
    EXPECT_TRUE(ReadDisplayOptions(f.dir).colourSymbols);
    ASSERT_TRUE(WriteDisplayOptions(f.dir, {false}));
    EXPECT_FALSE(ReadDisplayOptions(f.dir).colourSymbols);
    EXPECT_EQ(f.dir.entryList(QDir::Files), QStringList{kDisplayOptionsFileName});
}

// Whatever their length: a line of 100 000 characters after 64 KiB of others is kept as
// it was, to its last byte.
TEST(DisplayOptionsFile, LinesItDoesNotKnowAreKeptWhateverTheirLength) {
    OptionsFolder f;
    const QByteArray others = QByteArray(70 * 1024, 'a') + "\r\n" + "Long=" + QByteArray(100000, 'b') + "\r\n";
    f.write(others + "ColourSymbols=0\r\n");
    ASSERT_TRUE(WriteDisplayOptions(f.dir, {true}));
    EXPECT_EQ(f.contents(), others + "ColourSymbols=1\r\n");
}

// A file that cannot be read is never replaced: what it holds would be lost.
TEST(DisplayOptionsFile, AFileThatCannotBeReadIsNotWritten) {
    OptionsFolder f;
    f.write(QByteArray(2 * 1024 * 1024, 'x'));   // over its limit
    EXPECT_FALSE(WriteDisplayOptions(f.dir, {true}));
    EXPECT_EQ(f.contents().size(), 2 * 1024 * 1024);
    FileAccess access = FileAccess::Ok;
    EXPECT_FALSE(ReadDisplayOptions(f.dir, &access).colourSymbols);
    EXPECT_EQ(access, FileAccess::TooLarge);
}

TEST(ColourSymbols, EachColourHasItsOwnAndNothingElseHasOne) {
    std::set<ColourSymbol> seen;
    for (int colour = 1; colour <= 6; ++colour) {
        EXPECT_NE(SymbolOfColour(colour), ColourSymbol::None);
        seen.insert(SymbolOfColour(colour));
    }
    EXPECT_EQ(seen.size(), 6u);
    for (int other : {0, 7, 99, -1}) EXPECT_EQ(SymbolOfColour(other), ColourSymbol::None);
}

} // namespace
