// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/gui/StoredGameDialog.h"
#include "play/GameState.h"
#include "presentation/gui/BallPainter.h"
#include "presentation/gui/ColourSymbolItem.h"
#include "presentation/gui/TargetMapItem.h"
#include "ui/gui/FormCanvas.h"
#include "ui/gui/TextTableModel.h"
#include "ui/gui/HelpMenuItem.h"
#include <QAction>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

// The map frame `mker` with its outline `mvon`: the form's map, drawn by the one
// drawing of target maps in a scene of twips scaled to the widget. A press is handed
// on in twips.
class StoredGameMap final : public QGraphicsView {
public:
    explicit StoredGameMap(QWidget* parent) : QGraphicsView(parent) {
        setScene(new QGraphicsScene(QRectF(QPointF(0, 0), kStoredGameMapRect.size()), this));
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setRenderHint(QPainter::Antialiasing);
        scene()->addRect(sceneRect().adjusted(0, 0, -1, -1), QPen(QColor(0x40, 0x40, 0x40), 0),
                         QColor(0xC0, 0xC0, 0xC0));
        m_map = new TargetMapItem;
        scene()->addItem(m_map);
    }
    std::function<void(int, int)> onPress;

    void showMap(const TargetMap& map, const std::array<quint32, 9>& colours, bool symbols) {
        m_map->set(map, colours, symbols);
    }
    double scale() const { return width() / sceneRect().width(); }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QGraphicsView::resizeEvent(event);
        setTransform(QTransform::fromScale(scale(), height() / sceneRect().height()));
    }
    void mousePressEvent(QMouseEvent* event) override {
        const QPointF at = mapToScene(event->position().toPoint());
        if (onPress) onPress(static_cast<int>(at.x()), static_cast<int>(at.y()));
    }

private:
    TargetMapItem* m_map = nullptr;
};

// The palette frame `szkeret`: an option per colour, and for each colour as many
// squares `vg` as it may still be painted.
class PaletteFrame final : public QFrame {
public:
    PaletteFrame(const GameState& s, const StoredGameForm& form, const FormCanvas& canvas, QWidget* parent)
        : QFrame(parent), m_s(s), m_form(form), m_canvas(canvas) {
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Sunken);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QPainter painter(this);
        const double scale = m_canvas.pixelsPerTwip();
        painter.scale(scale, scale);
        for (int v = 1; v <= m_s.N(); ++v) {
            const QColor colour = colourFromValue(m_s.tileColours[static_cast<size_t>(v)]);
            for (int m = 1; m <= m_form.paletteSquaresLeft(v); ++m) {
                const QRect square = m_form.paletteSquareRect(v, m);
                painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 0));
                painter.setBrush(colour);
                painter.drawRect(square);
                if (symbols) PaintColourSymbol(painter, v, SymbolBox(square, 0.7), colour);
            }
        }
    }

public:
    bool symbols = false;

private:
    const GameState& m_s;
    const StoredGameForm& m_form;
    const FormCanvas& m_canvas;
};

namespace {

// The chooser's parts; the editor's places come from the form.
constexpr QRect kGridRect{2200, 380, 3080, 1850};
constexpr QRect kLabel1Rect{110, 20, 1900, 255};
constexpr QRect kNevRect{2050, 0, 1950, 285};
constexpr int kCaptionGap = 60;   // twips between a caption's words and its box
constexpr QRect kRendbenRect{2200, 2350, 1000, 375};
constexpr QRect kRendben2Rect{3250, 2350, 1000, 375};
constexpr QRect kMegseRect{4300, 2350, 980, 375};
constexpr int kSerialWidth = 500;
constexpr int kNameWidth = 1400;

} // namespace

