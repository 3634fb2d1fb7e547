// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/gui/ButtonTranslator.h"
#include "play/ButtonLanguage.h"
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

ButtonTranslator::ButtonTranslator() = default;
// Destroying the translator takes it out of the application.
ButtonTranslator::~ButtonTranslator() = default;

void ButtonTranslator::use(const QString& languageName) {
    const QString locale = ButtonLocaleOfLanguage(languageName);
    if (locale == m_locale && (m_translator || locale.isEmpty())) return;
    m_translator.reset();
    m_locale = locale;
    if (locale.isEmpty()) return;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + locale,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
}
