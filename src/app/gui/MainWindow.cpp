// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/gui/MainWindow.h"
#include "app/StartUp.h"
#include "files/FileLimits.h"
#include "play/BoardChanged.h"
#include "play/FileProblems.h"
#include "play/GameModes.h"
#include "play/Messages.h"
#include "play/OwnTexts.h"
#include "presentation/BoardLayout.h"
#include "presentation/LanguageFile.h"
#include "presentation/Settings.h"
#include "presentation/SettingsFile.h"
#include "presentation/Sound.h"
#include "presentation/gui/AboutDialog.h"
#include "presentation/gui/BoardScene.h"
#include "presentation/gui/BoardView.h"
#include "presentation/gui/ColourSettingsDialog.h"
#include "presentation/gui/ColourSymbolsOption.h"
#include "presentation/DocumentViewer.h"
#include "presentation/gui/DocumentViewerDialog.h"
#include "presentation/gui/NameDeletionDialog.h"
#include "results/PlayerNames.h"
#include "results/ResultsBrowser.h"
#include "results/gui/ResultsBrowserWindow.h"
#include "results/gui/StatisticsWindow.h"
#include "setup/GameTypes.h"
#include "setup/StartCode.h"
#include "setup/StartSetUp.h"
#include "setup/gui/ShuffledStateDialog.h"
#include "setup/gui/StoredGameDialog.h"
#include "ui/gui/FormCanvas.h"
#include <QCloseEvent>
#include <QFocusEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

using P = PanelControls;

MainWindow::MainWindow(Platform& platform, const GameFolders& folders, QWidget* parent)
    : QMainWindow(parent), m_platform(platform), m_folders(folders), m_folder(folders.player),
      m_moves(m_state), m_flow(m_state, platform, m_moves), m_mouse(m_state, platform, m_moves),
      m_keys(m_state, m_moves), m_results(m_state, platform, folders.player), m_demo(m_state, platform),
      m_keeper(m_state, platform, folders.player), m_replay(m_state, platform) {
    setObjectName(QStringLiteral("Form1"));
    SetDesignCaptions(m_state.panel);
    SetDesignVisibility(m_state.panel);

    m_canvas = new FormCanvas(kFormWidth, kFormHeight, this);
    // A comfortable size: the design at 1.6 times, within the screen. The controls
    // are made in the font of that size.
    double scale = 1.6 / 15;
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QSize avail = screen->availableSize() * 0.9;
        scale = std::min({scale, double(avail.width()) / kFormWidth,
                          double(avail.height() - 40) / kFormHeight});
    }
    m_canvas->useScale(scale);
    m_binder = ControlBinder(m_canvas);
    setCentralWidget(m_canvas);
    m_scene = new BoardScene(this);
    m_view = new BoardView(m_scene, m_canvas);
    m_view->setObjectName(QStringLiteral("keret"));
    m_view->setSceneRect(-kFrameLeft, -kFrameTop, kFormWidth, kFormHeight);
    m_canvas->place(m_view, QRect(0, 0, kFormWidth, kFormHeight));
    connect(m_canvas, &FormCanvas::scaleChanged, m_view, &BoardView::setScale);

    buildPanel();
    buildMenus();

    m_dialogChooser = std::make_unique<QtShuffledStateChooser>(this);
    setShuffledStateChooser(*m_dialogChooser);
    wireHandlers();
    wireStoredGames();
    wireDemo();
    wireSolver();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, [this] { run([this] { m_flow.Timer1_Timer(); }); });
    m_timer->start();
    qApp->installEventFilter(this);

    m_canvas->setMinimumSize(m_canvas->sizeForScale(1.0 / 15));
    resize(m_canvas->sizeForScale(scale) + QSize(0, menuBar()->sizeHint().height()));
}

MainWindow::~MainWindow() = default;

