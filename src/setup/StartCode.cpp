// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/StartCode.h"
#include "setup/MixedRadix.h"
#include "setup/StartSetUp.h"
#include "setup/TargetMapText.h"
#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr char kAlphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr char kPrefix[] = "ZK";
constexpr QChar kVersion = u'1';
constexpr int kCheckLength = 2;
constexpr int kCheckModulus = 1021;
constexpr int kGroup = 4;
// More body characters than any code has: such an input is refused as too long
// before any arithmetic is done on it.
constexpr int kMaxBody = 39;

constexpr quint32 kSizeRadix = 8;
constexpr quint32 kTypeRadix = 8;

quint32 binomial(int m, int k) {
    if (k < 0 || k > m) return 0;
    quint64 c = 1;
    for (int i = 1; i <= k; ++i) c = c * static_cast<quint64>(m - k + i) / static_cast<quint64>(i);
    return static_cast<quint32>(c);
}

// The digits of a code in the order they are read: a list of (digit, radix).
using Digits = std::vector<std::pair<quint32, quint32>>;

// Lehmer code of a permutation of 1..m.
void addPermutation(Digits& digits, const std::vector<int>& values) {
    std::vector<int> left(values.size());
    for (size_t i = 0; i < left.size(); ++i) left[i] = static_cast<int>(i) + 1;
    for (int v : values) {
        const auto at = std::find(left.begin(), left.end(), v);
        digits.push_back({static_cast<quint32>(at - left.begin()), static_cast<quint32>(left.size())});
        left.erase(at);
    }
}

std::vector<int> takePermutation(MixedRadixNumber& number, int m) {
    std::vector<int> left(static_cast<size_t>(m));
    for (int i = 0; i < m; ++i) left[static_cast<size_t>(i)] = i + 1;
    std::vector<int> values;
    while (!left.empty()) {
        const quint32 at = number.pop(static_cast<quint32>(left.size()));
        values.push_back(left[at]);
        left.erase(left.begin() + at);
    }
    return values;
}

// Colours 1..n, n cells each: for each colour but the last, which of the cells still
// free it takes, ranked in the combinatorial number system.
void addColours(Digits& digits, const std::vector<int>& cells, int n) {
    std::vector<size_t> free(cells.size());
    for (size_t i = 0; i < free.size(); ++i) free[i] = i;
    for (int colour = 1; colour < n; ++colour) {
        quint32 rank = 0;
        int taken = 0;
        std::vector<size_t> rest;
        for (size_t at = 0; at < free.size(); ++at) {
            if (cells[free[at]] == colour)
                rank += binomial(static_cast<int>(at), ++taken);
            else
                rest.push_back(free[at]);
        }
        digits.push_back({rank, binomial(static_cast<int>(free.size()), n)});
        free = std::move(rest);
    }
}

std::vector<int> takeColours(MixedRadixNumber& number, int n) {
    std::vector<int> cells(static_cast<size_t>(n * n), n);
    std::vector<size_t> free(cells.size());
    for (size_t i = 0; i < free.size(); ++i) free[i] = i;
    for (int colour = 1; colour < n; ++colour) {
        quint32 rank = number.pop(binomial(static_cast<int>(free.size()), n));
        std::vector<bool> chosen(free.size(), false);
        int limit = static_cast<int>(free.size());
        for (int k = n; k >= 1; --k) {
            int at = k - 1;
            while (at + 1 < limit && binomial(at + 1, k) <= rank) ++at;
            rank -= binomial(at, k);
            chosen[static_cast<size_t>(at)] = true;
            limit = at;
        }
        std::vector<size_t> rest;
        for (size_t at = 0; at < free.size(); ++at) {
            if (chosen[at])
                cells[free[at]] = colour;
            else
                rest.push_back(free[at]);
        }
        free = std::move(rest);
    }
    return cells;
}

std::vector<int> mapField(const GameStart& start) {
    std::vector<int> cells;
    for (int i = 1; i <= start.n; ++i)
        for (int j = 1; j <= start.n; ++j) cells.push_back(MapDigit(start.targetMapText, start.n, i, j));
    return cells;
}

QString mapTextOf(const std::vector<int>& cells, int n) {
    QString text = EmptyTargetMapText(n);
    size_t next = 0;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) text[i * (n + 2) + j] = QChar(u'0' + cells[next++]);
    return text;
}

int symbolValue(QChar c) {
    switch (c.toUpper().unicode()) {
    case u'O': return 0;
    case u'I':
    case u'L': return 1;
    default: break;
    }
    const char* at = std::strchr(kAlphabet, c.toUpper().toLatin1());
    return c.toLatin1() != 0 && at ? static_cast<int>(at - kAlphabet) : -1;
}

int checkOf(const std::vector<int>& body) {
    int sum = 0;
    int weight = 1;
    for (int v : body) {
        sum = (sum + v * weight) % kCheckModulus;
        weight = weight * 3 % kCheckModulus;
    }
    return sum;
}

