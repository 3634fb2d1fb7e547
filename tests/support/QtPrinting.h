// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Lets GoogleTest print Qt texts readably in its failure messages.
#include <QString>
#include <ostream>

inline std::ostream& operator<<(std::ostream& os, const QString& text) { return os << text.toStdString(); }
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text << '"'; }
