// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/ResultsCodec.h"
#include "files/CodePage1250.h"
#include "ui/RandomSource.h"
#include <QIODevice>
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr int kTextBlockLength = 26;   // elapsed 8 + date 10 + time of day 8
constexpr int kLowestKey = 30;         // keys are drawn from 30..149 (150 when repeating)
constexpr int kMaxRecordLength = 256;  // its length - 1 is kept in one byte
constexpr int kLongestHeader = 29;
constexpr int kMax16 = 32767;

int HighByte(int value) { return (value >> 8) & 0xFF; }
int LowByte(int value) { return value & 0xFF; }
char Byte(int value) { return static_cast<char>(static_cast<unsigned char>(value & 0xFF)); }

// "dd:dd:dd" or "dddd.dd.dd": digits with the separator at the given places.
bool HasFixedForm(const QString& text, int length, QChar separator, std::initializer_list<int> at) {
    if (text.size() != length) return false;
    for (int i = 0; i < length; ++i) {
        const bool separatorPlace = std::find(at.begin(), at.end(), i) != at.end();
        const char16_t c = text[i].unicode();
        if (separatorPlace ? text[i] != separator : c < u'0' || c > u'9') return false;
    }
    return true;
}

// The code of type index 1..8. Literals: a reader assigns one per record without
// allocating or counting references.
Q_ALWAYS_INLINE const QString& TypeCodeOfIndex(int index) {
    static const std::array<QString, 8> kCodes = {
        QStringLiteral("V"), QStringLiteral("VR"), QStringLiteral("A"), QStringLiteral("AR"),
        QStringLiteral("M"), QStringLiteral("T"),  QStringLiteral("S"), QStringLiteral("SR")};
    return kCodes[static_cast<size_t>(index - 1)];
}

// Sizes `text` to `length` characters and gives its storage; unshared storage is
// reused as it is, so reading record after record into one string does not allocate.
Q_ALWAYS_INLINE QChar* ReuseText(QString& text, qsizetype length) {
    QString::DataPointer& d = text.data_ptr();
    const qsizetype capacity = text.capacity();
    if (!d.needsDetach() && length <= capacity && capacity > 0) {
        // What resize() does for unshared storage with room, without the call and its
        // checks: five strings a record, a name's length changing from one to the next.
        d.size = length;
        d.data()[length] = u'\0';
        return reinterpret_cast<QChar*>(d.data());
    }
    text.resize(length);
    return text.data();
}

// Empties `text`, keeping unshared storage for the next text read into it.
void EmptyText(QString& text) {
    if (text.isDetached()) ReuseText(text, 0);
    else text.clear();
}

// The type code of `index`, shared with the literal; a record of the same type as the
// one before leaves it alone.
Q_ALWAYS_INLINE void SetTypeCode(QString& typeCode, int index) {
    const QString& code = TypeCodeOfIndex(index);
    if (typeCode.constData() != code.constData()) typeCode = code;
}

// Unscrambles one code the way the file defines it: y - key - 4 * position, folded
// back once into 0..255. A result below zero is out of range. In 16 bits: the values
// stay within +-1300.
inline std::int16_t UnscrambleOne(unsigned char y, int key, int position) {
    const auto x = static_cast<std::int16_t>(y - key - 4 * position);
    return static_cast<std::int16_t>(x + ((x >> 15) & 255));
}

bool UnscrambleCodesOneByOne(const unsigned char* in, int length, int key, unsigned char* out) {
    std::int16_t all = 0;
    for (int i = 0; i < length; ++i) {
        const std::int16_t code = UnscrambleOne(in[i], key, i + 1);
        all |= code;
        out[i] = static_cast<unsigned char>(code);
    }
    return all >= 0;
}

#if defined(__SSE2__)
// Sixteen codes at a time: the bytes from text position `at` (0-based) on are widened
// to 16 bits, unscrambled and folded as UnscrambleOne does, and narrowed back. Lanes
// at or beyond `length` are written but left out of the range check, which gathers
// the sign bits of the rest in `bad`.
inline void Unscramble16(const unsigned char* in, int at, int length, int key, unsigned char* out, __m128i& bad) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + at));
    const __m128i base = _mm_set1_epi16(static_cast<short>(key + 4 * (at + 1)));
    const __m128i laneLow = _mm_setr_epi16(0, 1, 2, 3, 4, 5, 6, 7);
    const __m128i laneHigh = _mm_setr_epi16(8, 9, 10, 11, 12, 13, 14, 15);
    const __m128i fold = _mm_set1_epi16(255);
    const auto unscramble = [&](__m128i wide, __m128i lane) {
        const __m128i x = _mm_sub_epi16(wide, _mm_add_epi16(base, _mm_slli_epi16(lane, 2)));
        return _mm_add_epi16(x, _mm_and_si128(_mm_srai_epi16(x, 15), fold));
    };
    const __m128i low = unscramble(_mm_unpacklo_epi8(bytes, zero), laneLow);
    const __m128i high = unscramble(_mm_unpackhi_epi8(bytes, zero), laneHigh);
    const __m128i inText = _mm_set1_epi16(static_cast<short>(length - at));
    bad = _mm_or_si128(bad, _mm_packs_epi16(_mm_and_si128(low, _mm_cmplt_epi16(laneLow, inText)),
                                            _mm_and_si128(high, _mm_cmplt_epi16(laneHigh, inText))));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at), _mm_packus_epi16(low, high));
}
#endif

// Unscrambles `length` bytes from `in` into their code page 1250 codes at `out` (room
// for at least 16); the first byte is at position 1. False when a code falls out of
// range. `readable` bytes from `in` on may be read: with 16 of them a short text
// takes one step of sixteen, reading past its end.
bool UnscrambleCodes(const unsigned char* in, int length, int key, unsigned char* out, qsizetype readable) {
#if defined(__SSE2__)
    if (length >= 16 || (length > 0 && readable >= 16)) {
        __m128i bad = _mm_setzero_si128();
        int at = 0;
        for (; at + 16 <= length; at += 16) Unscramble16(in, at, length, key, out, bad);
        // The rest: the last sixteen bytes again, overlapping, or the one short step.
        if (at < length) Unscramble16(in, length >= 16 ? length - 16 : 0, length, key, out, bad);
        return _mm_movemask_epi8(bad) == 0;
    }
#else
    (void)readable;
#endif
    return UnscrambleCodesOneByOne(in, length, key, out);
}

