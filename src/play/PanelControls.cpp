// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/PanelControls.h"

void SetDesignCaptions(PanelControls& p) {
    struct Entry {
        ControlState PanelControls::*control;
        const char* caption;
    };
    static const Entry kCaptions[] = {
        {&PanelControls::menu, "Menü"},
        {&PanelControls::er_megj, "Eredmények megjelenítése"},
        {&PanelControls::color, "Szinbeállítás"},
        {&PanelControls::hdim, "3d megjelenés"},
        {&PanelControls::uj_jatek, "Új játék létrehozása, tárolása"},
        {&PanelControls::jatek_tor, "Tárolt játék módosítása, törlése"},
        {&PanelControls::kevall, "Kevert állapotok kezelése"},
        {&PanelControls::kevment, "Kevert állapot mentése"},
        {&PanelControls::kevtor, "Kevert állapotok törlése"},
        {&PanelControls::ntor, "Tárolt nevek törlése"},
        {&PanelControls::ntoregy, "Egy kiválasztott név törlése"},
        {&PanelControls::ntorosz, "Az összes tárolt név törlése"},
        {&PanelControls::stmegj, "Statisztika"},
        {&PanelControls::nyelv, "Nyelv beállítás"},
        {&PanelControls::hang_kell, "Hang"},
        {&PanelControls::m_exit, "Kilépés"},
        {&PanelControls::help, "Segítség"},
        {&PanelControls::kezel, "A játék leírása, kezelése"},
        {&PanelControls::nevj, "Névjegy"},
        {&PanelControls::tipus, "Játék tipusa"},
        {&PanelControls::generalt, "Véletlen"},
        {&PanelControls::atlos, "Átlós"},
        {&PanelControls::tarolt, "Tárolt"},
        {&PanelControls::szamsor, "Számsor"},
        {&PanelControls::vminta, "Minta szerint"},
        {&PanelControls::Label1, "Sorsz:"},
        {&PanelControls::dimenzio, "Méret"},
        {&PanelControls::kezd, "Játék kezdés"},
        {&PanelControls::kever, "Kever"},
        {&PanelControls::uj, "Kevert áll.tölt"},
        {&PanelControls::kilep, "Kilépés"},
        {&PanelControls::atrend, "Átrendezés"},
        {&PanelControls::skev, "Kev."},
        {&PanelControls::okev, "Kev."},
        {&PanelControls::alapall, "Mégse"},
        {&PanelControls::ment, "Mentés"},
        {&PanelControls::megse, "Nem ment"},
        {&PanelControls::k_tar, "Jelenlegi keveréssel ment"},
        {&PanelControls::folytat, "Átrendezés kezdése"},
        {&PanelControls::tarol, "Eredmény tárolása"},
        {&PanelControls::Label3, "Játékos neve:"},
        {&PanelControls::Label2, "Kevert állapot beállítása tárolt játékhoz"},
        {&PanelControls::Label4, "Nyelv választás:"},
        // Not set by language files:
        {&PanelControls::doknez, "A játék leírása"},
        {&PanelControls::babilon, "Pendoly"},
        {&PanelControls::demo_jatek, "Demó játék"},
        {&PanelControls::Option1, "4 X 4"},
        {&PanelControls::Option2, "5 X 5"},
        {&PanelControls::Option3, "6 X 6"},
        {&PanelControls::demo_szov, " D E M O"},
    };
    for (const Entry& e : kCaptions) (p.*e.control).caption = QString::fromUtf8(e.caption);
}

void SetDesignVisibility(PanelControls& p) {
    for (ControlState* hidden :
         {&p.folytat, &p.tarol, &p.ment, &p.megse, &p.k_tar, &p.alapall, &p.Label2, &p.Label3,
          &p.neve, &p.Label4, &p.lang, &p.kvall, &p.Lszm, &p.elt, &p.demo_szov,
          &p.mker, &p.mvon, &p.segitseg})
        hidden->visible = false;
}
