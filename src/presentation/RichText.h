// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A formatted document as the game's documents use it: paragraphs of runs of text,
// each run with its character formatting, each paragraph with its alignment, indents,
// spacing, line spacing and tab stops. The formats a word processor may add (strike-
// through, super- and subscript, highlight, hidden text) are held too, so that an
// edited document keeps its look. The rich-text reader produces it, the writer stores
// it, and the viewer turns it into what the text box shows and back.
#include <QString>
#include <optional>
#include <vector>

// A colour of the document's colour table, 0..255 per channel.
struct RichColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const RichColour&, const RichColour&) = default;
};

enum class RichScript { Normal, Super, Sub };

struct RichCharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int sizeHalfPoints = 24;              // 12 pt unless the file sets another size
    QString fontName;                     // empty: the reader's default font
    std::optional<RichColour> colour;     // none: the text's automatic colour
    bool strike = false;
    RichScript script = RichScript::Normal;
    std::optional<RichColour> highlight;  // none: no highlight
    bool hidden = false;                  // kept in the document, never shown
    friend bool operator==(const RichCharFormat&, const RichCharFormat&) = default;
};

struct RichRun {
    QString text;   // tabs as '\t', line breaks inside a paragraph as U+2028
    RichCharFormat format;
    friend bool operator==(const RichRun&, const RichRun&) = default;
};

enum class RichAlign { Left, Centre, Right, Justify };

enum class RichTabKind { Left, Centre, Right, Decimal, Bar };   // a bar stop draws a line
enum class RichTabLeader { None, Dots, Hyphens, Underline, ThickLine, Equals };

struct RichTabStop {
    int positionTwips = 0;
    RichTabKind kind = RichTabKind::Left;
    RichTabLeader leader = RichTabLeader::None;
    friend bool operator==(const RichTabStop&, const RichTabStop&) = default;
};

struct RichParagraph {
    RichAlign align = RichAlign::Left;
    int leftIndentTwips = 0;
    int firstIndentTwips = 0;   // the first line's indent relative to the left indent
    int spaceBeforeTwips = 0;
    int spaceAfterTwips = 0;
    std::vector<RichRun> runs;
    // Line spacing as the file gives it: 0 single; otherwise at least this many twips,
    // exactly -lineSpacing twips when below 0, or lineSpacing / 240 lines when
    // lineSpacingMultiple (which is false whenever lineSpacing is 0).
    int lineSpacing = 0;
    bool lineSpacingMultiple = false;
    std::vector<RichTabStop> tabs;   // in the order the file gives them

    // The text shown: hidden runs are left out.
    QString text() const;
    // Appends `text` in `format`, joining it to the last run when that has the same format.
    void append(const QString& text, const RichCharFormat& format);
    friend bool operator==(const RichParagraph&, const RichParagraph&) = default;
};

struct RichDocument {
    std::vector<RichParagraph> paragraphs;

    // The text shown, with paragraphs joined by '\n'; hidden runs are left out.
    QString plainText() const;
    friend bool operator==(const RichDocument&, const RichDocument&) = default;
};

// How well a file could be read.
enum class RichTextStatus {
    Read,          // a complete rich-text document
    Damaged,       // rich text with unbalanced groups or cut short: what could be read
    NotRichText,   // no rich-text header: its lines are shown as plain paragraphs
};

struct RichTextRead {
    RichDocument document;
    RichTextStatus status = RichTextStatus::Read;
};
