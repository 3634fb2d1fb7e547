// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/gui/RichTextDocument.h"
#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <cmath>

namespace {

constexpr double kTwipsPerPixel = 15.0;

// Hidden text stands in the text box as one object character of no size, which
// carries the text; it moves with the text around it and is written back in place.
constexpr int kHiddenTextObject = QTextFormat::UserObject + 1;
constexpr int kHiddenTextProperty = QTextFormat::UserProperty + 1;
// What the text box cannot show of a paragraph, kept with its block as the file gave it.
constexpr int kLineSpacingProperty = QTextFormat::UserProperty + 2;
constexpr int kLineSpacingMultipleProperty = QTextFormat::UserProperty + 3;
constexpr int kTabStopsProperty = QTextFormat::UserProperty + 4;   // position, kind, leader per stop

// Draws hidden text: nothing, in no room.
class HiddenTextHandler final : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    using QObject::QObject;
    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat&) override { return {0, 0}; }
    void drawObject(QPainter*, const QRectF&, QTextDocument*, int, const QTextFormat&) override {}
};

void SetLineSpacing(QTextBlockFormat& format, const RichParagraph& p) {
    if (p.lineSpacing == 0) return;
    format.setProperty(kLineSpacingProperty, p.lineSpacing);
    format.setProperty(kLineSpacingMultipleProperty, p.lineSpacingMultiple);
    if (p.lineSpacing < 0)
        format.setLineHeight(-p.lineSpacing / kTwipsPerPixel, QTextBlockFormat::FixedHeight);
    else if (p.lineSpacingMultiple)
        format.setLineHeight(p.lineSpacing * 100.0 / 240, QTextBlockFormat::ProportionalHeight);
    else
        format.setLineHeight(p.lineSpacing / kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
}

void SetTabStops(QTextBlockFormat& format, const RichParagraph& p) {
    if (p.tabs.empty()) return;
    QList<QVariant> stops;
    QList<QTextOption::Tab> shown;
    for (const RichTabStop& tab : p.tabs) {
        stops << tab.positionTwips << static_cast<int>(tab.kind) << static_cast<int>(tab.leader);
        const qreal at = tab.positionTwips / kTwipsPerPixel;
        switch (tab.kind) {
        case RichTabKind::Left: shown << QTextOption::Tab(at, QTextOption::LeftTab); break;
        case RichTabKind::Centre: shown << QTextOption::Tab(at, QTextOption::CenterTab); break;
        case RichTabKind::Right: shown << QTextOption::Tab(at, QTextOption::RightTab); break;
        case RichTabKind::Decimal: shown << QTextOption::Tab(at, QTextOption::DelimiterTab, QLatin1Char('.')); break;
        case RichTabKind::Bar: break;   // a line the text box cannot draw
        }
    }
    format.setProperty(kTabStopsProperty, stops);
    format.setTabPositions(shown);
}

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
    SetLineSpacing(format, p);
    SetTabStops(format, p);
    return format;
}

QTextCharFormat CharFormatOf(const RichCharFormat& f) {
    QTextCharFormat format;
    format.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(f.italic);
    format.setFontUnderline(f.underline);
    format.setFontStrikeOut(f.strike);
    format.setFontPointSize(f.sizeHalfPoints / 2.0);
    if (!f.fontName.isEmpty()) format.setFontFamilies(QStringList{f.fontName});
    if (f.colour) format.setForeground(QColor(f.colour->red, f.colour->green, f.colour->blue));
    if (f.highlight) format.setBackground(QColor(f.highlight->red, f.highlight->green, f.highlight->blue));
    switch (f.script) {
    case RichScript::Normal: break;
    case RichScript::Super: format.setVerticalAlignment(QTextCharFormat::AlignSuperScript); break;
    case RichScript::Sub: format.setVerticalAlignment(QTextCharFormat::AlignSubScript); break;
    }
    return format;
}

