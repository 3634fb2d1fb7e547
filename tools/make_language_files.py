#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the two language files data/Magyar.lng and data/English.lng.

The texts live here (UTF-8); the files are written in code page 1250 with
CR LF line ends, which is what the game reads.  Run from anywhere:

    python3 tools/make_language_files.py

File layout, as the game reads it: every line that is blank, or whose first
character is "-", is skipped (those are the comment lines written below).
Every other line is an entry, counted by position: the first 44 entries are
the captions of the main window, the next 171 are messages 1..171.  So every
number needs a line of its own, even an unused one, and no text may start
with "-".

Texts with a fixed shape:
  message 5    three unit words "hours;minutes;seconds"; the game writes
               "<4> [h <w1>, ]m <w2>, s <w3>"
  message 99   twelve grid column headers separated by ";"
  message 128  the eight result-type codes at the 1-based positions
               1, 3-4, 6, 8-9, 11, 13, 15, 17-18
  messages 118, 135, 138   "#" is replaced by a number or a date
  messages 129, 130   column heads over the 92-character rows of the
               results list (see RESULTS_LIST_COLUMNS)
  messages 151, 152   headings over the 105-character lines of the
               statistics (see STATISTICS_COLUMNS)
  messages 154..166   headings that the help viewer searches for in the
               help document; its first match is taken, so none may occur
               inside another
