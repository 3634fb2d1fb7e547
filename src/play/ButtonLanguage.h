// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Which of the toolkit's own translations names the standard buttons of message
// boxes (Yes, No, Cancel, OK) in a game language. A language file is named after its
// language in that language ("Magyar", "Deutsch"), so the name says which one.
#include <QString>

// The locale of the toolkit translation for `languageName` ("hu", "de", "pt_BR"), or
// "" when the buttons stay English. Letter case and accents do not matter, so
// "Cestina" is found as well as "Čeština".
QString ButtonLocaleOfLanguage(const QString& languageName);
