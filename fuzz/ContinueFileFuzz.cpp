// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for folytat.dat, the continue file: any bytes must decode without a
// crash; what decodes encodes back to the very same bytes; continuing it either puts a
// game on the board that is kept back exactly as read, or leaves the window in its
// set-up and the file aside, byte for byte, in a side file.
#include "FuzzSupport.h"
#include "app/StartUp.h"
#include "play/GameState.h"
#include "setup/ContinueFile.h"
#include "setup/GameKeeper.h"
#include "setup/GameRestore.h"
#include <utility>
#include <vector>

namespace {

// The start-up never looks at the continue file, so it runs once: each input starts
// from a copy of the state it made, of the files it left in the folder and of where
// the platform's draws had got to, as if it had just run.
struct Started {
    GameState state;
    std::vector<std::pair<QString, QByteArray>> files;
    fuzz::SteadyRandom random;
};

const Started& StartedOnce() {
    static const Started once = [] {
        Started started;
        fuzz::QuietPlatform platform;
        const QDir folder = fuzz::EmptyFolder();
        StartUp(started.state, platform.get(), folder);
        for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
            started.files.push_back({name, fuzz::ReadFile(folder, name)});
        started.random = platform.random();
        return started;
    }();
    return once;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::Bytes(data, size);
    const DecodedSavedGame decoded = DecodeSavedGame(bytes);
    fuzz::Check(decoded.game.has_value() == (decoded.problem == SavedGameProblem::None),
                "a file decodes to a game exactly when no problem is named");
    if (decoded.game)
        fuzz::Check(EncodeSavedGame(*decoded.game) == bytes, "a decoded game encodes back to its bytes");

    const Started& started = StartedOnce();
    const QDir folder = fuzz::FolderHolding(QLatin1String(kContinueFileName), bytes);
    for (const auto& [name, content] : started.files) fuzz::WriteFile(folder, name, content);
    fuzz::QuietPlatform platform;
    platform.random() = started.random;
    GameState s = started.state;
    GameKeeper keeper(s, platform.get(), folder);
    keeper.offerKeptGame();
    if (KeepsAGame(s)) {
        fuzz::Check(decoded.game.has_value(), "only a file that decodes is continued");
        const SavedGame again = SavedGameOf(s, platform.get().clock.monotonicMs());
        fuzz::Check(again.record == decoded.game->record && again.board == decoded.game->board &&
                        again.stepCount == decoded.game->stepCount && again.paused == decoded.game->paused,
                    "a continued game is the game the file holds");
        fuzz::Check(fuzz::ReadFile(folder, QLatin1String(kContinueFileName)) == bytes,
                    "continuing leaves the file as it was");
    } else {
        fuzz::Check(s.phase == GamePhase::SetUp, "a game that is not continued leaves the set-up");
        bool exists = true;
        fuzz::ReadFile(folder, QLatin1String(kContinueFileName), &exists);
        fuzz::Check(!exists, "the file is not left where the next start finds it again");
        const QStringList sides = folder.entryList({QStringLiteral("folytat.dat.damaged-*")}, QDir::Files);
        fuzz::Check(sides.size() == 1 && fuzz::ReadFile(folder, sides[0]) == bytes,
                    "the file is kept aside byte for byte");
    }
    return 0;
}
