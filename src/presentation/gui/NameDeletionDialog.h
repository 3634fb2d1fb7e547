// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The dialog `nevtor`: lists the stored player names and deletes the chosen one
// (every entry equal to it) from the name file. Cancel and Esc change nothing; F1
// asks for the help section of name deletion.
//   NameDeletionDialog dialog(state, platform, folder, this);
//   dialog.setHelpHook(...);
//   dialog.exec();   // Accepted when a name was deleted
#include <QDialog>
#include <QDir>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
struct GameState;
struct Platform;

constexpr int kHelpTopicNameDeletion = 5;

class NameDeletionDialog : public QDialog {
    Q_OBJECT
public:
    NameDeletionDialog(GameState& s, Platform& platform, const QDir& folder, QWidget* parent = nullptr);

    void setHelpHook(std::function<void(int helpTopic)> hook) { m_help = std::move(hook); }

    QComboBox* nameBox() const { return m_neve; }
    QPushButton* deleteButton() const { return m_torol; }
    QPushButton* cancelButton() const { return m_megse; }

private:
    void torol_Click();
    void doknez_Click();

    GameState& m_state;
    Platform& m_platform;
    QDir m_folder;
    std::function<void(int)> m_help;
    QLabel* m_label1 = nullptr;
    QComboBox* m_neve = nullptr;
    QPushButton* m_torol = nullptr;
    QPushButton* m_megse = nullptr;
};
