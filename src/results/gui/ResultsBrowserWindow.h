// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The results browser `eredmeny` on the screen: the grid of results on the left,
// sort options and filters on the right, menus for deleting, listing and help. It
// turns events into calls on ResultsBrowser and shows its state afterwards.
//   if (ResultsFileReady(state, platform, folder)) {
//       ResultsBrowserWindow browser(state, platform, folder, this);
//       browser.setHelpHook(...);
//       browser.exec();
//   }
#include "results/ResultsBrowser.h"
#include "results/gui/ListOutput.h"
#include "ui/gui/ControlBinder.h"
#include <QDialog>
#include <functional>
#include <optional>

class FormCanvas;
class QAction;
class QCheckBox;
class QLineEdit;
class QTableView;
class ResultsGridModel;

// The form is this many twips across and down.
constexpr int kBrowserFormWidth = 11900;
constexpr int kBrowserFormHeight = 7100;

class ResultsBrowserWindow : public QDialog {
    Q_OBJECT
public:
    // Builds the form and loads the grid (the form's load).
    ResultsBrowserWindow(GameState& s, Platform& platform, const QDir& folder, QWidget* parent = nullptr);
    ~ResultsBrowserWindow() override;

    void setHelpHook(std::function<void(int helpTopic)> hook);
    // Offers the replay of the rows whose result `replayable` knows (the games finished
    // during this run): the menu item closes the browser, and replayChosen() says which.
    void offerReplay(std::function<bool(const ResultStamp&)> replayable);
    const std::optional<ResultStamp>& replayChosen() const { return m_replayChosen; }

    ResultsBrowser& browser() { return m_browser; }
    QTableView* grid() const { return m_grid; }
    ListOutput& listOutput() { return m_output; }

public Q_SLOTS:
    void reject() override;   // Esc and the close box: as "Rendben"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildForm();
    void buildMenus();
    QCheckBox* addCheckBox(const ControlState& state, QWidget* frame, const char* name, QRect twips);
    QLineEdit* addTextBox(ControlState& state, const char* name, QRect twips);
    void wireGrid();
    void applyScale(double pixelsPerTwip);
    // Runs a handler of the logic, then shows the result.
    void run(const std::function<void()>& handler);
    void runThenFocusGrid(const std::function<void()>& handler);
    void sync();
    bool textBoxEvent(QLineEdit* box, QEvent* event);

    const GameState& m_s;
    ResultsBrowser m_browser;
    ListOutput m_output;
    std::function<void(int)> m_help;
    std::function<bool(const ResultStamp&)> m_replayable;
    std::optional<ResultStamp> m_replayChosen;
    QAction* m_replay = nullptr;
    FormCanvas* m_canvas = nullptr;
    ControlBinder m_binder;
    QTableView* m_grid = nullptr;
    ResultsGridModel* m_model = nullptr;
    QCheckBox* m_kev = nullptr;
    QLineEdit* m_lpsz = nullptr;
    QLineEdit* m_parkc = nullptr;
    QLineEdit* m_elhid = nullptr;
    bool m_syncing = false;
    bool m_closed = false;
};
