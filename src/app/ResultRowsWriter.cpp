// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ResultRowsWriter.h"
#include <QFileDevice>
#include <QIODevice>
#include <QStringConverter>
#include <array>

namespace {

const QLatin1String kHeader("row,name,type,size,gaps,game_name,game_no,shuffle_no,steps,elapsed,date,time,record");

// Output bytes gather here and leave in blocks of about this size.
constexpr qsizetype kBlock = 1 << 20;
// A row's fields take at most a few hundred bytes; texts of any length are written
// in pieces no larger than this.
constexpr qsizetype kRoom = 4096;

// The lines as UTF-8 bytes, sent on to the text stream block by block: straight to its
// device when it has one and writes UTF-8, through the stream otherwise.
class LineSink {
public:
    explicit LineSink(QTextStream& out) : m_out(out) {
        m_out.flush();   // whatever the stream holds goes first
        m_direct = m_out.device() && m_out.encoding() == QStringConverter::Utf8 && !m_out.generateByteOrderMark();
        m_buffer.resize(kBlock + kRoom);
    }
    ~LineSink() { flush(); }

    // Sends the last block and pushes everything out of the device's own buffer; false
    // when a write failed anywhere on the way (a full disk, a closed pipe).
    bool finish() {
        flush();
        if (!m_direct) {
            m_out.flush();
            return !m_failed && m_out.status() == QTextStream::Ok;
        }
        if (auto* file = qobject_cast<QFileDevice*>(m_out.device()); file && !file->flush()) m_failed = true;
        return !m_failed;
    }

    // Room for `count` <= kRoom bytes at the returned pointer; advance() by as many as used.
    char* reserve(qsizetype count) {
        if (m_used + count > m_buffer.size()) flush();
        return m_buffer.data() + m_used;
    }
    void advance(char* end) {
        m_used = end - m_buffer.data();
        if (m_used >= kBlock) flush();
    }

    void flush() {
        if (m_used == 0) return;
        if (m_direct) {
            if (m_out.device()->write(m_buffer.constData(), m_used) != m_used) m_failed = true;
        } else {
            m_out << QString::fromUtf8(m_buffer.constData(), m_used);
        }
        m_used = 0;
    }

private:
    QTextStream& m_out;
    QByteArray m_buffer;
    qsizetype m_used = 0;
    bool m_direct = false;
    bool m_failed = false;
};

// The UTF-8 bytes of one character of the code page's range (no surrogates reach
// here: every text comes from code page 1250 bytes), with CSV or TSV treatment.
char* PutChar(char* p, char16_t c) {
    if (c < 0x80) {
        *p++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *p++ = static_cast<char>(0xC0 | (c >> 6));
        *p++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *p++ = static_cast<char>(0xE0 | (c >> 12));
        *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *p++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return p;
}

bool NeedsQuotes(QStringView text) {
    for (QChar c : text)
        if (c == u',' || c == u'"' || c == u'\n' || c == u'\r') return true;
    return false;
}

// One text field: CSV quotes it when it holds a comma, a quote or a line break and
// doubles its quotes; TSV turns tabs and line breaks into blanks.
void PutText(LineSink& sink, QStringView text, bool tsv) {
    const bool quoted = !tsv && NeedsQuotes(text);
    // Each character takes at most 3 bytes, or 2 quotes.
    constexpr qsizetype kPiece = kRoom / 4;
    char* p = sink.reserve(1);
    if (quoted) *p++ = '"';
    for (qsizetype start = 0; start < text.size(); start += kPiece) {
        sink.advance(p);
        p = sink.reserve(kRoom);
        for (QChar ch : text.mid(start, kPiece)) {
            const char16_t c = ch.unicode();
            if (tsv && (c == u'\t' || c == u'\n' || c == u'\r')) *p++ = ' ';
            else if (quoted && c == u'"') *p++ = '"', *p++ = '"';
            else p = PutChar(p, c);
        }
    }
    sink.advance(p);
    p = sink.reserve(1);
    if (quoted) *p++ = '"';
    sink.advance(p);
}

char* PutNumber(char* p, long long n) {
    if (n < 0) {
        *p++ = '-';
        n = -n;
    }
    std::array<char, 20> digits;
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n > 0);
    while (count > 0) *p++ = digits[--count];
    return p;
}

char* PutTwoDigits(char* p, std::uint32_t n) {
    *p++ = static_cast<char>('0' + n / 10);
    *p++ = static_cast<char>('0' + n % 10);
    return p;
}

// hh:mm:ss from its digits as one number.
char* PutTime(char* p, std::uint32_t hhmmss) {
    p = PutTwoDigits(p, hhmmss / 10000);
    *p++ = ':';
    p = PutTwoDigits(p, hhmmss / 100 % 100);
    *p++ = ':';
    return PutTwoDigits(p, hhmmss % 100);
}

// yyyy.mm.dd from its digits as one number.
char* PutDate(char* p, std::uint32_t yyyymmdd) {
    p = PutTwoDigits(p, yyyymmdd / 1000000);
    p = PutTwoDigits(p, yyyymmdd / 10000 % 100);
    *p++ = '.';
    p = PutTwoDigits(p, yyyymmdd / 100 % 100);
    *p++ = '.';
    return PutTwoDigits(p, yyyymmdd % 100);
}

} // namespace

