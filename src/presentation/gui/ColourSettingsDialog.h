// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The dialog `sz_beall` over the colour logic: seven slots with their samples, three
// sliders with their value boxes, the palette of 64 swatches. Laid out in twips on a
// form canvas, so it scales with its size like the main window. OK stores the colours
// and gives them to the board (the caller repaints it); Mégse and Esc discard; F1
// asks for the help section of the colours.
//   ColourSettingsDialog dialog(state, platform, folder, this);
//   dialog.setHelpHook(...);
//   dialog.exec();   // Accepted when the colours were taken
#include "presentation/ColourSettings.h"
#include "ui/gui/ControlBinder.h"
#include <QDialog>
#include <functional>

class ColourShape;
class FormCanvas;
class QScrollBar;
class QWidget;
struct LanguageTable;
struct Platform;

class ColourSettingsDialog : public QDialog {
    Q_OBJECT
public:
    ColourSettingsDialog(GameState& s, Platform& platform, const QDir& folder,
                         QWidget* parent = nullptr);

    void setHelpHook(std::function<void(int helpTopic)> hook) { m_help = std::move(hook); }

    const ColourDialogControls& controls() const { return m_logic.controls(); }
    FormCanvas* canvas() const { return m_canvas; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildForm();
    void buildSlots();
    void buildSliders();
    void buildButtons();
    void buildPalette();
    // Runs a handler of the logic, then shows the result.
    void run(const std::function<void()>& handler);
    void sync();
    void rendben_Click();
    void doknez_Click();
    int twipsOf(int pixels) const;

    Platform& m_platform;
    const LanguageTable& m_texts;
    ColourSettings m_logic;
    std::function<void(int)> m_help;
    FormCanvas* m_canvas = nullptr;
    QWidget* m_frame1 = nullptr;
    QWidget* m_frame2 = nullptr;
    std::array<ColourShape*, kColourSlotCount> m_samples{}; // szg
    std::array<QScrollBar*, 4> m_scrolls{};                 // scroll(1..3)
    std::array<QWidget*, 4> m_valueBoxes{};                 // sz_ert(1..3)
    ControlBinder m_binder;
};
