// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for param.dat: any bytes must read without a crash; a record reads
// back as it was written; and a whole start and exit of the game over the file keeps
// every number and colour the player did not change and every byte after the record.
#include "FuzzSupport.h"
#include "app/StartUp.h"
#include "play/GameState.h"
#include "presentation/Settings.h"
#include "presentation/SettingsFile.h"

namespace {

constexpr int kLanguageAt = 42;   // the numbers and colours come before the language name

void checkRecordRoundTrip(const QByteArray& bytes) {
    bool repaired = false;
    const SettingsRecord record = DecodeSettingsRecord(bytes, &repaired);
    const QByteArray encoded = EncodeSettingsRecord(record);
    fuzz::Check(encoded.size() == kSettingsRecordSize, "a record encodes to 62 bytes");
    bool repairedAgain = true;
    fuzz::Check(DecodeSettingsRecord(encoded, &repairedAgain) == record && !repairedAgain,
                "an encoded record decodes back unchanged");
    if (!repaired)
        fuzz::Check(encoded.left(kLanguageAt) == bytes.left(kLanguageAt),
                    "numbers and colours encode back to the bytes they were read from");
}

void checkStartAndExit(const QByteArray& bytes) {
    const QDir folder = fuzz::FolderHolding(QLatin1String(kSettingsFileName), bytes);
    bool repaired = false;
    DecodeSettingsRecord(bytes, &repaired);

    fuzz::QuietPlatform platform;
    GameState s;
    StartUp(s, platform.get(), folder);
    fuzz::Check(SaveSettingsOnExit(s, platform.get(), folder), "the game may end");

    const QByteArray after = fuzz::ReadFile(folder, QLatin1String(kSettingsFileName));
    fuzz::Check(after.size() == std::max<qsizetype>(bytes.size(), kSettingsRecordSize),
                "the file is never shortened");
    fuzz::Check(after.mid(kSettingsRecordSize) == bytes.mid(kSettingsRecordSize),
                "the bytes after the record are kept");
    bool repairedAfter = true;
    DecodeSettingsRecord(after, &repairedAfter);
    fuzz::Check(!repairedAfter, "the next start reads a whole, sound record");
    if (!repaired)
        fuzz::Check(after.left(kLanguageAt) == bytes.left(kLanguageAt),
                    "a start and an exit change no setting the player left alone");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::Bytes(data, size);
    checkRecordRoundTrip(bytes);
    checkStartAndExit(bytes);
    return 0;
}