void MainWindow::bind(ControlState PanelControls::*state, QWidget* widget) {
    m_binder.bind(m_state.panel.*state, widget);
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

void MainWindow::addOptionGroup(
    ControlState PanelControls::*frameState, const char* frameName, QRect frameTwips,
    std::initializer_list<std::pair<ControlState PanelControls::*, const char*>> options,
    QRect firstTwips, int stepTwips) {
    auto* frame = new QGroupBox(m_canvas);
    frame->setObjectName(QString::fromLatin1(frameName));
    m_canvas->place(frame, frameTwips);
    bind(frameState, frame);
    QRect twips = firstTwips;
    for (const auto& [member, name] : options) {
        auto* option = new QRadioButton(frame);
        option->setObjectName(QString::fromLatin1(name));
        option->setFocusPolicy(Qt::TabFocus);
        m_canvas->place(option, twips);
        bind(member, option);
        twips.translate(0, stepTwips);
    }
}

void MainWindow::buildPanel() {
    // The mark of a helped game, above the board, where the name entry is at the end;
    // made first, so that the buttons of a rearrangement's pause lie over it.
    addLabel(&P::segitseg, "segitseg", {120, 30, 5100, 255});
    // Game type frame with its four options.
    addOptionGroup(&P::tipus, "tipus", {6600, 360, 1095, 1215},
                   {{&P::generalt, "generalt"}, {&P::atlos, "atlos"}, {&P::tarolt, "tarolt"},
                    {&P::szamsor, "szamsor"}},
                   {100, 260, 940, 255}, 220);

    addButton(&P::vminta, "vminta", {6600, 1680, 1095, 300});
    addLabel(&P::Label1, "Label1", {6120, 1695, 975, 255})
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_sorsz = new QLineEdit(m_canvas);
    m_sorsz->setObjectName(QStringLiteral("sorsz"));
    m_canvas->place(m_sorsz, {7200, 1680, 495, 285});
    bind(&P::sorsz, m_sorsz);

    // Size frame with its three options.
    addOptionGroup(&P::dimenzio, "dimenzio", {6600, 2160, 1095, 1215},
                   {{&P::Option1, "Option1"}, {&P::Option2, "Option2"}, {&P::Option3, "Option3"}},
                   {120, 360, 855, 255}, 240);

    addButton(&P::alapall, "alapall", {6600, 2880, 1095, 375});
    addButton(&P::megse, "megse", {6600, 3120, 1095, 300});
    addButton(&P::kezd, "kezd", {6600, 3600, 1095, 375});
    addButton(&P::kever, "kever", {6600, 4200, 1095, 375});
    addButton(&P::uj, "uj", {6600, 4680, 1095, 375});
    addButton(&P::kilep, "kilep", {6600, 5160, 1095, 375});
    m_atrend = new QCheckBox(m_canvas);
    m_atrend->setObjectName(QStringLiteral("atrend"));
    m_atrend->setFocusPolicy(Qt::TabFocus);
    m_canvas->place(m_atrend, {6600, 5700, 1215, 255});
    bind(&P::atrend, m_atrend);
    addButton(&P::skev, "skev", {120, 480, 495, 255});
    addButton(&P::okev, "okev", {5380, 5700, 495, 255});

    // The strip above the board: name entry, stage buttons, counters.
    addLabel(&P::Label3, "Label3", {120, 0, 1335, 255});
    m_neve = new QComboBox(m_canvas);
    m_neve->setObjectName(QStringLiteral("neve"));
    m_neve->setEditable(true);
    m_canvas->place(m_neve, {1440, 0, 3855, 315});
    bind(&P::neve, m_neve);
    addButton(&P::ment, "ment", {5520, 0, 855, 300});
    addButton(&P::folytat, "folytat", {1560, 0, 1695, 375});
    addButton(&P::tarol, "tarol", {3480, 0, 1695, 375});
    addLabel(&P::kvall, "kvall", {5280, 0, 615, 255});
    addLabel(&P::Lszm, "Lszm", {6000, 0, 615, 255})->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    addLabel(&P::elt, "elt", {7200, 0, 855, 255})->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    addLabel(&P::demo_szov, "demo_szov", {2880, 100, 855, 255});
    // The title of a stored game lies over the size buttons, which take the clicks.
    addLabel(&P::t_jatek, "t_jatek", {6165, 2760, 2055, 255})->setAttribute(Qt::WA_TransparentForMouseEvents);
    addButton(&P::k_tar, "k_tar", {6150, 0, 2035, 300});
    // Below the target map, in the room the stored game's title has when a game runs
    // (never while a start is captured); above the map it would cover the map's top row.
    addLabel(&P::Label2, "Label2", {6150, 2520, 2035, 510})->setWordWrap(true);
    addLabel(&P::Label4, "Label4", {120, 5640, 615, 255});
    m_lang = new QComboBox(m_canvas);
    m_lang->setObjectName(QStringLiteral("lang"));
    m_canvas->place(m_lang, {1560, 5640, 1455, 315});
    bind(&P::lang, m_lang);

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
    if (handler)
        connect(action, &QAction::triggered, this, [this, handler] {
            stopReplay();
            run(handler);
        });
    m_binder.bind(m_state.panel.*state, action);
    return action;
}

void MainWindow::buildMenus() {
    QMenu* menu = menuBar()->addMenu(QString());
    menu->setObjectName(QStringLiteral("menu"));
    m_binder.bind(m_state.panel.menu, menu->menuAction());
    addAction(menu, &P::er_megj, "er_megj", [this] { er_megj_Click(); });
    addAction(menu, &P::color, "color", [this] { color_Click(); });
    addAction(menu, &P::hdim, "hdim", [this] { hdim_Click(); }, true);
    m_colourSymbols = new ColourSymbolsOption(menu, *m_scene, m_platform, m_folder, [this] { syncView(); });
    menu->addSeparator();
    addAction(menu, &P::uj_jatek, "uj_jatek", [this] { m_storedGames->uj_jatek_Click(); });
    addAction(menu, &P::jatek_tor, "jatek_tor", [this] { m_storedGames->jatek_tor_Click(); });
    QMenu* kevall = menu->addMenu(QString());
    kevall->setObjectName(QStringLiteral("kevall"));
    m_binder.bind(m_state.panel.kevall, kevall->menuAction());
    addAction(kevall, &P::kevment, "kevment", [this] { m_shuffling->kevment_Click(); });
    addAction(kevall, &P::kevtor, "kevtor", [this] { m_shuffling->kevtor_Click(); });
    QMenu* ntor = menu->addMenu(QString());
    ntor->setObjectName(QStringLiteral("ntor"));
    m_binder.bind(m_state.panel.ntor, ntor->menuAction());
    addAction(ntor, &P::ntoregy, "ntoregy", [this] { ntoregy_Click(); });
    addAction(ntor, &P::ntorosz, "ntorosz", [this] { m_results.ntorosz_Click(); });
    menu->addSeparator();
    addAction(menu, &P::stmegj, "stmegj", [this] { stmegj_Click(); });
    // Beside the statistics, the chart of a player's results: the window opens on it.
    m_progress = menu->addAction(QString());
    m_progress->setObjectName(QStringLiteral("fejlodes"));
    connect(m_progress, &QAction::triggered, this, [this] { run([this] { showStatistics(true); }); });
    addAction(menu, &P::nyelv, "nyelv", [this] { nyelv_Click(); });
    addAction(menu, &P::hang_kell, "hang_kell",
              [this] { ::hang_kell_Click(m_state, m_platform.sound, m_folders); }, true);
    addAction(menu, &P::babilon, "babilon", [this] { ::babilon_Click(m_state); }, true);
    addAction(menu, &P::demo_jatek, "demo_jatek", [this] { demo_jatek_Click(); });
    buildRecordMenu(menu);
    menu->addSeparator();
    addAction(menu, &P::sugas, "sugas", [this] { m_solver->hint(); });
    addAction(menu, &P::megold, "megold", [this] { m_solver->solve(); });
    menu->addSeparator();
    addAction(menu, &P::m_exit, "m_exit", [this] { exitRequested(); });

    QMenu* help = menuBar()->addMenu(QString());
    help->setObjectName(QStringLiteral("help"));
    m_binder.bind(m_state.panel.help, help->menuAction());
    addAction(help, &P::kezel, "kezel", [this] { kezel_Click(); });
    addAction(help, &P::doknez, "doknez", [this] { showHelp(HelpTopic::GameDescription); });
    addAction(help, &P::nevj, "nevj", [this] { nevj_Click(); });
    m_menus = {menu, kevall, ntor, help};
}

void MainWindow::run(const std::function<void()>& handler) {
    handler();
    m_keeper.afterAction();
    syncView();
}

void MainWindow::syncView() {
    if (m_solver) m_solver->sync();
    m_binder.sync();
    m_colourSymbols->sync(m_state.texts.languageName);
    syncRecordMenu();
    m_progress->setText(OwnTextIn(OwnText::Progress, m_state.texts));
    if (windowTitle() != m_state.controls.windowTitle) setWindowTitle(m_state.controls.windowTitle);
    syncNameList();
    m_scene->sync(m_state);
    applyFocusRequest();
}

void MainWindow::applyFocusRequest() {
    QString& request = m_state.panel.focusRequest;
    if (request.isEmpty()) return;
    if (auto* target = m_canvas->findChild<QWidget*>(request)) target->setFocus();
    request.clear();
}

void MainWindow::Form_Load(const std::function<ResultsCheck()>& resultsChecked) {
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        move(avail.center() - rect().center());
    }
    const StartUpReport report = StartUp(m_state, m_platform, m_folders, resultsChecked);
    QStringList notices = report.notices;
    if (const QString options = m_colourSymbols->load(m_state.texts.languageName); !options.isEmpty())
        notices << options;
    m_buttonWords.use(m_state.texts.languageName);
    syncView();
    showLanguageProblem(report.language);
    for (const QString& notice : notices) {
        MessageRequest request;
        request.text = notice;
        request.icon = MsgIcon::Critical;
        m_platform.messageBox.show(request);
    }
}

