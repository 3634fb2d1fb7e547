#include "app/StartUp.h"
#include "play/GameState.h"
#include "presentation/Settings.h"
#include "presentation/Sound.h"
#include "setup/GameTypes.h"
#include "setup/StoredGamesFile.h"
#include "ui/Platform.h"

namespace {

void resetState(GameState& s) {
    s.storedGameNo = 0;
    s.gameType = GameType::None;
    s.demoState = DemoState::Off;
    s.storing.storedEarly = false;
    s.storing.newGameFromStore = false;
    s.tileColours[0] = kSysButtonFace;
    s.holeColour = s.tileColours[0];
    s.moveHistory = {};
    s.controls.numberLabels[kMaxNumberLabels].caption = QStringLiteral("C");
    for (int i = 0; i <= 7; ++i) s.controls.rowNumbers[i].caption = QString::number(i);
    s.controls.rowPointer.caption = QStringLiteral("<");
}

// The settings choose the size, then the type, then the rearrangement box, each as
// if the user had clicked it.
void selectStartupOptions(GameState& s, Platform& p, const QDir& folder) {
    const StartupSelection sel = LoadSettings(s, folder);
    switch (sel.gridSpan) {
    case 6: Option1_Click(s, p); break;
    case 7: Option2_Click(s, p); break;
    default: Option3_Click(s, p); break;
    }
    switch (sel.gameType) {
    case GameType::RandomColours: generalt_Click(s, p); break;
    case GameType::Diagonal: atlos_Click(s, p); break;
    case GameType::Stored: tarolt_Click(s, p); break;
    default: szamsor_Click(s, p); break;
    }
    s.panel.atrend.checked = sel.rearrange;
}

} // namespace

LanguageResult StartUp(GameState& s, Platform& p, const GameFolders& folders) {
    resetState(s);
    selectStartupOptions(s, p, folders.player);
    CreateStoredGamesFile(folders.player);
    const LanguageResult language = ApplyLanguage(s, folders);
    PrepareSound(s, p.sound, folders);
    s.storing.storedDate.clear();
    s.storing.storedTime.clear();
    return language;
}
