// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The list menu `lista` of the results browser and of the statistics window:
// `ls_pr` prints the list after the print dialog (of the print module, PrintModule.h),
// `ls_fl` writes it to a text file chosen in the dialog `print_fl`. The window hands in
// how to build its list.
//   ListOutput output(this, s, platform);
//   output.setHelpHook(help);
//   output.ls_pr_Click(QPageLayout::Landscape, build);
//   output.ls_fl_Click(kStatisticsListFileName, build);
#include "results/ListDocument.h"
#include "results/StatisticsList.h"
#include <QPageLayout>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QWidget;
struct GameState;
struct Platform;

// Builds the list for a target, with today's date (yyyy.mm.dd) in its title.
using ListBuilder = std::function<ListDocument(ListTarget target, const QString& today)>;

class ListOutput {
public:
    ListOutput(QWidget* parent, const GameState& s, Platform& platform);

    void setHelpHook(std::function<void(int helpTopic)> hook) { m_help = std::move(hook); }
    // Where `print_fl` opens; the current folder unless set.
    void setStartFolder(const QString& folder) { m_startFolder = folder; }

    void ls_pr_Click(QPageLayout::Orientation orientation, const ListBuilder& build);
    void ls_fl_Click(int defaultNameMessage, const ListBuilder& build);

    // Prints on sheets that are set up already (a printer, a PDF file); false when the
    // device fails.
    bool printList(QPagedPaintDevice& sheets, const ListBuilder& build);

private:
    QString today() const;

    QWidget* m_parent;
    const GameState& m_state;
    Platform& m_platform;
    QString m_startFolder;
    std::function<void(int)> m_help;
};
