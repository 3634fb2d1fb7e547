// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/CodePage1250.h"
#include <gtest/gtest.h>

TEST(CodePage1250, EveryAssignedByteEncodesBackToItself) {
    int assigned = 0;
    for (int code = 0; code < 256; ++code) {
        const QChar c = CharFromCp1250(static_cast<unsigned char>(code));
        if (c == QChar(QChar::ReplacementCharacter)) continue;
        ++assigned;
        ASSERT_EQ(Cp1250FromChar(c), std::optional<unsigned char>(static_cast<unsigned char>(code))) << code;
    }
    EXPECT_GE(assigned, 250);
}

TEST(CodePage1250, CharactersOutsideTheCodePageAreRefusedWhereverTheyStand) {
    // Same low byte as held characters, on pages the code page uses and on others.
    for (char16_t c : {u'\u0101', u'\u0241', u'\u2114', u'\u4E41', u'\uFFFD', u'\u00C3'})
        EXPECT_FALSE(Cp1250FromChar(QChar(c)).has_value()) << int(c);
    EXPECT_EQ(Cp1250FromChar(QChar(u'\u2013')), std::optional<unsigned char>(0x96));   // en dash
    EXPECT_EQ(Cp1250FromChar(QChar(u'\u0151')), std::optional<unsigned char>(0xF5));   // ő

    unsigned char out[4] = {};
    EXPECT_EQ(EncodeCp1250Into(u"Ő\u20ACz", out), -1);
    EXPECT_EQ(out[0], 0xD5);
    EXPECT_EQ(out[1], 0x80);
    EXPECT_EQ(out[2], 'z');
    EXPECT_EQ(EncodeCp1250Into(u"ab\u0101c", out), 2);
}
