// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The dialog `kevert`: lists the stored shuffled states of the current board size
// and previews the selected one, to load it (chooser mode 0) or to pick the state
// the board will overwrite (mode 1). OK, a double click or Enter on the list accept;
// Cancel and Esc close it; F1 asks for the help section of the mode.
#include "setup/ShuffledStateChooser.h"
#include <QDialog>
#include <QPointer>
#include <functional>

class QLabel;
class QPushButton;
class QTableView;
class ShuffledStatePreview;
class TextTableModel;

// Help sections of the two modes.
constexpr int kHelpTopicOverwriteState = 11;
constexpr int kHelpTopicLoadState = 12;

class ShuffledStateDialog : public QDialog {
    Q_OBJECT
public:
    ShuffledStateDialog(const GameState& s, int chooserMode,
                        const QList<ShuffledStateEntry>& states, QWidget* parent = nullptr);

    // Opens the documentation at a section (`helpTopic`).
    void setHelpHook(std::function<void(int helpTopic)> hook) { m_help = std::move(hook); }
    int helpTopic() const { return m_helpTopic; }

    // The row of the list that is selected (-1 when none).
    int selectedRow() const;

    QTableView* grid() const { return m_grid; }
    ShuffledStatePreview* preview() const { return m_preview; }
    QLabel* overwriteLabel() const { return m_label1; }
    QPushButton* okButton() const { return m_rendben; }
    QPushButton* cancelButton() const { return m_megse; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showRow(int row);
    void showHelp();

    QList<ShuffledStateEntry> m_states;
    int m_helpTopic;
    std::function<void(int)> m_help;
    TextTableModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
    ShuffledStatePreview* m_preview = nullptr;
    QLabel* m_label1 = nullptr;
    QPushButton* m_rendben = nullptr;
    QPushButton* m_megse = nullptr;
};

// The chooser of the logic, shown as the dialog above.
class QtShuffledStateChooser final : public ShuffledStateChooser {
public:
    explicit QtShuffledStateChooser(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    void setHelpHook(std::function<void(int helpTopic)> hook) { m_help = std::move(hook); }

    std::optional<int> choose(const GameState& s, int chooserMode,
                              const QList<ShuffledStateEntry>& states) override;

private:
    QPointer<QWidget> m_parent;
    std::function<void(int)> m_help;
};
