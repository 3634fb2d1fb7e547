// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the changes to a results file: a deletion keeps exactly the
// records it was told to keep, in their order, or changes nothing at all; a new result
// goes after the last record without touching one byte before it, a cut-off end moved
// into a side file first. A damaged file is never changed, since the records behind
// the damage would be lost.
#include "FuzzSupport.h"
#include "results/ResultsFile.h"
#include "results/ResultsRepair.h"
#include <QFileInfo>
#include <algorithm>

namespace {

const QString kFile = QStringLiteral("eredm.dat");

struct Contents {
    ResultsScan scan;
    QList<ResultRecord> records;
};

Contents readContents(const QDir& folder) {
    Contents contents;
    contents.scan = ReadResultsFile(folder.filePath(kFile),
                                    [&](const ResultRecord& r) { contents.records.append(r); });
    return contents;
}

// The request a control byte stands for: the mode, which record, which filter, which date.
RewriteRequest requestFrom(quint8 control) {
    static const char* const kDates[] = {"2000.01.01", "2024.05.17", "9999.12.31"};
    RewriteRequest request;
    request.mode = static_cast<RewriteMode>(control % 3 + 1);
    request.recordNo = control / 3 % 8;
    const int parity = control / 24 % 2;
    request.passesFilter = [parity](const ResultRecord& r) { return r.steps % 2 == parity; };
    request.cutOffDate = QLatin1String(kDates[control / 48 % 3]);
    return request;
}

bool kept(const RewriteRequest& request, qint64 runningNo, const ResultRecord& r) {
    switch (request.mode) {
    case RewriteMode::DeleteOne: return runningNo != request.recordNo;
    case RewriteMode::DeleteFiltered: return !request.passesFilter(r);
    case RewriteMode::DeleteFilteredUpToDate: return r.date > request.cutOffDate || !request.passesFilter(r);
    }
    return true;
}

void checkRewrite(const QDir& folder, const QByteArray& bytes, const Contents& before, quint8 control) {
    const RewriteRequest request = requestFrom(control);
    QList<ResultRecord> wanted;
    for (qsizetype i = 0; i < before.records.size(); ++i)
        if (kept(request, i + 1, before.records[i])) wanted.append(before.records[i]);

    fuzz::SteadyRandom random;
    const RewriteOutcome outcome = RewriteResults(folder, kFile, request, random);
    bool exists = false;
    const QByteArray after = fuzz::ReadFile(folder, kFile, &exists);
    fuzz::Check(!QFile::exists(ScratchPathOf(folder.filePath(kFile))), "no scratch file is left");
    if (before.scan.damaged || before.scan.tailCut) {
        fuzz::Check(outcome.status == RewriteStatus::Damaged && after == bytes,
                    "a damaged or cut-off file is left alone");
        return;
    }
    if (outcome.status == RewriteStatus::WriteFailed) {
        // Only a kept record the codec cannot write again may refuse the rewrite.
        fuzz::Check(std::any_of(wanted.begin(), wanted.end(), [](const ResultRecord& r) { return !CanEncode(r); }),
                    "a sound file is rewritten");
        fuzz::Check(after == bytes, "a refused rewrite changes nothing");
        return;
    }
    fuzz::Check(outcome.kept == wanted.size() && outcome.removed == before.records.size() - wanted.size(),
                "the counts tell what was kept and removed");
    if (wanted.isEmpty()) {
        fuzz::Check(outcome.status == RewriteStatus::NoRecordKept && !exists, "an emptied file is removed");
        return;
    }
    const Contents now = readContents(folder);
    fuzz::Check(outcome.status == RewriteStatus::Rewritten && !now.scan.damaged && now.records == wanted,
                "the rewritten file holds exactly the kept records in order");
}

void checkAppend(const QDir& folder, const QByteArray& bytes, const Contents& before) {
    ResultRecord record;
    record.name = QStringLiteral("Éva Kovács");
    record.typeCode = QStringLiteral("VR");
    record.boardSize = 5;
    record.gapCount = 2;
    record.steps = 123;
    record.elapsed = QStringLiteral("00:04:05");
    record.date = QStringLiteral("2024.05.17");
    record.timeOfDay = QStringLiteral("10:20:30");
    fuzz::SteadyRandom random;
    RepairOutcome repaired;
    const AppendStatus status = AppendResult(folder, kFile, record, random, &repaired);
    const QByteArray after = fuzz::ReadFile(folder, kFile);
    if (before.scan.damaged && !before.scan.tailCut) {
        fuzz::Check(status == AppendStatus::Damaged && after == bytes, "a damaged file is left alone");
        return;
    }
    const Contents now = readContents(folder);
    fuzz::Check(status == AppendStatus::Appended && now.scan.whole() && now.records == before.records + QList{record},
                "the new result follows the old ones");
    const QByteArray side = repaired.sideFile.isEmpty() ? QByteArray() : fuzz::ReadFile(folder, QFileInfo(repaired.sideFile).fileName());
    if (before.records.isEmpty() && !side.isEmpty()) {
        fuzz::Check(side == bytes, "a file without a whole record is kept whole aside");
        return;
    }
    fuzz::Check(bytes.startsWith(after.left(bytes.size() - side.size())) && bytes.endsWith(side),
                "no byte of the old records changes, and the cut-off end is kept aside");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<fuzz::SteeredInput> input = fuzz::Steered(data, size);
    if (!input) return 0;
    const auto& [control, bytes] = *input;
    const QDir folder = fuzz::FolderHolding(kFile, bytes);
    const Contents before = readContents(folder);
    if (control >= 240) checkAppend(folder, bytes, before);
    else checkRewrite(folder, bytes, before, control);
    return 0;
}
