// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The configuration window's entries as a value: what the window shows for a settings record,
// and the record it stores for what was entered. The window fills and reads its controls
// through it; nothing here needs a widget.

#include "core/places.h"
#include "core/settings.h"

#include <QString>

#include <array>
#include <string>

namespace selvane {

// A number field: how many digits it takes, its highest value (as the range message names it)
// and the record's text it shows.
struct ConfigNumber {
    int Digits;
    const char* Bound;
    LocationAngle Settings::*Angle;
    std::string LocationAngle::*Part;
};

// The number fields in the window's order: the latitude's degrees, minutes and seconds, then
// the longitude's.
inline constexpr std::array<ConfigNumber, 6> kConfigNumbers = {{
    {2, "90", &Settings::Lat, &LocationAngle::Degrees},
    {2, "59", &Settings::Lat, &LocationAngle::Minutes},
    {2, "59", &Settings::Lat, &LocationAngle::Seconds},
    {3, "180", &Settings::Long, &LocationAngle::Degrees},
    {2, "59", &Settings::Long, &LocationAngle::Minutes},
    {2, "59", &Settings::Long, &LocationAngle::Seconds},
}};

// The lists' items: the calendar's first weekday (the record's DayOrder is the item) and the
// time list's date layouts (DateLayoutIdx is the item, DateLayout its text). The window shows
// them translated; the record keeps the item and the English layout.
inline constexpr std::array<const char*, 7> kDayOrders = {
    QT_TRANSLATE_NOOP("selvane::TfConfig", "Sunday - Saturday"),
    QT_TRANSLATE_NOOP("selvane::TfConfig", "Monday - Sunday"),
    QT_TRANSLATE_NOOP("selvane::TfConfig", "Tuesday - Monday"),
    QT_TRANSLATE_NOOP("selvane::TfConfig", "Wednesday - Tuesday"),
    QT_TRANSLATE_NOOP("selvane::TfConfig", "Thursday - Wednesday"),
    QT_TRANSLATE_NOOP("selvane::TfConfig", "Friday - Thursday"),
    QT_TRANSLATE_NOOP("selvane::TfConfig", "Saturday - Friday"),
};
//: The time list's date layouts: d the day, m the month, y the year; "/" stands for the
//: locale's date separator.
inline constexpr std::array<const char*, 2> kDateLayouts = {
    QT_TRANSLATE_NOOP("selvane::TfConfig", "dd/mm/yyyy"),
    QT_TRANSLATE_NOOP("selvane::TfConfig", "mm/dd/yyyy"),
};

// What the window's controls hold.
struct ConfigForm {
    std::array<QString, kConfigNumbers.size()> Numbers; // the number fields' texts
    QString LatDirection;                               // "North" or "South", or as stored
    QString LongDirection;                              // "East" or "West", or as stored
    QString Location;
    int DayOrder = 0;   // the item of kDayOrders
    int DateLayout = 0; // the item of kDateLayouts
    // The fixed zone (an item of the whole-hour list, 0..24) and its daylight saving, kept as
    // they are while a named zone is chosen.
    int FixedZone = 12;
    bool FixedDaylight = false;
    // The named zone's id; empty for the fixed offset.
    QString ZoneName;
};

// What the window shows for a record: a number longer than its field's digits without the
// leading zeros it has no room for ("051" as "51", "000" as "00"; one too long even so shows
// whole); a day order outside the list as the first item; the date layout's stored item, else
// the item reading the stored layout, else the first; a fixed zone outside 0..24 as item 0.
ConfigForm FormOf(const Settings& record);

// The record the window stores for what was entered, over the record it showed: an empty
// number field is "00", and a number as FormOf(record) shows it keeps the record's text ("051"
// stays "051"); so do the location, the directions and the zone's name (a hand-written
// location keeps its tab); the other texts are cut to the record's lengths, the location on
// one line (OneLineText); the date layout's text is its item's.
Settings RecordOf(const ConfigForm& entered, const Settings& record);

// What the Location field holds for a place chosen from the list: its own name with its region
// and country as the list writes them, "St. John's, Newfoundland and Labrador, Canada", so that
// namesakes stay apart; also for a place found by another name (Köln, not Cologne), so that a
// place reads the same however it was found. Longer than the field's kLocationLength characters
// (UTF-16 units, as the field and the record count them), it drops the region; longer still, it
// ends at the last space that fits (a single word too long at the last whole character, never
// inside a surrogate pair or between a letter and its accent), without a comma at its end.
QString PlaceLocation(const Place& place);

// A text on one line: each line break (CR LF as one), tab or other control character becomes
// a space. What is pasted into the location is kept so.
QString OneLineText(const QString& text);

} // namespace selvane
