// The rich-text reader and writer: what word processors write must read as the
// text and formatting it shows, damaged files must give what can be read, and
// whatever the writer stores must read back unchanged.
#include "presentation/RichTextReader.h"
#include "presentation/RichTextWriter.h"
#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// A document as one line: paragraphs joined by " | ", a paragraph's own format in
// [..] before it, a run's format in <..> before its text; tabs show as "→", line
// breaks as "↵".
std::string Describe(const RichDocument& d) {
    QStringList paragraphs;
    for (const RichParagraph& p : d.paragraphs) {
        QStringList props;
        if (p.align == RichAlign::Centre) props << QStringLiteral("c");
        if (p.align == RichAlign::Right) props << QStringLiteral("r");
        if (p.align == RichAlign::Justify) props << QStringLiteral("j");
        if (p.leftIndentTwips) props << QStringLiteral("li%1").arg(p.leftIndentTwips);
        if (p.firstIndentTwips) props << QStringLiteral("fi%1").arg(p.firstIndentTwips);
        if (p.spaceBeforeTwips) props << QStringLiteral("sb%1").arg(p.spaceBeforeTwips);
        if (p.spaceAfterTwips) props << QStringLiteral("sa%1").arg(p.spaceAfterTwips);
        QString line = props.isEmpty() ? QString() : QLatin1Char('[') + props.join(QLatin1Char(' ')) + QLatin1Char(']');
        for (const RichRun& run : p.runs) {
            const RichCharFormat& f = run.format;
            QStringList tags;
            if (f.bold) tags << QStringLiteral("b");
            if (f.italic) tags << QStringLiteral("i");
            if (f.underline) tags << QStringLiteral("u");
            if (f.sizeHalfPoints != 24) tags << QStringLiteral("fs%1").arg(f.sizeHalfPoints);
            if (!f.fontName.isEmpty()) tags << f.fontName;
            if (f.colour)
                tags << QStringLiteral("#%1%2%3").arg(f.colour->red, 2, 16, QLatin1Char('0'))
                            .arg(f.colour->green, 2, 16, QLatin1Char('0'))
                            .arg(f.colour->blue, 2, 16, QLatin1Char('0'));
            QString text = run.text;
            text.replace(QLatin1Char('\t'), QChar(0x2192)).replace(QChar(0x2028), QChar(0x21B5));
            line += tags.isEmpty() ? text : QLatin1Char('<') + tags.join(QLatin1Char(',')) + QLatin1Char('>') + text + QStringLiteral("</>");
        }
        paragraphs << line;
    }
    return paragraphs.join(QStringLiteral(" | ")).toStdString();
}

// What a word processor writes for a short document in code page 1250.
const QByteArray kWordProcessorSample =
    "{\\rtf1\\ansi\\ansicpg1250\\deff0\\nouicompat\\deflang1038{\\fonttbl{\\f0\\fnil\\fcharset238 "
    "Calibri;}}\r\n{\\colortbl ;\\red0\\green77\\blue187;}\r\n{\\*\\generator Riched20 "
    "10.0.19041}\\viewkind4\\uc1 \r\n\\pard\\sa200\\sl276\\slmult1\\qc\\cf1\\b\\f0\\fs28\\lang14 "
    "J\\'e1t\\'e9kszab\\'e1lyok\\cf0\\b0\\fs22\\par\r\n\\pard\\sa200\\sl276\\slmult1 "
    "Egy \\i d\\'f5lt\\i0  sz\\'f3.\\par\r\n}\r\n";

