// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StartUp.h"
#include "play/GameState.h"
#include "presentation/Settings.h"
#include "presentation/Sound.h"
#include "results/ResultsFile.h"
#include "results/ResultsRepair.h"
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
StartupSelection selectStartupOptions(GameState& s, Platform& p, const QDir& folder) {
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
    return sel;
}

// Told in the language in use.
void tellRepairs(const GameState& s, const ResultsCheck& outcomes, QStringList& notices) {
    const QString files[] = {kResultsFile, kPendolyResultsFile};
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const QString told = TailKeptText(outcomes[i], files[i], s.texts);
        if (!told.isEmpty()) notices << told;
    }
}

} // namespace

ResultsCheck CheckResultsFiles(const QDir& folder, const QDateTime& now, RandomSource& random) {
    return {RepairResultsTail(folder.filePath(kResultsFile), now, random),
            RepairResultsTail(folder.filePath(kPendolyResultsFile), now, random)};
}

StartUpReport StartUp(GameState& s, Platform& p, const GameFolders& folders,
                      const std::function<ResultsCheck()>& checked) {
    resetState(s);
    const StartupSelection selection = selectStartupOptions(s, p, folders.player);
    CreateStoredGamesFile(folders.player);
    StartUpReport report;
    report.language = ApplyLanguage(s, folders);
    // Told in the language now in use.
    if (const QString settings = SettingsStartupProblem(s, selection); !settings.isEmpty())
        report.notices << settings;
    tellRepairs(s, checked ? checked() : CheckResultsFiles(folders.player, p.clock.now(), p.random),
                report.notices);
    PrepareSound(s, p.sound, folders);
    s.storing.storedDate.clear();
    s.storing.storedTime.clear();
    return report;
}
