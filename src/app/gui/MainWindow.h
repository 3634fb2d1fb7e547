// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game window `Form1`: the board on the left, the panel of set-up and game
// controls on the right and above, and the menus. It turns events into calls on the
// game logic and then shows the state: it holds no game state of its own.
#include "app/SolverAssist.h"
#include "app/StartUp.h"
#include "play/GameFlow.h"
#include "play/GameState.h"
#include "play/KeyboardInput.h"
#include "play/MouseInput.h"
#include "play/MoveRules.h"
#include "presentation/GameFolders.h"
#include "presentation/gui/ButtonTranslator.h"
#include "results/ResultStore.h"
#include "results/ResultsBrowser.h"
#include "setup/DemoGame.h"
#include "setup/GameKeeper.h"
#include "setup/Replay.h"
#include "setup/Shuffling.h"
#include "ui/Platform.h"
#include "ui/gui/ControlBinder.h"
#include <memory>
#include <QDir>
#include <QMainWindow>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QAbstractButton;
class QLabel;
class QLineEdit;
class QComboBox;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QTimer;
class QKeyEvent;
class BoardScene;
class BoardView;
class ColourSymbolsOption;
class FormCanvas;
class QtShuffledStateChooser;
class QtStoredGameDialogRunner;
class StoredGames;
struct BoardMouseEvent;
struct LanguageResult;

