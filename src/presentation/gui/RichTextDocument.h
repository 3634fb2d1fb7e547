// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A RichDocument in the text box's own document and back: paragraphs become blocks
// (alignment, indents, spacing, line spacing, tab stops), runs become fragments (bold,
// italic, underline, strike-through, super- and subscript, point size, font family,
// colour, highlight). Hidden text becomes an object character of no size that carries
// it, so it is never shown yet comes back where it stood. Indents go from twips to
// the document's pixels at 15 twips each and come back exactly.
//     RichDocumentOf(filled) == source after FillTextDocument(filled, source)
#include "presentation/RichText.h"

class QTextDocument;

void FillTextDocument(QTextDocument& target, const RichDocument& source);
RichDocument RichDocumentOf(const QTextDocument& document);
