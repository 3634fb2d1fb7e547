// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/ColourSettings.h"
#include "play/GameState.h"
#include "presentation/BoardLayout.h"
#include "presentation/ColourValue.h"
#include "presentation/SettingsFile.h"
#include <algorithm>

namespace {

// Slot bands in Frame1: the option buttons stand 480 twips apart, the first at 360.
constexpr int kFirstSlotLimit = 370;
constexpr int kSlotBandStart = 240;
constexpr int kSlotBand = 480;

// Palette swatches in Frame2: four across, sixteen down.
constexpr int kSwatchesAcross = 4;
constexpr int kSwatchRows = kPaletteSize / kSwatchesAcross;
constexpr int kSwatchStepX = 340;
constexpr int kSwatchStepY = 190;
constexpr int kSwatchWidth = 360;
constexpr std::array<int, 4> kPaletteLevels{255, 170, 85, 0};

constexpr int kMaxPart = 255;
constexpr int kEnter = 13;

// Captions of the language table.
constexpr int kPalettaCaption = 31;
constexpr int kMegseCaption = 32;
constexpr int kRendbenCaption = 33;
constexpr int kSlotCaption = 34;
constexpr int kWallSlotCaption = 35;

// A language-table entry, or the dialog's design caption while the table has none.
QString caption(const GameState& s, int no, const char* design = "") {
    const QString text = s.texts.messages.value(no);
    return text.isEmpty() ? QString::fromUtf8(design) : text;
}

QString slotName(int slot) {
    return QStringLiteral("szr%1").arg(slot);
}
QString valueBoxName(int index) {
    return QStringLiteral("sz_ert%1").arg(index);
}

} // namespace

int SlotUnderClick(int yTwips) {
    if (yTwips < kFirstSlotLimit) return 0;
    return std::min(kWallSlot, (yTwips - kSlotBandStart) / kSlotBand);
}

int SwatchUnderClick(int xTwips, int yTwips) {
    if (xTwips < 0 || yTwips < 0) return -1;
    const int col = xTwips / kSwatchStepX;
    const int row = yTwips / kSwatchStepY;
    if (col >= kSwatchesAcross || row >= kSwatchRows) return -1;
    return kSwatchesAcross * row + col;
}

QRect SwatchRect(int n) {
    return {kSwatchStepX * (n % kSwatchesAcross), kSwatchStepY * (n / kSwatchesAcross),
            kSwatchWidth, kSwatchStepY};
}

quint32 PaletteColour(int n) {
    const auto level = [](int i) { return kPaletteLevels[i % 4]; };
    return Rgb(level(n / 16), level(n / 4), level(n));
}

int ValueBoxNumber(const QString& text) {
    const QString t = text.trimmed();
    const qsizetype first = t.startsWith(u'+') ? 1 : 0;
    if (first == t.size()) return 0;
    int value = 0;
    for (qsizetype i = first; i < t.size(); ++i) {
        const QChar ch = t[i];
        if (ch < u'0' || ch > u'9') return 0; // a sign, a point or a letter: no number
        value = std::min(kMaxPart + 1, value * 10 + (ch.unicode() - u'0'));
    }
    return std::min(value, kMaxPart);
}

bool StoreColours(const QDir& folder, const std::array<quint32, 8>& colours) {
    return WriteSettingsColours(folder, colours);
}

ColourSettings::ColourSettings(GameState& s, const QDir& folder) : m_s(s), m_folder(folder) {}

void ColourSettings::Form_Load() {
    m_c.title = m_s.panel.color.caption;
    m_c.doknez.caption = m_s.panel.help.caption;
    m_c.paletta.caption = caption(m_s, kPalettaCaption, "Színpaletta");
    m_c.megse.caption = caption(m_s, kMegseCaption, "Mégse");
    m_c.rendben.caption = caption(m_s, kRendbenCaption, "Rendben");
    // "Szín 1" .. "Szín 6": the number as printed, with its leading blank.
    for (int i = 1; i < kColourSlotCount; ++i)
        m_c.szr[i - 1].caption = caption(m_s, kSlotCaption) + u' ' + QString::number(i);
    m_c.szr[kWallSlot].caption = caption(m_s, kWallSlotCaption);
    m_c.Frame2.visible = false;
    for (int i = 1; i <= 3; ++i) {
        m_c.scroll[i] = 0;
        m_c.sz_ert[i].caption = QStringLiteral("0");
    }
    for (int i = 0; i < kColourSlotCount; ++i)
        m_c.szg[i] = m_s.tileColours[i + 1];
    szr_Click(0);
}

void ColourSettings::szr_Click(int index) {
    if (index < 0 || index >= kColourSlotCount) return;
    m_c.slot = index;
    for (int i = 0; i < kColourSlotCount; ++i)
        m_c.szr[i].checked = i == index;
    setSliders(m_c.szg[index]);
}

void ColourSettings::Frame1_MouseDown(int yTwips) {
    const int slot = SlotUnderClick(yTwips);
    szr_Click(slot);
    m_c.focusRequest = slotName(slot);
}

void ColourSettings::paletta_Click() {
    m_c.Frame2.visible = true;
}

void ColourSettings::Form_Click() {
    m_c.Frame2.visible = false;
}

void ColourSettings::Frame2_MouseDown(int xTwips, int yTwips) {
    const int n = SwatchUnderClick(xTwips, yTwips);
    if (n < 0) return;
    m_c.szg[m_c.slot] = PaletteColour(n);
    setSliders(m_c.szg[m_c.slot]);
}

// A slider moved by a handler reports a change only when its value is new.
void ColourSettings::setScroll(int index, int value) {
    if (m_c.scroll[index] == value) return;
    scroll_Change(index, value);
}

void ColourSettings::setSliders(quint32 colour) {
    const ColourParts parts = SplitColour(colour);
    setScroll(1, parts.red);
    setScroll(2, parts.green);
    setScroll(3, parts.blue);
}

void ColourSettings::scroll_Change(int index, int value) {
    if (index < 1 || index > 3) return;
    value = std::clamp(value, 0, kMaxPart);
    m_c.scroll[index] = value;
    m_c.sz_ert[index].caption = QString::number(value);
    // The sample follows the sliders, which the boxes mirror; a box's text that was
    // typed but not yet entered does not count.
    m_c.szg[m_c.slot] = Rgb(m_c.scroll[1], m_c.scroll[2], m_c.scroll[3]);
}

void ColourSettings::sz_ert_KeyPress(int index, int keyAscii) {
    if (keyAscii != kEnter || index < 1 || index > 3) return;
    ControlState& box = m_c.sz_ert[index];
    const int value = ValueBoxNumber(box.caption);
    box.caption = QString::number(value);
    setScroll(index, value);
    m_c.focusRequest = valueBoxName(index % 3 + 1);
}

bool ColourSettings::rendben_Click() {
    for (int i = 0; i < kColourSlotCount; ++i)
        m_s.tileColours[i + 1] = m_c.szg[i];
    std::array<quint32, 8> colours{};
    std::copy_n(m_s.tileColours.begin(), colours.size(), colours.begin());
    const bool stored = StoreColours(m_folder, colours);
    // Walls, markers and tiles are drawn through the colour table. Every tile gets
    // its colour index again as the board builder gives it (one for all tiles of the
    // number type); the target map keeps colour values of its own and is refilled.
    RefillTiles(m_s);
    if (m_s.panel.mker.visible) RecolourTargetMap(m_s);
    return stored;
}
