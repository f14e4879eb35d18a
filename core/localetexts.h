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
    MonthNames Months; // full names as used inside a date ("5 March 2024")
    // Full names standing alone (the calendar heading), with a capital: a heading begins with one
    // in the languages that write month names in lower case.
    std::array<QString, 12> MonthHeadings;
    std::array<QString, 7> ShortDays;  // abbreviated weekday names, 0 = Sunday
    std::array<QString, 7> NarrowDays; // the shortest weekday names (often one letter), capital
    // Full weekday names, 0 = Sunday, with a capital: the printed calendar's column headings.
    std::array<QString, 7> LongDays;
    // Between day, month and year in a short date: the locale's own mark, or "/" where the
    // locale has none that can be seen.
    QChar DateSeparator = u'/';
    // The language of the program's texts ("de", "pt_BR"; empty for English), for the files
    // that come in several languages (the help page).
    QString Language;

    static LocaleTexts from(const QLocale& locale);
    QString month(int month) const { return FromUtf8(Months[month - 1]); }
};

} // namespace selvane
