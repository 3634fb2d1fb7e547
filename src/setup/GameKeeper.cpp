// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/GameKeeper.h"
#include "files/FileLimits.h"
#include "play/FileProblems.h"
#include "play/Messages.h"
#include "setup/ContinueFile.h"
#include "setup/GameRestore.h"

void GameKeeper::offerKeptGame() {
    const FileRead read = ReadContinueFile(m_folder);
    if (read.access == FileAccess::Missing) return;
    if (read.access != FileAccess::Ok) {
        // Not the game's own file, or one it cannot open: told, left as it is, and
        // never written over during this run.
        const QString name = QString::fromLatin1(kContinueFileName);
        TellFileProblemOnce(m_s, m_p, name, FileNotReadText(read.access, name, FileLimit::ContinueFile, m_s.texts));
        m_frozen = true;
        return;
    }
    if (const std::optional<SavedGame> game = DecodeSavedGame(read.bytes).game) {
        if (ShowOwnMessage(m_s, m_p, OwnText::KeptGameQuestion, MsgIcon::Question, MsgButtons::YesNo) ==
            MsgAnswer::No) {
            RemoveContinueFile(m_folder);
            return;
        }
        if (RestoreSavedGame(m_s, m_p, *game)) {
            m_fileHolds = true;
            m_writtenRevision = m_s.record.revision;
            return;
        }
    }
    setAside();
}

void GameKeeper::setAside() {
    const std::optional<QString> name = SetContinueFileAside(m_folder, m_p.clock.now());
    MessageRequest request;
    request.icon = MsgIcon::Critical;
    if (!name) {
        m_frozen = true;
        request.text = OwnTextIn(OwnText::KeptGameStuck, m_s.texts).arg(QString::fromLatin1(kContinueFileName));
    } else {
        request.text = OwnTextIn(OwnText::KeptGameUnreadable, m_s.texts).arg(*name);
    }
    m_p.messageBox.show(request);
}

void GameKeeper::write() {
    if (WriteContinueFile(m_folder, SavedGameOf(m_s, m_p.clock.monotonicMs()))) {
        m_fileHolds = true;
        m_writtenRevision = m_s.record.revision;
        return;
    }
    m_writtenRevision = m_s.record.revision;   // told once; the next step tries again
    if (m_writeFailTold) return;
    m_writeFailTold = true;
    MessageRequest request;
    request.icon = MsgIcon::Critical;
    request.text = OwnTextIn(OwnText::GameNotKept, m_s.texts).arg(QString::fromLatin1(kContinueFileName));
    m_p.messageBox.show(request);
}

void GameKeeper::afterAction() {
    if (m_frozen) return;
    if (KeepsAGame(m_s)) {
        if (m_s.record.revision != m_writtenRevision) write();
        return;
    }
    if (m_fileHolds && RemoveContinueFile(m_folder)) m_fileHolds = false;
}

LeaveAnswer GameKeeper::confirmLeave() {
    if (m_frozen || !KeepsAGame(m_s)) return LeaveAnswer::NoGame;
    const MsgAnswer answer =
        ShowOwnMessage(m_s, m_p, OwnText::KeepGameQuestion, MsgIcon::Question, MsgButtons::YesNoCancel);
    if (answer == MsgAnswer::Cancel) {
        m_s.panel.focusRequest = QStringLiteral("pp");
        return LeaveAnswer::Stay;
    }
    if (answer == MsgAnswer::No)
        RemoveContinueFile(m_folder);
    else
        write();   // the time played up to now
    m_frozen = true;
    return LeaveAnswer::Answered;
}
