// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/gui/ShuffledStateDialog.h"
#include "play/GameState.h"
#include "setup/gui/ShuffledStatePreview.h"
#include "ui/gui/TextTableModel.h"
#include "ui/gui/HelpMenuItem.h"
#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kIdColumnTwips = 500;

// A language-table entry, or the window's design caption while the table is empty.
QString caption(const GameState& s, int no, const char* design) {
    const QString text = s.texts.messages.value(no);
    return text.isEmpty() ? QString::fromUtf8(design) : text;
}

} // namespace

ShuffledStateDialog::ShuffledStateDialog(const GameState& s, int chooserMode,
                                         const QList<ShuffledStateEntry>& states, QWidget* parent)
    : QDialog(parent), m_states(states) {
    const bool overwrite = chooserMode == ChooserMode::Overwrite;
    setObjectName(QStringLiteral("kevert"));
    setWindowTitle(caption(s, overwrite ? 47 : 46, "Kevert állapot kiválasztás"));
    m_helpTopic = overwrite ? kHelpTopicOverwriteState : kHelpTopicLoadState;

    auto* menuBar = new QMenuBar(this);
    QAction* doknez = AddHelpMenuItem(menuBar, s.panel.help.caption);
    connect(doknez, &QAction::triggered, this, &ShuffledStateDialog::showHelp);

    m_label1 = new QLabel(caption(s, 48, "Válassza ki a felülírandó állapotot!"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setVisible(overwrite);

    m_model = new TextTableModel(this);
    m_model->setColumns({s.texts.messages.value(41), QString()}, {kIdColumnTwips, 0});
    QList<QStringList> rows;
    for (const ShuffledStateEntry& e : m_states)
        rows.append({QString::number(e.id), QString::fromLatin1(e.cells)});
    m_model->setRows(rows);

    m_grid = MakeChooserGrid(m_model, this);
    // Just wide enough for the id column and its scroll bar.
    m_grid->setFixedWidth(m_grid->columnWidth(0) + m_grid->verticalScrollBar()->sizeHint().width() +
                          2 * m_grid->frameWidth());
    m_grid->installEventFilter(this);

    m_preview = new ShuffledStatePreview(s, this);

    m_rendben = new QPushButton(caption(s, 33, "Ok"), this);
    m_rendben->setObjectName(QStringLiteral("rendben"));
    m_rendben->setDefault(true);
    m_megse = new QPushButton(caption(s, 32, "Mégse"), this);
    m_megse->setObjectName(QStringLiteral("megse"));
    connect(m_rendben, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_megse, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_grid, &QTableView::doubleClicked, this, &QDialog::accept);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { showRow(current.row()); });

    auto* body = new QHBoxLayout;
    body->addWidget(m_grid);
    body->addWidget(m_preview, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_rendben);
    buttons->addWidget(m_megse);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(m_label1);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    // The first state is selected and previewed from the start.
    if (!m_states.isEmpty()) {
        m_grid->setCurrentIndex(m_model->index(0, 0));
        showRow(0);
    }
    m_grid->setFocus();
}

int ShuffledStateDialog::selectedRow() const {
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ShuffledStateDialog::showRow(int row) {
    if (row >= 0 && row < m_states.size()) m_preview->showCells(m_states[row].cells);
}

void ShuffledStateDialog::showHelp() {
    if (m_help) m_help(m_helpTopic);
}

bool ShuffledStateDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && selectedRow() >= 0) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<int> QtShuffledStateChooser::choose(const GameState& s, int chooserMode,
                                                  const QList<ShuffledStateEntry>& states) {
    ShuffledStateDialog dialog(s, chooserMode, states, m_parent);
    dialog.setHelpHook(m_help);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedRow() < 0) return std::nullopt;
    return dialog.selectedRow();
}
