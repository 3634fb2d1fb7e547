// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the rich-text reader: any bytes must read without a crash,
// and what was read must write and read back unchanged.
#include "presentation/RichTextReader.h"
#include "presentation/RichTextWriter.h"
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const RichDocument first = ReadRichText(bytes).document;
    const RichTextRead again = ReadRichText(WriteRichText(first));
    if (again.status != RichTextStatus::Read || !(again.document == first)) std::abort();
    return 0;
}
