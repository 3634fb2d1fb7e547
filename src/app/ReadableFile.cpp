#include "app/ReadableFile.h"
#include <QFile>
#include <QFileInfo>

bool CheckReadableFile(const QString& path, QTextStream& err) {
    const QFileInfo info(path);
    QFile probe(path);
    if (info.exists() && info.isFile() && probe.open(QIODevice::ReadOnly)) return true;
    err << "zelka-kvadra: cannot read " << path << ": "
        << (info.exists() ? QStringLiteral("not a readable file") : QStringLiteral("no such file")) << '\n';
    return false;
}
