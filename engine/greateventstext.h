// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// English texts of the Moon's great events. The numbers come from greatevents.h; these
// formatters only put them into words, so a front end with its own (translated) texts can
// build them from the same numbers.

#include "engine/greatevents.h"

#include <array>
#include <string>
#include <vector>

namespace selvane {

// The contacts' short names in the order of LunarContact and SolarContact.
inline constexpr std::array<const char*, kLunarContacts> kLunarContactNames = {
    "P1", "U1", "U2", "Greatest", "U3", "U4", "P4"};
inline constexpr std::array<const char*, kSolarContacts> kSolarContactNames = {
    "C1", "C2", "Greatest", "C3", "C4"};

// "Total lunar eclipse", "Annular solar eclipse", "Supermoon", "Blue moon".
std::string GreatEventTitle(const GreatEvent& event);

// One line for a list:
//   "Total lunar eclipse, umbral magnitude 1.178, visible here"
//   "Penumbral lunar eclipse, penumbral magnitude 0.956, not visible here"
//   "Total solar eclipse, partial here, magnitude 0.998, 99.9 % of the Sun covered"
//   "Annular solar eclipse, annular here, magnitude 0.947, 89.5 % of the Sun covered"
//   "Total solar eclipse, not visible here"
//   "Supermoon, Full Moon at 356 980 km"
//   "Blue moon, the second Full Moon of the month"
// Magnitudes have three decimals (halves to even); the covered part of the Sun is cut, not
// rounded, to a tenth of a percent, so a partial eclipse never reads 100 %.
std::string GreatEventSummary(const GreatEvent& event);

// The magnitude a list gives an eclipse, with GreatEventSummary's three decimals: a lunar
// eclipse's umbral magnitude (its penumbral one when it is penumbral); a solar eclipse's at the
// place when the Moon covers part of the Sun there, else at the place of greatest eclipse.
// Empty for a supermoon or a blue moon.
std::string GreatEventMagnitude(const GreatEvent& event);

// The header line of GreatEventsCsv, without its line end.
inline constexpr const char* kGreatEventsCsvHeader =
    "kind,local_date,local_time,ut,magnitude,visible";

// The events as comma-separated values: the header line, then one line per event, each line
// ending with "\n":
//   kind        GreatEventTitle: "Total lunar eclipse", "Partial solar eclipse", "Supermoon", ...
//   local_date  the event's instant on the observer's clock, "2025-03-14" ...
//   local_time  ... and "07:58" (GreatEvent::Local, the minutes cut)
//   ut          the instant in universal time, "2025-03-14T06:58:41Z", the seconds cut
//   magnitude   GreatEventMagnitude: "1.178", or empty
//   visible     "yes" or "no" (GreatEvent::Visible)
// No field holds a comma or a quote, so none is quoted.
std::string GreatEventsCsv(const std::vector<GreatEvent>& events);

} // namespace selvane
