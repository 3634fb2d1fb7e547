// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for nevek.txt: any bytes must read without a crash; adding a name
// keeps every byte of the file and lists the old names and then the new one; deleting
// a name lists exactly the other names afterwards, each as it read before.
//
// Input: a control byte, the typed name (UTF-8) up to a zero byte, then the file.
#include "FuzzSupport.h"
#include "results/PlayerNames.h"

namespace {

void checkFields(const QByteArray& bytes) {
    for (const QByteArray& field : PlayerNameFields(bytes))
        fuzz::Check(!field.isEmpty() && !field.contains('"') && !field.contains('\r') && !field.contains('\n'),
                    "a name holds no quote and no line end");
}

void checkAdd(const QDir& folder, const QByteArray& bytes, const QString& name) {
    const QStringList before = ParsePlayerNames(bytes);
    const NameFileStatus status = AddPlayerName(folder, name);
    const QByteArray after = fuzz::ReadFile(folder, kPlayerNamesFile);
    if (status != NameFileStatus::Added) {
        fuzz::Check(status == NameFileStatus::Invalid || (status == NameFileStatus::AlreadyListed && before.contains(name)),
                    "a name is refused only when it cannot be written or is listed");
        fuzz::Check(after == bytes, "a refused name changes nothing");
        return;
    }
    fuzz::Check(after.startsWith(bytes), "adding a name keeps every byte of the file");
    fuzz::Check(ParsePlayerNames(after) == before + QStringList{name}, "the new name follows the old ones");
}

void checkDelete(const QDir& folder, const QByteArray& bytes, const QString& name) {
    const QStringList before = ParsePlayerNames(bytes);
    QStringList wanted = before;
    wanted.removeAll(name);
    const NameFileStatus status = DeletePlayerName(folder, name);
    bool exists = false;
    const QByteArray after = fuzz::ReadFile(folder, kPlayerNamesFile, &exists);
    fuzz::Check(!QFile::exists(ScratchPathOf(folder.filePath(kPlayerNamesFile))), "no scratch file is left");
    if (wanted.size() == before.size()) {
        fuzz::Check(status == NameFileStatus::NotFound && after == bytes, "an unlisted name changes nothing");
        return;
    }
    if (wanted.isEmpty()) {
        fuzz::Check(status == NameFileStatus::FileRemoved && !exists, "a file left without names is removed");
        return;
    }
    fuzz::Check(status == NameFileStatus::Deleted && ParsePlayerNames(after) == wanted,
                "exactly the other names remain, in their order");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<fuzz::SteeredInput> input = fuzz::Steered(data, size);
    if (!input) return 0;
    const auto& [control, rest] = *input;
    const qsizetype zero = rest.indexOf('\0');
    const QString typed = zero < 0 ? QString() : QString::fromUtf8(rest.left(zero));
    const QByteArray bytes = zero < 0 ? rest : rest.mid(zero + 1);
    checkFields(bytes);

    const QDir folder = fuzz::FolderHolding(kPlayerNamesFile, bytes);
    const QStringList listed = ParsePlayerNames(bytes);
    switch (control % 3) {
    case 0: checkAdd(folder, bytes, typed); break;
    case 1: checkDelete(folder, bytes, listed.value(control / 3 % std::max<qsizetype>(listed.size(), 1))); break;
    default: checkDelete(folder, bytes, typed); break;
    }
    return 0;
}
