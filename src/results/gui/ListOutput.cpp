// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/gui/ListOutput.h"
#include "play/Messages.h"
#include "results/ListFile.h"
#include "results/ResultsCodec.h"
#include "results/gui/ListFileDialog.h"
#include "results/gui/ListPrinter.h"
#include "ui/gui/ModulePaths.h"
#include "ui/gui/PrintModule.h"
#include <QDir>

namespace {
constexpr int kPrinterError = 67;
} // namespace

ListOutput::ListOutput(QWidget* parent, const GameState& s, Platform& platform)
    : m_parent(parent), m_state(s), m_platform(platform), m_startFolder(QDir::currentPath()) {}

QString ListOutput::today() const {
    const QDate date = m_platform.clock.now().date();
    return FormatTriple(date.year(), date.month(), date.day(), QLatin1Char('.'));
}

void ListOutput::ls_pr_Click(QPageLayout::Orientation orientation, const ListBuilder& build) {
    const PrintOutcome outcome = PrintWithDialog(ModulePaths(kPrintModuleName), m_parent, orientation,
                                                 [&](QPagedPaintDevice& sheets) { return printList(sheets, build); });
    if (outcome == PrintOutcome::Failed) ShowMessage(m_state, m_platform, kPrinterError, MsgIcon::Critical);
}

bool ListOutput::printList(QPagedPaintDevice& sheets, const ListBuilder& build) {
    return PrintListDocument(sheets, build(ListTarget::Printer, today()));
}

void ListOutput::ls_fl_Click(int defaultNameMessage, const ListBuilder& build) {
    ListFileDialog dialog(m_state, m_platform, m_startFolder, defaultNameMessage, m_parent);
    dialog.setHelpHook(m_help);
    if (dialog.exec() != QDialog::Accepted || dialog.listFileName().isEmpty()) return;
    SaveListFile(m_state, m_platform, dialog.listFileName(), build(ListTarget::File, today()));
}
