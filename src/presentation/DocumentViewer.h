// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The documentation viewer `doksi` as its logic: which document it shows and where it
// starts, its captions, the searches forwards and backwards, the unlock key and the
// saving of an edited document. The dialog in gui/ shows this state and hands the
// text box's contents and caret in.
//
//     DocumentViewer viewer(state, platform, folders, helpTopic);
//     viewer.Form_Load();                    // tells a missing document itself
//     if (!viewer.docLoaded()) return;       // nothing to show: the dialog closes
//     ... show viewer.document(), start at viewer.sectionHeading() ...
#include "presentation/RichText.h"
#include "files/ScratchFile.h"
#include "ui/ControlState.h"
#include "presentation/GameFolders.h"
#include <functional>

struct GameState;
struct Platform;

// Where the viewer opens (`helpTopic`): the start of the help document, one of its
// sections 1..12, or the game's description.
namespace HelpTopic {
constexpr int Start = 0;
constexpr int Results = 1;
constexpr int Colours = 2;
constexpr int CreateStoredGame = 3;
constexpr int ChangeStoredGame = 4;
constexpr int NameDeletion = 5;
constexpr int StartCapture = 6;
constexpr int ChooseStoredGame = 7;
constexpr int Playing = 8;
constexpr int Statistics = 9;
constexpr int ListFile = 10;
constexpr int OverwriteShuffledState = 11;
constexpr int LoadShuffledState = 12;
constexpr int GameDescription = 99;
} // namespace HelpTopic

inline constexpr char kGameDescriptionFile[] = "Leir.doc";
inline constexpr char kDocumentSuffix[] = ".doc";          // after the language's name

// Message n + 153 is the heading of help section n; 166 that of the demo game.
constexpr int kFirstSectionHeading = 154;
constexpr int kDemoSectionHeading = 166;

// The help of the main window (menu item `kezel` and F1): the section on playing
// while a game runs, the one on a stored game's start while that is being set
// (Label2 shown), otherwise the start of the help document.
int MainWindowHelpTopic(const GameState& s);

// The text the viewer looks for to start at: the demo's heading whenever the demo
// runs, else the heading of section 1..12; empty for the start and the description.
QString SectionHeading(const GameState& s, int helpTopic);

// Searches are case-insensitive, as the text box's own search. Forwards: the first
// occurrence at caret + 1 or later. Backwards: the occurrence nearest before the
// caret that ends at the caret at the latest; none from caret 0 or 1. -1 when none.
int FindForward(const QString& text, const QString& needle, int caret);
int FindBackward(const QString& text, const QString& needle, int caret);

struct DocumentViewerControls {
    QString title;
    ControlState hszov, Frame1, Label1, keres, fel, le, Frame2, eleje, vege, pgup, pgdn, rendben;
    QString focusRequest;   // the control that gets the focus after a handler
};

// What a search asks of the text box.
struct SearchResult {
    enum Kind { FocusSearchBox, Select, NotFound };
    Kind kind = NotFound;
    int position = -1;
    int length = 0;
};

class DocumentViewer {
public:
    DocumentViewer(const GameState& s, Platform& platform, const GameFolders& folders, int helpTopic);

    // Captions, then the document: a missing one is told with its message and leaves
    // the viewer without a document; an existing one is read, whatever its state.
    void Form_Load();

    bool docLoaded() const { return m_docLoaded; }
    const RichTextRead& document() const { return m_read; }
    QString fileName() const { return m_fileName; }
    int helpTopic() const { return m_helpTopic; }
    QString sectionHeading() const;

    // The search buttons (and F7, F6) with the text box's plain text and caret. The
    // text searched for is the caption of `keres`.
    SearchResult le_Click(const QString& text, int caret);
    SearchResult fel_Click(const QString& text, int caret);

    // Ctrl+W (character 23) unlocks the document for editing, for this opening.
    void Form_KeyPress(int ascii);
    bool unlocked() const { return m_unlocked; }

    // `rendben` and Esc. An unlocked document that was edited is saved first; a failed
    // save is told and keeps the viewer open. True when the viewer may close.
    bool rendben_Click(bool edited, const std::function<RichDocument()>& contents);

    // Tests replace the rename step of saving with a failing one.
    void setRename(RenameFile rename) { m_rename = std::move(rename); }

    DocumentViewerControls controls;

private:
    SearchResult found(int position);

    const GameState& m_state;
    Platform& m_platform;
    GameFolders m_folders;
    int m_helpTopic;
    QString m_fileName;
    bool m_docLoaded = false;
    bool m_unlocked = false;
    RichTextRead m_read;
    RenameFile m_rename = RenameOver;
};

// Replaces `path` with `bytes` through the scratch file beside it: the document is
// whole at every instant, the old one until the new one is completely on disk.
bool SaveDocumentFile(const QString& path, const QByteArray& bytes, const RenameFile& rename);
