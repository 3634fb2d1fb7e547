#include "play/gui/MainWindow.h"
#include "presentation/BoardLayout.h"
#include "presentation/gui/BoardScene.h"
#include "presentation/gui/BoardView.h"
#include "ui/gui/FormCanvas.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

using P = PanelControls;

MainWindow::MainWindow(Platform& platform, const QDir& folder, QWidget* parent)
    : QMainWindow(parent), m_platform(platform), m_folder(folder), m_moves(m_state, platform) {
    setObjectName(QStringLiteral("Form1"));
    SetDesignCaptions(m_state.panel);
    SetDesignVisibility(m_state.panel);

    m_canvas = new FormCanvas(kFormWidth, kFormHeight, this);
    setCentralWidget(m_canvas);
    m_scene = new BoardScene(this);
    m_view = new BoardView(m_scene, m_canvas);
    m_view->setObjectName(QStringLiteral("keret"));
    m_view->setSceneRect(-kFrameLeft, -kFrameTop, kFormWidth, kFormHeight);
    m_canvas->place(m_view, QRect(0, 0, kFormWidth, kFormHeight));
    connect(m_canvas, &FormCanvas::scaleChanged, m_view, &BoardView::setScale);

    buildPanel();
    buildMenus();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);

    // A comfortable size: the design at 1.6 times, within the screen.
    double scale = 1.6 / 15;
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QSize avail = screen->availableSize() * 0.9;
        scale = std::min({scale, double(avail.width()) / kFormWidth,
                          double(avail.height() - 40) / kFormHeight});
    }
    m_canvas->setMinimumSize(m_canvas->sizeForScale(1.0 / 15));
    resize(m_canvas->sizeForScale(scale) + QSize(0, menuBar()->sizeHint().height()));
}

MainWindow::~MainWindow() = default;

void MainWindow::bind(ControlState PanelControls::*state, QWidget* widget) {
    m_bindings.push_back({state, widget});
}

QPushButton* MainWindow::addButton(ControlState PanelControls::*state, const char* name,
                                   QRect twips) {
    auto* button = new QPushButton(m_canvas);
    button->setObjectName(QString::fromLatin1(name));
    button->setFocusPolicy(Qt::TabFocus);
    m_canvas->place(button, twips);
    bind(state, button);
    return button;
}

QLabel* MainWindow::addLabel(ControlState PanelControls::*state, const char* name, QRect twips) {
    auto* label = new QLabel(m_canvas);
    label->setObjectName(QString::fromLatin1(name));
    m_canvas->place(label, twips);
    bind(state, label);
    return label;
}

