// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/localetexts.h"

namespace selvane {

namespace {

// "décembre" -> "Décembre": headings begin with a capital.
QString Capitalised(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

} // namespace

LocaleTexts LocaleTexts::from(const QLocale& locale) {
    LocaleTexts t;
    for (int m = 1; m <= 12; ++m) {
        t.Months[m - 1] = locale.monthName(m, QLocale::LongFormat).toStdString();
        t.MonthHeadings[m - 1] = Capitalised(locale.standaloneMonthName(m, QLocale::LongFormat));
    }
    for (int d = 0; d < 7; ++d) {
        const int qtDay = d == 0 ? 7 : d; // Qt: 7 = Sunday
        t.ShortDays[d] = locale.dayName(qtDay, QLocale::ShortFormat);
        t.NarrowDays[d] = Capitalised(locale.dayName(qtDay, QLocale::NarrowFormat));
        t.LongDays[d] = Capitalised(locale.dayName(qtDay, QLocale::LongFormat));
    }
    // The first character of the short date pattern that is not a field letter. Invisible
    // marks are passed over: Arabic patterns put a right-to-left mark before each "/".
    for (QChar c : locale.dateFormat(QLocale::ShortFormat)) {
        if (c.isLetter() || c.isSpace() || c == u'\'' || !c.isPrint())
            continue;
        if (c.isPunct() || c.isSymbol())
            t.DateSeparator = c;
        break;
    }
    return t;
}

} // namespace selvane
