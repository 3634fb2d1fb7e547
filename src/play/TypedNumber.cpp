// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/TypedNumber.h"

int leadingNumber(const QString& text) {
    const QString t = text.trimmed();
    int i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) negative = t[i++] == u'-';
    qint64 value = 0;
    for (; i < t.size() && t[i].isDigit() && t[i].unicode() < 128; ++i) {
        value = value * 10 + (t[i].unicode() - u'0');
        if (value > 1'000'000) break; // far beyond any tile number
    }
    return static_cast<int>(negative ? -value : value);
}
