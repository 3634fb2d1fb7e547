// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/SavedGame.h"
#include "setup/StartSetUp.h"
#include <QtEndian>
#include <array>

namespace {

constexpr char kMagic[] = "ZKGAME";
// The bits of the flags byte.
constexpr int kPausedFlag = 1;
constexpr int kAssistedFlag = 2;
constexpr char kVersion = '1';
constexpr int kHeaderSize = 12;
constexpr int kStepSize = 5;
// A day of play is already far beyond a game; a longer time is a damaged value.
constexpr qint64 kMaxElapsedMs = qint64{100} * 24 * 3600 * 1000;

enum StepCode : quint8 { Slide, Rotation, SlotMove, Exchange, TakeBack, FirstTarget, SecondStage, StepCodes };

class Writer {
public:
    void u8(int v) { m_bytes.append(static_cast<char>(static_cast<quint8>(v))); }
    void u16(int v) { put<quint16>(static_cast<quint16>(v)); }
    void i16(int v) { put<qint16>(static_cast<qint16>(v)); }
    void u32(quint32 v) { put<quint32>(v); }
    void i32(int v) { put<qint32>(v); }
    void i64(qint64 v) { put<qint64>(v); }
    QByteArray& bytes() { return m_bytes; }

private:
    template <typename T> void put(T v) {
        std::array<char, sizeof(T)> raw{};
        qToLittleEndian(v, raw.data());
        m_bytes.append(raw.data(), sizeof(T));
    }
    QByteArray m_bytes;
};

// Reads within the bytes there are; once a read runs past the end every later read
// gives 0 and ok() is false.
class Reader {
public:
    explicit Reader(QByteArrayView bytes) : m_bytes(bytes) {}
    int u8() { return get<quint8>(); }
    int u16() { return get<quint16>(); }
    int i16() { return get<qint16>(); }
    quint32 u32() { return get<quint32>(); }
    int i32() { return get<qint32>(); }
    qint64 i64() { return get<qint64>(); }
    bool ok() const { return m_ok; }
    bool atEnd() const { return m_at == m_bytes.size(); }
    qsizetype left() const { return m_bytes.size() - m_at; }

private:
    template <typename T> T get() {
        if (!m_ok || left() < static_cast<qsizetype>(sizeof(T))) {
            m_ok = false;
            return T{};
        }
        const T v = qFromLittleEndian<T>(m_bytes.data() + m_at);
        m_at += sizeof(T);
        return v;
    }
    QByteArrayView m_bytes;
    qsizetype m_at = 0;
    bool m_ok = true;
};

void writeColours(Writer& w, const std::vector<int>& colours) {
    w.u8(static_cast<int>(colours.size()));
    for (int c : colours) w.u8(c);
}

std::vector<int> readColours(Reader& r) {
    std::vector<int> colours(static_cast<size_t>(r.u8()));
    for (int& c : colours) c = r.u8();
    return colours;
}

void writeStart(Writer& w, const GameStart& start) {
    w.u8(start.n);
    w.u8(start.pendoly ? 1 : 0);
    w.u8(static_cast<int>(start.type));
    w.u8(start.rearrangement ? 1 : 0);
    for (int v : start.field) w.u8(v);
    w.u32(start.openRing);
    writeColours(w, start.rowColours);
    writeColours(w, start.colColours);
    const QByteArray map = start.targetMapText.toLatin1();
    w.u16(static_cast<int>(map.size()));
    w.bytes().append(map);
    w.i16(start.storedGameNo);
    w.u8(static_cast<int>(start.storedGameName.size()));
    for (QChar c : start.storedGameName) w.u16(c.unicode());
    w.i16(start.shuffleNo);
}

// The start as stored; flags other than 0 and 1 and an unknown type are refused.
std::optional<GameStart> readStart(Reader& r) {
    GameStart start;
    start.n = r.u8();
    const int pendoly = r.u8();
    const int type = r.u8();
    const int rearrangement = r.u8();
    if (start.n < 4 || start.n > 6 || pendoly > 1 || type >= kStartTypeCount || rearrangement > 1)
        return std::nullopt;
    start.pendoly = pendoly == 1;
    start.type = static_cast<StartType>(type);
    start.rearrangement = rearrangement == 1;
    start.field.resize(static_cast<size_t>(start.n * start.n));
    for (int& v : start.field) v = r.u8();
    start.openRing = r.u32();
    start.rowColours = readColours(r);
    start.colColours = readColours(r);
    const int mapSize = r.u16();
    if (r.left() < mapSize) return std::nullopt;
    for (int i = 0; i < mapSize; ++i) start.targetMapText += QChar(static_cast<char16_t>(r.u8()));
    start.storedGameNo = r.i16();
    const int nameSize = r.u8();
    for (int i = 0; i < nameSize; ++i) start.storedGameName += QChar(static_cast<char16_t>(r.u16()));
    start.shuffleNo = r.i16();
    if (!r.ok() || !IsSoundStart(start)) return std::nullopt;
    return start;
}

void writeStep(Writer& w, const RecordStep& step) {
    const Move& m = step.move;
    switch (step.kind) {
    case StepKind::Move:
        switch (m.kind) {
        case MoveKind::Slide:
        case MoveKind::Exchange:
            w.u8(m.kind == MoveKind::Slide ? Slide : Exchange);
            w.u8(m.from.row), w.u8(m.from.col), w.u8(m.to.row), w.u8(m.to.col);
            return;
        case MoveKind::RotateRow:
            w.u8(Rotation), w.u8(m.from.row), w.u8(m.rightwards ? 1 : 0), w.u8(0), w.u8(0);
            return;
        case MoveKind::ShiftSlot:
            w.u8(SlotMove), w.u8(m.from.col), w.u8(m.to.col), w.u8(0), w.u8(0);
            return;
        }
        return;
    case StepKind::TakeBack:
        w.u8(TakeBack), w.u8(0), w.u8(0), w.u8(0), w.u8(0);
        return;
    case StepKind::FirstTarget:
        w.u8(FirstTarget), w.u8(step.rearrangePhase), w.u8(step.ascendingOpen ? 1 : 0),
            w.u8(step.descendingOpen ? 1 : 0), w.u8(0);
        return;
    case StepKind::SecondStage:
        w.u8(SecondStage), w.u8(static_cast<int>(step.openRing & 0xFF)),
            w.u8(static_cast<int>(step.openRing >> 8 & 0xFF)), w.u8(static_cast<int>(step.openRing >> 16 & 0xFF)),
            w.u8(step.gapCount);
        return;
    }
}

bool isFlag(int v) { return v == 0 || v == 1; }

// A step whose cells lie on the grid of size n and whose values can occur; whether the
// rules allow it on the board it meets is for the replay to say.
std::optional<RecordStep> readStep(Reader& r, int n) {
    const int code = r.u8();
    const int a = r.u8(), b = r.u8(), c = r.u8(), d = r.u8();
    const auto onGrid = [n](int v) { return v >= 0 && v <= n + 1; };
    const auto inField = [n](int v) { return v >= 1 && v <= n; };
    switch (code) {
    case Slide:
    case Exchange:
        if (!onGrid(a) || !onGrid(b) || !onGrid(c) || !onGrid(d)) return std::nullopt;
        return RecordStep::played(code == Slide ? Move::slide({a, b}, {c, d}) : Move::exchange({a, b}, {c, d}));
    case Rotation:
        if (!inField(a) || !isFlag(b) || c != 0 || d != 0) return std::nullopt;
        return RecordStep::played(Move::rotateRow(a, b == 1));
    case SlotMove:
        if (!inField(a) || !inField(b) || c != 0 || d != 0) return std::nullopt;
        return RecordStep::played(Move::shiftSlot(a, b));
    case TakeBack:
        if (a != 0 || b != 0 || c != 0 || d != 0) return std::nullopt;
        return RecordStep::takeBack();
    case FirstTarget: {
        if ((a != 1 && a != 2) || !isFlag(b) || !isFlag(c) || d != 0) return std::nullopt;
        RecordStep step;
        step.kind = StepKind::FirstTarget;
        step.rearrangePhase = a;
        step.ascendingOpen = b == 1;
        step.descendingOpen = c == 1;
        return step;
    }
    case SecondStage: {
        const quint32 mask = static_cast<quint32>(a) | static_cast<quint32>(b) << 8 | static_cast<quint32>(c) << 16;
        if ((mask >> (4 * n)) != 0 || d < 0 || d > 4 * n) return std::nullopt;
        RecordStep step;
        step.kind = StepKind::SecondStage;
        step.openRing = mask;
        step.gapCount = d;
        return step;
    }
    default:
        return std::nullopt;
    }
}

QByteArray payloadOf(const SavedGame& game) {
    Writer w;
    writeStart(w, game.record.start);
    w.i64(game.elapsedMs);
    w.u8((game.paused ? kPausedFlag : 0) | (game.assisted ? kAssistedFlag : 0));
    w.i32(game.stepCount);
    for (int v : game.board) w.u8(v);
    w.u32(static_cast<quint32>(game.record.steps.size()));
    for (const RecordStep& step : game.record.steps) writeStep(w, step);
    return w.bytes();
}

std::optional<SavedGame> readPayload(QByteArrayView payload) {
    Reader r(payload);
    SavedGame game;
    const std::optional<GameStart> start = readStart(r);
    if (!start) return std::nullopt;
    game.record.start = *start;
    const int n = start->n;
    game.elapsedMs = r.i64();
    const int flags = r.u8();
    game.stepCount = r.i32();
    if (game.elapsedMs < 0 || game.elapsedMs > kMaxElapsedMs || (flags & ~(kPausedFlag | kAssistedFlag)) != 0 ||
        game.stepCount < 0)
        return std::nullopt;
    game.paused = (flags & kPausedFlag) != 0;
    game.assisted = (flags & kAssistedFlag) != 0;
    game.board.resize(static_cast<size_t>((n + 2) * (n + 2)));
    for (int& v : game.board) {
        v = r.u8();
        if (v > 99) return std::nullopt;
    }
    const quint32 steps = r.u32();
    if (!r.ok() || steps > kMaxSavedSteps || r.left() != static_cast<qsizetype>(steps) * kStepSize)
        return std::nullopt;
    game.record.steps.reserve(steps);
    for (quint32 i = 0; i < steps; ++i) {
        const std::optional<RecordStep> step = readStep(r, n);
        if (!step) return std::nullopt;
        game.record.steps.push_back(*step);
    }
    if (!r.ok() || !r.atEnd()) return std::nullopt;
    return game;
}

} // namespace