// The object character standing for hidden `text` in format `f`.
QTextCharFormat HiddenTextFormat(const QString& text, const RichCharFormat& f) {
    QTextCharFormat format = CharFormatOf(f);
    format.setObjectType(kHiddenTextObject);
    format.setProperty(kHiddenTextProperty, text);
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

// Tab stops as the block keeps them; a block the text box made by itself (pasted
// text) has only the stops it shows.
std::vector<RichTabStop> TabStopsOf(const QTextBlockFormat& format) {
    std::vector<RichTabStop> tabs;
    if (format.hasProperty(kTabStopsProperty)) {
        const QList<QVariant> stops = format.property(kTabStopsProperty).toList();
        for (qsizetype i = 0; i + 2 < stops.size(); i += 3)
            tabs.push_back({stops[i].toInt(), static_cast<RichTabKind>(stops[i + 1].toInt()),
                            static_cast<RichTabLeader>(stops[i + 2].toInt())});
        return tabs;
    }
    for (const QTextOption::Tab& tab : format.tabPositions()) {
        RichTabKind kind = RichTabKind::Left;
        if (tab.type == QTextOption::CenterTab) kind = RichTabKind::Centre;
        if (tab.type == QTextOption::RightTab) kind = RichTabKind::Right;
        if (tab.type == QTextOption::DelimiterTab) kind = RichTabKind::Decimal;
        tabs.push_back({TwipsOf(tab.position), kind, RichTabLeader::None});
    }
    return tabs;
}

RichCharFormat RichFormatOf(const QTextCharFormat& format) {
    RichCharFormat f;
    f.bold = format.fontWeight() > QFont::Medium;
    f.italic = format.fontItalic();
    f.underline = format.fontUnderline();
    f.strike = format.fontStrikeOut();
    if (format.fontPointSize() > 0)
        f.sizeHalfPoints = static_cast<int>(std::lround(format.fontPointSize() * 2));
    f.fontName = format.fontFamilies().toStringList().value(0);
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush) {
        const QColor c = format.foreground().color();
        f.colour = RichColour{c.red(), c.green(), c.blue()};
    }
    if (format.hasProperty(QTextFormat::BackgroundBrush) && format.background().style() != Qt::NoBrush) {
        const QColor c = format.background().color();
        f.highlight = RichColour{c.red(), c.green(), c.blue()};
    }
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript) f.script = RichScript::Super;
    if (format.verticalAlignment() == QTextCharFormat::AlignSubScript) f.script = RichScript::Sub;
    return f;
}

void AppendFragment(RichParagraph& p, const QTextFragment& fragment) {
    const QTextCharFormat format = fragment.charFormat();
    RichCharFormat f = RichFormatOf(format);
    QString text = fragment.text();
    if (format.objectType() == kHiddenTextObject) {
        // Neighbouring hidden texts of one format share a fragment, one character each.
        f.hidden = true;
        const QString hidden = format.property(kHiddenTextProperty).toString();
        for (qsizetype i = 0; i < text.size(); ++i) p.append(hidden, f);
        return;
    }
    // Other objects (a pasted picture) have nothing the document can keep.
    text.remove(QChar::ObjectReplacementCharacter);
    p.append(text, f);
}

} // namespace

void FillTextDocument(QTextDocument& target, const RichDocument& source) {
    target.clear();
    QAbstractTextDocumentLayout* layout = target.documentLayout();
    if (!layout->handlerForObject(kHiddenTextObject))
        layout->registerHandler(kHiddenTextObject, new HiddenTextHandler(&target));
    QTextCursor cursor(&target);
    cursor.beginEditBlock();
    for (size_t i = 0; i < source.paragraphs.size(); ++i) {
        const RichParagraph& p = source.paragraphs[i];
        if (i == 0) cursor.setBlockFormat(BlockFormatOf(p));
        else cursor.insertBlock(BlockFormatOf(p));
        for (const RichRun& run : p.runs) {
            if (run.format.hidden)
                cursor.insertText(QString(QChar::ObjectReplacementCharacter), HiddenTextFormat(run.text, run.format));
            else
                cursor.insertText(run.text, CharFormatOf(run.format));
        }
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
        p.lineSpacing = format.property(kLineSpacingProperty).toInt();
        p.lineSpacingMultiple = p.lineSpacing != 0 && format.property(kLineSpacingMultipleProperty).toBool();
        p.tabs = TabStopsOf(format);
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().isValid()) AppendFragment(p, it.fragment());
        result.paragraphs.push_back(std::move(p));
    }
    return result;
}

#include "RichTextDocument.moc"
