// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/gui/ColourSettingsDialog.h"
#include "FakePlatform.h"
#include "StoredGamesFixture.h"
#include "app/gui/MainWindow.h"
#include "presentation/ColourValue.h"
#include "presentation/SettingsFile.h"
#include "presentation/gui/BoardScene.h"
#include "ui/gui/FormCanvas.h"
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QByteArray readParam(const QDir& dir) {
    QFile f(dir.filePath("param.dat"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The pixel of `widget` that shows twips point (x, y) of the dialog's form.
QPoint pixelOf(const ColourSettingsDialog& dialog, QWidget* widget, QPoint twips) {
    const FormCanvas* canvas = dialog.canvas();
    const QRect frame = canvas->twipsOf(widget);
    const double scale = canvas->pixelsPerTwip();
    return QPoint(int((twips.x() - frame.left()) * scale), int((twips.y() - frame.top()) * scale));
}

template <typename T> T* child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Runs `act` on the modal dialog as soon as it is open; the dialog is closed
// afterwards in any case, so a failed check cannot leave the test waiting.
void whenDialogOpens(std::function<void(ColourSettingsDialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<ColourSettingsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
}

struct FlatWindow {
    FlatWindow() : window(fp.platform, QDir(dir.path())) {
        SettingsRecord flat;
        flat.look3D = 0;
        EXPECT_TRUE(WriteSettingsFile(QDir(dir.path()), flat));
        window.Form_Load();
        window.show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&window);
    }
    // The colour the board view shows at frame point (x, y) in twips.
    QColor boardPixel(double x, double y) {
        auto* view = window.findChild<QGraphicsView*>(QStringLiteral("keret"));
        const QImage image = view->viewport()->grab().toImage();
        return image.pixelColor(view->mapFromScene(QPointF(x, y)));
    }
    QTemporaryDir dir;
    FakePlatform fp;
    MainWindow window;
};

} // namespace

// The whole road through the real window: menu item, a slot by a click in its band,
// a swatch of the palette, the wall slot by its button, another swatch, OK.
TEST(ColourSettingsDialog, PickedColoursReachTheBoardAndTheFile) {
    FlatWindow f;
    QAction* color = child<QAction>(f.window, "color");
    ASSERT_TRUE(color && color->isEnabled());
    const GameState& s = f.window.state();
    const QByteArray before = readParam(f.dir.path());
    const int size = s.cellSize;
    const QColor wallBefore = f.boardPixel(size / 2.0, size / 2.0);
    EXPECT_EQ(wallBefore, QColor(0x94, 0x94, 0x94));

    whenDialogOpens([](ColourSettingsDialog& d) {
        QWidget* frame1 = child<QWidget>(d, "Frame1");
        QWidget* frame2 = child<QWidget>(d, "Frame2");
        EXPECT_FALSE(frame2->isVisible());
        // Between the buttons of slots 0 and 1, still in slot 0's band.
        QTest::mouseClick(frame1, Qt::LeftButton, {}, pixelOf(d, frame1, {240 + 2000, 120 + 700}));
        EXPECT_TRUE(child<QRadioButton>(d, "szr0")->isChecked());
        QTest::mouseClick(child<QPushButton>(d, "paletta"), Qt::LeftButton);
        ASSERT_TRUE(frame2->isVisible());
        const QRect last = SwatchRect(63); // black
        QTest::mouseClick(frame2, Qt::LeftButton, {},
                          pixelOf(d, frame2, QPoint(4800, 120) + last.center() - QPoint(60, 0)));
        EXPECT_EQ(d.controls().szg[0], 0u);
        EXPECT_EQ(child<QLineEdit>(d, "sz_ert1")->text(), QStringLiteral("0"));
        EXPECT_TRUE(frame2->isVisible()); // open for the next pick

        QRadioButton* wall = child<QRadioButton>(d, "szr6");
        QTest::mouseClick(wall, Qt::LeftButton, {}, QPoint(4, wall->height() / 2));
        ASSERT_TRUE(frame2->isVisible());
        QTest::mouseClick(frame2, Qt::LeftButton, {}, pixelOf(d, frame2, {4800 + 50, 120 + 50}));
        EXPECT_EQ(child<QScrollBar>(d, "scroll2")->value(), 255);
        // A click on the form beside every control closes the palette.
        QTest::mouseClick(d.canvas(), Qt::LeftButton, {}, pixelOf(d, d.canvas(), {4200, 4150}));
        EXPECT_FALSE(frame2->isVisible());
        QTest::mouseClick(child<QPushButton>(d, "rendben"), Qt::LeftButton);
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    color->trigger();

    EXPECT_EQ(s.tileColours[1], Rgb(0, 0, 0));
    EXPECT_EQ(s.tileColours[7], Rgb(255, 255, 255));
    const QByteArray after = readParam(f.dir.path());
    ASSERT_EQ(after.size(), kSettingsRecordSize);
    EXPECT_EQ(after.mid(8, 4).toHex(), QByteArray("00000000"));
    EXPECT_EQ(after.mid(32, 4).toHex(), QByteArray("ffffff00"));
    EXPECT_EQ(after.left(8), before.left(8));
    EXPECT_EQ(after.mid(36), before.mid(36));

    // The board shows both at once: a wall of the ring and a tile of colour 1.
    EXPECT_EQ(f.boardPixel(size / 2.0, size / 2.0), QColor(Qt::white));
    for (int k = 1; k <= s.controls.tileCount(); ++k) {
        const TileControl& t = s.controls.tiles[k];
        if (t.colourIndex != 1) continue;
        EXPECT_EQ(f.boardPixel(t.left + t.width / 2.0, t.top + t.height / 2.0), QColor(Qt::black));
        break;
    }
}

// A stored game's map shows its ring openings in the wall colour once the board has
// opened them; a new wall colour reaches them as it reaches every other ring cell.
TEST(ColourSettingsDialog, AStoredGamesMapTakesTheNewWallColourOnItsOpeningsToo) {
    FlatWindow f;
    QFile minta(f.dir.filePath("minta.dat"));
    ASSERT_TRUE(minta.open(QIODevice::WriteOnly));
    minta.write(GameRecordBytes(1, 5, QStringLiteral("Kert"), CyclicStart(5)));
    minta.close();
    QTest::mouseClick(child<QRadioButton>(f.window, "tarolt"), Qt::LeftButton);
    auto* sorsz = child<QLineEdit>(f.window, "sorsz");
    sorsz->setFocus();
    QTest::keyClicks(sorsz, "1");
    QTest::keyClick(sorsz, Qt::Key_Return);
    QTest::qWait(100);
    const GameState& s = f.window.state();
    ASSERT_TRUE(s.gameRunning);
    ASSERT_EQ(s.targetMapText.mid(1, 2), QStringLiteral("00"));   // openings above columns 1 and 2

    whenDialogOpens([](ColourSettingsDialog& d) {
        QRadioButton* wall = child<QRadioButton>(d, "szr6");
        QTest::mouseClick(wall, Qt::LeftButton, {}, QPoint(4, wall->height() / 2));
        QTest::mouseClick(child<QPushButton>(d, "paletta"), Qt::LeftButton);
        QWidget* frame2 = child<QWidget>(d, "Frame2");
        QTest::mouseClick(frame2, Qt::LeftButton, {}, pixelOf(d, frame2, {4800 + 50, 120 + 50}));
        QTest::mouseClick(child<QPushButton>(d, "rendben"), Qt::LeftButton);
    });
    child<QAction>(f.window, "color")->trigger();
    ASSERT_EQ(s.tileColours[7], Rgb(255, 255, 255));

    const TargetMap& map = s.targetMap;
    for (int i = 0; i < map.span; ++i) {
        for (int j = 0; j < map.span; ++j) {
            const bool ring = i == 0 || j == 0 || i == map.span - 1 || j == map.span - 1;
            const int digit = s.targetMapText.at(i * map.span + j).digitValue();
            EXPECT_EQ(map.shapeAt(i, j)->fillColour, s.tileColours[ring ? 7 : digit]) << i << "," << j;
        }
    }
}

TEST(ColourSettingsDialog, EscapeAndCancelStoreNothing) {
    FlatWindow f;
    const QByteArray before = readParam(f.dir.path());
    const auto colours = f.window.state().tileColours;
    for (const bool escape : {true, false}) {
        whenDialogOpens([escape](ColourSettingsDialog& d) {
            child<QScrollBar>(d, "scroll1")->triggerAction(QAbstractSlider::SliderPageStepSub);
            EXPECT_NE(d.controls().szg[0], Rgb(255, 95, 95)); // the sample moved
            if (escape)
                QTest::keyClick(child<QScrollBar>(d, "scroll1"), Qt::Key_Escape);
            else
                QTest::mouseClick(child<QPushButton>(d, "megse"), Qt::LeftButton);
            EXPECT_FALSE(d.isVisible());
            EXPECT_EQ(d.result(), QDialog::Rejected);
        });
        child<QAction>(f.window, "color")->trigger();
    }
    EXPECT_EQ(f.window.state().tileColours, colours);
    EXPECT_EQ(readParam(f.dir.path()), before);
}

TEST(ColourSettingsDialog, EnterTakesTheBoxValueAndF1AsksForHelp) {
    QTemporaryDir dir;
    GameState s;
    FakePlatform fp;
    ColourSettingsDialog d(s, fp.platform, QDir(dir.path()));
    std::vector<int> helpAsked;
    d.setHelpHook([&](int topic) { helpAsked.push_back(topic); });
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));

    auto* green = child<QLineEdit>(d, "sz_ert2");
    green->setFocus();
    green->selectAll();
    QTest::keyClicks(green, "x7");
    QTest::keyClick(green, Qt::Key_Return);
    EXPECT_TRUE(d.isVisible()); // Enter belongs to the box, not to a button
    EXPECT_EQ(green->text(), QStringLiteral("0"));
    EXPECT_EQ(child<QScrollBar>(d, "scroll2")->value(), 0);
    EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(d, "sz_ert3"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(helpAsked, std::vector<int>{kHelpTopicColours});
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(QFile::exists(QDir(dir.path()).filePath("param.dat")));
}

TEST(ColourSettingsDialog, TheFormScalesAsOnePicture) {
    GameState s;
    FakePlatform fp;
    ColourSettingsDialog d(s, fp.platform, QDir());
    d.show();
    auto* ok = child<QPushButton>(d, "rendben");
    auto* scroll = child<QScrollBar>(d, "scroll3");
    d.resize(500, 400);
    QApplication::processEvents();
    const int okWidth = ok->width();
    const int scrollHeight = scroll->height();
    d.resize(1000, 800);
    QApplication::processEvents();
    EXPECT_NEAR(ok->width(), 2 * okWidth, 2);
    EXPECT_NEAR(scroll->height(), 2 * scrollHeight, 4);
}
