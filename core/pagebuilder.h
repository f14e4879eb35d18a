// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The printed pages' data, built from plain values: the settings record, the observer, the
// locale's names and the month. Nothing here needs a window, so the pages can be made
// without one.

#include "core/localetexts.h"
#include "core/pagedata.h"
#include "core/settings.h"
#include "engine/localtime.h"
#include "engine/monthtable.h"

namespace selvane {

struct PageRequest {
    Settings Record;   // the place as stored, the calendar's first weekday, the print options
    Observer Place;    // latitude, longitude and the offsets of the observer's clock
    LocaleTexts Texts; // month and weekday names
    int Year = 2000;
    int Month = 1;
    bool NorthernView = true; // the pictures' view, as the main window shows it
    bool NamedZone = false;   // the record's ZoneName is a zone the system knows
};

// The title block: the month, the place as stored, and the clock the times are in.
PageHeaderData PageHeader(const PageRequest& request);

// The month's great events at the place, for either page.
std::vector<ListedEvent> MonthEvents(const PageRequest& request);

// The month's calendar: its days' times, pictures, major phases and great events.
CalendarPageData CalendarPage(const PageRequest& request);

// The month's time table and its great events; `table` is FillMonthTimeTable of the month and
// the observer, or the table a window shows.
TimeTablePageData TimeTablePage(const PageRequest& request, const MonthTimeTable& table);

} // namespace selvane
