// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/Settings.h"
#include "play/GameModes.h"
#include "play/GameState.h"
#include "play/Messages.h"
#include "files/FileLimits.h"
#include "play/FileProblems.h"
#include "presentation/SettingsFile.h"
#include "presentation/TileColours.h"

namespace {

constexpr int kExitQuestion = 25;

int selectedSettingsType(const PanelControls& panel) {
    if (panel.generalt.checked) return SettingsGameType::Random;
    if (panel.tarolt.checked) return SettingsGameType::Stored;
    if (panel.atlos.checked) return SettingsGameType::Diagonal;
    return SettingsGameType::NumberSequence;
}

// Writes `now` into `field` only when it means something other than what the field
// holds, so a value the player did not change stays exactly as it was read.
void keepUnlessChanged(qint16& field, bool sameMeaning, int now) {
    if (!sameMeaning) field = static_cast<qint16>(now);
}

bool flagOn(qint16 stored) { return stored == 1; }

// The record as the current state would write it; colours are not the state's to
// write (the colour dialog stores them), so they stay as `stored` holds them.
SettingsRecord recordFromState(const GameState& s, const SettingsRecord& stored) {
    SettingsRecord record = stored;
    keepUnlessChanged(record.boardSize, GridSpanFromSettings(stored.boardSize) == s.N() + 2, s.N());
    const int type = selectedSettingsType(s.panel);
    keepUnlessChanged(record.gameType, GameTypeFromSettings(stored.gameType) == GameTypeFromSettings(type),
                      type);
    keepUnlessChanged(record.numberTileColour,
                      NumberTileColourFromSettings(stored.numberTileColour) == s.numberTileColour,
                      s.numberTileColour);
    keepUnlessChanged(record.rearrange, flagOn(stored.rearrange) == s.panel.atrend.checked,
                      s.panel.atrend.checked ? 1 : 0);
    keepUnlessChanged(record.look3D, flagOn(stored.look3D) == s.look3D, s.look3D ? 1 : 0);
    keepUnlessChanged(record.sound, flagOn(stored.sound) == s.soundOn, s.soundOn ? 1 : 0);
    keepUnlessChanged(record.pendoly, flagOn(stored.pendoly) == s.pendolyMode, s.pendolyMode ? 1 : 0);
    // Only a name the next start can read back goes into the file.
    if (IsValidLanguageName(s.texts.languageName)) record.language = s.texts.languageName;
    return record;
}

bool gameInProgress(const GameState& s) {
    return capturingStoredStart(s) || pausedAtFirstTarget(s) || s.gameRunning;
}

const QString kSettingsFile = QString::fromLatin1(kSettingsFileName);

bool readFailed(FileAccess access) { return access != FileAccess::Ok && access != FileAccess::Missing; }

} // namespace

StartupSelection LoadSettings(GameState& s, const QDir& folder) {
    const SettingsReadResult read = ReadSettingsFile(folder);
    StartupSelection selection;
    selection.settingsAccess = read.access;
    // Only a file that is not there is made with the defaults: one that cannot be read
    // holds the player's settings all the same.
    s.fileNotices.settingsLeftAlone = readFailed(read.access);
    if (read.access == FileAccess::Missing) selection.settingsNotWritten = !WriteSettingsFile(folder, read.record);
    const SettingsRecord& r = read.record;

    s.look3D = flagOn(r.look3D);
    s.panel.hdim.checked = s.look3D;
    s.soundOn = flagOn(r.sound);
    s.panel.hang_kell.checked = s.soundOn;
    s.pendolyMode = flagOn(r.pendoly);
    s.panel.babilon.checked = s.pendolyMode;
    s.panel.color.enabled = !s.look3D;

    s.numberTileColour = NumberTileColourFromSettings(r.numberTileColour);
    // Colours go in as stored; one the window has no name for is drawn as the
    // nearest colour it knows, and the file keeps it.
    s.tileColours[7] = r.colours[7];
    s.resultsFile = s.pendolyMode ? QStringLiteral("eredm_vr.dat") : QStringLiteral("eredm.dat");
    // The 3D look draws its balls in the built-in colours only.
    if (s.look3D) {
        SetDefaultTileColours(s);
    } else {
        for (int i = 1; i <= 6; ++i) s.tileColours[i] = r.colours[i];
    }
    s.texts.languageName = r.language;

    selection.gridSpan = GridSpanFromSettings(r.boardSize);
    selection.gameType = GameTypeFromSettings(r.gameType);
    selection.rearrange = flagOn(r.rearrange);
    return selection;
}

bool SaveSettingsOnExit(GameState& s, Platform& p, const QDir& folder, bool askAboutGame) {
    if (askAboutGame && gameInProgress(s)) {
        const MsgAnswer answer =
            ShowMessage(s, p, kExitQuestion, MsgIcon::Question, MsgButtons::YesNo);
        if (!Confirmed(answer)) {
            s.panel.focusRequest = QStringLiteral("pp");
            return false;
        }
    }
    if (s.fileNotices.settingsLeftAlone) return true;
    const SettingsReadResult read = ReadSettingsFile(folder);
    const auto tell = [&](const QString& text) { TellFileProblemOnce(s, p, kSettingsFile, text); };
    if (readFailed(read.access)) {
        tell(FileNotReadText(read.access, kSettingsFile, FileLimit::Settings, s.texts) + QLatin1Char(' ') +
             OwnTextIn(OwnText::SettingsNotWritten, s.texts).arg(kSettingsFile));
        return true;
    }
    const SettingsRecord wanted = recordFromState(s, read.record);
    // A missing or damaged file is rewritten even when no setting changed, so the
    // next start reads a whole, correct record.
    if ((!read.canonical || !(wanted == read.record)) && !WriteSettingsFile(folder, wanted))
        tell(OwnTextIn(OwnText::SettingsNotWritten, s.texts).arg(kSettingsFile));
    return true;
}

QString SettingsStartupProblem(GameState& s, const StartupSelection& selection) {
    QString text;
    if (readFailed(selection.settingsAccess))
        text = FileNotReadText(selection.settingsAccess, kSettingsFile, FileLimit::Settings, s.texts) +
               QLatin1Char(' ') + OwnTextIn(OwnText::SettingsLeftAlone, s.texts);
    else if (selection.settingsNotWritten)
        text = OwnTextIn(OwnText::SettingsNotWritten, s.texts).arg(kSettingsFile);
    if (!text.isEmpty()) s.fileNotices.told.insert(kSettingsFile);
    return text;
}

bool kilep_Click(GameState& s, Platform& p, const QDir& folder, bool askAboutGame) {
    return SaveSettingsOnExit(s, p, folder, askAboutGame);
}

bool m_exit_Click(GameState& s, Platform& p, const QDir& folder, bool askAboutGame) {
    return SaveSettingsOnExit(s, p, folder, askAboutGame);
}

bool Form_Unload(GameState& s, Platform& p, const QDir& folder, bool askAboutGame) {
    if (!s.panel.kilep.enabled) return false;
    return SaveSettingsOnExit(s, p, folder, askAboutGame);
}
