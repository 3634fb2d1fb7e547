// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/gui/ResultsBrowserWindow.h"
#include "results/ListFileForm.h"
#include "play/GameState.h"
#include "play/OwnTexts.h"
#include "results/gui/ResultsGridModel.h"
#include "ui/gui/FormCanvas.h"
#include "ui/gui/HelpMenuItem.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kRowHeightTwips = 255;
constexpr double kGridFontShare = 0.85;

// A focus change inside the form; not one to another window or to a menu.
bool WithinForm(const QFocusEvent* event) {
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

} // namespace

ResultsBrowserWindow::ResultsBrowserWindow(GameState& s, Platform& platform, const QDir& folder, QWidget* parent)
    : QDialog(parent), m_s(s), m_browser(s, platform, folder), m_output(this, s, platform) {
    setObjectName(QStringLiteral("eredmeny"));
    m_canvas = new FormCanvas(kBrowserFormWidth, kBrowserFormHeight, this);
    m_binder = ControlBinder(m_canvas);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    buildMenus();
    layout->addWidget(m_canvas, 1);
    buildForm();
    wireGrid();

    m_browser.setHooks({[this](int topic) {
                            if (m_help) m_help(topic);
                        },
                        [](bool busy) {
                            if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
                            else QApplication::restoreOverrideCursor();
                        }});
    connect(m_canvas, &FormCanvas::scaleChanged, this, &ResultsBrowserWindow::applyScale);

    // The design at 1.6 times, within the screen, like the game window.
    double scale = 1.6 / 15;
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QSize avail = screen->availableSize() * 0.9;
        scale = std::min({scale, double(avail.width()) / kBrowserFormWidth,
                          double(avail.height() - 40) / kBrowserFormHeight});
    }
    m_canvas->setMinimumSize(m_canvas->sizeForScale(0.75 / 15));
    resize(m_canvas->sizeForScale(scale) + QSize(0, layout->menuBar()->sizeHint().height()));
    // At the game window's place, as far as the screen lets it be whole.
    if (const QScreen* screen = parent ? parent->screen() : QApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        const QPoint wanted = parent ? parent->geometry().topLeft() : avail.topLeft();
        move(std::clamp(wanted.x(), avail.left(), std::max(avail.left(), avail.right() - width())),
             std::clamp(wanted.y(), avail.top(), std::max(avail.top(), avail.bottom() - height() - 30)));
    }

    run([this] { m_browser.Form_Load(); });
}

// The grid lets go of its model first: the model reads the browser, which the
// members' teardown ends before the base class deletes the child widgets.
ResultsBrowserWindow::~ResultsBrowserWindow() { m_grid->setModel(nullptr); }

void ResultsBrowserWindow::offerReplay(std::function<bool(const ResultStamp&)> replayable) {
    m_replayable = std::move(replayable);
    sync();
}

void ResultsBrowserWindow::setHelpHook(std::function<void(int)> hook) {
    m_help = hook;
    m_output.setHelpHook(std::move(hook));
}

void ResultsBrowserWindow::buildMenus() {
    BrowserControls& c = m_browser.controls();
    auto* menuBar = new QMenuBar(this);
    layout()->setMenuBar(menuBar);
    const auto addItem = [this](QMenu* menu, const ControlState& state, const char* name,
                                  std::function<void()> handler) {
        QAction* action = menu->addAction(QString());
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, handler] { run(handler); });
        m_binder.bind(state, action);
        return action;
    };
    QMenu* torles = menuBar->addMenu(QString());
    torles->setObjectName(QStringLiteral("torles"));
    m_binder.bind(c.torles, torles->menuAction());
    addItem(torles, c.akttor, "akttor", [this] { m_browser.akttor_Click(); });
    addItem(torles, c.sortor, "sortor", [this] { m_browser.sortor_Click(); });
    addItem(torles, c.dattor, "dattor", [this] { m_browser.dattor_Click(); });
    addItem(torles, c.ossztor, "ossztor", [this] { m_browser.ossztor_Click(); });

    // The rows shown, printed or written to a list file; the grid keeps the focus.
    QMenu* lista = menuBar->addMenu(QString());
    lista->setObjectName(QStringLiteral("lista"));
    m_binder.bind(c.lista, lista->menuAction());
    const ListBuilder build = [this](ListTarget, const QString& today) {
        return m_browser.resultsList(today);
    };
    addItem(lista, c.ls_pr, "ls_pr", [this, build] {
        m_output.ls_pr_Click(QPageLayout::Portrait, build);
        m_grid->setFocus();
    });
    addItem(lista, c.ls_fl, "ls_fl", [this, build] {
        m_output.ls_fl_Click(kResultsListFileName, build);
        m_grid->setFocus();
    });

    // Hidden until the game window offers the replay of its finished games.
    m_replay = menuBar->addAction(QString());
    m_replay->setObjectName(QStringLiteral("visszajatszas"));
    m_replay->setVisible(false);
    connect(m_replay, &QAction::triggered, this, [this] {
        const int row = m_browser.currentRow();
        if (!m_replayable || row < 0 || !m_replayable(m_browser.stampOfRow(row))) return;
        m_replayChosen = m_browser.stampOfRow(row);
        run([this] { m_browser.rendben_Click(); });
    });

    QAction* doknez = AddHelpMenuItem(menuBar);
    connect(doknez, &QAction::triggered, this, [this] { run([this] { m_browser.doknez_Click(); }); });
    m_binder.bind(c.doknez, doknez);

    auto* f5 = new QAction(this);
    f5->setObjectName(QStringLiteral("nevszKey"));
    f5->setShortcut(QKeySequence(Qt::Key_F5));
    f5->setShortcutContext(Qt::WindowShortcut);
    connect(f5, &QAction::triggered, this, [this] { runThenFocusGrid([this] { m_browser.toggleNevsz(); }); });
    addAction(f5);
}

