// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Progress view of the statistics window: the choice of player, board size,
// result type and measure above the chart of that choice, a line that says what the
// chart shows (or why it shows nothing), and the buttons that save the chart as a
// PNG or SVG image and print it. The results file is read when the view is first
// shown. Without the chart module the choices still work and the line says why no
// chart is drawn.
//   ProgressView view(s, platform, resultsPath, ModulePaths(kChartModuleName), parent);
#include "results/ProgressForm.h"
#include "ui/gui/ControlBinder.h"
#include <QWidget>

class ProgressChart;
class QComboBox;
class QLabel;
class QPagedPaintDevice;
class QPushButton;
struct Platform;

class ProgressView : public QWidget {
    Q_OBJECT
public:
    ProgressView(const GameState& s, Platform& platform, const QString& resultsPath, const QStringList& chartModulePaths,
                 QWidget* parent = nullptr);

    const ProgressForm& form() const { return m_form; }
    // Null when the chart module could not be loaded.
    ProgressChart* chart() const { return m_chart; }
    // Where the save dialog opens.
    void setStartFolder(const QString& folder) { m_startFolder = folder; }

    // Writes the chart to `path`, as SVG for a name ending in .svg, as PNG otherwise;
    // the file is replaced only once the whole image is written. Tells the player
    // when it cannot be written.
    bool saveChart(const QString& path);
    // Prints the chart on one sheet of a device that is set up already (a printer, a
    // PDF file); false when the device fails or there is no chart.
    bool printChart(QPagedPaintDevice& sheets);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The form's state into the widgets, and its plot into the chart.
    void sync();
    void fillCombo(QComboBox* combo, const QStringList& items, int current);
    void saveClicked();
    void printClicked();

    const GameState& m_state;
    Platform& m_platform;
    ProgressForm m_form;
    ControlBinder m_binder;
    QString m_startFolder;
    QComboBox* m_name;
    QComboBox* m_size;
    QComboBox* m_type;
    QComboBox* m_measure;
    ProgressChart* m_chart = nullptr;
    QLabel* m_status;
};
