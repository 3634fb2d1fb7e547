// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setup/GameTypes.h"
#include "play/BoardRing.h"
#include "play/GameFlow.h"
#include "play/GameState.h"
#include "play/TypedNumber.h"
#include "presentation/BoardLayout.h"
#include "setup/Arrangement.h"
#include "setup/TargetMapText.h"
#include "ui/Platform.h"
#include <algorithm>
#include <initializer_list>

namespace {

using Control = ControlState PanelControls::*;

void selectOption(GameState& s, Control chosen, std::initializer_list<Control> group) {
    for (Control c : group) (s.panel.*c).checked = c == chosen;
}

void selectType(GameState& s, Control chosen) {
    selectOption(s, chosen,
                 {&PanelControls::szamsor, &PanelControls::atlos, &PanelControls::generalt,
                  &PanelControls::tarolt});
}

void showMarkers(GameState& s, bool rows, bool cols) {
    for (size_t i = 1; i < s.controls.rowMarkers.size(); ++i) s.controls.rowMarkers[i].visible = rows;
    for (size_t i = 1; i < s.controls.colMarkers.size(); ++i) s.controls.colMarkers[i].visible = cols;
}

// A colour type chosen after the number type needs the tile bodies back (colour 0
// hides them) and colour values instead of numbers.
void leaveNumberType(GameState& s, Platform& p) {
    if (s.gameType != GameType::NumberSequence) return;
    ShowAllTiles(s);
    NewArrangement(s, p.random);
}

// The number type has no stored games: a game captured there would hold numbers
// where colours belong.
void setStoredGameMenus(GameState& s) {
    s.panel.uj_jatek.enabled = s.panel.jatek_tor.enabled = !s.panel.szamsor.checked;
}

void setMenusForNumbers(GameState& s) {
    s.panel.kevment.enabled = s.panel.generalt.checked;
    setStoredGameMenus(s);
}

void clearStoredGame(GameState& s) {
    s.storedGameName.clear();
    s.storedGameNo = 0;
}

void hideTargetMap(GameState& s) {
    for (MapShape& shape : s.targetMap.shapes) shape.visible = false;
    s.panel.mker.visible = false;
    s.panel.mvon.visible = false;
}

// The set-up's menus come back; those of stored games only outside the number type.
void setMenusEnabled(GameState& s) {
    for (Control c : {&PanelControls::kevall, &PanelControls::ntor, &PanelControls::babilon,
                      &PanelControls::demo_jatek})
        (s.panel.*c).enabled = true;
    setStoredGameMenus(s);
}

void selectSize(GameState& s, Platform& p, Control chosen, int gridSpan) {
    selectOption(s, chosen, {&PanelControls::Option1, &PanelControls::Option2, &PanelControls::Option3});
    ClearBoard(s, p.random, gridSpan);
}

} // namespace

void szamsor_Click(GameState& s, Platform& p) {
    selectType(s, &PanelControls::szamsor);
    PanelControls& c = s.panel;
    c.vminta.visible = false;
    c.Label1.visible = true;
    c.Label1.caption = s.texts.label1TextNumbers;
    c.sorsz.visible = true;
    c.sorsz.caption = QString::number(s.numberTileColour);
    c.skev.visible = false;
    c.okev.visible = false;
    c.okev.left = 4688;
    c.okev.width = 1200;
    c.okev.caption = s.texts.okevCaption;
    c.atrend.visible = true;
    setMenusForNumbers(s);
    showMarkers(s, false, false);
    // A number game is no stored game: its result must not carry the last one's serial.
    clearStoredGame(s);
    if (s.gameType != GameType::NumberSequence) NewArrangement(s, p.random);
    s.gameType = GameType::NumberSequence;
}

void atlos_Click(GameState& s, Platform& p) {
    selectType(s, &PanelControls::atlos);
    PanelControls& c = s.panel;
    c.vminta.visible = false;
    c.Label1.visible = false;
    c.sorsz.visible = false;
    c.skev.visible = true;
    c.okev.visible = false;
    c.atrend.visible = true;
    setMenusForNumbers(s);
    showMarkers(s, true, false);
    clearStoredGame(s);
    leaveNumberType(s, p);
    s.gameType = GameType::Diagonal;
}

void generalt_Click(GameState& s, Platform& p) {
    selectType(s, &PanelControls::generalt);
    PanelControls& c = s.panel;
    c.vminta.visible = true;
    c.Label1.visible = false;
    c.sorsz.visible = false;
    c.skev.visible = true;
    c.okev.visible = true;
    c.okev.left = 5420;
    c.okev.width = 498;
    c.okev.caption = c.skev.caption;
    c.atrend.visible = true;
    setMenusForNumbers(s);
    showMarkers(s, true, true);
    clearStoredGame(s);
    leaveNumberType(s, p);
    s.gameType = GameType::RandomColours;
}

void tarolt_Click(GameState& s, Platform& p) {
    selectType(s, &PanelControls::tarolt);
    PanelControls& c = s.panel;
    c.vminta.visible = false;
    c.Label1.visible = true;
    c.Label1.caption = s.texts.label1TextOther;
    c.sorsz.visible = true;
    c.sorsz.caption.clear();
    c.skev.visible = false;
    c.okev.visible = false;
    c.atrend.visible = false;
    setMenusForNumbers(s);
    showMarkers(s, false, false);
    leaveNumberType(s, p);
    s.gameType = GameType::Stored;
}

void Option1_Click(GameState& s, Platform& p) { selectSize(s, p, &PanelControls::Option1, 6); }
void Option2_Click(GameState& s, Platform& p) { selectSize(s, p, &PanelControls::Option2, 7); }
void Option3_Click(GameState& s, Platform& p) { selectSize(s, p, &PanelControls::Option3, 8); }

