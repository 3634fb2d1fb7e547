#pragma once
// Display options kept beside param.dat in a small file of their own, so that the
// settings record keeps its fixed size: "beallit.ini", one "Name=value" line per
// option, code page 1250, CR LF. Lines it does not know are kept as they are.
#include <QDir>

inline constexpr char kDisplayOptionsFileName[] = "beallit.ini";

struct DisplayOptions {
    bool colourSymbols = false;   // symbols on the colours
};

// The options of `folder`'s file; the defaults for a missing, unreadable or odd file
// or value.
DisplayOptions ReadDisplayOptions(const QDir& folder);

// Writes the options atomically. False when the file cannot be written (the old one
// is then left as it was).
bool WriteDisplayOptions(const QDir& folder, const DisplayOptions& options);