QCheckBox* ResultsBrowserWindow::addCheckBox(const ControlState& state, QWidget* frame, const char* name,
                                             QRect twips) {
    auto* box = new QCheckBox(frame);
    box->setObjectName(QString::fromLatin1(name));
    m_canvas->place(box, twips);
    m_binder.bind(state, box);
    return box;
}

QLineEdit* ResultsBrowserWindow::addTextBox(ControlState& state, const char* name, QRect twips) {
    auto* frame = m_canvas->findChild<QGroupBox*>(QStringLiteral("szker"));
    auto* box = new QLineEdit(frame);
    box->setObjectName(QString::fromLatin1(name));
    m_canvas->place(box, twips);
    m_binder.bind(state, box);
    // What is typed stays in the box until the box is left and the logic reads it.
    connect(box, &QLineEdit::textEdited, this, [&state](const QString& text) { state.caption = text; });
    box->installEventFilter(this);
    return box;
}

void ResultsBrowserWindow::buildForm() {
    BrowserControls& c = m_browser.controls();
    const auto addLabel = [this](const ControlState& state, QWidget* parent, const char* name, QRect twips) {
        auto* label = new QLabel(parent);
        label->setObjectName(QString::fromLatin1(name));
        m_canvas->place(label, twips);
        m_binder.bind(state, label);
        return label;
    };
    const auto addFrame = [this](const ControlState& state, const char* name, QRect twips) {
        auto* frame = new QGroupBox(m_canvas);
        frame->setObjectName(QString::fromLatin1(name));
        m_canvas->place(frame, twips);
        m_binder.bind(state, frame);
        return frame;
    };

    m_grid = new QTableView(m_canvas);
    m_grid->setObjectName(QStringLiteral("mflex"));
    m_canvas->place(m_grid, {120, 120, 8900, 6480});
    addLabel(c.Label4, m_canvas, "Label4", {120, 6700, 4000, 255});

    // Sort options: the logic keeps exactly one (or, after a header click, none) set.
    QGroupBox* rker = addFrame(c.rker, "rker", {9180, 60, 2600, 1300});
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(rker);
        option->setObjectName(QStringLiteral("rend%1").arg(i));
        option->setAutoExclusive(false);
        m_canvas->place(option, {150, 300 + 240 * i, 2300, 240});
        m_binder.bind(c.rend[static_cast<std::size_t>(i)], option);
        connect(option, &QRadioButton::clicked, this, [this, i] { runThenFocusGrid([this, i] { m_browser.rend_Click(i); }); });
    }

    QGroupBox* szker = addFrame(c.szker, "szker", {9180, 1420, 2600, 4000});
    // The type boxes in rows: a caption, the plain type, then its rearranged variant.
    const std::array<std::pair<const ControlState*, const char*>, 5> typeRows = {
        {{&c.Label1, "Label1"}, {&c.Label8, "Label8"}, {&c.Label2, "Label2"}, {&c.Label3, "Label3"}, {&c.Label9, "Label9"}}};
    const std::array<std::array<int, 2>, 5> typesOfRow = {{{1, 2}, {3, 4}, {5, 0}, {6, 0}, {7, 8}}};
    for (std::size_t r = 0; r < typeRows.size(); ++r) {
        const int top = 300 + 260 * static_cast<int>(r);
        addLabel(*typeRows[r].first, szker, typeRows[r].second, {150, top, 1550, 240});
        for (std::size_t k = 0; k < 2; ++k) {
            const int index = typesOfRow[r][k];
            if (index == 0) continue;
            const QByteArray name = "tip" + QByteArray::number(index);
            QCheckBox* box = addCheckBox(c.tip[static_cast<std::size_t>(index)], szker, name.constData(),
                                         {1750 + 420 * static_cast<int>(k), top, 360, 240});
            connect(box, &QCheckBox::clicked, this,
                    [this, index](bool checked) { runThenFocusGrid([this, index, checked] { m_browser.tip_Click(index, checked); }); });
        }
    }
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(szker);
        option->setObjectName(QStringLiteral("szur%1").arg(i));
        m_canvas->place(option, {150 + 1200 * (i % 2), 1680 + 260 * (i / 2), 1150, 240});
        m_binder.bind(c.szur[static_cast<std::size_t>(i)], option);
        connect(option, &QRadioButton::clicked, this, [this, i] { runThenFocusGrid([this, i] { m_browser.szur_Click(i); }); });
    }
    addLabel(c.Label7, szker, "Label7", {150, 2300, 1600, 255});
    m_parkc = addTextBox(c.parkc, "parkc", {1800, 2270, 650, 285});
    addLabel(c.Label5, szker, "Label5", {150, 2640, 1600, 255});
    m_lpsz = addTextBox(c.lpsz, "lpsz", {1800, 2610, 650, 285});
    addLabel(c.Label6, szker, "Label6", {150, 2980, 1450, 255});
    m_elhid = addTextBox(c.elhid, "elhid", {1600, 2950, 850, 285});
    m_elhid->setMaxLength(8);

    // Three states, cycled by the logic; the box itself is only shown, not bound.
    m_kev = new QCheckBox(szker);
    m_kev->setObjectName(QStringLiteral("kev"));
    m_kev->setTristate(true);
    m_canvas->place(m_kev, {150, 3330, 2300, 255});
    connect(m_kev, &QCheckBox::clicked, this, [this] { runThenFocusGrid([this] { m_browser.kev_Click(); }); });
    QCheckBox* nevsz = addCheckBox(c.nevsz, szker, "nevsz", {150, 3630, 2300, 255});
    connect(nevsz, &QCheckBox::clicked, this,
            [this](bool checked) { runThenFocusGrid([this, checked] { m_browser.nevsz_Click(checked); }); });

    const auto addButton = [this](const ControlState& state, const char* name, QRect twips,
                                  std::function<void()> handler) {
        auto* button = new QPushButton(m_canvas);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);   // Enter in a text box moves on, it presses nothing
        m_canvas->place(button, twips);
        m_binder.bind(state, button);
        connect(button, &QPushButton::clicked, this, [this, handler] { run(handler); });
    };
    addButton(c.aktsor, "aktsor", {9180, 5600, 2600, 375}, [this] {
        m_browser.aktsor_Click();
        m_grid->setFocus();
    });
    addButton(c.rendben, "rendben", {9180, 6200, 2600, 375}, [this] { m_browser.rendben_Click(); });
}

