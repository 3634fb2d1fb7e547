#include "presentation/DisplayOptionsFile.h"
#include "files/ScratchFile.h"
#include <QFile>

namespace {

constexpr char kColourSymbols[] = "ColourSymbols";
constexpr qint64 kMaxFileBytes = 64 * 1024;   // far more than any options file holds

QString fileOf(const QDir& folder) {
    return folder.filePath(QLatin1String(kDisplayOptionsFileName));
}

QList<QByteArray> readLines(const QDir& folder) {
    QFile file(fileOf(folder));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QList<QByteArray> lines = file.read(kMaxFileBytes).split('\n');
    for (QByteArray& line : lines)
        if (line.endsWith('\r')) line.chop(1);
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

bool isOption(const QByteArray& line, const char* name) {
    return line.startsWith(QByteArray(name) + '=');
}

} // namespace

DisplayOptions ReadDisplayOptions(const QDir& folder) {
    DisplayOptions options;
    for (const QByteArray& line : readLines(folder))
        if (isOption(line, kColourSymbols))
            options.colourSymbols = line.mid(qstrlen(kColourSymbols) + 1).trimmed() == "1";
    return options;
}

bool WriteDisplayOptions(const QDir& folder, const DisplayOptions& options) {
    QList<QByteArray> lines = readLines(folder);
    lines.removeIf([](const QByteArray& line) { return isOption(line, kColourSymbols); });
    lines.append(QByteArray(kColourSymbols) + '=' + (options.colourSymbols ? '1' : '0'));
    return ReplaceThroughScratchFile(folder.filePath(QLatin1String(kTextScratchFileName)), fileOf(folder),
                                     lines.join("\r\n") + "\r\n");
}
