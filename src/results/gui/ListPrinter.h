// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Printing a list: one line of the fixed-width list font per list line, a new sheet
// at every page of the list, and another whenever a sheet is full. The font's size is
// chosen from the sheet and the font's own measures, so that a full page of the list
// fits one sheet and every line its width, whichever fixed-width font the machine has.
#include "results/ListDocument.h"
#include <QFont>
#include <QSizeF>

class QPaintDevice;
class QPagedPaintDevice;

// Courier New where it is installed, the system's fixed-width font otherwise; 10 pt.
QFont ListFont();

// `font` at the largest size up to 10 pt at which the widest line of `document` fits
// the width of `sheet`, and document.linesPerPage lines its height, measured on
// `device` (sizes in its pixels).
QFont FittedListFont(QFont font, const ListDocument& document, const QSizeF& sheet, const QPaintDevice* device);

// Prints `document` on `sheets` (a printer, a PDF file), which are set up already
// (orientation, margins), in `font` fitted to a sheet. False when the device fails.
bool PrintListDocument(QPagedPaintDevice& sheets, const ListDocument& document, const QFont& font = ListFont());
