// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The documentation viewer's logic: where it starts, how it searches, what it tells
// when a document is missing, and that a document is only ever replaced whole and
// only by the player's own edit.
#include "FakePlatform.h"
#include "play/GameState.h"
#include "presentation/DocumentViewer.h"
#include "presentation/RichTextReader.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr char kNotFound[] = "A keresett szöveg nem található!";

TEST(DocumentViewerSearch, BackwardsFindsNothingFromTheFirstTwoPositions) {
    const QString text = QStringLiteral("a word, a word");
    EXPECT_EQ(FindBackward(text, QStringLiteral("a"), 0), -1);
    EXPECT_EQ(FindBackward(text, QStringLiteral("a"), 1), -1);
    EXPECT_EQ(FindBackward(text, QStringLiteral("a"), 2), 0);
}

TEST(DocumentViewerSearch, BackwardsTakesTheNearestOccurrenceThatEndsBeforeTheCaret) {
    const QString text = QStringLiteral("word word word");
    EXPECT_EQ(FindBackward(text, QStringLiteral("word"), 14), 10);   // ends at the caret
    EXPECT_EQ(FindBackward(text, QStringLiteral("word"), 13), 5);    // reaches past the caret
    EXPECT_EQ(FindBackward(text, QStringLiteral("word"), 10), 5);    // from a selected match
    EXPECT_EQ(FindBackward(text, QStringLiteral("WORD"), 4), 0);
    EXPECT_EQ(FindBackward(text, QStringLiteral("none"), 14), -1);
}

// Far back in a long document, and across the places where a search that steps back
// in windows of 500 characters would split an occurrence.
TEST(DocumentViewerSearch, BackwardsOverALongDocumentFindsTheNearestOccurrence) {
    QString text(2000, QLatin1Char('.'));
    text.replace(10, 5, QStringLiteral("Ősz a"));
    text.replace(1497, 5, QStringLiteral("ősz a"));
    EXPECT_EQ(FindBackward(text, QStringLiteral("ŐSZ A"), 1999), 1497);
    EXPECT_EQ(FindBackward(text, QStringLiteral("ősz a"), 1497), 10);
}

TEST(DocumentViewerSearch, ForwardsStartsOneAfterTheCaret) {
    const QString text = QStringLiteral("Tábla, tábla, TÁBLA");
    EXPECT_EQ(FindForward(text, QStringLiteral("tábla"), 0), 7);
    EXPECT_EQ(FindForward(text, QStringLiteral("tábla"), 7), 14);
    EXPECT_EQ(FindForward(text, QStringLiteral("tábla"), 14), -1);
}

class DocumentViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        s.texts.messages[27] = QStringLiteral("Nem található a súgó állománya:");
        s.texts.messages[33] = QStringLiteral("Rendben");
        s.texts.messages[53] = QStringLiteral("Fel");
        for (int n = kFirstSectionHeading; n <= kDemoSectionHeading; ++n)
            s.texts.messages[n] = QStringLiteral("Heading %1").arg(n);
        s.panel.kezel.caption = QStringLiteral("A játék leírása, kezelése");
        SetDesignVisibility(s.panel);
    }
    void Write(const char* name, const QByteArray& bytes) {
        QFile f(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray Contents(const char* name) const {
        QFile f(folder.filePath(QString::fromLatin1(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList Shown() const {
        QStringList texts;
        for (const MessageRequest& r : fp.messageBox.shown) texts << r.text;
        return texts;
    }

    QTemporaryDir m_dir;
    QDir folder{m_dir.path()};
    GameState s;
    FakePlatform fp;
};

TEST_F(DocumentViewerTest, EachTopicStartsAtItsHeadingAndTheDemoAtItsOwn) {
    for (int topic = HelpTopic::Results; topic <= HelpTopic::LoadShuffledState; ++topic)
        EXPECT_EQ(SectionHeading(s, topic), s.texts.messages[topic + 153]) << topic;
    EXPECT_EQ(SectionHeading(s, HelpTopic::Start), QString());
    EXPECT_EQ(SectionHeading(s, HelpTopic::GameDescription), QString());
    s.demoState = DemoState::Paused;   // paused counts as running
    EXPECT_EQ(SectionHeading(s, HelpTopic::Results), s.texts.messages[166]);
    EXPECT_EQ(SectionHeading(s, HelpTopic::Start), s.texts.messages[166]);
    EXPECT_EQ(SectionHeading(s, HelpTopic::GameDescription), QString());
}

TEST_F(DocumentViewerTest, TheMainWindowsHelpFollowsItsState) {
    EXPECT_EQ(MainWindowHelpTopic(s), HelpTopic::Start);
    s.phase = GamePhase::CapturingStart;
    EXPECT_EQ(MainWindowHelpTopic(s), HelpTopic::StartCapture);
    s.gameRunning = true;
    EXPECT_EQ(MainWindowHelpTopic(s), HelpTopic::Playing);
}

TEST_F(DocumentViewerTest, AMissingDocumentIsToldAndNothingIsShown) {
    DocumentViewer description(s, fp.platform, folder, HelpTopic::GameDescription);
    description.Form_Load();
    EXPECT_FALSE(description.docLoaded());
    s.texts.languageName = QStringLiteral("English");
    DocumentViewer help(s, fp.platform, folder, HelpTopic::Playing);
    help.Form_Load();
    EXPECT_FALSE(help.docLoaded());
    EXPECT_EQ(Shown(), QStringList({QStringLiteral("Nincs meg a 'Leir.doc' állomány!"),
                                    QStringLiteral("Nem található a súgó állománya: English.doc")}));
}

TEST_F(DocumentViewerTest, ReadsTheLanguagesHelpWithTheCaptionsOfTheLanguage) {
    Write("English.doc", "{\\rtf1 Help\\par}");
    s.texts.languageName = QStringLiteral("English");
    DocumentViewer viewer(s, fp.platform, folder, HelpTopic::Start);
    viewer.Form_Load();
    ASSERT_TRUE(viewer.docLoaded());
    EXPECT_EQ(viewer.document().document.plainText(), QStringLiteral("Help"));
    EXPECT_EQ(viewer.controls.title, s.panel.kezel.caption);
    EXPECT_EQ(viewer.controls.fel.caption, QStringLiteral("Fel (F6)"));
    EXPECT_EQ(viewer.controls.le.caption, QStringLiteral("Le    (F7)"));   // no text: the design's
    EXPECT_EQ(viewer.controls.rendben.caption, QStringLiteral("Rendben"));
}

TEST_F(DocumentViewerTest, SearchButtonsWithAnEmptyBoxOnlyFocusIt) {
    Write("Magyar.doc", "{\\rtf1 x\\par}");
    DocumentViewer viewer(s, fp.platform, folder, HelpTopic::Start);
    viewer.Form_Load();
    EXPECT_EQ(viewer.le_Click(QStringLiteral("abc"), 0).kind, SearchResult::FocusSearchBox);
    EXPECT_EQ(viewer.fel_Click(QStringLiteral("abc"), 2).kind, SearchResult::FocusSearchBox);
    EXPECT_EQ(viewer.controls.focusRequest, QStringLiteral("keres"));
    EXPECT_TRUE(fp.messageBox.shown.empty());

    viewer.controls.keres.caption = QStringLiteral("B");
    const SearchResult found = viewer.le_Click(QStringLiteral("abc"), 0);
    EXPECT_EQ(found.kind, SearchResult::Select);
    EXPECT_EQ(found.position, 1);
    EXPECT_EQ(found.length, 1);
    EXPECT_EQ(viewer.controls.focusRequest, QStringLiteral("hszov"));
    EXPECT_EQ(viewer.fel_Click(QStringLiteral("abc"), 1).kind, SearchResult::NotFound);
    EXPECT_EQ(Shown(), QStringList{QString::fromUtf8(kNotFound)});
}

// A damaged file and one that is not rich text at all: shown as far as they can be
// read, and left byte for byte as they are unless the player edits and saves.
TEST_F(DocumentViewerTest, AFileIsOnlyWrittenAfterAnEditThatIsSaved) {
    const QByteArray damaged = "{\\rtf1 Egy {\\b f\\'e9lbe";
    const QByteArray plain = "Csak sz\xf6veg\r\n";
    for (const QByteArray& before : {damaged, plain}) {
        Write("Leir.doc", before);
        DocumentViewer viewer(s, fp.platform, folder, HelpTopic::GameDescription);
        viewer.Form_Load();
        ASSERT_TRUE(viewer.docLoaded());
        EXPECT_NE(viewer.document().status, RichTextStatus::Read);
        const RichDocument shown = viewer.document().document;
        bool asked = false;
        const auto contents = [&] { asked = true; return shown; };
        EXPECT_TRUE(viewer.rendben_Click(true, contents));    // edited but never unlocked
        viewer.Form_KeyPress(23);
        EXPECT_EQ(viewer.controls.rendben.caption, QStringLiteral("Ment,kilép"));
        EXPECT_TRUE(viewer.rendben_Click(false, contents));   // unlocked but not edited
        EXPECT_FALSE(asked);
        EXPECT_EQ(Contents("Leir.doc"), before);
    }
}

TEST_F(DocumentViewerTest, SavingReplacesTheDocumentWholeThroughTheScratchFile) {
    Write("Magyar.doc", "{\\rtf1 R\\'e9gi\\par}");
    DocumentViewer viewer(s, fp.platform, folder, HelpTopic::Start);
    viewer.Form_Load();
    viewer.Form_KeyPress(23);
    RichDocument edited = viewer.document().document;
    RichCharFormat bold;
    bold.bold = true;
    edited.paragraphs[0].append(QStringLiteral(" és új"), bold);
    EXPECT_TRUE(viewer.rendben_Click(true, [&] { return edited; }));
    const RichTextRead saved = ReadRichText(Contents("Magyar.doc"));
    EXPECT_EQ(saved.status, RichTextStatus::Read);
    EXPECT_EQ(saved.document, edited);
    EXPECT_FALSE(QFile::exists(ScratchPathOf(folder.filePath(QStringLiteral("Magyar.doc")))));
}

TEST_F(DocumentViewerTest, AFailedSaveKeepsTheOldDocumentAndTheViewerOpen) {
    const QByteArray before = "{\\rtf1 R\\'e9gi\\par}";
    Write("Magyar.doc", before);
    DocumentViewer viewer(s, fp.platform, folder, HelpTopic::Start);
    viewer.setRename([](const QString&, const QString&) { return false; });
    viewer.Form_Load();
    viewer.Form_KeyPress(23);
    EXPECT_FALSE(viewer.rendben_Click(true, [] { return RichDocument{}; }));
    EXPECT_EQ(Contents("Magyar.doc"), before);
    EXPECT_FALSE(QFile::exists(ScratchPathOf(folder.filePath(QStringLiteral("Magyar.doc")))));
    ASSERT_EQ(fp.messageBox.shown.size(), 1u);
    EXPECT_EQ(fp.messageBox.shown[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(fp.messageBox.shown[0].text.contains(QStringLiteral("Magyar.doc")));
}

} // namespace
