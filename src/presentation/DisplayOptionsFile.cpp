// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/DisplayOptionsFile.h"
#include "files/FileLimits.h"
#include "files/ScratchFile.h"

namespace {

constexpr char kColourSymbols[] = "ColourSymbols";

QString fileOf(const QDir& folder) {
    return folder.filePath(QLatin1String(kDisplayOptionsFileName));
}

// The lines of the file, whatever their length; nothing when it cannot be read.
std::optional<QList<QByteArray>> readLines(const QDir& folder, FileAccess* access = nullptr) {
    const FileRead file = ReadRegularFile(fileOf(folder), FileLimit::DisplayOptions);
    if (access) *access = file.access;
    if (file.access != FileAccess::Ok && file.access != FileAccess::Missing) return std::nullopt;
    QList<QByteArray> lines = file.bytes.split('\n');
    for (QByteArray& line : lines)
        if (line.endsWith('\r')) line.chop(1);
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

bool isOption(const QByteArray& line, const char* name) {
    return line.startsWith(QByteArray(name) + '=');
}

} // namespace

DisplayOptions ReadDisplayOptions(const QDir& folder, FileAccess* access) {
    DisplayOptions options;
    for (const QByteArray& line : readLines(folder, access).value_or(QList<QByteArray>{}))
        if (isOption(line, kColourSymbols))
            options.colourSymbols = line.mid(qstrlen(kColourSymbols) + 1).trimmed() == "1";
    return options;
}

bool WriteDisplayOptions(const QDir& folder, const DisplayOptions& options) {
    // A file that cannot be read is not replaced: the lines it holds would be lost.
    std::optional<QList<QByteArray>> read = readLines(folder);
    if (!read) return false;
    QList<QByteArray>& lines = *read;
    lines.removeIf([](const QByteArray& line) { return isOption(line, kColourSymbols); });
    lines.append(QByteArray(kColourSymbols) + '=' + (options.colourSymbols ? '1' : '0'));
    return ReplaceThroughScratchFile(fileOf(folder), lines.join("\r\n") + "\r\n");
}
