// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the repairs of a results file, on any input: the repaired file
// and its side file together hold every byte of the input, in order; the file reads
// whole afterwards; and a file that needs no repair, or is damaged before its end, is
// left as it is by the repair of its end.
#include "FuzzSupport.h"
#include "results/ResultsFile.h"
#include "results/ResultsRepair.h"
#include <QFileInfo>

namespace {

const QString kFile = QStringLiteral("eredm.dat");
const QDateTime kNow(QDate(2024, 5, 17), QTime(10, 20, 30));

ResultsScan Scan(const QDir& folder) { return ReadResultsFile(folder.filePath(kFile), [](const ResultRecord&) {}); }

void CheckEveryByteKept(const QDir& folder, const QByteArray& input, const RepairOutcome& outcome) {
    bool exists = false;
    const QByteArray after = fuzz::ReadFile(folder, kFile, &exists);
    if (outcome.status != RepairStatus::Repaired) {
        fuzz::Check(after == input && outcome.sideFile.isEmpty(), "a file not repaired is left as it is");
        return;
    }
    fuzz::Check(!exists || Scan(folder).whole(), "a repaired file reads whole");
    if (outcome.sideFile.isEmpty()) {
        fuzz::Check(after.startsWith(input) && after.size() == input.size() + outcome.fillerAdded,
                    "completing the filler keeps every byte and adds only filler");
        return;
    }
    const QByteArray side = fuzz::ReadFile(folder, QFileInfo(outcome.sideFile).fileName());
    fuzz::Check(after + side == input, "the repaired file and its side file hold every input byte, in order");
    fuzz::Check(outcome.keptBytes == side.size(), "the side file holds what the repair says");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<fuzz::SteeredInput> input = fuzz::Steered(data, size);
    if (!input) return 0;
    const QDir folder = fuzz::FolderHolding(kFile, input->file);
    const ResultsScan before = Scan(folder);
    RepairOutcome outcome;
    if (input->control % 2 == 0) {
        fuzz::SteadyRandom random;
        outcome = RepairResultsTail(folder.filePath(kFile), kNow, random);
        const bool mendable = before.tailCut || (!before.damaged && before.missingFiller > 0);
        fuzz::Check((outcome.status == RepairStatus::Repaired) == mendable, "only a cut-off end is repaired");
        fuzz::Check((outcome.status == RepairStatus::NotRepairable) == (before.damaged && !before.tailCut),
                    "damage before the end is left for the player to decide");
    } else {
        outcome = SplitDamagedResults(folder.filePath(kFile), kNow);
        fuzz::Check((outcome.status == RepairStatus::Repaired) == (before.damaged || before.tailCut),
                    "keeping the readable records splits exactly a damaged file");
        fuzz::Check(outcome.records == before.records, "every readable record is kept");
    }
    CheckEveryByteKept(folder, input->file, outcome);
    return 0;
}