// The characters of the code page, and whether its codes 0..127 are ASCII (so that
// such a code is its own character).
struct CharTable {
    const std::array<QChar, 256>& chars;
    bool asciiKept;
};

const CharTable& Chars() {
    static const CharTable table = [] {
        const std::array<QChar, 256>& chars = Cp1250Chars();
        bool kept = true;
        for (int code = 0; code < 128; ++code) kept = kept && chars[static_cast<std::size_t>(code)].unicode() == code;
        return CharTable{chars, kept};
    }();
    return table;
}

void CharsOneByOne(const unsigned char* codes, int length, const std::array<QChar, 256>& chars, QChar* out) {
    for (int i = 0; i < length; ++i) out[i] = chars[codes[i]];
}

// `text` becomes the characters of `length` code page 1250 codes.
void TextFromCodes(const unsigned char* codes, int length, const CharTable& table, QString& text) {
    QChar* out = ReuseText(text, length);
#if defined(__SSE2__)
    if (length >= 8 && table.asciiKept) {
        // Eight codes at a time, each widened to its character, then the few codes above
        // ASCII (the accented letters of a name) looked up; the last eight overlap.
        const __m128i zero = _mm_setzero_si128();
        const auto widen8 = [&](int at) {
            const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(codes + at));
            if ((_mm_movemask_epi8(bytes) & 0xFF) == 0) {
                _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at), _mm_unpacklo_epi8(bytes, zero));
                return;
            }
            // All eight through the table (which keeps ASCII): a fixed number of steps
            // costs less than a loop whose count the accents decide.
            for (int i = at; i < at + 8; ++i) out[i] = table.chars[codes[i]];
        };
        int at = 0;
        for (; at + 8 <= length; at += 8) widen8(at);
        if (at < length) widen8(length - 8);
        return;
    }
#endif
    CharsOneByOne(codes, length, table.chars, out);
}

#if defined(__SSE2__)
// The codes of the eight bytes at `in`, whose first is at text position `first`
// (1-based), in 16-bit lanes: unscrambled and folded as UnscrambleOne does. A lane
// below zero is out of range.
Q_ALWAYS_INLINE __m128i Unscramble8(const unsigned char* in, int first, int key) {
    const __m128i steps = _mm_setr_epi16(0, 4, 8, 12, 16, 20, 24, 28);
    const __m128i bytes = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(in)), _mm_setzero_si128());
    const __m128i x = _mm_sub_epi16(bytes, _mm_add_epi16(_mm_set1_epi16(static_cast<short>(key + 4 * first)), steps));
    return _mm_add_epi16(x, _mm_and_si128(_mm_srai_epi16(x, 15), _mm_set1_epi16(255)));
}

// Whether a lane of `codes` is below zero.
inline bool AnyOutOfRange(__m128i codes) {
    return _mm_movemask_epi8(_mm_packs_epi16(codes, _mm_setzero_si128())) != 0;
}

// Stores the characters of eight codes at `out`: a code below 128 is its own character
// (the table keeps ASCII), the few above it (accented letters) are looked up.
Q_ALWAYS_INLINE void StoreChars(__m128i codes, QChar* out, const CharTable& table) {
    const __m128i above = _mm_cmpgt_epi16(codes, _mm_set1_epi16(127));
    if (_mm_movemask_epi8(above) == 0) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), codes);
        return;
    }
    // All eight through the table (which keeps ASCII): a fixed number of steps costs
    // less than a loop whose count the accents decide.
    alignas(16) std::array<std::uint16_t, 8> code;
    _mm_store_si128(reinterpret_cast<__m128i*>(code.data()), codes);
    for (std::size_t i = 0; i < 8; ++i) out[i] = table.chars[code[i] & 0xFF];
}
#endif

// Unscrambles `length` bytes at `in`, the first at text position `first` (1-based),
// straight into the characters they stand for at `out`. False when a code falls out
// of range.
Q_ALWAYS_INLINE bool UnscrambleChars(const unsigned char* in, int first, int length, int key, const CharTable& table,
                                     QChar* out) {
#if defined(__SSE2__)
    if (length >= 8 && table.asciiKept) {
        // Eight at a time; the last eight overlap the ones before.
        __m128i all = _mm_setzero_si128();
        const auto step = [&](int at) {
            const __m128i codes = Unscramble8(in + at, first + at, key);
            all = _mm_or_si128(all, codes);
            StoreChars(codes, out + at, table);
        };
        int at = 0;
        for (; at + 8 <= length; at += 8) step(at);
        if (at < length) step(length - 8);
        return !AnyOutOfRange(all);
    }
#endif
    std::int16_t all = 0;
    for (int i = 0; i < length; ++i) {
        const std::int16_t code = UnscrambleOne(in[i], key, first + i);
        all |= code;
        out[i] = table.chars[static_cast<unsigned char>(code)];
    }
    return all >= 0;
}

// Where DecodeFields puts a record's texts and type: as codes into a DecodedRecord,
// or as characters into a ResultRecord. `readable` bytes from `in` on may be read.
bool PutName(DecodedRecord& r, const unsigned char* in, int length, int key, qsizetype readable) {
    r.nameLength = length;
    return UnscrambleCodes(in, length, key, r.name.data(), readable);
}

bool PutName(ResultRecord& r, const unsigned char* in, int length, int key, qsizetype) {
    return UnscrambleChars(in, 1, length, key, Chars(), ReuseText(r.name, length));
}

