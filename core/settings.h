// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The persisted preferences and their loading from and saving to the settings store.

#include "engine/localtime.h"

#include <QString>

#include <cstdint>
#include <string>

namespace selvane {

class SettingsStore;

// The stored text form of one coordinate: three decimal integers and a direction text
// ("North"/"South" for a latitude, "East"/"West" for a longitude).
struct LocationAngle {
    std::string Degrees;
    std::string Minutes;
    std::string Seconds;
    std::string Direction;
    friend bool operator==(const LocationAngle&, const LocationAngle&) = default;
};

// Signed decimal degrees of a stored coordinate: "South" and "East" (exactly so) are
// negative. A part that is not a decimal integer counts as 0, the first-run value of
// every part; the settings loader already replaces such texts.
double DmsToDegrees(const LocationAngle& angle) noexcept;

// The stored form of signed decimal degrees in DmsToDegrees' sense (a latitude north positive,
// a longitude west positive), to the nearest second: two-digit texts ("51", "28", "08") and
// "North"/"South" or "West"/"East"; 0 takes "North" or "West", the first run's directions.
LocationAngle DegreesToDms(double degrees, bool latitude);

// Minutes to add to local clock time to get universal time, for the settings' time-zone
// index (0..24: zone index - 12 hours east of Greenwich) and daylight-saving flag.
std::int32_t UTOffsetFromSettings(std::int32_t timeZone, bool daylightSavings) noexcept;

// Longest texts the record keeps, in characters.
inline constexpr int kDmsLength = 3;
inline constexpr int kDirectionLength = 6;
inline constexpr int kLocationLength = 64;
inline constexpr int kDateLayoutLength = 10;
inline constexpr int kZoneNameLength = 64;

// The fixed zones of the settings' index 0..24, (index - 12) hours east of GMT.
inline constexpr int kFixedZoneCount = 25;

// A fixed zone's name: "GMT - 12:00" .. "GMT - 01:00", "GMT " (with its space), "GMT + 01:00"
// .. "GMT + 12:00".
QString FixedZoneText(int index);
// An offset east of GMT in the fixed zones' form, minutes included: "GMT + 05:30".
QString ZoneOffsetText(int minutesEast);

// A stored direction ("North", "South", "East", "West") in the user's language; another text
// as it is stored.
QString DirectionText(const std::string& stored);

// "Daylight Savings Time" in the user's language.
QString DaylightSavingText();

// The zone the settings put the observer's clock in, for a heading or a printed line: the
// named zone's id, else the fixed zone's name, with ", Daylight Savings Time" when in force.
QString ZoneDescription(const struct Settings& settings, bool namedZoneKnown);

// The first `length` characters of a text, never ending inside a surrogate pair, in UTF-8.
std::string CutText(const QString& text, int length);

// One program-wide record, filled at start-up and changed only by the two settings windows.
// Texts are UTF-8.
struct Settings {
    std::uint8_t DayOrder = 0; // first calendar column: 0 Sunday .. 6 Saturday
    LocationAngle Lat{"00", "00", "00", "North"};
    LocationAngle Long{"00", "00", "00", "West"};
    std::string Location;                  // free name of the place, at most 64 characters
    std::string DateLayout = "dd/mm/yyyy"; // or "mm/dd/yyyy"
    std::uint8_t DateLayoutIdx = 0;        // position of DateLayout in its list
    bool PrintSunTimes = true;
    bool PrintLunarTimes = true;
    std::uint8_t PhasePrintout = 3; // 0 daily pictures, 1 major phases, 2 neither, 3 both
    bool DaylightSavings = false;
    std::uint8_t PhaseDensity = 75; // darkness of printed daily shadows, percent
    std::int32_t TimeZone = 12;     // 0..24, zone (index - 12) hours east of GMT
    // An IANA zone id ("Europe/London"): local times then follow that zone's offset at each
    // instant. Empty (the default, or a file without it): TimeZone and DaylightSavings.
    std::string ZoneName;

    friend bool operator==(const Settings&, const Settings&) = default;
};

// Booleans are stored as these texts; only exactly "True" reads as true.
inline const char* BoolText(bool value) {
    return value ? "True" : "False";
}

// Loads the record, first writing the complete set of defaults when the key does not exist
// and completing a missing "PhaseDensity" or "Timezone". Never fails: a strictly converted
// value that is not an integer, a time-zone index outside 0..24, a day order outside 0..6, a
// missing direction and a date layout without a day, month or year letter load as their
// first-run defaults (without writing them), and over-long texts keep their first characters.
// Writes that fail leave the store as it was; the loaded record is the same.
Settings LoadSettings(SettingsStore& store);

// The observer a record describes. Its latitude and longitude are held to the globe (each
// field is checked on its own, so 90 59' 59" N can be stored). Its clock is the named zone's
// when the system knows the record's zone, with the offsets in force at each instant, else the
// fixed zone with its daylight-saving hour; UTOffsetMinutes is the offset in force at the
// universal instant `at`.
Observer ObserverFromSettings(const Settings& record, JulianDay at);

// Whether the stored latitude asks for the Moon pictures turned to the southern view.
inline bool StartsInSouthernView(const Settings& s) {
    return s.Lat.Direction == "South";
}

// What a settings window's save found: whether the key could be opened for saving (when it
// could not, the window reports it and writes anyway) and whether the writes reached the store.
struct SaveOutcome {
    bool KeyOpened = false;
    bool Written = false;
};

// The configuration window's values: location, day order, date layout, zone, daylight saving
// and the zone's name. A stored text longer than the record keeps (an 80-character location),
// saved as the record holds its first characters, keeps its stored form.
SaveOutcome SaveConfiguration(SettingsStore& store, const Settings& s);

// The print options window's values.
SaveOutcome SavePrintOptions(SettingsStore& store, const Settings& s);

// A settings window's message after saving: empty when all went well; `heading` when the key
// had to be made anew; `heading` and, after it, the store's file (and, when it could not be
// read, why) and that the change lasts only until the program ends, when the writes did not
// reach the store.
QString SaveMessage(const SaveOutcome& outcome, const SettingsStore& store, const QString& heading);

} // namespace selvane
