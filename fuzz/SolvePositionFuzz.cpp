// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the solver's position file and the solver itself: any bytes
// must either be refused with a message or give a position the solver answers within
// its time; a solution it prints must end the game when its moves are played through
// the rules, in the steps it says; and the answer must be JSON again.
#include "FuzzSupport.h"
#include "solve/PositionFile.h"
#include "solve/Replay.h"
#include "solve/Solver.h"
#include <QJsonDocument>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const PositionRead read = ReadPosition(fuzz::Bytes(data, size));
    fuzz::Check(read.state.has_value() != !read.error.isEmpty(), "a position is read, or refused with a reason");
    if (!read.state) return 0;
    SolveOptions options;
    options.seconds = 0.2;
    options.improve = false;
    options.memoryBytes = size_t(16) << 20;
    const SolveReport report = Solve(*read.state, options);
    fuzz::Check(report.ms < 5000, "the solver keeps to its time");
    if (report.status == SolveReport::Status::Solved)
        fuzz::Check(CheckSolution(*read.state, report.moves) == std::optional<int>(report.steps),
                    "the moves end the game in the steps said");
    QJsonParseError parse;
    QJsonDocument::fromJson(AnswerJson(report), &parse);
    fuzz::Check(parse.error == QJsonParseError::NoError, "the answer is JSON");
    return 0;
}