struct ReadCase {
    const char* name;
    QByteArray rtf;
    const char* expected;   // Describe() of the document, UTF-8
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class RichTextReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(RichTextReading, ShowsTheTextWithItsFormatting) {
    const RichTextRead read = ReadRichText(GetParam().rtf);
    EXPECT_EQ(read.status, RichTextStatus::Read);
    EXPECT_EQ(Describe(read.document), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RichTextReading,
    ::testing::Values(
        ReadCase{"accents_as_code_page_bytes",
                 R"({\rtf1\ansi\ansicpg1250 \'c1rv\'edzt\'fbr\'f5 t\'fck\'f6rf\'far\'f3g\'e9p\par})",
                 "Árvíztűrő tükörfúrógép"},
        ReadCase{"unicode_with_fallbacks", R"({\rtf1\ansi\u337?\u369\'3f\u-10179?\u-8704?\par})",
                 "őű😀"},
        ReadCase{"unicode_control_characters_are_dropped", R"({\rtf1 a\u2?b\u8233?c\u9?d\par})", "abc→d"},
        ReadCase{"fallback_count_is_scoped", R"({\rtf1{\uc2\u337oo}\u337?x\par})", "őőx"},
        ReadCase{"font_charset_chooses_the_code_page",
                 R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fnil Arial;}{\f1\fnil\fcharset238 Arial CE;}}\f0 \'f5\f1 \'f5\par})",
                 "<Arial>õ</><Arial CE>ő</>"},
        ReadCase{"nested_groups_restore_the_format", R"({\rtf1 a{\b b{\i c}d}e\par})",
                 "a<b>b</><b,i>c</><b>d</>e"},
        ReadCase{"each_character_format",
                 R"({\rtf1{\colortbl;\red255\green0\blue0;}\b B\b0\i I\i0\ul U\ulnone\fs32 L\fs24\cf1 R\cf0\b\i\ul\plain P\par})",
                 "<b>B</><i>I</><u>U</><fs32>L</><#ff0000>R</>P"},
        ReadCase{"fonts_by_number_and_the_default_font",
                 R"({\rtf1\deff1{\fonttbl{\f0\froman Times New Roman;}{\f1\fswiss Arial;}}x\f0 y\par})",
                 "<Arial>x</><Times New Roman>y</>"},
        ReadCase{"paragraph_format_lasts_until_pard",
                 R"({\rtf1\qc\li720\fi-360\sb120\sa60 A\par B\par\pard C\par\qr D\par\qj E\par})",
                 "[c li720 fi-360 sb120 sa60]A | [c li720 fi-360 sb120 sa60]B | C | [r]D | [j]E"},
        ReadCase{"tabs_breaks_and_special_characters",
                 "{\\rtf1 a\\tab b\\line c\\~d\\{\\}\\\\\\emdash\\bullet\r\ne\\\r\nf}",
                 "a→b↵c\u00A0d{}\\—•e | f"},
        ReadCase{"skipped_destinations",
                 R"({\rtf1{\*\generator Writer 1.0;}{\info{\title T}}{\stylesheet{\s0 Normal;}}{\*\unknown hidden}{\field{\*\fldinst HYPERLINK "x"}{\fldrslt shown}}{\pict\bin4 {}\ } text\par})",
                 "shown text"},
        ReadCase{"unknown_control_words_are_ignored", R"({\rtf1 \foo12 a\bar-3 b\par})", "ab"},
        ReadCase{"word_processor_output",
                 kWordProcessorSample,
                 "[c sa200]<b,fs28,Calibri,#004dbb>Játékszabályok</> | [sa200]<fs22,Calibri>Egy </><i,fs22,Calibri>dőlt</><fs22,Calibri> szó.</>"}));

struct DamageCase {
    const char* name;
    QByteArray bytes;
    RichTextStatus status;
    const char* expected;
};

void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.name; }

class RichTextDamage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(RichTextDamage, GivesWhatCanBeRead) {
    const RichTextRead read = ReadRichText(GetParam().bytes);
    EXPECT_EQ(read.status, GetParam().status);
    EXPECT_EQ(Describe(read.document), GetParam().expected);
}