void MainWindow::offerKeptGame() {
    m_keeper.offerKeptGame();
    if (m_state.gameRunning || pausedAtFirstTarget(m_state)) prepareSound();
    syncView();
}

void MainWindow::setShuffledStateChooser(ShuffledStateChooser& chooser) {
    m_chooser = &chooser;
    m_shuffling = std::make_unique<Shuffling>(m_state, m_platform, chooser, m_folder);
    m_shuffling->setHooks({[this] { RestoreSetupControls(m_state); }, [this] { prepareSound(); },
                           [this] { m_flow.CheckSolved(); }});
}

void MainWindow::prepareSound() { PrepareSound(m_state, m_platform.sound, m_folders); }

void MainWindow::connectClick(const char* name, std::function<void()> handler) {
    auto* button = m_canvas->findChild<QAbstractButton*>(QString::fromLatin1(name));
    Q_ASSERT(button);
    connect(button, &QAbstractButton::clicked, this, [this, handler] {
        stopReplay();
        if (sorszRefusesToBeLeft()) return;
        run(handler);
    });
}

// The buttons take no focus from a click, so the box `sorsz` is checked here as if it
// were being left: a tile colour it refuses keeps the focus in it, and the click does
// nothing.
bool MainWindow::sorszRefusesToBeLeft() {
    return keyFocus() == m_sorsz && !sorsz_Validate(m_state, m_sorsz->text());
}

