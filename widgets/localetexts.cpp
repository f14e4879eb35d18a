#include "widgets/localetexts.h"

namespace selvane {

LocaleTexts LocaleTexts::from(const QLocale& locale) {
    LocaleTexts t;
    for (int m = 1; m <= 12; ++m) {
        t.Months[m - 1] = locale.monthName(m, QLocale::LongFormat).toStdString();
        t.MonthHeadings[m - 1] = locale.standaloneMonthName(m, QLocale::LongFormat);
    }
    for (int d = 0; d < 7; ++d)
        t.ShortDays[d] = locale.dayName(d == 0 ? 7 : d, QLocale::ShortFormat); // Qt: 7 = Sunday
    return t;
}

} // namespace selvane
