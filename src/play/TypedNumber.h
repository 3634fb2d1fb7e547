// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

// Parses a whole number the forgiving way typed answers are read: leading blanks,
// an optional sign, then digits; anything else ends the number (0 when none).
int leadingNumber(const QString& text);
