// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ViewOptions.h"
#include "results/ResultsCodec.h"

std::optional<OptionArgument> TakeOptionValue(const QStringList& arguments, qsizetype& i) {
    const QString& argument = arguments[i];
    if (const qsizetype eq = argument.indexOf(u'='); eq > 0) return OptionArgument{argument.left(eq), argument.mid(eq + 1)};
    if (i + 1 >= arguments.size()) return std::nullopt;
    ++i;
    return OptionArgument{argument, arguments[i]};
}

std::optional<int> BoardSizeValue(const QString& value) {
    if (value == QLatin1String("all")) return 0;
    if (value == QLatin1String("4") || value == QLatin1String("5") || value == QLatin1String("6")) return value.toInt();
    return std::nullopt;
}

std::optional<std::array<bool, 9>> TypeCodesValue(const QString& value) {
    std::array<bool, 9> types{};
    for (const QString& code : value.split(u',')) {
        const int index = TypeIndexOfCode(code.trimmed().toUpper());
        if (index == 0) return std::nullopt;
        types[static_cast<std::size_t>(index)] = true;
    }
    return types;
}

std::optional<QChar> FormatValue(const QString& value) {
    if (value == QLatin1String("csv")) return u',';
    if (value == QLatin1String("tsv")) return u'\t';
    return std::nullopt;
}
