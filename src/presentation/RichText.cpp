// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/RichText.h"

QString RichParagraph::text() const {
    QString all;
    for (const RichRun& run : runs)
        if (!run.format.hidden) all += run.text;
    return all;
}

void RichParagraph::append(const QString& text, const RichCharFormat& format) {
    if (text.isEmpty()) return;
    if (!runs.empty() && runs.back().format == format) {
        runs.back().text += text;
        return;
    }
    runs.push_back({text, format});
}

QString RichDocument::plainText() const {
    QString all;
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) all += QLatin1Char('\n');
        all += paragraphs[i].text();
    }
    return all;
}
