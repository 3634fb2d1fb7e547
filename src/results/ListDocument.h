#pragma once
// A list as the list output builds it, before it goes to the printer or a file:
// pages of fixed-width lines. Both sinks take it as it is: the printer starts a new
// sheet at each page, the list file puts a form feed before each later page.
#include <QByteArray>
#include <QList>
#include <QStringList>

struct ListDocument {
    QList<QStringList> pages;   // each page's lines, without line ends

    bool isEmpty() const { return pages.isEmpty(); }
};

// The list file's bytes: code page 1250, every line ended by CR LF, the first line of
// every page after the first preceded by a form feed. A character the code page
// cannot hold is written as "?".
QByteArray ListFileBytes(const ListDocument& document);