QString grouped(const QString& body) {
    const QString head = QLatin1String(kPrefix) + kVersion + QLatin1Char('-');
    for (int group = kGroup;; ++group) {
        QString text = head;
        for (int at = 0; at < body.size(); at += group) {
            if (at > 0) text += QLatin1Char('-');
            text += body.mid(at, group);
        }
        if (text.size() <= kMaxStartCodeLength || group >= body.size()) return text;
    }
}

DecodedStartCode problem(StartCodeProblem p) { return {std::nullopt, p, {}, 0}; }

} // namespace

QString EncodeStartCode(const GameStart& start) {
    const int n = start.n;
    Digits digits{{static_cast<quint32>(n), kSizeRadix},
                  {start.pendoly ? 1u : 0u, 2},
                  {static_cast<quint32>(start.type), kTypeRadix},
                  {start.rearrangement ? 1u : 0u, 2}};
    if (start.type == StartType::Numbers)
        addPermutation(digits, start.field);
    else
        addColours(digits, start.field, n);
    if (start.type == StartType::Diagonal || start.type == StartType::RandomColours)
        addPermutation(digits, start.rowColours);
    if (start.type == StartType::RandomColours) addPermutation(digits, start.colColours);
    if (playsToMap(start.type)) addColours(digits, mapField(start), n);
    if (!start.pendoly) digits.push_back({start.openRing, quint32{1} << (4 * n)});

    MixedRadixNumber number;
    for (auto d = digits.rbegin(); d != digits.rend(); ++d) number.push(d->first, d->second);
    std::vector<int> body;
    while (!number.isZero()) body.insert(body.begin(), static_cast<int>(number.pop(32)));
    const int check = checkOf(body);
    QString text;
    for (int v : body) text += QLatin1Char(kAlphabet[v]);
    text += QLatin1Char(kAlphabet[check / 32]);
    text += QLatin1Char(kAlphabet[check % 32]);
    return grouped(text);
}

DecodedStartCode DecodeStartCode(const QString& code) {
    QString packed;
    for (QChar c : code)
        if (c != u'-' && !c.isSpace()) packed += c;
    if (packed.size() < 3 || packed.left(2).toUpper() != QLatin1String(kPrefix))
        return problem(StartCodeProblem::NotOurs);
    // The version is read as the body is: a small l or an I is the digit one too.
    const int version = symbolValue(packed[2]);
    if (version != kVersion.digitValue())
        return problem(version > kVersion.digitValue() && version <= 9 ? StartCodeProblem::NewerVersion
                                                                       : StartCodeProblem::NotOurs);
    const QString rest = packed.mid(3);
    if (code.size() > 2 * kMaxStartCodeLength || rest.size() > kMaxBody + kCheckLength)
        return problem(StartCodeProblem::TooLong);
    std::vector<int> symbols;
    for (QChar c : rest) {
        const int v = symbolValue(c);
        if (v < 0) return {std::nullopt, StartCodeProblem::BadCharacter, c, 0};
        symbols.push_back(v);
    }
    if (symbols.size() < 1 + kCheckLength) return problem(StartCodeProblem::TooShort);
    const std::vector<int> body(symbols.begin(), symbols.end() - kCheckLength);
    const int check = symbols[symbols.size() - 2] * 32 + symbols.back();
    if (check != checkOf(body)) return problem(StartCodeProblem::Mistyped);

    MixedRadixNumber number;
    for (int v : body) number.push(static_cast<quint32>(v), 32);
    GameStart start;
    start.n = static_cast<int>(number.pop(kSizeRadix));
    if (start.n < 4 || start.n > 6) return {std::nullopt, StartCodeProblem::BadSize, {}, start.n};
    const int n = start.n;
    start.pendoly = number.pop(2) == 1;
    const quint32 type = number.pop(kTypeRadix);
    start.rearrangement = number.pop(2) == 1;
    if (type >= kStartTypeCount) return problem(StartCodeProblem::BadBoard);
    start.type = static_cast<StartType>(type);
    start.field = start.type == StartType::Numbers ? takePermutation(number, n * n) : takeColours(number, n);
    if (start.type == StartType::Diagonal || start.type == StartType::RandomColours)
        start.rowColours = takePermutation(number, n);
    if (start.type == StartType::RandomColours) start.colColours = takePermutation(number, n);
    if (playsToMap(start.type)) start.targetMapText = mapTextOf(takeColours(number, n), n);
    if (!start.pendoly) start.openRing = number.pop(quint32{1} << (4 * n));
    // Anything left over is more than a start holds.
    if (!number.isZero() || !IsSoundStart(start)) return problem(StartCodeProblem::BadBoard);
    return {std::move(start), StartCodeProblem::None, {}, 0};
}
