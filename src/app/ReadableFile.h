// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The results file a headless view reads must be a regular file that opens, within the
// limit of a results file: a folder, a pipe or a device is refused before any reading
// starts, so none can hang the view.
#include <QString>
#include <QTextStream>

// True when `path` is a regular file that opens for reading; otherwise the reason is
// told on `err` in one line ("no such file", "not a readable file", "larger than
// any results file").
bool CheckReadableFile(const QString& path, QTextStream& err);
