// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/print/PrintDialogService.h"
#include <QPrintDialog>
#include <QPrinter>

PrintOutcome PrintDialogService::print(QWidget* parent, QPageLayout::Orientation orientation, const PaintPages& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(orientation);
    printer.setPageMargins(QMarginsF(7, 10, 7, 10), QPageLayout::Millimeter);
    // Printing to a PDF file stays offered: on a desktop without a printer it is the only
    // way to get the printed pages, and the plain-text list is a different thing.
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) return PrintOutcome::Cancelled;
    return paint(printer) && printer.printerState() != QPrinter::Error ? PrintOutcome::Printed : PrintOutcome::Failed;
}
