// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ListDocument.h"
#include "files/CodePage1250.h"

QByteArray ListFileBytes(const ListDocument& document) {
    QByteArray bytes;
    for (qsizetype page = 0; page < document.pages.size(); ++page) {
        const QStringList& lines = document.pages[page];
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (page > 0 && i == 0) bytes.append('\f');
            for (const QChar c : lines[i]) {
                const auto code = Cp1250FromChar(c);
                bytes.append(code ? static_cast<char>(*code) : '?');
            }
            bytes.append("\r\n");
        }
    }
    return bytes;
}
