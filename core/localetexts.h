// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/utf8text.h"
#include "engine/timebase.h"

#include <QLocale>
#include <QString>

#include <array>

namespace selvane {

// The locale's names the windows show. Tests pass a fixed locale.
struct LocaleTexts {
    MonthNames Months;                     // full names as used inside a date ("5 March 2024")
    std::array<QString, 12> MonthHeadings; // full names standing alone (the calendar heading)
    std::array<QString, 7> ShortDays;      // abbreviated weekday names, 0 = Sunday
    std::array<QString, 7> NarrowDays;     // the shortest weekday names (often one letter)
    std::array<QString, 7> LongDays;       // full weekday names, 0 = Sunday
    // Between day, month and year in a short date: the locale's own mark, or "/" where the
    // locale has none that can be seen.
    QChar DateSeparator = u'/';

    static LocaleTexts from(const QLocale& locale);
    QString month(int month) const { return FromUtf8(Months[month - 1]); }
};

} // namespace selvane
