// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/gui/NameDeletionDialog.h"
#include "play/GameState.h"
#include "play/Messages.h"
#include "play/OwnTexts.h"
#include "results/PlayerNames.h"
#include "ui/gui/HelpMenuItem.h"
#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A language-table entry, or the design caption while the table has none.
QString Caption(const GameState& s, int no, const char* design) {
    const QString text = s.texts.messages.value(no);
    return text.isEmpty() ? QString::fromUtf8(design) : text;
}

} // namespace

NameDeletionDialog::NameDeletionDialog(GameState& s, Platform& platform, const QDir& folder, QWidget* parent)
    : QDialog(parent), m_state(s), m_platform(platform), m_folder(folder) {
    setObjectName(QStringLiteral("nevtor"));
    setWindowTitle(s.panel.ntoregy.caption.isEmpty() ? QStringLiteral("Egy adott név törlése")
                                                     : s.panel.ntoregy.caption);

    auto* menuBar = new QMenuBar(this);
    QAction* doknez = AddHelpMenuItem(menuBar, s.panel.help.caption);
    connect(doknez, &QAction::triggered, this, &NameDeletionDialog::doknez_Click);

    m_label1 = new QLabel(Caption(s, 50, "Válassza ki a törlendő nevet:"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = m_label1->font();
    bold.setBold(true);
    m_label1->setFont(bold);

    // Nothing is chosen at first: deleting needs a deliberate choice.
    m_neve = new QComboBox(this);
    m_neve->setObjectName(QStringLiteral("neve"));
    m_neve->addItems(ReadPlayerNames(folder));
    m_neve->setCurrentIndex(-1);
    m_neve->setMinimumContentsLength(kMaxPlayerNameLength);

    m_torol = new QPushButton(Caption(s, 36, "Töröl"), this);
    m_torol->setObjectName(QStringLiteral("torol"));
    m_megse = new QPushButton(Caption(s, 32, "Mégse"), this);
    m_megse->setObjectName(QStringLiteral("megse"));
    m_megse->setAutoDefault(false);
    connect(m_torol, &QPushButton::clicked, this, &NameDeletionDialog::torol_Click);
    connect(m_megse, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_megse);
    buttons->addStretch(1);
    buttons->addWidget(m_torol);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(m_label1, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(m_neve);
    layout->addStretch(1);
    layout->addLayout(buttons);
    m_neve->setFocus();
}

void NameDeletionDialog::torol_Click() {
    if (m_neve->currentIndex() < 0) {
        ShowMessage(m_state, m_platform, 50, MsgIcon::Information, MsgButtons::Ok, QStringLiteral("!"));
        return;
    }
    const NameFileStatus deleted = DeletePlayerName(m_folder, m_neve->currentText());
    if (deleted == NameFileStatus::WriteFailed || deleted == NameFileStatus::Unreadable) {
        MessageRequest request;
        request.text = OwnTextIn(OwnText::NameNotDeleted, m_state.texts).arg(kPlayerNamesFile);
        request.icon = MsgIcon::Critical;
        m_platform.messageBox.show(request);
        reject();
        return;
    }
    accept();
}

void NameDeletionDialog::doknez_Click() {
    if (m_help) m_help(kHelpTopicNameDeletion);
}
