// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Moon's events as an iCalendar file (RFC 5545), for import into a calendar program.

#include "engine/moonevents.h"

#include <string>
#include <string_view>
#include <vector>

namespace selvane {

struct CalendarInfo {
    std::string ProductId; // PRODID, e.g. "-//Maker//Product 1.0//EN"
    std::string Name;      // the calendar's name for the programs that show one; may be empty
    std::string UidDomain; // the part of every UID after its '@'
    JulianDay Stamp = 0.0; // DTSTAMP: when the file is made, universal time
    // The place of the rises and sets, part of their UIDs: PlaceKey of the observer.
    std::string Place;
    std::string Location; // LOCATION of the rises and sets; may be empty
};

// "51.4772N0.0014W": the observer's latitude and longitude to 4 decimals with their directions.
std::string PlaceKey(const Observer& observer);

// A text value with backslash, comma, semicolon and line breaks escaped, and every other
// control character but the tab (which RFC 5545 forbids in a text) as a space.
std::string EscapeText(std::string_view text);

// One content line folded into lines of at most 75 octets, continuations starting with a
// space, never inside a UTF-8 sequence; every line ends with CRLF.
std::string FoldLine(std::string_view line);

// A universal instant as a UTC date-time, "20250314T065544Z", the seconds cut.
std::string UtcDateTime(JulianDay jd);

// "Full Moon", "Perigee 356 896 km", "Moonrise", ...
std::string EventSummary(const MoonEvent& event);

// The event's UID: its kind with its lunation or apsis index, or for a rise or set its local
// date and the place, so an event exported again keeps its UID and replaces its copy.
std::string EventUid(const MoonEvent& event, const CalendarInfo& info);

// The whole calendar: one VCALENDAR with one zero-length VEVENT per event.
std::string MoonCalendar(const std::vector<MoonEvent>& events, const CalendarInfo& info);

} // namespace selvane