void MainWindow::buildPanel() {
    // Game type frame with its four options.
    auto* tipus = new QGroupBox(m_canvas);
    tipus->setObjectName(QStringLiteral("tipus"));
    m_canvas->place(tipus, {6600, 360, 1095, 1215});
    bind(&P::tipus, tipus);
    const std::pair<ControlState P::*, const char*> types[] = {
        {&P::generalt, "generalt"}, {&P::atlos, "atlos"}, {&P::tarolt, "tarolt"},
        {&P::szamsor, "szamsor"}};
    int top = 260;
    for (const auto& [member, name] : types) {
        auto* option = new QRadioButton(tipus);
        option->setObjectName(QString::fromLatin1(name));
        option->setFocusPolicy(Qt::TabFocus);
        m_canvas->place(option, {100, top, 940, 255});
        bind(member, option);
        top += 220;
    }

    addButton(&P::vminta, "vminta", {6600, 1680, 1095, 300});
    addLabel(&P::Label1, "Label1", {6120, 1695, 975, 255})
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* sorsz = new QLineEdit(m_canvas);
    sorsz->setObjectName(QStringLiteral("sorsz"));
    m_canvas->place(sorsz, {7200, 1680, 495, 285});
    bind(&P::sorsz, sorsz);

    // Size frame with its three options.
    auto* dimenzio = new QGroupBox(m_canvas);
    dimenzio->setObjectName(QStringLiteral("dimenzio"));
    m_canvas->place(dimenzio, {6600, 2160, 1095, 1215});
    bind(&P::dimenzio, dimenzio);
    const std::tuple<ControlState P::*, const char*, int> sizes[] = {
        {&P::Option1, "Option1", 6}, {&P::Option2, "Option2", 7}, {&P::Option3, "Option3", 8}};
    top = 360;
    for (const auto& [member, name, span] : sizes) {
        auto* option = new QRadioButton(dimenzio);
        option->setObjectName(QString::fromLatin1(name));
        option->setFocusPolicy(Qt::TabFocus);
        m_canvas->place(option, {120, top, 855, 255});
        bind(member, option);
        const int gridSpan = span;
        connect(option, &QRadioButton::clicked, this, [this, gridSpan] {
            run([this, gridSpan] { Option_Click(gridSpan); });
        });
        top += 240;
    }

    addButton(&P::alapall, "alapall", {6600, 2880, 1095, 375});
    addButton(&P::megse, "megse", {6600, 3120, 1095, 300});
    addButton(&P::kezd, "kezd", {6600, 3600, 1095, 375});
    addButton(&P::kever, "kever", {6600, 4200, 1095, 375});
    addButton(&P::uj, "uj", {6600, 4680, 1095, 375});
    addButton(&P::kilep, "kilep", {6600, 5160, 1095, 375});
    auto* atrend = new QCheckBox(m_canvas);
    atrend->setObjectName(QStringLiteral("atrend"));
    atrend->setFocusPolicy(Qt::TabFocus);
    m_canvas->place(atrend, {6600, 5700, 1215, 255});
    bind(&P::atrend, atrend);
    addButton(&P::skev, "skev", {120, 480, 495, 255});
    addButton(&P::okev, "okev", {5380, 5700, 495, 255});

    // The strip above the board: name entry, stage buttons, counters.
    addLabel(&P::Label3, "Label3", {120, 0, 1335, 255});
    auto* neve = new QComboBox(m_canvas);
    neve->setObjectName(QStringLiteral("neve"));
    neve->setEditable(true);
    m_canvas->place(neve, {1440, 0, 3855, 315});
    bind(&P::neve, neve);
    addButton(&P::ment, "ment", {5520, 0, 855, 300});
    addButton(&P::folytat, "folytat", {1560, 0, 1695, 375});
    addButton(&P::tarol, "tarol", {3480, 0, 1695, 375});
    addLabel(&P::kvall, "kvall", {5280, 0, 615, 255});
    addLabel(&P::Lszm, "Lszm", {6000, 0, 615, 255})->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    addLabel(&P::elt, "elt", {7200, 0, 855, 255})->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    addLabel(&P::demo_szov, "demo_szov", {2880, 100, 855, 255});
    addLabel(&P::t_jatek, "t_jatek", {6165, 2760, 2055, 255});
    addButton(&P::k_tar, "k_tar", {6150, 0, 2035, 300});
    addLabel(&P::Label2, "Label2", {6150, 330, 2035, 510})->setWordWrap(true);
    addLabel(&P::Label4, "Label4", {120, 5640, 1335, 255});
    auto* lang = new QComboBox(m_canvas);
    lang->setObjectName(QStringLiteral("lang"));
    m_canvas->place(lang, {1560, 5640, 1455, 315});
    bind(&P::lang, lang);

    // The key sink: holds the focus during a game so keys reach the window.
    m_keySink = new QWidget(m_canvas);
    m_keySink->setObjectName(QStringLiteral("pp"));
    m_keySink->setFocusPolicy(Qt::StrongFocus);
    m_canvas->place(m_keySink, {0, 5520, 75, 285});
}

QAction* MainWindow::addAction(QMenu* menu, ControlState PanelControls::*state, const char* name,
                               std::function<void()> handler, bool checkable) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    if (handler) connect(action, &QAction::triggered, this, [this, handler] { run(handler); });
    m_actions.push_back({state, action});
    return action;
}

void MainWindow::buildMenus() {
    QMenu* menu = menuBar()->addMenu(QString());
    menu->setObjectName(QStringLiteral("menu"));
    m_actions.push_back({&P::menu, menu->menuAction()});
    addAction(menu, &P::er_megj, "er_megj");
    addAction(menu, &P::color, "color");
    addAction(menu, &P::hdim, "hdim", [this] { hdim_Click(); }, true);
    menu->addSeparator();
    addAction(menu, &P::uj_jatek, "uj_jatek");
    addAction(menu, &P::jatek_tor, "jatek_tor");
    QMenu* kevall = menu->addMenu(QString());
    kevall->setObjectName(QStringLiteral("kevall"));
    m_actions.push_back({&P::kevall, kevall->menuAction()});
    addAction(kevall, &P::kevment, "kevment");
    addAction(kevall, &P::kevtor, "kevtor");
    QMenu* ntor = menu->addMenu(QString());
    ntor->setObjectName(QStringLiteral("ntor"));
    m_actions.push_back({&P::ntor, ntor->menuAction()});
    addAction(ntor, &P::ntoregy, "ntoregy");
    addAction(ntor, &P::ntorosz, "ntorosz");
    menu->addSeparator();
    addAction(menu, &P::stmegj, "stmegj");
    addAction(menu, &P::nyelv, "nyelv");
    addAction(menu, &P::hang_kell, "hang_kell", {}, true);
    addAction(menu, &P::babilon, "babilon", [this] { babilon_Click(); }, true);
    addAction(menu, &P::demo_jatek, "demo_jatek");
    menu->addSeparator();
    addAction(menu, &P::m_exit, "m_exit", [this] { close(); });

    QMenu* help = menuBar()->addMenu(QString());
    help->setObjectName(QStringLiteral("help"));
    m_actions.push_back({&P::help, help->menuAction()});
    addAction(help, &P::kezel, "kezel");
    addAction(help, &P::doknez, "doknez");
    addAction(help, &P::nevj, "nevj");
    m_menus = {menu, kevall, ntor, help};
}

