// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/icalendar.h"

#include "engine/greateventstext.h"
#include "engine/numeric.h"
#include "engine/text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace selvane {

namespace {

constexpr std::size_t kMaxLineOctets = 75; // without the CRLF
constexpr const char* kCrlf = "\r\n";
constexpr std::int64_t kMsPerDay = 86400000;

// The summaries in the order of MoonEventKind.
constexpr std::array<const char*, 8> kSummaries = {"New Moon",     "First Quarter", "Full Moon",
                                                   "Last Quarter", "Perigee",       "Apogee",
                                                   "Moonrise",     "Moonset"};

// The UID's name of a kind: the English summary in lower case with hyphens.
std::string UidName(MoonEventKind kind) {
    std::string name = kSummaries[static_cast<std::size_t>(kind)];
    for (char& c : name)
        c = c == ' ' ? '-' : static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return name;
}

bool IsRiseOrSet(MoonEventKind kind) {
    return kind == MoonEventKind::Moonrise || kind == MoonEventKind::Moonset;
}

// The UID's name of a great event's kind.
const char* GreatUidName(GreatEventKind kind) {
    switch (kind) {
    case GreatEventKind::LunarEclipse:
        return "lunar-eclipse";
    case GreatEventKind::SolarEclipse:
        return "solar-eclipse";
    case GreatEventKind::Supermoon:
        return "supermoon";
    case GreatEventKind::BlueMoon:
        return "blue-moon";
    }
    return "";
}

// "2025-03-14 06:58:41": UtcDateTime's instant with its separators.
std::string ReadableUtc(JulianDay jd) {
    const std::string t = UtcDateTime(jd);
    return t.substr(0, 4) + "-" + t.substr(4, 2) + "-" + t.substr(6, 2) + " " + t.substr(9, 2) +
           ":" + t.substr(11, 2) + ":" + t.substr(13, 2);
}

std::string Coordinate(double degrees, char positive, char negative) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f%c", std::fabs(degrees),
                  degrees < 0.0 ? negative : positive);
    return text;
}

} // namespace

MoonEventNames EnglishMoonEventNames() {
    static_assert(std::tuple_size_v<MoonEventNames> == kSummaries.size());
    MoonEventNames names;
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = kSummaries[i];
    return names;
}

std::string PlaceKey(const Observer& observer) {
    // The observer's longitude counts west positive.
    return Coordinate(observer.Latitude, 'N', 'S') + Coordinate(observer.Longitude, 'W', 'E');
}

std::string EscapeText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' || c == ',' || c == ';') {
            out += '\\';
            out += c;
        } else if (c == '\r' || c == '\n') {
            out += "\\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == '\x7f') {
            out += ' '; // no other control character may stand in a text value
        } else {
            out += c;
        }
    }
    return out;
}

std::string FoldLine(std::string_view line) {
    std::string out;
    std::size_t room = kMaxLineOctets;
    while (line.size() > room) {
        std::size_t cut = room;
        // Back up to the first octet of a UTF-8 sequence (continuation octets are 10xxxxxx).
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        if (cut == 0) // not UTF-8 after all: cut where the room ends
            cut = room;
        out.append(line.substr(0, cut));
        out += kCrlf;
        out += ' ';
        line.remove_prefix(cut);
        room = kMaxLineOctets - 1; // the leading space counts
    }
    out.append(line);
    out += kCrlf;
    return out;
}

std::string UtcDateTime(JulianDay jd) {
    // Whole milliseconds first, so an instant made from a whole minute that the Julian Day
    // holds a hair short of it still reads as that minute.
    const auto ms = static_cast<std::int64_t>(std::llround((jd + 0.5) * kMsPerDay));
    const std::int64_t day = ms / kMsPerDay; // the Julian Day number of the date's noon
    const std::int64_t seconds = (ms % kMsPerDay) / 1000;
    const CalendarInstant date = JDToGregorianCalendar(static_cast<double>(day));
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", date.Year, date.Month, date.Day,
                  static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
                  static_cast<int>(seconds % 60));
    return text;
}

std::string EventSummary(const MoonEvent& event, const MoonEventNames& names) {
    std::string summary = names[static_cast<std::size_t>(event.Kind)];
    if (event.Kind == MoonEventKind::Perigee || event.Kind == MoonEventKind::Apogee) {
        summary += ' ';
        summary += GroupedThousands(event.Distance);
        summary += " km";
    }
    return summary;
}

