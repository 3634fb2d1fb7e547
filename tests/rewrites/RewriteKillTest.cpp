// Every rewrite of a player's data file, killed at every point of its run: the file is
// then either the old one or the new one, byte for byte, and the next run of the same
// rewrite in that folder does exactly what it does after a clean run.
#include "play/PanelControls.h"
#include "presentation/DisplayOptionsFile.h"
#include "presentation/SettingsFile.h"
#include "results/PlayerNames.h"
#include "results/ResultsFile.h"
#include "rewrites/KillPoints.h"
#include "setup/ContinueFile.h"
#include "setup/GameRestore.h"
#include "support/RecordFixture.h"
#include "setup/ShuffleFixture.h"
#include "support/QtPrinting.h"
#include "support/ResultsFixture.h"
#include "support/StoredGamesFixture.h"
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>
#include <optional>

namespace {

using Content = std::optional<QByteArray>; // nullopt: no such file

struct RewriteCase {
    const char* name;
    QString dataFile;
    std::function<void(const QDir&)> lay;     // the folder before the rewrite
    std::function<bool(const QDir&)> rewrite; // true when it did the expected work
};

void PrintTo(const RewriteCase& c, std::ostream* os) {
    *os << c.name;
}

Content ContentOf(const QDir& folder, const QString& file) {
    QFile f(folder.filePath(file));
    if (!f.exists()) return std::nullopt;
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void Put(const QDir& folder, const QString& file, const Content& content) {
    QFile f(folder.filePath(file));
    if (!content) {
        f.remove();
    } else if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(*content);
    }
}

QStringList Listing(const QDir& folder) {
    return folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

void Empty(const QDir& folder) {
    for (const QString& file : Listing(folder))
        QFile::remove(folder.filePath(file));
}

std::string Describe(const Content& content) {
    return content ? std::to_string(content->size()) + " bytes" : std::string("no file");
}

// `expected` described, with where `content` first differs from it.
std::string Versus(const Content& content, const Content& expected) {
    std::string text = Describe(expected);
    if (!content || !expected) return text;
    qsizetype at = 0;
    while (at < content->size() && at < expected->size() && content->at(at) == expected->at(at))
        ++at;
    return text + ", first difference at byte " + std::to_string(at);
}

// --- the data files -------------------------------------------------------------

const QString kResults = QStringLiteral("eredm.dat");
constexpr int kResultCount = 300;

// A few hundred records, some tens of kilobytes: a file a player fills over a season.
void LayResults(const QDir& folder, int count) {
    static const char* const names[] = {"Anna", "Béla", "Csaba", "Dóra", "Anna"};
    static const char* const dates[] = {"2024.01.05", "2024.03.10", "2024.06.15", "2024.09.20",
                                        "2024.12.25"};
    QList<FixtureResult> records;
    for (int i = 0; i < count; ++i) {
        FixtureResult r{names[i % 5]};
        r.date = dates[(i / 5) % 5];
        r.steps = 10 + i;
        records.append(r);
    }
    WriteResultsFixture(folder.filePath(kResults), records);
}

bool IsAnna(const ResultRecord& record) {
    return record.name == QLatin1String("Anna");
}

bool Rewrite(const QDir& folder, RewriteRequest request, RewriteStatus expected) {
    FakeRandom random;
    return RewriteResults(folder, kResults, request, random).status == expected;
}

void LayNames(const QDir& folder, const char* lines) {
    Put(folder, kPlayerNamesFile, QByteArray(lines));
}

// A built board to save, shared by every child.
const GameState& Board() {
    static const GameState board = [] {
        GameState s;
        FakePlatform fp;
        SetDesignCaptions(s.panel);
        SetDesignVisibility(s.panel);
        BuildTestBoard(s, fp, 4, BoardType::Numbers);
        return s;
    }();
    return board;
}

const QString kShuffled = QString::fromLatin1(kShuffledStatesFileName);

// Three states and the start of a fourth, which a save completes with blanks.
void LayShuffled(const QDir& folder) {
    Put(folder, kShuffled,
        PlainRecord(1, 4).toBytes() + PlainRecord(2, 4).toBytes() + PlainRecord(3, 5).toBytes() +
            "part");
}

bool SaveShuffled(const QDir& folder, int id) {
    FakeRandom random;
    return WriteShuffledState(Board(), random, folder, id).outcome == SaveOutcome::Saved;
}

const QString kSettings = QString::fromLatin1(kSettingsFileName);

// A record followed by bytes the game does not know; they must stay.
void LaySettings(const QDir& folder) {
    Put(folder, kSettings,
        EncodeSettingsRecord(SettingsRecord{}) + QByteArray("later fields\r\n\0\x01", 16));
}

bool WriteChangedSettings(const QDir& folder) {
    SettingsRecord record;
    record.boardSize = 6;
    record.sound = 0;
    record.colours[3] = 0x00123456;
    return WriteSettingsFile(folder, record);
}

const QString kStored = QString::fromLatin1(kStoredGamesFileName);

void LayStoredGames(const QDir& folder) {
    Put(folder, kStored,
        GameRecordBytes(1, 4) + GameRecordBytes(2, 5) + GameRecordBytes(3, 6) +
            GameRecordBytes(4, 4, QStringLiteral("utolso")));
}

StoredGameContent NewGame(int n) {
    return {n, QStringLiteral("uj"), CyclicMap(n), CyclicStart(n)};
}

// Runs `write` on the game with `serial`; false when the file no longer holds it.
template <typename Write> bool WithStoredGame(const QDir& folder, int serial, Write write) {
    const std::optional<StoredGamesScan> scan = ReadStoredGames(folder);
    const StoredGame* game = scan ? FindStoredGame(*scan, serial, 0) : nullptr;
    return game && write(*game);
}

const QString kOptions = QString::fromLatin1(kDisplayOptionsFileName);

const QString kContinue = QString::fromLatin1(kContinueFileName);

// A 6 x 6 game some thousand steps long, kept before and after its next step.
struct KeptGames {
    QByteArray before;
    SavedGame after;
};
const KeptGames& Kept() {
    static const KeptGames kept = [] {
        std::mt19937 rng(21);
        RecordedGame game(RandomStart(6, StartType::Numbers, false, rng));
        game.playRandomly(3000, 5);
        KeptGames k;
        k.before = EncodeSavedGame(SavedGameOf(game.s, 60'000));
        game.rules.Play(LegalMoves(game.s).front());
        k.after = SavedGameOf(game.s, 61'000);
        return k;
    }();
    return kept;
}

const RewriteCase kCases[] = {
    {"ResultsDeleteOne", kResults, [](const QDir& d) { LayResults(d, kResultCount); },
     [](const QDir& d) {
         return Rewrite(d, {RewriteMode::DeleteOne, 150, {}, {}}, RewriteStatus::Rewritten);
     }},
    {"ResultsDeleteFiltered", kResults, [](const QDir& d) { LayResults(d, kResultCount); },
     [](const QDir& d) {
         return Rewrite(d, {RewriteMode::DeleteFiltered, 0, IsAnna, {}}, RewriteStatus::Rewritten);
     }},
    {"ResultsDeleteFilteredUpToDate", kResults, [](const QDir& d) { LayResults(d, kResultCount); },
     [](const QDir& d) {
         return Rewrite(
             d, {RewriteMode::DeleteFilteredUpToDate, 0, IsAnna, QStringLiteral("2024.06.15")},
             RewriteStatus::Rewritten);
     }},
    {"ResultsDeleteEveryRecord", kResults, [](const QDir& d) { LayResults(d, 20); },
     [](const QDir& d) {
         const auto all = [](const ResultRecord&) { return true; };
         return Rewrite(d, {RewriteMode::DeleteFiltered, 0, all, {}}, RewriteStatus::NoRecordKept);
     }},
    {"ResultsAppend", kResults, [](const QDir& d) { LayResults(d, kResultCount); },
     [](const QDir& d) {
         FakeRandom random;
         return AppendResult(d, kResults,
                             Result("Emil", "A", 5, 2, 0, 77, "00:02:03", "2025.01.02", "08:09:10"),
                             random) == AppendStatus::Appended;
     }},
    {"PlayerNameDelete", kPlayerNamesFile,
     [](const QDir& d) { LayNames(d, "\"Anna\"\r\n\"Bela\"\r\nAnna,Csaba\r\n\"Dora\"\r\n"); },
     [](const QDir& d) {
         return DeletePlayerName(d, QStringLiteral("Anna")) == NameFileStatus::Deleted;
     }},
    {"PlayerNameDeleteTheLast", kPlayerNamesFile,
     [](const QDir& d) { LayNames(d, "\"Anna\"\r\n\"Anna\"\r\n"); },
     [](const QDir& d) {
         return DeletePlayerName(d, QStringLiteral("Anna")) == NameFileStatus::FileRemoved;
     }},
    {"PlayerNameAdd", kPlayerNamesFile, [](const QDir& d) { LayNames(d, "\"Anna\"\r\n\"Bela\""); },
     [](const QDir& d) {
         return AddPlayerName(d, QStringLiteral("Dora")) == NameFileStatus::Added;
     }},
    {"ShuffledStateAppend", kShuffled, LayShuffled,
     [](const QDir& d) { return SaveShuffled(d, 0); }},
    {"ShuffledStateOverwrite", kShuffled, LayShuffled,
     [](const QDir& d) { return SaveShuffled(d, 2); }},
    {"SettingsWrite", kSettings, LaySettings, WriteChangedSettings},
    {"DisplayOptionsWrite", kOptions,
     [](const QDir& d) { Put(d, kOptions, QByteArray("Other=x\r\nColourSymbols=0\r\n")); },
     [](const QDir& d) { return WriteDisplayOptions(d, DisplayOptions{true}); }},
    {"StoredGameAppend", kStored, LayStoredGames,
     [](const QDir& d) {
         return AppendStoredGame(d, NewGame(5)).outcome == StoredGamesWrite::Written;
     }},
    {"StoredGameOverwrite", kStored, LayStoredGames,
     [](const QDir& d) {
         return WithStoredGame(d, 3, [&](const StoredGame& g) {
             return OverwriteStoredGame(d, g, NewGame(6)).outcome == StoredGamesWrite::Written;
         });
     }},
    {"StoredGameDeleteInside", kStored, LayStoredGames,
     [](const QDir& d) {
         return WithStoredGame(d, 2, [&](const StoredGame& g) {
             return DeleteStoredGame(d, g) == StoredGamesWrite::Written;
         });
     }},
    {"ContinueFileWrite", kContinue, [](const QDir& d) { Put(d, kContinue, Kept().before); },
     [](const QDir& d) { return WriteContinueFile(d, Kept().after); }},
    {"StoredGameDeleteTheLast", kStored, LayStoredGames,
     [](const QDir& d) {
         return WithStoredGame(d, 4, [&](const StoredGame& g) {
             return DeleteStoredGame(d, g) == StoredGamesWrite::Written;
         });
     }},
};

// --- the check -------------------------------------------------------------------

// What a folder holds after the rewrite ran in it.
struct Outcome {
    Content data;
    QStringList files;
};

class KillCheck : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        for (const char* sub : {"clean", "again", "killed"})
            ASSERT_TRUE(QDir(root.path()).mkdir(QString::fromLatin1(sub)));
        Board(); // built before the first fork, so no child builds it
        Kept();
    }

    QDir folder(const char* sub) const {
        return QDir(root.path() + QLatin1Char('/') + QString::fromLatin1(sub));
    }

    Outcome RunIn(const QDir& dir) const {
        rewriteCase->rewrite(dir);
        return {ContentOf(dir, rewriteCase->dataFile), Listing(dir)};
    }

    // The rewrite once on the old file and once more on its result, each in a clean folder.
    void RunClean() {
        const RewriteCase& c = *rewriteCase;
        const QDir clean = folder("clean");
        c.lay(clean);
        oldData = ContentOf(clean, c.dataFile);
        ASSERT_TRUE(c.rewrite(clean)) << "the rewrite does not do its work on the laid-out folder";
        afterOld = {ContentOf(clean, c.dataFile), Listing(clean)};
        ASSERT_FALSE(oldData == afterOld.data) << "the rewrite changes nothing";

        const QDir again = folder("again");
        c.lay(again);
        Put(again, c.dataFile, afterOld.data);
        afterNew = RunIn(again);
    }

    // After a kill: the file is whole, and what the kill left does not change the next run.
    bool InspectKilled(bool killed) {
        const QDir dir = folder("killed");
        const Content now = ContentOf(dir, rewriteCase->dataFile);
        if (!killed) {
            EXPECT_TRUE(now == afterOld.data)
                << "the unkilled run wrote " << Describe(now) << ", not the new file ("
                << Versus(now, afterOld.data) << ")";
            EXPECT_EQ(Listing(dir), afterOld.files);
            return !HasFailure();
        }
        const bool isOld = now == oldData;
        EXPECT_TRUE(isOld || now == afterOld.data)
            << "a kill left " << Describe(now) << ", neither the old file (" << Versus(now, oldData)
            << ") nor the new one (" << Versus(now, afterOld.data) << ")";
        if (HasFailure()) return false;
        const Outcome next = RunIn(dir);
        const Outcome& expected = isOld ? afterOld : afterNew;
        EXPECT_TRUE(next.data == expected.data)
            << "the next run after a kill that left the " << (isOld ? "old" : "new")
            << " file wrote " << Describe(next.data) << " instead of "
            << Versus(next.data, expected.data);
        EXPECT_EQ(next.files, expected.files) << "a kill left files behind";
        return !HasFailure();
    }

    KillPointsRun RunKills(KillMechanism wanted) {
        const RewriteCase& c = *rewriteCase;
        const QDir dir = folder("killed");
        KillPointsCase killCase;
        killCase.prepare = [&] {
            Empty(dir);
            c.lay(dir);
        };
        killCase.action = [&] { return c.rewrite(dir); };
        killCase.inspect = [&](bool killed) { return InspectKilled(killed); };

        QElapsedTimer timer;
        timer.start();
        const KillPointsRun run = RunKillPoints(killCase, wanted);
        std::cout << "[ kills    ] " << c.name << ": " << KillMechanismName(run.mechanism) << ", "
                  << run.kills << " kill points, " << timer.elapsed() << " ms\n";
        return run;
    }

    void CheckEveryKill(const RewriteCase& c, KillMechanism wanted) {
        rewriteCase = &c;
        ASSERT_NO_FATAL_FAILURE(RunClean());
        const KillPointsRun run = RunKills(wanted);
        EXPECT_EQ(run.error, "");
        EXPECT_TRUE(run.finished);
        // A handful of kills could miss the write altogether.
        EXPECT_GT(run.kills, 10);
    }

    QTemporaryDir root;
    const RewriteCase* rewriteCase = nullptr;
    Content oldData;
    Outcome afterOld;
    Outcome afterNew;
};

class RewriteKill : public KillCheck, public ::testing::WithParamInterface<RewriteCase> {};

TEST_P(RewriteKill, EveryKillLeavesTheOldOrTheNewFile) {
    CheckEveryKill(GetParam(), KillMechanism::SystemCallStops);
}

// The fallback for systems that forbid tracing, on a rewrite with much to read and write.
TEST_F(KillCheck, TimedKillsLeaveTheOldOrTheNewResultsFile) {
    CheckEveryKill(kCases[0], KillMechanism::TimedKills);
}

INSTANTIATE_TEST_SUITE_P(Rewrites, RewriteKill, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<RewriteCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
