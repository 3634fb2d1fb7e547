// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ResultRowsWriter.h"
#include "files/CodePage1250.h"
#include <QFileDevice>
#include <QIODevice>
#include <QStringConverter>
#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <utility>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

const QLatin1String kHeader("row,name,type,size,gaps,game_name,game_no,shuffle_no,steps,elapsed,date,time,record");

// Output bytes gather here and leave in blocks of about this size.
constexpr qsizetype kBlock = 1 << 20;
// The room each row is built in: a record's texts are at most 255 codes of at most
// three bytes each, and a table's longer texts are sent on their own.
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

    // `count` bytes of any length.
    void putBytes(const char* bytes, qsizetype count) {
        while (count > 0) {
            const qsizetype piece = std::min(count, kRoom);
            char* p = reserve(piece);
            std::memcpy(p, bytes, static_cast<std::size_t>(piece));
            advance(p + piece);
            bytes += piece;
            count -= piece;
        }
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

// The UTF-8 bytes of one character of the code page's range (no surrogates reach
// here: every text comes from code page 1250 bytes).
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

// One text field added to `out`: CSV quotes it when it holds a comma, a quote or a
// line break and doubles its quotes; TSV turns tabs and line breaks into blanks.
void AppendTextField(std::string& out, QStringView text, bool tsv) {
    const bool quoted = !tsv && NeedsQuotes(text);
    if (quoted) out += '"';
    for (QChar ch : text) {
        const char16_t c = ch.unicode();
        if (tsv && (c == u'\t' || c == u'\n' || c == u'\r')) {
            out += ' ';
        } else if (quoted && c == u'"') {
            out += "\"\"";
        } else {
            std::array<char, 3> bytes;
            out.append(bytes.data(), static_cast<std::size_t>(PutChar(bytes.data(), c) - bytes.data()));
        }
    }
    if (quoted) out += '"';
}

// A field this long or shorter is copied into the row's room; a longer one (only a
// text another program wrote can be) goes to the sink on its own.
constexpr qsizetype kLongField = 512;

// "00" .. "99".
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int n = 0; n < 100; ++n) {
        pairs[static_cast<std::size_t>(2 * n)] = static_cast<char>('0' + n / 10);
        pairs[static_cast<std::size_t>(2 * n + 1)] = static_cast<char>('0' + n % 10);
    }
    return pairs;
}();

// Two digits at a time, from the lowest, straight into place.
char* PutNumber(char* p, long long n) {
    auto magnitude = static_cast<unsigned long long>(n);
    if (n < 0) {
        *p++ = '-';
        magnitude = 0 - magnitude;
    }
    int digits = 1;
    for (unsigned long long rest = magnitude; rest >= 10; rest /= 10) ++digits;
    char* const end = p + digits;
    char* first = end;
    for (; magnitude >= 100; magnitude /= 100) {
        first -= 2;
        std::memcpy(first, &kDigitPairs[2 * (magnitude % 100)], 2);
    }
    if (magnitude >= 10) std::memcpy(first - 2, &kDigitPairs[2 * magnitude], 2);
    else first[-1] = static_cast<char>('0' + magnitude);
    return end;
}