std::string EventUid(const MoonEvent& event, const CalendarInfo& info) {
    std::string uid = UidName(event.Kind) + "-";
    if (IsRiseOrSet(event.Kind)) {
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", event.LocalDate.Year,
                      event.LocalDate.Month, event.LocalDate.Day);
        uid += date + ("-" + info.Place);
    } else {
        // The lunation of a phase, the anomalistic month of an apsis: one event of each kind.
        uid += std::to_string(static_cast<std::int64_t>(std::floor(event.K)));
    }
    return uid + "@" + info.UidDomain;
}

GreatEventSpan SpanOf(const GreatEvent& event) {
    if (event.Lunar)
        return {(*event.Lunar)[LunarContact::P1].UT, (*event.Lunar)[LunarContact::P4].UT};
    if (event.Solar && event.Solar->Local.Eclipsed) {
        const LocalSolarEclipse& l = event.Solar->Local;
        return {l[SolarContact::C1].UT, l[SolarContact::C4].UT};
    }
    return {event.UT, event.UT};
}

std::string GreatEventDescription(const GreatEvent& event) {
    std::string text = GreatEventSummary(event) + ".";
    if (event.Kind == GreatEventKind::LunarEclipse || event.Kind == GreatEventKind::SolarEclipse) {
        const bool here = event.Solar && event.Solar->Local.Eclipsed;
        text += here ? " Greatest eclipse here " : " Greatest eclipse ";
        text += ReadableUtc(event.UT) + " UT";
        if (event.Solar && !event.Visible)
            text += ", magnitude " + GreatEventMagnitude(event);
        text += ".";
    }
    return text;
}

std::string GreatEventUid(const GreatEvent& event, const CalendarInfo& info) {
    return std::string(GreatUidName(event.Kind)) + "-" +
           std::to_string(static_cast<std::int64_t>(std::floor(event.K))) + "-" + info.Place + "@" +
           info.UidDomain;
}

std::string MoonCalendar(const std::vector<MoonEvent>& events, const CalendarInfo& info,
                         const std::vector<GreatEvent>& greatEvents) {
    std::string out;
    auto line = [&out](std::string_view name, std::string_view value) {
        out += FoldLine(std::string(name) + ":" + std::string(value));
    };
    line("BEGIN", "VCALENDAR");
    line("VERSION", "2.0");
    line("PRODID", info.ProductId);
    line("CALSCALE", "GREGORIAN");
    line("METHOD", "PUBLISH");
    if (!info.Name.empty())
        line("X-WR-CALNAME", EscapeText(info.Name));
    const std::string stamp = UtcDateTime(info.Stamp);
    auto great = [&](const GreatEvent& e) {
        const GreatEventSpan span = SpanOf(e);
        line("BEGIN", "VEVENT");
        line("UID", GreatEventUid(e, info));
        line("DTSTAMP", stamp);
        line("DTSTART", UtcDateTime(span.Start));
        if (span.End > span.Start)
            line("DTEND", UtcDateTime(span.End));
        line("SUMMARY", EscapeText(info.GreatTitle ? info.GreatTitle(e) : GreatEventTitle(e)));
        line("DESCRIPTION", EscapeText(info.GreatDescription ? info.GreatDescription(e)
                                                             : GreatEventDescription(e)));
        line("TRANSP", "TRANSPARENT");
        line("END", "VEVENT");
    };
    std::vector<GreatEvent> byStart = greatEvents;
    std::stable_sort(byStart.begin(), byStart.end(), [](const GreatEvent& a, const GreatEvent& b) {
        return SpanOf(a).Start < SpanOf(b).Start;
    });
    auto next = byStart.begin();
    for (const MoonEvent& e : events) {
        // The great events that start before this one, in their own order.
        for (; next != byStart.end() && SpanOf(*next).Start < e.JD; ++next)
            great(*next);
        line("BEGIN", "VEVENT");
        line("UID", EventUid(e, info));
        line("DTSTAMP", stamp);
        // An instant: neither DTEND nor DURATION, so the event ends where it starts (RFC 5545
        // 3.6.1). Every calendar program reads that; some refuse a DURATION of PT0S.
        line("DTSTART", UtcDateTime(e.JD));
        line("SUMMARY", EscapeText(EventSummary(e, info.Names)));
        if (IsRiseOrSet(e.Kind) && !info.Location.empty())
            line("LOCATION", EscapeText(info.Location));
        // An instant, not an appointment: it does not make the user busy.
        line("TRANSP", "TRANSPARENT");
        line("END", "VEVENT");
    }
    for (; next != byStart.end(); ++next)
        great(*next);
    line("END", "VCALENDAR");
    return out;
}

} // namespace selvane
