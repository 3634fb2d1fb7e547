// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The dialog `print_fl`: where the list file goes. A folder tree with its path above
// it, ".." and root buttons, and the file name, prefilled with the list's default
// name. OK refuses an empty name (message 68); Cancel and Esc leave the name empty;
// F1 asks for the help section of list output.
//   ListFileDialog dialog(s, platform, QDir::currentPath(), kStatisticsListFileName, this);
//   if (dialog.exec() == QDialog::Accepted) write(dialog.listFileName());
#include "results/ListFileForm.h"
#include "ui/gui/ControlBinder.h"
#include <QDialog>
#include <functional>

class FormCanvas;
class QFileSystemModel;
class QLineEdit;
class QTreeView;

class ListFileDialog : public QDialog {
    Q_OBJECT
public:
    ListFileDialog(const GameState& s, Platform& platform, const QString& startFolder,
                   int defaultNameMessage, QWidget* parent = nullptr);

    void setHelpHook(std::function<void(int helpTopic)> hook) { m_help = std::move(hook); }
    QString listFileName() const { return m_form.listFileName(); }
    QString folder() const { return m_form.folder(); }

    QTreeView* folderTree() const { return m_dir1; }
    QLineEdit* fileNameBox() const { return m_text1; }

private:
    void showFolder(const QString& path, const QString& select = {});
    // Selects and scrolls to `path` in the tree, without telling the form.
    void revealFolder(const QString& path, const QString& select = {});
    void run(const std::function<void()>& handler);

    Platform& m_platform;
    ListFileForm m_form;
    std::function<void(int)> m_help;
    FormCanvas* m_canvas = nullptr;
    ControlBinder m_binder;
    QFileSystemModel* m_model = nullptr;
    QTreeView* m_dir1 = nullptr;
    QLineEdit* m_text1 = nullptr;
};
