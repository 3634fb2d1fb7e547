// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The toolkit names the standard buttons of its message boxes itself (Yes, No,
// Cancel, OK). This installs its own translation of them for the game's language,
// so a box asks in the language of its text.
#include <QString>
#include <memory>

class QTranslator;

class ButtonTranslator {
public:
    ButtonTranslator();
    ~ButtonTranslator();

    // Buttons in the words of `languageName`; English when the toolkit has no
    // translation for it (or none is installed).
    void use(const QString& languageName);

private:
    QString m_locale;
    std::unique_ptr<QTranslator> m_translator;
};
