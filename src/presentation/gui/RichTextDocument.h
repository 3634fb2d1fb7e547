#pragma once
// A RichDocument in the text box's own document and back: paragraphs become blocks
// (alignment, left indent, first-line indent), runs become fragments (bold, italic,
// underline, point size, font family, colour). Indents go from twips to the
// document's pixels at 15 twips each and come back exactly.
//     RichDocumentOf(filled) == source after FillTextDocument(filled, source)
#include "presentation/RichText.h"

class QTextDocument;

void FillTextDocument(QTextDocument& target, const RichDocument& source);
RichDocument RichDocumentOf(const QTextDocument& document);