void ResultsBrowserWindow::wireGrid() {
    m_model = new ResultsGridModel(m_browser, this);
    m_grid->setModel(m_model);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSortingEnabled(false);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->hide();
    // Every row one height: the view then handles a million rows without measuring them.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setSectionsClickable(true);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->horizontalHeader()->setStretchLastSection(false);
    m_grid->setColumnHidden(ResultColumn::RecordNo, true);
    m_grid->installEventFilter(this);

    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { runThenFocusGrid([this, column] { m_browser.mflex_HeaderClick(column); }); });
    m_grid->viewport()->installEventFilter(this);   // double clicks
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (!m_syncing) m_browser.setCurrentCell(current.isValid() ? current.row() : -1, current.column());
    });
}

void ResultsBrowserWindow::applyScale(double pixelsPerTwip) {
    // The grid's columns are narrow by design: its text is a size smaller than the form's.
    QFont gridFont = m_canvas->font();
    gridFont.setPixelSize(std::max(8, static_cast<int>(std::lround(gridFont.pixelSize() * kGridFontShare))));
    m_grid->setFont(gridFont);
    m_grid->horizontalHeader()->setFont(gridFont);
    m_model->setHeaderFont(gridFont);
    for (int c = 0; c < ResultColumn::RecordNo; ++c)
        m_grid->setColumnWidth(c, static_cast<int>(std::lround(kResultColumnTwips[static_cast<std::size_t>(c)] * pixelsPerTwip)));
    const int rowHeight = std::max(m_grid->fontMetrics().height() + 2,
                                   static_cast<int>(std::lround(kRowHeightTwips * pixelsPerTwip)));
    m_grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_grid->verticalHeader()->setMinimumSectionSize(1);
}

