// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The statistics window `stat`: the fixed-width statistics table of the current
// mode's results file with its two heading lines and the total, and the list menu
// that prints it or writes it to a text file. Esc and OK close it; F1 asks for the
// help section of the statistics. A damaged file shows what was read before the
// damage; when the text gets the focus, message 30 is shown and the window closes.
// A second view, Progress, charts one player's results over time (ProgressView).
//   StatisticsWindow window(s, platform, folder.filePath(s.resultsFile), this);
//   window.setHelpHook(help);
//   window.showView(StatisticsView::Progress);   // or open on the table
//   window.exec();
#include "results/StatisticsForm.h"
#include "results/gui/ChartModule.h"
#include "results/gui/ListOutput.h"
#include "ui/gui/ControlBinder.h"
#include "ui/gui/ModulePaths.h"
#include <QDialog>
#include <functional>

class FormCanvas;
class QLabel;
class ProgressView;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

enum class StatisticsView { Table, Progress };

class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    // `chartModulePaths`: where the chart module is looked for.
    StatisticsWindow(const GameState& s, Platform& platform, const QString& resultsPath, QWidget* parent = nullptr,
                     const QStringList& chartModulePaths = ModulePaths(kChartModuleName));

    void setHelpHook(std::function<void(int helpTopic)> hook);
    // Brings `view` to the front. The window opens on the table.
    void showView(StatisticsView view);
    // Where the list-file and the image dialogs open.
    void setStartFolder(const QString& folder);
    const StatisticsForm& form() const { return m_form; }
    ListOutput& listOutput() { return m_output; }
    QPlainTextEdit* textBox() const { return m_szov; }
    ProgressView* progressView() const { return m_progress; }
    QTabWidget* views() const { return m_views; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ListDocument buildList(ListTarget target, const QString& today) const;

    Platform& m_platform;
    StatisticsForm m_form;
    ListOutput m_output;
    std::function<void(int)> m_help;
    FormCanvas* m_canvas = nullptr;
    ControlBinder m_binder;
    QPlainTextEdit* m_szov = nullptr;
    QTabWidget* m_views = nullptr;
    ProgressView* m_progress = nullptr;
};
