// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reads the rich-text subset that the game's documents use and that word processors
// write for such files: groups, the font and colour tables, paragraphs (\par, \pard,
// alignment, left and first-line indents, space before and after, line spacing, tab
// stops), bold, italic, underline, strike-through, super- and subscript, font, size,
// colour and highlight, hidden text (\v: kept, never shown), tabs and line breaks,
// \'hh bytes in the document's code page (or in the code page of the font's character
// set), \uN with its fallback, and special characters. Destinations marked \* and the
// known non-text destinations (style sheet, information, pictures, headers, footers,
// footnotes, field instructions) are skipped; unknown control words are ignored.
//
// It never fails: a damaged document (unbalanced braces, cut short) gives what
// could be read, and bytes without a rich-text header read as plain lines in code
// page 1250.
#include "presentation/RichText.h"
#include <QByteArrayView>

RichTextRead ReadRichText(QByteArrayView bytes);
