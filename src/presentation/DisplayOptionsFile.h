// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Display options kept beside param.dat in a small file of their own, so that the
// settings record keeps its fixed size: "beallit.ini", one "Name=value" line per
// option, code page 1250, CR LF. Lines it does not know are kept as they are.
#include "files/RegularFile.h"
#include <QDir>
#include <optional>

inline constexpr char kDisplayOptionsFileName[] = "beallit.ini";

struct DisplayOptions {
    bool colourSymbols = false;   // symbols on the colours
};

// The options of `folder`'s file; the defaults for a missing, unreadable or odd file
// or value. `access` (optional) tells how the reading went.
DisplayOptions ReadDisplayOptions(const QDir& folder, FileAccess* access = nullptr);

// Writes the options atomically, keeping every line it does not know. False when the
// file cannot be written, or is there but cannot be read (the old one is then left as
// it was).
bool WriteDisplayOptions(const QDir& folder, const DisplayOptions& options);
