// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The engine's fixed texts in the user's language. The engine is standard C++ and writes
// English: these tables hold its texts, keyed by its values and marked for Qt's translation
// tools, and the windows, the printed pages and the calendar file show them through here.
// Where the engine composes a text itself (the calendar file's events, the month names of
// its dates), it is handed the translated names as it is handed the locale's.
// The comma-separated table keeps the engine's English, which scripts read.

#include "engine/eventtime.h"
#include "engine/icalendar.h"
#include "engine/lunarprops.h"
#include "engine/phasestate.h"

#include <QString>

#include <cstddef>
#include <string>

namespace selvane {

// The translation context of these texts.
inline constexpr const char* kMoonTextsContext = "selvane::MoonTexts";

// "Waxing Crescent", "Full Moon", ...
QString PhaseStateText(PhaseState state);

// An event's time as a window, the time list or a page shows it: "hh:mm" and "*****" as the
// engine writes them, the translated "None" for an event that does not happen that day, cut
// to `length` characters as the engine cuts its own.
QString EventTimeText(const EventTime& event, std::size_t length);

// The title the engine gives a Moon event ("Moonrise:", "Transit:", "Moonset:"), translated;
// a title it does not know stays as it is.
QString MoonEventTitle(const std::string& engineTitle);

// The calendar file's event names, translated, in the order of MoonEventKind.
MoonEventNames CalendarEventNames();

// The Moon's age with its units, "05d 03h 07m" in English.
QString AgeShown(const AgeFields& age);

// The local sidereal time with its name, "LST: 18:02:39" in English.
QString SiderealTimeShown(const QString& clock);

} // namespace selvane
