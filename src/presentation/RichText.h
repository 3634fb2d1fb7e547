#pragma once
// A formatted document as the game's documents use it: paragraphs of runs of text,
// each run with its character formatting, each paragraph with its alignment, indents
// and spacing. The rich-text reader produces it, the writer stores it, and the viewer
// turns it into what the text box shows and back.
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

struct RichCharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int sizeHalfPoints = 24;           // 12 pt unless the file sets another size
    QString fontName;                  // empty: the reader's default font
    std::optional<RichColour> colour;  // none: the text's automatic colour
    friend bool operator==(const RichCharFormat&, const RichCharFormat&) = default;
};

struct RichRun {
    QString text;   // tabs as '\t', line breaks inside a paragraph as U+2028
    RichCharFormat format;
    friend bool operator==(const RichRun&, const RichRun&) = default;
};

enum class RichAlign { Left, Centre, Right, Justify };

struct RichParagraph {
    RichAlign align = RichAlign::Left;
    int leftIndentTwips = 0;
    int firstIndentTwips = 0;   // the first line's indent relative to the left indent
    int spaceBeforeTwips = 0;
    int spaceAfterTwips = 0;
    std::vector<RichRun> runs;

    QString text() const;
    // Appends `text` in `format`, joining it to the last run when that has the same format.
    void append(const QString& text, const RichCharFormat& format);
    friend bool operator==(const RichParagraph&, const RichParagraph&) = default;
};

struct RichDocument {
    std::vector<RichParagraph> paragraphs;

    // The text with paragraphs joined by '\n': one character per position, as the
    // text box counts them.
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