// The form is this many twips across and down.
constexpr int kFormWidth = 8340;
constexpr int kFormHeight = 6060;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Platform& platform, const GameFolders& folders, QWidget* parent = nullptr);
    ~MainWindow() override;

    GameState& state() { return m_state; }
    const GameState& state() const { return m_state; }
    MoveRules& moves() { return m_moves; }
    SolverAssist& solver() { return *m_solver; }
    GameFlow& flow() { return m_flow; }
    BoardScene& boardScene() { return *m_scene; }
    // The chooser of stored shuffled states (a dialog); tests put a scripted one here.
    void setShuffledStateChooser(ShuffledStateChooser& chooser);

    // Shows the current state in every control and on the board.
    void syncView();

    // Start-up of the window: defaults, settings, language, sound, board. `resultsChecked`,
    // when given, hands over the check of the results files, made meanwhile on another
    // core (see StartUp).
    void Form_Load(const std::function<ResultsCheck()>& resultsChecked = {});
    // Once the window is shown: offers the game kept at the last run, so that the
    // question stands over the window and not over an empty screen.
    void offerKeptGame();

    // A key as the game's handlers see it (classic key codes); also what tests send.
    void Form_KeyDown(int keyCode, int shift);

    // Shows the window in front of the others, with the dialog open in it, if any: what
    // a second copy of the game on the same folder asks for.
    void bringToFront();

    // Opens the documentation viewer at a help section (`helpTopic`); every
    // dialog's F1 and help menu come here through its help hook.
    void showHelp(int helpTopic);

    // Sets up the start a code describes, or says why the code cannot be used.
    void enterStartCode(const QString& code);
    // The replay of games finished during this run; tests drive it directly.
    Replay& replay() { return m_replay; }
    // Games finished during this run, the last one last.
    const std::vector<GameRecord>& finishedGames() const { return m_finished; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPanel();
    void buildMenus();
    QPushButton* addButton(ControlState PanelControls::*state, const char* name, QRect twips);
    // A frame of option buttons, placed one under the other from `firstTwips`.
    void addOptionGroup(ControlState PanelControls::*frameState, const char* frameName,
                        QRect frameTwips,
                        std::initializer_list<std::pair<ControlState PanelControls::*, const char*>> options,
                        QRect firstTwips, int stepTwips);
    QLabel* addLabel(ControlState PanelControls::*state, const char* name, QRect twips);
    QAction* addAction(QMenu* menu, ControlState PanelControls::*state, const char* name,
                       std::function<void()> handler = {}, bool checkable = false);
    void bind(ControlState PanelControls::*state, QWidget* widget);
    // Runs a handler, then shows the result.
    void run(const std::function<void()>& handler);
    void connectClick(const char* name, std::function<void()> handler);
    bool sorszRefusesToBeLeft();
    QWidget* keyFocus() const;
    void applyFocusRequest();
    void wireHandlers();
    void wireStoredGames();
    void quitNow();
    // The demo game: started from its menu item, stepped by its own timer.
    void wireDemo();
    void demo_jatek_Click();
    void demoTimer_Timer();
    // Ends a running demo before the window acts on a request to leave.
    void stopDemo();
    // Hint, solve and the shortest solution: the menu items, F2, the end-of-game line.
    void wireSolver();
    // What happened on the board frame, as the view reports it.
    enum class BoardMouse { Down, Move, Up, DoubleClick };
    void boardMouse(const BoardMouseEvent& e, BoardMouse kind);
    void hdim_Click();
    void nyelv_Click();
    void lang_Click();
    void showLanguageProblem(const LanguageResult& result);
    void ment_Click();
    void megse_Click();
    void tarol_Click();
    void newGameAfterStoring();
    void afterStoring();
    void er_megj_Click();
    // The browser; the finished game whose replay was chosen in it, if one was.
    std::optional<GameRecord> showResultsBrowser();
    void ntoregy_Click();
    void nevj_Click();
    void color_Click();
    void kezel_Click();
    // Menu "Statisztika": the statistics window, or message 2 when there are no results.
    void stmegj_Click();
    // Menu "Fejlődés": the same window, opened on its progress chart.
    void showStatistics(bool progress);
    void exitRequested();
    void syncNameList();
    void prepareSound();
    // The game as a value: the replay of the last finished game, the code of the start
    // on show, a start set up from a code.
    void buildRecordMenu(QMenu* menu);
    void syncRecordMenu();
    void replay_Click();
    void startCode_Click();
    void enterCode_Click();
    void startReplay(const GameRecord& record);
    void stopReplay();
    bool replayKey(const QKeyEvent* key);

    Platform& m_platform;
    GameFolders m_folders;   // the shipped files (language, documents, sounds) come from here
    QDir m_folder;           // the player's files
    GameState m_state;
    MoveRules m_moves;
    GameFlow m_flow;
    MouseInput m_mouse;
    KeyboardInput m_keys;
    std::unique_ptr<QtShuffledStateChooser> m_dialogChooser;
    ShuffledStateChooser* m_chooser = nullptr;
    std::unique_ptr<Shuffling> m_shuffling;
    std::unique_ptr<QtStoredGameDialogRunner> m_storedGameDialog;
    std::unique_ptr<StoredGames> m_storedGames;
    ResultStore m_results;
    DemoGame m_demo;
    std::unique_ptr<SolverAssist> m_solver;   // hint, solve, the shortest solution
    GameKeeper m_keeper;
    Replay m_replay;
    std::vector<GameRecord> m_finished;
    // The results stored during this run, each with the index of its game in m_finished.
    std::vector<std::pair<ResultStamp, std::size_t>> m_storedFinished;
    QAction* m_replayAction = nullptr;
    QAction* m_startCodeAction = nullptr;
    QAction* m_enterCodeAction = nullptr;
    bool m_quitting = false;        // the program is ending: no more questions
    ButtonTranslator m_buttonWords; // Yes / No / Cancel / OK in the game's language

    FormCanvas* m_canvas = nullptr;
    BoardScene* m_scene = nullptr;
    BoardView* m_view = nullptr;
    QWidget* m_keySink = nullptr;   // pp
    QLineEdit* m_sorsz = nullptr;   // the boxes whose keys and focus the window watches
    QComboBox* m_neve = nullptr;
    QComboBox* m_lang = nullptr;
    QCheckBox* m_atrend = nullptr;
    QTimer* m_timer = nullptr;      // Timer1
    QTimer* m_demoTimer = nullptr;  // runs while the demo does
    ControlBinder m_binder;
    std::vector<QMenu*> m_menus;
    ColourSymbolsOption* m_colourSymbols = nullptr;   // menu item: symbols on the colours
    QAction* m_progress = nullptr;                    // menu item: the progress chart
};
