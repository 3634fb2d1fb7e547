#include "presentation/gui/RichTextDocument.h"
#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

namespace {

constexpr double kTwipsPerPixel = 15.0;

QTextBlockFormat BlockFormatOf(const RichParagraph& p) {
    QTextBlockFormat format;
    switch (p.align) {
    case RichAlign::Left: format.setAlignment(Qt::AlignLeft); break;
    case RichAlign::Centre: format.setAlignment(Qt::AlignHCenter); break;
    case RichAlign::Right: format.setAlignment(Qt::AlignRight); break;
    case RichAlign::Justify: format.setAlignment(Qt::AlignJustify); break;
    }
    format.setLeftMargin(p.leftIndentTwips / kTwipsPerPixel);
    format.setTextIndent(p.firstIndentTwips / kTwipsPerPixel);
    format.setTopMargin(p.spaceBeforeTwips / kTwipsPerPixel);
    format.setBottomMargin(p.spaceAfterTwips / kTwipsPerPixel);
    return format;
}

QTextCharFormat CharFormatOf(const RichCharFormat& f) {
    QTextCharFormat format;
    format.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(f.italic);
    format.setFontUnderline(f.underline);
    format.setFontPointSize(f.sizeHalfPoints / 2.0);
    if (!f.fontName.isEmpty()) format.setFontFamilies(QStringList{f.fontName});
    if (f.colour) format.setForeground(QColor(f.colour->red, f.colour->green, f.colour->blue));
    return format;
}

RichAlign AlignOf(const QTextBlockFormat& format) {
    const Qt::Alignment horizontal = format.alignment() & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignHCenter) return RichAlign::Centre;
    if (horizontal & Qt::AlignRight) return RichAlign::Right;
    if (horizontal & Qt::AlignJustify) return RichAlign::Justify;
    return RichAlign::Left;
}

int TwipsOf(double pixels) { return static_cast<int>(std::lround(pixels * kTwipsPerPixel)); }

RichCharFormat RichFormatOf(const QTextCharFormat& format) {
    RichCharFormat f;
    f.bold = format.fontWeight() > QFont::Medium;
    f.italic = format.fontItalic();
    f.underline = format.fontUnderline();
    if (format.fontPointSize() > 0)
        f.sizeHalfPoints = static_cast<int>(std::lround(format.fontPointSize() * 2));
    f.fontName = format.fontFamilies().toStringList().value(0);
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush) {
        const QColor c = format.foreground().color();
        f.colour = RichColour{c.red(), c.green(), c.blue()};
    }
    return f;
}

} // namespace

void FillTextDocument(QTextDocument& target, const RichDocument& source) {
    target.clear();
    QTextCursor cursor(&target);
    cursor.beginEditBlock();
    for (size_t i = 0; i < source.paragraphs.size(); ++i) {
        const RichParagraph& p = source.paragraphs[i];
        if (i == 0) cursor.setBlockFormat(BlockFormatOf(p));
        else cursor.insertBlock(BlockFormatOf(p));
        for (const RichRun& run : p.runs) cursor.insertText(run.text, CharFormatOf(run.format));
    }
    cursor.endEditBlock();
    target.setModified(false);
}

RichDocument RichDocumentOf(const QTextDocument& document) {
    RichDocument result;
    if (document.isEmpty()) return result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        RichParagraph p;
        const QTextBlockFormat format = block.blockFormat();
        p.align = AlignOf(format);
        p.leftIndentTwips = TwipsOf(format.leftMargin());
        p.firstIndentTwips = TwipsOf(format.textIndent());
        p.spaceBeforeTwips = TwipsOf(format.topMargin());
        p.spaceAfterTwips = TwipsOf(format.bottomMargin());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid()) p.append(fragment.text(), RichFormatOf(fragment.charFormat()));
        }
        result.paragraphs.push_back(std::move(p));
    }
    return result;
}
