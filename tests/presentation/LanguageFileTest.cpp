// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/GameState.h"
#include "play/ButtonLanguage.h"
#include "presentation/LanguageFile.h"
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Writes `lines` as a language file: code page 1250, CR LF.
void writeLanguage(const QDir& dir, const QString& name, const QStringList& lines) {
    QFile f(dir.filePath(name + ".lng"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    QStringEncoder encoder("windows-1250");
    f.write(encoder.encode(lines.join("\r\n") + "\r\n"));
}

// 44 captions "<tag>C1".."<tag>C44", then messages "<tag>M1".."<tag>M<messages>".
QStringList languageLines(const QString& tag, int messages) {
    QStringList lines;
    for (int i = 1; i <= kCaptionCount; ++i) lines << tag + "C" + QString::number(i);
    for (int i = 1; i <= messages; ++i) lines << tag + "M" + QString::number(i);
    return lines;
}

QStringList withMessage(QStringList lines, int no, const QString& text) {
    lines[kCaptionCount + no - 1] = text;
    return lines;
}

struct LanguageFolder {
    QTemporaryDir tmp;
    QDir dir{tmp.path()};
    GameState s;
};

} // namespace

TEST(LanguageEntries, CommentAndBlankLinesAreSkippedOthersKeptExactly) {
    const QByteArray file =
        "first\r\n"
        "- a comment\r\n"
        "-\r\n"
        "\r\n"
        "    \r\n"
        " -not a comment\r\n"
        "  padded  \r\n"
        "\tonly a tab\r\n"
        "last without line end";
    const QStringList expected{"first", " -not a comment", "  padded  ", "\tonly a tab",
                               "last without line end"};
    EXPECT_EQ(LanguageEntries(file), expected);
}

TEST(LanguageEntries, AnyLineEndEndsALine) {
    EXPECT_EQ(LanguageEntries("a\rb\r\rc\nd\r\n\r\ne\n\rf"),
              (QStringList{"a", "b", "c", "d", "e", "f"}));
}

TEST(LanguageEntries, DecodesCodePage1250) {
    EXPECT_EQ(LanguageEntries("\xC1rv\xEDzt\xFBr\xF5 t\xFCk\xF6rf\xFAr\xF3g\xE9p\r\n"),
              QStringList{QString::fromUtf8("Árvíztűrő tükörfúrógép")});
}

TEST(ApplyLanguage, NumbersCaptionsAndMessagesThroughSkippedLines) {
    LanguageFolder f;
    QStringList lines = languageLines("", 3);
    lines.insert(10, "- comment between captions");
    lines.insert(20, "   ");
    lines.insert(30, "");
    lines.insert(47, "-- comment between messages");
    writeLanguage(f.dir, "Magyar", lines);

    const LanguageResult result = ApplyLanguage(f.s, f.dir);
    EXPECT_EQ(result.status, LanguageStatus::Applied);
    EXPECT_EQ(result.entries, kCaptionCount + 3);
    EXPECT_EQ(f.s.texts.messages.size(), 172);
    EXPECT_EQ(f.s.texts.messages[1], "M1");
    EXPECT_EQ(f.s.texts.messages[3], "M3");
    EXPECT_EQ(f.s.texts.messages[0], "C31");
    // Captions go to their controls.
    EXPECT_EQ(f.s.panel.menu.caption, "C1");
    EXPECT_EQ(f.s.panel.hang_kell.caption, "C15");
    EXPECT_EQ(f.s.panel.tipus.caption, "C20");
    EXPECT_EQ(f.s.panel.kezd.caption, "C29");
    EXPECT_EQ(f.s.panel.uj.caption, "C31");
    EXPECT_EQ(f.s.panel.okev.caption, "C34"); // the colour button, like skev
    EXPECT_EQ(f.s.panel.Label4.caption, "C44");
    EXPECT_EQ(f.s.panel.Label1.caption, "C26");
    EXPECT_EQ(f.s.texts.label1TextOther, "C26");
    EXPECT_EQ(f.s.texts.label1TextNumbers, "C27");
    EXPECT_EQ(f.s.texts.okevCaption, "C35");

    f.s.panel.szamsor.checked = true;
    ApplyLanguage(f.s, f.dir);
    EXPECT_EQ(f.s.panel.Label1.caption, "C27");
    EXPECT_EQ(f.s.panel.okev.caption, "C35"); // the tile exchange
}

TEST(ApplyLanguage, MessageSectionStopsAt171) {
    LanguageFolder f;
    writeLanguage(f.dir, "Magyar", languageLines("", 200));
    ApplyLanguage(f.s, f.dir);
    EXPECT_EQ(f.s.texts.messages.size(), 172);
    EXPECT_EQ(f.s.texts.messages[171], "M171");
    EXPECT_EQ(f.s.texts.messages[44], "M44");
}

// The built-in texts, as the shipped Hungarian file holds them.
QStringList builtInEntries() {
    QFile file(QDir(qEnvironmentVariable("ZK_DATA_DIR", "data")).filePath("Magyar.lng"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return LanguageEntries(file.readAll());
}

// An incomplete file: what it has is used, every entry it lacks comes from the
// built-in Hungarian texts at its own number, never from another entry's place, and
// the player is told which file it is and how many entries it has.
TEST(ApplyLanguage, MissingEntriesComeFromTheBuiltInTexts) {
    const QStringList builtIn = builtInEntries();
    ASSERT_EQ(builtIn.size(), kCaptionCount + kLastMessage);
    struct Case {
        int entries;
    } cases[] = {{2}, {44}, {62}, {214}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entries);
        LanguageFolder f;
        f.s.texts.languageName = "English";
        writeLanguage(f.dir, "English", languageLines("en", kLastMessage).mid(0, c.entries));
        const LanguageResult r = ApplyLanguage(f.s, f.dir);
        EXPECT_EQ(r.status, LanguageStatus::Applied);
        EXPECT_EQ(r.entries, c.entries);
        const QString told = LanguageProblemText(r);
        EXPECT_TRUE(told.contains("English.lng") && told.contains(QString::number(c.entries)) &&
                    told.contains("215"))
            << told.toStdString();
        EXPECT_TRUE(told.startsWith("The language file English.lng is incomplete")) << told.toStdString();
        EXPECT_EQ(f.s.panel.menu.caption, "enC1");
        const int firstMissing = c.entries + 1;   // entry number, 1-based
        if (firstMissing <= kCaptionCount) {
            EXPECT_EQ(CaptionControl(f.s.panel, firstMissing)->caption, builtIn[firstMissing - 1]);
        }
        for (int n : {11, 30, 171}) {
            const int entry = kCaptionCount + n;
            EXPECT_EQ(f.s.texts.messages[n], entry <= c.entries ? "enM" + QString::number(n) : builtIn[entry - 1])
                << n;
        }
    }
    LanguageFolder whole;
    writeLanguage(whole.dir, "Magyar", languageLines("", kLastMessage));
    EXPECT_TRUE(LanguageProblemText(ApplyLanguage(whole.s, whole.dir)).isEmpty());
}

TEST(ApplyLanguage, Message5SplitsIntoTheThreeTimeWords) {
    struct Case { const char* message5; const char* h; const char* m; const char* sec; };
    const Case cases[] = {
        {"óra;perc;másodperc", "óra", "perc", "másodperc"},
        {"hours;minutes;", "hours", "minutes", ""},
        {";;", "", "", ""},
        {"h;m;s;extra", "h", "m", "s;extra"},
        // Fewer than two ";": the built-in words keep the time line readable.
        {"h;m", "óra", "perc", "másodperc"},
        {"no separator", "óra", "perc", "másodperc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message5);
        LanguageFolder f;
        writeLanguage(f.dir, "Magyar", withMessage(languageLines("", 10), 5, QString::fromUtf8(c.message5)));
        ApplyLanguage(f.s, f.dir);
        EXPECT_EQ(f.s.texts.endTexts[1], QString::fromUtf8(c.h));
        EXPECT_EQ(f.s.texts.endTexts[2], QString::fromUtf8(c.m));
        EXPECT_EQ(f.s.texts.endTexts[3], QString::fromUtf8(c.sec));
    }
}

TEST(ApplyLanguage, TypeNamesAreCutAtFixedPositions) {
    struct Case { const char* message128; std::array<const char*, 9> names; };
    const Case cases[] = {
        {"V VR A AR M T S SR", {"", "V", "VR", "A", "AR", "M", "T", "S", "SR"}},
        {"R RR D DR P S N NR", {"", "R", "RR", "D", "DR", "P", "S", "N", "NR"}},
        {"abcdefghijklmnopqrstu", {"", "a", "cd", "f", "hi", "k", "m", "o", "qr"}},
        // Codes the message does not reach fall back to the built-in ones.
        {"X YY Z", {"", "X", "YY", "Z", "AR", "M", "T", "S", "SR"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message128);
        LanguageFolder f;
        writeLanguage(f.dir, "Magyar", withMessage(languageLines("", 171), 128, c.message128));
        ApplyLanguage(f.s, f.dir);
        for (int t = 1; t <= 8; ++t) EXPECT_EQ(f.s.texts.typeNames[t], c.names[t]) << t;
    }
}

TEST(ApplyLanguage, DemoCaptionAndRunningGameCaptions) {
    LanguageFolder f;
    writeLanguage(f.dir, "Magyar", languageLines("", 171));
    f.s.gameRunning = true;
    f.s.storedGameNo = 7;
    f.s.storedGameName = "  Kert  ";
    ApplyLanguage(f.s, f.dir);
    EXPECT_EQ(f.s.panel.demo_jatek.caption, "M167");
    EXPECT_EQ(f.s.panel.uj.caption, "M1");
    EXPECT_EQ(f.s.panel.t_jatek.caption, "C26 7 Kert");

    f.s.storedGameName.clear();
    ApplyLanguage(f.s, f.dir);
    EXPECT_EQ(f.s.panel.t_jatek.caption, "C26 7");
}

TEST(ApplyLanguage, NoStoredGameLeavesTheTitleAlone) {
    LanguageFolder f;
    writeLanguage(f.dir, "Magyar", languageLines("", 10));
    f.s.gameRunning = true;
    f.s.panel.t_jatek.caption = "kept";
    ApplyLanguage(f.s, f.dir);
    EXPECT_EQ(f.s.panel.t_jatek.caption, "kept");
    EXPECT_EQ(f.s.panel.demo_jatek.caption, QString::fromUtf8("Demó játék"));
}

// A language name never reaches a file outside the program's folder.
TEST(ApplyLanguage, HostileNamesFallBackToTheDefaultLanguage) {
    QTemporaryDir tmp;
    QDir root(tmp.path());
    ASSERT_TRUE(root.mkpath("game/a"));
    const QDir game(root.filePath("game"));
    writeLanguage(game, "Magyar", languageLines("hu", 3));
    writeLanguage(root, "x", languageLines("outside", 3));
    writeLanguage(QDir(game.filePath("a")), "b", languageLines("sub", 3));
    const QString names[] = {"../x", root.filePath("x"), "a/b", "a\\b", "/etc/passwd",
                             "..", "", "Missing", QString("x") + QChar('\n')};
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        GameState s;
        s.texts.languageName = name;
        const LanguageResult r = ApplyLanguage(s, game);
        EXPECT_EQ(r.status, LanguageStatus::FellBackToDefault);
        EXPECT_EQ(r.requested, name);
        EXPECT_EQ(s.texts.languageName, "Magyar");
        EXPECT_EQ(s.panel.menu.caption, "huC1");
        EXPECT_FALSE(LanguageProblemText(r).isEmpty());
    }
}

TEST(ApplyLanguage, WithoutAnyLanguageFileTheBuiltInTextsAreUsed) {
    LanguageFolder f;
    f.s.texts.languageName = "English";
    const LanguageResult r = ApplyLanguage(f.s, f.dir);
    EXPECT_EQ(r.status, LanguageStatus::BuiltInTexts);
    EXPECT_EQ(f.s.texts.languageName, "Magyar");
    EXPECT_EQ(f.s.panel.menu.caption, QString::fromUtf8("Menü"));
    EXPECT_EQ(f.s.panel.Label4.caption, QString::fromUtf8("Nyelv választás:"));
    EXPECT_EQ(f.s.panel.Label1.caption, "Sorsz:");
    EXPECT_EQ(f.s.texts.messages[0], QString::fromUtf8("Kevert áll.tölt"));
    EXPECT_EQ(f.s.texts.messages.mid(1), builtInEntries().mid(kCaptionCount));
    EXPECT_EQ(f.s.texts.typeNames[2], "VR");
    // Asked for English, the player now reads Hungarian: told in both.
    const QString told = LanguageProblemText(r);
    EXPECT_TRUE(told.contains("Magyar.lng") && told.contains(QString::fromUtf8("Nincs olvasható")) &&
                told.contains("No language file"))
        << told.toStdString();
    const QString again = LanguageProblemText(ApplyLanguage(f.s, f.dir));
    EXPECT_TRUE(again.contains("Magyar.lng") && !again.contains("No language file")) << again.toStdString();
}

TEST(LanguageChooser, ListsTheLanguageFilesOfTheFolder) {
    LanguageFolder f;
    for (const char* name : {"Magyar", "English", "deutsch"}) writeLanguage(f.dir, name, {"x"});
    QFile(f.dir.filePath("notes.txt")).open(QIODevice::WriteOnly);
    QFile(f.dir.filePath("SHOUT.LNG")).open(QIODevice::WriteOnly);
    QFile(f.dir.filePath("Magyar.lng.bak")).open(QIODevice::WriteOnly);
    ASSERT_TRUE(f.dir.mkdir("folder.lng"));
    const QStringList expected{"deutsch", "English", "Magyar"};
    EXPECT_EQ(ListLanguages(f.dir), expected);

    f.s.texts.languageName = "English";
    EXPECT_EQ(nyelv_Click(f.s, f.dir), expected);
    EXPECT_TRUE(f.s.panel.lang.visible);
    EXPECT_EQ(f.s.panel.lang.caption, "English");
    EXPECT_EQ(f.s.panel.lang.left, 3500);
    EXPECT_EQ(f.s.panel.lang.top, 20);
    EXPECT_TRUE(f.s.panel.Label4.visible);
    EXPECT_EQ(f.s.panel.Label4.left, 1700);
    EXPECT_EQ(f.s.panel.Label4.top, 20);
    EXPECT_EQ(f.s.panel.Label4.width, 1500);
    EXPECT_EQ(f.s.panel.focusRequest, "lang");
}

TEST(LanguageChooser, SwitchingRewritesCaptionsAndTheStoredGameTitle) {
    LanguageFolder f;
    writeLanguage(f.dir, "Magyar", languageLines("hu", 171));
    writeLanguage(f.dir, "English", languageLines("en", 171));
    ApplyLanguage(f.s, f.dir);
    f.s.gameRunning = true;
    f.s.storedGameNo = 3;
    f.s.storedGameName = "Garden";

    nyelv_Click(f.s, f.dir);
    const LanguageResult r = lang_Click(f.s, f.dir, "English");
    EXPECT_EQ(r.status, LanguageStatus::Applied);
    EXPECT_EQ(f.s.texts.languageName, "English");
    EXPECT_EQ(f.s.panel.kezd.caption, "enC29");
    EXPECT_EQ(f.s.texts.messages[100], "enM100");
    EXPECT_EQ(f.s.panel.t_jatek.caption, "enC26 3 Garden");
    EXPECT_EQ(f.s.panel.uj.caption, "enM1");
    EXPECT_FALSE(f.s.panel.lang.visible);
    EXPECT_FALSE(f.s.panel.Label4.visible);
    EXPECT_EQ(f.s.panel.focusRequest, "pp");
}

TEST(LanguageChooser, ChoosingTheLanguageInUseDoesNotRereadIt) {
    LanguageFolder f;
    writeLanguage(f.dir, "Magyar", languageLines("old", 10));
    ApplyLanguage(f.s, f.dir);
    writeLanguage(f.dir, "Magyar", languageLines("new", 10));
    nyelv_Click(f.s, f.dir);
    EXPECT_EQ(lang_Click(f.s, f.dir, "Magyar").status, LanguageStatus::Unchanged);
    EXPECT_EQ(f.s.panel.kezd.caption, "oldC29");
    EXPECT_FALSE(f.s.panel.lang.visible);
    EXPECT_EQ(f.s.panel.focusRequest, "pp");
}

TEST(LanguageChooser, AnUnreadableChoiceKeepsTheLanguageInUse) {
    LanguageFolder f;
    writeLanguage(f.dir, "English", languageLines("en", 10));
    writeLanguage(f.dir, "Magyar", languageLines("hu", 10));
    f.s.texts.languageName = "English";
    ApplyLanguage(f.s, f.dir);
    for (const char* typed : {"Klingon", "../English", ""}) {
        EXPECT_EQ(lang_Click(f.s, f.dir, typed).status, LanguageStatus::Unchanged) << typed;
        EXPECT_EQ(f.s.texts.languageName, "English");
        EXPECT_EQ(f.s.panel.kezd.caption, "enC29");
    }
}

TEST(LanguageChooser, EscapeAndLeavingHideTheChooser) {
    GameState s;
    QTemporaryDir tmp;
    nyelv_Click(s, QDir(tmp.path()));
    lang_KeyDown(s, 'A');
    EXPECT_TRUE(s.panel.lang.visible);
    lang_KeyDown(s, kKeyEscape);
    EXPECT_FALSE(s.panel.lang.visible);
    EXPECT_FALSE(s.panel.Label4.visible);

    nyelv_Click(s, QDir(tmp.path()));
    lang_LostFocus(s);
    EXPECT_FALSE(s.panel.lang.visible);
    EXPECT_FALSE(s.panel.Label4.visible);
}

// The shipped files through the program's own reader: every caption and message is
// reached, and the texts that are cut apart yield what the rest of the game expects.
TEST(ApplyLanguage, ShippedLanguagesReadCompletely) {
    const QDir data(qEnvironmentVariable("ZK_DATA_DIR", "data"));
    for (const char* language : {"Magyar", "English"}) {
        SCOPED_TRACE(language);
        GameState s;
        s.texts.languageName = language;
        const LanguageResult result = ApplyLanguage(s, data);
        ASSERT_EQ(result.status, LanguageStatus::Applied);
        EXPECT_EQ(result.entries, kCaptionCount + kLastMessage);
        EXPECT_TRUE(LanguageProblemText(result).isEmpty());
        for (int no = 1; no <= kCaptionCount; ++no)
            EXPECT_FALSE(CaptionControl(s.panel, no)->caption.isEmpty()) << no;
        EXPECT_FALSE(s.texts.messages[kLastMessage].isEmpty());
        EXPECT_EQ(s.texts.messages[5].count(u';'), 2);
        for (int i = 1; i <= 3; ++i) EXPECT_FALSE(s.texts.endTexts[i].trimmed().isEmpty()) << i;
        for (int t = 1; t <= 8; ++t) EXPECT_EQ(s.texts.typeNames[t], s.texts.typeNames[t].trimmed()) << t;
    }
    GameState hu;
    ApplyLanguage(hu, data);
    const std::array<QString, 9> codes{"", "V", "VR", "A", "AR", "M", "T", "S", "SR"};
    EXPECT_EQ(hu.texts.typeNames, codes);
}

TEST(ButtonLanguage, ALanguageNameFindsItsButtonTranslation) {
    const std::pair<const char*, const char*> cases[] = {
        {"Magyar", "hu"}, {"magyar", "hu"}, {"Deutsch", "de"}, {"Čeština", "cs"}, {"Cestina", "cs"},
        {"English", ""}, {"Klingon", ""}, {"", ""},
    };
    for (const auto& [name, locale] : cases)
        EXPECT_EQ(ButtonLocaleOfLanguage(QString::fromUtf8(name)), QString::fromLatin1(locale)) << name;
}