bool PutStoredGameName(DecodedRecord& r, const unsigned char* in, int length, int key, qsizetype readable) {
    r.storedGameNameLength = length;
    return UnscrambleCodes(in, length, key, r.storedGameName.data(), readable);
}

bool PutStoredGameName(ResultRecord& r, const unsigned char* in, int length, int key, qsizetype) {
    if (length == 0) {
        EmptyText(r.storedGameName);
        return true;
    }
    return UnscrambleChars(in, 1, length, key, Chars(), ReuseText(r.storedGameName, length));
}

void PutNoStoredGameName(DecodedRecord& r) { r.storedGameNameLength = 0; }
void PutNoStoredGameName(ResultRecord& r) { EmptyText(r.storedGameName); }

bool PutTimes(DecodedRecord& r, const unsigned char* in, int key, qsizetype readable) {
    return UnscrambleCodes(in, DecodedRecord::kTimesLength, key, r.times.data(), readable);
}

// Elapsed, date and time of day: one text, its positions running on through all three.
bool PutTimes(ResultRecord& r, const unsigned char* in, int key, qsizetype) {
    const CharTable& table = Chars();
#if defined(__SSE2__)
    if (table.asciiKept) {
        // Four steps of eight for the 26 characters, the date's two overlapping.
        const __m128i elapsed = Unscramble8(in, 1, key);
        const __m128i dateHead = Unscramble8(in + 8, 9, key);
        const __m128i dateTail = Unscramble8(in + 10, 11, key);
        const __m128i timeOfDay = Unscramble8(in + 18, 19, key);
        if (AnyOutOfRange(_mm_or_si128(_mm_or_si128(elapsed, dateHead), _mm_or_si128(dateTail, timeOfDay))))
            return false;
        StoreChars(elapsed, ReuseText(r.elapsed, 8), table);
        QChar* date = ReuseText(r.date, 10);
        StoreChars(dateHead, date, table);
        StoreChars(dateTail, date + 2, table);
        StoreChars(timeOfDay, ReuseText(r.timeOfDay, 8), table);
        return true;
    }
#endif
    const bool elapsed = UnscrambleChars(in, 1, 8, key, table, ReuseText(r.elapsed, 8));
    const bool date = UnscrambleChars(in + 8, 9, 10, key, table, ReuseText(r.date, 10));
    const bool timeOfDay = UnscrambleChars(in + 18, 19, 8, key, table, ReuseText(r.timeOfDay, 8));
    return elapsed && date && timeOfDay;
}

void PutTypeIndex(DecodedRecord& r, int index) { r.typeIndex = index; }
void PutTypeIndex(ResultRecord& r, int index) { SetTypeCode(r.typeCode, index); }

} // namespace

int TypeCodePosition(const QString& code) {
    const int index = TypeIndexOfCode(code);
    return index == 0 ? 0 : 2 * index - 1;
}

QString TypeCodeAtPosition(int position) {
    if (position < 1 || position > 15 || position % 2 == 0) return {};
    return TypeCodeOfIndex((position + 1) / 2);
}

int TypeIndexOfCode(const QString& code) {
    // By its letters rather than by comparing texts: the statistics ask for every record.
    const qsizetype length = code.size();
    if (length < 1 || length > 2) return 0;
    const bool rearranged = length == 2;
    if (rearranged && code[1] != QLatin1Char('R')) return 0;
    switch (code[0].unicode()) {
    case u'V': return rearranged ? 2 : 1;
    case u'A': return rearranged ? 4 : 3;
    case u'M': return rearranged ? 0 : 5;
    case u'T': return rearranged ? 0 : 6;
    case u'S': return rearranged ? 8 : 7;
    default: return 0;
    }
}

QString FormatTriple(int first, int second, int third, QChar separator) {
    const auto twoDigits = [](int n) { return n < 10 ? QStringLiteral("0%1").arg(n) : QString::number(n); };
    const QString head = separator == QLatin1Char(':') ? twoDigits(first) : QString::number(first);
    return head + separator + twoDigits(second) + separator + twoDigits(third);
}

// The scrambled value v + key + 4 * position is folded back into a byte by
// subtracting 255 once, so it must not exceed 510; this is the highest key that
// keeps every character of `text` within that.
int HighestKeyFor(QByteArrayView text) {
    int highest = 255;
    for (qsizetype i = 0; i < text.size(); ++i)
        highest = std::min(highest, 510 - static_cast<unsigned char>(text[i]) - 4 * static_cast<int>(i + 1));
    return highest;
}

qsizetype FirstUnstorableCharacter(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto code = Cp1250FromChar(text[i]);
        // Code 255 always folds to 0 and reads back as 0.
        if (!code || *code == 255 || *code + kLowestKey + 4 * (i + 1) > 510) return i;
    }
    return -1;
}

QString StorableText(QString text) {
    for (qsizetype i = FirstUnstorableCharacter(text); i >= 0; i = FirstUnstorableCharacter(text))
        text[i] = QLatin1Char('?');
    return text;
}

// What the writer puts into a record: the numbers, and the texts as their code page
// codes with the highest key each can take. The codes lie in `RecordTexts` or, for a
// record as read, in the DecodedRecord itself.
struct RecordFields {
    const unsigned char* name = nullptr;
    const unsigned char* game = nullptr;
    const unsigned char* block = nullptr;   // elapsed, date, time of day: 26 codes
    int nameLength = 0;
    int gameLength = 0;
    int nameHighestKey = 0;
    int gameHighestKey = 0;
    int blockHighestKey = 0;
    int typePosition = 0;
    int boardSize = 4;
    int gapCount = 0;
    int storedGameNo = 0;
    int shuffleNo = 0;
    int steps = 0;
};

