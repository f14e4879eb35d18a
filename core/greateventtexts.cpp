// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/greateventtexts.h"

#include "core/zones.h"

#include "core/utf8text.h"
#include "engine/numeric.h"
#include "engine/text.h"

#include <algorithm>
#include <array>

namespace selvane {

namespace {

constexpr int kMagnitudeDecimals = 3;
constexpr double kPerMille = 1000.0;

// The titles in the order of EventSymbol.
constexpr std::array<const char*, 9> kTitles = {
    QT_TRANSLATE_NOOP("GreatEventTexts", "Penumbral lunar eclipse"),
    QT_TRANSLATE_NOOP("GreatEventTexts", "Partial lunar eclipse"),
    QT_TRANSLATE_NOOP("GreatEventTexts", "Total lunar eclipse"),
    QT_TRANSLATE_NOOP("GreatEventTexts", "Partial solar eclipse"),
    QT_TRANSLATE_NOOP("GreatEventTexts", "Annular solar eclipse"),
    QT_TRANSLATE_NOOP("GreatEventTexts", "Total solar eclipse"),
    QT_TRANSLATE_NOOP("GreatEventTexts", "Hybrid solar eclipse"),
    QT_TRANSLATE_NOOP("GreatEventTexts", "Supermoon"),
    QT_TRANSLATE_NOOP("GreatEventTexts", "Blue moon"),
};

// What a solar eclipse looks like at the place, in the order of SolarEclipseKind (a place
// never sees a hybrid eclipse as such).
constexpr std::array<const char*, 4> kSolarHere = {
    QT_TRANSLATE_NOOP("GreatEventTexts", "Partial here, magnitude %1, %2 % of the Sun covered"),
    QT_TRANSLATE_NOOP("GreatEventTexts", "Annular here, magnitude %1, %2 % of the Sun covered"),
    QT_TRANSLATE_NOOP("GreatEventTexts", "Total here, magnitude %1, %2 % of the Sun covered"),
    QT_TRANSLATE_NOOP("GreatEventTexts", "Total here, magnitude %1, %2 % of the Sun covered"),
};

// Kinds ranked for a day's one mark: the lower, the more it matters.
int Rank(GreatEventKind kind) {
    switch (kind) {
    case GreatEventKind::SolarEclipse:
        return 0;
    case GreatEventKind::LunarEclipse:
        return 1;
    case GreatEventKind::Supermoon:
        return 2;
    case GreatEventKind::BlueMoon:
        return 3;
    }
    return 4;
}

// A number written with a decimal point ("1.178"), with the language's decimal sign instead.
QString WithDecimalSign(const QString& number) {
    const qsizetype point = number.indexOf(u'.');
    if (point < 0)
        return number;
    return GreatEventTexts::tr("%1.%2", "a decimal number: its whole part, the decimal sign, "
                                        "its decimals")
        .arg(number.left(point), number.mid(point + 1));
}

QString Magnitude(double value) {
    return WithDecimalSign(FromUtf8(FixedDecimals(value, kMagnitudeDecimals)));
}

// 0.99974 -> "99.9": tenths of a percent, cut, so a partial eclipse never reads 100 %.
QString PercentCut(double fraction) {
    const auto tenths = Trunc(fraction * kPerMille);
    return WithDecimalSign(QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10));
}

QString LocalTime(const GreatEvent& event) {
    return FromUtf8(HourMinuteText(event.Local));
}

} // namespace

EventSymbol SymbolOf(const GreatEvent& event) {
    switch (event.Kind) {
    case GreatEventKind::LunarEclipse:
        switch (event.Lunar ? event.Lunar->Kind : LunarEclipseKind::Penumbral) {
        case LunarEclipseKind::Penumbral:
            return EventSymbol::PenumbralLunar;
        case LunarEclipseKind::Partial:
            return EventSymbol::PartialLunar;
        case LunarEclipseKind::Total:
            return EventSymbol::TotalLunar;
        }
        break;
    case GreatEventKind::SolarEclipse:
        switch (event.Solar ? event.Solar->Kind : SolarEclipseKind::Partial) {
        case SolarEclipseKind::Partial:
            return EventSymbol::PartialSolar;
        case SolarEclipseKind::Annular:
            return EventSymbol::AnnularSolar;
        case SolarEclipseKind::Total:
            return EventSymbol::TotalSolar;
        case SolarEclipseKind::Hybrid:
            return EventSymbol::HybridSolar;
        }
        break;
    case GreatEventKind::Supermoon:
        return EventSymbol::Supermoon;
    case GreatEventKind::BlueMoon:
        return EventSymbol::BlueMoon;
    }
    return EventSymbol::Supermoon;
}

