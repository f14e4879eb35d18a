// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/zones.h"

#include "core/settings.h"

#include <cmath>

namespace selvane {

namespace {

constexpr JulianDay kUnixEpoch = 2440587.5; // 1970 January 1, 0h UT
constexpr double kMsPerDay = 86400000.0;

} // namespace

JulianDay JulianDayOf(const QDateTime& instant) {
    return kUnixEpoch + static_cast<double>(instant.toMSecsSinceEpoch()) / kMsPerDay;
}

QDateTime DateTimeOf(JulianDay universal) {
    return QDateTime::fromMSecsSinceEpoch(std::llround((universal - kUnixEpoch) * kMsPerDay),
                                          QTimeZone::utc());
}

QTimeZone NamedZone(const std::string& id) {
    if (id.empty())
        return {};
    const QByteArray name = QByteArray::fromStdString(id);
    if (QTimeZone::isTimeZoneIdAvailable(name))
        return QTimeZone(name);
    // An id written by hand in other letter cases ("asia/kolkata") names the same zone.
    for (const QByteArray& known : QTimeZone::availableTimeZoneIds())
        if (known.compare(name, Qt::CaseInsensitive) == 0)
            return QTimeZone(known);
    return {};
}

ZoneOffsets OffsetsOf(const QTimeZone& zone) {
    return [zone](JulianDay universal) {
        // Old local mean times have odd seconds; the engine counts whole minutes.
        return static_cast<std::int32_t>(
            std::lround(-zone.offsetFromUtc(DateTimeOf(universal)) / 60.0));
    };
}

FixedZoneView FixedZoneViewOf(const QTimeZone& zone, const QDateTime& instant) {
    const int minutes = zone.standardTimeOffset(instant) / 60;
    const int index = minutes / 60 + 12;
    const bool listed = minutes % 60 == 0 && index >= 0 && index < kFixedZoneCount;
    return {listed ? index : kFixedZoneCount,
            listed ? FixedZoneText(index) : ZoneOffsetText(minutes), zone.isDaylightTime(instant)};
}

} // namespace selvane
