// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/greateventstext.h"

#include "engine/icalendar.h"
#include "engine/numeric.h"
#include "engine/text.h"

#include <cstdio>

namespace selvane {

namespace {

constexpr int kMagnitudeDecimals = 3;
constexpr double kPerMille = 1000.0;

const char* LunarKindName(LunarEclipseKind kind) {
    switch (kind) {
    case LunarEclipseKind::Penumbral:
        return "Penumbral";
    case LunarEclipseKind::Partial:
        return "Partial";
    case LunarEclipseKind::Total:
        return "Total";
    }
    return "";
}

const char* SolarKindName(SolarEclipseKind kind) {
    switch (kind) {
    case SolarEclipseKind::Partial:
        return "Partial";
    case SolarEclipseKind::Annular:
        return "Annular";
    case SolarEclipseKind::Total:
        return "Total";
    case SolarEclipseKind::Hybrid:
        return "Hybrid";
    }
    return "";
}

std::string LowerFirst(std::string text) {
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z')
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

// 0.99974 -> "99.9": tenths of a percent, cut.
std::string PercentCut(double fraction) {
    const auto tenths = Trunc(fraction * kPerMille);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

} // namespace

std::string GreatEventTitle(const GreatEvent& event) {
    switch (event.Kind) {
    case GreatEventKind::LunarEclipse:
        return std::string(event.Lunar ? LunarKindName(event.Lunar->Kind) : "") + " lunar eclipse";
    case GreatEventKind::SolarEclipse:
        return std::string(event.Solar ? SolarKindName(event.Solar->Kind) : "") + " solar eclipse";
    case GreatEventKind::Supermoon:
        return "Supermoon";
    case GreatEventKind::BlueMoon:
        return "Blue moon";
    }
    return "";
}

std::string GreatEventSummary(const GreatEvent& event) {
    std::string text = GreatEventTitle(event);
    switch (event.Kind) {
    case GreatEventKind::LunarEclipse:
        if (event.Lunar) {
            const LunarEclipse& e = *event.Lunar;
            const bool penumbral = e.Kind == LunarEclipseKind::Penumbral;
            text += penumbral ? ", penumbral magnitude " : ", umbral magnitude ";
            text += FixedDecimals(penumbral ? e.PenumbralMagnitude : e.UmbralMagnitude,
                                  kMagnitudeDecimals);
        }
        text += event.Visible ? ", visible here" : ", not visible here";
        break;
    case GreatEventKind::SolarEclipse:
        if (event.Solar && event.Visible) {
            const LocalSolarEclipse& l = event.Solar->Local;
            text += ", " + LowerFirst(SolarKindName(l.Kind)) + " here, magnitude " +
                    FixedDecimals(l.Magnitude, kMagnitudeDecimals) + ", " +
                    PercentCut(l.Obscuration) + " % of the Sun covered";
        } else {
            text += ", not visible here";
        }
        break;
    case GreatEventKind::Supermoon:
        text += ", Full Moon at " + GroupedThousands(event.Distance) + " km";
        break;
    case GreatEventKind::BlueMoon:
        text += ", the second Full Moon of the month";
        break;
    }
    return text;
}

std::string GreatEventMagnitude(const GreatEvent& event) {
    if (event.Lunar) {
        const LunarEclipse& e = *event.Lunar;
        return FixedDecimals(e.Kind == LunarEclipseKind::Penumbral ? e.PenumbralMagnitude
                                                                   : e.UmbralMagnitude,
                             kMagnitudeDecimals);
    }
    if (event.Solar) {
        const SolarEclipse& e = *event.Solar;
        return FixedDecimals(e.Local.Eclipsed ? e.Local.Magnitude : e.Magnitude,
                             kMagnitudeDecimals);
    }
    return "";
}

std::string GreatEventsCsv(const std::vector<GreatEvent>& events) {
    std::string out = std::string(kGreatEventsCsvHeader) + "\n";
    for (const GreatEvent& e : events) {
        // The calendar file's instant, "20250314T065841Z", with the separators put back.
        const std::string ut = UtcDateTime(e.UT);
        char line[160];
        std::snprintf(line, sizeof line, "%s,%04d-%02d-%02d,%s,%s-%s-%sT%s:%s:%sZ,%s,%s\n",
                      GreatEventTitle(e).c_str(), e.Local.Year, e.Local.Month, e.Local.Day,
                      HourMinuteText(e.Local).c_str(), ut.substr(0, 4).c_str(),
                      ut.substr(4, 2).c_str(), ut.substr(6, 2).c_str(), ut.substr(9, 2).c_str(),
                      ut.substr(11, 2).c_str(), ut.substr(13, 2).c_str(),
                      GreatEventMagnitude(e).c_str(), e.Visible ? "yes" : "no");
        out += line;
    }
    return out;
}

} // namespace selvane
