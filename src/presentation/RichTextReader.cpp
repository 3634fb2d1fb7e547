// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/RichTextReader.h"
#include "presentation/RichTextTokenizer.h"
#include "files/CodePage1250.h"
#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <array>
#include <map>
#include <memory>

namespace {

using CharTable = std::array<QChar, 256>;

constexpr int kDefaultCodePage = 1252;   // what \ansi means without \ansicpg
constexpr int kDefaultSizeHalfPoints = 24;
constexpr int kMinSizeHalfPoints = 2;
constexpr int kMaxSizeHalfPoints = 2000;
constexpr int kMaxIndentTwips = 20000;
constexpr int kMaxTabTwips = 31680;   // 22 inches, the widest page a word processor offers
// A word processor sets at most 64 tab stops per paragraph; a hostile file cannot
// make the list (copied with every group) grow without bound.
constexpr size_t kMaxTabStops = 64;
// Deeper groups share the state of the deepest one kept: no document needs more,
// and a hostile one cannot make the reader's memory grow with its nesting.
constexpr size_t kMaxDepth = 200;

// The single-byte code page a font's character set stands for; 0 = the document's.
int CodePageOfCharset(int charset) {
    switch (charset) {
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    default: return 0;
    }
}

// Code pages whose bytes stand for one character each; anything else reads as the default.
int KnownCodePage(int codePage) {
    return codePage == 874 || (codePage >= 1250 && codePage <= 1258) ? codePage : kDefaultCodePage;
}

CharTable BuildCharTable(int codePage) {
    if (codePage == 1250) return Cp1250Chars();
    CharTable table{};
    for (int code = 0; code < 256; ++code) table[code] = QChar(code);   // Latin-1 if unknown
    QStringDecoder decoder(QStringLiteral("windows-%1").arg(codePage).toLatin1().constData());
    if (!decoder.isValid()) return table;
    for (int code = 0; code < 256; ++code) {
        const char byte = static_cast<char>(code);
        decoder.resetState();
        const QString decoded = decoder.decode(QByteArrayView(&byte, 1));
        if (decoded.size() == 1) table[code] = decoded.at(0);
    }
    return table;
}

enum class Destination { Text, Skip, FontTable, ColourTable };

// What a group carries: it is copied on "{" and restored on "}".
struct GroupState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int sizeHalfPoints = kDefaultSizeHalfPoints;
    int font = -1;     // font number; -1 the document's default font
    int colour = 0;    // index into the colour table
    RichAlign align = RichAlign::Left;
    int leftIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    bool strike = false;
    RichScript script = RichScript::Normal;
    int highlight = 0;     // index into the colour table; 0 none
    bool hidden = false;
    int lineSpacing = 0;
    bool lineSpacingMultiple = false;
    std::vector<RichTabStop> tabs;
    RichTabStop nextTab;   // the kind and leader words come before the stop's \tx
    int unicodeSkip = 1;   // \uc: fallback characters after each \u
    Destination destination = Destination::Text;
};

struct FontEntry {
    QString name;
    int codePage = 0;   // 0: the document's
};

const std::map<QByteArrayView, QChar>& CharacterWords() {
    static const std::map<QByteArrayView, QChar> words{
        {"tab", QLatin1Char('\t')},      {"cell", QLatin1Char('\t')},
        {"line", QChar(0x2028)},         {"emdash", QChar(0x2014)},
        {"endash", QChar(0x2013)},       {"lquote", QChar(0x2018)},
        {"rquote", QChar(0x2019)},       {"ldblquote", QChar(0x201C)},
        {"rdblquote", QChar(0x201D)},    {"bullet", QChar(0x2022)},
        {"emspace", QChar(0x2003)},      {"enspace", QChar(0x2002)},
        {"qmspace", QChar(0x2005)},
    };
    return words;
}

bool IsParagraphBreak(QByteArrayView word) {
    return word == "par" || word == "sect" || word == "page" || word == "row";
}

