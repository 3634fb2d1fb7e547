// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rich-text reader and writer: what word processors write must read as the
// text and formatting it shows, damaged files must give what can be read, and
// whatever the writer stores must read back unchanged.
#include "presentation/RichTextReader.h"
#include "presentation/RichTextWriter.h"
#include "support/WordProcessorSample.h"
#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

QString ColourTag(const RichColour& c) {
    return QStringLiteral("#%1%2%3").arg(c.red, 2, 16, QLatin1Char('0')).arg(c.green, 2, 16, QLatin1Char('0'))
        .arg(c.blue, 2, 16, QLatin1Char('0'));
}

// A tab stop as its position, then c/r/d/| for its kind and . - _ = ~ for its leader.
QString TabTag(const RichTabStop& t) {
    static const char kinds[] = {'\0', 'c', 'r', 'd', '|'};
    static const char leaders[] = {'\0', '.', '-', '_', '~', '='};
    QString tag = QString::number(t.positionTwips);
    if (const char k = kinds[static_cast<int>(t.kind)]) tag += QLatin1Char(k);
    if (const char l = leaders[static_cast<int>(t.leader)]) tag += QLatin1Char(l);
    return tag;
}

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
        if (p.lineSpacing)
            props << QStringLiteral("sl%1%2").arg(p.lineSpacing).arg(p.lineSpacingMultiple ? "m" : "");
        if (p.lineSpacingMultiple && !p.lineSpacing) props << QStringLiteral("slmult without sl");
        if (!p.tabs.empty()) {
            QStringList tabs;
            for (const RichTabStop& t : p.tabs) tabs << TabTag(t);
            props << QStringLiteral("tabs ") + tabs.join(QLatin1Char(','));
        }
        QString line = props.isEmpty() ? QString() : QLatin1Char('[') + props.join(QLatin1Char(' ')) + QLatin1Char(']');
        for (const RichRun& run : p.runs) {
            const RichCharFormat& f = run.format;
            QStringList tags;
            if (f.bold) tags << QStringLiteral("b");
            if (f.italic) tags << QStringLiteral("i");
            if (f.underline) tags << QStringLiteral("u");
            if (f.sizeHalfPoints != 24) tags << QStringLiteral("fs%1").arg(f.sizeHalfPoints);
            if (!f.fontName.isEmpty()) tags << f.fontName;
            if (f.colour) tags << ColourTag(*f.colour);
            if (f.strike) tags << QStringLiteral("s");
            if (f.script == RichScript::Super) tags << QStringLiteral("sup");
            if (f.script == RichScript::Sub) tags << QStringLiteral("sub");
            if (f.highlight) tags << QStringLiteral("hl") + ColourTag(*f.highlight);
            if (f.hidden) tags << QStringLiteral("v");
            QString text = run.text;
            text.replace(QLatin1Char('\t'), QChar(0x2192)).replace(QChar(0x2028), QChar(0x21B5));
            line += tags.isEmpty() ? text : QLatin1Char('<') + tags.join(QLatin1Char(',')) + QLatin1Char('>') + text + QStringLiteral("</>");
        }
        paragraphs << line;
    }
    return paragraphs.join(QStringLiteral(" | ")).toStdString();
}

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
                 "[c sa200 sl276m]<b,fs28,Calibri,#004dbb>Játékszabályok</> | [sa200 sl276m]<fs22,Calibri>Egy </>"
                 "<i,fs22,Calibri>dőlt</><fs22,Calibri> szó.</> | [sl-300 tabs 4320r.,6480]<fs22,Calibri>Pont→12→x</> | "
                 "<fs22,Calibri,s>régi</><fs22,Calibri> H</><fs22,Calibri,sub>2</><fs22,Calibri>O m</>"
                 "<fs22,Calibri,sup>2</><fs22,Calibri> </><fs22,Calibri,hl#ffff00>fontos</>"
                 "<fs22,Calibri,v>rejtett megjegyzés</><fs22,Calibri>látható</>"},
        ReadCase{"formats_a_word_processor_adds",
                 R"({\rtf1{\colortbl;\red255\green0\blue0;}\striked1 S\strike0\super P\sub B\plain\cb1 C\highlight0 N{\v H}\par})",
                 "<s>S</><sup>P</><sub>B</><hl#ff0000>C</>N<v>H</>"},
        ReadCase{"tab_stops_and_line_spacing_until_pard",
                 R"({\rtf1\tqc\tx100\tqdec\tlhyph\tx200\tlth\tb300\tleq\tx400\tlul\tx500\sl360\slmult1 A\par B\par\pard\sl0\slmult1 C\par})",
                 "[sl360m tabs 100c,200d-,300|~,400=,500_]A | [sl360m tabs 100c,200d-,300|~,400=,500_]B | C"}));

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
    RichParagraph p;
    p.align = align;
    p.leftIndentTwips = li;
    p.firstIndentTwips = fi;
    p.spaceBeforeTwips = sb;
    p.spaceAfterTwips = sa;
    p.runs = runs;
    return p;
}

