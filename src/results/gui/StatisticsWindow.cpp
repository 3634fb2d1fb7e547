// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/gui/StatisticsWindow.h"
#include "play/GameState.h"
#include "results/ListFileForm.h"
#include "results/gui/ListPrinter.h"
#include "results/gui/ProgressView.h"
#include "ui/gui/FormCanvas.h"
#include "ui/gui/HelpMenuItem.h"
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kFormWidth = 10680;
constexpr int kFormHeight = 6600;

// The list font's family at the canvas's size: the table lines up only in it.
void UseListFont(QWidget* widget) {
    QFont font;
    font.setFamily(ListFont().family());
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    widget->setFont(font);
}

} // namespace

StatisticsWindow::StatisticsWindow(const GameState& s, Platform& platform, const QString& resultsPath,
                                   QWidget* parent, const QStringList& chartModulePaths)
    : QDialog(parent), m_platform(platform), m_form(s, resultsPath), m_output(this, s, platform) {
    setObjectName(QStringLiteral("stat"));
    m_form.Form_Load();
    const StatControls& c = m_form.controls();
    setWindowTitle(c.windowTitle);

    m_views = new QTabWidget(this);
    m_views->setObjectName(QStringLiteral("views"));
    m_views->setDocumentMode(true);
    m_canvas = new FormCanvas(kFormWidth, kFormHeight, m_views);
    m_binder = ControlBinder(m_canvas);
    auto* menuBar = new QMenuBar(this);
    QMenu* lista = menuBar->addMenu(QString());
    lista->setObjectName(QStringLiteral("lista"));
    m_binder.bind(c.lista, lista->menuAction());
    QAction* ls_pr = lista->addAction(QString());
    ls_pr->setObjectName(QStringLiteral("ls_pr"));
    m_binder.bind(c.ls_pr, ls_pr);
    QAction* ls_fl = lista->addAction(QString());
    ls_fl->setObjectName(QStringLiteral("ls_fl"));
    m_binder.bind(c.ls_fl, ls_fl);
    QAction* doknez = AddHelpMenuItem(menuBar);
    m_binder.bind(c.doknez, doknez);

    const auto build = [this](ListTarget target, const QString& today) { return buildList(target, today); };
    connect(ls_pr, &QAction::triggered, this, [this, build] { m_output.ls_pr_Click(QPageLayout::Landscape, build); });
    connect(ls_fl, &QAction::triggered, this, [this, build] { m_output.ls_fl_Click(kStatisticsListFileName, build); });
    connect(doknez, &QAction::triggered, this, [this] {
        if (m_help) m_help(kHelpTopicStatistics);
    });

    const auto place = [this](QWidget* w, const char* name, const ControlState& state, QRect twips) {
        w->setObjectName(QString::fromLatin1(name));
        m_canvas->place(w, twips);
        m_binder.bind(state, w);
    };
    auto* heading = new QLabel(m_canvas);
    UseListFont(heading);
    place(heading, "Label1_0", c.Label1_0, {120, 120, 10440, 240});
    auto* heads = new QLabel(m_canvas);
    UseListFont(heads);
    place(heads, "Label1_1", c.Label1_1, {120, 360, 10440, 240});

    m_szov = new QPlainTextEdit(m_canvas);
    m_szov->setObjectName(QStringLiteral("szov"));
    UseListFont(m_szov);
    m_szov->setReadOnly(true);
    m_szov->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_szov->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_szov->document()->setDocumentMargin(1);
    place(m_szov, "szov", c.szov, {60, 660, 10560, 5100});
    m_szov->installEventFilter(this);

    auto* total = new QLabel(m_canvas);
    UseListFont(total);
    place(total, "Label2", c.Label2, {120, 5940, 6000, 255});
    auto* rendben = new QPushButton(m_canvas);
    place(rendben, "rendben", c.rendben, {9240, 5880, 1335, 375});
    rendben->setAutoDefault(false);
    connect(rendben, &QPushButton::clicked, this, &QDialog::accept);

    m_progress = new ProgressView(s, platform, resultsPath, chartModulePaths, m_views);
    m_views->addTab(m_canvas, s.panel.stmegj.caption);
    m_views->addTab(m_progress, m_progress->form().controls().tab.caption);
    // The table's text holds the focus whenever the table is in front: it is where the
    // damage check runs.
    connect(m_views, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 0) m_szov->setFocus();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar);
    layout->addWidget(m_views);
    double scale = 1.3 / 15;
    if (const QScreen* screen = QApplication::primaryScreen())
        scale = std::min(scale, 0.9 * screen->availableSize().width() / kFormWidth);
    resize(m_canvas->sizeForScale(scale) + QSize(0, menuBar->sizeHint().height() + m_views->tabBar()->sizeHint().height()));

    m_binder.sync();
    m_szov->setFocus();
}

void StatisticsWindow::showView(StatisticsView view) {
    m_views->setCurrentIndex(view == StatisticsView::Table ? 0 : 1);
    if (view == StatisticsView::Progress) m_progress->setFocus();
}

void StatisticsWindow::setStartFolder(const QString& folder) {
    m_output.setStartFolder(folder);
    m_progress->setStartFolder(folder);
}

void StatisticsWindow::setHelpHook(std::function<void(int helpTopic)> hook) {
    m_help = hook;
    m_output.setHelpHook(std::move(hook));
}

ListDocument StatisticsWindow::buildList(ListTarget target, const QString& today) const {
    return m_form.PrintStatistics(target, today);
}

bool StatisticsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_szov && event->type() == QEvent::FocusIn && m_form.resultsFileDamaged()) {
        // Told once the window is up, then it closes.
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && m_form.szov_GotFocus(m_platform)) reject();
        });
    }
    return QDialog::eventFilter(watched, event);
}