// Destinations whose text is not part of the document even without \*.
bool IsSkippedDestination(QByteArrayView word) {
    static const QByteArrayView kSkipped[] = {
        "stylesheet", "info",      "pict",      "object",   "header",    "headerl",
        "headerr",    "headerf",   "footer",    "footerl",  "footerr",   "footerf",
        "footnote",   "fldinst",   "xe",        "tc",       "listtable", "listoverridetable",
        "revtbl",     "rsidtbl",   "generator", "themedata", "colorschememapping",
        "latentstyles", "datastore", "xmlnstbl", "filetbl", "bkmkstart", "bkmkend",
        "annotation", "atnid",     "atnauthor", "template", "nonshppict", "shp",
    };
    return std::find(std::begin(kSkipped), std::end(kSkipped), word) != std::end(kSkipped);
}

// The UTF-16 unit of \uN, which writers give as a signed 16-bit number; null when out
// of range or when it would break the text: a control character or a paragraph
// separator that is not a \par.
QChar UnicodeChar(int param) {
    const int code = param < 0 ? param + 65536 : param;
    if (code > 0xFFFF || (code < 0x20 && code != '\t') || code == 0x2029) return {};
    return QChar(static_cast<char16_t>(code));
}

int SizeOf(const RichTextToken& fs) {
    if (fs.param <= 0) return kDefaultSizeHalfPoints;
    return std::clamp(fs.param, kMinSizeHalfPoints, kMaxSizeHalfPoints);
}

std::optional<RichTabKind> TabKindOf(QByteArrayView word) {
    if (word == "tqc") return RichTabKind::Centre;
    if (word == "tqr") return RichTabKind::Right;
    if (word == "tqdec") return RichTabKind::Decimal;
    return std::nullopt;
}

std::optional<RichTabLeader> TabLeaderOf(QByteArrayView word) {
    if (word == "tldot") return RichTabLeader::Dots;
    if (word == "tlhyph") return RichTabLeader::Hyphens;
    if (word == "tlul") return RichTabLeader::Underline;
    if (word == "tlth") return RichTabLeader::ThickLine;
    if (word == "tleq") return RichTabLeader::Equals;
    return std::nullopt;
}

bool IsUnderlineWord(QByteArrayView word) {
    return word == "ul" || word == "uld" || word == "uldb" || word == "ulw" || word == "uldash" ||
           word == "ulth" || word == "ulwave";
}

// Spaces and the zero bytes some programs pad files with.
bool IsBlank(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\0'; });
}

class Reader {
public:
    explicit Reader(QByteArrayView bytes) : m_tokens(bytes) { m_stack.emplace_back(); }

    RichTextRead read();

private:
    GroupState& state() { return m_stack.back(); }
    void groupStart();
    void groupEnd();
    void word(const RichTextToken& token);
    void symbol(char c);
    void text(QByteArrayView bytes);
    void hexByte(unsigned char byte);
    void appendText(const QString& text);
    void endParagraph();
    void takeParagraphFormat();
    bool swallowedAsFallback();

    void fontTableText(const QString& text);
    void addToFontName(QChar c);
    void finishFontEntry();
    void colourTableText(QByteArrayView bytes);

    const CharTable& charTable();
    RichCharFormat currentFormat();

    RichTextTokenizer m_tokens;
    std::vector<GroupState> m_stack;   // [0] is outside every group
    size_t m_overflow = 0;             // groups opened beyond kMaxDepth
    bool m_rootClosed = false;
    bool m_damaged = false;
    int m_pendingFallback = 0;         // fallback characters of a \u still to skip

    int m_codePage = kDefaultCodePage;
    int m_defaultFont = 0;
    std::map<int, FontEntry> m_fonts;
    int m_fontEntryNumber = 0;
    int m_fontEntryCodePage = 0;
    QString m_fontEntryName;
    std::vector<std::optional<RichColour>> m_colours;
    RichColour m_colourEntry;
    bool m_colourEntrySet = false;
    std::map<int, std::unique_ptr<CharTable>> m_charTables;

    RichDocument m_document;
    RichParagraph m_paragraph;
};