std::vector<GreatEvent> EventsOnDay(const std::vector<GreatEvent>& events, int year, int month,
                                    int day) {
    std::vector<GreatEvent> out;
    std::copy_if(events.begin(), events.end(), std::back_inserter(out), [&](const GreatEvent& e) {
        return e.Local.Year == year && e.Local.Month == month && e.Local.Day == day;
    });
    return out;
}

const GreatEvent& MarkedEvent(const std::vector<GreatEvent>& dayEvents) {
    return *std::min_element(
        dayEvents.begin(), dayEvents.end(),
        [](const GreatEvent& a, const GreatEvent& b) { return Rank(a.Kind) < Rank(b.Kind); });
}

QString GreatEventTexts::Title(const GreatEvent& event) {
    return tr(kTitles[static_cast<std::size_t>(SymbolOf(event))]);
}

QString GreatEventTexts::Details(const GreatEvent& event) {
    switch (event.Kind) {
    case GreatEventKind::LunarEclipse: {
        if (!event.Lunar)
            break;
        const LunarEclipse& e = *event.Lunar;
        if (e.Kind == LunarEclipseKind::Penumbral)
            return (event.Visible ? tr("Penumbral magnitude %1, visible here")
                                  : tr("Penumbral magnitude %1, not visible here"))
                .arg(Magnitude(e.PenumbralMagnitude));
        return (event.Visible ? tr("Umbral magnitude %1, visible here")
                              : tr("Umbral magnitude %1, not visible here"))
            .arg(Magnitude(e.UmbralMagnitude));
    }
    case GreatEventKind::SolarEclipse:
        if (!event.Solar || !event.Visible)
            break;
        return tr(kSolarHere[static_cast<std::size_t>(event.Solar->Local.Kind)])
            .arg(Magnitude(event.Solar->Local.Magnitude),
                 PercentCut(event.Solar->Local.Obscuration));
    case GreatEventKind::Supermoon:
        return tr("Distance %1 km").arg(FromUtf8(GroupedThousands(event.Distance)));
    case GreatEventKind::BlueMoon:
        return tr("The second Full Moon of the month");
    }
    return tr("Not visible here");
}

QString GreatEventTexts::Hint(const GreatEvent& event) {
    QString first;
    if (event.Kind == GreatEventKind::Supermoon || event.Kind == GreatEventKind::BlueMoon)
        first = tr("%1, Full Moon at %2");
    else if (event.Solar && event.Solar->Local.Eclipsed)
        first = tr("%1, greatest here at %2");
    else
        first = tr("%1, greatest at %2");
    return first.arg(Title(event), LocalTime(event)) + u'\n' + Details(event);
}

QString GreatEventTexts::DayHint(const std::vector<GreatEvent>& dayEvents) {
    QStringList hints;
    for (const GreatEvent& e : dayEvents)
        hints << Hint(e);
    return hints.join(u'\n');
}

QString GreatEventTexts::CalendarDescription(const GreatEvent& event) {
    QString text = tr("%1: %2.", "an event in the calendar file: its title and what is seen")
                       .arg(Title(event), Details(event));
    if (event.Kind == GreatEventKind::LunarEclipse || event.Kind == GreatEventKind::SolarEclipse) {
        const bool here = event.Solar && event.Solar->Local.Eclipsed;
        const QString ut = DateTimeOf(event.UT).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        text += u' ' +
                (here ? tr("Greatest eclipse here %1 UT.") : tr("Greatest eclipse %1 UT.")).arg(ut);
    }
    return text;
}

QString GreatEventTexts::Line(const GreatEvent& event, const QString& monthName) {
    return tr("%1 %2, %3: %4. %5")
        .arg(QString::number(event.Local.Day), monthName, LocalTime(event), Title(event),
             Details(event));
}

} // namespace selvane