"""

from __future__ import annotations

import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
DATA = ROOT / "data"

CAPTION_COUNT = 44
MESSAGE_COUNT = 171

# Where each field of a results-list row lies (1-based first and last column).
RESULTS_LIST_COLUMNS = {
    "row": (1, 4), "name": (7, 32), "type": (34, 35), "size": (39, 39),
    "gaps": (42, 42), "game_name": (45, 54), "game_no": (55, 58),
    "shuffle_no": (59, 62), "steps": (63, 67), "time": (68, 75),
    "date": (76, 86), "clock": (87, 92),
}
RESULTS_LIST_WIDTH = 92

# Where each field of a statistics line lies.
STATISTICS_COLUMNS = {
    "size": (1, 1), "type": (4, 5), "count": (6, 10),
    "best_name": (13, 32), "best_steps": (33, 37), "best_time": (39, 46),
    "best_date": (48, 57), "worst_name": (61, 80), "worst_steps": (81, 85),
    "worst_time": (87, 94), "worst_date": (96, 105),
}
STATISTICS_WIDTH = 105

TYPE_CODE_POSITIONS = [(1, 1), (3, 4), (6, 6), (8, 9), (11, 11), (13, 13),
                       (15, 15), (17, 18)]


class Note:
    """A comment line of the file (written with a leading "- ")."""

    def __init__(self, text: str) -> None:
        self.text = text


def place(pieces: list[tuple[int, str]], width: int | None = None) -> str:
    """Builds a fixed-width line: each text starts at its 1-based column.

    Texts must not touch: at least one blank lies between two of them.
    With a width the line is padded with blanks to exactly that width."""
    line = ""
    for column, text in pieces:
        start = column - 1
        if line and start <= len(line):
            raise ValueError(f"{text!r} at column {column} touches {line!r}")
        line = line.ljust(start) + text
    if width is not None:
        if len(line) > width:
            raise ValueError(f"{line!r} is longer than {width}")
        line = line.ljust(width)
    return line


def type_codes(codes: list[str]) -> str:
    """Message 128: the eight codes at their fixed positions."""
    line = [" "] * TYPE_CODE_POSITIONS[-1][1]
    for (first, last), code in zip(TYPE_CODE_POSITIONS, codes, strict=True):
        if not 1 <= len(code) <= last - first + 1:
            raise ValueError(f"code {code!r} does not fit {first}-{last}")
        line[first - 1:first - 1 + len(code)] = code
    return "".join(line)


# ---------------------------------------------------------------- Magyar

HU_CAPTIONS = [
    "Menü",
    "Eredmények megjelenítése",
    "Szinbeállítás",
    "3d megjelenés",
    "Új játék létrehozása, tárolása",
    "Tárolt játék módosítása, törlése",
    "Kevert állapotok kezelése",
    "Kevert állapot mentése",
    "Kevert állapotok törlése",
    "Tárolt nevek törlése",
    "Egy kiválasztott név törlése",
    "Az összes tárolt név törlése",
    "Statisztika",
    "Nyelv beállítás",
    "Hang",
    "Kilépés",
    "Segítség",
    "A játék leírása, kezelése",
    "Névjegy",
    "Játék tipusa",
    "Véletlen",
    "Átlós",
    "Tárolt",
    "Számsor",
    "Minta szerint",
    "Sorsz:",
    "Szín:",
    "Méret",
    "Játék kezdés",
    "Kever",
    "Kevert áll.tölt",
    "Kilépés",
    "Átrendezés",
    "Kev.",
    "Számcsere",
    "Mégse",
    "Mentés",
    "Nem ment",
    "Jelenlegi keveréssel ment",
    "Átrendezés kezdése",
    "Eredmény tárolása",
    "Játékos neve:",
    "Kevert állapot beállítása tárolt játékhoz",
    "Nyelv választás:",
]

HU_CAPTION_NOTES = {
    1: "Menük és menüpontok (1-19)",
    20: "A főablak keretei, gombjai, feliratai (20-44)",
    26: "26: a tárolt játék sorszámának mezője; a játék címe is ezzel kezdődik",
    27: "27: ugyanez a mező a Számsor típusnál: a számozott golyók színe (0-6)",
    30: "30: első betűje a betöltött kevert állapot jele (K:12)",
    34: "34-35: keskeny gombok; a 35. a Számsor típus golyócsere-gombja",
}

HU_MESSAGES = [
    Note("Főablak: játék indítása, eredmények, kevert állapotok, tárolt játékok"),
    (1, "Új játék"),
    (2, "Ebben a játékmódban még nincs tárolt eredmény."),
    (3, "Több csere nem lehetséges: játék előtt legfeljebb két golyót "
        "cserélhet."),
    Note("4-5: az eltelt idő sora: <4> 1 óra, 12 perc, 5 másodperc"),
    Note("5: három rész ';' jellel elválasztva: óra;perc;másodperc"),
    (4, "Elhasznált idő:"),
    (5, "óra;perc;másodperc"),
    Note("6: utána a lépések száma következik"),
    (6, "Gratulálok, sikerült kirakni! Lépések száma:"),
    (7, "Mentés új kevert állapotként? Igen: új állapotként menti. "
        "Nem: egy tárolt állapotot ír felül (ezt ezután választja ki). "
        "Mégse: nem ment."),
    (8, "Nincs tárolt kevert állapot."),
    (9, "Figyelem! Az összes tárolt kevert állapot törlődik!"),
    (10, "Valóban törli az összes tárolt kevert állapotot?"),
    (11, "A játék nem indítható: a szegélyen nincs nyitott hely. "
         "Nyisson meg legalább egyet!"),
    (12, "A játék így nem indítható: az egyetlen nyitott hely melletti golyó "
         "soha nem mozdulhat el a helyéről, és nem az áll ott, amit a cél kíván. "
         "Nyisson meg egy másik helyet!"),
    Note("13: utána az első szakasz üres helyeinek száma, új sorban a 14."),
    (13, "Az első szakaszban az üres helyek száma:"),
    (14, "Most ettől eltérő számú üres hely van. Folytatja így is?"),
    (15, "Valóban kilép mentés nélkül?"),
    (16, "Adja meg a játékos nevét!"),
    (17, "Nincs tárolt játékosnév."),
    (18, "Figyelem! Az összes tárolt játékosnév törlődik!"),
    (19, "Valóban törli az összes tárolt játékosnevet?"),
    (20, "Egy játék folyamatban van. Félbehagyja, és új játékot kezd?"),
    (21, "A kiválasztott tárolt játékhoz saját kezdőállás is tartozik."),
    (22, "A tábla felveszi ezt a kezdőállást, és a játék innen indul."),
    (23, "Nincs tárolt játék."),
    (24, "Ehhez a táblamérethez nincs tárolt játék."),
    (25, "Egy játék még folyamatban van. Mégis kilép?"),
    (26, "Ehhez a táblamérethez nincs tárolt kevert állapot."),
    Note("27: utána az állomány neve következik"),
    (27, "Nem található a súgó állománya:"),
    Note("28-29: a golyócsere kérdése, két sorban"),
    (28, "Két golyó cseréje: adja meg a két golyó számát!"),
    (29, "Formája: szám-szám (például 3-12)"),
    (30, "Az eredményállomány megsérült! Az ablak bezárul."),
    Note("Színbeállítás ablaka (31-35); 32 és 33 más ablakokban is"),
    (31, "Színpaletta"),
    (32, "Mégse"),
    (33, "Rendben"),
    Note("34: utána a szín sorszáma (Szín 1 ... Szín 6)"),
    (34, "Szín"),
    (35, "Fal színe"),
    Note("Tárolt játékok és nevek ablakai (36-50)"),
    (36, "Töröl"),
    (37, "Módosít"),
    (38, "Mentés kevert állapottal"),
    (39, "Mentés kezdőállás nélkül"),
    (40, "Tárolt játék neve:"),
    (41, "Szám"),
    (42, "Név"),
    (43, "Valóban törli a kiválasztott tárolt játékot?"),
    (44, "A játéknak nincs neve. Menti név nélkül?"),
    (45, "Tárolt játék választás"),
    (46, "Betöltendő kevert állapot kiválasztása"),
    (47, "Felülírandó kevert állapot kiválasztása"),
    (48, "Válassza ki a felülírandó állapotot!"),
    Note("49: utána az új állapot száma"),
    (49, "A tábla új kevert állapotként mentve. Száma:"),
    Note("50: felirat, és hiányzó választásnál '!' jellel üzenet"),
    (50, "Válassza ki a törlendő nevet"),
    Note("Súgó ablaka (51-58); 53 és 54 után ' (F6)' és ' (F7)' áll"),
    (51, "Keresés"),
    (52, "Szöveg:"),
    (53, "Fel"),
    (54, "Le"),
    (55, "Eleje"),
    (56, "Vége"),
    (57, "Lap fel"),
    (58, "Lap le"),
    Note("Névjegy (59-63)"),
    (59, "Tologatós logikai játék színes golyókkal"),
    (60, "Játékötlet és tervezés:"),
    (61, "a szabályok és a játékváltozatok kidolgozása"),
    (62, "Programozás:"),
    (63, "a program és a súgó elkészítése"),
    Note("Lista állományba (64-70); 68 és 70 után új sorban az állomány neve"),
    (64, "Hová készüljön a lista?"),
    (65, "Válasszon egységet, és alkönyvtárat!"),
    (66, "Állománynév:"),
    (67, "Nyomtatási hiba, vagy a meghajtó nem érhető el."),
    (68, "A lista állománya nem hozható létre, vagy nincs megadva "
         "állománynév."),
    (69, "(nem használt)"),
    (70, "A lista elkészült ebben az állományban:"),
    Note("Eredmények ablaka (71-139)"),
    (71, "Adatok törlése"),
    (72, "Az aktuális sor törlése"),
    (73, "A táblázatban levő sorok törlése"),
    (74, "Adott dátumnál régebbi adatok törlése"),
    (75, "Az összes tárolt eredmény adat törlése"),
    (76, "Táblázat nyomtatása"),
    (77, "Nyomtatóra"),
    (78, "Szöveges állományba"),
    (79, "Segítség"),
    Note("80: két szóköz a végén; csökkenő rendezésnél utána a 81."),
    (80, "Rendezés  "),
    (81, "(csökkenő)"),
    (82, "Név"),
    (83, "Lépések száma"),
    (84, "Elhasznált idő"),
    (85, "Nincs  (időrend)"),
    (86, "Szűrés"),
    (87, "Mind"),
    (88, "Véletlen  R:"),
    (89, "Átlós       R:"),
    (90, "Minta szerint"),
    (91, "Tárolt"),
    (92, "Számsor  R:"),
    (93, "Akt. adat (F5)"),
    (94, "Kevert áll."),
    (95, "Üres helyek:"),
    Note("96: előtte a sorok száma"),
    (96, "eredmény"),
    (97, "Akt.sorra"),
    (98, "Jelölt sorra"),
    Note("99: a táblázat 12 oszlopfejléce ';' jellel elválasztva"),
    (99, "Ssz;Játékos neve;Típ;Mér;Üh;Tárolt játék;Tsz;Ksz;Lépés;Idő;"
         "Dátum;Időp"),
    Note("100-110: az oszlopok neve a szűrés és a lista soraiban"),
    (100, "Név"),
    (101, "Típus"),
    (102, "Méret"),
    (103, "Üres helyek"),
    (104, "Tárolt játék"),
    (105, "Tárolt játék száma"),
    (106, "Kevert állapot"),
    (107, "Lépésszám"),
    (108, "Elhasznált idő"),
    (109, "Dátum"),
    (110, "Időpont"),
    Note("111: 'Rendezés: nincs' és 'Kevert állapot: nincs' is"),
    (111, "nincs"),
    (112, "csak tárolt kevert állapotból"),
    (113, "mindegy"),
    (114, "Üres helyek száma"),
    (115, "Szűrés"),
    (116, "*** A lista vége ***"),
    Note("117: legfeljebb 52 karakter; 118: a '#' helyére az oldalszám kerül"),
    (117, "Eredmények listája"),
    (118, "#. oldal"),
    (119, "Rendezés"),
    Note("120-127: az eredménytípusok neve"),
    (120, "Véletlen"),
    (121, "Véletlen átrendezéssel"),
    (122, "Átlós"),
    (123, "Átlós átrendezéssel"),
    (124, "Minta szerint"),
    (125, "Tárolt"),
    (126, "Számsor"),
    (127, "Számsor átrendezéssel"),
    Note("128: a típusok kódja kötött helyen: 1, 3-4, 6, 8-9, 11, 13, 15, "
         "17-18"),
    (128, type_codes(["V", "VR", "A", "AR", "M", "T", "S", "SR"])),
    Note("129-130: a lista oszlopfejei, a sorok oszlopaihoz igazítva"),
    (129, place([(1, "Ssz."), (7, "Játékos neve"), (34, "Típ."), (39, "M."),
                 (42, "Ü."), (45, "Tárolt játék"), (59, "Kev."),
                 (64, "Lép."), (69, "Elh.idő"), (77, "Dátum"),
                 (88, "Időp.")])),
    (130, place([(7, "M.: méret, Ü.: üres hely"), (45, "neve"), (55, "sz."),
                 (59, "áll."), (64, "szám"), (69, "ó:pp:mp"),
                 (77, "éééé.hh.nn"), (88, "óó:pp")])),
    (131, "Eredm.lis"),
    (132, "A jelölt sor nincs benne a jelenlegi (szűrt) listában."),
    Note("133: utána a sor játékosának neve"),
    (133, "Valóban törli az aktuális sort? Játékos:"),
    (134, "Érvénytelen dátum! Írja így: éééé.hh.nn (például 2024.03.15)."),
    Note("135: a '#' helyére a dátum, 138: a sorok száma kerül"),
    (135, "Törli a szűrésnek megfelelő, # vagy korábbi dátumú eredményeket?"),
    (136, "Figyelem! Ennek a játékmódnak az összes tárolt eredménye törlődik!"),
    (137, "Valóban törli az összes eredményt?"),
    (138, "Valóban törli a táblázatban látható # sort?"),
    (139, "Adja meg a dátumot (éééé.hh.nn)! Az aznapi és a korábbi, "
          "a szűrésnek megfelelő eredmények törlődnek."),
    Note("Statisztika (140-153)"),
    (140, "Statisztika nyomtatása"),
    (141, "Nyomtatóra"),
    (142, "Szöveges állományba"),
    (143, "Segítség"),
    (144, "Összes eredmény:"),
    Note("145-148: csoportcímek, utánuk a 149. és a csoport eredményeinek "
         "száma"),
    (145, "Egy üres hellyel játszott játékok, lépésszám szerint."),
    (146, "Egy üres hellyel játszott játékok, elhasznált idő szerint."),
    (147, "Üres hely nélkül vagy legalább két üres hellyel játszott játékok, "
          "lépésszám szerint."),
    (148, "Üres hely nélkül vagy legalább két üres hellyel játszott játékok, "
          "elhasznált idő szerint."),
    (149, "Eredmények száma:"),
    Note("150: legfeljebb 60 karakter"),
    (150, "Eredmények statisztikája"),
    Note("151-152: Courier betűs fejléc, a 105 karakteres sorokhoz igazítva"),
    (151, "                  E l s ő  h e l y e z e t t                      "
          "U t o l s ó  h e l y e z e t t"),
    (152, "M. T.  Jsz    N é v             L.szám Elh.idő   Dátum        "
          "N é v             L.szám Elh.idő   Dátum   "),
    (153, "Statiszt.lis"),
    Note("154-166: a súgó fejezetcímei, a súgó ezeket keresi"),
    (154, "Eredmények böngészése"),
    (155, "Színek beállítása"),
    (156, "Új tárolt játék készítése"),
    (157, "Tárolt játék módosítása és törlése"),
    (158, "Játékosnév törlése"),
    (159, "Tárolt játék kezdőállásának beállítása"),
    (160, "Tárolt játék kiválasztása"),
    (161, "Kezelés játék közben"),
    (162, "Statisztikai táblázat"),
    (163, "Lista készítése állományba"),
    (164, "Kevert állapot felülírása"),
    (165, "Kevert állapot betöltése"),
    (166, "A bemutató játék menete"),
    Note("Demó játék (167-171)"),
    (167, "Demó játék"),
    (168, "A gép most magától lejátszik egy 4 x 4-es, véletlen színű játékot."),
    (169, "Szóköz: szünet és folytatás, Esc: a bemutató leállítása."),
    (170, "Indulhat a bemutató?"),
    (171, "A bemutató játék véget ért. Új játék következik."),
]

# ---------------------------------------------------------------- English

EN_CAPTIONS = [
    "Menu",
    "Show results",
    "Colour settings",
    "3D look",
    "Create and store a new game",
    "Change or delete a stored game",
    "Shuffled states",
    "Save shuffled state",
    "Delete shuffled states",
    "Delete stored names",
    "Delete one chosen name",
    "Delete all stored names",
    "Statistics",
    "Choose language",
    "Sound",
    "Exit",
    "Help",
    "How to play",
    "About",
    "Game type",
    "Random",
    "Diagonal",
    "Stored",
    "Numbers",
    "By pattern",
    "Game no:",
    "Colour:",
    "Size",
    "Start game",
    "Shuffle",
    "Load shuffle",
    "Exit",
    "Rearrange",
    "Mix",
    "Swap tiles",
    "Cancel",
    "Save",
    "Don't save",
    "Save with this shuffle",
    "Start rearranging",
    "Store result",
    "Player name:",
    "Set the shuffled start of the stored game",
    "Language:",
]

EN_CAPTION_NOTES = {
    1: "Menus and menu items (1-19)",
    20: "Frames, buttons and labels of the main window (20-44)",
    26: "26: box of a stored game's number; also starts the title of the game",
    27: "27: the same box in the Numbers type: colour of the tiles (0-6)",
    30: "30: its first letter marks the loaded shuffled state (S:12)",
    34: "34-35: narrow buttons; 35 is the tile-swap button of the Numbers type",
}

EN_MESSAGES = [
    Note("Main window: starting a game, results, shuffled states, stored games"),
    (1, "New game"),
    (2, "No results have been stored in this mode yet."),
    (3, "No more swaps: at most two tile swaps are allowed before a game."),
    Note("4-5: the time line: <4> 1 h, 12 min, 5 s"),
    Note("5: three parts separated by ';': hours;minutes;seconds"),
    (4, "Time used:"),
    (5, "h;min;s"),
    Note("6: the number of steps follows"),
    (6, "Well done, the puzzle is solved! Steps:"),
    (7, "Save the board as a shuffled state? Yes: save it as a new state. "
        "No: overwrite a stored state (you choose it next). "
        "Cancel: do not save."),
    (8, "There are no stored shuffled states."),
    (9, "Warning! All stored shuffled states will be deleted!"),
    (10, "Delete all stored shuffled states?"),
    (11, "The game cannot start: no cell of the border is open. "
         "Open at least one!"),
    (12, "The game cannot start like this: the tile next to the only open "
         "cell can never leave its place, and it is not the tile the target "
         "wants there. Open another cell!"),
    Note("13: the number of gaps of the first stage follows, then 14 on a new "
         "line"),
    (13, "The first stage was played with this number of gaps:"),
    (14, "The number of gaps is different now. Continue anyway?"),
    (15, "Leave without saving?"),
    (16, "Please type the player's name!"),
    (17, "There are no stored player names."),
    (18, "Warning! All stored player names will be deleted!"),
    (19, "Delete all stored player names?"),
    (20, "A game is in progress. Abandon it and start a new game?"),
    (21, "The chosen stored game comes with its own start arrangement."),
    (22, "The board takes that arrangement, and the game starts from it."),
    (23, "There are no stored games."),
    (24, "There is no stored game for this board size."),
    (25, "A game is still in progress. Quit anyway?"),
    (26, "There is no stored shuffled state for this board size."),
    Note("27: the file name follows"),
    (27, "The help file cannot be found:"),
    Note("28-29: the tile-swap question, on two lines"),
    (28, "Swap two tiles: type the numbers of the two tiles."),
    (29, "Form: number-number (for example 3-12)"),
    (30, "The results file is damaged! The window will close."),
    Note("Colour dialog (31-35); 32 and 33 are used by other dialogs too"),
    (31, "Colour palette"),
    (32, "Cancel"),
    (33, "OK"),
    Note("34: the slot number follows (Colour 1 ... Colour 6)"),
    (34, "Colour"),
    (35, "Wall colour"),
    Note("Stored-game and name dialogs (36-50)"),
    (36, "Delete"),
    (37, "Modify"),
    (38, "Save with shuffled start"),
    (39, "Save without a start"),
    (40, "Name of the stored game:"),
    (41, "No."),
    (42, "Name"),
    (43, "Delete the selected stored game?"),
    (44, "The game has no name. Save it without a name?"),
    (45, "Choose a stored game"),
    (46, "Choose a shuffled state to load"),
    (47, "Choose the shuffled state to overwrite"),
    (48, "Choose the state to be overwritten!"),
    Note("49: the number of the new state follows"),
    (49, "The board was saved as a new shuffled state. Its number:"),
    Note("50: a label, and with '!' added the message when nothing is chosen"),
    (50, "Choose the name to delete"),
    Note("Help viewer (51-58); ' (F6)' and ' (F7)' follow 53 and 54"),
    (51, "Search"),
    (52, "Text:"),
    (53, "Up"),
    (54, "Down"),
    (55, "Top"),
    (56, "End"),
    (57, "Page up"),
    (58, "Page down"),
    Note("About box (59-63)"),
    (59, "A sliding puzzle with coloured balls"),
    (60, "Game idea and design:"),
    (61, "working out the rules and the game types"),
    (62, "Programming:"),
    (63, "writing the program and the help"),
    Note("List to a file (64-70); the file name follows 68 and 70 on a new "
         "line"),
    (64, "Where should the list go?"),
    (65, "Choose a drive and a folder:"),
    (66, "File name:"),
    (67, "Printer error, or the drive is not ready."),
    (68, "The list file cannot be created, or no file name was given."),
    (69, "(not used)"),
    (70, "The list has been written to this file:"),
    Note("Results window (71-139)"),
    (71, "Delete data"),
    (72, "Delete the current row"),
    (73, "Delete the rows in the table"),
    (74, "Delete data older than a date"),
    (75, "Delete all stored results"),
    (76, "Print table"),
    (77, "To the printer"),
    (78, "To a text file"),
    (79, "Help"),
    Note("80: two blanks at the end; a descending sort adds 81"),
    (80, "Sort  "),
    (81, "(descending)"),
    (82, "Name"),
    (83, "Steps"),
    (84, "Time used"),
    (85, "None  (as stored)"),
    (86, "Filter"),
    (87, "All"),
    (88, "Random     R:"),
    (89, "Diagonal   R:"),
    (90, "By pattern"),
    (91, "Stored"),
    (92, "Numbers    R:"),
    (93, "Cur. value (F5)"),
    (94, "Shuffled"),
    (95, "Gaps:"),
    Note("96: the number of rows comes before it"),
    (96, "shown"),
    (97, "To new row"),
    (98, "To marked row"),
    Note("99: the 12 column headers of the table, separated by ';'"),
    (99, "No;Player name;Ty;Sz;Gp;Stored game;Gm;Sh;Steps;Time;Date;Clock"),
    Note("100-110: column names in the filter and list lines"),
    (100, "Name"),
    (101, "Type"),
    (102, "Size"),
    (103, "Gaps"),
    (104, "Stored game"),
    (105, "Stored game no."),
    (106, "Shuffle no."),
    (107, "Steps"),
    (108, "Time used"),
    (109, "Date"),
    (110, "Time of day"),
    Note("111: reads as 'Sorted by: none' and as 'Shuffle no.: none'"),
    (111, "none"),
    (112, "stored shuffles only"),
    (113, "any"),
    (114, "Gaps"),
    (115, "Filter"),
    (116, "*** End of list ***"),
    Note("117: at most 52 characters; 118: '#' becomes the page number"),
    (117, "List of results"),
    (118, "Page #"),
    (119, "Sorted by"),
    Note("120-127: names of the result types"),
    (120, "Random"),
    (121, "Random with rearrangement"),
    (122, "Diagonal"),
    (123, "Diagonal with rearrangement"),
    (124, "By pattern"),
    (125, "Stored"),
    (126, "Numbers"),
    (127, "Numbers with rearrangement"),
    Note("128: type codes at fixed positions 1, 3-4, 6, 8-9, 11, 13, 15, "
         "17-18"),
    (128, type_codes(["R", "RR", "D", "DR", "P", "S", "N", "NR"])),
    Note("129-130: column heads of the list, aligned with its rows"),
    (129, place([(2, "No."), (7, "Player name"), (34, "Ty."), (39, "S."),
                 (42, "G."), (45, "Stored game"), (58, "Shuf"),
                 (63, "Steps"), (69, "Time"), (77, "Date"),
                 (88, "Clock")])),
    (130, place([(7, "S.: size, G.: gaps"), (45, "name"), (55, "no."),
                 (60, "no."), (69, "h:mm:ss"), (77, "yyyy.mm.dd"),
                 (88, "hh:mm")])),
    (131, "Results.lis"),
    (132, "The marked row is not in the current (filtered) list."),
    Note("133: the player name of the row follows"),
    (133, "Delete the current row? Player:"),
    (134, "Invalid date! Write it as yyyy.mm.dd (for example 2024.03.15)."),
    Note("135: '#' becomes the date, 138: the number of rows"),
    (135, "Delete the results that pass the filter and are dated # or "
          "earlier?"),
    (136, "Warning! All stored results of this mode will be deleted!"),
    (137, "Delete all results?"),
    (138, "Delete the # rows shown in the table?"),
    (139, "Give the date (yyyy.mm.dd): the results of that day and earlier "
          "that pass the filter will be deleted."),
    Note("Statistics (140-153)"),
    (140, "Print statistics"),
    (141, "To the printer"),
    (142, "To a text file"),
    (143, "Help"),
    (144, "Total results:"),
    Note("145-148: group headings; 149 and the group's count follow"),
    (145, "Games with one gap, ranked by steps."),
    (146, "Games with one gap, ranked by time used."),
    (147, "Games with no gap or with two or more gaps, ranked by steps."),
    (148, "Games with no gap or with two or more gaps, ranked by time used."),
    (149, "Results:"),
    Note("150: at most 60 characters"),
    (150, "Results statistics"),
    Note("151-152: headings in Courier, aligned with the 105-character lines"),
    (151, place([(21, "B e s t   r e s u l t"),
                 (69, "W o r s t   r e s u l t")])),
    (152, place([(1, "S."), (4, "T."), (8, "Cnt"), (15, "N a m e"),
                 (33, "Steps"), (41, "Time"), (50, "Date"),
                 (63, "N a m e"), (81, "Steps"), (89, "Time"),
                 (98, "Date")], STATISTICS_WIDTH)),
    (153, "Stats.lis"),
    Note("154-166: section headings that the help viewer looks for"),
    (154, "Browsing the results"),
    (155, "Setting the colours"),
    (156, "Creating a stored game"),
    (157, "Changing or deleting stored games"),
    (158, "Deleting a player name"),
    (159, "Setting the start of a stored game"),
    (160, "Choosing a stored game"),
    (161, "Controls during a game"),
    (162, "The statistics window"),
    (163, "Writing a list to a file"),
    (164, "Overwriting a shuffled state"),
    (165, "Loading a shuffled state"),
    (166, "How the demo game works"),
    Note("Demo game (167-171)"),
    (167, "Demo game"),
    (168, "The computer will now play a 4 x 4 random-colours game by itself."),
    (169, "Space pauses and resumes it, Esc stops it."),
    (170, "Start the demo?"),
    (171, "The demo game is over. A new game follows."),
]

LANGUAGES = [
    ("Magyar", "Zelka-Kvadra nyelvi állomány: magyar",
     "Feliratok", "Üzenetek", HU_CAPTIONS, HU_CAPTION_NOTES, HU_MESSAGES),
    ("English", "Zelka-Kvadra language file: English",
     "Captions", "Messages", EN_CAPTIONS, EN_CAPTION_NOTES, EN_MESSAGES),
]


def check_entry(number: str, text: str) -> None:
    if not text.strip() or text.startswith("-"):
        raise ValueError(f"{number}: {text!r} would be skipped by the reader")
    if "\r" in text or "\n" in text:
        raise ValueError(f"{number}: a text must stay on one line")


def check_messages(name: str, messages: dict[int, str]) -> None:
    if sorted(messages) != list(range(1, MESSAGE_COUNT + 1)):
        raise ValueError(f"{name}: messages must be numbered 1..{MESSAGE_COUNT}")
    if messages[5].count(";") < 2:
        raise ValueError(f"{name}: message 5 needs three parts")
    if messages[99].count(";") != 11:
        raise ValueError(f"{name}: message 99 needs twelve parts")
    for n in (118, 135, 138):
        if "#" not in messages[n]:
            raise ValueError(f"{name}: message {n} needs '#'")
    if len(messages[117]) > 52 or len(messages[150]) > 60:
        raise ValueError(f"{name}: list title too long")
    for n in (129, 130):
        if len(messages[n]) > RESULTS_LIST_WIDTH:
            raise ValueError(f"{name}: message {n} is wider than the list")
    if len(messages[152]) != STATISTICS_WIDTH:
        raise ValueError(f"{name}: message 152 must be {STATISTICS_WIDTH} wide")
    headings = [messages[n] for n in range(154, 167)]
    for a in headings:
        for b in headings:
            if a is not b and a in b:
                raise ValueError(f"{name}: help heading {a!r} is inside {b!r}")


def build(title: str, caption_head: str, message_head: str,
          captions: list[str], caption_notes: dict[int, str],
          items: list) -> list[str]:
    if len(captions) != CAPTION_COUNT:
        raise ValueError(f"{title}: {len(captions)} captions")
    lines = [f"- {title}", f"- {caption_head} (1-{CAPTION_COUNT})"]
    for number, caption in enumerate(captions, start=1):
        if number in caption_notes:
            lines.append(f"- {caption_notes[number]}")
        check_entry(f"caption {number}", caption)
        lines.append(caption)
    lines += ["", f"- {message_head} (1-{MESSAGE_COUNT})"]
    messages: dict[int, str] = {}
    expected = 1
    for item in items:
        if isinstance(item, Note):
            lines.append(f"- {item.text}")
            continue
        number, text = item
        if number != expected:
            raise ValueError(f"{title}: message {number} where {expected} "
                             "was expected")
        expected += 1
        check_entry(f"message {number}", text)
        messages[number] = text
        lines.append(text)
    check_messages(title, messages)
    return lines


def main() -> int:
    DATA.mkdir(exist_ok=True)
    for language, title, caption_head, message_head, captions, notes, items \
            in LANGUAGES:
        lines = build(title, caption_head, message_head, captions, notes, items)
        body = "".join(line + "\r\n" for line in lines)
        path = DATA / f"{language}.lng"
        path.write_bytes(body.encode("cp1250"))
        print(f"wrote {path.relative_to(ROOT)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
