// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The manual pages and --help name the same options, so that an option added to one
// and forgotten in the other is caught here.
#include "app/Usage.h"
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

// The long options a text names ("--size", "--size=5" and "[--pendoly]" alike).
QSet<QString> LongOptions(const QString& text) {
    static const QRegularExpression option(QStringLiteral("--([a-z][a-z-]*[a-z])"));
    QSet<QString> names;
    for (const QRegularExpressionMatch& m : option.globalMatch(text))
        names.insert(m.captured(1));
    return names;
}

// A page's text with roff's escaped hyphens ("\-") made plain.
QString PageText(const QString& path) {
    QFile page(path);
    if (!page.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(page.readAll()).replace(QLatin1String("\\-"), QLatin1String("-"));
}

QString Listed(QSet<QString> names) {
    QStringList list(names.begin(), names.end());
    list.sort();
    return list.join(QLatin1String(", "));
}

} // namespace

TEST(ManualPage, NamesTheOptionsOfHelp) {
    const QSet<QString> help = LongOptions(UsageText());
    ASSERT_TRUE(help.contains(QStringLiteral("results"))) << "the options of --help were not found";
    for (const char* page : {"zelka-kvadra.6", "hu/zelka-kvadra.6"}) {
        SCOPED_TRACE(page);
        const QString text = PageText(QStringLiteral(ZK_MANUAL_PAGES "/") + QLatin1String(page));
        ASSERT_FALSE(text.isEmpty()) << "cannot read the page";
        const QSet<QString> onPage = LongOptions(text);
        EXPECT_EQ(Listed(help - onPage).toStdString(), "") << "in --help, not on the page";
        EXPECT_EQ(Listed(onPage - help).toStdString(), "") << "on the page, not in --help";
    }
}