namespace {

// Room for the codes of a record's texts. A record is at most 256 bytes, so each
// fits on the stack.
struct RecordTexts {
    std::array<unsigned char, kMaxRecordLength> name;
    std::array<unsigned char, kMaxRecordLength> game;
    std::array<unsigned char, kTextBlockLength> block;
};

// The keys a text may be scrambled with so that the values added to its key stay
// inside their fields.
struct KeyRange {
    int lowest = kLowestKey;
    int highest = 255;
};

// The name's key is added to the shuffle number and the steps (16 bits each) and,
// without a stored game, to the gap count (one byte). A count below zero, as a file
// may hold one, needs a key high enough to lift it.
KeyRange NameKeyRange(const RecordFields& f) {
    KeyRange k;
    k.lowest = std::max({kLowestKey, -300 - f.shuffleNo, -400 - f.steps});
    k.highest = std::min({f.nameHighestKey, kMax16 - 300 - f.shuffleNo, kMax16 - 400 - f.steps});
    if (f.gameLength == 0) {
        k.lowest = std::max(k.lowest, -f.gapCount);
        k.highest = std::min(k.highest, 255 - f.gapCount);
    }
    return k;
}

// A stored game's key carries the gap count instead.
KeyRange GameKeyRange(const RecordFields& f) {
    return {std::max(kLowestKey, -f.gapCount), std::min(f.gameHighestKey, 255 - f.gapCount)};
}

// Far beyond anything a file can hold; keeps the key arithmetic clear of overflow.
bool CountsInReach(const RecordFields& f) {
    const auto within = [](int v, int low, int high) { return v >= low && v <= high; };
    return within(f.shuffleNo, -1000, kMax16) && within(f.steps, -1000, kMax16) &&
           within(f.gapCount, -1000, 1000);
}

// The highest key with which each of the `n` bytes scrambles back at its place
// (HighestKeyFor), or -1 when one cannot with any key: code 255 always folds to 0,
// and the lowest key may already carry a byte past 510.
int StorableHighestKey(const unsigned char* bytes, qsizetype n) {
    bool aboveAscii = false;
    int reach = 0;   // the largest v + 4 * position
    bool code255 = false;
#if defined(__SSE2__)
    // Plain ASCII of 16..32 bytes, as every time block and most names are, in two
    // loads; the answer is the one found below.
    if (n >= 16 && n <= 32) {
        const __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
        const __m128i tail = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + n - 16));
        if (_mm_movemask_epi8(_mm_or_si128(head, tail)) == 0) return 255;
    }
    if (n >= 16) {
        // Sixteen at a time, the last sixteen overlapping: an or and a maximum do not
        // mind seeing a byte twice.
        const __m128i zero = _mm_setzero_si128();
        const __m128i steps = _mm_setr_epi16(4, 8, 12, 16, 20, 24, 28, 32);
        __m128i all = zero;
        __m128i highest = zero;
        __m128i is255 = zero;
        const auto step = [&](int at) {
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at));
            all = _mm_or_si128(all, b);
            is255 = _mm_or_si128(is255, _mm_cmpeq_epi8(b, _mm_set1_epi8(-1)));
            const __m128i low = _mm_add_epi16(_mm_unpacklo_epi8(b, zero), _mm_add_epi16(_mm_set1_epi16(static_cast<short>(4 * at)), steps));
            const __m128i high = _mm_add_epi16(_mm_unpackhi_epi8(b, zero), _mm_add_epi16(_mm_set1_epi16(static_cast<short>(4 * at + 32)), steps));
            highest = _mm_max_epi16(highest, _mm_max_epi16(low, high));
        };
        const int length = static_cast<int>(n);
        int at = 0;
        for (; at + 16 <= length; at += 16) step(at);
        if (at < length) step(length - 16);
        highest = _mm_max_epi16(highest, _mm_shuffle_epi32(highest, 0x4E));
        highest = _mm_max_epi16(highest, _mm_shuffle_epi32(highest, 0xB1));
        highest = _mm_max_epi16(highest, _mm_shufflelo_epi16(highest, 0xB1));
        reach = static_cast<std::int16_t>(_mm_cvtsi128_si32(highest) & 0xFFFF);
        aboveAscii = _mm_movemask_epi8(all) != 0;
        code255 = _mm_movemask_epi8(is255) != 0;
    } else
#endif
    {
        unsigned all = 0;
        for (int i = 0; i < static_cast<int>(n); ++i) {
            all |= bytes[i];
            const int v = bytes[i] + 4 * (i + 1);
            reach = v > reach ? v : reach;
            code255 |= bytes[i] == 255;
        }
        aboveAscii = all >= 128;
    }
    // Keys are drawn up to 150: with no byte above 127 and at most 58 of them
    // (127 + 150 + 4 * 58 = 509) nothing comes near the fold, and no key is refused.
    if (!aboveAscii && n <= 58) return 255;
    const int highestKey = std::min(255, 510 - reach);
    return code255 || highestKey < kLowestKey ? -1 : highestKey;
}

// Encodes `text` into `out`; its highest key, or -1 when it cannot be stored.
int EncodeStorable(QStringView text, unsigned char* out) {
    if (EncodeCp1250Into(text, out) >= 0) return -1;
    return StorableHighestKey(out, text.size());
}

// Whether the codec can write `f` so that it reads back unchanged, its texts' highest
// keys filled in already.
bool Encodable(const RecordFields& f) {
    const int length = 2 + 28 + 2 + f.nameLength + 5 + (f.gameLength > 0 ? f.gameLength + 4 : 1) + 1 + 5 + 10;
    if (length > kMaxRecordLength) return false;
    if (f.typePosition == 0 || f.boardSize < 4 || f.boardSize > 6 || !CountsInReach(f) ||
        (f.gameLength > 0 && (f.storedGameNo < 0 || f.storedGameNo > kMax16)))
        return false;
    if (f.nameHighestKey < 0 || f.gameHighestKey < 0 || f.blockHighestKey < 0) return false;
    const KeyRange name = NameKeyRange(f);
    if (name.lowest > name.highest) return false;
    // The stored game's key must differ from the name's, so it needs two to choose from.
    const KeyRange game = GameKeyRange(f);
    return f.gameLength == 0 || game.lowest < game.highest;
}

