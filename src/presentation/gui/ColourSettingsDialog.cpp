// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/gui/ColourSettingsDialog.h"
#include "play/GameState.h"
#include "play/OwnTexts.h"
#include "presentation/SettingsFile.h"
#include "presentation/gui/BallPainter.h"
#include "ui/Platform.h"
#include "ui/gui/FormCanvas.h"
#include "ui/gui/HelpMenuItem.h"
#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>

// A filled circle or rectangle with a thin outline. It takes no clicks: a click on it
// belongs to the frame beneath.
class ColourShape final : public QWidget {
public:
    enum Kind { Circle, Rectangle };
    ColourShape(Kind kind, QWidget* parent) : QWidget(parent), m_kind(kind) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void setFill(const QColor& colour) {
        if (colour == m_fill) return;
        m_fill = colour;
        update();
    }
    QColor fill() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(64, 64, 64), 1));
        painter.setBrush(m_fill);
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        if (m_kind == Circle)
            painter.drawEllipse(r);
        else
            painter.drawRect(r);
    }

private:
    Kind m_kind;
    QColor m_fill;
};

namespace {

// The form, in twips.
constexpr int kFormWidth = 6480;
constexpr int kFormHeight = 4320;
constexpr QRect kFrame1{240, 120, 2295, 3735};
constexpr QRect kFrame2{4800, 120, 1360, 3040};
constexpr int kSlotLeft = 240, kSlotTop = 360, kSlotStep = 480, kSlotWidth = 1095,
              kSlotHeight = 255;
constexpr int kSampleLeft = 1560, kSampleTop = 310, kSampleSize = 375;
constexpr QRect kWallSample{1580, 3210, 360, 360};
constexpr int kColumnStep = 600; // the three slider columns
constexpr int kHeadLeft = 2970, kHeadTop = 120, kHeadWidth = 375, kHeadHeight = 255;
constexpr int kScrollLeft = 3000, kScrollTop = 600, kScrollWidth = 300, kScrollHeight = 2775;
constexpr int kBoxLeft = 2970, kBoxTop = 3600, kBoxWidth = 375, kBoxHeight = 285;
constexpr int kButtonLeft = 5040, kButtonWidth = 1215, kButtonHeight = 375;
constexpr int kPalettaTop = 1800, kMegseTop = 3240, kRendbenTop = 3720;
constexpr int kLargeStep = 10;
// Heads of the red, green and blue sliders.
constexpr std::array<quint32, 3> kHeadColours{0x000000FF, 0x0000C000, 0x00FF0000};

QString indexedName(const char* name, int index) {
    return QString::fromLatin1(name) + QString::number(index);
}

} // namespace

ColourSettingsDialog::ColourSettingsDialog(GameState& s, Platform& platform, const QDir& folder,
                                           QWidget* parent)
    : QDialog(parent), m_platform(platform), m_texts(s.texts), m_logic(s, folder) {
    setObjectName(QStringLiteral("sz_beall"));
    m_logic.Form_Load();
    buildForm();
    sync();
}

void ColourSettingsDialog::buildForm() {
    auto* menuBar = new QMenuBar(this);
    QAction* doknez = AddHelpMenuItem(menuBar);
    connect(doknez, &QAction::triggered, this, &ColourSettingsDialog::doknez_Click);

    m_canvas = new FormCanvas(kFormWidth, kFormHeight, this);
    m_binder = ControlBinder(m_canvas);
    m_canvas->installEventFilter(this);
    m_binder.bind(m_logic.controls().doknez, doknez);
    buildSlots();
    buildSliders();
    buildButtons();
    buildPalette();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar);
    layout->addWidget(m_canvas);

    // The dialog opens at the scale of the window that opens it.
    const FormCanvas* owner = parentWidget() ? parentWidget()->findChild<FormCanvas*>() : nullptr;
    const double scale = owner ? owner->pixelsPerTwip() : 1.0 / 15;
    m_canvas->setMinimumSize(m_canvas->sizeForScale(1.0 / 15));
    resize(m_canvas->sizeForScale(scale) + QSize(0, menuBar->sizeHint().height()));
}

// Frame1: the slot buttons with their samples.
void ColourSettingsDialog::buildSlots() {
    const ColourDialogControls& c = m_logic.controls();
    m_frame1 = new QGroupBox(m_canvas);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_canvas->place(m_frame1, kFrame1);
    m_frame1->installEventFilter(this);
    m_binder.bind(c.Frame1, m_frame1);
    for (int i = 0; i < kColourSlotCount; ++i) {
        auto* option = new QRadioButton(m_frame1);
        option->setObjectName(indexedName("szr", i));
        m_canvas->place(option, {kSlotLeft, kSlotTop + kSlotStep * i, kSlotWidth, kSlotHeight});
        m_binder.bind(c.szr[i], option);
        connect(option, &QRadioButton::clicked, this,
                [this, i] { run([this, i] { m_logic.szr_Click(i); }); });

        const bool wall = i == kWallSlot;
        auto* sample =
            new ColourShape(wall ? ColourShape::Rectangle : ColourShape::Circle, m_frame1);
        sample->setObjectName(indexedName("szg", i));
        m_canvas->place(sample, wall ? kWallSample
                                     : QRect(kSampleLeft, kSampleTop + kSlotStep * i, kSampleSize,
                                             kSampleSize));
        m_samples[i] = sample;
    }
}