QByteArray Nested(int depth, bool closed) {
    return "{\\rtf1 " + QByteArray(depth, '{') + "x" + (closed ? QByteArray(depth, '}') + "}" : QByteArray());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RichTextDamage,
    ::testing::Values(
        DamageCase{"cut_short", "{\\rtf1 abc{\\b def", RichTextStatus::Damaged, "abc<b>def</>"},
        DamageCase{"early_closing_brace", "{\\rtf1 abc}} def}", RichTextStatus::Damaged, "abc def"},
        DamageCase{"binary_longer_than_the_file", "{\\rtf1 a\\bin999999 xyz}", RichTextStatus::Damaged, "a"},
        DamageCase{"broken_byte_escapes", "{\\rtf1 \\'zz\\'4}", RichTextStatus::Read, "zz4"},
        DamageCase{"padding_after_the_end", QByteArray("{\\rtf1 a}\0\0 \r\n", 14), RichTextStatus::Read, "a"},
        DamageCase{"deep_nesting", Nested(5000, true), RichTextStatus::Read, "x"},
        DamageCase{"deep_nesting_cut_short", Nested(5000, false), RichTextStatus::Damaged, "x"},
        DamageCase{"plain_text_lines", "Els\xf5 sor\r\nM\xe1sodik\x01\r\n", RichTextStatus::NotRichText,
                   "Első sor | Második"},
        DamageCase{"empty_file", "", RichTextStatus::NotRichText, ""}));

// Documents built here, written and read again.
RichDocument Doc(std::initializer_list<RichParagraph> paragraphs) { return {paragraphs}; }

RichParagraph Para(std::initializer_list<RichRun> runs, RichAlign align = RichAlign::Left, int li = 0,
                   int fi = 0, int sb = 0, int sa = 0) {
    return {align, li, fi, sb, sa, runs};
}

RichRun Run(const char* utf8, RichCharFormat f = {}) { return {QString::fromUtf8(utf8), f}; }

RichCharFormat Format(bool b, bool i, bool u, int size = 24, const char* font = "",
                      std::optional<RichColour> colour = {}) {
    return {b, i, u, size, QString::fromUtf8(font), colour};
}

struct RoundTripCase {
    const char* name;
    RichDocument document;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class RichTextRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RichTextRoundTrip, ReadsBackWhatWasWritten) {
    const QByteArray written = WriteRichText(GetParam().document);
    EXPECT_TRUE(written.startsWith("{\\rtf1\\ansi\\ansicpg1250"));
    EXPECT_TRUE(std::all_of(written.begin(), written.end(), [](char c) { return c > 0; }))
        << "only ASCII is written";
    const RichTextRead read = ReadRichText(written);
    EXPECT_EQ(read.status, RichTextStatus::Read);
    EXPECT_EQ(Describe(read.document), Describe(GetParam().document));
    EXPECT_EQ(read.document, GetParam().document);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RichTextRoundTrip,
    ::testing::Values(
        RoundTripCase{"accents_in_and_outside_the_code_page",
                      Doc({Para({Run("Árvíztűrő tükörfúrógép € → ŷ 😀 \u00A0")})})},
        RoundTripCase{"syntax_characters_in_text", Doc({Para({Run("{a}\\b;c?")})})},
        RoundTripCase{"tabs_breaks_and_text_after_formatting",
                      Doc({Para({Run("a\tb\u2028c", Format(true, false, false)), Run(" 12 x"),
                                 Run("3", Format(false, true, false))})})},
        RoundTripCase{"every_character_format",
                      Doc({Para({Run("b", Format(true, false, false)), Run("i", Format(false, true, false)),
                                 Run("u", Format(false, false, true)), Run("big", Format(false, false, false, 40)),
                                 Run("font", Format(false, false, false, 24, "Times; {New}")),
                                 Run("ékezet", Format(true, true, true, 18, "Ádám Sans", RichColour{1, 128, 255})),
                                 Run("red", Format(false, false, false, 24, "", RichColour{255, 0, 0}))})})},
        RoundTripCase{"paragraph_formats_and_empty_paragraphs",
                      Doc({Para({Run("title")}, RichAlign::Centre, 0, 0, 240, 120), Para({}),
                           Para({Run("item")}, RichAlign::Left, 360, -240),
                           Para({Run("r")}, RichAlign::Right), Para({Run("j")}, RichAlign::Justify), Para({})})},
        RoundTripCase{"empty_document", Doc({})}));

TEST(RichTextRoundTrip, AWordProcessorsDocumentWritesBackUnchanged) {
    const RichDocument first = ReadRichText(kWordProcessorSample).document;
    ASSERT_FALSE(first.paragraphs.empty());
    EXPECT_EQ(ReadRichText(WriteRichText(first)).document, first);
}

} // namespace
