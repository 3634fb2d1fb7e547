// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The language files shipped in data/ are read by position: a missing line
// shifts every later message, and several texts are cut or filled in by the
// program. These checks catch a broken file before a player sees it.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace {

constexpr int kCaptionCount = 44;
constexpr int kMessageCount = 171;

struct LanguageFileCase {
    const char* fileName;
    // Expected display codes of message 128; empty when only their shape is checked.
    std::vector<QString> typeCodes;
};

void PrintTo(const LanguageFileCase& c, std::ostream* os) { *os << c.fileName; }

class LanguageFile : public ::testing::TestWithParam<LanguageFileCase> {};

QByteArray ReadDataFile(const char* name) {
    const QString dir = qEnvironmentVariable("ZK_DATA_DIR");
    QFile file(QDir(dir).filePath(QString::fromLatin1(name)));
    if (dir.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << name << " from ZK_DATA_DIR='" << dir.toStdString()
                      << "'";
        return {};
    }
    return file.readAll();
}

// The entries as the program counts them: blank lines and lines whose first
// character is "-" are skipped.
QStringList Entries(const QString& text) {
    QStringList entries;
    for (const QString& line : text.split(QStringLiteral("\r\n"))) {
        if (!line.trimmed().isEmpty() && !line.startsWith(QLatin1Char('-'))) {
            entries.append(line);
        }
    }
    return entries;
}

TEST_P(LanguageFile, IsCompleteAndWellShaped) {
    const LanguageFileCase& c = GetParam();
    const QByteArray bytes = ReadDataFile(c.fileName);
    ASSERT_FALSE(bytes.isEmpty());

    // Every line ends with CR LF, with no stray CR or LF anywhere.
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
        }
        if (bytes[i] == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at byte " << i;
        }
    }

    QStringDecoder decoder("windows-1250");
    ASSERT_TRUE(decoder.isValid());
    const QString text = decoder(bytes);
    ASSERT_FALSE(decoder.hasError()) << "not valid code page 1250";

    const QStringList entries = Entries(text);
    ASSERT_EQ(entries.size(), kCaptionCount + kMessageCount);
    const auto message = [&](int n) { return entries[kCaptionCount + n - 1]; };

    // Three unit words for hours, minutes and seconds.
    const QStringList units = message(5).split(QLatin1Char(';'));
    ASSERT_GE(units.size(), 3) << message(5).toStdString();
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(units[i].trimmed().isEmpty()) << "unit word " << i + 1;
    }

    // Twelve grid headers.
    const QStringList headers = message(99).split(QLatin1Char(';'));
    EXPECT_EQ(headers.size(), 12) << message(99).toStdString();
    for (const QString& header : headers) {
        EXPECT_FALSE(header.trimmed().isEmpty()) << message(99).toStdString();
    }

    // Result-type codes cut at fixed 1-based positions; the characters between
    // the slots must be blank, or a code was run into its neighbour.
    const std::vector<std::pair<int, int>> slots = {{1, 1},   {3, 4},   {6, 6},   {8, 9},
                                                    {11, 11}, {13, 13}, {15, 15}, {17, 18}};
    const QString codeText = message(128).leftJustified(18);
    std::set<QString> seen;
    std::vector<QString> codes;
    int previousLast = 0;
    for (const auto& [first, last] : slots) {
        for (int p = previousLast + 1; p < first; ++p) {
            EXPECT_TRUE(codeText[p - 1] == QLatin1Char(' '))
                << "position " << p << " of message 128 is not blank";
        }
        previousLast = last;
        const QString code = codeText.mid(first - 1, last - first + 1).trimmed();
        EXPECT_FALSE(code.isEmpty()) << "slot " << first << "-" << last;
        EXPECT_TRUE(seen.insert(code).second) << "code " << code.toStdString() << " twice";
        codes.push_back(code);
    }
    if (!c.typeCodes.empty()) {
        EXPECT_EQ(codes, c.typeCodes);
    }

    // Texts whose "#" is replaced by a page number, a date or a row count.
    for (int n : {118, 135, 138}) {
        EXPECT_TRUE(message(n).contains(QLatin1Char('#'))) << "message " << n;
    }

    // Fixed-width list headings.
    EXPECT_LE(message(117).size(), 52);
    EXPECT_LE(message(150).size(), 60);
    EXPECT_LE(message(129).size(), 92);
    EXPECT_LE(message(130).size(), 92);
    EXPECT_LE(message(151).size(), 105);
    EXPECT_EQ(message(152).size(), 105);

    // The help viewer jumps to the first occurrence of a heading, so no
    // heading may lie inside another one.
    for (int a = 154; a <= 166; ++a) {
        for (int b = 154; b <= 166; ++b) {
            if (a != b) {
                EXPECT_FALSE(message(b).contains(message(a)))
                    << "help heading " << a << " lies inside " << b;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shipped, LanguageFile,
    ::testing::Values(
        LanguageFileCase{"Magyar.lng",
                         {QStringLiteral("V"), QStringLiteral("VR"), QStringLiteral("A"),
                          QStringLiteral("AR"), QStringLiteral("M"), QStringLiteral("T"),
                          QStringLiteral("S"), QStringLiteral("SR")}},
        LanguageFileCase{"English.lng", {}}),
    [](const ::testing::TestParamInfo<LanguageFileCase>& info) {
        return QString::fromLatin1(info.param.fileName).section(QLatin1Char('.'), 0, 0).toStdString();
    });

}  // namespace