// Red, green and blue: a coloured head, a slider and a value box each.
void ColourSettingsDialog::buildSliders() {
    const ColourDialogControls& c = m_logic.controls();
    for (int i = 1; i <= 3; ++i) {
        const int dx = kColumnStep * (i - 1);
        auto* head = new QLabel(m_canvas);
        head->setObjectName(indexedName("sz", i - 1));
        head->setAutoFillBackground(true);
        QPalette palette = head->palette();
        palette.setColor(QPalette::Window, colourFromValue(kHeadColours[i - 1]));
        head->setPalette(palette);
        m_canvas->place(head, {kHeadLeft + dx, kHeadTop, kHeadWidth, kHeadHeight});

        auto* scroll = new QScrollBar(Qt::Vertical, m_canvas);
        scroll->setObjectName(indexedName("scroll", i));
        scroll->setRange(0, 255);
        scroll->setPageStep(kLargeStep);
        m_canvas->place(scroll, {kScrollLeft + dx, kScrollTop, kScrollWidth, kScrollHeight});
        connect(scroll, &QScrollBar::valueChanged, this, [this, i](int value) {
            run([this, i, value] { m_logic.scroll_Change(i, value); });
        });
        m_scrolls[i] = scroll;

        auto* box = new QLineEdit(m_canvas);
        box->setObjectName(indexedName("sz_ert", i));
        m_canvas->place(box, {kBoxLeft + dx, kBoxTop, kBoxWidth, kBoxHeight});
        m_binder.bind(c.sz_ert[i], box);
        connect(box, &QLineEdit::textEdited, this,
                [this, i](const QString& text) { m_logic.controls().sz_ert[i].caption = text; });
        box->installEventFilter(this);
        m_valueBoxes[i] = box;
    }
}

void ColourSettingsDialog::buildButtons() {
    const ColourDialogControls& c = m_logic.controls();
    auto addButton = [this](const ControlState& state, const char* name, int top) {
        auto* button = new QPushButton(m_canvas);
        button->setObjectName(QString::fromLatin1(name));
        m_canvas->place(button, {kButtonLeft, top, kButtonWidth, kButtonHeight});
        m_binder.bind(state, button);
        return button;
    };
    connect(addButton(c.paletta, "paletta", kPalettaTop), &QPushButton::clicked, this,
            [this] { run([this] { m_logic.paletta_Click(); }); });
    connect(addButton(c.megse, "megse", kMegseTop), &QPushButton::clicked, this, &QDialog::reject);
    connect(addButton(c.rendben, "rendben", kRendbenTop), &QPushButton::clicked, this,
            &ColourSettingsDialog::rendben_Click);
}

// Frame2: the palette. It lies over the palette button while it is open.
void ColourSettingsDialog::buildPalette() {
    auto* palette = new QFrame(m_canvas);
    palette->setObjectName(QStringLiteral("Frame2"));
    palette->setFrameShape(QFrame::Panel);
    palette->setAutoFillBackground(true);
    m_canvas->place(palette, kFrame2);
    palette->installEventFilter(this);
    m_binder.bind(m_logic.controls().Frame2, palette);
    m_frame2 = palette;
    for (int n = 0; n < kPaletteSize; ++n) {
        auto* swatch = new ColourShape(ColourShape::Rectangle, palette);
        swatch->setObjectName(indexedName("szp", n));
        swatch->setFill(colourFromValue(PaletteColour(n)));
        m_canvas->place(swatch, SwatchRect(n));
    }
}

void ColourSettingsDialog::run(const std::function<void()>& handler) {
    handler();
    sync();
}

void ColourSettingsDialog::sync() {
    ColourDialogControls& c = m_logic.controls();
    setWindowTitle(c.title);
    m_binder.sync();
    for (int i = 0; i < kColourSlotCount; ++i)
        m_samples[i]->setFill(colourFromValue(c.szg[i]));
    for (int i = 1; i <= 3; ++i) {
        // Showing a value is not a move of the slider.
        QScrollBar* scroll = m_scrolls[i];
        const QSignalBlocker quiet(scroll);
        scroll->setValue(c.scroll[i]);
    }
    if (!c.focusRequest.isEmpty()) {
        if (auto* target = m_canvas->findChild<QWidget*>(c.focusRequest)) target->setFocus();
        c.focusRequest.clear();
    }
}

int ColourSettingsDialog::twipsOf(int pixels) const {
    return static_cast<int>(std::lround(pixels / m_canvas->pixelsPerTwip()));
}

bool ColourSettingsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        // A press the frames take goes no further: the form beneath would close the palette.
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (watched == m_frame1) {
            run([this, at] { m_logic.Frame1_MouseDown(twipsOf(at.y())); });
            return true;
        }
        if (watched == m_frame2) {
            run([this, at] { m_logic.Frame2_MouseDown(twipsOf(at.x()), twipsOf(at.y())); });
            return true;
        }
        // The form's own click: on no control at all.
        if (watched == m_canvas && !m_canvas->childAt(at)) run([this] { m_logic.Form_Click(); });
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        for (int i = 1; i <= 3 && enter; ++i) {
            if (watched != m_valueBoxes[i]) continue;
            // Enter belongs to the box: it takes the value and never presses a button.
            run([this, i] { m_logic.sz_ert_KeyPress(i, 13); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ColourSettingsDialog::rendben_Click() {
    if (!m_logic.rendben_Click()) {
        MessageRequest request;
        request.text = OwnTextIn(OwnText::ColoursNotSaved, m_texts)
                           .arg(QLatin1String(kSettingsFileName));
        request.icon = MsgIcon::Critical;
        m_platform.messageBox.show(request);
    }
    accept();
}

void ColourSettingsDialog::doknez_Click() {
    if (m_help) m_help(kHelpTopicColours);
}
