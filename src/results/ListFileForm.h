// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The dialog `print_fl` as its logic sees it: where the list file goes. It walks a
// folder tree (there are no drives here: ".." goes up one folder and the root
// button to the top of the file system) and takes a file name, prefilled with the
// default name the caller gives.
#include "ui/ControlState.h"
#include <QString>

struct GameState;
struct Platform;

constexpr int kHelpTopicListFile = 10;
// Default file names: message 131 for the results list, 153 for the statistics.
constexpr int kResultsListFileName = 131;
constexpr int kStatisticsListFileName = 153;

struct ListFileControls {
    QString windowTitle;
    ControlState Label1;    // instruction
    ControlState Label3;    // the path of the folder tree
    ControlState fel;       // ".."
    ControlState root;
    ControlState Label2;    // "file name"
    ControlState Text1;     // the file name
    ControlState rendben, megse, doknez;
};

class ListFileForm {
public:
    // `startFolder`: the folder the tree shows first; `defaultNameMessage`: 131 or 153.
    ListFileForm(const GameState& s, const QString& startFolder, int defaultNameMessage);

    const ListFileControls& controls() const { return m_controls; }
    QString folder() const { return m_folder; }
    // The full path chosen, "" until `rendben` accepts (and after a cancel).
    QString listFileName() const { return m_listFileName; }

    // The tree went to `path`: the label shows it.
    void Dir1_Change(const QString& path);
    // Up one folder. Returns the name of the folder just left, for the tree to select
    // ("" at the top).
    QString fel_Click();
    void root_Click();
    void Text1_Change(const QString& text) { m_controls.Text1.caption = text; }
    // True when the dialog may close with a file name; an empty name shows message 68.
    bool rendben_Click(Platform& platform);

private:
    const GameState& m_state;
    QString m_folder;
    QString m_listFileName;
    ListFileControls m_controls;
};
