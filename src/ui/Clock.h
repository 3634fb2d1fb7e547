// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QDateTime>

// The time of day for clock texts and result dates, and a monotonic counter for
// measuring elapsed time (which must not jump at midnight or with clock changes).
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual qint64 monotonicMs() const = 0;
    double secondsSinceMidnight() const {
        const QTime t = now().time();
        return t.msecsSinceStartOfDay() / 1000.0;
    }
};
