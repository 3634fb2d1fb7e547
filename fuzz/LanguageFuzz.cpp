// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the language files: any bytes must read without a crash, and a
// file read as the language in use must leave the game with every caption and message
// it shows, and with result type names that results can be sorted by.
#include "FuzzSupport.h"
#include "app/StartUp.h"
#include "play/GameState.h"
#include "presentation/LanguageFile.h"

namespace {

constexpr int kAllEntries = kCaptionCount + kLastMessage;
const QString kLanguage = QStringLiteral("Fuzz");

void checkEntries(const QByteArray& bytes) {
    const QStringList entries = LanguageEntries(bytes);
    fuzz::Check(entries.size() <= kAllEntries, "no more entries than the game asks for");
    for (const QString& entry : entries)
        fuzz::Check(IsLanguageEntry(entry) && !entry.contains(u'\r') && !entry.contains(u'\n'),
                    "each entry is one line that counts as an entry");
    fuzz::Check(LanguageEntries(QStringList(entries).join(QStringLiteral("\r\n")).toUtf8()).size() == entries.size(),
                "the entries written one per line read back as as many entries");
}

void checkApplied(const QByteArray& bytes) {
    const QDir folder = fuzz::FolderHolding(kLanguage + QLatin1String(kLanguageSuffix), bytes);
    fuzz::QuietPlatform platform;
    GameState s;
    StartUp(s, platform.get(), folder);
    const LanguageResult result = lang_Click(s, folder, kLanguage);
    fuzz::Check(result.status == LanguageStatus::Applied && s.texts.languageName == kLanguage,
                "a readable file becomes the language in use");
    fuzz::Check(result.entries == std::min<qsizetype>(LanguageEntries(bytes).size(), kAllEntries),
                "the entries read are counted");
    fuzz::Check(s.texts.messages.size() > kLastMessage, "every message can be shown");
    for (int t = 1; t <= 8; ++t)
        fuzz::Check(!s.texts.typeNames[t].trimmed().isEmpty(), "every result type has a name");
    LanguageProblemText(result);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::Bytes(data, size);
    checkEntries(bytes);
    checkApplied(bytes);
    return 0;
}
