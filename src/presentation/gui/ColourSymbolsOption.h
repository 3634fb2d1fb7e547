// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The menu item that puts symbols on the colours of the board: a check mark that
// switches them on the board scene and is kept in the display options file of the
// player's folder.
#include <QDir>
#include <QObject>
#include <functional>

class BoardScene;
class QAction;
class QMenu;
struct Platform;

class ColourSymbolsOption : public QObject {
    Q_OBJECT
public:
    // Adds the item to `menu`; `changed` shows the board again after a switch. A file
    // that cannot be read or written is told through `platform`.
    ColourSymbolsOption(QMenu* menu, BoardScene& scene, Platform& platform, const QDir& folder,
                        std::function<void()> changed);

    // The choice stored in the player's folder; the text of a file that cannot be
    // read, empty when it could (or is not there).
    QString load(const QString& languageName);
    // Caption (by the language in use) and check mark.
    void sync(const QString& languageName);
    QAction* action() const { return m_action; }

private:
    void switchTo(bool on);

    QAction* m_action;
    BoardScene& m_scene;
    Platform& m_platform;
    QDir m_folder;
    QString m_language;
    std::function<void()> m_changed;
};
