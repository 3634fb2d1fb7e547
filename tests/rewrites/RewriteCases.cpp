// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewrites/RewriteCases.h"
#include "play/GameState.h"
#include "play/PanelControls.h"
#include "presentation/ColourSettings.h"
#include "presentation/DisplayOptionsFile.h"
#include "presentation/DocumentViewer.h"
#include "presentation/Settings.h"
#include "presentation/SettingsFile.h"
#include "results/ListFile.h"
#include "results/PlayerNames.h"
#include "results/ResultsFile.h"
#include "setup/ContinueFile.h"
#include "setup/GameRestore.h"
#include "setup/ShuffleFixture.h"
#include "support/RecordFixture.h"
#include "support/QtPrinting.h"
#include "support/ResultsFixture.h"
#include "support/StoredGamesFixture.h"

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

namespace {

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

} // namespace

const GameState& SavedBoard() {
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

namespace {

const QString kShuffled = QString::fromLatin1(kShuffledStatesFileName);

// Three states and the start of a fourth, which a save completes with blanks.
void LayShuffled(const QDir& folder) {
    Put(folder, kShuffled,
        PlainRecord(1, 4).toBytes() + PlainRecord(2, 4).toBytes() + PlainRecord(3, 5).toBytes() +
            "part");
}

bool SaveShuffled(const QDir& folder, int id) {
    FakeRandom random;
    return WriteShuffledState(SavedBoard(), random, folder, id).outcome == SaveOutcome::Saved;
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

// The exit of a run in which the sound was switched: the changed setting is written
// back. A write that fails is told; the run did its work only when nothing was told.
bool WriteSettingsAtExit(const QDir& folder) {
    GameState s = SavedBoard();
    FakePlatform fp;
    LoadSettings(s, folder);
    s.soundOn = !s.soundOn;
    return SaveSettingsOnExit(s, fp.platform, folder) && fp.messageBox.shown.empty();
}

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

const QString kDocument = QStringLiteral("Magyar.doc");
const QString kList = QStringLiteral("Eredm.lis");

ListDocument TwoPageList() {
    ListDocument list;
    list.pages = {QStringList{QStringLiteral("Eredmények"), QStringLiteral("1. Anna 40")},
                  QStringList{QStringLiteral("2. Béla 52")}};
    return list;
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
     },
     false},
    {"ResultsAppend", kResults, [](const QDir& d) { LayResults(d, kResultCount); },
     [](const QDir& d) {
         FakeRandom random;
         return AppendResult(d, kResults,
                             Result("Emil", "A", 5, 2, 0, 77, "00:02:03", "2025.01.02", "08:09:10"),
                             random) == AppendStatus::Appended;
     },
     true, true},
    {"PlayerNameDelete", kPlayerNamesFile,
     [](const QDir& d) { LayNames(d, "\"Anna\"\r\n\"Bela\"\r\nAnna,Csaba\r\n\"Dora\"\r\n"); },
     [](const QDir& d) {
         return DeletePlayerName(d, QStringLiteral("Anna")) == NameFileStatus::Deleted;
     }},
    {"PlayerNameDeleteTheLast", kPlayerNamesFile,
     [](const QDir& d) { LayNames(d, "\"Anna\"\r\n\"Anna\"\r\n"); },
     [](const QDir& d) {
         return DeletePlayerName(d, QStringLiteral("Anna")) == NameFileStatus::FileRemoved;
     },
     false},
    {"PlayerNameAdd", kPlayerNamesFile, [](const QDir& d) { LayNames(d, "\"Anna\"\r\n\"Bela\""); },
     [](const QDir& d) {
         return AddPlayerName(d, QStringLiteral("Dora")) == NameFileStatus::Added;
     }},
    {"ShuffledStateAppend", kShuffled, LayShuffled,
     [](const QDir& d) { return SaveShuffled(d, 0); }},
    {"ShuffledStateOverwrite", kShuffled, LayShuffled,
     [](const QDir& d) { return SaveShuffled(d, 2); }},
    {"SettingsWrite", kSettings, LaySettings, WriteChangedSettings},
    {"SettingsWriteAtExit", kSettings, LaySettings, WriteSettingsAtExit},
    {"ColoursStore", kSettings, LaySettings,
     [](const QDir& d) {
         std::array<quint32, 8> colours{};
         for (int i = 1; i <= 7; ++i) colours[i] = 0x00102030u * static_cast<quint32>(i);
         return StoreColours(d, colours);
     }},
    {"DocumentSave", kDocument,
     [](const QDir& d) { Put(d, kDocument, QByteArray("{\\rtf1 R\\'e9gi\\par}")); },
     [](const QDir& d) { return SaveDocumentFile(d.filePath(kDocument), QByteArray("{\\rtf1 \\'daj\\par}"), RenameOver); }},
    {"ListFileReplace", kList, [](const QDir& d) { Put(d, kList, QByteArray("old list\r\n")); },
     [](const QDir& d) { return WriteListFile(d.filePath(kList), TwoPageList()); }},
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

} // namespace

std::span<const RewriteCase> RewriteCases() { return kCases; }

void BuildSharedFixtures() {
    SavedBoard();
    Kept();
}