RichTextRead Reader::read() {
    for (RichTextToken token = m_tokens.next(); token.kind != RichTextToken::End;
         token = m_tokens.next()) {
        if (m_rootClosed) {
            if (token.kind == RichTextToken::Text && IsBlank(token.bytes)) continue;
            // More than blank space after the document's last brace: an early "}"
            // closed it. Read on, so that the rest is shown too.
            m_damaged = true;
            m_rootClosed = false;
            m_stack.emplace_back();
        }
        switch (token.kind) {
        case RichTextToken::GroupStart: groupStart(); break;
        case RichTextToken::GroupEnd: groupEnd(); break;
        case RichTextToken::Word: word(token); break;
        case RichTextToken::Symbol: symbol(token.symbol); break;
        case RichTextToken::Hex: hexByte(token.byte); break;
        case RichTextToken::Text: text(token.bytes); break;
        case RichTextToken::Binary:
        case RichTextToken::End: break;
        }
    }
    if (m_stack.size() > 1 || m_overflow > 0) m_damaged = true;   // cut short
    if (!m_paragraph.runs.empty()) m_document.paragraphs.push_back(std::move(m_paragraph));
    return {std::move(m_document), m_damaged ? RichTextStatus::Damaged : RichTextStatus::Read};
}

void Reader::groupStart() {
    m_pendingFallback = 0;
    if (m_stack.size() >= kMaxDepth) {
        ++m_overflow;
        return;
    }
    m_stack.push_back(state());
}

void Reader::groupEnd() {
    m_pendingFallback = 0;
    if (m_overflow > 0) {
        --m_overflow;
        return;
    }
    if (m_stack.size() <= 1) {   // a "}" without its "{"
        m_damaged = true;
        return;
    }
    if (state().destination == Destination::FontTable) finishFontEntry();
    m_stack.pop_back();
    if (m_stack.size() == 1) m_rootClosed = true;
}

// A control word or symbol right after \uN stands for the character's fallback.
bool Reader::swallowedAsFallback() {
    if (m_pendingFallback == 0) return false;
    --m_pendingFallback;
    return true;
}

void Reader::word(const RichTextToken& token) {
    if (swallowedAsFallback()) return;
    const QByteArrayView w = token.bytes;
    GroupState& g = state();
    const bool on = !token.hasParam || token.param != 0;

    if (w == "ansicpg" && token.hasParam) m_codePage = KnownCodePage(token.param);
    else if (w == "deff" && token.hasParam) m_defaultFont = token.param;
    if (g.destination == Destination::Text) {
        if (w == "fonttbl") g.destination = Destination::FontTable;
        else if (w == "colortbl") g.destination = Destination::ColourTable;
        else if (IsSkippedDestination(w)) g.destination = Destination::Skip;
    }

    if (g.destination == Destination::FontTable) {
        if (w == "f" && token.hasParam) {
            finishFontEntry();
            m_fontEntryNumber = token.param;
        } else if (w == "fcharset" && token.hasParam) {
            m_fontEntryCodePage = CodePageOfCharset(token.param);
        } else if (w == "u" && token.hasParam) {
            addToFontName(UnicodeChar(token.param));
            m_pendingFallback = g.unicodeSkip;
        }
        return;
    }
    if (g.destination == Destination::ColourTable) {
        const int value = std::clamp(token.param, 0, 255);
        if (w == "red") m_colourEntry.red = value;
        else if (w == "green") m_colourEntry.green = value;
        else if (w == "blue") m_colourEntry.blue = value;
        else return;
        m_colourEntrySet = true;
        return;
    }

    // Character and paragraph formatting belong to the group even where its text is skipped.
    if (w == "b") g.bold = on;
    else if (w == "i") g.italic = on;
    else if (IsUnderlineWord(w)) g.underline = on;
    else if (w == "ulnone") g.underline = false;
    else if (w == "fs") g.sizeHalfPoints = SizeOf(token);
    else if (w == "f" && token.hasParam) g.font = token.param;
    else if (w == "cf") g.colour = std::max(0, token.param);
    else if (w == "strike" || w == "striked") g.strike = on;
    else if (w == "super") g.script = RichScript::Super;
    else if (w == "sub") g.script = RichScript::Sub;
    else if (w == "nosupersub") g.script = RichScript::Normal;
    else if (w == "highlight" || w == "cb") g.highlight = std::max(0, token.param);
    else if (w == "v") g.hidden = on;
    else if (w == "plain") {
        g.bold = g.italic = g.underline = g.strike = g.hidden = false;
        g.sizeHalfPoints = kDefaultSizeHalfPoints;
        g.font = -1;
        g.colour = g.highlight = 0;
        g.script = RichScript::Normal;
    } else if (w == "pard") {
        g.align = RichAlign::Left;
        g.leftIndent = g.firstIndent = g.spaceBefore = g.spaceAfter = 0;
        g.lineSpacing = 0;
        g.lineSpacingMultiple = false;
        g.tabs.clear();
        g.nextTab = {};
    } else if (w == "sl") g.lineSpacing = std::clamp(token.param, -kMaxIndentTwips, kMaxIndentTwips);
    else if (w == "slmult") g.lineSpacingMultiple = on;
    else if (const auto kind = TabKindOf(w)) g.nextTab.kind = *kind;
    else if (const auto leader = TabLeaderOf(w)) g.nextTab.leader = *leader;
    else if (w == "tx" || w == "tb") {
        g.nextTab.positionTwips = std::clamp(token.param, 0, kMaxTabTwips);
        if (w == "tb") g.nextTab.kind = RichTabKind::Bar;
        if (g.tabs.size() < kMaxTabStops) g.tabs.push_back(g.nextTab);
        g.nextTab = {};
    } else if (w == "ql") g.align = RichAlign::Left;
    else if (w == "qc") g.align = RichAlign::Centre;
    else if (w == "qr") g.align = RichAlign::Right;
    else if (w == "qj") g.align = RichAlign::Justify;
    else if (w == "li") g.leftIndent = std::clamp(token.param, -kMaxIndentTwips, kMaxIndentTwips);
    else if (w == "fi") g.firstIndent = std::clamp(token.param, -kMaxIndentTwips, kMaxIndentTwips);
    else if (w == "sb") g.spaceBefore = std::clamp(token.param, 0, kMaxIndentTwips);
    else if (w == "sa") g.spaceAfter = std::clamp(token.param, 0, kMaxIndentTwips);
    else if (w == "uc") g.unicodeSkip = std::max(0, token.param);

    if (g.destination != Destination::Text) return;
    if (IsParagraphBreak(w)) {
        endParagraph();
    } else if (w == "u" && token.hasParam) {
        if (const QChar c = UnicodeChar(token.param); !c.isNull()) appendText(QString(c));
        m_pendingFallback = g.unicodeSkip;
    } else if (const auto it = CharacterWords().find(w); it != CharacterWords().end()) {
        appendText(QString(it->second));
    }
}

