// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/gui/ListOutput.h"
#include "play/Messages.h"
#include "results/ListFile.h"
#include "results/ResultsCodec.h"
#include "results/gui/ListFileDialog.h"
#include "results/gui/ListPrinter.h"
#include <QDir>
#include <QPrintDialog>
#include <QPrinter>

namespace {
constexpr int kPrinterError = 67;
} // namespace

ListOutput::ListOutput(QWidget* parent, const GameState& s, Platform& platform)
    : m_parent(parent), m_state(s), m_platform(platform), m_startFolder(QDir::currentPath()) {}

QString ListOutput::today() const {
    const QDate date = m_platform.clock.now().date();
    return FormatTriple(date.year(), date.month(), date.day(), QLatin1Char('.'));
}

bool AskForPrinter(QPrinter& printer, QPageLayout::Orientation orientation, QWidget* parent) {
    printer.setPageOrientation(orientation);
    printer.setPageMargins(QMarginsF(7, 10, 7, 10), QPageLayout::Millimeter);
    // Printing to a PDF file stays offered: on a desktop without a printer it is the only
    // way to get the printed pages, and the plain-text list is a different thing.
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

void ListOutput::ls_pr_Click(QPageLayout::Orientation orientation, const ListBuilder& build) {
    QPrinter printer(QPrinter::HighResolution);
    if (AskForPrinter(printer, orientation, m_parent)) printList(printer, build);
}

bool ListOutput::printList(QPrinter& printer, const ListBuilder& build) {
    const bool printed = PrintListDocument(printer, build(ListTarget::Printer, today())) &&
                         printer.printerState() != QPrinter::Error;
    if (!printed) ShowMessage(m_state, m_platform, kPrinterError, MsgIcon::Critical);
    return printed;
}

void ListOutput::ls_fl_Click(int defaultNameMessage, const ListBuilder& build) {
    ListFileDialog dialog(m_state, m_platform, m_startFolder, defaultNameMessage, m_parent);
    dialog.setHelpHook(m_help);
    if (dialog.exec() != QDialog::Accepted || dialog.listFileName().isEmpty()) return;
    SaveListFile(m_state, m_platform, dialog.listFileName(), build(ListTarget::File, today()));
}
