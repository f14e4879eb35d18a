// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Moon's events as an iCalendar file (RFC 5545), for import into a calendar program.

#include "engine/greatevents.h"
#include "engine/moonevents.h"

#include <array>
#include <functional>
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
    // The great events' SUMMARY and DESCRIPTION in the user's language, when given; else
    // GreatEventTitle and GreatEventDescription, in English.
    std::function<std::string(const GreatEvent&)> GreatTitle = {};
    std::function<std::string(const GreatEvent&)> GreatDescription = {};
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

// "Full Moon", "Perigee 356 896 km", "Moonrise", ... with the names given.
std::string EventSummary(const MoonEvent& event,
                         const MoonEventNames& names = EnglishMoonEventNames());

// The event's UID: its kind with its lunation or apsis index, or for a rise or set its local
// date and the place, so an event exported again keeps its UID and replaces its copy.
std::string EventUid(const MoonEvent& event, const CalendarInfo& info);

// A great event's span: an eclipse from its first to its last contact (a lunar eclipse's P1 to
// P4; a solar eclipse's C1 to C4 at the place when the Moon covers part of the Sun there, else
// the instant of greatest eclipse alone), a supermoon or a blue moon the instant of its Full
// Moon. Universal time; End equals Start for an instant.
struct GreatEventSpan {
    JulianDay Start = 0.0;
    JulianDay End = 0.0;
};
GreatEventSpan SpanOf(const GreatEvent& event);

// A great event's description: GreatEventSummary (kind, magnitude and whether it is seen at
// the place), then for an eclipse its greatest eclipse in universal time, with the magnitude
// there when the place sees none of it:
//   "Total lunar eclipse, umbral magnitude 1.178, visible here. Greatest eclipse
//    2025-03-14 06:58:41 UT."
std::string GreatEventDescription(const GreatEvent& event);

// A great event's UID: its kind, its lunation index and the place (what is seen of it, and a
// blue moon's month, depend on the place), so an export again replaces its copy.
std::string GreatEventUid(const GreatEvent& event, const CalendarInfo& info);

// The whole calendar: one VCALENDAR with one zero-length VEVENT per event, and one VEVENT per
// great event over its span (SUMMARY GreatEventTitle, DESCRIPTION GreatEventDescription), in
// the order of their start.
std::string MoonCalendar(const std::vector<MoonEvent>& events, const CalendarInfo& info,
                         const std::vector<GreatEvent>& greatEvents = {});

} // namespace selvane