bool WriteResultRows(const ResultsTable& table, const std::vector<std::uint32_t>& rows, QChar separator,
                     QTextStream& out) {
    const bool tsv = separator == u'\t';
    const char sep = static_cast<char>(separator.unicode());
    LineSink sink(out);
    {
        char* p = sink.reserve(kHeader.size() + 1);
        for (char c : kHeader) *p++ = c == ',' ? sep : c;
        *p++ = '\n';
        sink.advance(p);
    }
    const TypeNames& codes = StoredTypeCodes();
    for (std::size_t n = 0; n < rows.size(); ++n) {
        const std::size_t i = rows[n];
        const ResultRow& r = table.row(i);
        char* p = sink.reserve(64);
        p = PutNumber(p, static_cast<long long>(n + 1));
        *p++ = sep;
        sink.advance(p);
        PutText(sink, table.name(i), tsv);
        p = sink.reserve(kRoom);
        *p++ = sep;
        for (QChar c : codes[r.typeIndex]) *p++ = static_cast<char>(c.unicode());   // V .. SR
        *p++ = sep;
        p = PutNumber(p, r.boardSize);
        *p++ = sep;
        p = PutNumber(p, r.gapCount);
        *p++ = sep;
        sink.advance(p);
        PutText(sink, QStringView(table.storedGameName(i)).trimmed(), tsv);
        p = sink.reserve(kRoom);
        *p++ = sep;
        if (r.storedGameNo != 0) p = PutNumber(p, r.storedGameNo);
        *p++ = sep;
        if (r.shuffleNo != 0) p = PutNumber(p, r.shuffleNo);
        *p++ = sep;
        p = PutNumber(p, r.steps);
        *p++ = sep;
        // A time or date not in its digit form is kept as a text of its own.
        if (r.elapsed != kOddText) p = PutTime(p, r.elapsed);
        else sink.advance(p), PutText(sink, table.elapsedText(i), tsv), p = sink.reserve(kRoom);
        *p++ = sep;
        if (r.date != kOddText) p = PutDate(p, r.date);
        else sink.advance(p), PutText(sink, table.dateText(i), tsv), p = sink.reserve(kRoom);
        *p++ = sep;
        if (r.timeOfDay != kOddText) p = PutTime(p, r.timeOfDay);
        else sink.advance(p), PutText(sink, table.timeText(i), tsv), p = sink.reserve(kRoom);
        *p++ = sep;
        p = PutNumber(p, static_cast<long long>(i + 1));
        *p++ = '\n';
        sink.advance(p);
    }
    return sink.finish();
}
