// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/zones.h"

#include "core/settings.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <map>

namespace selvane {

namespace {

constexpr JulianDay kUnixEpoch = 2440587.5; // 1970 January 1, 0h UT
constexpr double kMsPerDay = 86400000.0;

// Sorted by name, each name once: the first entry of a name stays.
std::vector<ZoneId> SortedByName(std::vector<ZoneId> ids) {
    std::stable_sort(ids.begin(), ids.end(),
                     [](const ZoneId& a, const ZoneId& b) { return a.Id < b.Id; });
    const auto repeated = std::unique(
        ids.begin(), ids.end(), [](const ZoneId& a, const ZoneId& b) { return a.Id == b.Id; });
    ids.erase(repeated, ids.end());
    return ids;
}

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
    // Another name of a zone, or an id written by hand in other letter cases ("asia/kolkata"):
    // the same zone.
    const std::vector<ZoneId>& known = SystemZoneIds();
    const auto found = std::find_if(known.begin(), known.end(), [&name](const ZoneId& zone) {
        return zone.Id.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (found == known.end())
        return {};
    const QTimeZone zone(found->Id);
    return zone.isValid() ? zone : QTimeZone(found->Zone);
}

std::vector<ZoneId> ZoneIdsOf(const QByteArray& source) {
    std::vector<ZoneId> ids;
    std::map<QByteArray, QByteArray> links; // name -> the name it links to
    for (const QByteArray& line : source.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 2 && fields[0] == "Z")
            ids.push_back({fields[1], fields[1]});
        else if (fields.size() >= 3 && fields[0] == "L")
            links[fields[2]] = fields[1];
    }
    for (const auto& [name, target] : links) {
        // A link may name another link: followed a few steps, so a loop ends.
        QByteArray zone = target;
        for (int step = 0; step < 8 && links.count(zone) != 0; ++step)
            zone = links.at(zone);
        ids.push_back({name, zone});
    }
    return SortedByName(std::move(ids));
}

const std::vector<ZoneId>& SystemZoneIds() {
    // The database does not change while the program runs: read once.
    static const std::vector<ZoneId> ids = [] {
        QByteArray source;
        const QString folders[] = {qEnvironmentVariable("TZDIR"),
                                   QStringLiteral("/usr/share/zoneinfo"),
                                   QStringLiteral("/usr/lib/zoneinfo")};
        for (const QString& folder : folders) {
            QFile file(QDir(folder).filePath(QStringLiteral("tzdata.zi")));
            if (!folder.isEmpty() && file.open(QIODevice::ReadOnly)) {
                source = file.readAll();
                break;
            }
        }
        std::vector<ZoneId> all = ZoneIdsOf(source);
        // Qt's own ids too (its fixed offsets, "UTC+05:30"); a name both have keeps the
        // database's entry, which knows its links.
        for (const QByteArray& id : QTimeZone::availableTimeZoneIds())
            all.push_back({id, id});
        return SortedByName(std::move(all));
    }();
    return ids;
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
