// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The documentation viewer `doksi`: the document in a read-only text box, a search
// frame (F7 forwards, F6 backwards, Enter in the box forwards too), paging buttons
// and `rendben`, laid out in twips. It opens at the section its help topic names.
// Esc acts as `rendben`; Ctrl+W unlocks the document, and closing with `rendben`
// or Esc then saves an edited document. The window's close box closes unsaved.
//     ShowDocumentViewer(state, platform, folders, helpTopic, this);
#include "presentation/DocumentViewer.h"
#include "ui/gui/ControlBinder.h"
#include <QDialog>

class FormCanvas;
class QLineEdit;
class QPushButton;
class QTextEdit;

class DocumentViewerDialog : public QDialog {
    Q_OBJECT
public:
    DocumentViewerDialog(const GameState& s, Platform& platform, const GameFolders& folders, int helpTopic,
                         QWidget* parent = nullptr);

    // False when the document is missing (its message was shown): nothing to show.
    bool docLoaded() const { return m_viewer.docLoaded(); }
    DocumentViewer& viewer() { return m_viewer; }
    QTextEdit* textBox() const { return m_hszov; }
    QLineEdit* searchBox() const { return m_keres; }
    QPushButton* button(const char* name) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* addButton(QWidget* frame, const char* name, ControlState& state, QRect twips);
    void sync();
    void GoToSection();
    void scrollCaretLineToTop();
    int caret() const;
    void applySearch(const SearchResult& result);
    void eleje_Click();
    void vege_Click();
    void sendPageKey(int key);
    void rendben_Click();
    void unlock();

    DocumentViewer m_viewer;
    FormCanvas* m_canvas = nullptr;
    ControlBinder m_binder;
    QTextEdit* m_hszov = nullptr;
    QLineEdit* m_keres = nullptr;
    bool m_firstShow = true;
};

// Opens the viewer modally over `parent`; a missing document is only told.
void ShowDocumentViewer(const GameState& s, Platform& platform, const GameFolders& folders, int helpTopic,
                        QWidget* parent);