// Fills `f` from `r`, its texts encoded into `t`; false when the codec cannot write
// the record so that it reads back unchanged.
bool PrepareRecord(const ResultRecord& r, RecordTexts& t, RecordFields& f) {
    const qsizetype m = r.name.size();
    const qsizetype g = r.storedGameName.size();
    // Longer texts than a record holds are refused before they are encoded.
    if (m > kMaxRecordLength || g > kMaxRecordLength) return false;
    const qsizetype e = r.elapsed.size();
    const qsizetype d = r.date.size();
    if (e + d + r.timeOfDay.size() != kTextBlockLength) return false;
    f.nameLength = static_cast<int>(m);
    f.gameLength = static_cast<int>(g);
    f.typePosition = TypeCodePosition(r.typeCode);
    f.boardSize = r.boardSize;
    f.gapCount = r.gapCount;
    f.storedGameNo = r.storedGameNo;
    f.shuffleNo = r.shuffleNo;
    f.steps = r.steps;
    f.name = t.name.data();
    f.game = t.game.data();
    f.block = t.block.data();
    f.nameHighestKey = EncodeStorable(r.name, t.name.data());
    f.gameHighestKey = EncodeStorable(r.storedGameName, t.game.data());
    // The three times are one text: their positions run on through all of them.
    unsigned char* block = t.block.data();
    if (EncodeCp1250Into(r.elapsed, block) >= 0 || EncodeCp1250Into(r.date, block + e) >= 0 ||
        EncodeCp1250Into(r.timeOfDay, block + e + d) >= 0)
        return false;
    f.blockHighestKey = StorableHighestKey(block, kTextBlockLength);
    return Encodable(f);
}

// The code each code page byte goes back to when its character is encoded again, or
// -1 for the bytes the code page leaves unassigned (their character is none of its own).
const std::array<std::int16_t, 256>& ReencodedCodes() {
    static const std::array<std::int16_t, 256> table = [] {
        std::array<std::int16_t, 256> codes{};
        const std::array<QChar, 256>& chars = Cp1250Chars();
        for (std::size_t code = 0; code < 256; ++code) {
            const auto byte = Cp1250FromChar(chars[code]);
            codes[code] = byte ? static_cast<std::int16_t>(*byte) : std::int16_t{-1};
        }
        return codes;
    }();
    return table;
}

// Whether every code goes back to itself, as with the code page's usual tables.
bool ReencodingKeepsEveryCode() {
    static const bool kept = [] {
        const std::array<std::int16_t, 256>& table = ReencodedCodes();
        for (std::size_t code = 0; code < 256; ++code)
            if (table[code] != static_cast<std::int16_t>(code)) return false;
        return true;
    }();
    return kept;
}

// The codes a decoded text is written back with: those of its characters, as
// AppendResultRecord would encode them. Plain ASCII, as most names and every date
// are, is its own; the rest goes through the table into `storage`. Nothing when a
// code has no character to go back from.
const unsigned char* ReencodedText(const unsigned char* codes, int length, unsigned char* storage) {
    if (ReencodingKeepsEveryCode()) return codes;
    unsigned all = 0;
    for (int i = 0; i < length; ++i) all |= codes[i];
    if (all < 128 && Chars().asciiKept) return codes;
    const std::array<std::int16_t, 256>& table = ReencodedCodes();
    std::int16_t missing = 0;
    for (int i = 0; i < length; ++i) {
        const std::int16_t code = table[codes[i]];
        missing |= code;
        storage[i] = static_cast<unsigned char>(code);
    }
    return missing < 0 ? nullptr : storage;
}

// The same as PrepareRecord(ToResultRecord(d)), without the strings.
bool PrepareDecoded(const DecodedRecord& d, RecordTexts& t, RecordFields& f) {
    f.nameLength = d.nameLength;
    f.gameLength = d.storedGameNameLength;
    f.typePosition = d.typeIndex >= 1 && d.typeIndex <= 8 ? 2 * d.typeIndex - 1 : 0;
    f.boardSize = d.boardSize;
    f.gapCount = d.gapCount;
    f.storedGameNo = d.storedGameNo;
    f.shuffleNo = d.shuffleNo;
    f.steps = d.steps;
    f.name = ReencodedText(d.name.data(), d.nameLength, t.name.data());
    f.game = ReencodedText(d.storedGameName.data(), d.storedGameNameLength, t.game.data());
    f.block = ReencodedText(d.times.data(), kTextBlockLength, t.block.data());
    if (!f.name || !f.game || !f.block) return false;
    f.nameHighestKey = StorableHighestKey(f.name, f.nameLength);
    f.gameHighestKey = StorableHighestKey(f.game, f.gameLength);
    f.blockHighestKey = StorableHighestKey(f.block, kTextBlockLength);
    return Encodable(f);
}

void ScrambleInto(const unsigned char* in, int length, int key, unsigned char* out) {
#if defined(__SSE2__)
    if (length >= 16) {
        // Sixteen at a time in 16-bit lanes, the last sixteen overlapping.
        const __m128i zero = _mm_setzero_si128();
        const __m128i steps = _mm_setr_epi16(4, 8, 12, 16, 20, 24, 28, 32);
        const __m128i byteMax = _mm_set1_epi16(255);
        const auto scramble = [&](__m128i codes, int at) {
            const __m128i x = _mm_add_epi16(codes, _mm_add_epi16(_mm_set1_epi16(static_cast<short>(key + 4 * at)), steps));
            return _mm_sub_epi16(x, _mm_and_si128(_mm_cmpgt_epi16(x, byteMax), byteMax));
        };
        const auto step = [&](int at) {
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + at));
            const __m128i low = scramble(_mm_unpacklo_epi8(b, zero), at);
            const __m128i high = scramble(_mm_unpackhi_epi8(b, zero), at + 8);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at), _mm_packus_epi16(low, high));
        };
        int at = 0;
        for (; at + 16 <= length; at += 16) step(at);
        if (at < length) step(length - 16);
        return;
    }
