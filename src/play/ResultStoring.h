// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Storing the result of a finished game under the player's name: what the name entry
// offers, the type code the result is stored with, the row the results browser marks
// afterwards, and the two flags that steer the storing.
#include <QString>
#include <QStringList>

struct ResultStoring {
    QString resultTypeCode;        // "V", "VR", "A", "AR", "M", "T", "S", "SR"
    int resultTypeIndex = 0;       // 1..8 in that order, 0 before the first game ends
    QString playerName;            // the name the last result was stored under
    QStringList playerNames;       // drop-down list of the name box `neve`
    QString storedDate;            // yyyy.mm.dd and hh:mm:ss of the result just stored,
    QString storedTime;            // "" when none: the results browser marks that row
    bool storedEarly = false;      // a rearrangement game stored at its first target
    bool newGameFromStore = false; // the new game after storing or discarding a result
};
