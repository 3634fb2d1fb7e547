// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/gui/DocumentViewerDialog.h"
#include "presentation/gui/RichTextDocument.h"
#include "ui/gui/FormCanvas.h"
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The form, in twips, as the viewer is designed.
constexpr int kFormWidth = 8415;
constexpr int kFormHeight = 6195;
constexpr int kCtrlW = 23;

} // namespace

DocumentViewerDialog::DocumentViewerDialog(const GameState& s, Platform& platform,
                                           const GameFolders& folders, int helpTopic, QWidget* parent)
    : QDialog(parent), m_viewer(s, platform, folders, helpTopic) {
    setObjectName(QStringLiteral("doksi"));
    m_viewer.Form_Load();
    DocumentViewerControls& c = m_viewer.controls;

    m_canvas = new FormCanvas(kFormWidth, kFormHeight, this);
    m_binder = ControlBinder(m_canvas);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_canvas);

    m_hszov = new QTextEdit(m_canvas);
    m_hszov->setObjectName(QStringLiteral("hszov"));
    m_hszov->setReadOnly(true);
    m_hszov->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_canvas->place(m_hszov, {120, 120, 8175, 4935});

    auto* frame1 = new QGroupBox(m_canvas);
    frame1->setObjectName(QStringLiteral("Frame1"));
    m_canvas->place(frame1, {120, 5160, 4215, 915});
    m_binder.bind(c.Frame1, frame1);
    auto* label1 = new QLabel(frame1);
    label1->setObjectName(QStringLiteral("Label1"));
    m_canvas->place(label1, {120, 340, 900, 285});
    m_binder.bind(c.Label1, label1);
    m_keres = new QLineEdit(frame1);
    m_keres->setObjectName(QStringLiteral("keres"));
    m_canvas->place(m_keres, {1080, 340, 1935, 285});
    connect(m_keres, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_viewer.controls.keres.caption = t;
    });
    addButton(frame1, "fel", c.fel, {3240, 220, 855, 300});
    addButton(frame1, "le", c.le, {3240, 540, 855, 300});

    auto* frame2 = new QGroupBox(m_canvas);
    frame2->setObjectName(QStringLiteral("Frame2"));
    m_canvas->place(frame2, {4680, 5160, 1965, 915});
    m_binder.bind(c.Frame2, frame2);
    addButton(frame2, "eleje", c.eleje, {120, 220, 855, 300});
    addButton(frame2, "vege", c.vege, {120, 540, 855, 300});
    addButton(frame2, "pgup", c.pgup, {1080, 220, 855, 300});
    addButton(frame2, "pgdn", c.pgdn, {1080, 540, 855, 300});
    addButton(m_canvas, "rendben", c.rendben, {7320, 5640, 975, 375});

    connect(button("fel"), &QPushButton::clicked, this,
            [this] { applySearch(m_viewer.fel_Click(m_hszov->toPlainText(), caret())); });
    connect(button("le"), &QPushButton::clicked, this,
            [this] { applySearch(m_viewer.le_Click(m_hszov->toPlainText(), caret())); });
    connect(button("eleje"), &QPushButton::clicked, this, &DocumentViewerDialog::eleje_Click);
    connect(button("vege"), &QPushButton::clicked, this, &DocumentViewerDialog::vege_Click);
    connect(button("pgup"), &QPushButton::clicked, this, [this] { sendPageKey(Qt::Key_PageUp); });
    connect(button("pgdn"), &QPushButton::clicked, this, [this] { sendPageKey(Qt::Key_PageDown); });
    connect(button("rendben"), &QPushButton::clicked, this, &DocumentViewerDialog::rendben_Click);

    // The dialog sees every key first, whichever of its controls has the focus.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);

    setWindowTitle(c.title);
    sync();
    if (m_viewer.docLoaded()) {
        FillTextDocument(*m_hszov->document(), m_viewer.document().document);
        GoToSection();
    }

    double scale = 1.6 / 15;
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QSize avail = screen->availableSize() * 0.9;
        scale = std::min({scale, double(avail.width()) / kFormWidth, double(avail.height()) / kFormHeight});
    }
    m_canvas->setMinimumSize(m_canvas->sizeForScale(1.0 / 15));
    resize(m_canvas->sizeForScale(scale));
}

