// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/DocumentViewer.h"
#include "play/GameModes.h"
#include "files/FileLimits.h"
#include "files/RegularFile.h"
#include "play/FileProblems.h"
#include "play/GameState.h"
#include "play/OwnTexts.h"
#include "presentation/RichTextReader.h"
#include "presentation/RichTextWriter.h"
#include "ui/Platform.h"
#include <algorithm>

namespace {

constexpr int kCtrlW = 23;

// A language-table entry followed by `suffix`, or the design caption while the table has none.
QString Caption(const GameState& s, int no, const char* design, const char* suffix = "") {
    const QString text = s.texts.messages.value(no);
    return text.isEmpty() ? QString::fromUtf8(design) : text + QString::fromUtf8(suffix);
}

void Inform(Platform& p, const QString& text) {
    MessageRequest request;
    request.text = text;
    request.icon = MsgIcon::Information;
    p.messageBox.show(request);
}

} // namespace

int MainWindowHelpTopic(const GameState& s) {
    if (s.gameRunning) return HelpTopic::Playing;
    if (capturingStoredStart(s)) return HelpTopic::StartCapture;
    return HelpTopic::Start;
}

QString SectionHeading(const GameState& s, int helpTopic) {
    if (helpTopic == HelpTopic::GameDescription) return {};
    if (demoRunning(s)) return s.texts.messages.value(kDemoSectionHeading);
    if (helpTopic < HelpTopic::Results || helpTopic > HelpTopic::LoadShuffledState) return {};
    return s.texts.messages.value(kFirstSectionHeading - 1 + helpTopic);
}

int FindForward(const QString& text, const QString& needle, int caret) {
    if (needle.isEmpty()) return -1;
    return static_cast<int>(text.indexOf(needle, caret + 1, Qt::CaseInsensitive));
}

// One search from the end instead of windows of 500 characters stepping back: the
// same nearest match, and one that straddles two windows is not missed.
int FindBackward(const QString& text, const QString& needle, int caret) {
    if (needle.isEmpty() || caret < 2) return -1;
    const qsizetype lastStart = std::min<qsizetype>(caret, text.size()) - needle.size();
    if (lastStart < 0) return -1;
    return static_cast<int>(text.lastIndexOf(needle, lastStart, Qt::CaseInsensitive));
}

DocumentViewer::DocumentViewer(const GameState& s, Platform& platform, const GameFolders& folders,
                               int helpTopic)
    : m_state(s), m_platform(platform), m_folders(folders), m_helpTopic(helpTopic) {}

void DocumentViewer::Form_Load() {
    const GameState& s = m_state;
    controls.title = s.panel.kezel.caption;
    controls.Frame1.caption = Caption(s, 51, "Keresés");
    controls.Label1.caption = Caption(s, 52, "Szöveg:");
    controls.fel.caption = Caption(s, 53, "Fel   (F6)", " (F6)");
    controls.le.caption = Caption(s, 54, "Le    (F7)", " (F7)");
    controls.eleje.caption = Caption(s, 55, "Eleje");
    controls.vege.caption = Caption(s, 56, "Vége");
    controls.pgup.caption = Caption(s, 57, "Lap fel");
    controls.pgdn.caption = Caption(s, 58, "Lap le");
    controls.rendben.caption = Caption(s, 33, "Rendben");

    const bool description = m_helpTopic == HelpTopic::GameDescription;
    m_fileName = description ? QString::fromLatin1(kGameDescriptionFile)
                             : s.texts.languageName + QString::fromLatin1(kDocumentSuffix);
    // Only a regular file of sane size is read: a pipe or a device in the document's
    // place would hold the window, an endless one fill the memory.
    const FileRead file = ReadRegularFile(m_folders.shippedFile(m_fileName), FileLimit::Document);
    m_docLoaded = file.access == FileAccess::Ok;
    if (file.access == FileAccess::Missing) {
        Inform(m_platform, description ? QStringLiteral("Nincs meg a 'Leir.doc' állomány!")
                                       : s.texts.messages.value(27) + QLatin1Char(' ') + m_fileName);
        return;
    }
    if (!m_docLoaded) {
        MessageRequest request;
        request.text = FileNotReadText(file.access, m_fileName, FileLimit::Document, s.texts);
        request.icon = MsgIcon::Critical;
        m_platform.messageBox.show(request);
        return;
    }
    m_read = ReadRichText(file.bytes);
}

QString DocumentViewer::sectionHeading() const { return SectionHeading(m_state, m_helpTopic); }

SearchResult DocumentViewer::found(int position) {
    controls.focusRequest = QStringLiteral("hszov");
    if (position >= 0)
        return {SearchResult::Select, position, static_cast<int>(controls.keres.caption.size())};
    Inform(m_platform, QStringLiteral("A keresett szöveg nem található!"));
    return {};
}

SearchResult DocumentViewer::le_Click(const QString& text, int caret) {
    if (controls.keres.caption.isEmpty()) {
        controls.focusRequest = QStringLiteral("keres");
        return {SearchResult::FocusSearchBox};
    }
    return found(FindForward(text, controls.keres.caption, caret));
}

SearchResult DocumentViewer::fel_Click(const QString& text, int caret) {
    if (controls.keres.caption.isEmpty()) {
        controls.focusRequest = QStringLiteral("keres");
        return {SearchResult::FocusSearchBox};
    }
    return found(FindBackward(text, controls.keres.caption, caret));
}

void DocumentViewer::Form_KeyPress(int ascii) {
    if (ascii != kCtrlW || !m_docLoaded) return;
    m_unlocked = true;
    controls.rendben.caption = QStringLiteral("Ment,kilép");
}

bool DocumentViewer::rendben_Click(bool edited, const std::function<RichDocument()>& contents) {
    // Only the player's own change is written: a document that could only partly be
    // read is never replaced by what was made of it.
    if (!m_unlocked || !edited) return true;
    // The player's own copy: it is read in place of the shipped document from now on.
    const QString path = m_folders.player.filePath(m_fileName);
    if (SaveDocumentFile(path, WriteRichText(contents()), m_rename)) return true;
    MessageRequest request;
    request.text = OwnTextIn(OwnText::DocumentNotSaved, m_state.texts).arg(m_fileName);
    request.icon = MsgIcon::Critical;
    m_platform.messageBox.show(request);
    return false;
}

bool SaveDocumentFile(const QString& path, const QByteArray& bytes, const RenameFile& rename) {
    return ReplaceThroughScratchFile(path, bytes, rename);
}