RichParagraph Spaced(RichParagraph p, int lineSpacing, bool multiple, std::vector<RichTabStop> tabs = {}) {
    p.lineSpacing = lineSpacing;
    p.lineSpacingMultiple = multiple;
    p.tabs = std::move(tabs);
    return p;
}

RichRun Run(const char* utf8, RichCharFormat f = {}) { return {QString::fromUtf8(utf8), f}; }

RichCharFormat Format(bool b, bool i, bool u, int size = 24, const char* font = "",
                      std::optional<RichColour> colour = {}) {
    RichCharFormat f;
    f.bold = b;
    f.italic = i;
    f.underline = u;
    f.sizeHalfPoints = size;
    f.fontName = QString::fromUtf8(font);
    f.colour = colour;
    return f;
}

// The formats a word processor adds, on top of `f`.
RichCharFormat Added(RichCharFormat f, bool strike, RichScript script, std::optional<RichColour> highlight,
                     bool hidden) {
    f.strike = strike;
    f.script = script;
    f.highlight = highlight;
    f.hidden = hidden;
    return f;
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
        RoundTripCase{"formats_a_word_processor_adds",
                      Doc({Para({Run("s", Added({}, true, RichScript::Normal, {}, false)),
                                 Run("sup", Added({}, false, RichScript::Super, {}, false)),
                                 Run("sub", Added(Format(true, false, false), true, RichScript::Sub, {}, false)),
                                 Run("hl", Added({}, false, RichScript::Normal, RichColour{255, 255, 0}, false)),
                                 Run("hl as text", Format(false, false, false, 24, "", RichColour{255, 255, 0})),
                                 Run("hidden {x}", Added({}, false, RichScript::Normal, {}, true)),
                                 Run("shown")})})},
        RoundTripCase{"line_spacing_and_tab_stops",
                      Doc({Spaced(Para({Run("a\tb")}), 276, true,
                                  {{720, RichTabKind::Left, RichTabLeader::None},
                                   {4320, RichTabKind::Right, RichTabLeader::Dots},
                                   {5000, RichTabKind::Centre, RichTabLeader::Hyphens},
                                   {6000, RichTabKind::Decimal, RichTabLeader::Underline},
                                   {7000, RichTabKind::Bar, RichTabLeader::ThickLine},
                                   {8000, RichTabKind::Left, RichTabLeader::Equals}}),
                           Spaced(Para({Run("exact")}), -300, false), Spaced(Para({Run("at least")}), 300, false)})},
        RoundTripCase{"empty_document", Doc({})}));

// What is shown leaves hidden text out; the document keeps it.
TEST(RichText, HiddenTextIsKeptButNotShown) {
    const RichDocument d = ReadRichText(R"({\rtf1 a{\v secret}b\par{\v only hidden}\par})").document;
    EXPECT_EQ(d.plainText(), QStringLiteral("ab\n"));
    ASSERT_EQ(d.paragraphs.size(), 2u);
    EXPECT_EQ(d.paragraphs[0].runs.size(), 3u);
}

TEST(RichTextRoundTrip, AWordProcessorsDocumentWritesBackUnchanged) {
    const RichDocument first = ReadRichText(kWordProcessorSample).document;
    ASSERT_FALSE(first.paragraphs.empty());
    EXPECT_EQ(ReadRichText(WriteRichText(first)).document, first);
}

} // namespace