#endif
    for (int i = 0; i < length; ++i) {
        const int x = in[i] + key + 4 * (i + 1);
        out[i] = static_cast<unsigned char>(x > 255 ? x - 255 : x);   // folded once, without a branch
    }
}

} // namespace

bool CanEncode(const ResultRecord& r) {
    RecordTexts texts;
    RecordFields fields;
    return PrepareRecord(r, texts, fields);
}

RecordProblem CheckStorable(const ResultRecord& r) {
    if (r.name.isEmpty() || r.name.size() > kMaxNameLength) return RecordProblem::NameLength;
    if (FirstUnstorableCharacter(r.name) >= 0) return RecordProblem::NameCharacter;
    if (TypeCodePosition(r.typeCode) == 0) return RecordProblem::TypeCode;
    if (r.boardSize < 4 || r.boardSize > 6) return RecordProblem::BoardSize;
    if (r.gapCount < 0 || r.gapCount > kMaxGapCount) return RecordProblem::GapCount;
    if (r.storedGameName.size() > kMaxNameLength || FirstUnstorableCharacter(r.storedGameName) >= 0)
        return RecordProblem::StoredGameName;
    if (!r.storedGameName.isEmpty() && (r.storedGameNo < 0 || r.storedGameNo > kMaxStoredGameNo))
        return RecordProblem::StoredGameNo;
    if (r.shuffleNo < 0 || r.shuffleNo > kMaxStorableCount) return RecordProblem::ShuffleNo;
    if (r.steps < 0 || r.steps > kMaxStorableCount) return RecordProblem::Steps;
    if (!HasFixedForm(r.elapsed, 8, QLatin1Char(':'), {2, 5}) ||
        !HasFixedForm(r.date, 10, QLatin1Char('.'), {4, 7}) ||
        !HasFixedForm(r.timeOfDay, 8, QLatin1Char(':'), {2, 5}))
        return RecordProblem::TimeText;
    return RecordProblem::None;
}

QByteArray ScrambleWithKey(QByteArrayView text, int key) {
    QByteArray out(text.size() + 2, Qt::Uninitialized);
    out[0] = Byte(key);
    out[1] = Byte(static_cast<int>(text.size()));
    ScrambleInto(reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()), key,
                 reinterpret_cast<unsigned char*>(out.data()) + 2);
    return out;
}

bool UnscrambleText(QByteArrayView bytes, qsizetype offset, int length, int key, QString& text) {
    if (offset < 0 || length < 0 || offset + length > bytes.size()) return false;
    std::vector<unsigned char> codes(static_cast<std::size_t>(length));
    int all = 0;
    for (int i = 0; i < length; ++i) {
        const int x = static_cast<unsigned char>(bytes[offset + i]) - key - 4 * (i + 1);
        const int code = x < 0 ? x + 255 : x;
        all |= code;
        codes[static_cast<std::size_t>(i)] = static_cast<unsigned char>(code);
    }
    if (all < 0) return false;
    TextFromCodes(codes.data(), length, Chars(), text);
    return true;
}

ResultsCodec::ResultsCodec(RandomSource& random) : m_random(random) {}

namespace {

} // namespace

int ResultsCodec::Draw(int scale) { return RoundedDraw(m_random.Rnd(), scale); }

int ResultsCodec::KeyFrom(double r, int highestKey, int lowestKey) {
    const int previousKey = m_cipherKey;
    int key = RoundedDraw(r, 1000) % 120 + kLowestKey;
    if (key == previousKey) ++key;
    // Rarely (accented letters at the end of a long name, counts near the 16-bit limit
    // or below zero) the drawn key would not read back; one within the range does.
    const int lowest = std::min(lowestKey, highestKey);
    key = std::clamp(key, lowest, highestKey);
    if (key == previousKey && lowest < highestKey) key += key < highestKey ? 1 : -1;
    m_cipherKey = key;
    return key;
}

QByteArray ResultsCodec::ScrambleText(const QString& text, int highestKey, int lowestKey) {
    const QByteArray bytes = EncodeCp1250(text).value_or(QByteArray(text.size(), '?'));
    return ScrambleWithKey(bytes, KeyFrom(m_random.Rnd(), std::min(highestKey, HighestKeyFor(bytes)), lowestKey));
}

QByteArray ResultsCodec::EncodeResultsHeader() {
    const int n = Draw(100) % 15 + 15;
    m_cipherKey = n;
    std::array<double, kLongestHeader> draws;
    m_random.RndInto(std::span(draws).first(static_cast<std::size_t>(n)));
    QByteArray header;
    header.reserve(n);
    for (int i = 0; i < n; ++i) header.append(Byte(RoundedDraw(draws[static_cast<std::size_t>(i)], 100) % 120 + 120));
    header[12] = Byte(n);
    return header;
}

std::optional<QByteArray> ResultsCodec::EncodeResultRecord(const ResultRecord& r) {
    QByteArray record;
    if (!AppendResultRecord(r, record)) return std::nullopt;
    return record;
}

bool ResultsCodec::AppendResultRecord(const ResultRecord& r, QByteArray& out) {
    RecordTexts texts;
    RecordFields fields;
    if (!PrepareRecord(r, texts, fields)) return false;
    AppendFields(fields, out);
    return true;
}

bool ResultsCodec::AppendDecodedRecord(const DecodedRecord& d, QByteArray& out) {
    RecordTexts texts;
    RecordFields fields;
    if (!PrepareDecoded(d, texts, fields)) return false;
    AppendFields(fields, out);
    return true;
}

