// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The rows of a results table as CSV or TSV text, one line per row after a heading
// line. The lines are built as UTF-8 bytes in one large buffer and go to the stream's
// device in large writes; a million rows take tens of milliseconds.
//
// CSV (separator ',') quotes a field that holds a comma, a quote or a line break and
// doubles its quotes; TSV (separator '\t') has no quoting: tabs and line breaks in a
// field become blanks. The stored-game name is written without its leading and
// trailing blanks.
#include "results/ResultsCodec.h"
#include "results/ResultsTable.h"
#include <QTextStream>
#include <cstdint>
#include <memory>
#include <vector>

// Writes the heading when made, then one line per write(), numbered from 1 in the
// order written. A row comes from a decoded table or straight from a record as the
// reader decodes it; both give the same line. A writer turns each text of a table
// into its field once, so the rows one writer takes from a table come from that
// table as it stands: it does not change while they are written.
class ResultRowsWriter {
public:
    ResultRowsWriter(QChar separator, QTextStream& out);
    ~ResultRowsWriter();

    // Row i of `table`; `recordNo` is the record's running number in the file.
    void write(const ResultsTable& table, std::size_t i, qint64 recordNo);
    void write(const DecodedRecord& record, qint64 recordNo);
    // Sends out what is left; false when the rows could not all be written (a full
    // disk, a closed pipe).
    bool finish();

    // Where the lines gather on their way to the stream.
    class Sink;
    // How each code page 1250 code is written in a field of this writer's format.
    class Codes;
    // The fields of a table's texts, each made once.
    class TextFields;

private:
    char* putField(char* p, QByteArrayView field);

    std::unique_ptr<Sink> m_sink;
    std::unique_ptr<const Codes> m_codes;
    std::unique_ptr<TextFields> m_names;
    std::unique_ptr<TextFields> m_gameNames;
    bool m_tsv = false;
    char m_separator = ',';
    qint64 m_rowNo = 0;
};

// Writes the heading and the rows `rows` of `table` (record i is record number i + 1),
// in that order. False when the rows could not all be written.
bool WriteResultRows(const ResultsTable& table, const std::vector<std::uint32_t>& rows, QChar separator,
                     QTextStream& out);
