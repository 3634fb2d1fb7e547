// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A list as the list output builds it, before it goes to the printer or a file:
// pages of fixed-width lines. Both sinks take it as it is: the printer starts a new
// sheet at each page, the list file puts a form feed before each later page.
#include <QByteArray>
#include <QList>
#include <QStringList>

struct ListDocument {
    QList<QStringList> pages;   // each page's lines, without line ends
    // The most lines a page of this list can hold: the printer sets the list so small
    // that so many fit one sheet, and every list of its kind looks the same whatever
    // its length. 0 when the list has no pages of its own and runs on from sheet to sheet.
    int linesPerPage = 0;

    bool isEmpty() const { return pages.isEmpty(); }
};

// The list file's bytes: code page 1250, every line ended by CR LF, the first line of
// every page after the first preceded by a form feed. A character the code page
// cannot hold is written as "?".
QByteArray ListFileBytes(const ListDocument& document);
