// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/MixedRadix.h"

void MixedRadixNumber::push(quint32 digit, quint32 radix) {
    quint64 carry = digit;
    for (quint32& limb : m_limbs) {
        const quint64 t = quint64{limb} * radix + carry;
        limb = static_cast<quint32>(t);
        carry = t >> 32;
    }
    if (carry != 0) m_limbs.push_back(static_cast<quint32>(carry));
}

quint32 MixedRadixNumber::pop(quint32 radix) {
    quint64 rest = 0;
    for (auto limb = m_limbs.rbegin(); limb != m_limbs.rend(); ++limb) {
        const quint64 t = rest << 32 | *limb;
        *limb = static_cast<quint32>(t / radix);
        rest = t % radix;
    }
    while (!m_limbs.empty() && m_limbs.back() == 0) m_limbs.pop_back();
    return static_cast<quint32>(rest);
}
