// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/gui/ColourSymbolsOption.h"
#include "files/FileLimits.h"
#include "play/FileProblems.h"
#include "play/LanguageTable.h"
#include "play/OwnTexts.h"
#include "presentation/DisplayOptionsFile.h"
#include "presentation/gui/BoardScene.h"
#include "ui/Platform.h"
#include <QAction>
#include <QMenu>

ColourSymbolsOption::ColourSymbolsOption(QMenu* menu, BoardScene& scene, Platform& platform, const QDir& folder,
                                         std::function<void()> changed)
    : QObject(menu), m_action(menu->addAction(QString())), m_scene(scene), m_platform(platform), m_folder(folder),
      m_changed(std::move(changed)) {
    m_action->setObjectName(QStringLiteral("szimbolum"));
    m_action->setCheckable(true);
    connect(m_action, &QAction::triggered, this, &ColourSymbolsOption::switchTo);
}

QString ColourSymbolsOption::load(const QString& languageName) {
    FileAccess access = FileAccess::Ok;
    m_scene.setColourSymbols(ReadDisplayOptions(m_folder, &access).colourSymbols);
    if (access == FileAccess::Ok || access == FileAccess::Missing) return {};
    LanguageTable language;
    language.languageName = languageName;
    return FileNotReadText(access, QString::fromLatin1(kDisplayOptionsFileName), FileLimit::DisplayOptions,
                           language);
}

void ColourSymbolsOption::sync(const QString& languageName) {
    m_language = languageName;
    m_action->setText(OwnTextIn(OwnText::ColourSymbolsCaption, languageName));
    m_action->setChecked(m_scene.colourSymbols());
}

// A file that cannot be written keeps the choice for this run only, and says so.
void ColourSymbolsOption::switchTo(bool on) {
    m_scene.setColourSymbols(on);
    DisplayOptions options = ReadDisplayOptions(m_folder);
    options.colourSymbols = on;
    if (!WriteDisplayOptions(m_folder, options)) {
        MessageRequest request;
        request.text = OwnTextIn(OwnText::DisplayOptionNotSaved, m_language)
                           .arg(QString::fromLatin1(kDisplayOptionsFileName));
        request.icon = MsgIcon::Critical;
        m_platform.messageBox.show(request);
    }
    if (m_changed) m_changed();
}
