// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ListFileForm.h"
#include "play/GameState.h"
#include "play/Messages.h"
#include <QDir>
#include <QFileInfo>

namespace {
constexpr int kNoFileName = 68;
constexpr int kCancel = 32;
constexpr int kOk = 33;
constexpr int kTitle = 64;
constexpr int kInstruction = 65;
constexpr int kFileNameCaption = 66;
} // namespace

ListFileForm::ListFileForm(const GameState& s, const QString& startFolder, int defaultNameMessage)
    : m_state(s) {
    const auto message = [&s](int no) { return s.texts.messages.value(no); };
    m_controls.windowTitle = message(kTitle);
    m_controls.Label1.caption = message(kInstruction);
    m_controls.Label2.caption = message(kFileNameCaption);
    m_controls.fel.caption = QStringLiteral("..");
    m_controls.root.caption = QString(QDir::separator());
    m_controls.Text1.caption = message(defaultNameMessage);
    m_controls.rendben.caption = message(kOk);
    m_controls.megse.caption = message(kCancel);
    m_controls.doknez.caption = s.panel.help.caption;
    Dir1_Change(startFolder);
}

void ListFileForm::Dir1_Change(const QString& path) {
    m_folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    m_controls.Label3.caption = QDir::toNativeSeparators(m_folder);
}

QString ListFileForm::fel_Click() {
    QDir dir(m_folder);
    const QString left = dir.dirName();
    if (!dir.cdUp()) return {};
    Dir1_Change(dir.path());
    return left;
}

void ListFileForm::root_Click() {
    // The top of the file system, or of the current drive where there are drives.
    QDir dir(m_folder);
    while (!dir.isRoot() && dir.cdUp()) {
    }
    Dir1_Change(dir.path());
}

bool ListFileForm::rendben_Click(Platform& platform) {
    const QString name = m_controls.Text1.caption;
    if (name.trimmed().isEmpty()) {
        ShowMessage(m_state, platform, kNoFileName, MsgIcon::Information);
        return false;
    }
    m_listFileName = QDir(m_folder).filePath(name);
    return true;
}
