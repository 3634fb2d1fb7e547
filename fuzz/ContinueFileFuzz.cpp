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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::Bytes(data, size);
    const DecodedSavedGame decoded = DecodeSavedGame(bytes);
    fuzz::Check(decoded.game.has_value() == (decoded.problem == SavedGameProblem::None),
                "a file decodes to a game exactly when no problem is named");
    if (decoded.game)
        fuzz::Check(EncodeSavedGame(*decoded.game) == bytes, "a decoded game encodes back to its bytes");

    const QDir folder = fuzz::FolderHolding(QLatin1String(kContinueFileName), bytes);
    fuzz::QuietPlatform platform;
    GameState s;
    StartUp(s, platform.get(), folder);
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
