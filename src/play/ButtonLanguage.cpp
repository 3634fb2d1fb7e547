// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/ButtonLanguage.h"
#include <array>
#include <utility>

namespace {

// Language names, each in its own language, and the locale of their translation.
constexpr std::array<std::pair<const char*, const char*>, 16> kLanguages{{
    {"Magyar", "hu"},       {"Deutsch", "de"},     {"Français", "fr"},   {"Español", "es"},
    {"Italiano", "it"},     {"Polski", "pl"},      {"Čeština", "cs"},    {"Slovenčina", "sk"},
    {"Hrvatski", "hr"},     {"Nederlands", "nl"},  {"Português", "pt_BR"}, {"Dansk", "da"},
    {"Suomi", "fi"},        {"Türkçe", "tr"},      {"Català", "ca"},     {"Latviešu", "lv"},
}};

// Lower case without accents: "Čeština" -> "cestina".
QString plainLetters(const QString& name) {
    QString plain;
    for (const QChar c : name.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing) plain.append(c.toLower());
    return plain;
}

} // namespace

QString ButtonLocaleOfLanguage(const QString& languageName) {
    const QString wanted = plainLetters(languageName.trimmed());
    for (const auto& [name, locale] : kLanguages)
        if (plainLetters(QString::fromUtf8(name)) == wanted) return QString::fromLatin1(locale);
    return {};
}
