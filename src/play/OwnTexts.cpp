// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/OwnTexts.h"
#include "play/ButtonLanguage.h"
#include "play/LanguageTable.h"

namespace {

struct Wording {
    const char* hungarian;
    const char* english;
};

Wording wordingOf(OwnText text) {
    switch (text) {
    case OwnText::ColourSymbolsCaption:
        return {"Szimbólumok a színeken", "Symbols on colours"};
    case OwnText::ColoursNotSaved:
        return {"A(z) %1 nem írható: a színek nincsenek mentve.",
                "%1 cannot be written: the colours are not saved."};
    case OwnText::NameNotDeleted:
        return {"A(z) %1 nem írható, a név nem törlődött.",
                "%1 cannot be written; the name was not deleted."};
    case OwnText::DocumentNotSaved:
        return {"A(z) '%1' nem írható, a módosítás nincs mentve!",
                "'%1' cannot be written; the change is not saved!"};
    case OwnText::LanguageFileUnreadable:
        return {"A nyelvi állomány nem olvasható: %1. A program a(z) %2 állományt használja.",
                "The language file %1 cannot be read; using %2."};
    case OwnText::NoLanguageFile:
        return {"Nincs olvasható nyelvi állomány (%1). A program a beépített magyar szövegeket "
                "használja.",
                "No language file can be read (%1); using the built-in Hungarian texts."};
    case OwnText::LanguageFileIncomplete:
        return {"A(z) %1 nyelvi állomány hiányos: %3 bejegyzéséből csak %2 van meg. A hiányzó "
                "szövegek helyett a beépített magyar szövegek jelennek meg.",
                "The language file %1 is incomplete: it has %2 of its %3 entries. The built-in "
                "Hungarian texts stand in for the missing ones."};
    case OwnText::ResultNotWritten:
        return {"Az eredményfájl (%1) nem írható, az eredmény nincs tárolva.",
                "The results file (%1) cannot be written; the result is not stored."};
    case OwnText::NameNotListed:
        return {"A név nem került be a névlistába: a(z) %1 nem írható.",
                "The name was not added to the list of names: %1 cannot be written."};
    case OwnText::NamesNotDeleted:
        return {"A(z) %1 nem törölhető.", "%1 cannot be deleted."};
    case OwnText::NameTooLong:
        return {"A név legfeljebb %1 karakter lehet.", "A name can have at most %1 characters."};
    case OwnText::ShuffleNoTooLarge:
        return {"A kevert állapot sorszáma (%1) túl nagy, az eredmény nem tárolható.",
                "The number of the shuffled state (%1) is too large; the result cannot be stored."};
    case OwnText::StepsTooMany:
        return {"A lépésszám (%1) túl nagy, legfeljebb %2 lépés tárolható.",
                "The number of steps (%1) is too large; at most %2 steps can be stored."};
    case OwnText::TimeTooLong:
        return {"A játékidő elérte a %1 órát, az eredmény nem tárolható.",
                "The playing time has reached %1 hours; the result cannot be stored."};
    case OwnText::StoredGameUnstorable:
        return {"A tárolt játék neve vagy sorszáma nem tárolható.",
                "The name or number of the stored game cannot be stored."};
    case OwnText::ResultUnstorable:
        return {"Az eredmény nem tárolható.", "The result cannot be stored."};
    case OwnText::NameCharacter:
        return {"A név ezt a karaktert nem tartalmazhatja: %1\nKérem, javítsa a nevet!",
                "A name cannot contain this character: %1\nPlease correct the name!"};
    case OwnText::ResultsNotRewritten:
        return {"Az eredményfájl (%1) nem írható át, semmi sem törlődött.",
                "The results file (%1) cannot be rewritten; nothing was deleted."};
    case OwnText::ShuffledStatesFull:
        return {"A kever.dat megtelt: legfeljebb %1 kevert állapotot tud tárolni. Az állapot nincs "
                "mentve.",
                "kever.dat is full: it can hold at most %1 shuffled states. The state is not saved."};
    case OwnText::ShuffledStatesNotWritten:
        return {"A kever.dat nem írható: az állapot nincs mentve.",
                "kever.dat cannot be written: the state is not saved."};
    case OwnText::StoredGamesDamaged:
        return {"A minta.dat %1 sérült rekordot tartalmaz. Ezek nem választhatók, de a fájlban "
                "változatlanul megmaradnak.",
                "minta.dat holds %1 damaged records. They cannot be chosen, but they stay in the "
                "file unchanged."};
    case OwnText::StoredGamesFull:
        return {"A minta.dat megtelt: legfeljebb %1 tárolt játék fér el benne, új játék nem "
                "menthető.",
                "minta.dat is full: it holds at most %1 stored games, so no new game can be saved."};
    case OwnText::StoredGamesNotWritten:
        return {"A minta.dat nem írható: a változás nincs mentve.",
                "minta.dat cannot be written: the change is not saved."};
    case OwnText::StoredGameGone:
        return {"A tárolt játék már nincs a minta.dat-ban: a változás nincs mentve.",
                "The stored game is no longer in minta.dat: the change is not saved."};
    case OwnText::OneGapOddArrangement:
        return {"A játék így nem indítható: egyetlen nyitott hellyel a golyók az összes "
                "sorrendnek csak a felét érhetik el, és a célsorrend nincs köztük. Cseréljen fel "
                "két golyót (kattintson egymás után a kettőre), vagy nyisson meg egy másik helyet!",
                "The game cannot start like this: with only one open cell the tiles can reach "
                "just half of all orders, and the target is not among them. Exchange two tiles "
                "(click one, then the other), or open another cell!"};
    case OwnText::OneGapOddArrangementSecondStage:
        return {"Az átrendezés így nem kezdhető el: egyetlen nyitott hellyel a golyók az összes "
                "sorrendnek csak a felét érhetik el, és az új célsorrend nincs köztük. Nyisson meg "
                "még egy helyet!",
                "The rearrangement cannot begin like this: with only one open cell the tiles can "
                "reach just half of all orders, and the new target is not among them. Open one "
                "more cell!"};
    case OwnText::StoredGameNameWrittenAs:
        return {"Az eredmény tárolva. A tárolt játék nevének egy betűjét az eredményállomány "
                "nem tudja tárolni, ezért ott kérdőjel áll helyette: %1",
                "The result is stored. The results file cannot hold a letter of the stored "
                "game's name, so a question mark stands in its place: %1"};
    case OwnText::AboutFirstCredit:
        return {"a Zelka-Kvadra fejlesztői", "Zelka-Kvadra developers"};
    case OwnText::AboutSecondCredit:
        return {"a Zelka-Kvadra közreműködői", "Zelka-Kvadra contributors"};
    case OwnText::Progress:
        return {"Fejlődés", "Progress"};
    case OwnText::ProgressGamesAxis:
        return {"Játékok időrendben", "Games in date order"};
    case OwnText::ProgressGames:
        return {"Játékok", "Games"};
    case OwnText::ProgressBestSoFar:
        return {"Eddigi legjobb", "Best so far"};
    case OwnText::ProgressAverage:
        return {"Az utolsó %1 játék átlaga", "Average of the last %1 games"};
    case OwnText::ProgressRecords:
        return {"Egyéni csúcs", "Personal record"};
    case OwnText::ProgressSummary:
        return {"Játékok: %1, lépéscsúcsok: %2, időcsúcsok: %3 (%4 – %5)",
                "Games: %1, steps records: %2, time records: %3 (%4 – %5)"};
    case OwnText::ProgressNoGames:
        return {"Ennek a játékosnak nincs játéka ezzel a mérettel és típussal.",
                "This player has no games of this size and type."};
    case OwnText::ProgressNoResults:
        return {"Az eredményfájlban nincs eredmény.", "The results file holds no results."};
    case OwnText::ProgressDamaged:
        return {"Az eredményfájl sérült: a grafikon csak a sérülés előtti %1 eredményből készült.",
                "The results file is damaged: the chart is drawn from the %1 results before the damage only."};
    case OwnText::ProgressGameNo:
        return {"%1. játék", "Game %1"};
    case OwnText::ProgressRecordOf:
        return {"Egyéni csúcs: %1", "Personal record: %1"};
    case OwnText::ChartModuleMissing:
        return {"A grafikon nem jeleníthető meg: a(z) %1 modul nem tölthető be.",
                "The chart cannot be shown: the module %1 cannot be loaded."};
    case OwnText::SaveChart:
        return {"Mentés képként...", "Save as image..."};
    case OwnText::SaveChartTitle:
        return {"A grafikon mentése", "Save the chart"};
    case OwnText::PngImageFilter:
        return {"PNG kép (*.png)", "PNG image (*.png)"};
    case OwnText::SvgImageFilter:
        return {"SVG rajz (*.svg)", "SVG drawing (*.svg)"};
    case OwnText::ChartFileName:
        return {"fejlodes", "progress"};
    case OwnText::ChartNotSaved:
        return {"A(z) %1 nem írható: a grafikon nincs mentve.", "%1 cannot be written: the chart is not saved."};
    case OwnText::FileUnreadable:
        return {"A(z) %1 nem olvasható.", "%1 cannot be read."};
    case OwnText::FileNotRegular:
        return {"A(z) %1 nem közönséges fájl (mappa, eszköz vagy csővezeték áll a helyén), ezért a "
                "játék nem olvassa.",
                "%1 is not an ordinary file (a folder, a device or a pipe stands in its place), so the "
                "game does not read it."};
    case OwnText::FileTooLarge:
        return {"A(z) %1 nagyobb %2 MB-nál, ezért a játék nem olvassa.",
                "%1 is larger than %2 MB, so the game does not read it."};
    case OwnText::SettingsLeftAlone:
        return {"A játék az alapbeállításokkal indul, a fájlt pedig változatlanul hagyja.",
                "The game starts with the default settings and leaves the file as it is."};
    case OwnText::SettingsNotWritten:
        return {"A(z) %1 beállításfájl nem írható: a mostani beállítások nem maradnak meg.",
                "The settings file %1 cannot be written: the settings of this run are not kept."};
    case OwnText::DisplayOptionNotSaved:
        return {"A(z) %1 nem írható: a beállítás nem marad meg.",
                "%1 cannot be written: the option is not kept."};
    case OwnText::ResultsTailKept:
        return {"A(z) %1 eredményfájl vége egy eredmény tárolása közben félbemaradt. Ezt a %2 bájtot "
                "a(z) %3 fájl őrzi; az előtte tárolt eredmények mind megvannak.",
                "The end of the results file %1 was cut off while a result was being stored. Its %2 "
                "bytes are kept in %3; the results stored before it are all there."};
    case OwnText::ResultsDamagedNotStored:
        return {"A(z) %1 eredményfájl sérült: csak az első %2 eredménye olvasható, ezért az eredmény "
                "nincs tárolva. Az eredmények ablaka felajánlja az olvasható eredmények megtartását.",
                "The results file %1 is damaged: only its first %2 results can be read, so the result "
                "is not stored. The results window offers to keep the readable results."};
    case OwnText::ResultsSplitQuestion:
        return {"A(z) %1 eredményfájl sérült: csak az első %2 eredménye olvasható. Megtartja ezeket, "
                "a fájl többi részét (%3 bájt) pedig áthelyezi a(z) %4 fájlba? Nem: a fájl "
                "változatlan marad, az ablak bezárul.",
                "The results file %1 is damaged: only its first %2 results can be read. Keep these and "
                "move the rest of the file (%3 bytes) into %4? No: the file stays as it is, and the "
                "window closes."};
    case OwnText::ResultsSplitDone:
        return {"A(z) %1 az olvasható eredményeket tartja meg; a fájl többi részét a(z) %2 őrzi.",
                "%1 keeps the readable results; the rest of the file is kept in %2."};
    case OwnText::ResultsDamagedKept:
        return {"A sérült eredményfájl teljes tartalmát a(z) %1 fájl őrzi.",
                "The whole damaged results file is kept in %1."};
    case OwnText::AnotherCopyRuns:
        return {"A játék már fut ennek a mappának a fájljaival (%1), de nem válaszol. Zárja be, "
                "azután indítsa újra a játékot!",
                "The game already runs with the files of this folder (%1), but it does not answer. "
                "Close it, then start the game again."};
    case OwnText::HintCaption:
        return {"Súgás a következő lépésre (F2)", "Hint for the next move (F2)"};
    case OwnText::SolveCaption:
        return {"A játék befejezése gépi megoldással", "Finish the game with the solver"};
    case OwnText::HintQuestion:
        return {"Ha segítséget kér, ennek a játéknak az eredménye nem tárolható. Folytatja?",
                "If you ask for help, the result of this game cannot be stored. Go on?"};
    case OwnText::HintSearching:
        return {"A gép nem talált megoldást a rendelkezésre álló időben.",
                "The solver found no solution in the time it had."};
    case OwnText::HopelessTileBesideGap:
        return {"Ebből az állásból a cél nem érhető el: egyetlen nyitott hellyel a mellette álló "
                "golyó soha nem mozdulhat el végleg, és nem az a golyó áll ott, amelyet a cél kíván.",
                "No target can be reached from here: with one open cell the tile beside it can "
                "never leave its place for good, and it is not the tile the target wants there."};
    case OwnText::HopelessOddArrangement:
        return {"Ebből az állásból a cél nem érhető el: egyetlen nyitott hellyel a golyók az összes "
                "sorrendnek csak a felét érhetik el, és a célsorrend nincs köztük.",
                "No target can be reached from here: with one open cell the tiles can reach just "
                "half of all orders, and no target order is among them."};
    case OwnText::HopelessNoTargetFits:
        return {"Ebből az állásból a cél nem érhető el: a táblán lévő golyókból egyik még nyitott "
                "cél sem rakható ki.",
                "No target can be reached from here: the tiles on the board cannot make any "
                "target still open."};
    case OwnText::HopelessNoMoves:
        return {"Ebből az állásból a cél nem érhető el: egyik golyó sem mozdulhat.",
                "No target can be reached from here: no tile can move."};
    case OwnText::ShortestSolution:
        return {"A legrövidebb megoldás: %1 lépés", "Shortest solution: %1 steps"};
    case OwnText::AssistedMark:
        return {"Segítséggel játszott játék", "Game played with help"};
    case OwnText::AssistedNotStorable:
        return {"Segítséggel játszott játék: az eredmény nem tárolható.",
                "Game played with help: the result cannot be stored."};
    case OwnText::KeptGameQuestion:
        return {"Egy befejezetlen játék vár a folytatásra. Folytatja?\n"
                "(Nem: a játék elvész, és új játék kezdődik.)",
                "An unfinished game is waiting. Do you want to continue it?\n"
                "(No: the game is discarded and a new game begins.)"};
    case OwnText::KeptGameUnreadable:
        return {"A befejezetlen játék nem olvasható be, ezért új játék kezdődik. A hibás "
                "állomány %1 néven megmaradt a játék mappájában.",
                "The unfinished game could not be read, so a new game begins. The damaged "
                "file is kept as %1 in the game's folder."};
    case OwnText::KeptGameStuck:
        return {"A befejezetlen játék nem olvasható be, és a(z) %1 állományt átnevezni sem "
                "lehet. Az állomány a helyén marad; ebben a futásban a játékok nem "
                "őrződnek meg későbbre.",
                "The unfinished game could not be read, and %1 cannot be renamed either. "
                "The file stays where it is; during this run no game is kept for later."};
    case OwnText::KeepGameQuestion:
        return {"A játék még nem ért véget. Megőrizzem, hogy a következő indításkor "
                "folytathassa?\n(Igen: megőrzi, Nem: a játék elvész, Mégse: a játék folytatódik.)",
                "The game has not ended yet. Keep it so that you can continue it next time?\n"
                "(Yes: keep it, No: discard it, Cancel: go on playing.)"};
    case OwnText::GameNotKept:
        return {"A(z) %1 nem írható: a játék nem őrizhető meg későbbre.",
                "%1 cannot be written: the game cannot be kept for later."};
    case OwnText::ReplayCaption:
        return {"Visszajátszás", "Replay"};
    case OwnText::ReplayBanner:
        return {"VISSZAJÁTSZÁS  %1 lépés/mp", "REPLAY  %1 moves/s"};
    case OwnText::ReplayNothing:
        return {"Ebben a futásban még nem ért véget játék, nincs mit visszajátszani.",
                "No game has ended during this run: there is nothing to replay."};
    case OwnText::StartCodeCaption:
        return {"Kezdőállás kódja", "Start code"};
    case OwnText::EnterCodeCaption:
        return {"Kód beírása", "Enter a code"};
    case OwnText::StartCodeShown:
        return {"A kezdőállás kódja (a vágólapra is került):\n\n%1\n\nA „Kód beírása” "
                "menüponttal bárki ugyanezt a kezdőállást állíthatja be.",
                "The code of this start (also copied to the clipboard):\n\n%1\n\nWith "
                "\"Enter a code\" anyone can set up the very same start."};
    case OwnText::EnterCodePrompt:
        return {"A kezdőállás kódja:", "The code of the start:"};
    case OwnText::CodeNotOurs:
        return {"Ez nem a Zelka-Kvadra kezdőállás-kódja (ZK1-gyel kezdődik). Semmi sem "
                "változott.",
                "This is not a Zelka-Kvadra start code (one begins with ZK1). Nothing has "
                "changed."};
    case OwnText::CodeNewerVersion:
        return {"Ezt a kódot a játék egy újabb változata készítette. Semmi sem változott.",
                "This code was made by a later version of the game. Nothing has changed."};
    case OwnText::CodeBadCharacter:
        return {"A kódban ez a karakter nem állhat: %1. Semmi sem változott.",
                "A code cannot contain this character: %1. Nothing has changed."};
    case OwnText::CodeTooLong:
        return {"A kód túl hosszú: legfeljebb %1 karakterből áll. Semmi sem változott.",
                "The code is too long: a code has at most %1 characters. Nothing has changed."};
    case OwnText::CodeTooShort:
        return {"A kód túl rövid: egy része hiányzik. Semmi sem változott.",
                "The code is too short: a part of it is missing. Nothing has changed."};
    case OwnText::CodeMistyped:
        return {"A kód ellenőrző része nem egyezik: valószínűleg elírás van benne. Semmi sem "
                "változott.",
                "The check part of the code does not match: it is probably mistyped. Nothing "
                "has changed."};
    case OwnText::CodeBadSize:
        return {"A kód %1 x %1-es táblát ír le; a játék 4, 5 és 6 méretű táblákon folyik. "
                "Semmi sem változott.",
                "The code describes a %1 x %1 board; the game is played on boards of size 4, "
                "5 and 6. Nothing has changed."};
    case OwnText::CodeBadBoard:
        return {"A kód nem a játéktípusának megfelelő táblát ír le. Semmi sem változott.",
                "The code does not describe a valid board for its game type. Nothing has "
                "changed."};
    case OwnText::CodeStoredGamePlayedAsPattern:
        return {"Ez a tárolt játék nincs meg az Ön tárolt játékai között, ezért „Minta "
                "szerint” játékként kezdődik, és az eredménye is így tárolódik.",
                "This stored game is not among your stored games, so it is played as a "
                "\"by pattern\" game, and its result is stored as one."};
    case OwnText::Count:
        break;
    }
    return {"", ""};
}

// Language files are named after their language in that language, so the name says
// which one is Hungarian.
bool isHungarian(const QString& languageName) {
    return ButtonLocaleOfLanguage(languageName) == QLatin1String("hu");
}

} // namespace

QString OwnTextIn(OwnText text, const QString& languageName) {
    const Wording wording = wordingOf(text);
    return QString::fromUtf8(isHungarian(languageName) ? wording.hungarian : wording.english);
}

QString OwnTextIn(OwnText text, const LanguageTable& language) {
    return OwnTextIn(text, language.languageName);
}