void Reader::symbol(char c) {
    if (c == '*') {   // an optional destination: skipped whole, whatever it is
        m_pendingFallback = 0;
        state().destination = Destination::Skip;
        return;
    }
    if (swallowedAsFallback()) return;
    switch (c) {
    case '\\':
    case '{':
    case '}': {
        if (state().destination == Destination::FontTable) addToFontName(QLatin1Char(c));
        else if (state().destination == Destination::Text) appendText(QString(QLatin1Char(c)));
        break;
    }
    case '~':
        if (state().destination == Destination::Text) appendText(QString(QChar(0x00A0)));
        break;
    case '_':
        if (state().destination == Destination::Text) appendText(QString(QChar(0x2011)));
        break;
    default: break;   // optional hyphens, index marks and unknown symbols show nothing
    }
}

void Reader::text(QByteArrayView bytes) {
    const qsizetype skipped = std::min<qsizetype>(m_pendingFallback, bytes.size());
    m_pendingFallback -= static_cast<int>(skipped);
    bytes = bytes.sliced(skipped);
    if (bytes.isEmpty()) return;

    switch (state().destination) {
    case Destination::Skip: return;
    case Destination::ColourTable: colourTableText(bytes); return;
    case Destination::FontTable:
    case Destination::Text: break;
    }
    const CharTable& table = charTable();
    QString decoded;
    decoded.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x20 && code != '\t') continue;   // stray control bytes are not text
        decoded += table[code];
    }
    if (state().destination == Destination::FontTable) fontTableText(decoded);
    else appendText(decoded);
}

void Reader::hexByte(unsigned char byte) {
    if (swallowedAsFallback()) return;
    const QChar c = charTable()[byte];
    if (byte < 0x20) return;   // control bytes are not text
    if (state().destination == Destination::FontTable) addToFontName(c);
    else if (state().destination == Destination::Text) appendText(QString(c));
}

