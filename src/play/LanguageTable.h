// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The texts of the language in use: the language table addressed by number, and the
// pieces cut from it when the language is applied. Windows and messages take their
// words from here; none of it is state of the game.
#include <QString>
#include <QStringList>
#include <array>

struct LanguageTable {
    static constexpr int kMessageCount = 172;

    LanguageTable() {
        for (int i = 0; i < kMessageCount; ++i) messages.append(QString());
    }

    QStringList messages;                    // entries 0..171
    QString languageName = QStringLiteral("Magyar");
    std::array<QString, 9> typeNames{"", "V", "VR", "A", "AR", "M", "T", "S", "SR"}; // 1..8
    std::array<QString, 4> endTexts{};       // 1..3: hours, minutes, seconds words
    QString label1TextOther = QStringLiteral("Sorsz:");     // Label1 beside stored games
    QString label1TextNumbers = QStringLiteral("Sorsz:");   // Label1 in the number type
    QString okevCaption = QStringLiteral("Kev.");           // okev as the tile exchange
};