char* PutTwoDigits(char* p, std::uint32_t n) {
    std::memcpy(p, &kDigitPairs[2 * n], 2);
    return p + 2;
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

// V .. SR; nothing for a type the table does not know.
char* PutTypeCode(char* p, int typeIndex) {
    if (typeIndex < 1 || typeIndex > 8) return p;
    const char* code = kTypeCodeTable + 2 * (typeIndex - 1);
    *p++ = code[0];
    if (code[1] != ' ') *p++ = code[1];
    return p;
}

// The fields between the name and the stored-game name: sep type sep size sep gaps sep.
char* PutTypeSizeGaps(char* p, char sep, int typeIndex, int boardSize, int gapCount) {
    *p++ = sep;
    p = PutTypeCode(p, typeIndex);
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

// What each code page 1250 code becomes in a field, made from the same character table
// the decoder uses, so a field written from codes is the field written from the
// decoded text.
class ResultRowsWriter::Codes {
public:
    explicit Codes(bool tsv) {
        const std::array<QChar, 256>& chars = Cp1250Chars();
        m_special = tsv ? std::array<char, 4>{'\t', '\n', '\r', '\r'} : std::array<char, 4>{',', '"', '\n', '\r'};
        for (std::size_t code = 0; code < 256; ++code) {
            const char16_t c = chars[code].unicode();
            Out& plain = m_plain[code];
            Out& quoted = m_quoted[code];
            const bool lineBreak = c == u'\n' || c == u'\r';
            if (tsv && (c == u'\t' || lineBreak)) {
                plain.bytes[0] = ' ';
                plain.length = 1;
            } else {
                plain.length = static_cast<std::uint8_t>(PutChar(plain.bytes.data(), c) - plain.bytes.data());
            }
            if (!tsv && (c == u',' || c == u'"' || lineBreak)) plain.flags |= kQuoted;
            if (chars[code].isSpace()) plain.flags |= kBlank;   // as QString::trimmed()
            quoted = plain;
            if (c == u'"') quoted = {{'"', '"'}, 2, plain.flags};
            // A code below 128 that is not special must be its own character for the
            // codes to be copied as they are.
            const bool special = std::find(m_special.begin(), m_special.end(), static_cast<char>(code)) != m_special.end();
            if (code < 128 && !special && (plain.length != 1 || plain.bytes[0] != static_cast<char>(code)))
                m_copiedAsTheyAre = false;
        }
    }

    // A field from its `count` codes, written at `p` with room for three bytes a code,
    // two quotes and 16 more. `readable` codes from `codes` on may be read (at least
    // `count`): with a multiple of 16 of them, plain ASCII goes sixteen at a time.
    char* put(char* p, const unsigned char* codes, qsizetype count, qsizetype readable) const {
#if defined(__SSE2__)
        if (m_copiedAsTheyAre && (count + 15) / 16 * 16 <= readable) {
            qsizetype at = 0;
            for (; at < count; at += 16) {
                const __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i*>(codes + at));
                const int inField = count - at >= 16 ? 0xFFFF : (1 << (count - at)) - 1;
                if (specialLanes(sixteen) & inField) break;
                _mm_storeu_si128(reinterpret_cast<__m128i*>(p + at), sixteen);
            }
            if (at >= count) return p + count;
        }
#else
        (void)readable;
#endif
        return putOneByOne(p, codes, count);
    }

    // The three times of a record (26 codes), each as a field and a separator between
    // them. Times in their digit form are plain copies.
    char* putTimes(char* p, const unsigned char* times, char sep) const {
#if defined(__SSE2__)
        const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(times));
        const __m128i last = _mm_loadu_si128(reinterpret_cast<const __m128i*>(times + 10));
        if (m_copiedAsTheyAre && (specialLanes(first) | specialLanes(last)) == 0) {
            std::memcpy(p, times, 8);
            p[8] = sep;
            std::memcpy(p + 9, times + 8, 10);
            p[19] = sep;
            std::memcpy(p + 20, times + 18, 8);
            return p + 28;
        }
#endif
        p = putOneByOne(p, times, 8);
        *p++ = sep;
        p = putOneByOne(p, times + 8, 10);
        *p++ = sep;
        return putOneByOne(p, times + 18, 8);
    }

    // The first code and the count of `count` codes without the blanks at either end.
    std::pair<qsizetype, qsizetype> trimmed(const unsigned char* codes, qsizetype count) const {
        qsizetype first = 0, last = count;
        while (first < last && (m_plain[codes[first]].flags & kBlank)) ++first;
        while (last > first && (m_plain[codes[last - 1]].flags & kBlank)) --last;
        return {first, last - first};
    }

private:
    enum Flag : std::uint8_t {
        kQuoted = 1,   // CSV quotes a field that holds it: , " CR LF
        kBlank = 2,    // trimmed from the ends of a stored-game name
    };
    // A code's bytes (up to three, stored four at a time), how many count, and flags.
    struct Out {
        std::array<char, 4> bytes{};
        std::uint8_t length = 0;
        std::uint8_t flags = 0;
    };

    char* putOneByOne(char* p, const unsigned char* codes, qsizetype count) const {
        char* const start = p;
        std::uint8_t all = 0;
        for (qsizetype i = 0; i < count; ++i) {
            const Out& out = m_plain[codes[i]];
            std::memcpy(p, out.bytes.data(), 4);
            p += out.length;
            all |= out.flags;
        }
        if ((all & kQuoted) == 0) return p;
        // A comma, quote or line break: the field again, in quotes, its quotes doubled.
        p = start;
        *p++ = '"';
        for (qsizetype i = 0; i < count; ++i) {
            const Out& out = m_quoted[codes[i]];
            std::memcpy(p, out.bytes.data(), 4);
            p += out.length;
        }
        *p++ = '"';
        return p;
    }

#if defined(__SSE2__)
    // Lanes of sixteen codes that are not copied as they are: codes from 128 on and
    // the format's special characters.
    int specialLanes(__m128i codes) const {
        int lanes = _mm_movemask_epi8(codes);
        for (char c : m_special) lanes |= _mm_movemask_epi8(_mm_cmpeq_epi8(codes, _mm_set1_epi8(c)));
        return lanes;
    }
#endif

    std::array<Out, 256> m_plain;    // in a field without quotes
    std::array<Out, 256> m_quoted;   // in a field in quotes
    std::array<char, 4> m_special{};
    bool m_copiedAsTheyAre = true;   // codes below 128 other than the special ones
};

// The fields of a table's texts by the texts' ids, each made on first use.
class ResultRowsWriter::TextFields {
public:
    TextFields(bool tsv, bool trimmed) : m_tsv(tsv), m_trimmed(trimmed) {}