void vminta_Click(GameState& s, Platform& p) {
    const int n = s.N();
    const int span = n + 2;

    // Each inner cell gets a random four-digit tie-breaker followed by a row number;
    // sorting the keys scatters the N copies of every row number over the map.
    std::vector<QString> keys;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            keys.push_back(QStringLiteral("%1%2").arg(p.random.below(10000), 4, 10, QLatin1Char('0')).arg(i));
    std::sort(keys.begin(), keys.end());

    PanelControls& c = s.panel;
    c.skev.visible = false;
    c.okev.visible = false;
    showMarkers(s, false, false);
    c.tipus.visible = false;
    c.dimenzio.visible = false;
    c.vminta.visible = false;
    c.uj.caption = s.texts.messages.value(0);
    c.mvon.visible = true;
    c.mker.visible = true;
    c.alapall.visible = true;

    // Row by row over the whole map: the ring walled, each field cell the row number
    // at the end of its sorted key.
    QString text = EmptyTargetMapText(n);
    size_t next = 0;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) text[i * span + j] = keys[next++].back();
    s.targetMapText = text;
    s.targetMap = DrawTargetMap(text, n, s.tileColours);
}

void alapall_Click(GameState& s) {
    hideTargetMap(s);
    CloseRing(s);
    PanelControls& c = s.panel;
    c.tipus.visible = true;
    c.dimenzio.visible = true;
    // The box the map of a stored game covered.
    c.Label1.visible = c.sorsz.visible = c.tarolt.checked || c.szamsor.checked;
    setMenusEnabled(s);
    if (c.generalt.checked) {
        c.vminta.visible = true;
        showMarkers(s, true, true);
        c.skev.visible = true;
        c.okev.visible = true;
    } else if (!c.sorsz.caption.isEmpty()) {
        c.focusRequest = QStringLiteral("sorsz");
    }
    c.sorsz.caption.clear();
    c.alapall.visible = false;
}

void babilon_Click(GameState& s) {
    s.pendolyMode = !s.pendolyMode;
    s.panel.babilon.checked = s.pendolyMode;
    ApplyModeLayout(s);
    s.resultsFile = s.pendolyMode ? QStringLiteral("eredm_vr.dat") : QStringLiteral("eredm.dat");
}

void atrend_Click(GameState& s, bool checked) {
    s.panel.atrend.checked = checked;
    if (s.gameRunning) s.panel.focusRequest = QStringLiteral("pp");
}

bool sorsz_Validate(GameState& s, const QString& text) {
    if (!s.panel.szamsor.checked) return true;
    const int colour = leadingNumber(text);
    if (colour < 0 || colour > 6) return false;
    s.numberTileColour = colour;
    for (int k = 1; k <= s.controls.tileCount(); ++k) {
        s.controls.tiles[k].visible = colour > 0;
        s.controls.tiles[k].colourIndex = colour;
    }
    return true;
}

void sorsz_LostFocus(GameState& s, GameFlow& flow) {
    if (s.gameRunning) {
        s.panel.focusRequest = QStringLiteral("pp");
        return;
    }
    if (!s.panel.szamsor.checked && !s.panel.sorsz.caption.isEmpty()) flow.kezd_Click();
}

void RestoreSetupControls(GameState& s) {
    PanelControls& c = s.panel;
    c.t_jatek.caption.clear();
    for (Control hidden : {&PanelControls::k_tar, &PanelControls::megse, &PanelControls::folytat,
                           &PanelControls::tarol, &PanelControls::elt, &PanelControls::Lszm,
                           &PanelControls::kvall})
        (c.*hidden).visible = false;
    hideTargetMap(s);
    c.tipus.visible = true;
    c.dimenzio.visible = true;
    for (Control on : {&PanelControls::kezd, &PanelControls::kever, &PanelControls::kilep,
                       &PanelControls::uj, &PanelControls::okev, &PanelControls::generalt,
                       &PanelControls::atlos, &PanelControls::tarolt, &PanelControls::szamsor,
                       &PanelControls::Option1, &PanelControls::Option2, &PanelControls::Option3})
        (c.*on).enabled = true;
    c.uj.caption = s.texts.messages.value(0);
    setMenusEnabled(s);
    const bool boxShown = c.tarolt.checked || c.szamsor.checked;
    c.Label1.visible = boxShown;
    c.sorsz.visible = boxShown;
    c.sorsz.caption.clear();
    c.vminta.visible = c.generalt.checked;
    s.controls.rowPointer.visible = false;
    for (int i = 1; i <= s.N() && i < static_cast<int>(s.controls.rowNumbers.size()); ++i)
        s.controls.rowNumbers[i].visible = false;
    CloseRing(s);

    if (c.atlos.checked) {
        c.skev.visible = true;
        c.okev.visible = false;
        c.atrend.visible = true;
        showMarkers(s, true, false);
    } else if (c.generalt.checked) {
        c.skev.visible = true;
        c.okev.visible = true;
        c.atrend.visible = true;
        showMarkers(s, true, true);
    } else if (c.szamsor.checked) {
        c.okev.visible = false;
        for (int k = 1; k <= s.N() * s.N() && k < kMaxNumberLabels; ++k)
            s.controls.numberLabels[k].colour = kSysButtonText;
    }
    s.rearrangePhase = 0;
    s.phase = GamePhase::SetUp;
    s.gameRunning = false;
    s.moveHistory = {};
    s.record.recording = false;   // a game given up is no longer written down
}
