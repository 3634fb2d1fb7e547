// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DelimitedText.h"

QString DelimitedField(const QString& text, QChar separator) {
    if (separator == u'\t') {
        QString plain = text;
        for (QChar& c : plain)
            if (c == u'\t' || c == u'\n' || c == u'\r') c = u' ';
        return plain;
    }
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r')) return text;
    return u'"' + QString(text).replace(u'"', QLatin1String("\"\"")) + u'"';
}

void WriteDelimitedRow(QTextStream& out, const QStringList& fields, QChar separator) {
    for (qsizetype f = 0; f < fields.size(); ++f) {
        if (f > 0) out << separator;
        out << DelimitedField(fields[f], separator);
    }
    out << '\n';
}