// A paragraph takes the paragraph formatting in force at its last text or at its \par.
void Reader::takeParagraphFormat() {
    const GroupState& g = state();
    m_paragraph.align = g.align;
    m_paragraph.leftIndentTwips = g.leftIndent;
    m_paragraph.firstIndentTwips = g.firstIndent;
    m_paragraph.spaceBeforeTwips = g.spaceBefore;
    m_paragraph.spaceAfterTwips = g.spaceAfter;
    m_paragraph.lineSpacing = g.lineSpacing;
    m_paragraph.lineSpacingMultiple = g.lineSpacing != 0 && g.lineSpacingMultiple;
    m_paragraph.tabs = g.tabs;
}

void Reader::appendText(const QString& text) {
    takeParagraphFormat();
    m_paragraph.append(text, currentFormat());
}

void Reader::endParagraph() {
    takeParagraphFormat();
    m_document.paragraphs.push_back(std::move(m_paragraph));
    m_paragraph = {};
}

void Reader::fontTableText(const QString& text) {
    for (const QChar c : text) {
        if (c == QLatin1Char(';')) finishFontEntry();
        else addToFontName(c);
    }
}

// Font names hold no tabs or control characters.
void Reader::addToFontName(QChar c) {
    if (c.unicode() >= 0x20 && c != QChar(0x2028)) m_fontEntryName += c;
}

void Reader::finishFontEntry() {
    const QString name = m_fontEntryName.trimmed();
    if (!name.isEmpty() || m_fontEntryCodePage != 0)
        m_fonts[m_fontEntryNumber] = {name, m_fontEntryCodePage};
    m_fontEntryName.clear();
    m_fontEntryCodePage = 0;
}

void Reader::colourTableText(QByteArrayView bytes) {
    for (const char c : bytes) {
        if (c != ';') continue;
        m_colours.push_back(m_colourEntrySet ? std::optional(m_colourEntry) : std::nullopt);
        m_colourEntry = {};
        m_colourEntrySet = false;
    }
}

const CharTable& Reader::charTable() {
    const int font = state().font < 0 ? m_defaultFont : state().font;
    const auto entry = m_fonts.find(font);
    const bool ownPage = entry != m_fonts.end() && entry->second.codePage != 0;
    const int codePage = ownPage ? entry->second.codePage : m_codePage;
    std::unique_ptr<CharTable>& table = m_charTables[codePage];
    if (!table) table = std::make_unique<CharTable>(BuildCharTable(codePage));
    return *table;
}

RichCharFormat Reader::currentFormat() {
    const GroupState& g = state();
    RichCharFormat format;
    format.bold = g.bold;
    format.italic = g.italic;
    format.underline = g.underline;
    format.sizeHalfPoints = g.sizeHalfPoints;
    const auto font = m_fonts.find(g.font < 0 ? m_defaultFont : g.font);
    if (font != m_fonts.end()) format.fontName = font->second.name;
    if (static_cast<size_t>(g.colour) < m_colours.size()) format.colour = m_colours[g.colour];
    format.strike = g.strike;
    format.script = g.script;
    if (static_cast<size_t>(g.highlight) < m_colours.size()) format.highlight = m_colours[g.highlight];
    format.hidden = g.hidden;
    return format;
}

bool HasRichTextHeader(QByteArrayView bytes) {
    qsizetype at = 0;
    while (at < bytes.size() && QByteArrayView(" \t\r\n").contains(bytes[at])) ++at;
    return bytes.sliced(at).startsWith("{\\rtf");
}

// Lines of a text file, one paragraph each; stray control bytes are dropped.
RichDocument PlainLines(QByteArrayView bytes) {
    QString text = DecodeCp1250(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    RichDocument document;
    if (text.isEmpty()) return document;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QString clean;
        for (const QChar c : line)
            if (c.unicode() >= 0x20 || c == QLatin1Char('\t')) clean += c;
        RichParagraph paragraph;
        paragraph.append(clean, {});
        document.paragraphs.push_back(std::move(paragraph));
    }
    return document;
}

} // namespace

RichTextRead ReadRichText(QByteArrayView bytes) {
    if (!HasRichTextHeader(bytes)) return {PlainLines(bytes), RichTextStatus::NotRichText};
    return Reader(bytes).read();
}
