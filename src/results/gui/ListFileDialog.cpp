// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/gui/ListFileDialog.h"
#include "ui/gui/FormCanvas.h"
#include "ui/gui/HelpMenuItem.h"
#include <QAction>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
constexpr int kFormWidth = 5400;
constexpr int kFormHeight = 4440;
constexpr double kScale = 1.3 / 15;
} // namespace

ListFileDialog::ListFileDialog(const GameState& s, Platform& platform, const QString& startFolder,
                               int defaultNameMessage, QWidget* parent)
    : QDialog(parent), m_platform(platform), m_form(s, startFolder, defaultNameMessage) {
    setObjectName(QStringLiteral("print_fl"));
    const ListFileControls& c = m_form.controls();
    setWindowTitle(c.windowTitle);

    m_canvas = new FormCanvas(kFormWidth, kFormHeight, this);
    m_binder = ControlBinder(m_canvas);
    auto* menuBar = new QMenuBar(this);
    QAction* doknez = AddHelpMenuItem(menuBar);
    connect(doknez, &QAction::triggered, this, [this] {
        if (m_help) m_help(kHelpTopicListFile);
    });

    const auto place = [this](QWidget* w, const char* name, const ControlState& state, QRect twips) {
        w->setObjectName(QString::fromLatin1(name));
        m_canvas->place(w, twips);
        m_binder.bind(state, w);
    };
    place(new QLabel(m_canvas), "Label1", c.Label1, {120, 120, 5160, 255});
    auto* label3 = new QLabel(m_canvas);
    label3->setFont(QFont(QStringLiteral("Arial")));
    label3->setTextInteractionFlags(Qt::TextSelectableByMouse);
    place(label3, "Label3", c.Label3, {120, 420, 5160, 255});

    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QDir::rootPath());
    m_dir1 = new QTreeView(m_canvas);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_dir1->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column) m_dir1->hideColumn(column);
    m_dir1->setHeaderHidden(true);
    m_canvas->place(m_dir1, {120, 720, 4080, 2400});

    auto* fel = new QPushButton(m_canvas);
    place(fel, "fel", c.fel, {4320, 720, 960, 345});
    auto* root = new QPushButton(m_canvas);
    place(root, "root", c.root, {4320, 1140, 960, 345});
    place(new QLabel(m_canvas), "Label2", c.Label2, {120, 3300, 1320, 255});
    m_text1 = new QLineEdit(m_canvas);
    place(m_text1, "Text1", c.Text1, {1440, 3255, 3840, 315});
    auto* rendben = new QPushButton(m_canvas);
    place(rendben, "rendben", c.rendben, {2520, 3840, 1275, 375});
    auto* megse = new QPushButton(m_canvas);
    place(megse, "megse", c.megse, {4005, 3840, 1275, 375});
    rendben->setDefault(true);
    megse->setAutoDefault(false);
    fel->setAutoDefault(false);
    root->setAutoDefault(false);
    m_binder.bind(c.doknez, doknez);

    // The model reads folders in the background: show the current one again once the
    // folders on its way have been read.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
        if (m_form.folder().startsWith(loaded)) revealFolder(m_form.folder());
    });
    connect(m_model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex& parent) {
        if (m_form.folder().startsWith(m_model->filePath(parent))) revealFolder(m_form.folder());
    });
    connect(m_dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) run([this, current] { m_form.Dir1_Change(m_model->filePath(current)); });
            });
    connect(fel, &QPushButton::clicked, this, [this] {
        const QString left = m_form.fel_Click();
        showFolder(m_form.folder(), left);
        m_dir1->setFocus();
    });
    connect(root, &QPushButton::clicked, this, [this] {
        m_form.root_Click();
        showFolder(m_form.folder());
        m_dir1->setFocus();
    });
    connect(m_text1, &QLineEdit::textEdited, this, [this](const QString& text) { m_form.Text1_Change(text); });
    connect(rendben, &QPushButton::clicked, this, [this] {
        if (m_form.rendben_Click(m_platform)) accept();
    });
    connect(megse, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar);
    layout->addWidget(m_canvas);
    resize(m_canvas->sizeForScale(kScale) + QSize(0, menuBar->sizeHint().height()));

    showFolder(m_form.folder());
    m_binder.sync();
    m_text1->setFocus();
    m_text1->selectAll();
}

void ListFileDialog::run(const std::function<void()>& handler) {
    handler();
    m_binder.sync();
}

// The tree shows `path` as its current folder; `select`, a folder inside it, is
// scrolled into view (the one just left by "..").
void ListFileDialog::showFolder(const QString& path, const QString& select) {
    revealFolder(path, select);
    run([this, path] { m_form.Dir1_Change(path); });
}

void ListFileDialog::revealFolder(const QString& path, const QString& select) {
    const QModelIndex index = m_model->index(path);
    if (!index.isValid()) return;
    m_dir1->setCurrentIndex(index);
    m_dir1->expand(index);
    m_dir1->scrollTo(index, QAbstractItemView::PositionAtCenter);
    if (!select.isEmpty()) {
        const QModelIndex child = m_model->index(QDir(path).filePath(select));
        if (child.isValid()) m_dir1->scrollTo(child);
    }
}