void ResultsCodec::AppendFields(const RecordFields& f, QByteArray& out) {
    // The keys first, in the order the fields are scrambled. A key is added to the
    // shuffle number, the step count and (unless a stored-game key follows) the gap count.
    // The draws come in two calls, one for the keys and the filler's count and one
    // for the filler bytes once their count is known: the numbers, and their order,
    // are those of drawing each alone.
    const bool storedGame = f.gameLength > 0;
    std::array<double, 6> draws;
    m_random.RndInto(std::span(draws).first(storedGame ? 6 : 5));
    const double* draw = draws.data();
    const KeyRange nameKeys = NameKeyRange(f);
    const int nameKey = KeyFrom(*draw++, nameKeys.highest, nameKeys.lowest);
    const KeyRange gameKeys = GameKeyRange(f);
    const int gameKey = storedGame ? KeyFrom(*draw++, gameKeys.highest, gameKeys.lowest) : nameKey;
    const int textKey = KeyFrom(*draw++, f.blockHighestKey, kLowestKey);
    const int fillerA = RoundedDraw(*draw++, 100) % 30 + 20;
    const int fillerB = RoundedDraw(*draw++, 100) % 30 + 20;
    const int fillerCount = RoundedDraw(*draw, 100) % 10 + 1;
    std::array<double, 10> fillerDraws;
    m_random.RndInto(std::span(fillerDraws).first(static_cast<std::size_t>(fillerCount)));

    const int shuffleValue = f.shuffleNo + 300 + nameKey;
    const int stepsValue = f.steps + 400 + nameKey;
    const std::array<int, 5> guarded = {8 * (f.typePosition + 1) + f.boardSize,
                                        HighByte(shuffleValue), LowByte(shuffleValue),
                                        HighByte(stepsValue), LowByte(stepsValue)};
    const int gamePartLength = storedGame ? f.gameLength + 4 : 1;
    const int length = 4 + kTextBlockLength + 2 + f.nameLength + 5 + gamePartLength + 1 + 5 + fillerCount;

    // Straight into the caller's buffer: a rewrite appends record after record to one.
    const qsizetype start = out.size();
    out.resize(start + length);
    auto* p = reinterpret_cast<unsigned char*>(out.data()) + start;
    const auto put = [&p](int value) { *p++ = static_cast<unsigned char>(value & 0xFF); };
    put(fillerA);
    put(fillerB);
    put(length - 1);
    put(textKey);
    ScrambleInto(f.block, kTextBlockLength, textKey, p);
    p += kTextBlockLength;
    put(nameKey);
    put(f.nameLength);
    ScrambleInto(f.name, f.nameLength, nameKey, p);
    p += f.nameLength;
    for (int b : guarded) put(b);
    if (storedGame) {
        put(gameKey);
        put(f.gameLength);
        ScrambleInto(f.game, f.gameLength, gameKey, p);
        p += f.gameLength;
        put(HighByte(f.storedGameNo));
        put(LowByte(f.storedGameNo));
    } else {
        put(nameKey);
    }
    put(gameKey + f.gapCount);
    for (int i = 4; i >= 0; --i) put(255 - guarded[static_cast<std::size_t>(i)]);
    for (int i = 0; i < fillerCount; ++i) put(RoundedDraw(fillerDraws[static_cast<std::size_t>(i)], 500) % 254 + 1);
}

bool ResultsCodec::WriteResultsHeader(QIODevice& file) {
    const QByteArray header = EncodeResultsHeader();
    return file.write(header) == header.size();
}

bool ResultsCodec::WriteResultRecord(QIODevice& file, const ResultRecord& record) {
    const auto bytes = EncodeResultRecord(record);
    return bytes && file.write(*bytes) == bytes->size();
}

namespace {

// DecodeResultFields on `size` bytes at `bytes`, of which `readable` (at least `size`)
// may be read: the reader's buffer goes on past a record, so its texts are
// unscrambled sixteen bytes at a time even where they are short.
template <class Record>
bool DecodeFields(const unsigned char* bytes, qsizetype size, qsizetype readable, Record& r) {
    // D(j) is record byte j + 3, as the layout above counts.
    const auto D = [bytes](qsizetype j) { return static_cast<int>(bytes[j - 1]); };
    const auto has = [size](qsizetype j) { return j >= 1 && j <= size; };

    if (!has(29)) return false;
    const int nameKey = D(28);
    const int m = D(29);
    if (!has(35 + m) || !PutName(r, bytes + 29, m, nameKey, readable - 29)) return false;

    const int typeByte = D(30 + m);
    r.boardSize = typeByte % 16;
    const int position = typeByte / 8 - 1;
    if (position < 1 || position > 15 || position % 2 == 0 || r.boardSize < 4 || r.boardSize > 6)
        return false;
    PutTypeIndex(r, (position + 1) / 2);

    // Values of 32768 and more overflow the 16-bit fields they were written from.
    const int shuffleValue = D(31 + m) * 256 + D(32 + m);
    const int stepsValue = D(33 + m) * 256 + D(34 + m);
    if (shuffleValue > kMax16 || stepsValue > kMax16) return false;
    // A count below zero is what these bytes mean; the lists show it as it is.
    r.shuffleNo = shuffleValue - nameKey - 300;
    r.steps = stepsValue - nameKey - 400;

    const qsizetype q = 35 + m;
    int key = nameKey;
    qsizetype e = q;
    if (D(q) == nameKey) {
        PutNoStoredGameName(r);
        r.storedGameNo = 0;
    } else {
        key = D(q);
        if (!has(q + 1)) return false;
        const int g = D(q + 1);
        if (!has(q + 3 + g) || !PutStoredGameName(r, bytes + q + 1, g, key, readable - q - 1)) return false;
        r.storedGameNo = D(q + 2 + g) * 256 + D(q + 3 + g);
        if (r.storedGameNo > kMax16) return false;
        // A number goes with a stored game's name only; without one it reads as 0.
        if (g == 0) r.storedGameNo = 0;
        e = q + 3 + g;
    }
    if (!has(e + 6)) return false;
    r.gapCount = D(e + 1) - key;

    for (int i = 1; i <= 5; ++i)
        if (D(e + 7 - i) + D(29 + m + i) != 255) return false;

    // The text block: elapsed (8), date (10), time of day (8), with one key and the
    // character positions running on through all three. It lies within the 29 bytes
    // checked first.
    return PutTimes(r, bytes + 1, D(1), readable - 1);
}

} // namespace

