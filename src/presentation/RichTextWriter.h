// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Writes a document as rich text in code page 1250, in the subset the reader reads:
// a font table and a colour table (of text and highlight colours), then one
// \pard ... \par per paragraph with its whole paragraph format, each run in its own
// group carrying its whole character format. Characters outside the
// code page are written as \uN with "?" for readers that do not know them.
// ReadRichText(WriteRichText(d)).document == d for every document d.
#include "presentation/RichText.h"
#include <QByteArray>

QByteArray WriteRichText(const RichDocument& document);
