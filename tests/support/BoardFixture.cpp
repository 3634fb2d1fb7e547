// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardFixture.h"
#include "play/TileGeometry.h"
#include "presentation/BoardLayout.h"
#include "setup/Arrangement.h"
#include "setup/GameTypes.h"

BoardFixture::BoardFixture(Type type, int n) {
    SetDesignVisibility(s.panel);
    if (n == 4) Option1_Click(s, fp.platform);
    else if (n == 5) Option2_Click(s, fp.platform);
    else Option3_Click(s, fp.platform);
    switch (type) {
    case Type::Numbers: szamsor_Click(s, fp.platform); break;
    case Type::Diagonal: atlos_Click(s, fp.platform); break;
    case Type::RandomColours: generalt_Click(s, fp.platform); break;
    case Type::Stored: tarolt_Click(s, fp.platform); break;
    }
}

void BoardFixture::setField(std::initializer_list<int> values) {
    int k = 0;
    for (int v : values) {
        ++k;
        const Cell cell = s.board.fieldCell(k);
        s.board.set(cell, v, k);
        PlaceTileControls(s, k, v, cell);
        DrawTileLook(s, k, v);
    }
}

void BoardFixture::clickCell(Cell cell) { mouse.keret_MouseDown(1, 0, centreX(cell.col), centreY(cell.row)); }

void BoardFixture::typeDigits(const char* digits) {
    for (const char* d = digits; *d; ++d) key(KeyCode::Digit0 + (*d - '0'));
}

std::vector<int> BoardFixture::messageNumbers() const {
    std::vector<int> numbers;
    for (const MessageRequest& r : fp.messageBox.shown) numbers.push_back(r.messageNo);
    return numbers;
}
