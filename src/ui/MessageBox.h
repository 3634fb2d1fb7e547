// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Message boxes and input boxes as the game logic sees them. The logic names the
// language-table entry it shows, so tests can check which message was raised.
#include <QString>

enum class MsgIcon { Information, Critical, Question, None };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

struct MessageRequest {
    int messageNo = -1;   // language-table entry shown, -1 for a text built otherwise
    QString text;         // the full text the user reads
    MsgIcon icon = MsgIcon::Information;
    MsgButtons buttons = MsgButtons::Ok;
    QString title;        // empty: the game's title
};

class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual MsgAnswer show(const MessageRequest& request) = 0;
};

class InputBox {
public:
    virtual ~InputBox() = default;
    // Returns the text typed, or an empty text when the user cancelled.
    virtual QString ask(const QString& prompt, const QString& title,
                        const QString& initial = QString()) = 0;
};
