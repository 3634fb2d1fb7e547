// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A game kept in the continue file and continued: every type in both modes, a
// rearrangement game in its second stage and at its pause, the clock, and every kind
// of file that must not be continued.
#include "RecordFixture.h"
#include "files/FileLimits.h"
#include "play/Assistance.h"
#include "play/GameModes.h"
#include "setup/ContinueFile.h"
#include "setup/GameKeeper.h"
#include "setup/GameRestore.h"
#include "support/NonRegularFiles.h"
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// What a continued game must have as it had when it was kept.
void ExpectSameGame(const GameState& a, const GameState& b) {
    EXPECT_EQ(a.N(), b.N());
    EXPECT_EQ(a.pendolyMode, b.pendolyMode);
    EXPECT_EQ(StartTypeOf(a), StartTypeOf(b));
    EXPECT_EQ(a.panel.atrend.checked, b.panel.atrend.checked);
    for (int r = 0; r <= a.board.borderIdx(); ++r)
        for (int q = 0; q <= a.board.borderIdx(); ++q)
            EXPECT_EQ(a.board.value({r, q}), b.board.value({r, q})) << "cell " << r << "," << q;
    EXPECT_EQ(a.phase, b.phase);
    EXPECT_EQ(a.gameRunning, b.gameRunning);
    EXPECT_EQ(a.stepCount, b.stepCount);
    EXPECT_EQ(a.panel.Lszm.caption, b.panel.Lszm.caption);
    ASSERT_EQ(a.moveHistory.size(), b.moveHistory.size());
    if (!a.moveHistory.empty()) { EXPECT_EQ(*a.moveHistory.newest(), *b.moveHistory.newest()); }
    EXPECT_EQ(a.slotCol, b.slotCol);
    EXPECT_EQ(a.gapCount, b.gapCount);
    EXPECT_EQ(a.firstGapCount, b.firstGapCount);
    EXPECT_EQ(a.rearrangePhase, b.rearrangePhase);
    EXPECT_EQ(a.ascendingOpen, b.ascendingOpen);
    EXPECT_EQ(a.descendingOpen, b.descendingOpen);
    EXPECT_EQ(a.storedGameNo, b.storedGameNo);
    EXPECT_EQ(a.storedGameName, b.storedGameName);
    EXPECT_EQ(a.shuffleNo, b.shuffleNo);
    const StartType type = StartTypeOf(a);
    if (playsToMap(type)) { EXPECT_EQ(a.targetMapText, b.targetMapText); }
    if (type == StartType::Diagonal || type == StartType::RandomColours) { EXPECT_EQ(a.rowColours, b.rowColours); }
    if (type == StartType::RandomColours) { EXPECT_EQ(a.colColours, b.colColours); }
    EXPECT_EQ(a.resultsFile, b.resultsFile);
    EXPECT_EQ(a.record, b.record);
    EXPECT_TRUE(b.record.recording);
    EXPECT_EQ(a.assisted, b.assisted);
    EXPECT_EQ(a.panel.segitseg.visible, b.panel.segitseg.visible);
}

// Keeps `game` through the file's bytes and continues it in a fresh window whose
// clock stands elsewhere; returns that window.
std::unique_ptr<BoardFixture> KeptAndContinued(RecordedGame& game, qint64 laterMs) {
    const SavedGame saved = SavedGameOf(game.s, game.fp.clock.monotonicMs());
    const DecodedSavedGame read = DecodeSavedGame(EncodeSavedGame(saved));
    EXPECT_EQ(read.problem, SavedGameProblem::None);
    auto next = std::make_unique<BoardFixture>(BoardFixture::Type::Diagonal, 5);
    next->fp.clock.monotonic = laterMs;
    EXPECT_TRUE(read.game && RestoreSavedGame(next->s, next->fp.platform, *read.game));
    EXPECT_TRUE(next->fp.messageBox.shown.empty());
    return next;
}

struct TypeCase {
    const char* name;
    StartType type;
    bool pendoly;
    bool rearrangement;
    int n;
};

class ContinueEveryType : public ::testing::TestWithParam<TypeCase> {};

