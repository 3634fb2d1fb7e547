// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// An installed game: the shipped files in a folder the player cannot write, the
// player's own files in theirs. A file of the player's takes the place of the shipped
// one of the same name, and what the game writes goes to the player's folder.
#include "FakePlatform.h"
#include "play/GameState.h"
#include "presentation/DocumentViewer.h"
#include "presentation/LanguageFile.h"
#include "presentation/RichTextReader.h"
#include "presentation/Sound.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ShippedFilesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_shipped.isValid() && m_player.isValid()); }

    static void Write(const QDir& dir, const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray Contents(const QDir& dir, const QString& name) {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // 44 captions, the 29th (the caption of `kezd`) tagged.
    static QByteArray Language(const QByteArray& tag) {
        QByteArray text;
        for (int i = 1; i <= 44; ++i) text += tag + "C" + QByteArray::number(i) + "\r\n";
        return text;
    }

    QTemporaryDir m_shipped, m_player;
    QDir shipped{m_shipped.path()}, player{m_player.path()};
    GameFolders folders{player, shipped};
    GameState s;
    FakePlatform fp;
};

TEST_F(ShippedFilesTest, LanguagesComeFromBothFoldersThePlayersCopyFirst) {
    Write(shipped, "Magyar.lng", Language("shipped"));
    Write(shipped, "English.lng", Language("shipped"));
    Write(player, "English.lng", Language("own"));
    Write(player, "Deutsch.lng", Language("own"));
    EXPECT_EQ(ListLanguages(folders), (QStringList{"Deutsch", "English", "Magyar"}));

    s.texts.languageName = "Magyar";
    ApplyLanguage(s, folders);
    EXPECT_EQ(s.panel.kezd.caption, "shippedC29");
    EXPECT_EQ(lang_Click(s, folders, "English").status, LanguageStatus::Applied);
    EXPECT_EQ(s.panel.kezd.caption, "ownC29");
    EXPECT_EQ(lang_Click(s, folders, "Deutsch").status, LanguageStatus::Applied);
    EXPECT_EQ(s.panel.kezd.caption, "ownC29");
}

TEST_F(ShippedFilesTest, SoundsAreOpenedFromTheShippedFolder) {
    Write(shipped, kShuffleSound, "RIFF");
    s.soundOn = true;
    PrepareSound(s, fp.sound, folders);
    ASSERT_EQ(fp.sound.opened.size(), 1);
    EXPECT_EQ(fp.sound.opened[0], shipped.filePath(kShuffleSound));
}

// The shipped document is read; the edited one is kept as the player's own copy, which
// is what the viewer shows from then on. The shipped one is never written.
TEST_F(ShippedFilesTest, AnEditedDocumentBecomesThePlayersOwnCopy) {
    const QByteArray original = "{\\rtf1 R\\'e9gi\\par}";
    Write(shipped, "Leir.doc", original);
    DocumentViewer viewer(s, fp.platform, folders, HelpTopic::GameDescription);
    viewer.Form_Load();
    ASSERT_TRUE(viewer.docLoaded());
    viewer.Form_KeyPress(23);
    RichDocument edited = viewer.document().document;
    edited.paragraphs[0].append(QStringLiteral(" és új"), {});
    ASSERT_TRUE(viewer.rendben_Click(true, [&] { return edited; }));

    EXPECT_EQ(Contents(shipped, "Leir.doc"), original);
    EXPECT_EQ(ReadRichText(Contents(player, "Leir.doc")).document, edited);
    DocumentViewer again(s, fp.platform, folders, HelpTopic::GameDescription);
    again.Form_Load();
    EXPECT_EQ(again.document().document, edited);
}

} // namespace
