// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The start of a game as a short code that two players can pass between them, such as
// ZK1-4N8H-3QK2-... It holds what decides the game: size, mode, type and rearrangement,
// the field, the ring cells left open (not in Pendoly mode, whose start is fixed), the
// marker colours the diagonal and random targets are made of, and the target map of a
// pattern or stored game.
//
// It does not hold where the start came from in the player's own files: a stored
// game's serial and name and a shuffled state's number mean something only in the
// files of the player who made the code. A stored game travels as its map; the player
// who enters the code plays it as that stored game when their own stored games hold
// one of its size with the same map, and otherwise as a pattern game ("Minta
// szerint"), with the result type of one: a result is never stored under a serial
// that names another game in that player's file. A start from a shuffled state
// becomes a start of its own (shuffled state 0).
//
// Format: "ZK" and the version digit "1", then the body, then two check characters.
// The alphabet is Crockford's base 32 (0-9 and A-Z without I, L, O and U); entering a
// code, letters may be small, O reads as 0, I and L as 1, and blanks and dashes are
// ignored. The body is one whole number written in that alphabet, most significant
// character first: a mixed-radix number (MixedRadix.h) whose digits, from the least
// significant, are the size (radix 8, so that a size other than 4..6 can be told),
// the mode (2), the type (8, five in use), the rearrangement box (2), then:
//   - numbers: the field as a permutation, in its Lehmer code (radices n², n²-1, ..., 1);
//   - colours: the field as a multiset permutation, the cells of colour 1 among all
//     n² cells as a combination (radix C(n², n)), those of colour 2 among the n² - n
//     left (radix C(n² - n, n)), and so on;
//   - the row marker colours (diagonal, random) and the column marker colours
//     (random), each a permutation of 1..n in its Lehmer code;
//   - the target map's field (pattern, stored), a multiset permutation as above;
//   - the open ring cells (normal mode): 4n bits, one per ring cell but the corners.
// Each radix is exactly the number of choices there, so the number wastes nothing.
//
// Why a 6 x 6 code fits 48 characters: the largest is a pattern or stored game in
// normal mode. Its field and its map are multiset permutations of 36 cells with 6
// colours 6 times: 36! / (6!)^6 ~ 2^81.12 each, 2^162.25 together; the ring 2^24;
// size, mode, type and rearrangement 8 * 2 * 8 * 2 = 2^8; in all under 2^194.25,
// 39 characters of 5 bits (2^195). A number game needs 36! ~ 2^138.07 and the ring,
// 35 characters. With "ZK1", the check and a dash after "ZK1" the largest code has
// 4 + 39 + 2 = 45 characters; the body is shown in groups of four joined by dashes
// where that keeps the code within 48, in longer groups where it would not.
//
// The check is two characters: the sum of the body's character values times the
// powers of 3 modulo 1021, a prime. A changed character changes the sum by its
// difference times a power of 3, never a multiple of 1021, and so does an exchange of
// two neighbouring characters: both are always caught; anything else slips through
// once in 1021.
#include "play/GameRecord.h"
#include <QString>
#include <optional>

// Codes are at most this long, dashes included (a 6 x 6 code is at most 45).
constexpr int kMaxStartCodeLength = 48;

enum class StartCodeProblem {
    None,
    NotOurs,        // does not begin with ZK and a version
    NewerVersion,   // made by a later version of the game
    BadCharacter,   // a character outside the alphabet
    TooLong,
    TooShort,
    Mistyped,       // the check does not match
    BadSize,        // names a size other than 4..6
    BadBoard,       // not a valid board for its type
};

struct DecodedStartCode {
    std::optional<GameStart> start;
    StartCodeProblem problem = StartCodeProblem::None;
    QChar badCharacter;   // BadCharacter: the first one
    int size = 0;         // BadSize: the size named
};

// The code of `start`, which must be sound (IsSoundStart); the serial, name and shuffled
// state number are left out.
QString EncodeStartCode(const GameStart& start);
DecodedStartCode DecodeStartCode(const QString& code);
