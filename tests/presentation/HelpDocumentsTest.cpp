// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The documents shipped in data/: the viewer finds a help section by the first
// occurrence of its heading (messages 154..166 of the language file), so each
// heading must first occur as its own section's heading, in order, and nowhere
// earlier in the text.
#include "presentation/LanguageFile.h"
#include "presentation/RichTextReader.h"
#include <QDir>
#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

QByteArray ReadDataFile(const QString& name) {
    const QString dir = qEnvironmentVariable("ZK_DATA_DIR");
    QFile file(QDir(dir).filePath(name));
    if (dir.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << name.toStdString() << " from ZK_DATA_DIR";
        return {};
    }
    return file.readAll();
}

class HelpDocument : public ::testing::TestWithParam<const char*> {};

TEST_P(HelpDocument, EveryHeadingFirstOccursAsItsOwnSectionsHeadingInOrder) {
    const QString language = QString::fromLatin1(GetParam());
    const QStringList entries = LanguageEntries(ReadDataFile(language + QStringLiteral(".lng")));
    ASSERT_EQ(entries.size(), kCaptionCount + kLastMessage);
    const RichTextRead read = ReadRichText(ReadDataFile(language + QStringLiteral(".doc")));
    ASSERT_EQ(read.status, RichTextStatus::Read);
    const QString text = read.document.plainText();

    // Where each paragraph starts in the text.
    std::vector<qsizetype> starts;
    qsizetype at = 0;
    for (const RichParagraph& p : read.document.paragraphs) {
        starts.push_back(at);
        at += p.text().size() + 1;
    }

    qsizetype previous = -1;
    for (int n = 154; n <= 166; ++n) {
        const QString heading = entries[kCaptionCount + n - 1];
        SCOPED_TRACE(QStringLiteral("message %1: %2").arg(n).arg(heading).toStdString());
        const qsizetype first = text.indexOf(heading, 0, Qt::CaseInsensitive);
        ASSERT_GE(first, 0) << "heading missing";
        EXPECT_GT(first, previous) << "heading out of order";
        previous = first;
        const auto paragraph = std::find(starts.begin(), starts.end(), first);
        ASSERT_NE(paragraph, starts.end()) << "first occurrence inside a paragraph: "
                                           << text.mid(first - 40, 100).toStdString();
        const RichParagraph& p = read.document.paragraphs[paragraph - starts.begin()];
        EXPECT_EQ(p.text(), heading);
        EXPECT_TRUE(std::all_of(p.runs.begin(), p.runs.end(), [](const RichRun& r) { return r.format.bold; }));
        const auto same = std::count_if(read.document.paragraphs.begin(), read.document.paragraphs.end(),
                                        [&](const RichParagraph& q) { return q.text() == heading; });
        EXPECT_EQ(same, 1) << "heading used twice";
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, HelpDocument, ::testing::Values("Magyar", "English"));

// A document says which language it is written in, so a word processor spells it right.
TEST(HelpDocuments, DeclareTheirOwnLanguage) {
    EXPECT_TRUE(ReadDataFile(QStringLiteral("English.doc")).contains("\\deflang1033"));
    EXPECT_TRUE(ReadDataFile(QStringLiteral("Magyar.doc")).contains("\\deflang1038"));
    EXPECT_TRUE(ReadDataFile(QStringLiteral("Leir.doc")).contains("\\deflang1038"));
}

TEST(GameDescription, ReadsWholeAndCoversEveryTypeAndMode) {
    const RichTextRead read = ReadRichText(ReadDataFile(QStringLiteral("Leir.doc")));
    ASSERT_EQ(read.status, RichTextStatus::Read);
    const QString text = read.document.plainText();
    for (const char* term : {"Véletlen", "Átlós", "Minta szerint", "Tárolt", "Számsor", "Átrendezés",
                             "Pendoly", "Kevert állapot", "statisztika"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(term), Qt::CaseInsensitive)) << term;
}

} // namespace