bool DecodeResultFields(QByteArrayView body, DecodedRecord& r) {
    return DecodeFields(reinterpret_cast<const unsigned char*>(body.data()), body.size(), body.size(), r);
}

void ToResultRecord(const DecodedRecord& d, ResultRecord& r) {
    const CharTable& chars = Chars();
    TextFromCodes(d.name.data(), d.nameLength, chars, r.name);
    SetTypeCode(r.typeCode, d.typeIndex);
    r.boardSize = d.boardSize;
    r.gapCount = d.gapCount;
    if (d.storedGameNameLength == 0) EmptyText(r.storedGameName);
    else TextFromCodes(d.storedGameName.data(), d.storedGameNameLength, chars, r.storedGameName);
    r.storedGameNo = d.storedGameNo;
    r.shuffleNo = d.shuffleNo;
    r.steps = d.steps;
    TextFromCodes(d.times.data(), 8, chars, r.elapsed);
    TextFromCodes(d.times.data() + 8, 10, chars, r.date);
    TextFromCodes(d.times.data() + 18, 8, chars, r.timeOfDay);
}

bool DecodeResultRecord(QByteArrayView body, ResultRecord& record) {
    return DecodeFields(reinterpret_cast<const unsigned char*>(body.data()), body.size(), body.size(), record);
}

ResultsReader::ResultsReader(QIODevice& file) : m_file(file), m_bufferOffset(file.pos()) {}

bool ResultsReader::Fail() {
    m_damaged = true;
    m_atEnd = true;
    return false;
}

namespace {

constexpr qsizetype kReadBlock = 256 * 1024;
// Bytes the buffer holds beyond a read block, so that the decoder may read sixteen
// bytes at a time past the end of what the device gave. Zeros, never uninitialised.
constexpr qsizetype kReadPadding = 64;

} // namespace

qsizetype ResultsReader::Ensure(qsizetype count) {
    const qsizetype kBlock = kReadBlock;
    if (m_end - m_pos >= count || m_deviceEnded) return std::min(count, m_end - m_pos);
    if (m_buffer.size() < kBlock + kReadPadding) m_buffer = QByteArray(kBlock + kReadPadding, '\0');
    // Move the unread tail to the front, then fill the rest from the device.
    std::copy(m_buffer.begin() + m_pos, m_buffer.begin() + m_end, m_buffer.begin());
    m_end -= m_pos;
    m_bufferOffset += m_pos;
    m_pos = 0;
    while (m_end < count && !m_deviceEnded) {
        const qint64 got = m_file.read(m_buffer.data() + m_end, kBlock - m_end);
        if (got <= 0) m_deviceEnded = true;
        else m_end += got;
    }
    return std::min(count, m_end);
}

bool ResultsReader::ReadResultsHeader() {
    m_damaged = false;
    m_tailCut = false;
    m_missingFiller = 0;
    m_atEnd = true;
    m_recordsEnd = 0;
    const qsizetype got = Ensure(13);
    if (got == 0) return true;   // an empty file holds no records
    // A file cut inside its header holds no records, as a reader that stops at the end
    // of the file finds.
    m_tailCut = got < 13;
    if (m_tailCut) return true;
    const int n = static_cast<unsigned char>(m_buffer[m_pos + 12]);
    if (n < 13) return Fail();
    // The rest of the header, then the first three bytes of the first record.
    const qint64 headerStart = m_bufferOffset + m_pos;
    const qsizetype available = Ensure(n + 3);
    m_pos += std::min<qsizetype>(available, n + 3);
    // Only a header the game writes (15..29 bytes) can have been cut short; the end of
    // a file that claims a longer one is damage.
    if (available < n && n > kLongestHeader) return Fail();
    m_tailCut = available != n && available < n + 3;
    if (available < n) return true;
    m_recordsEnd = headerStart + n;
    if (available < n + 3) return true;   // a header without records
    m_nextRecordLength = static_cast<unsigned char>(m_buffer[m_pos - 1]) + 1;
    m_atEnd = false;
    return true;
}

template <class Record>
bool ResultsReader::ReadRecord(Record& record) {
    if (m_atEnd) return false;
    // The record from its 4th byte on, then the first three bytes of the next one
    // (which carry its length); the last record of the file has no next one.
    const qsizetype wanted = m_nextRecordLength;
    if (wanted <= 3) {
        m_tailCut = Ensure(1) == 0;   // three bytes that end the file start no record
        return Fail();
    }
    const qint64 bodyStart = m_bufferOffset + m_pos;
    const qsizetype got = m_end - m_pos >= wanted ? wanted : Ensure(wanted);
    const qsizetype bodyLength = wanted - 3;
    if (got == wanted) {
        m_nextRecordLength = static_cast<unsigned char>(m_buffer.constData()[m_pos + wanted - 1]) + 1;
    } else {
        // The last record. One or two bytes after it are too few to start another;
        // the device ending before its end leaves as much of it as there is.
        m_atEnd = true;
        m_tailCut = got != bodyLength;
    }
    const qsizetype present = std::min(got, bodyLength);
    const auto* body = reinterpret_cast<const unsigned char*>(m_buffer.constData()) + m_pos;
    const bool decoded = DecodeFields(body, present, m_buffer.size() - m_pos, record);
    m_pos += got;
    if (!decoded) return Fail();
    // Only filler can be missing from a record that decodes.
    if (present < bodyLength) {
        m_tailCut = false;
        m_missingFiller = static_cast<int>(bodyLength - present);
    }
    m_recordsEnd = bodyStart + present;
    return true;
}

bool ResultsReader::ReadResultRecord(ResultRecord& record) { return ReadRecord(record); }

bool ResultsReader::ReadDecodedRecord(DecodedRecord& record) { return ReadRecord(record); }
