// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The documentation viewer driven through its widgets with the shipped documents:
// where it opens, the search keys, paging, closing, and editing that saves.
#include "FakePlatform.h"
#include "play/GameState.h"
#include "presentation/LanguageFile.h"
#include "presentation/RichTextReader.h"
#include "presentation/RichTextWriter.h"
#include "presentation/gui/DocumentViewerDialog.h"
#include "presentation/gui/RichTextDocument.h"
#include "support/WordProcessorSample.h"
#include "support/gui/ModalProbe.h"
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

class DocumentViewerDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        const QDir data(qEnvironmentVariable("ZK_DATA_DIR"));
        for (const char* name : {"Magyar.lng", "English.lng", "Magyar.doc", "English.doc", "Leir.doc"})
            ASSERT_TRUE(QFile::copy(data.filePath(QString::fromLatin1(name)), folder.filePath(QString::fromLatin1(name))))
                << name;
        useLanguage("Magyar");
    }
    void useLanguage(const char* name) {
        s.texts.languageName = QString::fromLatin1(name);
        ApplyLanguage(s, folder);
    }
    QByteArray Contents(const char* name) const {
        QFile f(folder.filePath(QString::fromLatin1(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The text of the line the caret stands at the start of; empty when it is elsewhere.
    static QString CaretLine(const DocumentViewerDialog& d) {
        const QTextCursor c = d.textBox()->textCursor();
        return c.position() == c.block().position() ? c.block().text() : QString();
    }
    static void Open(DocumentViewerDialog& d) {
        d.show();
        d.activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&d);
    }

    QTemporaryDir m_dir;
    QDir folder{m_dir.path()};
    GameState s;
    FakePlatform fp;
};

TEST_F(DocumentViewerDialogTest, EverySectionOpensWithItsHeadingAtTheCaret) {
    for (const char* language : {"Magyar", "English"}) {
        useLanguage(language);
        for (int topic = HelpTopic::Results; topic <= HelpTopic::LoadShuffledState; ++topic) {
            DocumentViewerDialog d(s, fp.platform, folder, topic);
            ASSERT_TRUE(d.docLoaded()) << language;
            EXPECT_EQ(d.viewer().fileName(), QString::fromLatin1(language) + QStringLiteral(".doc"));
            EXPECT_EQ(CaretLine(d), s.texts.messages[topic + 153]) << language << " topic " << topic;
        }
        s.demoState = DemoState::Running;
        DocumentViewerDialog demo(s, fp.platform, folder, HelpTopic::Playing);
        EXPECT_EQ(CaretLine(demo), s.texts.messages[166]) << language;
        s.demoState = DemoState::Off;
    }
    DocumentViewerDialog start(s, fp.platform, folder, HelpTopic::Start);
    EXPECT_EQ(start.textBox()->textCursor().position(), 0);
    DocumentViewerDialog description(s, fp.platform, folder, HelpTopic::GameDescription);
    EXPECT_EQ(description.viewer().fileName(), QStringLiteral("Leir.doc"));
    EXPECT_EQ(description.textBox()->textCursor().position(), 0);
    EXPECT_TRUE(fp.messageBox.shown.empty());
}

TEST_F(DocumentViewerDialogTest, F7AndF6SearchForwardsAndBackwards) {
    DocumentViewerDialog d(s, fp.platform, folder, HelpTopic::Start);
    Open(d);
    EXPECT_EQ(d.windowTitle(), s.panel.kezel.caption);
    EXPECT_EQ(d.button("le")->text(), QStringLiteral("Le (F7)"));
    QTest::keyClicks(d.searchBox(), "pendoly");
    const QString text = d.textBox()->toPlainText();
    const int first = static_cast<int>(text.indexOf(QStringLiteral("pendoly"), 1, Qt::CaseInsensitive));
    const int second = static_cast<int>(text.indexOf(QStringLiteral("pendoly"), first + 1, Qt::CaseInsensitive));
    ASSERT_GT(first, 0);

    QTest::keyClick(d.textBox(), Qt::Key_F7);
    EXPECT_EQ(d.textBox()->textCursor().selectionStart(), first);
    EXPECT_EQ(d.textBox()->textCursor().selectedText().toLower(), QStringLiteral("pendoly"));
    QTest::keyClick(d.searchBox(), Qt::Key_Return);   // Enter in the box searches on
    EXPECT_EQ(d.textBox()->textCursor().selectionStart(), second);
    QTest::keyClick(d.textBox(), Qt::Key_F6);
    EXPECT_EQ(d.textBox()->textCursor().selectionStart(), first);
    EXPECT_TRUE(fp.messageBox.shown.empty());
    QTest::keyClick(d.textBox(), Qt::Key_F6);
    ASSERT_EQ(fp.messageBox.shown.size(), 1u);
    EXPECT_EQ(fp.messageBox.shown[0].text, QStringLiteral("A keresett szöveg nem található!"));
    EXPECT_EQ(d.textBox()->textCursor().selectionStart(), first);
    EXPECT_TRUE(d.isVisible());
}

TEST_F(DocumentViewerDialogTest, F6AndF7WithAnEmptyBoxOnlyFocusIt) {
    DocumentViewerDialog d(s, fp.platform, folder, HelpTopic::Playing);
    Open(d);
    const int caret = d.textBox()->textCursor().position();
    for (Qt::Key key : {Qt::Key_F7, Qt::Key_F6}) {
        d.textBox()->setFocus();
        QTest::keyClick(d.textBox(), key);
        EXPECT_TRUE(d.searchBox()->hasFocus());
        EXPECT_EQ(d.textBox()->textCursor().position(), caret);
    }
    EXPECT_TRUE(fp.messageBox.shown.empty());
}

TEST_F(DocumentViewerDialogTest, PagingButtonsMoveTheCaret) {
    DocumentViewerDialog d(s, fp.platform, folder, HelpTopic::Start);
    Open(d);
    const auto caret = [&] { return d.textBox()->textCursor().position(); };
    QTest::mouseClick(d.button("pgdn"), Qt::LeftButton);
    const int pageDown = caret();
    EXPECT_GT(pageDown, 0);
    QTest::mouseClick(d.button("vege"), Qt::LeftButton);
    EXPECT_EQ(caret(), d.textBox()->document()->characterCount() - 1);
    QTest::mouseClick(d.button("pgup"), Qt::LeftButton);
    EXPECT_LT(caret(), d.textBox()->document()->characterCount() - 1);
    QTest::mouseClick(d.button("eleje"), Qt::LeftButton);
    EXPECT_EQ(caret(), 0);
    EXPECT_TRUE(d.textBox()->hasFocus());
}

TEST_F(DocumentViewerDialogTest, EscapeClosesAndTypingWithoutUnlockingChangesNothing) {
    const QByteArray before = Contents("Magyar.doc");
    DocumentViewerDialog d(s, fp.platform, folder, HelpTopic::Start);
    Open(d);
    QTest::keyClicks(d.textBox(), "xyz");
    EXPECT_FALSE(d.textBox()->document()->isModified());
    QTest::keyClick(d.textBox(), Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(Contents("Magyar.doc"), before);
}

TEST_F(DocumentViewerDialogTest, CtrlWUnlocksAndClosingSavesTheEditWithItsFormatting) {
    DocumentViewerDialog d(s, fp.platform, folder, HelpTopic::GameDescription);
    Open(d);
    QTest::keyClick(d.textBox(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(d.button("rendben")->text(), QStringLiteral("Ment,kilép"));
    EXPECT_FALSE(d.textBox()->isReadOnly());
    QTest::keyClick(d.textBox(), Qt::Key_End);
    QTest::keyClicks(d.textBox(), " Saved here.");
    const RichDocument shown = RichDocumentOf(*d.textBox()->document());
    QTest::keyClick(d.textBox(), Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());

    const RichTextRead saved = ReadRichText(Contents("Leir.doc"));
    EXPECT_EQ(saved.status, RichTextStatus::Read);
    EXPECT_TRUE(saved.document.paragraphs.front().text().endsWith(QStringLiteral(" Saved here.")));
    EXPECT_EQ(saved.document, shown);
    // Title and headings keep their look.
    EXPECT_EQ(saved.document.paragraphs.front().align, RichAlign::Centre);
    EXPECT_TRUE(saved.document.paragraphs.front().runs.front().format.bold);
}

TEST_F(DocumentViewerDialogTest, AMissingDocumentIsToldAndTheViewerNeverOpens) {
    ASSERT_TRUE(QFile::remove(folder.filePath(QStringLiteral("Magyar.doc"))));
    ModalProbe<DocumentViewerDialog> probe([](DocumentViewerDialog* d) { d->reject(); }, 500);
    ShowDocumentViewer(s, fp.platform, folder, HelpTopic::Playing, nullptr);
    EXPECT_FALSE(probe.handled());
    ASSERT_EQ(fp.messageBox.shown.size(), 1u);
    EXPECT_EQ(fp.messageBox.shown[0].text, s.texts.messages[27] + QStringLiteral(" Magyar.doc"));
}

// The text box's document and back: the shipped documents and every format they
// might not use survive unchanged.
TEST(RichTextDocument, FillingTheTextBoxAndReadingItBackKeepsEverything) {
    const QDir data(qEnvironmentVariable("ZK_DATA_DIR"));
    QFile help(data.filePath(QStringLiteral("English.doc")));
    ASSERT_TRUE(help.open(QIODevice::ReadOnly));
    RichDocument formats;
    RichParagraph p;
    p.align = RichAlign::Right;
    p.leftIndentTwips = 720;
    p.firstIndentTwips = -360;
    RichCharFormat italic;
    italic.italic = italic.underline = true;
    italic.sizeHalfPoints = 17;
    italic.fontName = QStringLiteral("Serif");
    italic.colour = RichColour{10, 20, 30};
    p.append(QStringLiteral("dőlt\t"), italic);
    RichCharFormat big;
    big.bold = true;
    big.sizeHalfPoints = 48;
    p.append(QStringLiteral("sor\u2028vége"), big);
    RichParagraph justified;
    justified.align = RichAlign::Justify;
    formats.paragraphs = {p, justified};
    for (const RichDocument& source : {ReadRichText(help.readAll()).document, formats}) {
        QTextDocument document;
        FillTextDocument(document, source);
        EXPECT_FALSE(document.isModified());
        EXPECT_EQ(RichDocumentOf(document), source);
    }
}

// The run group `{...}` the writer put `text` in; empty when there is none.
QByteArray RunHolding(const QByteArray& rtf, const QByteArray& text) {
    const qsizetype at = rtf.indexOf(text);
    if (at < 0) return {};
    const qsizetype open = rtf.lastIndexOf('{', at);
    const qsizetype close = rtf.indexOf('}', at);
    return open < 0 || close < 0 ? QByteArray() : rtf.mid(open, close - open + 1);
}

// The written line (one paragraph) holding `text`.
QByteArray ParagraphHolding(const QByteArray& rtf, const QByteArray& text) {
    const qsizetype at = rtf.indexOf(text);
    if (at < 0) return {};
    const qsizetype start = rtf.lastIndexOf('\n', at) + 1;
    return rtf.mid(start, rtf.indexOf('\n', at) - start);
}

// A word processor's document through the text box and a save: what the text box
// cannot show stays hidden or is carried through, and the written bytes hold every
// format word the document had, in the paragraph and run it belongs to.
TEST(RichTextDocument, AWordProcessorsDocumentKeepsItsLookThroughTheTextBoxAndASave) {
    const RichDocument source = ReadRichText(kWordProcessorSample).document;
    QTextDocument box;
    FillTextDocument(box, source);
    EXPECT_FALSE(box.toPlainText().contains(QStringLiteral("rejtett")));
    EXPECT_TRUE(box.toPlainText().contains(QString::fromUtf8("fontos\uFFFClátható")));
    const QByteArray written = WriteRichText(RichDocumentOf(box));

    EXPECT_EQ(ReadRichText(written).document, source);
    const struct {
        const char* where;
        QByteArray inWritten;   // a paragraph's or a run's control words
        const char* words;
    } expected[] = {
        {"title", ParagraphHolding(written, "J\\'e1t"), "\\sl276\\slmult1"},
        {"tab stops", ParagraphHolding(written, "Pont"), "\\sl-300\\slmult0\\tqr\\tldot\\tx4320\\tx6480"},
        {"strike-through", RunHolding(written, "r\\'e9gi"), "\\strike "},
        {"subscript", ParagraphHolding(written, "O m"), "\\sub 2}"},
        {"superscript", ParagraphHolding(written, "O m"), "\\super 2}"},
        {"highlight", RunHolding(written, "fontos"), "\\highlight2 "},
        {"hidden", RunHolding(written, "rejtett"), "\\v rejtett"},
        {"highlight colour", written, "\\red255\\green255\\blue0;"},
    };
    for (const auto& e : expected)
        EXPECT_TRUE(e.inWritten.contains(e.words)) << e.where << ": " << e.inWritten.toStdString();
}

// The viewer never shows or finds hidden text, and an edit saves the document with
// its hidden text and the formats the text box cannot show.
TEST_F(DocumentViewerDialogTest, AnEditedWordProcessorDocumentKeepsHiddenTextAndFormats) {
    QFile leir(folder.filePath(QStringLiteral("Leir.doc")));
    ASSERT_TRUE(leir.open(QIODevice::WriteOnly | QIODevice::Truncate));
    leir.write(kWordProcessorSample);
    leir.close();
    DocumentViewerDialog d(s, fp.platform, folder, HelpTopic::GameDescription);
    Open(d);
    EXPECT_FALSE(d.textBox()->toPlainText().contains(QStringLiteral("rejtett")));
    QTest::keyClicks(d.searchBox(), "rejtett");
    QTest::keyClick(d.textBox(), Qt::Key_F7);
    ASSERT_EQ(fp.messageBox.shown.size(), 1u);
    EXPECT_EQ(fp.messageBox.shown[0].text, QStringLiteral("A keresett szöveg nem található!"));

    QTest::keyClick(d.textBox(), Qt::Key_W, Qt::ControlModifier);
    QTest::keyClick(d.textBox(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(d.textBox(), " Vege.");
    QTest::keyClick(d.textBox(), Qt::Key_Escape);
    ASSERT_FALSE(d.isVisible());

    RichDocument expected = ReadRichText(kWordProcessorSample).document;
    RichParagraph& last = expected.paragraphs.back();
    last.append(QStringLiteral(" Vege."), last.runs.back().format);
    const QByteArray saved = Contents("Leir.doc");
    EXPECT_EQ(ReadRichText(saved).document, expected);
    for (const char* word : {"\\sl276\\slmult1", "\\tqr\\tldot\\tx4320", "\\strike ", "\\sub ", "\\super ",
                             "\\highlight", "\\v rejtett"})
        EXPECT_TRUE(saved.contains(word)) << word;
}

} // namespace
