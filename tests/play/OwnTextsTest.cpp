// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/OwnTexts.h"
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QSet<QString> placeholdersOf(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text)) found.insert(m.captured());
    return found;
}

} // namespace

// A text missing in one language, or one whose wordings take different arguments,
// would show the player an empty box or a stray "%2".
TEST(OwnTexts, EveryTextHasBothWordingsWithTheSamePlaceholders) {
    for (int i = 0; i < static_cast<int>(OwnText::Count); ++i) {
        SCOPED_TRACE(i);
        const auto text = static_cast<OwnText>(i);
        const QString hungarian = OwnTextIn(text, QStringLiteral("Magyar"));
        const QString english = OwnTextIn(text, QStringLiteral("English"));
        EXPECT_FALSE(hungarian.trimmed().isEmpty());
        EXPECT_FALSE(english.trimmed().isEmpty());
        EXPECT_NE(hungarian, english);
        EXPECT_EQ(placeholdersOf(hungarian), placeholdersOf(english))
            << hungarian.toStdString() << " | " << english.toStdString();
    }
}

TEST(OwnTexts, HungarianForTheHungarianLanguageEnglishForEveryOther) {
    const QString hungarian = OwnTextIn(OwnText::ResultUnstorable, QStringLiteral("Magyar"));
    const QString english = OwnTextIn(OwnText::ResultUnstorable, QStringLiteral("English"));
    EXPECT_EQ(hungarian, QString::fromUtf8("Az eredmény nem tárolható."));
    EXPECT_EQ(OwnTextIn(OwnText::ResultUnstorable, QStringLiteral("magyar")), hungarian);
    EXPECT_EQ(OwnTextIn(OwnText::ResultUnstorable, QStringLiteral("Deutsch")), english);
}