    // Valid until the next call.
    QByteArrayView field(const ResultsTable& table, std::uint32_t id) {
        if (&table != m_table || table.textCount() < m_spans.size()) {
            m_table = &table;
            m_spans.clear();
            m_bytes.clear();
        }
        if (id >= m_spans.size()) m_spans.resize(table.textCount());
        Span& span = m_spans[id];
        if (span.offset < 0) {
            QStringView text = table.text(id);
            if (m_trimmed) text = text.trimmed();
            span.offset = static_cast<qsizetype>(m_bytes.size());
            AppendTextField(m_bytes, text, m_tsv);
            span.length = static_cast<qsizetype>(m_bytes.size()) - span.offset;
        }
        return {m_bytes.data() + span.offset, span.length};
    }

private:
    struct Span {
        qsizetype offset = -1;   // not made yet
        qsizetype length = 0;
    };
    bool m_tsv;
    bool m_trimmed;
    const ResultsTable* m_table = nullptr;
    std::vector<Span> m_spans;
    std::string m_bytes;
};

ResultRowsWriter::ResultRowsWriter(QChar separator, QTextStream& out)
    : m_sink(std::make_unique<Sink>(out)), m_codes(std::make_unique<Codes>(separator == u'\t')),
      m_names(std::make_unique<TextFields>(separator == u'\t', false)),
      m_gameNames(std::make_unique<TextFields>(separator == u'\t', true)), m_tsv(separator == u'\t'),
      m_separator(static_cast<char>(separator.unicode())) {
    char* p = m_sink->reserve(kHeader.size() + 1);
    for (char c : kHeader) *p++ = c == ',' ? m_separator : c;
    *p++ = '\n';
    m_sink->advance(p);
}

ResultRowsWriter::~ResultRowsWriter() = default;

bool ResultRowsWriter::finish() { return m_sink->finish(); }

// The row's room holds every field up to kLongField bytes; a longer one is sent on
// its own and the row goes on in fresh room.
char* ResultRowsWriter::putField(char* p, QByteArrayView field) {
    if (field.size() <= kLongField) {
        if (!field.isEmpty()) std::memcpy(p, field.data(), static_cast<std::size_t>(field.size()));
        return p + field.size();
    }
    m_sink->advance(p);
    m_sink->putBytes(field.data(), field.size());
    return m_sink->reserve(kRoom);
}

void ResultRowsWriter::write(const ResultsTable& table, std::size_t i, qint64 recordNo) {
    const char sep = m_separator;
    const ResultRow& r = table.row(i);
    char* p = m_sink->reserve(kRoom);
    p = PutNumber(p, ++m_rowNo);
    *p++ = sep;
    p = putField(p, m_names->field(table, r.name));
    p = PutTypeSizeGaps(p, sep, r.typeIndex, r.boardSize, r.gapCount);
    p = putField(p, m_gameNames->field(table, r.gameName));
    p = PutCounts(p, sep, r.storedGameNo, r.shuffleNo, r.steps);
    // A time or date not in its digit form is kept as a text of its own.
    std::string odd;
    const auto putOdd = [&](const QString& text) {
        odd.clear();
        AppendTextField(odd, text, m_tsv);
        return putField(p, QByteArrayView(odd.data(), static_cast<qsizetype>(odd.size())));
    };
    p = r.elapsed != kOddText ? PutTime(p, r.elapsed) : putOdd(table.elapsedText(i));
    *p++ = sep;
    p = r.date != kOddText ? PutDate(p, r.date) : putOdd(table.dateText(i));
    *p++ = sep;
    p = r.timeOfDay != kOddText ? PutTime(p, r.timeOfDay) : putOdd(table.timeText(i));
    *p++ = sep;
    p = PutNumber(p, recordNo);
    *p++ = '\n';
    m_sink->advance(p);
}

// The whole row in the room of one reserve: a record's texts are at most 255 codes.
void ResultRowsWriter::write(const DecodedRecord& r, qint64 recordNo) {
    const Codes& codes = *m_codes;
    const char sep = m_separator;
    char* p = m_sink->reserve(kRoom);
    p = PutNumber(p, ++m_rowNo);
    *p++ = sep;
    p = codes.put(p, r.name.data(), r.nameLength, static_cast<qsizetype>(r.name.size()));
    p = PutTypeSizeGaps(p, sep, r.typeIndex, r.boardSize, r.gapCount);
    const auto [first, count] = codes.trimmed(r.storedGameName.data(), r.storedGameNameLength);
    p = codes.put(p, r.storedGameName.data() + first, count, static_cast<qsizetype>(r.storedGameName.size()) - first);
    p = PutCounts(p, sep, r.storedGameNo, r.shuffleNo, r.steps);
    p = codes.putTimes(p, r.times.data(), sep);
    *p++ = sep;
    p = PutNumber(p, recordNo);
    *p++ = '\n';
    m_sink->advance(p);
}

bool WriteResultRows(const ResultsTable& table, const std::vector<std::uint32_t>& rows, QChar separator,
                     QTextStream& out) {
    ResultRowsWriter writer(separator, out);
    for (const std::uint32_t i : rows) writer.write(table, i, static_cast<qint64>(i) + 1);
    return writer.finish();
}
