// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Language files: "<language>.lng" among the shipped files, code page 1250, CR LF.
// The first 44 entries are the main window's captions, the rest are the messages
// 1..171 that the whole program shows by number.
#include <QByteArray>
#include "presentation/GameFolders.h"
#include <QString>
#include <QStringList>

struct GameState;
struct PanelControls;
struct ControlState;

inline constexpr char kDefaultLanguage[] = "Magyar";
inline constexpr char kLanguageSuffix[] = ".lng";
constexpr int kCaptionCount = 44;
constexpr int kLastMessage = 171;

// A line is an entry unless it is blank after trimming blanks or its first character
// is "-" (a comment). " -x" is an entry, leading blank included.
bool IsLanguageEntry(const QString& line);

// The entries of a language file's contents, in order, each exactly as written
// (without its line end: CR LF, CR or LF). Stops after `maxEntries`.
QStringList LanguageEntries(const QByteArray& contents, int maxEntries = kCaptionCount + kLastMessage);

// The control that caption entry `no` (1..44) belongs to; Label1 for both 26 and 27.
ControlState* CaptionControl(PanelControls& panel, int no);
// The window's design caption of entry `no` (1..44): the Hungarian defaults.
QString DesignCaption(int no);

enum class LanguageStatus {
    Applied,           // the requested language was read
    FellBackToDefault, // it could not be read; the default language was read instead
    BuiltInTexts,      // no language file could be read: the built-in Hungarian texts
    Unchanged,         // the chooser picked the language already in use: nothing read
};

struct LanguageResult {
    LanguageStatus status = LanguageStatus::Applied;
    QString requested;  // the language that was asked for
    int entries = 0;    // entries of the file read; fewer than 215 means some were missing
};

// The texts of the built-in Hungarian language file, all 44 + 171 entries.
const QStringList& BuiltInLanguageEntries();

// Reads `languageName`.lng from the shipped files into `messages` and sets the window's
// captions; falls back to the default language, then to the built-in texts. Entries
// the file lacks come from the built-in texts at their own numbers. `languageName`
// ends up naming the language actually in use.
LanguageResult ApplyLanguage(GameState& s, const GameFolders& folders);

// A text of the program's own telling the user what went wrong (a file that could not
// be read, or one with too few entries), or empty when nothing did. It cannot come
// from a language file, since reading one is what failed. It is worded in the language
// now in use and, when that is not the one asked for, in the one asked for as well.
QString LanguageProblemText(const LanguageResult& result);

// The languages the chooser offers: the names of the ".lng" files in either folder.
QStringList ListLanguages(const GameFolders& folders);

// Menu item "Nyelv beállítás": shows the chooser `lang` with Label4 beside it and
// returns the items to list; its text is the current language.
QStringList nyelv_Click(GameState& s, const GameFolders& folders);
// A language picked in `lang`: hides the chooser and applies the language unless it
// is the one in use; the focus goes to `pp`.
LanguageResult lang_Click(GameState& s, const GameFolders& folders, const QString& chosen);
void lang_LostFocus(GameState& s);
constexpr int kKeyEscape = 27;
void lang_KeyDown(GameState& s, int keyCode);
