// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The record codec of the results files. A file is a header of random filler
// followed by variable-length records; the texts of a record are scrambled with a
// per-field key, five check bytes guard the type, shuffle and step fields, and
// random filler pads the end. Byte layout, with 1-based positions in a record of
// L bytes (m = name length, each text character a code page 1250 byte):
//
//   1, 2         filler 20..49
//   3            L - 1
//   4            key kT of the text block
//   5..30        elapsed (hh:mm:ss), date (yyyy.mm.dd), time of day (hh:mm:ss), scrambled with kT
//   31, 32       key kN, m
//   33..32+m     name scrambled with kN
//   33+m         type byte 8 * (p + 1) + boardSize, p = position of the code in kTypeCodeTable
//   34+m, 35+m   shuffleNo + 300 + kN, high byte first
//   36+m, 37+m   steps + 400 + kN, high byte first
//   38+m ..      kN alone (no stored game), or kG, g, g scrambled bytes, stored game no (2 bytes)
//   next         gapCount + (kG or kN)
//   next 5       255 - b for the bytes 37+m down to 33+m
//   last 1..10   filler 1..254
#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

class QIODevice;
class RandomSource;
struct DecodedRecord;
struct RecordFields;

struct ResultRecord {
    QString name;             // 1..30 characters
    QString typeCode;         // one of the eight result type codes
    int boardSize = 4;        // 4..6
    int gapCount = 0;         // empty cells of the game
    QString storedGameName;   // "" when the game was not a stored one
    int storedGameNo = 0;     // kept only with a stored-game name
    int shuffleNo = 0;        // 0 = a fresh shuffle
    int steps = 0;
    QString elapsed;          // hh:mm:ss
    QString date;             // yyyy.mm.dd, the day the result was stored
    QString timeOfDay;        // hh:mm:ss, 24-hour

    bool operator==(const ResultRecord&) const = default;
};

// The eight codes by the odd position at which each starts; index order V VR A AR M T S SR.
inline constexpr char kTypeCodeTable[] = "V VRA ARM T S SR";
// 1-based odd position of `code` in kTypeCodeTable, 0 for an unknown code.
int TypeCodePosition(const QString& code);
// The code that starts at `position`, "" when none does.
QString TypeCodeAtPosition(int position);
// 1..8 for the eight codes, 0 for an unknown one.
int TypeIndexOfCode(const QString& code);

// "2006.03.07", "09:05:03": the second and third number get a leading 0 below 10, the
// first too when the separator is ':'.
QString FormatTriple(int first, int second, int third, QChar separator);

// Limits for a new result, so that it reads back unchanged: the 16-bit values stay
// below 32768 with their offsets added, and the elapsed time has 8 characters.
constexpr int kMaxNameLength = 30;
constexpr int kMaxStorableCount = 32768 - 450 - 1;   // shuffle numbers and steps
constexpr int kMaxStoredGameNo = 32767;
constexpr int kMaxElapsedHours = 99;
constexpr int kMaxGapCount = 36;

// What keeps a new result from being stored.
enum class RecordProblem {
    None,
    NameLength,          // empty or longer than 30 characters
    NameCharacter,       // a character code page 1250 cannot hold, or one the scrambling loses
    TypeCode,
    BoardSize,
    GapCount,
    StoredGameName,
    StoredGameNo,
    ShuffleNo,
    Steps,
    TimeText,            // elapsed, date or time of day not in their fixed 8/10/8 forms
};
RecordProblem CheckStorable(const ResultRecord& record);
// Whether the codec can write `record` so that it reads back unchanged. Wider than
// CheckStorable: every record read from a file written by the game passes, and so do
// the counts below zero that altered bytes can read as, so a rewrite can copy them.
bool CanEncode(const ResultRecord& record);
// Position (0-based) of the first character of `text` that cannot be scrambled at its
// place with any key, or -1 when every character can.
qsizetype FirstUnstorableCharacter(const QString& text);
// `text` with every character a record cannot hold at its place written as "?".
QString StorableText(QString text);

// round(r * scale), halves to even, for a draw 0 <= r < 1 and a scale up to 1000: how
// the codec turns a draw into a key or a filler byte.
inline int RoundedDraw(double r, int scale) {
    // Adding 2^52 leaves no bits below the units, so the sum is x rounded as the
    // processor rounds, to the nearest and halves to even; taking 2^52 away again is
    // exact. A few instructions and no branch: a rewrite rounds millions of draws.
    constexpr double kUnitsOnly = 0x1p52;
    const double x = r * scale;
    return static_cast<int>((x + kUnitsOnly) - kUnitsOnly);
}

// Scrambles code page 1250 `text` with `key`: key, length, then the scrambled bytes.
QByteArray ScrambleWithKey(QByteArrayView text, int key);
// Unscrambles `length` characters whose bytes start at `offset` (0-based) of `bytes`
// into `text` (reusing its storage). False when the bytes run out or a code falls out
// of range.
bool UnscrambleText(QByteArrayView bytes, qsizetype offset, int length, int key, QString& text);

// The writing side. It keeps the key of the last scrambled text so that two texts
// scrambled one after the other never share a key.
class ResultsCodec {
public:
    explicit ResultsCodec(RandomSource& random);