void MainWindow::wireHandlers() {
    GameState& s = m_state;
    Platform& p = m_platform;
    m_flow.prepareSound = [this] { prepareSound(); };
    m_flow.loadPlayerNames = [this] {
        const FileAccess access = LoadPlayerNames(m_state, m_folder);
        if (access != FileAccess::Ok && access != FileAccess::Missing)
            TellFileProblemOnce(m_state, m_platform, kPlayerNamesFile,
                                FileNotReadText(access, kPlayerNamesFile, FileLimit::PlayerNames, m_state.texts));
    };
    m_flow.gameEnded = [this] { m_finished.push_back(m_state.record); };
    m_keys.quitNow = [this] { quitNow(); };
    m_keys.openHelp = [this] { kezel_Click(); };
    m_dialogChooser->setHelpHook([this](int topic) { showHelp(topic); });

    connectClick("Option1", [&s, &p] { Option1_Click(s, p); });
    connectClick("Option2", [&s, &p] { Option2_Click(s, p); });
    connectClick("Option3", [&s, &p] { Option3_Click(s, p); });
    connectClick("generalt", [&s, &p] { generalt_Click(s, p); });
    connectClick("atlos", [&s, &p] { atlos_Click(s, p); });
    connectClick("tarolt", [&s, &p] { tarolt_Click(s, p); });
    connectClick("szamsor", [&s, &p] { szamsor_Click(s, p); });
    connectClick("vminta", [&s, &p] { vminta_Click(s, p); });
    connectClick("alapall", [&s] { alapall_Click(s); });
    connect(m_atrend, &QCheckBox::clicked, this,
            [this, &s](bool checked) { run([&s, checked] { atrend_Click(s, checked); }); });
    connectClick("kezd", [this] { m_flow.kezd_Click(); });
    connectClick("folytat", [this] { m_flow.folytat_Click(); });
    connectClick("tarol", [this] { tarol_Click(); });
    connectClick("ment", [this] { ment_Click(); });
    connectClick("megse", [this] { megse_Click(); });
    connectClick("kever", [this] { m_shuffling->kever_Click(); });
    connectClick("skev", [this] { m_shuffling->skev_Click(); });
    connectClick("okev", [this] { m_shuffling->okev_Click(); });
    connectClick("uj", [this] { m_shuffling->uj_Click(); });
    connectClick("kilep", [this] { exitRequested(); });

    m_view->onMouseDown = [this](const BoardMouseEvent& e) { boardMouse(e, BoardMouse::Down); };
    m_view->onMouseMove = [this](const BoardMouseEvent& e) { boardMouse(e, BoardMouse::Move); };
    m_view->onMouseUp = [this](const BoardMouseEvent& e) { boardMouse(e, BoardMouse::Up); };
    m_view->onDoubleClick = [this](const BoardMouseEvent& e) { boardMouse(e, BoardMouse::DoubleClick); };

    // The boxes' focus and key events reach eventFilter through the application-wide
    // filter; a filter of their own would handle each event twice (leaving `sorsz` would
    // start a stored game twice).
    connect(m_sorsz, &QLineEdit::textEdited, this, [&s](const QString& t) { s.panel.sorsz.caption = t; });
    connect(m_neve, &QComboBox::editTextChanged, this, [&s](const QString& t) { s.panel.neve.caption = t; });
    connect(m_lang, &QComboBox::activated, this, [this] { run([this] { lang_Click(); }); });
}

// Stored games: the dialog `minta` for the menu items, the choice at the start of a
// stored game, and the button that saves a game with the start set up on the board.
void MainWindow::wireStoredGames() {
    m_storedGameDialog = std::make_unique<QtStoredGameDialogRunner>(m_state, this);
    m_storedGameDialog->setHelpHook([this](int t) { showHelp(t); });
    m_storedGameDialog->setColourSymbolsHook([this] { return m_scene->colourSymbols(); });
    m_storedGames = std::make_unique<StoredGames>(m_state, m_platform, *m_storedGameDialog, m_folder);
    m_storedGames->setHooks({[this] { return m_flow.ValidateStart(); }, [this] { OnBoardChanged(m_state); }});
    m_flow.chooseStoredGame = [this] { return m_storedGames->chooseStoredGame(); };
    connectClick("k_tar", [this] { m_storedGames->k_tar_Click(); });
}