StoredGameDialog::StoredGameDialog(const GameState& s, StoredGameForm& form, QWidget* parent)
    : QDialog(parent), m_s(s), m_form(form) {
    setObjectName(QStringLiteral("minta"));
    auto* menuBar = new QMenuBar(this);
    QAction* doknez = AddHelpMenuItem(menuBar);
    connect(doknez, &QAction::triggered, this, [this] {
        if (m_help) m_help(m_form.helpTopic());
    });

    m_canvas = new FormCanvas(kStoredGameFormWidth, kStoredGameFormHeight, this);
    m_binder = ControlBinder(m_canvas);
    m_binder.bind(form.controls().doknez, doknez);

    m_map = new StoredGameMap(m_canvas);
    m_map->setObjectName(QStringLiteral("mker"));
    m_canvas->place(m_map, kStoredGameMapRect);
    m_map->onPress = [this](int x, int y) { run([this, x, y] { m_form.mker_MouseDown(x, y); }); };
    buildGrid();
    buildEditor();
    buildButtons();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar);
    layout->addWidget(m_canvas);

    // The dialog opens at the scale of the window that opens it.
    const FormCanvas* owner = parentWidget() ? parentWidget()->findChild<FormCanvas*>() : nullptr;
    const double scale = owner ? owner->pixelsPerTwip() : 1.3 / 15;
    m_canvas->setMinimumSize(m_canvas->sizeForScale(1.0 / 15));
    resize(m_canvas->sizeForScale(scale) + QSize(0, menuBar->sizeHint().height()));
    connect(m_canvas, &FormCanvas::scaleChanged, this, [this] {
        m_palette->update();
        fitNameCaption();
    });
    sync();
}

void StoredGameDialog::buildGrid() {
    m_model = new TextTableModel(this);
    m_model->setColumns({m_s.texts.messages.value(41), QString(), m_s.texts.messages.value(42), QString(), QString()},
                        {kSerialWidth, 0, kNameWidth, 0, 0});
    QList<QStringList> rows;
    for (const StoredGame& game : m_form.games())
        rows.append({QString::number(game.serial), QString::number(game.size), game.name, game.targetMap,
                     game.shuffle});
    m_model->setRows(rows);

    m_grid = MakeChooserGrid(m_model, m_canvas);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_canvas->place(m_grid, kGridRect);
    m_binder.bind(m_form.controls().mflex, m_grid);
    m_grid->installEventFilter(this);
    if (m_form.currentRow() >= 0) m_grid->setCurrentIndex(m_model->index(m_form.currentRow(), 2));
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { run([this, current] { m_form.mflex_RowChanged(current.row()); }); });
    connect(m_grid, &QTableView::doubleClicked, this, [this] { run([this] { m_form.rendben_Click(); }); });
}

void StoredGameDialog::buildEditor() {
    const StoredGameControls& c = m_form.controls();
    auto* label1 = new QLabel(m_canvas);
    label1->setObjectName(QStringLiteral("Label1"));
    m_canvas->place(label1, kLabel1Rect);
    m_binder.bind(c.Label1, label1);
    auto* nev = new QLineEdit(m_canvas);
    nev->setObjectName(QStringLiteral("nev"));
    m_canvas->place(nev, kNevRect);
    m_binder.bind(c.nev, nev);
    connect(nev, &QLineEdit::textEdited, this, [this](const QString& text) { m_form.nev_Change(text); });

    m_palette = new PaletteFrame(m_s, m_form, *m_canvas, m_canvas);
    m_palette->setObjectName(QStringLiteral("szkeret"));
    m_canvas->place(m_palette, kPaletteRect);
    m_binder.bind(c.szkeret, m_palette);
    m_palette->installEventFilter(this);
    for (int v = 1; v < static_cast<int>(c.szinv.size()); ++v) {
        auto* option = new QRadioButton(m_palette);
        option->setObjectName(QStringLiteral("szinv%1").arg(v));
        m_canvas->place(option, m_form.colourOptionRect(v));
        m_binder.bind(c.szinv[v], option);
        connect(option, &QRadioButton::clicked, this, [this, v] { run([this, v] { m_form.szinv_Click(v); }); });
    }
}

