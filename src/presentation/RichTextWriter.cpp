// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/RichTextWriter.h"
#include "files/CodePage1250.h"
#include <algorithm>

namespace {

// Every distinct value in order of first use; a run refers to one by its index.
template <typename T> class Table {
public:
    int indexOf(const T& value) {
        const auto it = std::find(m_values.begin(), m_values.end(), value);
        if (it != m_values.end()) return static_cast<int>(it - m_values.begin());
        m_values.push_back(value);
        return static_cast<int>(m_values.size()) - 1;
    }
    const std::vector<T>& values() const { return m_values; }

private:
    std::vector<T> m_values;
};

void AppendNumber(QByteArray& out, const char* word, int value) {
    out += word;
    out += QByteArray::number(value);
}

// One character as rich text: plain ASCII as it is, the code page's characters as
// \'hh, everything else as \uN with a "?" fallback.
void AppendChar(QByteArray& out, QChar c) {
    const char16_t code = c.unicode();
    if (code == '\\' || code == '{' || code == '}') {
        out += '\\';
        out += static_cast<char>(code);
    } else if (code == '\t') {
        out += "\\tab ";
    } else if (code == 0x2028) {
        out += "\\line ";
    } else if (code < 0x20) {
        // control characters have no place in the text
    } else if (code < 0x7F) {
        out += static_cast<char>(code);
    } else if (const std::optional<unsigned char> byte = Cp1250FromChar(c)) {
        out += "\\'" + QByteArray::number(*byte, 16).rightJustified(2, '0');
    } else {
        AppendNumber(out, "\\u", static_cast<int16_t>(code));
        out += '?';
    }
}

void AppendText(QByteArray& out, const QString& text) {
    for (const QChar c : text) AppendChar(out, c);
}

QByteArray FontTable(const std::vector<QString>& fonts) {
    QByteArray out = "{\\fonttbl";
    for (size_t i = 0; i < fonts.size(); ++i) {
        AppendNumber(out, "{\\f", static_cast<int>(i));
        out += "\\fnil\\fcharset238 ";
        // A ";" ends a name in the table, so it goes in as an escaped byte.
        for (const QChar c : fonts[i]) {
            if (c == QLatin1Char(';')) out += "\\'3b";
            else AppendChar(out, c);
        }
        out += ";}";
    }
    return out + "}";
}

QByteArray ColourTable(const std::vector<RichColour>& colours) {
    QByteArray out = "{\\colortbl ;";   // entry 0: the automatic colour
    for (const RichColour& c : colours) {
        AppendNumber(out, "\\red", c.red);
        AppendNumber(out, "\\green", c.green);
        AppendNumber(out, "\\blue", c.blue);
        out += ';';
    }
    return out + "}";
}

QByteArray TabStop(const RichTabStop& tab) {
    QByteArray out;
    switch (tab.kind) {
    case RichTabKind::Left:
    case RichTabKind::Bar: break;
    case RichTabKind::Centre: out += "\\tqc"; break;
    case RichTabKind::Right: out += "\\tqr"; break;
    case RichTabKind::Decimal: out += "\\tqdec"; break;
    }
    switch (tab.leader) {
    case RichTabLeader::None: break;
    case RichTabLeader::Dots: out += "\\tldot"; break;
    case RichTabLeader::Hyphens: out += "\\tlhyph"; break;
    case RichTabLeader::Underline: out += "\\tlul"; break;
    case RichTabLeader::ThickLine: out += "\\tlth"; break;
    case RichTabLeader::Equals: out += "\\tleq"; break;
    }
    AppendNumber(out, tab.kind == RichTabKind::Bar ? "\\tb" : "\\tx", tab.positionTwips);
    return out;
}

QByteArray ParagraphStart(const RichParagraph& p) {
    QByteArray out = "\\pard";
    switch (p.align) {
    case RichAlign::Left: break;
    case RichAlign::Centre: out += "\\qc"; break;
    case RichAlign::Right: out += "\\qr"; break;
    case RichAlign::Justify: out += "\\qj"; break;
    }
    if (p.leftIndentTwips != 0) AppendNumber(out, "\\li", p.leftIndentTwips);
    if (p.firstIndentTwips != 0) AppendNumber(out, "\\fi", p.firstIndentTwips);
    if (p.spaceBeforeTwips != 0) AppendNumber(out, "\\sb", p.spaceBeforeTwips);
    if (p.spaceAfterTwips != 0) AppendNumber(out, "\\sa", p.spaceAfterTwips);
    if (p.lineSpacing != 0) {
        AppendNumber(out, "\\sl", p.lineSpacing);
        AppendNumber(out, "\\slmult", p.lineSpacingMultiple ? 1 : 0);
    }
    for (const RichTabStop& tab : p.tabs) out += TabStop(tab);
    return out;
}

} // namespace

QByteArray WriteRichText(const RichDocument& document) {
    Table<QString> fonts;
    Table<RichColour> colours;
    QByteArray body;
    for (const RichParagraph& paragraph : document.paragraphs) {
        body += ParagraphStart(paragraph);
        for (const RichRun& run : paragraph.runs) {
            const RichCharFormat& f = run.format;
            AppendNumber(body, "{\\f", fonts.indexOf(f.fontName));
            AppendNumber(body, "\\fs", f.sizeHalfPoints);
            if (f.bold) body += "\\b";
            if (f.italic) body += "\\i";
            if (f.underline) body += "\\ul";
            if (f.colour) AppendNumber(body, "\\cf", colours.indexOf(*f.colour) + 1);
            if (f.strike) body += "\\strike";
            if (f.script == RichScript::Super) body += "\\super";
            if (f.script == RichScript::Sub) body += "\\sub";
            if (f.highlight) AppendNumber(body, "\\highlight", colours.indexOf(*f.highlight) + 1);
            if (f.hidden) body += "\\v";
            body += ' ';
            AppendText(body, run.text);
            body += '}';
        }
        body += "\\par\r\n";
    }
    if (fonts.values().empty()) fonts.indexOf(QString());   // \deff0 names a font

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1\r\n";
    out += FontTable(fonts.values()) + "\r\n";
    out += ColourTable(colours.values()) + "\r\n";
    return out + body + "}\r\n";
}
