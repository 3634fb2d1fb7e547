// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ResultRowsWriter.h"
#include "files/CodePage1250.h"
#include <QFileDevice>
#include <QIODevice>
#include <QStringConverter>
#include <array>
#include <cstring>

namespace {

const QLatin1String kHeader("row,name,type,size,gaps,game_name,game_no,shuffle_no,steps,elapsed,date,time,record");

// Output bytes gather here and leave in blocks of about this size.
constexpr qsizetype kBlock = 1 << 20;
// A row's fields take at most a few hundred bytes; texts of any length are written
// in pieces no larger than this.
constexpr qsizetype kRoom = 4096;

} // namespace

// The lines as UTF-8 bytes, sent on to the text stream block by block: straight to its
// device when it has one and writes UTF-8, through the stream otherwise.
class ResultRowsWriter::Sink {
public:
    explicit Sink(QTextStream& out) : m_out(out) {
        m_out.flush();   // whatever the stream holds goes first
        m_direct = m_out.device() && m_out.encoding() == QStringConverter::Utf8 && !m_out.generateByteOrderMark();
        m_buffer.resize(kBlock + kRoom);
    }
    ~Sink() { flush(); }

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

namespace {

using Sink = ResultRowsWriter::Sink;

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
void PutText(Sink& sink, QStringView text, bool tsv) {
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

// What a code page 1250 code becomes in a field: its character's UTF-8 bytes, and
// how the field treats that character.
struct CodeInField {
    enum Flag : std::uint8_t {
        Quoted = 1,     // CSV quotes a field that holds it: , " CR LF
        Quote = 2,      // doubled inside quotes
        TsvBlank = 4,   // TSV writes a blank for it: tab CR LF
        Wide = 8,       // more than one byte in UTF-8
        Blank = 16,     // trimmed from the ends of a stored-game name
    };
    std::array<char, 3> bytes{};
    std::uint8_t length = 0;
    std::uint8_t flags = 0;
};
// Flags that leave a field other than a plain copy of its codes.
constexpr std::uint8_t kNotPlain = CodeInField::Quoted | CodeInField::TsvBlank | CodeInField::Wide;

// Built from the same character table the decoder uses, so a field written from codes
// is the field written from the decoded text.
const std::array<CodeInField, 256>& CodesInFields() {
    static const std::array<CodeInField, 256> table = [] {
        std::array<CodeInField, 256> t{};
        const std::array<QChar, 256>& chars = Cp1250Chars();
        for (std::size_t code = 0; code < 256; ++code) {
            const QChar c = chars[code];
            CodeInField& f = t[code];
            f.length = static_cast<std::uint8_t>(PutChar(f.bytes.data(), c.unicode()) - f.bytes.data());
            if (f.length > 1) f.flags |= CodeInField::Wide;
            if (c == u',' || c == u'"' || c == u'\n' || c == u'\r') f.flags |= CodeInField::Quoted;
            if (c == u'"') f.flags |= CodeInField::Quote;
            if (c == u'\t' || c == u'\n' || c == u'\r') f.flags |= CodeInField::TsvBlank;
            if (c.isSpace()) f.flags |= CodeInField::Blank;   // as QString::trimmed()
        }
        return t;
    }();
    return table;
}

// A text field from its code page 1250 codes (at most 255 of them, as a record holds),
// written as PutText writes the decoded text.
void PutCodes(Sink& sink, QByteArrayView codes, bool tsv) {
    const std::array<CodeInField, 256>& table = CodesInFields();
    const auto* begin = reinterpret_cast<const unsigned char*>(codes.data());
    const auto* end = begin + codes.size();
    std::uint8_t all = 0;
    for (const unsigned char* c = begin; c != end; ++c) all |= table[*c].flags;
    // Each code takes at most 3 bytes, the quotes 2 more.
    char* p = sink.reserve(3 * codes.size() + 2);
    if ((all & kNotPlain) == 0) {
        if (!codes.isEmpty()) std::memcpy(p, begin, static_cast<std::size_t>(codes.size()));
        sink.advance(p + codes.size());
        return;
    }
    const bool quoted = !tsv && (all & CodeInField::Quoted);
    if (quoted) *p++ = '"';
    for (const unsigned char* c = begin; c != end; ++c) {
        const CodeInField& f = table[*c];
        if (tsv && (f.flags & CodeInField::TsvBlank)) *p++ = ' ';
        else if (quoted && (f.flags & CodeInField::Quote)) *p++ = '"', *p++ = '"';
        else for (std::uint8_t k = 0; k < f.length; ++k) *p++ = f.bytes[k];
    }
    if (quoted) *p++ = '"';
    sink.advance(p);
}

// The codes without the blanks at either end.
QByteArrayView TrimmedCodes(QByteArrayView codes) {
    const std::array<CodeInField, 256>& table = CodesInFields();
    qsizetype first = 0, last = codes.size();
    while (first < last && (table[static_cast<unsigned char>(codes[first])].flags & CodeInField::Blank)) ++first;
    while (last > first && (table[static_cast<unsigned char>(codes[last - 1])].flags & CodeInField::Blank)) --last;
    return codes.sliced(first, last - first);
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

// The fields between the name and the stored-game name: sep type sep size sep gaps sep.
char* PutTypeSizeGaps(char* p, char sep, int typeIndex, int boardSize, int gapCount) {
    *p++ = sep;
    for (QChar c : StoredTypeCodes()[static_cast<std::size_t>(typeIndex)]) *p++ = static_cast<char>(c.unicode());   // V .. SR
    *p++ = sep;
    p = PutNumber(p, boardSize);
    *p++ = sep;
    p = PutNumber(p, gapCount);
    *p++ = sep;
    return p;
}

// The fields after the stored-game name: sep game no sep shuffle no sep steps sep; the
// two numbers are empty when 0.
char* PutCounts(char* p, char sep, int storedGameNo, int shuffleNo, int steps) {
    *p++ = sep;
    if (storedGameNo != 0) p = PutNumber(p, storedGameNo);
    *p++ = sep;
    if (shuffleNo != 0) p = PutNumber(p, shuffleNo);
    *p++ = sep;
    p = PutNumber(p, steps);
    *p++ = sep;
    return p;
}

} // namespace

ResultRowsWriter::ResultRowsWriter(QChar separator, QTextStream& out)
    : m_sink(std::make_unique<Sink>(out)), m_tsv(separator == u'\t'),
      m_separator(static_cast<char>(separator.unicode())) {
    char* p = m_sink->reserve(kHeader.size() + 1);
    for (char c : kHeader) *p++ = c == ',' ? m_separator : c;
    *p++ = '\n';
    m_sink->advance(p);
}

ResultRowsWriter::~ResultRowsWriter() = default;

bool ResultRowsWriter::finish() { return m_sink->finish(); }

void ResultRowsWriter::write(const ResultsTable& table, std::size_t i, qint64 recordNo) {
    Sink& sink = *m_sink;
    const char sep = m_separator;
    const ResultRow& r = table.row(i);
    char* p = sink.reserve(64);
    p = PutNumber(p, ++m_rowNo);
    *p++ = sep;
    sink.advance(p);
    PutText(sink, table.name(i), m_tsv);
    p = sink.reserve(kRoom);
    p = PutTypeSizeGaps(p, sep, r.typeIndex, r.boardSize, r.gapCount);
    sink.advance(p);
    PutText(sink, QStringView(table.storedGameName(i)).trimmed(), m_tsv);
    p = sink.reserve(kRoom);
    p = PutCounts(p, sep, r.storedGameNo, r.shuffleNo, r.steps);
    // A time or date not in its digit form is kept as a text of its own.
    if (r.elapsed != kOddText) p = PutTime(p, r.elapsed);
    else sink.advance(p), PutText(sink, table.elapsedText(i), m_tsv), p = sink.reserve(kRoom);
    *p++ = sep;
    if (r.date != kOddText) p = PutDate(p, r.date);
    else sink.advance(p), PutText(sink, table.dateText(i), m_tsv), p = sink.reserve(kRoom);
    *p++ = sep;
    if (r.timeOfDay != kOddText) p = PutTime(p, r.timeOfDay);
    else sink.advance(p), PutText(sink, table.timeText(i), m_tsv), p = sink.reserve(kRoom);
    *p++ = sep;
    p = PutNumber(p, recordNo);
    *p++ = '\n';
    sink.advance(p);
}

void ResultRowsWriter::write(const DecodedRecord& r, qint64 recordNo) {
    Sink& sink = *m_sink;
    const char sep = m_separator;
    char* p = sink.reserve(64);
    p = PutNumber(p, ++m_rowNo);
    *p++ = sep;
    sink.advance(p);
    PutCodes(sink, r.nameCodes(), m_tsv);
    p = sink.reserve(64);
    p = PutTypeSizeGaps(p, sep, r.typeIndex, r.boardSize, r.gapCount);
    sink.advance(p);
    PutCodes(sink, TrimmedCodes(r.storedGameNameCodes()), m_tsv);
    p = sink.reserve(64);
    p = PutCounts(p, sep, r.storedGameNo, r.shuffleNo, r.steps);
    sink.advance(p);
    // Times and dates in their digit form are plain copies; any other text is written
    // as it reads.
    PutCodes(sink, r.elapsedCodes(), m_tsv);
    *(p = sink.reserve(1)) = sep;
    sink.advance(p + 1);
    PutCodes(sink, r.dateCodes(), m_tsv);
    *(p = sink.reserve(1)) = sep;
    sink.advance(p + 1);
    PutCodes(sink, r.timeOfDayCodes(), m_tsv);
    p = sink.reserve(64);
    *p++ = sep;
    p = PutNumber(p, recordNo);
    *p++ = '\n';
    sink.advance(p);
}

bool WriteResultRows(const ResultsTable& table, const std::vector<std::uint32_t>& rows, QChar separator,
                     QTextStream& out) {
    ResultRowsWriter writer(separator, out);
    for (const std::uint32_t i : rows) writer.write(table, i, static_cast<qint64>(i) + 1);
    return writer.finish();
}
