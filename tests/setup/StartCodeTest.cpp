// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The start code: every type, size and mode comes back whole; the longest code fits its
// bound; every kind of bad code is refused with its reason; a stored game is played as
// this player's own stored game only when their file holds it.
#include "RecordFixture.h"
#include "StoredGamesFixture.h"
#include "setup/MixedRadix.h"
#include "setup/StartCode.h"
#include <gtest/gtest.h>

namespace {

constexpr StartType kTypes[] = {StartType::Numbers, StartType::Diagonal, StartType::RandomColours,
                                StartType::Pattern, StartType::Stored};

// What a code keeps of a start: everything but where it came from in the player's files.
GameStart Shared(GameStart start) {
    start.storedGameNo = 0;
    start.storedGameName.clear();
    start.shuffleNo = 0;
    return start;
}

TEST(StartCode, EveryTypeSizeAndModeComesBack) {
    std::mt19937 rng(17);
    for (int n = 4; n <= 6; ++n) {
        for (StartType type : kTypes) {
            for (bool pendoly : {false, true}) {
                for (int round = 0; round < 20; ++round) {
                    GameStart start = RandomStart(n, type, pendoly, rng, 1 + round % 5);
                    start.rearrangement = !playsToMap(type) && round % 2 == 1;
                    ASSERT_TRUE(IsSoundStart(start));
                    const QString code = EncodeStartCode(start);
                    SCOPED_TRACE(code.toStdString());
                    EXPECT_TRUE(code.startsWith(QLatin1String("ZK1-")));
                    EXPECT_LE(code.size(), kMaxStartCodeLength);
                    const DecodedStartCode back = DecodeStartCode(code);
                    ASSERT_EQ(back.problem, StartCodeProblem::None);
                    EXPECT_EQ(*back.start, Shared(start));
                }
            }
        }
    }
}

// The largest value of every place: the field and the map in their last order, every
// ring cell open. Its code is the longest a 6 x 6 board can have.
TEST(StartCode, TheLongestSixBySixCodeFitsFortyEightCharacters) {
    for (StartType type : kTypes) {
        GameStart start;
        start.n = 6;
        start.type = type;
        for (int v = 36; v >= 1; --v) start.field.push_back(type == StartType::Numbers ? v : (v + 5) / 6);
        if (type == StartType::Diagonal || type == StartType::RandomColours) start.rowColours = {6, 5, 4, 3, 2, 1};
        if (type == StartType::RandomColours) start.colColours = {6, 5, 4, 3, 2, 1};
        if (playsToMap(type)) {
            int next = 36;
            for (int i = 0; i < 8; ++i)
                for (int j = 0; j < 8; ++j)
                    start.targetMapText += (i == 0 || j == 0 || i == 7 || j == 7) ? QLatin1Char('7')
                                                                                  : QChar(u'0' + (next-- + 5) / 6);
        }
        start.rearrangement = !playsToMap(type);
        start.openRing = (quint32{1} << 24) - 1;
        const QString code = EncodeStartCode(start);
        EXPECT_LE(code.size(), kMaxStartCodeLength) << code.toStdString();
        EXPECT_EQ(*DecodeStartCode(code).start, start);
    }
}

TEST(StartCode, TypedLooselyItReadsTheSame) {
    std::mt19937 rng(3);
    const GameStart start = Shared(RandomStart(5, StartType::RandomColours, false, rng));
    const QString code = EncodeStartCode(start);
    QString loose = code.toLower();
    loose.replace(QLatin1Char('-'), QLatin1Char(' '));
    loose.replace(QLatin1Char('0'), QLatin1Char('o'));
    loose.replace(QLatin1Char('1'), QLatin1Char('l'));
    EXPECT_EQ(*DecodeStartCode(QStringLiteral("  ") + loose + QStringLiteral("\n")).start, start);
}

// A body written by the documented rules, with its check: codes no encoder of the
// game makes.
QString CodeOf(const std::vector<std::pair<quint32, quint32>>& digits) {
    MixedRadixNumber number;
    for (auto d = digits.rbegin(); d != digits.rend(); ++d) number.push(d->first, d->second);
    std::vector<int> body;
    while (!number.isZero()) body.insert(body.begin(), static_cast<int>(number.pop(32)));
    int check = 0, weight = 1;
    for (int v : body) {
        check = (check + v * weight) % 1021;
        weight = weight * 3 % 1021;
    }
    body.push_back(check / 32);
    body.push_back(check % 32);
    QString code = QStringLiteral("ZK1");
    for (int v : body) code += QLatin1Char("0123456789ABCDEFGHJKMNPQRSTVWXYZ"[v]);
    return code;
}

// A 4 x 4 number start in normal mode: field in order, one ring cell open.
std::vector<std::pair<quint32, quint32>> NumberDigits(quint32 size = 4, quint32 type = 0, quint32 rearrange = 0) {
    std::vector<std::pair<quint32, quint32>> digits{{size, 8}, {0, 2}, {type, 8}, {rearrange, 2}};
    for (quint32 left = 16; left >= 1; --left) digits.push_back({0, left});
    digits.push_back({1, 1u << 16});
    return digits;
}

TEST(StartCode, EveryKindOfBadCodeIsRefusedWithItsReason) {
    std::mt19937 rng(9);
    const QString good = EncodeStartCode(RandomStart(6, StartType::Numbers, false, rng));
    ASSERT_TRUE(DecodeStartCode(CodeOf(NumberDigits())).start) << "the hand-made code is sound";
    QString changed = good;
    changed[10] = changed[10] == QLatin1Char('7') ? QLatin1Char('8') : QLatin1Char('7');
    QString swapped = good;
    for (int at = 5; at + 1 < swapped.size(); ++at) {
        if (swapped[at] != swapped[at + 1] && swapped[at] != u'-' && swapped[at + 1] != u'-') {
            std::swap(swapped[at], swapped[at + 1]);
            break;
        }
    }
    auto extra = NumberDigits();
    extra.push_back({5, 7});   // more than a start holds

    struct Case {
        const char* name;
        QString code;
        StartCodeProblem problem;
    };
    const Case cases[] = {
        {"empty", QString(), StartCodeProblem::NotOurs},
        {"another game's", QStringLiteral("AB1-4N8H-3QK2"), StartCodeProblem::NotOurs},
        {"a later version", QStringLiteral("ZK2-4N8H-3QK2"), StartCodeProblem::NewerVersion},
        {"no version", QStringLiteral("ZKX-4N8H"), StartCodeProblem::NotOurs},
        {"a letter outside the alphabet", good.left(8) + QLatin1Char('U') + good.mid(9), StartCodeProblem::BadCharacter},
        {"an accented letter", good.left(8) + QChar(u'É') + good.mid(9), StartCodeProblem::BadCharacter},
        {"too long", good + good.mid(4), StartCodeProblem::TooLong},
        {"very long", QStringLiteral("ZK1-") + QString(100000, QLatin1Char('7')), StartCodeProblem::TooLong},
        {"too short", QStringLiteral("ZK1-7"), StartCodeProblem::TooShort},
        {"a character changed", changed, StartCodeProblem::Mistyped},
        {"two neighbours exchanged", swapped, StartCodeProblem::Mistyped},
        {"the check cut off", good.left(good.size() - 1), StartCodeProblem::Mistyped},
        {"size 7", CodeOf(NumberDigits(7)), StartCodeProblem::BadSize},
        {"size 3", CodeOf(NumberDigits(3)), StartCodeProblem::BadSize},
        {"an unknown type", CodeOf(NumberDigits(4, 6)), StartCodeProblem::BadBoard},
        {"rearrangement of a map", [] {
             auto d = NumberDigits(4, static_cast<quint32>(StartType::Pattern), 1);
             return CodeOf(d);
         }(),
         StartCodeProblem::BadBoard},
        {"more than a start holds", CodeOf(extra), StartCodeProblem::BadBoard},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedStartCode d = DecodeStartCode(c.code);
        EXPECT_FALSE(d.start);
        EXPECT_EQ(d.problem, c.problem);
    }
    EXPECT_EQ(DecodeStartCode(CodeOf(NumberDigits(7))).size, 7);
    EXPECT_EQ(DecodeStartCode(good.left(8) + QLatin1Char('U') + good.mid(9)).badCharacter, QLatin1Char('U'));
}

// Every single changed character and every exchange of neighbours is caught.
TEST(StartCode, TheCheckCatchesEveryTypingSlip) {
    std::mt19937 rng(11);
    const QString code = EncodeStartCode(RandomStart(5, StartType::Stored, false, rng));
    const QString alphabet = QStringLiteral("0123456789ABCDEFGHJKMNPQRSTVWXYZ");
    for (int at = 3; at < code.size(); ++at) {
        if (code[at] == u'-') continue;
        for (QChar c : alphabet) {
            if (c == code[at]) continue;
            QString slip = code;
            slip[at] = c;
            EXPECT_FALSE(DecodeStartCode(slip).start) << slip.toStdString();
        }
        if (at + 1 < code.size() && code[at + 1] != u'-' && code[at] != code[at + 1]) {
            QString slip = code;
            std::swap(slip[at], slip[at + 1]);
            EXPECT_FALSE(DecodeStartCode(slip).start) << slip.toStdString();
        }
    }
}

TEST(StartCode, AStoredGameIsThePlayersOwnOnlyWhenTheirFileHoldsIt) {
    StoredGamesFolder files;
    files.write(GameRecordBytes(1, 5) + GameRecordBytes(2, 6, QStringLiteral("Kert")) +
                GameRecordBytes(9, 6, QStringLiteral("Masik")));
    GameStart start;
    start.n = 6;
    start.type = StartType::Stored;
    start.field = {};
    for (QChar c : CyclicStart(6)) start.field.push_back(c.digitValue());
    start.targetMapText = CyclicMap(6);
    start.openRing = 0b11;
    const GameStart coded = *DecodeStartCode(EncodeStartCode(start)).start;

    GameStart mine = coded;
    EXPECT_FALSE(ResolveCodedStart(mine, files.folder()));
    EXPECT_EQ(mine.type, StartType::Stored);
    EXPECT_EQ(mine.storedGameNo, 2);   // the first of that size and map
    EXPECT_EQ(mine.storedGameName.trimmed(), QStringLiteral("Kert"));

    StoredGamesFolder other;
    other.write(GameRecordBytes(2, 5));   // serial 2 is another game there
    GameStart theirs = coded;
    EXPECT_TRUE(ResolveCodedStart(theirs, other.folder()));
    EXPECT_EQ(theirs.type, StartType::Pattern);
    EXPECT_EQ(theirs.storedGameNo, 0);
    EXPECT_TRUE(IsSoundStart(theirs));
}

} // namespace
