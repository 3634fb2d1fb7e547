// The documents shipped in data/: the viewer finds a help section by the first
// occurrence of its heading (messages 154..166 of the language file), so each
// heading must first occur as its own section's heading, in order, and nowhere
// earlier in the text.
#include "presentation/LanguageFile.h"
#include "presentation/RichTextReader.h"
#include <QDir>
#include <QFile>
#include <QRegularExpression>
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

// A word processor checks a document's spelling in the language its header declares.
TEST(ShippedDocuments, EachDeclaresTheLanguageItIsWrittenIn) {
    const struct {
        const char* file;
        const char* language;   // Windows language id: 1038 Hungarian, 1033 English
    } documents[] = {{"Leir.doc", "1038"}, {"Magyar.doc", "1038"}, {"English.doc", "1033"}};
    static const QRegularExpression declared(QStringLiteral("^\\{\\\\rtf1[^{]*\\\\deflang(\\d+)"));
    for (const auto& d : documents) {
        const QString header = QString::fromLatin1(ReadDataFile(QString::fromLatin1(d.file)).left(200));
        const QRegularExpressionMatch match = declared.match(header);
        ASSERT_TRUE(match.hasMatch()) << d.file;
        EXPECT_EQ(match.captured(1), QLatin1String(d.language)) << d.file;
    }
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
