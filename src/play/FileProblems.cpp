// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/FileProblems.h"
#include "play/GameState.h"
#include "play/OwnTexts.h"
#include "ui/Platform.h"

QString FileNotReadText(FileAccess access, const QString& fileName, qint64 limit, const LanguageTable& language) {
    switch (access) {
    case FileAccess::NotRegular:
        return OwnTextIn(OwnText::FileNotRegular, language).arg(fileName);
    case FileAccess::TooLarge:
        return OwnTextIn(OwnText::FileTooLarge, language).arg(fileName).arg(limit / (1024 * 1024));
    case FileAccess::Ok:
    case FileAccess::Missing:
    case FileAccess::Unreadable:
        break;
    }
    return OwnTextIn(OwnText::FileUnreadable, language).arg(fileName);
}

void TellFileProblemOnce(GameState& s, Platform& p, const QString& fileName, const QString& text) {
    if (s.fileNotices.told.contains(fileName)) return;
    s.fileNotices.told.insert(fileName);
    MessageRequest request;
    request.text = text;
    request.icon = MsgIcon::Critical;
    p.messageBox.show(request);
}
