// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The option values the headless views share: "--name value" or "--name=value", the
// board size, the result types and the output format.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The option at `arguments[i]` (which starts with "--") split into its name and its
// value, the value either after "=" or the next argument (then `i` moves on to it).
// Nothing when the value is missing.
struct OptionArgument {
    QString name;
    QString value;
};
std::optional<OptionArgument> TakeOptionValue(const QStringList& arguments, qsizetype& i);

// "4", "5", "6", or "all" (0); nothing for anything else.
std::optional<int> BoardSizeValue(const QString& value);
// Comma-separated result type codes (V,VR,...,SR, any letter case) as the checked
// types [1..8]; nothing when one is not a code.
std::optional<std::array<bool, 9>> TypeCodesValue(const QString& value);
// "csv" (comma) or "tsv" (tab) as the field separator.
std::optional<QChar> FormatValue(const QString& value);
