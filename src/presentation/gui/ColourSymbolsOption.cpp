#include "presentation/gui/ColourSymbolsOption.h"
#include "play/OwnTexts.h"
#include "presentation/DisplayOptionsFile.h"
#include "presentation/gui/BoardScene.h"
#include <QAction>
#include <QMenu>

ColourSymbolsOption::ColourSymbolsOption(QMenu* menu, BoardScene& scene, const QDir& folder,
                                         std::function<void()> changed)
    : QObject(menu), m_action(menu->addAction(QString())), m_scene(scene), m_folder(folder),
      m_changed(std::move(changed)) {
    m_action->setObjectName(QStringLiteral("szimbolum"));
    m_action->setCheckable(true);
    connect(m_action, &QAction::triggered, this, &ColourSymbolsOption::switchTo);
}

void ColourSymbolsOption::load() {
    m_scene.setColourSymbols(ReadDisplayOptions(m_folder).colourSymbols);
}

void ColourSymbolsOption::sync(const QString& languageName) {
    m_action->setText(OwnTextIn(OwnText::ColourSymbolsCaption, languageName));
    m_action->setChecked(m_scene.colourSymbols());
}

// A folder that cannot be written keeps the choice for this run only.
void ColourSymbolsOption::switchTo(bool on) {
    m_scene.setColourSymbols(on);
    DisplayOptions options = ReadDisplayOptions(m_folder);
    options.colourSymbols = on;
    WriteDisplayOptions(m_folder, options);
    if (m_changed) m_changed();
}
