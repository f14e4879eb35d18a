// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Moon's events as a calendar file for the user's own calendar program: its name and its
// bytes, the same for the time list's export and the command line.

#include "engine/localtime.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace selvane {

// The name a calendar file is offered under: "Selvane Moon 2025.ics" for a year (month
// kWholeYear), "Selvane Moon March 2025.ics" for a month, with the month's name given.
QString MoonCalendarFileName(int year, int month, const QString& monthName);

// The iCalendar file of a year (month kWholeYear) or a month (1..12): the major phases, the
// apsides and the great events (eclipses over their contacts, supermoons, blue moons, as seen
// from the observer's place), with each day's moonrise and moonset there when asked. `made` is
// the file's time stamp; `location` names the place of the rises and sets (may be empty).
QByteArray MoonCalendarFile(int year, int month, const Observer& observer, bool withRiseSet,
                            const QDateTime& made, const QString& location);

} // namespace selvane
