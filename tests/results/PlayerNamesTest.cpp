// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/PlayerNames.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PlayerNamesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        folder = QDir(m_dir.path());
        path = folder.filePath(kPlayerNamesFile);
    }
    void Write(const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray Contents() const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
    QDir folder;
    QString path;
};

} // namespace

TEST(PlayerNamesParse, ReadsQuotedAndPlainFields) {
    struct Case {
        QByteArray content;
        QStringList names;
    } cases[] = {
        {"\"Anna\"\r\n\"B\xE9la\"\r\n", {"Anna", "Béla"}},
        {"\"Kiss, Anna\"\r\n", {"Kiss, Anna"}},   // a comma inside quotes belongs to the name
        {"Anna , Bela\r\n\r\n  \"Cili\"", {"Anna", "Bela", "Cili"}},
        {"\"Ab\"cd,\"Ef\"\n", {"Ab", "Ef"}},     // text after a closing quote is skipped
        {"\"open", {"open"}},
        {"\"\"\r\n\r\n", {}},
        {"", {}},
        // A line end always ends a name, and no name keeps a quote.
        {"\"Bela\"\n\"Zoli", {"Bela", "Zoli"}},
        {"\"Bela\r\n\"Zoli\"\r\n", {"Bela", "Zoli"}},
        {"\"Anna\"\r\nB\"\r\n", {"Anna", "B"}},
        {"\"\r\nx\"y\"z\r\n", {"xyz"}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParsePlayerNames(c.content), c.names) << c.content.constData();
}

TEST(PlayerNamesClean, DropsQuotesAndControlsAndCutsTo30) {
    EXPECT_EQ(CleanPlayerName(QStringLiteral("Nagy \"Öcsi\" Péter")), QStringLiteral("Nagy Öcsi Péter"));
    EXPECT_EQ(CleanPlayerName(QStringLiteral("a\tb\r\nc")), QStringLiteral("abc"));
    EXPECT_EQ(CleanPlayerName(QString(31, 'x') + QLatin1Char('y')), QString(30, 'x'));
    EXPECT_EQ(CleanPlayerName(QString(30, '"') + QStringLiteral("ok")), QStringLiteral("ok"));
}

TEST_F(PlayerNamesTest, AddsNewNamesOnceLetterCaseCounting) {
    EXPECT_EQ(AddPlayerName(folder, QStringLiteral("Ödön")), NameFileStatus::Added);
    EXPECT_EQ(AddPlayerName(folder, QStringLiteral("ödön")), NameFileStatus::Added);
    EXPECT_EQ(AddPlayerName(folder, QStringLiteral("Ödön")), NameFileStatus::AlreadyListed);
    EXPECT_EQ(Contents(), QByteArray("\"\xD6" "d\xF6n\"\r\n\"\xF6" "d\xF6n\"\r\n"));
    EXPECT_EQ(ReadPlayerNames(folder), (QStringList{QStringLiteral("Ödön"), QStringLiteral("ödön")}));
}

TEST_F(PlayerNamesTest, RefusesNamesThatWouldBreakTheFile) {
    for (const QString& name : {QStringLiteral("An\"na"), QString(), QStringLiteral("a\r\nb"),
                                QStringLiteral("\u4E2D")})
        EXPECT_EQ(AddPlayerName(folder, name), NameFileStatus::Invalid);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(PlayerNamesTest, ANameAddedToAFileWithoutItsLastLineEndGetsItsOwnLine) {
    Write("\"Anna\"");
    EXPECT_EQ(AddPlayerName(folder, QStringLiteral("Béla")), NameFileStatus::Added);
    EXPECT_EQ(ReadPlayerNames(folder), (QStringList{QStringLiteral("Anna"), QStringLiteral("Béla")}));
}

// Whatever a hand-edited file holds: adding a name makes exactly that name readable
// once, and deleting one name changes no other.
TEST_F(PlayerNamesTest, AddAndDeleteKeepEveryOtherNameAsItReads) {
    const QByteArray files[] = {
        "\"",                                  // a lone quote
        "\"Bela\"\n\"Zoli",                      // the last name never closed
        "\"Anna\"\r\nB\"\r\n",                   // a stray quote after a plain name
        "\"Kiss, J\"\r\n\"\x81x\"\r\n Cili ,Dani", // a comma, a byte no character stands for
        "\"Ede\"\r\"Feri\"\r",                   // CR alone
    };
    for (const QByteArray& file : files) {
        SCOPED_TRACE(file.toStdString());
        Write(file);
        const QStringList before = ReadPlayerNames(folder);
        for (const QString& name : before) {
            EXPECT_FALSE(name.contains(u'"') || name.contains(u'\r') || name.contains(u'\n'));
        }
        EXPECT_EQ(AddPlayerName(folder, QStringLiteral("Nora")), NameFileStatus::Added);
        EXPECT_EQ(AddPlayerName(folder, QStringLiteral("Nora")), NameFileStatus::AlreadyListed);
        EXPECT_EQ(ReadPlayerNames(folder), before + QStringList{QStringLiteral("Nora")});

        const QString gone = before.value(0, QStringLiteral("Nora"));
        QStringList kept = before + QStringList{QStringLiteral("Nora")};
        kept.removeAll(gone);
        EXPECT_NE(DeletePlayerName(folder, gone), NameFileStatus::WriteFailed);
        EXPECT_EQ(ReadPlayerNames(folder), kept);
    }
}

TEST_F(PlayerNamesTest, DeletingANameRemovesEveryOccurrence) {
    Write("\"Anna\"\r\n\"Bela\"\r\n\"anna\"\r\n\"Anna\"\r\n");
    EXPECT_EQ(DeletePlayerName(folder, QStringLiteral("Anna")), NameFileStatus::Deleted);
    EXPECT_EQ(Contents(), QByteArray("\"Bela\"\r\n\"anna\"\r\n"));
    EXPECT_FALSE(QFile::exists(ScratchPathOf(folder.filePath(kPlayerNamesFile))));
    EXPECT_EQ(DeletePlayerName(folder, QStringLiteral("Cili")), NameFileStatus::NotFound);
    EXPECT_EQ(Contents(), QByteArray("\"Bela\"\r\n\"anna\"\r\n"));
}

TEST_F(PlayerNamesTest, DeletingTheOnlyNameLeavesNoFile) {
    Write("\"Anna\"\r\n\"Anna\"\r\n");
    EXPECT_EQ(DeletePlayerName(folder, QStringLiteral("Anna")), NameFileStatus::FileRemoved);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(ScratchPathOf(folder.filePath(kPlayerNamesFile))));
    EXPECT_EQ(DeletePlayerName(folder, QStringLiteral("Anna")), NameFileStatus::Missing);
}

TEST_F(PlayerNamesTest, AFailedRenameLeavesTheNameFileWhole) {
    const QByteArray before("\"Anna\"\r\n\"Bela\"\r\n");
    Write(before);
    const RenameFile failing = [](const QString&, const QString&) { return false; };
    EXPECT_EQ(DeletePlayerName(folder, QStringLiteral("Anna"), failing), NameFileStatus::WriteFailed);
    EXPECT_EQ(Contents(), before);
    EXPECT_FALSE(QFile::exists(ScratchPathOf(folder.filePath(kPlayerNamesFile))));
}

TEST_F(PlayerNamesTest, DeletingAllNamesRemovesTheFile) {
    EXPECT_EQ(DeleteAllPlayerNames(folder), NameFileStatus::Missing);
    Write("\"Anna\"\r\n");
    EXPECT_EQ(DeleteAllPlayerNames(folder), NameFileStatus::Deleted);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(ReadPlayerNames(folder).isEmpty());
}
