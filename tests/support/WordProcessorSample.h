// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A document as a word processor writes it, for the tests of the rich-text reader,
// writer and text box.
#include <QByteArray>

// What a word processor writes for a short document in code page 1250: line spacing,
// tab stops with a leader, strike-through, super- and subscript, a highlight and a
// hidden remark.
inline const QByteArray kWordProcessorSample =
    "{\\rtf1\\ansi\\ansicpg1250\\deff0\\nouicompat\\deflang1038{\\fonttbl{\\f0\\fnil\\fcharset238 "
    "Calibri;}}\r\n{\\colortbl ;\\red0\\green77\\blue187;\\red255\\green255\\blue0;}\r\n{\\*\\generator Riched20 "
    "10.0.19041}\\viewkind4\\uc1 \r\n\\pard\\sa200\\sl276\\slmult1\\qc\\cf1\\b\\f0\\fs28\\lang14 "
    "J\\'e1t\\'e9kszab\\'e1lyok\\cf0\\b0\\fs22\\par\r\n\\pard\\sa200\\sl276\\slmult1 "
    "Egy \\i d\\'f5lt\\i0  sz\\'f3.\\par\r\n"
    "\\pard\\tqr\\tldot\\tx4320\\tx6480\\sl-300\\slmult0 Pont\\tab 12\\tab x\\par\r\n"
    "\\pard\\strike r\\'e9gi\\strike0  H\\sub 2\\nosupersub O m\\super 2\\nosupersub  "
    "\\highlight2 fontos\\highlight0 {\\v rejtett megjegyz\\'e9s}l\\'e1that\\'f3\\par\r\n}\r\n";