// ---------------------------------------------------------------- the demo game

// The demo looks at the clock often, so that Esc or the new-game button end it at
// once; it plays a key only every kDemoStepMs.
constexpr int kDemoPollMs = 50;

void MainWindow::wireDemo() {
    m_demo.setHooks({[this](int keyCode, int shift) { m_keys.Form_KeyDown(keyCode, shift); },
                     [this] { m_flow.kezd_Click(); }, [this] { newGameAfterStoring(); },
                     [this] { syncView(); }});
    m_demoTimer = new QTimer(this);
    m_demoTimer->setObjectName(QStringLiteral("demoTimer"));
    m_demoTimer->setInterval(kDemoPollMs);
    connect(m_demoTimer, &QTimer::timeout, this, [this] { demoTimer_Timer(); });
}

void MainWindow::demo_jatek_Click() {
    if (m_demo.demo_jatek_Click()) m_demoTimer->start();
}

void MainWindow::demoTimer_Timer() {
    if (m_replay.active()) {
        if (!QApplication::activeModalWidget() && m_replay.tick(m_platform.clock.monotonicMs())) syncView();
        return;
    }
    if (!m_demo.active()) {
        m_demoTimer->stop();
        return;
    }
    // A dialog opened meanwhile (the help, the results) holds the demo until it closes.
    if (QApplication::activeModalWidget()) return;
    if (m_demo.tick(m_platform.clock.monotonicMs())) syncView();
}

void MainWindow::stopDemo() {
    if (!m_demo.active()) return;
    m_demo.stopNow();
    m_demoTimer->stop();
    syncView();
}

// ---------------------------------------------------------------- the solver

void MainWindow::wireSolver() {
    m_solver = std::make_unique<SolverAssist>(m_state, m_platform, m_moves);
    m_solver->changed = [this] { syncView(); };
    m_solver->showStatus = [this](const QString& text) { statusBar()->showMessage(text); };
    m_flow.endNote = [this] { return m_solver->endNote(); };
}

void MainWindow::boardMouse(const BoardMouseEvent& e, BoardMouse kind) {
    if (m_replay.active()) return;   // the board plays itself
    run([this, e, kind] {
        switch (kind) {
        case BoardMouse::Down: m_mouse.MouseDown(e.button, e.shift, e.x, e.y); break;
        case BoardMouse::Move: m_mouse.keret_MouseMove(e.button, e.shift, e.x, e.y); break;
        case BoardMouse::Up: m_mouse.keret_MouseUp(e.button, e.shift, e.x, e.y); break;
        case BoardMouse::DoubleClick: m_mouse.keret_DblClick(); break;
        }
    });
}

void MainWindow::hdim_Click() {
    if (m_state.look3D) {
        const std::array<quint32, 8> stored = ReadStoredColours(m_folder);
        ::hdim_Click(m_state, &stored);
    } else {
        ::hdim_Click(m_state, nullptr);
    }
}

void MainWindow::nyelv_Click() {
    const QStringList names = ::nyelv_Click(m_state, m_folders);
    m_lang->clear();
    m_lang->addItems(names);
    m_lang->setCurrentIndex(std::max(0, int(names.indexOf(m_state.panel.lang.caption))));
}

// A language that could not be read is told once, with its fixed text.
void MainWindow::showLanguageProblem(const LanguageResult& result) {
    const QString problem = LanguageProblemText(result);
    if (problem.isEmpty()) return;
    MessageRequest request;
    request.text = problem;
    request.icon = MsgIcon::Critical;
    m_platform.messageBox.show(request);
}

void MainWindow::lang_Click() {
    const LanguageResult result = ::lang_Click(m_state, m_folders, m_lang->currentText());
    m_buttonWords.use(m_state.texts.languageName);
    showLanguageProblem(result);
}

static ElapsedTime elapsedOf(const GameState& s) {
    return {s.elapsedHours, s.elapsedMinutes, s.elapsedSeconds};
}

void MainWindow::ment_Click() {
    if (m_results.ment_Click(elapsedOf(m_state)) == StoreOutcome::Stored) afterStoring();
}

// The stored result is shown in the browser, marked; then a new game begins, or the
// replay of a game chosen in the browser.
void MainWindow::afterStoring() {
    if (!m_finished.empty())
        m_storedFinished.push_back({{m_state.storing.storedDate, m_state.storing.storedTime}, m_finished.size() - 1});
    const std::optional<GameRecord> replay = showResultsBrowser();
    newGameAfterStoring();
    if (replay) startReplay(*replay);
}

void MainWindow::er_megj_Click() {
    if (!::er_megj_Click(m_state, m_platform, m_folder)) return;
    if (const std::optional<GameRecord> replay = showResultsBrowser()) startReplay(*replay);
}

