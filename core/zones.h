// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Named time zones for the engine: the system's zone database behind the engine's offset
// function, and the conversions between the engine's Julian Days and Qt's date-times.

#include "engine/localtime.h"

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <string>
#include <vector>

namespace selvane {

// The universal instant of a date-time, as a Julian Day.
JulianDay JulianDayOf(const QDateTime& instant);

// A universal instant as a date-time in UTC, to the millisecond.
QDateTime DateTimeOf(JulianDay universal);

// The zone an IANA id names ("Europe/London", or "europe/london": ids match without regard to
// case), also by one of the database's other names ("Asia/Calcutta", "US/Eastern", "UTC");
// invalid for an empty or unknown id. The zone carries the id as the database spells it; an
// other name the system has no file for gives the zone it stands for.
QTimeZone NamedZone(const std::string& id);

// A name of the zone database: a zone's own ("Asia/Kolkata") or another name of a zone, a
// link ("Asia/Calcutta", the zone's former name, stands for "Asia/Kolkata").
struct ZoneId {
    QByteArray Id;
    QByteArray Zone; // the zone it stands for: Id itself, or the link's zone
    bool isLink() const { return Id != Zone; }
    friend bool operator==(const ZoneId&, const ZoneId&) = default;
};

// The names a zone database's compiled source gives (tzdata.zi: a line "Z <name> ..." for each
// zone, "L <zone> <name>" for each link), links followed to their zone, sorted by name.
std::vector<ZoneId> ZoneIdsOf(const QByteArray& source);

// Every zone name the system knows: its database's zones and links (read once from tzdata.zi
// in $TZDIR or /usr/share/zoneinfo) and the ids Qt offers ("UTC+05:30"), sorted by name.
const std::vector<ZoneId>& SystemZoneIds();

// The zone's offsets as the engine takes them: minutes to add to local clock time to get
// universal time, in force at each universal instant.
ZoneOffsets OffsetsOf(const QTimeZone& zone);

// A named zone as the settings' fixed zone would give it at an instant: the fixed zone of its
// standard offset (0..24), or kFixedZoneCount for an offset the whole hours lack (+05:30,
// +14:00); that offset's text ("GMT + 05:30"); and whether daylight saving is in force.
struct FixedZoneView {
    int Index = 12;
    QString Text;
    bool DaylightSavings = false;
};
FixedZoneView FixedZoneViewOf(const QTimeZone& zone, const QDateTime& instant);

} // namespace selvane