quint32 Crc32(const QByteArray& bytes) {
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (char byte : bytes) crc = table[(crc ^ static_cast<quint8>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

QByteArray EncodeSavedGame(const SavedGame& game) {
    const QByteArray payload = payloadOf(game);
    Writer w;
    w.bytes().append(kMagic, 6);
    w.u8(kVersion);
    w.u8(0);
    w.u32(static_cast<quint32>(payload.size()));
    w.bytes().append(payload);
    w.u32(Crc32(payload));
    return w.bytes();
}

DecodedSavedGame DecodeSavedGame(const QByteArray& bytes) {
    if (!bytes.startsWith(QByteArrayView(kMagic, 6))) return {std::nullopt, SavedGameProblem::NotAGameFile};
    if (bytes.size() < kHeaderSize + 4) return {std::nullopt, SavedGameProblem::Damaged};
    if (bytes[6] != kVersion) {
        const bool later = bytes[6] > kVersion && bytes[6] <= '9';
        return {std::nullopt, later ? SavedGameProblem::NewerVersion : SavedGameProblem::NotAGameFile};
    }
    const quint32 length = qFromLittleEndian<quint32>(bytes.constData() + 8);
    if (bytes[7] != 0 || length != static_cast<quint64>(bytes.size()) - kHeaderSize - 4)
        return {std::nullopt, SavedGameProblem::Damaged};
    const QByteArray payload = bytes.mid(kHeaderSize, length);
    if (Crc32(payload) != qFromLittleEndian<quint32>(bytes.constData() + kHeaderSize + length))
        return {std::nullopt, SavedGameProblem::Damaged};
    std::optional<SavedGame> game = readPayload(payload);
    if (!game) return {std::nullopt, SavedGameProblem::Unsound};
    return {std::move(game), SavedGameProblem::None};
}