std::optional<GameRecord> MainWindow::showResultsBrowser() {
    if (!ResultsFileReady(m_state, m_platform, m_folder)) return std::nullopt;
    syncView();
    ResultsBrowserWindow browser(m_state, m_platform, m_folder, this);
    browser.setHelpHook([this](int t) { showHelp(t); });
    browser.listOutput().setStartFolder(m_folder.absolutePath());
    // The browser shows the results of the mode in use: a game of the other mode never
    // matches a row, even one stored in the same second.
    const auto gameOf = [this](const ResultStamp& stamp) -> const GameRecord* {
        for (const auto& [stored, index] : m_storedFinished)
            if (stored == stamp && m_finished[index].start.pendoly == m_state.pendolyMode) return &m_finished[index];
        return nullptr;
    };
    if (m_replay.canStart()) browser.offerReplay([gameOf](const ResultStamp& stamp) { return gameOf(stamp) != nullptr; });
    browser.exec();
    if (!browser.replayChosen()) return std::nullopt;
    const GameRecord* game = gameOf(*browser.replayChosen());
    return game ? std::optional<GameRecord>(*game) : std::nullopt;
}

void MainWindow::megse_Click() {
    if (m_results.megse_Click()) newGameAfterStoring();
}

void MainWindow::tarol_Click() {
    m_results.tarol_Click();
    m_flow.TakePauseOutOfClock();
    m_flow.CheckSolved();
}

void MainWindow::newGameAfterStoring() {
    StartNewGameFromStore(m_state, [this] { m_shuffling->uj_Click(); });
}

void MainWindow::ntoregy_Click() {
    if (!m_results.ntoregy_Click()) return;
    NameDeletionDialog dialog(m_state, m_platform, m_folder, this);
    dialog.setHelpHook([this](int topic) { showHelp(topic); });
    dialog.exec();
}

// The colour dialog stores its colours itself; the board shows them once it closes.
void MainWindow::color_Click() {
    ColourSettingsDialog dialog(m_state, m_platform, m_folder, this);
    dialog.setHelpHook([this](int t) { showHelp(t); });
    dialog.exec();
}

void MainWindow::nevj_Click() {
    AboutDialog dialog(m_state, this);
    dialog.exec();
}

void MainWindow::stmegj_Click() { showStatistics(false); }

void MainWindow::showStatistics(bool progress) {
    const QString path = m_folder.filePath(m_state.resultsFile);
    if (!QFileInfo::exists(path)) {
        ShowMessage(m_state, m_platform, kNoResultsFile, MsgIcon::Information);
        return;
    }
    StatisticsWindow window(m_state, m_platform, path, this);
    window.setHelpHook([this](int t) { showHelp(t); });
    window.setStartFolder(m_folder.absolutePath());
    if (progress) window.showView(StatisticsView::Progress);
    window.exec();
}

void MainWindow::exitRequested() {
    stopDemo();
    stopReplay();
    const LeaveAnswer answer = m_keeper.confirmLeave();
    if (answer == LeaveAnswer::Stay) return;
    if (!kilep_Click(m_state, m_platform, m_folder, answer != LeaveAnswer::Answered)) return;
    quitNow();
}

void MainWindow::kezel_Click() { showHelp(MainWindowHelpTopic(m_state)); }

void MainWindow::bringToFront() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
    if (QWidget* dialog = QApplication::activeModalWidget(); dialog && dialog != this) {
        dialog->raise();
        dialog->activateWindow();
    }
}

void MainWindow::showHelp(int helpTopic) {
    // Over the dialog that asked for it, so that it stays in front of that one.
    QWidget* over = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this;
    ShowDocumentViewer(m_state, m_platform, m_folders, helpTopic, over);
}

void MainWindow::quitNow() {
    m_quitting = true;
    close();
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    stopDemo();
    stopReplay();
    LeaveAnswer answer = LeaveAnswer::NoGame;
    if (!m_quitting && m_state.panel.kilep.enabled) answer = m_keeper.confirmLeave();
    if (answer == LeaveAnswer::Stay) {
        event->ignore();
        syncView();
        return;
    }
    if (m_quitting || Form_Unload(m_state, m_platform, m_folder, answer != LeaveAnswer::Answered)) {
        m_quitting = true;
        m_solver->cancelAll();
        event->accept();
        return;
    }
    event->ignore();
    syncView();
}

// Classic key codes: arrows 37..40, digits 48..57, Enter 13, Esc 27, Space 32,
// Delete 46, F1 112, Ctrl+Break 3; 0 for keys the game does not use.
static int classicKeyCode(const QKeyEvent* e) {
    const int key = e->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return KeyCode::Digit0 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Left: return KeyCode::Left;
    case Qt::Key_Up: return KeyCode::Up;
    case Qt::Key_Right: return KeyCode::Right;
    case Qt::Key_Down: return KeyCode::Down;
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyCode::Enter;
    case Qt::Key_Escape: return KeyCode::Escape;
    case Qt::Key_Space: return KeyCode::Space;
    case Qt::Key_Delete: return KeyCode::Delete;
    case Qt::Key_F1: return KeyCode::F1;
    case Qt::Key_Pause:
    case Qt::Key_Cancel: return (e->modifiers() & Qt::ControlModifier) ? KeyCode::Break : 0;
    default: return 0;
    }
}

