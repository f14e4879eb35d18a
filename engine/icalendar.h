// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Moon's events as an iCalendar file (RFC 5545), for import into a calendar program.

#include "engine/moonevents.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace selvane {

// The events' names in the order of MoonEventKind, as their SUMMARY gives them: English
// ("New Moon", ..., "Moonset") unless a front end passes its own. The UIDs always take the
// English names, so a file made in another language replaces the same events.
using MoonEventNames = std::array<std::string, 8>;
MoonEventNames EnglishMoonEventNames();

struct CalendarInfo {
    std::string ProductId; // PRODID, e.g. "-//Maker//Product 1.0//EN"
    std::string Name;      // the calendar's name for the programs that show one; may be empty
    std::string UidDomain; // the part of every UID after its '@'
    JulianDay Stamp = 0.0; // DTSTAMP: when the file is made, universal time
    // The place of the rises and sets, part of their UIDs: PlaceKey of the observer.
    std::string Place;
    std::string Location; // LOCATION of the rises and sets; may be empty
    MoonEventNames Names = EnglishMoonEventNames();
};

// "51.4772N0.0014W": the observer's latitude and longitude to 4 decimals with their directions.
std::string PlaceKey(const Observer& observer);

// A text value with backslash, comma, semicolon and line breaks escaped.
std::string EscapeText(std::string_view text);

// One content line folded into lines of at most 75 octets, continuations starting with a
// space, never inside a UTF-8 sequence; every line ends with CRLF.
std::string FoldLine(std::string_view line);

// A universal instant as a UTC date-time, "20250314T065544Z", the seconds cut.
std::string UtcDateTime(JulianDay jd);

// "Full Moon", "Perigee 356 896 km", "Moonrise", ... with the names given.
std::string EventSummary(const MoonEvent& event,
                         const MoonEventNames& names = EnglishMoonEventNames());

// The event's UID: its kind with its lunation or apsis index, or for a rise or set its local
// date and the place, so an event exported again keeps its UID and replaces its copy.
std::string EventUid(const MoonEvent& event, const CalendarInfo& info);

// The whole calendar: one VCALENDAR with one zero-length VEVENT per event.
std::string MoonCalendar(const std::vector<MoonEvent>& events, const CalendarInfo& info);

} // namespace selvane