void StoredGameDialog::buildButtons() {
    const StoredGameControls& c = m_form.controls();
    auto addButton = [this](const ControlState& state, const char* name, QRect twips) {
        auto* button = new QPushButton(m_canvas);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);   // Enter chooses only on the grid
        m_canvas->place(button, twips);
        m_binder.bind(state, button);
        return button;
    };
    connect(addButton(c.rendben, "rendben", kRendbenRect), &QPushButton::clicked, this,
            [this] { run([this] { m_form.rendben_Click(); }); });
    connect(addButton(c.rendben2, "rendben2", kRendben2Rect), &QPushButton::clicked, this,
            [this] { run([this] { m_form.rendben2_Click(); }); });
    connect(addButton(c.megse, "megse", kMegseRect), &QPushButton::clicked, this,
            [this] { run([this] { m_form.megse_Click(); }); });
}

QWidget* StoredGameDialog::map() const { return m_map->viewport(); }
QWidget* StoredGameDialog::palette() const { return m_palette; }

QPoint StoredGameDialog::mapPoint(int xTwips, int yTwips) const {
    return (QPointF(xTwips, yTwips) * m_map->scale()).toPoint();
}

QPoint StoredGameDialog::palettePoint(int xTwips, int yTwips) const {
    return (QPointF(xTwips, yTwips) * m_canvas->pixelsPerTwip()).toPoint();
}

int StoredGameDialog::twipsOf(int pixels) const {
    return static_cast<int>(std::lround(pixels / m_canvas->pixelsPerTwip()));
}

void StoredGameDialog::run(const std::function<void()>& handler) {
    handler();
    sync();
    if (m_form.closed()) accept();
}

// The caption before the name box takes the room its words need (the English one is
// longer than the Hungarian); the box, which holds ten letters at most, starts after it
// and keeps its right edge.
void StoredGameDialog::fitNameCaption() {
    auto* label = m_canvas->findChild<QLabel*>(QStringLiteral("Label1"));
    auto* nev = m_canvas->findChild<QLineEdit*>(QStringLiteral("nev"));
    if (!label || !nev) return;
    const int textTwips = static_cast<int>(label->fontMetrics().horizontalAdvance(label->text()) /
                                           m_canvas->pixelsPerTwip());
    const int labelWidth = std::max(kLabel1Rect.width(), textTwips + kCaptionGap);
    const int nevLeft = std::max(kNevRect.left(), kLabel1Rect.left() + labelWidth + kCaptionGap);
    m_canvas->moveTo(label, -1, -1, labelWidth);
    m_canvas->moveTo(nev, nevLeft, -1, kNevRect.right() + 1 - nevLeft);
}

void StoredGameDialog::sync() {
    setWindowTitle(m_form.controls().title);
    m_binder.sync();
    fitNameCaption();
    m_map->showMap(m_form.controls().map, m_s.tileColours, m_symbols);
    m_palette->symbols = m_symbols;
    m_palette->update();
    const QString focus = m_form.takeFocusRequest();
    if (!focus.isEmpty())
        if (auto* target = m_canvas->findChild<QWidget*>(focus)) target->setFocus();
}

bool StoredGameDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_palette && event->type() == QEvent::MouseButtonPress) {
        const int y = twipsOf(static_cast<QMouseEvent*>(event)->position().toPoint().y());
        run([this, y] { m_form.szkeret_MouseDown(y); });
        return true;
    }
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            run([this] { m_form.rendben_Click(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void StoredGameDialog::setColourSymbols(bool on) {
    m_symbols = on;
    sync();
}

void QtStoredGameDialogRunner::run(StoredGameForm& form) {
    StoredGameDialog dialog(m_s, form, m_parent);
    dialog.setHelpHook(m_help);
    dialog.setColourSymbols(m_colourSymbols && m_colourSymbols());
    dialog.exec();
}