void MainWindow::Form_KeyDown(int keyCode, int shift) {
    run([this, keyCode, shift] { m_keys.Form_KeyDown(keyCode, shift); });
}

// The control that typed keys go to: the application's focus, or, while the window
// receives keys without being the active one (as on a display without a window
// manager), the window's own focus control.
QWidget* MainWindow::keyFocus() const {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : focusWidget();
}

// Whether the pop-up open now (a combo box's list) belongs to `watched`.
static bool ownsOpenPopup(const QObject* watched) {
    for (const QObject* o = QApplication::activePopupWidget(); o; o = o->parent())
        if (o == watched) return true;
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // A box's own list or menu opening takes the focus for a moment: the box is
        // not being left.
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason || ownsOpenPopup(watched))
            return false;
        if (watched == m_sorsz) {
            if (!sorsz_Validate(m_state, m_sorsz->text())) {
                QTimer::singleShot(0, m_sorsz, [this] { m_sorsz->setFocus(); });
                return false;
            }
            QTimer::singleShot(0, this, [this] { run([this] { sorsz_LostFocus(m_state, m_flow); }); });
        } else if (watched == m_neve) {
            run([this] { m_results.neve_Validate(); });
        } else if (watched == m_lang) {
            run([this] { lang_LostFocus(m_state); });
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    QWidget* focus = keyFocus();
    // Each key is seen once, on its way to the focused control of this window (or to
    // the window itself when no control of the program has the focus).
    const bool toWindow = watched == this && QApplication::focusWidget() == nullptr;
    if (watched != focus && !toWindow) return false;
    if (focus && focus->window() != this) return false;
    if (key->key() == Qt::Key_C && (key->modifiers() & Qt::ControlModifier)) {
        quitNow();
        return true;
    }
    if (m_replay.active()) return replayKey(key);
    const int code = classicKeyCode(key);
    if (focus != m_sorsz && !(focus && (focus == m_neve || m_neve->isAncestorOf(focus)))) {
        if (key->key() == Qt::Key_F2) {
            run([this] { m_solver->hint(); });
            return true;
        }
        if (m_solver->playbackKey(code)) {
            syncView();
            return true;
        }
    }
    if (focus == m_sorsz) {
        if (code == KeyCode::Enter) focusNextChild(); // Enter acts as Tab
        return code == KeyCode::Enter;
    }
    if (code == KeyCode::F1) {   // help from the name box and the language chooser too
        Form_KeyDown(code, 0);
        return true;
    }
    if (focus && (focus == m_neve || m_neve->isAncestorOf(focus))) {
        int ascii = code == KeyCode::Enter ? 13 : (key->text().isEmpty() ? 0 : key->text()[0].unicode());
        if (ascii == 0) return false;
        const int before = ascii;
        std::optional<StoreOutcome> outcome;
        run([&] { outcome = m_results.neve_KeyPress(ascii, elapsedOf(m_state)); });
        if (outcome == StoreOutcome::Stored) run([this] { afterStoring(); });
        return ascii != before || ascii == 0;
    }
    if (focus && (focus == m_lang || m_lang->isAncestorOf(focus))) {
        if (code == KeyCode::Escape || code == KeyCode::Enter) {
            run([this, code] { lang_KeyDown(m_state, code); });
            return true;
        }
        return false;
    }
    if (code == 0) return false;
    Form_KeyDown(code, (key->modifiers() & Qt::ShiftModifier) ? kShiftMask : 0);
    return true;
}

void MainWindow::syncNameList() {
    QStringList items;
    for (int i = 0; i < m_neve->count(); ++i) items << m_neve->itemText(i);
    if (items == m_state.storing.playerNames) return;
    const QString text = m_neve->currentText();
    m_neve->clear();
    m_neve->addItems(m_state.storing.playerNames);
    m_neve->setEditText(text);
}

// ---------------------------------------------------------------- the game as a value

void MainWindow::buildRecordMenu(QMenu* menu) {
    const auto add = [this, menu](const char* name, void (MainWindow::*handler)()) {
        QAction* action = menu->addAction(QString());
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, handler] {
            stopReplay();
            run([this, handler] { (this->*handler)(); });
        });
        return action;
    };
    m_replayAction = add("visszajatszas", &MainWindow::replay_Click);
    m_startCodeAction = add("kezdokod", &MainWindow::startCode_Click);
    m_enterCodeAction = add("kodbeiras", &MainWindow::enterCode_Click);
}

// The start the code menu item shows: the game's own once it has begun, the set-up's before.
static GameStart startOnShow(const GameState& s) {
    return s.phase == GamePhase::SetUp ? CaptureStart(s) : s.record.start;
}