void ResultsBrowserWindow::run(const std::function<void()>& handler) {
    if (m_closed) return;
    handler();
    sync();
}

// After a sort or a filter picked with the mouse the grid has the focus again, so
// typing searches it at once.
void ResultsBrowserWindow::runThenFocusGrid(const std::function<void()>& handler) {
    run(handler);
    if (!m_closed) m_grid->setFocus();
}

void ResultsBrowserWindow::sync() {
    m_syncing = true;
    m_binder.sync();
    if (windowTitle() != m_browser.windowTitle()) setWindowTitle(m_browser.windowTitle());
    switch (m_browser.kevState()) {
    case ShuffleFilter::Any: m_kev->setCheckState(Qt::PartiallyChecked); break;
    case ShuffleFilter::Shuffled: m_kev->setCheckState(Qt::Checked); break;
    case ShuffleFilter::NotShuffled: m_kev->setCheckState(Qt::Unchecked); break;
    }
    m_kev->setText(m_browser.controls().kev.caption);
    m_model->refresh();

    const int row = m_browser.currentRow();
    const QModelIndex current = row >= 0 ? m_model->index(row, m_browser.currentColumn()) : QModelIndex();
    if (m_grid->currentIndex() != current) {
        if (current.isValid()) m_grid->setCurrentIndex(current);
        else m_grid->selectionModel()->clear();
    }
    if (m_replayable) {
        m_replay->setText(OwnTextIn(OwnText::ReplayCaption, m_s.texts));
        m_replay->setVisible(true);
        m_replay->setEnabled(row >= 0 && m_replayable(m_browser.stampOfRow(row)));
    }
    if (const std::optional<int> top = m_browser.takeTopRowRequest(); top && *top < m_model->rowCount())
        m_grid->scrollTo(m_model->index(*top, m_browser.currentColumn()), QAbstractItemView::PositionAtTop);
    m_syncing = false;

    if (m_browser.closeRequested() && !m_closed) {
        m_closed = true;
        done(QDialog::Accepted);
    }
}

void ResultsBrowserWindow::reject() { run([this] { m_browser.rendben_Click(); }); }

void ResultsBrowserWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_grid->setFocus(Qt::OtherFocusReason);
}

bool ResultsBrowserWindow::textBoxEvent(QLineEdit* box, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        focusNextChild();   // Enter moves on like Tab
        return true;
    }
    if (event->type() == QEvent::FocusIn && box == m_elhid) {
        run([this] { m_browser.elhid_GotFocus(); });
        return false;
    }
    if (event->type() != QEvent::FocusOut || !WithinForm(static_cast<QFocusEvent*>(event))) return false;
    const QString text = box->text();
    if (box == m_lpsz) {
        run([this, text] { m_browser.lpsz_Validate(text); });
    } else if (box == m_parkc) {
        run([this, text] { m_browser.parkc_LostFocus(text); });
    } else {
        bool accepted = true;
        run([this, text, &accepted] { accepted = m_browser.elhid_Validate(text); });
        if (!accepted) QTimer::singleShot(0, box, [box] { box->setFocus(); });   // the time must be mended first
    }
    return false;
}

bool ResultsBrowserWindow::eventFilter(QObject* watched, QEvent* event) {
    if (auto* box = qobject_cast<QLineEdit*>(watched); box && (box == m_lpsz || box == m_parkc || box == m_elhid))
        return textBoxEvent(box, event);
    if (watched == m_grid->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const QModelIndex index = m_grid->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (index.isValid())
            run([this, index] {
                m_browser.setCurrentCell(index.row(), index.column());
                m_browser.mflex_DblClick();
            });
        return false;
    }
    if (watched != m_grid) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        // After the focus has settled: a damaged file is told here, in a message box.
        QTimer::singleShot(0, this, [this] { run([this] { m_browser.mflex_GotFocus(); }); });
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
        const QString text = key->text();
        if (text.size() != 1 || !text[0].isLetterOrNumber()) return false;
        run([this, typed = text[0]] { m_browser.mflex_KeyPress(typed); });
        return true;
    }
    return false;
}