TEST_P(ContinueEveryType, KeepsBoardCountersAndClock) {
    const TypeCase& c = GetParam();
    std::mt19937 rng(static_cast<unsigned>(c.n * 10 + static_cast<int>(c.type)));
    GameStart start = RandomStart(c.n, c.type, c.pendoly, rng);
    start.rearrangement = c.rearrangement;
    RecordedGame game(start);
    ASSERT_TRUE(game.s.gameRunning);
    game.fp.clock.advance(65'400);
    game.playRandomly(60, 99);
    ASSERT_EQ(game.s.phase, GamePhase::Playing) << "the random moves ended the game; pick another seed";
    ASSERT_GT(game.s.stepCount, 0);
    game.flow.Timer1_Timer();

    const auto next = KeptAndContinued(game, 5'000'000);
    ExpectSameGame(game.s, next->s);
    // The clock runs on from 1:05; the time between does not count.
    EXPECT_EQ(next->s.panel.elt.caption, QStringLiteral("1:05"));
    next->fp.clock.advance(10'000);
    next->flow.Timer1_Timer();
    EXPECT_EQ(next->s.panel.elt.caption, QStringLiteral("1:15"));
    // The continued game goes on: a take-back undoes the move before the keeping.
    if (!game.s.moveHistory.empty()) {
        EXPECT_TRUE(next->rules.TakeBack());
        EXPECT_EQ(next->s.stepCount, game.s.stepCount - 1);
    }
}

// A hint or the solver before the break still counts after it: the continued game
// is marked, and its result cannot be stored.
TEST(ContinueHelped, AHelpedGameStaysMarked) {
    std::mt19937 rng(7);
    RecordedGame game(RandomStart(4, StartType::Numbers, false, rng));
    ASSERT_TRUE(game.s.gameRunning);
    game.playRandomly(10, 5);
    ASSERT_EQ(game.s.phase, GamePhase::Playing);
    MarkAssisted(game.s);
    const auto next = KeptAndContinued(game, 1'000'000);
    ExpectSameGame(game.s, next->s);
    EXPECT_TRUE(next->s.assisted);
    EXPECT_TRUE(next->s.panel.segitseg.visible);
}

const TypeCase kTypes[] = {
    {"Numbers", StartType::Numbers, false, false, 4},
    {"NumbersRearranged", StartType::Numbers, false, true, 5},
    {"Diagonal", StartType::Diagonal, false, false, 6},
    {"RandomColours", StartType::RandomColours, false, true, 5},
    {"Pattern", StartType::Pattern, false, false, 4},
    {"Stored", StartType::Stored, false, false, 6},
    {"PendolyNumbers", StartType::Numbers, true, false, 6},
    {"PendolyDiagonal", StartType::Diagonal, true, true, 4},
    {"PendolyRandomColours", StartType::RandomColours, true, false, 5},
    {"PendolyPattern", StartType::Pattern, true, false, 5},
    {"PendolyStored", StartType::Stored, true, false, 4},
};

INSTANTIATE_TEST_SUITE_P(Types, ContinueEveryType, ::testing::ValuesIn(kTypes),
                         [](const auto& info) { return std::string(info.param.name); });

// A 4 x 4 number game with one open cell below the last column, its tiles in order:
// moving 16 down and up again reaches the first target of a rearrangement game.
GameStart OrderedNumbers() {
    GameStart start;
    start.n = 4;
    start.type = StartType::Numbers;
    start.rearrangement = true;
    for (int v = 1; v <= 16; ++v) start.field.push_back(v);
    const std::vector<Cell> ring = OpenableRingCells(4);
    start.openRing = quint32{1} << (std::find(ring.begin(), ring.end(), Cell{5, 4}) - ring.begin());
    return start;
}

void ReachFirstTarget(RecordedGame& game) {
    game.rules.Play(Move::slide({4, 4}, {5, 4}));
    game.fp.clock.advance(30'000);
    game.rules.Play(Move::slide({5, 4}, {4, 4}));
}

TEST(ContinueRearrangement, AtThePauseAndInTheSecondStage) {
    RecordedGame game(OrderedNumbers());
    ReachFirstTarget(game);
    ASSERT_TRUE(pausedAtFirstTarget(game.s));
    EXPECT_EQ(game.s.rearrangePhase, 2);
    game.fp.clock.advance(20'000);   // the pause: it does not count

    {
        SCOPED_TRACE("paused at the first target");
        const auto next = KeptAndContinued(game, 900'000);
        ExpectSameGame(game.s, next->s);
        EXPECT_EQ(next->s.panel.elt.caption, QStringLiteral("0:30"));
        EXPECT_TRUE(next->s.panel.folytat.visible);
        next->fp.clock.advance(40'000);
        next->clickCell({5, 1});
        next->clickCell({0, 1});
        next->flow.folytat_Click();   // two open cells where the first stage had one: Yes
        ASSERT_EQ(next->s.phase, GamePhase::Playing);
        next->fp.clock.advance(5'000);
        next->flow.Timer1_Timer();
        EXPECT_EQ(next->s.panel.elt.caption, QStringLiteral("0:35"));
    }

    // Second stage, with another cell opened and a different count of open cells.
    game.clickCell({5, 1});
    game.clickCell({0, 1});
    game.flow.folytat_Click();
    ASSERT_EQ(game.s.phase, GamePhase::Playing);
    game.rules.Play(Move::slide({4, 1}, {5, 1}));
    game.rules.Play(Move::slide({4, 2}, {4, 1}));
    game.fp.clock.advance(7'000);
    game.flow.Timer1_Timer();
    SCOPED_TRACE("in the second stage");
    const auto next = KeptAndContinued(game, 1'800'000);
    ExpectSameGame(game.s, next->s);
    EXPECT_EQ(next->s.panel.elt.caption, QStringLiteral("0:37"));
    EXPECT_EQ(next->s.gapCount, 2);
    EXPECT_EQ(next->s.firstGapCount, 1);
}

// A file whose steps do not lead where it says is not this game's: the window stays.
TEST(ContinueRefused, StepsThatDoNotLeadThere) {
    std::mt19937 rng(5);
    RecordedGame game(RandomStart(4, StartType::Numbers, false, rng));
    game.playRandomly(20, 3);
    const SavedGame good = SavedGameOf(game.s, game.fp.clock.monotonicMs());

    struct Spoil {
        const char* name;
        std::function<void(SavedGame&)> spoil;
    };
    const Spoil spoils[] = {
        {"another board", [](SavedGame& g) {
             for (size_t i = 7; i + 1 < g.board.size(); ++i)
                 if (g.board[i] != g.board[i + 1] && g.board[i] != kWall && g.board[i + 1] != kWall) {
                     std::swap(g.board[i], g.board[i + 1]);
                     return;
                 }
         }},
        {"another count", [](SavedGame& g) { ++g.stepCount; }},
        {"paused without a pause", [](SavedGame& g) { g.paused = true; }},
        {"a move the rules refuse", [](SavedGame& g) { g.record.steps.insert(g.record.steps.begin(), RecordStep::played(Move::slide({1, 1}, {3, 3}))); }},
        {"a take-back of nothing", [](SavedGame& g) { g.record.steps.insert(g.record.steps.begin(), RecordStep::takeBack()); }},
        {"a pause no move caused", [](SavedGame& g) {
             RecordStep pause;
             pause.kind = StepKind::FirstTarget;
             pause.rearrangePhase = 1;
             g.record.steps.push_back(pause);
         }},
        {"a start that cannot begin", [](SavedGame& g) { g.record.start.openRing = 0; }},
    };
    for (const Spoil& s : spoils) {
        SCOPED_TRACE(s.name);
        SavedGame bad = good;
        s.spoil(bad);
        BoardFixture other(BoardFixture::Type::Diagonal, 5);
        const std::vector<int> before = [&] {
            std::vector<int> v;
            for (int p = 1; p <= 25; ++p) v.push_back(other.s.board.value(other.s.board.fieldCell(p)));
            return v;
        }();
        EXPECT_FALSE(RestoreSavedGame(other.s, other.fp.platform, bad));
        EXPECT_EQ(other.s.N(), 5);
        EXPECT_TRUE(other.s.panel.atlos.checked);
        EXPECT_EQ(other.s.phase, GamePhase::SetUp);
        for (int p = 1; p <= 25; ++p) EXPECT_EQ(other.s.board.value(other.s.board.fieldCell(p)), before[p - 1]);
        EXPECT_TRUE(other.fp.messageBox.shown.empty());
    }
}

TEST(ContinueFileBytes, EveryCutAndEveryFlippedByteIsRefused) {
    std::mt19937 rng(8);
    RecordedGame game(RandomStart(5, StartType::RandomColours, true, rng));
    game.playRandomly(15, 4);
    const QByteArray bytes = EncodeSavedGame(SavedGameOf(game.s, game.fp.clock.monotonicMs()));
    ASSERT_EQ(DecodeSavedGame(bytes).problem, SavedGameProblem::None);
    for (qsizetype cut = 0; cut < bytes.size(); ++cut)
        EXPECT_FALSE(DecodeSavedGame(bytes.left(cut)).game) << "cut at " << cut;
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        QByteArray flipped = bytes;
        flipped[at] = static_cast<char>(flipped[at] ^ 0x10);
        EXPECT_FALSE(DecodeSavedGame(flipped).game) << "byte " << at;
    }
    QByteArray later = bytes;
    later[6] = '2';
    EXPECT_EQ(DecodeSavedGame(later).problem, SavedGameProblem::NewerVersion);
    EXPECT_EQ(DecodeSavedGame("param.dat bytes").problem, SavedGameProblem::NotAGameFile);
}

// --- the keeper: the file's life in the player's folder -------------------------

struct KeeperFixture {
    QTemporaryDir dir;
    QDir folder{dir.path()};
    QString path() const { return folder.filePath(QString::fromLatin1(kContinueFileName)); }
    QByteArray bytesOf(const QString& name) const {
        QFile f(folder.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The side files that hold set-aside continue files, oldest first.
    QStringList sideFiles() const {
        return folder.entryList({QStringLiteral("folytat.dat.damaged-*")}, QDir::Files, QDir::Name);
    }
    void put(const QByteArray& bytes) const {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

TEST(GameKeeper, WritesEveryStepAndRemovesTheFileWhenTheGameEnds) {
    KeeperFixture k;
    GameStart start = OrderedNumbers();
    start.rearrangement = false;
    RecordedGame game(start);
    GameKeeper keeper(game.s, game.fp.platform, k.folder);
    keeper.afterAction();
    ASSERT_TRUE(QFile::exists(k.path()));
    game.rules.Play(Move::slide({4, 4}, {5, 4}));
    keeper.afterAction();
    const std::optional<SavedGame> kept = DecodeSavedGame(k.bytesOf(QString::fromLatin1(kContinueFileName))).game;
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->stepCount, 1);
    EXPECT_EQ(kept->record.steps.size(), 1u);
    game.rules.Play(Move::slide({5, 4}, {4, 4}));   // solved: the game ends
    ASSERT_EQ(game.s.phase, GamePhase::Finished);
    keeper.afterAction();
    EXPECT_FALSE(QFile::exists(k.path()));
    EXPECT_EQ(k.folder.entryList(QDir::Files), QStringList());
}

TEST(GameKeeper, OffersTheKeptGameAndNoDiscardsIt) {
    KeeperFixture k;
    std::mt19937 rng(2);
    RecordedGame game(RandomStart(5, StartType::Diagonal, false, rng));
    game.playRandomly(10, 1);
    ASSERT_TRUE(WriteContinueFile(k.folder, SavedGameOf(game.s, 0)));

    BoardFixture yes(BoardFixture::Type::Numbers, 4);
    GameKeeper(yes.s, yes.fp.platform, k.folder).offerKeptGame();
    ASSERT_EQ(yes.fp.messageBox.shown.size(), 1u);
    EXPECT_EQ(yes.fp.messageBox.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(yes.s.phase, GamePhase::Playing);
    EXPECT_EQ(yes.s.stepCount, game.s.stepCount);
    EXPECT_TRUE(QFile::exists(k.path()));

    BoardFixture no(BoardFixture::Type::Numbers, 4);
    no.fp.messageBox.answers = {MsgAnswer::No};
    GameKeeper(no.s, no.fp.platform, k.folder).offerKeptGame();
    EXPECT_EQ(no.s.phase, GamePhase::SetUp);
    EXPECT_FALSE(QFile::exists(k.path()));
}

// A file that cannot be continued: the game starts as ever, the player is told, and
// the file is kept aside byte for byte in a side file of its own.
TEST(GameKeeper, SetsAnUnreadableFileAsideAndSaysSo) {
    std::mt19937 rng(4);
    RecordedGame game(RandomStart(4, StartType::Numbers, false, rng));
    game.playRandomly(10, 2);
    SavedGame foreign = SavedGameOf(game.s, 0);
    ++foreign.stepCount;
    const QByteArray whole = EncodeSavedGame(SavedGameOf(game.s, 0));
    const QByteArray cases[] = {whole.left(whole.size() / 2), QByteArray("\x00\x01garbage", 9),
                                EncodeSavedGame(foreign), QByteArray()};
    for (const QByteArray& bytes : cases) {
        KeeperFixture k;
        k.put(bytes);
        BoardFixture f(BoardFixture::Type::Numbers, 4);
        GameKeeper(f.s, f.fp.platform, k.folder).offerKeptGame();
        EXPECT_EQ(f.s.phase, GamePhase::SetUp);
        const QStringList sides = k.sideFiles();
        ASSERT_EQ(sides.size(), 1);
        ASSERT_FALSE(f.fp.messageBox.shown.empty());
        EXPECT_TRUE(f.fp.messageBox.shown.back().text.contains(sides[0]));
        EXPECT_FALSE(QFile::exists(k.path()));
        EXPECT_EQ(k.bytesOf(sides[0]), bytes);
    }
    // A second bad file does not take the first one's place.
    KeeperFixture k;
    k.put("first");
    BoardFixture f(BoardFixture::Type::Numbers, 4);
    GameKeeper(f.s, f.fp.platform, k.folder).offerKeptGame();
    k.put("second");
    GameKeeper(f.s, f.fp.platform, k.folder).offerKeptGame();
    const QStringList sides = k.sideFiles();
    ASSERT_EQ(sides.size(), 2);
    EXPECT_EQ(k.bytesOf(sides[0]), QByteArray("first"));
    EXPECT_EQ(k.bytesOf(sides[1]), QByteArray("second"));
}

// What is no continue file of the game's (a FIFO, a file larger than any game) is told,
// left where it is, and not written over by the games of this run.
TEST(GameKeeper, LeavesWhatIsNoContinueFileAlone) {
    for (const bool fifo : {true, false}) {
        SCOPED_TRACE(fifo ? "a FIFO" : "a file over the limit");
        KeeperFixture k;
        if (fifo) {
            ASSERT_TRUE(PutNonRegularFile(k.path(), NonRegularFile::Fifo));
        } else {
            QFile big(k.path());
            ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(FileLimit::ContinueFile + 1));
        }
        std::mt19937 rng(8);
        RecordedGame game(RandomStart(4, StartType::Numbers, false, rng));
        GameKeeper keeper(game.s, game.fp.platform, k.folder);
        keeper.offerKeptGame();
        ASSERT_EQ(game.fp.messageBox.shown.size(), 1u);
        EXPECT_TRUE(game.fp.messageBox.shown[0].text.contains(QString::fromLatin1(kContinueFileName)));
        game.playRandomly(3, 8);
        keeper.afterAction();
        EXPECT_EQ(game.fp.messageBox.shown.size(), 1u);
        EXPECT_EQ(FileTypeAt(k.path()), fifo ? S_IFIFO : S_IFREG);
        if (!fifo) { EXPECT_EQ(QFileInfo(k.path()).size(), FileLimit::ContinueFile + 1); }
        EXPECT_EQ(k.folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                  QStringList{QString::fromLatin1(kContinueFileName)});
    }
}

TEST(GameKeeper, LeavingKeepsDiscardsOrStays) {
    struct Case {
        MsgAnswer answer;
        LeaveAnswer result;
        bool fileAfter;
    };
    for (const Case c : {Case{MsgAnswer::Yes, LeaveAnswer::Answered, true},
                         Case{MsgAnswer::No, LeaveAnswer::Answered, false},
                         Case{MsgAnswer::Cancel, LeaveAnswer::Stay, true}}) {
        KeeperFixture k;
        std::mt19937 rng(6);
        RecordedGame game(RandomStart(4, StartType::RandomColours, false, rng));
        GameKeeper keeper(game.s, game.fp.platform, k.folder);
        game.playRandomly(5, 6);
        keeper.afterAction();
        game.fp.clock.advance(90'000);
        game.fp.messageBox.answers = {c.answer};
        EXPECT_EQ(keeper.confirmLeave(), c.result);
        EXPECT_EQ(QFile::exists(k.path()), c.fileAfter);
        if (c.answer == MsgAnswer::Yes) {
            // Kept with the time played up to the leaving.
            const std::optional<SavedGame> kept = DecodeSavedGame(k.bytesOf(QString::fromLatin1(kContinueFileName))).game;
            ASSERT_TRUE(kept);
            EXPECT_EQ(kept->elapsedMs, 90'000);
            // Nothing more is written: the program is ending.
            game.rules.Play(LegalMoves(game.s).front());
            keeper.afterAction();
            EXPECT_EQ(DecodeSavedGame(k.bytesOf(QString::fromLatin1(kContinueFileName))).game->stepCount, kept->stepCount);
        }
    }
}

TEST(GameKeeper, NoQuestionWithoutAGameUnderWay) {
    KeeperFixture k;
    BoardFixture f(BoardFixture::Type::Numbers, 4);
    GameKeeper keeper(f.s, f.fp.platform, k.folder);
    EXPECT_EQ(keeper.confirmLeave(), LeaveAnswer::NoGame);
    EXPECT_TRUE(f.fp.messageBox.shown.empty());
}

} // namespace