void MainWindow::syncRecordMenu() {
    const LanguageTable& texts = m_state.texts;
    m_replayAction->setText(OwnTextIn(OwnText::ReplayCaption, texts));
    m_startCodeAction->setText(OwnTextIn(OwnText::StartCodeCaption, texts));
    m_enterCodeAction->setText(OwnTextIn(OwnText::EnterCodeCaption, texts));
    const GamePhase phase = m_state.phase;
    const bool quiet = !demoRunning(m_state) && !m_replay.active();
    m_replayAction->setEnabled(m_replay.canStart());
    const bool gameOnShow = phase == GamePhase::SetUp || phase == GamePhase::Playing ||
                            phase == GamePhase::Paused || phase == GamePhase::Finished;
    m_startCodeAction->setEnabled(quiet && gameOnShow && IsSoundStart(startOnShow(m_state)));
    m_enterCodeAction->setEnabled(quiet && phase == GamePhase::SetUp);
}

void MainWindow::replay_Click() {
    if (m_finished.empty()) {
        ShowOwnMessage(m_state, m_platform, OwnText::ReplayNothing, MsgIcon::Information);
        return;
    }
    startReplay(m_finished.back());
}

void MainWindow::startReplay(const GameRecord& record) {
    if (!m_replay.start(record)) return;
    m_keySink->setFocus();
    m_demoTimer->start();
    syncView();
}

void MainWindow::stopReplay() {
    if (!m_replay.active()) return;
    m_replay.stop();
    syncView();
}

bool MainWindow::replayKey(const QKeyEvent* key) {
    if (key->key() == Qt::Key_Plus)
        m_replay.faster();
    else if (key->key() == Qt::Key_Minus)
        m_replay.slower();
    else if (classicKeyCode(key) == KeyCode::F1)
        Form_KeyDown(KeyCode::F1, 0);
    else
        m_replay.key(classicKeyCode(key));
    syncView();
    return true;
}

void MainWindow::startCode_Click() {
    const QString code = EncodeStartCode(startOnShow(m_state));
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(code);
    MessageRequest request;
    request.text = OwnTextIn(OwnText::StartCodeShown, m_state.texts).arg(code);
    request.icon = MsgIcon::Information;
    m_platform.messageBox.show(request);
}

void MainWindow::enterCode_Click() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QString offered = clipboard ? clipboard->text().trimmed() : QString();
    const QString code = m_platform.inputBox.ask(OwnTextIn(OwnText::EnterCodePrompt, m_state.texts),
                                                 QString::fromLatin1(kTitle),
                                                 offered.startsWith(QLatin1String("ZK"), Qt::CaseInsensitive)
                                                     ? offered.left(2 * kMaxStartCodeLength)
                                                     : QString());
    if (!code.trimmed().isEmpty()) enterStartCode(code);
}

static QString codeProblemText(const DecodedStartCode& d, const LanguageTable& texts) {
    switch (d.problem) {
    case StartCodeProblem::None: break;
    case StartCodeProblem::NotOurs: return OwnTextIn(OwnText::CodeNotOurs, texts);
    case StartCodeProblem::NewerVersion: return OwnTextIn(OwnText::CodeNewerVersion, texts);
    case StartCodeProblem::BadCharacter: return OwnTextIn(OwnText::CodeBadCharacter, texts).arg(d.badCharacter);
    case StartCodeProblem::TooLong: return OwnTextIn(OwnText::CodeTooLong, texts).arg(kMaxStartCodeLength);
    case StartCodeProblem::TooShort: return OwnTextIn(OwnText::CodeTooShort, texts);
    case StartCodeProblem::Mistyped: return OwnTextIn(OwnText::CodeMistyped, texts);
    case StartCodeProblem::BadSize: return OwnTextIn(OwnText::CodeBadSize, texts).arg(d.size);
    case StartCodeProblem::BadBoard: return OwnTextIn(OwnText::CodeBadBoard, texts);
    }
    return {};
}

void MainWindow::enterStartCode(const QString& code) {
    // A start is set up only in the set-up: never over a game, a demo or a replay.
    if (m_state.phase != GamePhase::SetUp || demoRunning(m_state) || m_replay.active()) return;
    const DecodedStartCode decoded = DecodeStartCode(code);
    if (!decoded.start) {
        MessageRequest request;
        request.text = codeProblemText(decoded, m_state.texts);
        request.icon = MsgIcon::Critical;
        m_platform.messageBox.show(request);
        return;
    }
    GameStart start = *decoded.start;
    const bool asPattern = ResolveCodedStart(start, m_folder);
    run([this, &start] { PutStartOnWindow(m_state, m_platform, start); });
    if (asPattern) ShowOwnMessage(m_state, m_platform, OwnText::CodeStoredGamePlayedAsPattern, MsgIcon::Information);
}
