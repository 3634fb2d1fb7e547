// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the results-file reader: any bytes must read without a crash,
// and every record the reader accepts must encode again and read back unchanged.
#include "FuzzSupport.h"
#include "results/ResultsCodec.h"
#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes = fuzz::Bytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ResultsReader reader(buffer);
    ResultRecord record;
    if (!reader.ReadResultsHeader()) return 0;
    fuzz::SteadyRandom random;
    ResultsCodec codec(random);
    while (!reader.atEnd() && reader.ReadResultRecord(record)) {
        if (!CanEncode(record)) continue;   // hostile keys can decode values the game never writes
        QByteArray again = codec.EncodeResultsHeader() + *codec.EncodeResultRecord(record);
        QBuffer copy(&again);
        copy.open(QIODevice::ReadOnly);
        ResultsReader check(copy);
        ResultRecord back;
        fuzz::Check(check.ReadResultsHeader() && check.ReadResultRecord(back) && back == record,
                    "an accepted record encodes and reads back unchanged");
    }
    return 0;
}