QPushButton* DocumentViewerDialog::addButton(QWidget* frame, const char* name, ControlState& state,
                                             QRect twips) {
    auto* b = new QPushButton(frame);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    m_canvas->place(b, twips);
    m_binder.bind(state, b);
    return b;
}

QPushButton* DocumentViewerDialog::button(const char* name) const {
    return findChild<QPushButton*>(QString::fromLatin1(name));
}

void DocumentViewerDialog::sync() {
    m_binder.sync();
    QString& request = m_viewer.controls.focusRequest;
    if (request.isEmpty()) return;
    if (auto* target = findChild<QWidget*>(request)) target->setFocus();
    request.clear();
}

int DocumentViewerDialog::caret() const { return m_hszov->textCursor().selectionStart(); }

// The section's heading goes to the caret, at the start of its line.
void DocumentViewerDialog::GoToSection() {
    QTextCursor cursor(m_hszov->document());
    const QString heading = m_viewer.sectionHeading();
    if (!heading.isEmpty()) {
        const QTextCursor match = m_hszov->document()->find(heading, 0);
        if (!match.isNull()) cursor.setPosition(match.selectionStart());
        cursor.movePosition(QTextCursor::StartOfLine);
    }
    m_hszov->setTextCursor(cursor);
}

// The heading stands on the first line of the box, with its section below it.
void DocumentViewerDialog::scrollCaretLineToTop() {
    const QTextBlock block = m_hszov->textCursor().block();
    const QRectF rect = m_hszov->document()->documentLayout()->blockBoundingRect(block);
    m_hszov->verticalScrollBar()->setValue(static_cast<int>(rect.top()));
}

void DocumentViewerDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_firstShow) return;
    m_firstShow = false;
    if (!m_viewer.docLoaded()) {   // the message has been shown: nothing to look at
        QTimer::singleShot(0, this, &QDialog::reject);
        return;
    }
    m_hszov->setFocus();
    QTimer::singleShot(0, this, &DocumentViewerDialog::scrollCaretLineToTop);
}

void DocumentViewerDialog::applySearch(const SearchResult& result) {
    if (result.kind == SearchResult::Select) {
        QTextCursor cursor(m_hszov->document());
        cursor.setPosition(result.position);
        cursor.setPosition(result.position + result.length, QTextCursor::KeepAnchor);
        m_hszov->setTextCursor(cursor);
        m_hszov->ensureCursorVisible();
    }
    sync();
}

void DocumentViewerDialog::eleje_Click() {
    m_hszov->moveCursor(QTextCursor::Start);
    m_hszov->setFocus();
}

void DocumentViewerDialog::vege_Click() {
    m_hszov->moveCursor(QTextCursor::End);
    m_hszov->setFocus();
}

void DocumentViewerDialog::sendPageKey(int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(m_hszov, &press);
    m_hszov->setFocus();
}

void DocumentViewerDialog::rendben_Click() {
    const bool edited = m_hszov->document()->isModified();
    const bool mayClose = m_viewer.rendben_Click(edited, [this] { return RichDocumentOf(*m_hszov->document()); });
    if (mayClose) accept();
}

void DocumentViewerDialog::unlock() {
    m_viewer.Form_KeyPress(kCtrlW);
    if (!m_viewer.unlocked()) return;
    m_hszov->setReadOnly(false);
    sync();
}

bool DocumentViewerDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Escape: rendben_Click(); return true;
    case Qt::Key_F6: button("fel")->click(); return true;
    case Qt::Key_F7: button("le")->click(); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (watched != m_keres) break;
        button("le")->click();
        return true;
    case Qt::Key_W:
        if (!(key->modifiers() & Qt::ControlModifier)) break;
        unlock();
        return true;
    default: break;
    }
    return QDialog::eventFilter(watched, event);
}

void ShowDocumentViewer(const GameState& s, Platform& platform, const GameFolders& folders, int helpTopic,
                        QWidget* parent) {
    DocumentViewerDialog dialog(s, platform, folders, helpTopic, parent);
    if (!dialog.docLoaded()) return;
    dialog.exec();
    // The keys go back to the window that asked for help, also where no window manager
    // hands the focus on.
    if (parent) parent->activateWindow();
}
