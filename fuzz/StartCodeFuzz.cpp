// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for start codes: any text must decode without a crash; a decoded
// start is sound, sets up on the window and reads back from it as the same start, and
// its own code is at most 48 characters and decodes to it again.
#include "FuzzSupport.h"
#include "app/StartUp.h"
#include "play/GameState.h"
#include "setup/StartCode.h"
#include "setup/StartSetUp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString code = QString::fromUtf8(fuzz::Bytes(data, size));
    const DecodedStartCode decoded = DecodeStartCode(code);
    fuzz::Check(decoded.start.has_value() == (decoded.problem == StartCodeProblem::None),
                "a code decodes to a start exactly when no problem is named");
    if (!decoded.start) return 0;
    const GameStart& start = *decoded.start;
    fuzz::Check(IsSoundStart(start), "a decoded start is sound");
    const QString again = EncodeStartCode(start);
    fuzz::Check(again.size() <= kMaxStartCodeLength, "a code is at most 48 characters");
    const DecodedStartCode back = DecodeStartCode(again);
    fuzz::Check(back.start && *back.start == start, "a start's own code decodes to it");

    fuzz::QuietPlatform platform;
    GameState s;
    StartUp(s, platform.get(), fuzz::EmptyFolder());
    PutStartOnWindow(s, platform.get(), start);
    fuzz::Check(CaptureStart(s) == start, "the window shows the start the code holds");
    return 0;
}