void MainWindow::run(const std::function<void()>& handler) {
    handler();
    syncView();
}

static void showCaption(QWidget* widget, const QString& caption) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (button->text() != caption) button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text() != caption) label->setText(caption);
    } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        if (box->title() != caption) box->setTitle(caption);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != caption) edit->setText(caption);
    }
}

void MainWindow::syncView() {
    const PanelControls& panel = m_state.panel;
    for (const Binding& b : m_bindings) {
        const ControlState& c = panel.*(b.state);
        showCaption(b.widget, c.caption);
        if (auto* button = qobject_cast<QAbstractButton*>(b.widget); button && button->isCheckable())
            if (button->isChecked() != c.checked) button->setChecked(c.checked);
        if (c.left >= 0 && c.width >= 0) m_canvas->moveTo(b.widget, c.left, c.width);
        b.widget->setEnabled(c.enabled);
        b.widget->setVisible(c.visible);
    }
    for (const ActionBinding& a : m_actions) {
        const ControlState& c = panel.*(a.state);
        a.action->setText(c.caption);
        a.action->setEnabled(c.enabled);
        a.action->setVisible(c.visible);
        if (a.action->isCheckable()) a.action->setChecked(c.checked);
    }
    if (windowTitle() != m_state.controls.windowTitle) setWindowTitle(m_state.controls.windowTitle);
    m_scene->sync(m_state);
    applyFocusRequest();
}

void MainWindow::applyFocusRequest() {
    QString& request = m_state.panel.focusRequest;
    if (request.isEmpty()) return;
    if (auto* target = m_canvas->findChild<QWidget*>(request)) target->setFocus();
    request.clear();
}

void MainWindow::Form_Load() {
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        move(avail.center() - rect().center());
    }
    m_state.storedGameNo = 0;
    m_state.gameType = GameType::None;
    m_state.demoState = 0;
    m_state.panel.doknez.visible = false;
    m_state.storedEarly = false;
    m_state.newGameFromStore = false;
    m_state.tileColours[0] = kSysButtonFace;
    m_state.holeColour = m_state.tileColours[0];
    m_state.moveHistory = {};
    m_state.controls.numberLabels[kMaxNumberLabels].caption = QStringLiteral("C");
    for (int i = 0; i <= 7; ++i) m_state.controls.rowNumbers[i].caption = QString::number(i);
    m_state.controls.rowPointer.caption = QStringLiteral("<");

    // Until the settings are read, the first start's defaults: 5 x 5, random colours.
    m_state.panel.hdim.checked = m_state.look3D;
    m_state.panel.color.enabled = !m_state.look3D;
    m_state.panel.hang_kell.checked = m_state.soundOn;
    m_state.panel.babilon.checked = m_state.pendolyMode;
    m_state.panel.Option2.checked = true;
    m_state.panel.generalt.checked = true;
    m_state.gameType = GameType::RandomColours;
    Option_Click(7);
    syncView();
}

void MainWindow::Option_Click(int gridSpan) {
    m_state.panel.Option1.checked = gridSpan == 6;
    m_state.panel.Option2.checked = gridSpan == 7;
    m_state.panel.Option3.checked = gridSpan == 8;
    ClearBoard(m_state, m_platform.random, gridSpan);
}

void MainWindow::hdim_Click() { ::hdim_Click(m_state, nullptr); }

void MainWindow::babilon_Click() {
    m_state.pendolyMode = !m_state.pendolyMode;
    m_state.panel.babilon.checked = m_state.pendolyMode;
    ApplyModeLayout(m_state);
    m_state.resultsFile = m_state.pendolyMode ? QStringLiteral("eredm_vr.dat")
                                              : QStringLiteral("eredm.dat");
}
