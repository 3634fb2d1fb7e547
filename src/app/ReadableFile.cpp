// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ReadableFile.h"
#include "files/FileLimits.h"
#include "files/RegularFile.h"
#include <QFile>

bool CheckReadableFile(const QString& path, QTextStream& err) {
    QFile probe;
    const FileAccess access = OpenRegularFile(probe, path, FileLimit::Results);
    if (access == FileAccess::Ok) return true;
    err << "zelka-kvadra: cannot read " << path << ": ";
    switch (access) {
    case FileAccess::Missing: err << "no such file"; break;
    case FileAccess::TooLarge: err << "larger than any results file (" << FileLimit::Results / FileLimit::kMiB << " MiB)"; break;
    default: err << "not a readable file"; break;
    }
    err << '\n';
    return false;
}
