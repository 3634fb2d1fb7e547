// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for kever.dat, the stored shuffled states: any bytes must list
// without a crash; every listed state must load onto a board of its size as a sound
// arrangement; and a save must add or overwrite one record, keeping every other byte.
#include "FuzzSupport.h"
#include "app/StartUp.h"
#include "play/GameState.h"
#include "setup/GameTypes.h"
#include "setup/ShuffledStates.h"
#include <algorithm>

namespace {

const QString kFile = QLatin1String(kShuffledStatesFileName);

// A started game of size 4, 5 or 6 and of a number or a colour type.
void setUpGame(GameState& s, Platform& p, const QDir& folder, quint8 control) {
    StartUp(s, p, folder);
    switch (control % 3) {
    case 0: Option1_Click(s, p); break;
    case 1: Option2_Click(s, p); break;
    default: Option3_Click(s, p); break;
    }
    switch (control / 3 % 3) {
    case 0: szamsor_Click(s, p); break;
    case 1: atlos_Click(s, p); break;
    default: generalt_Click(s, p); break;
    }
}

void checkRecords(const QByteArray& bytes) {
    const QList<ShuffledStateRecord> records = SplitShuffledStateRecords(bytes);
    fuzz::Check(records.size() == (bytes.size() + kShuffledRecordSize - 1) / kShuffledRecordSize,
                "every record is read, a trailing part included");
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QByteArray stored = bytes.mid(i * kShuffledRecordSize, kShuffledRecordSize);
        fuzz::Check(records[i].toBytes() == stored.leftJustified(kShuffledRecordSize, ' '),
                    "a record writes back as the bytes it was read from");
    }
}

// The field holds each number once, or each colour N times.
bool soundArrangement(const GameState& s) {
    const int n = s.N();
    std::vector<int> seen(static_cast<size_t>(n * n + 1), 0);
    for (int p = 1; p <= n * n; ++p) {
        const int value = s.board.value(s.board.fieldCell(p));
        if (value < 1 || value > n * n) return false;
        ++seen[static_cast<size_t>(value)];
    }
    const int colours = s.numberTypeSelected() ? n * n : n;
    for (int v = 1; v <= n * n; ++v)
        if (seen[static_cast<size_t>(v)] != (v <= colours ? n * n / colours : 0)) return false;
    return true;
}

void checkLoad(GameState& s, const QList<ShuffledStateEntry>& entries) {
    for (const ShuffledStateEntry& entry : entries) {
        fuzz::Check(entry.id >= 1 && ParseShuffledCells(entry.cells, s.N()).has_value(),
                    "only sound states are listed");
        fuzz::Check(LoadShuffledState(s, entry) && soundArrangement(s), "a listed state loads soundly");
    }
}

void checkSave(GameState& s, const QDir& folder, const QByteArray& bytes,
               const QList<ShuffledStateEntry>& entries, quint8 control) {
    const int id = entries.isEmpty() || control / 9 % 2 == 0
                       ? 0
                       : entries[control / 18 % entries.size()].id;
    fuzz::SteadyRandom random;
    const SaveResult saved = WriteShuffledState(s, random, folder, id);
    const QByteArray after = fuzz::ReadFile(folder, kFile);
    if (saved.outcome == SaveOutcome::FileFull) {
        fuzz::Check(id == 0 && after == bytes, "a full file is left alone");
        return;
    }
    fuzz::Check(saved.outcome == SaveOutcome::Saved, "a state is saved");
    const qint64 records = (bytes.size() + kShuffledRecordSize - 1) / kShuffledRecordSize;
    qint64 position = records;
    if (id != 0) {
        const QList<ShuffledStateRecord> all = SplitShuffledStateRecords(bytes);
        position = std::find_if(all.begin(), all.end(), [&](const ShuffledStateRecord& r) {
                       return r.id == id && r.size == s.N() && ParseShuffledCells(r.cells, s.N());
                   }) - all.begin();
        fuzz::Check(saved.id == id, "an overwritten state keeps its id");
    }
    const qint64 at = position * kShuffledRecordSize;
    fuzz::Check(after.left(at) == bytes.left(at).leftJustified(at, ' '),
                "the records before the saved one keep their bytes");
    fuzz::Check(after.mid(at + kShuffledRecordSize) == bytes.mid(at + kShuffledRecordSize),
                "the records after the saved one keep their bytes");
    const ShuffledStateRecord written = ShuffledStateRecord::fromBytes(after.mid(at, kShuffledRecordSize));
    fuzz::Check(written.id == saved.id && written.size == s.N() && ParseShuffledCells(written.cells, s.N()),
                "the saved state reads back as a sound state of its size");
    const QList<ShuffledStateEntry> listed = ShuffledStatesOfSize(after, s.N());
    fuzz::Check(std::count_if(listed.begin(), listed.end(),
                              [&](const ShuffledStateEntry& e) { return e.id == saved.id; }) >= 1,
                "the saved state is listed");
    if (id == 0)
        fuzz::Check(std::none_of(entries.begin(), entries.end(),
                                 [&](const ShuffledStateEntry& e) { return e.id == saved.id; }),
                    "a new state gets an id no listed state has");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<fuzz::SteeredInput> input = fuzz::Steered(data, size);
    if (!input) return 0;
    const auto& [control, bytes] = *input;
    checkRecords(bytes);

    const QDir folder = fuzz::EmptyFolder();
    fuzz::QuietPlatform platform;
    GameState s;
    setUpGame(s, platform.get(), folder, control);
    fuzz::WriteFile(folder, kFile, bytes);
    const QList<ShuffledStateEntry> entries = ShuffledStatesOfSize(bytes, s.N());
    checkLoad(s, entries);
    checkSave(s, folder, bytes, entries, control);
    return 0;
}
