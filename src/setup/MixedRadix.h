// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A whole number of any size built from digits of varying radices, the way a clock
// builds seconds from hours, minutes and seconds. A digit pushed last is popped
// first; pushing (d, r) and popping with r gives d back. With each radix exactly the
// number of choices at that place, no value is wasted: the number counts the
// possibilities, and nothing more.
#include <QtGlobal>
#include <vector>

class MixedRadixNumber {
public:
    // value = value * radix + digit; `digit` < `radix`, `radix` >= 1.
    void push(quint32 digit, quint32 radix);
    // The digit of radix `radix` at the bottom of the value, taken off it.
    quint32 pop(quint32 radix);
    bool isZero() const { return m_limbs.empty(); }

private:
    std::vector<quint32> m_limbs;   // least significant first, no leading zero limb
};