    // A fresh key, then ScrambleWithKey. A key above `highestKey`, or one that would
    // carry a character of `text` out of reach, is lowered, one below `lowestKey`
    // raised; `text` must be storable.
    QByteArray ScrambleText(const QString& text, int highestKey = 255, int lowestKey = 30);
    QByteArray EncodeResultsHeader();
    // Nothing when CanEncode refuses the record.
    std::optional<QByteArray> EncodeResultRecord(const ResultRecord& record);
    // The same bytes appended to `out`; false, with `out` unchanged, when CanEncode
    // refuses the record.
    bool AppendResultRecord(const ResultRecord& record, QByteArray& out);
    // The same for a record as read, its texts written back from their codes without
    // becoming strings: the bytes AppendResultRecord(ToResultRecord(record)) gives.
    bool AppendDecodedRecord(const DecodedRecord& record, QByteArray& out);

    bool WriteResultsHeader(QIODevice& file);
    bool WriteResultRecord(QIODevice& file, const ResultRecord& record);

    int cipherKey() const { return m_cipherKey; }

private:
    int Draw(int scale);   // round(r * scale), halves to even
    // A fresh key from the draw `r`, within `lowestKey`..`highestKey` (as far as the
    // range allows one different from the last key), kept in cipherKey.
    int KeyFrom(double r, int highestKey, int lowestKey);
    void AppendFields(const RecordFields& fields, QByteArray& out);

    RandomSource& m_random;
    int m_cipherKey = 0;
};

// One record decoded as far as its bytes go: the numbers, and the texts as their
// code page 1250 codes. Readers that keep only a few distinct texts (the browser's
// table) look them up by their codes and make a QString of a new one only.
struct DecodedRecord {
    static constexpr int kTimesLength = 26;   // elapsed 8, date 10, time of day 8
    std::array<unsigned char, 256> name;
    std::array<unsigned char, 256> storedGameName;
    std::array<unsigned char, kTimesLength> times;
    int nameLength = 0;
    int storedGameNameLength = 0;
    int typeIndex = 0;   // 1..8, as TypeIndexOfCode
    int boardSize = 4;
    int gapCount = 0;
    int storedGameNo = 0;
    int shuffleNo = 0;
    int steps = 0;

    QByteArrayView nameCodes() const { return {name.data(), nameLength}; }
    QByteArrayView storedGameNameCodes() const { return {storedGameName.data(), storedGameNameLength}; }
    QByteArrayView elapsedCodes() const { return {times.data(), 8}; }
    QByteArrayView dateCodes() const { return {times.data() + 8, 10}; }
    QByteArrayView timeOfDayCodes() const { return {times.data() + 18, 8}; }
};

// Decodes the body of one record: record bytes 4..L, i.e. without the two leading
// filler bytes and the length byte. False when the bytes do not decode or a check
// byte fails; `record` is then left half filled.
bool DecodeResultFields(QByteArrayView body, DecodedRecord& record);
// The record's fields as texts and numbers, the strings' storage reused.
void ToResultRecord(const DecodedRecord& decoded, ResultRecord& record);
// Both in one, the texts unscrambled straight into the strings.
bool DecodeResultRecord(QByteArrayView body, ResultRecord& record);

// The reading side: streams a results file record by record in constant memory. It
// reads the device ahead in large blocks, so the device is its own until the end.
//   ResultsReader reader(file);
//   if (reader.ReadResultsHeader())
//       while (!reader.atEnd() && reader.ReadResultRecord(record)) use(record);
//   if (reader.resultsFileDamaged()) ...
//
// A file that ends early reads as far as its bytes carry: one cut inside its header
// holds no records, and a last record cut inside its trailing filler is read whole,
// since no field lies there. Such an end, and one or two bytes after the last record,
// are what a store cut off leaves; tailCut() tells them apart from damage.
class ResultsReader {
public:
    explicit ResultsReader(QIODevice& file);

    // Reads past the header from the device's current position (the start of the file);
    // false when the header is invalid.
    bool ReadResultsHeader();
    // True after the last record has been read (or when the file holds none).
    bool atEnd() const { return m_atEnd; }
    // Reads the next record; false, with resultsFileDamaged() set, when it is damaged
    // or cut short before its check bytes. After a failure atEnd() is true: nothing
    // behind it can be trusted.
    bool ReadResultRecord(ResultRecord& record);
    // The same, giving the record's fields undecoded into texts.
    bool ReadDecodedRecord(DecodedRecord& record);
    bool resultsFileDamaged() const { return m_damaged; }
    // Where the header or the last record read ends, counted from the start of the
    // device: a new record belongs there. 0 while no whole header has been read.
    qint64 recordsEnd() const { return m_recordsEnd; }
    // The device ends inside the header or a record (of which recordsEnd() is the
    // start), or one or two bytes after the last record.
    bool tailCut() const { return m_tailCut; }
    // Filler bytes the last record read lacks, its device having ended inside them.
    int missingFiller() const { return m_missingFiller; }

private:
    bool Fail();
    // Either of the two above.
    template <class Record>
    bool ReadRecord(Record& record);
    // Makes up to `count` (<= 256) unread bytes available at m_buffer[m_pos]; fewer
    // only at the end of the device.
    qsizetype Ensure(qsizetype count);

    QIODevice& m_file;
    QByteArray m_buffer;
    qint64 m_bufferOffset = 0;   // device position of m_buffer[0]
    qint64 m_recordsEnd = 0;
    qsizetype m_pos = 0;
    qsizetype m_end = 0;
    bool m_deviceEnded = false;
    int m_nextRecordLength = 0;
    bool m_atEnd = true;
    bool m_damaged = false;
    bool m_tailCut = false;
    int m_missingFiller = 0;
};
