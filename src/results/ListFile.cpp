// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ListFile.h"
#include "play/Messages.h"
#include <QFileInfo>

namespace {

constexpr int kListWritten = 70;
constexpr int kListNotCreated = 68;

} // namespace

bool WriteListFile(const QString& path, const ListDocument& document, const RenameFile& rename) {
    const QFileInfo target(path);
    if (target.fileName().isEmpty() || target.isDir()) return false;
    // Through the list file's own scratch file beside it, so the rename stays on one
    // disk; a replaced list file keeps its permissions.
    return ReplaceThroughScratchFile(target.absoluteFilePath(), ListFileBytes(document), rename);
}

bool SaveListFile(const GameState& s, Platform& platform, const QString& listFileName,
                  const ListDocument& document, const RenameFile& rename) {
    const bool written = WriteListFile(listFileName, document, rename);
    ShowMessage(s, platform, written ? kListWritten : kListNotCreated, MsgIcon::Information, MsgButtons::Ok,
                QLatin1Char('\n') + listFileName);
    return written;
}
