#pragma once
// Printing a list: one line of the fixed-width list font per list line, a new sheet
// at every page of the list, and another whenever a sheet is full.
#include "results/ListDocument.h"
#include <QFont>

class QPrinter;

// Courier New 10 pt where it is installed, the system's fixed-width font otherwise.
QFont ListFont();

// Prints `document` on `printer`, which is set up already (orientation, margins).
// False when the printer fails.
bool PrintListDocument(QPrinter& printer, const ListDocument& document);
