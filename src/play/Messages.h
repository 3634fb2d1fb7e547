// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Message boxes show entries of the language table by number.
#include "play/GameState.h"
#include "play/OwnTexts.h"
#include "ui/Platform.h"

// Shows message `messageNo` (with `suffix` appended, e.g. a number) and returns the answer.
inline MsgAnswer ShowMessage(const GameState& s, Platform& p, int messageNo, MsgIcon icon,
                             MsgButtons buttons = MsgButtons::Ok, const QString& suffix = {}) {
    MessageRequest request;
    request.messageNo = messageNo;
    request.text = s.texts.messages.value(messageNo) + suffix;
    request.icon = icon;
    request.buttons = buttons;
    return p.messageBox.show(request);
}

// Shows one of the program's own texts, in the language in use.
inline MsgAnswer ShowOwnMessage(const GameState& s, Platform& p, OwnText text, MsgIcon icon,
                                MsgButtons buttons = MsgButtons::Ok) {
    MessageRequest request;
    request.text = OwnTextIn(text, s.texts);
    request.icon = icon;
    request.buttons = buttons;
    return p.messageBox.show(request);
}

// A confirmation goes ahead on any answer but No.
inline bool Confirmed(MsgAnswer answer) { return answer != MsgAnswer::No; }
