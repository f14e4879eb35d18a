// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings.h"

#include "core/settingsstore.h"
#include "core/zones.h"
#include "engine/text.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>

namespace selvane {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("selvane::Settings", text);
}

// The stored directions and their names for a person.
constexpr std::array<const char*, 4> kDirections = {
    QT_TRANSLATE_NOOP("selvane::Settings", "North"),
    QT_TRANSLATE_NOOP("selvane::Settings", "South"),
    QT_TRANSLATE_NOOP("selvane::Settings", "East"),
    QT_TRANSLATE_NOOP("selvane::Settings", "West"),
};

// The first run writes these, in this order. The zone goes in as "TimeZone" while every later
// read and write says "Timezone": names match without case, so both are one value.
const std::pair<const char*, const char*> kFirstRunValues[] = {
    {"LatDeg", "00"},
    {"LatMin", "00"},
    {"LatSec", "00"},
    {"LatDir", "North"},
    {"LongDeg", "00"},
    {"LongMin", "00"},
    {"LongSec", "00"},
    {"LongDir", "West"},
    {"Location", ""},
    {"DayOrder", "0"},
    {"DateLayout", "dd/mm/yyyy"},
    {"DateLayoutIdx", "0"},
    {"PrintSunTimes", "True"},
    {"PrintLunarTimes", "True"},
    {"PhasePrintout", "3"},
    {"PhaseDensity", "75"},
    {"TimeZone", "12"},
    {"DaylightSavings", "False"},
};

std::optional<std::int32_t> strictInt(const QString& text) {
    return ParseDecimal(text.toStdString());
}

// Strict conversion, low 8 bits kept; the default when the text is not an integer.
std::uint8_t strictByte(const QString& text, std::uint8_t fallback) {
    const auto v = strictInt(text);
    return v ? static_cast<std::uint8_t>(*v & 0xFF) : fallback;
}

// Lenient conversion: anything that is not an integer counts as 0.
std::uint8_t lenientByte(const QString& text) {
    return static_cast<std::uint8_t>(strictInt(text).value_or(0) & 0xFF);
}

std::string dmsPart(const QString& text) {
    const std::string part = CutText(text, kDmsLength);
    return ParseDecimal(part) ? part : "00";
}

// A missing direction reads as the one the sums take for it (north, west).
LocationAngle readAngle(const SettingsStore& store, const QString& prefix,
                        const std::string& missingDirection) {
    const std::string direction = CutText(store.read(prefix + "Dir"), kDirectionLength);
    return {dmsPart(store.read(prefix + "Deg")), dmsPart(store.read(prefix + "Min")),
            dmsPart(store.read(prefix + "Sec")), direction.empty() ? missingDirection : direction};
}

// A date pattern that names the day, the month or the year; an empty one or one without any
// of their letters would leave the time list's dates blank.
bool namesADate(const std::string& layout) {
    return layout.find_first_of("dDmMyY") != std::string::npos;
}

bool readBool(const SettingsStore& store, const char* name) {
    return store.read(QString::fromLatin1(name)) == QLatin1String("True");
}

// Writes a text the loader cuts to `length` characters. A longer stored text that the record
// holds cut, saved unchanged, keeps its stored form: what the user wrote stays written.
void writeText(SettingsStore& store, const QString& name, const std::string& value, int length) {
    const QString text = QString::fromStdString(value);
    const QString stored = store.read(name);
    if (stored != text && CutText(stored, length) == value)
        return;
    store.write(name, text);
}

void writeAngle(SettingsStore& store, const QString& prefix, const LocationAngle& a) {
    writeText(store, prefix + "Deg", a.Degrees, kDmsLength);
    writeText(store, prefix + "Min", a.Minutes, kDmsLength);
    writeText(store, prefix + "Sec", a.Seconds, kDmsLength);
    writeText(store, prefix + "Dir", a.Direction, kDirectionLength);
}

} // namespace

double DmsToDegrees(const LocationAngle& angle) noexcept {
    const double value = ParseDecimal(angle.Degrees).value_or(0) +
                         ParseDecimal(angle.Minutes).value_or(0) / 60.0 +
                         ParseDecimal(angle.Seconds).value_or(0) / 3600.0;
    return (angle.Direction == "South" || angle.Direction == "East") ? -value : value;
}

LocationAngle DegreesToDms(double degrees, bool latitude) {
    constexpr int kSecondsPerDegree = 3600;
    constexpr int kSecondsPerMinute = 60;
    const auto seconds = static_cast<int>(std::nearbyint(std::abs(degrees) * kSecondsPerDegree));
    const auto part = [](int value) {
        return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')).toStdString();
    };
    const bool negative = degrees < 0 && seconds > 0;
    return {part(seconds / kSecondsPerDegree),
            part(seconds % kSecondsPerDegree / kSecondsPerMinute),
            part(seconds % kSecondsPerMinute),
            latitude ? (negative ? "South" : "North") : (negative ? "East" : "West")};
}

std::int32_t UTOffsetFromSettings(std::int32_t timeZone, bool daylightSavings) noexcept {
    return (12 - timeZone) * 60 - (daylightSavings ? 60 : 0);
}

Observer ObserverFromSettings(const Settings& record, JulianDay at) {
    const double latitude = std::clamp(DmsToDegrees(record.Lat), -90.0, 90.0);
    const double longitude = std::clamp(DmsToDegrees(record.Long), -180.0, 180.0);
    const QTimeZone zone = NamedZone(record.ZoneName);
    if (!zone.isValid())
        return {latitude, longitude, UTOffsetFromSettings(record.TimeZone, record.DaylightSavings)};
    ZoneOffsets offsets = OffsetsOf(zone);
    const std::int32_t offset = offsets(at);
    return {latitude, longitude, offset, std::move(offsets)};
}

QString DirectionText(const std::string& stored) {
    for (const char* direction : kDirections)
        if (stored == direction)
            return Tr(direction);
    return QString::fromStdString(stored);
}

QString FixedZoneText(int index) {
    //: Greenwich Mean Time in the list of fixed zones; the space keeps it as wide as the others.
    return index == 12 ? Tr(QT_TRANSLATE_NOOP("selvane::Settings", "GMT "))
                       : ZoneOffsetText((index - 12) * 60);
}

QString ZoneOffsetText(int minutesEast) {
    //: A fixed zone: the sign, then the hours and minutes east of Greenwich ("GMT + 05:30").
    return QCoreApplication::translate("selvane::Settings", "GMT %1 %2:%3")
        .arg(minutesEast < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(std::abs(minutesEast) / 60, 2, 10, QLatin1Char('0'))
        .arg(std::abs(minutesEast) % 60, 2, 10, QLatin1Char('0'));
}

QString DaylightSavingText() {
    return QCoreApplication::translate("selvane::Settings", "Daylight Savings Time");
}

QString ZoneDescription(const Settings& s, bool namedZoneKnown) {
    if (namedZoneKnown)
        return QString::fromStdString(s.ZoneName);
    QString text = FixedZoneText(s.TimeZone).trimmed();
    if (s.DaylightSavings)
        text += QStringLiteral(", ") + DaylightSavingText();
    return text;
}

std::string CutText(const QString& text, int length) {
    QString t = text.left(length);
    if (!t.isEmpty() && t.back().isHighSurrogate())
        t.chop(1);
    return t.toStdString();
}

Settings LoadSettings(SettingsStore& store) {
    const Settings defaults;
    Settings s;
    bool wrote = false;

    if (!store.keyExists()) {
        store.createKey();
        for (const auto& [name, value] : kFirstRunValues)
            store.write(QString::fromLatin1(name), QString::fromLatin1(value));
        wrote = true;
    }

    s.Lat = readAngle(store, QStringLiteral("Lat"), defaults.Lat.Direction);
    s.Long = readAngle(store, QStringLiteral("Long"), defaults.Long.Direction);
    s.Location = CutText(store.read(QStringLiteral("Location")), kLocationLength);

    const auto dayOrder = strictInt(store.read(QStringLiteral("DayOrder")));
    s.DayOrder = (dayOrder && *dayOrder >= 0 && *dayOrder <= 6)
                     ? static_cast<std::uint8_t>(*dayOrder)
                     : defaults.DayOrder;

    s.DateLayout = CutText(store.read(QStringLiteral("DateLayout")), kDateLayoutLength);
    s.DateLayoutIdx = lenientByte(store.read(QStringLiteral("DateLayoutIdx")));
    if (!namesADate(s.DateLayout)) { // the store keeps its text until the window saves
        s.DateLayout = defaults.DateLayout;
        s.DateLayoutIdx = defaults.DateLayoutIdx;
    }

    s.PrintSunTimes = readBool(store, "PrintSunTimes");
    s.PrintLunarTimes = readBool(store, "PrintLunarTimes");
    s.PhasePrintout =
        strictByte(store.read(QStringLiteral("PhasePrintout")), defaults.PhasePrintout);

    const QString density = store.read(QStringLiteral("PhaseDensity"));
    if (density.isEmpty()) {
        store.write(QStringLiteral("PhaseDensity"), QStringLiteral("75"));
        wrote = true;
    } else {
        s.PhaseDensity = strictByte(density.left(5), defaults.PhaseDensity);
    }

    const QString zone = store.read(QStringLiteral("Timezone"));
    if (zone.isEmpty()) {
        store.write(QStringLiteral("Timezone"), QStringLiteral("12"));
        wrote = true;
    } else {
        const auto z = strictInt(zone);
        s.TimeZone = (z && *z >= 0 && *z <= 24) ? *z : defaults.TimeZone;
    }

    s.DaylightSavings = readBool(store, "DaylightSavings");
    // Not among the first run's values: a file without it keeps the fixed offset.
    s.ZoneName = CutText(store.read(QStringLiteral("ZoneName")), kZoneNameLength);

    if (wrote)
        store.commit(); // a store that cannot be written still loads: the record is complete
    return s;
}

SaveOutcome SaveConfiguration(SettingsStore& store, const Settings& s) {
    SaveOutcome outcome;
    outcome.KeyOpened = store.keyExists();
    writeAngle(store, QStringLiteral("Lat"), s.Lat);
    writeAngle(store, QStringLiteral("Long"), s.Long);
    writeText(store, QStringLiteral("Location"), s.Location, kLocationLength);
    store.write(QStringLiteral("DayOrder"), QString::number(s.DayOrder));
    writeText(store, QStringLiteral("DateLayout"), s.DateLayout, kDateLayoutLength);
    store.write(QStringLiteral("DateLayoutIdx"), QString::number(s.DateLayoutIdx));
    store.write(QStringLiteral("Timezone"), QString::number(s.TimeZone));
    store.write(QStringLiteral("DaylightSavings"),
                QString::fromLatin1(BoolText(s.DaylightSavings)));
    writeText(store, QStringLiteral("ZoneName"), s.ZoneName, kZoneNameLength);
    outcome.Written = store.commit();
    return outcome;
}

SaveOutcome SavePrintOptions(SettingsStore& store, const Settings& s) {
    SaveOutcome outcome;
    outcome.KeyOpened = store.keyExists();
    store.write(QStringLiteral("PhasePrintout"), QString::number(s.PhasePrintout));
    store.write(QStringLiteral("PrintLunarTimes"),
                QString::fromLatin1(BoolText(s.PrintLunarTimes)));
    store.write(QStringLiteral("PrintSunTimes"), QString::fromLatin1(BoolText(s.PrintSunTimes)));
    store.write(QStringLiteral("PhaseDensity"), QString::number(s.PhaseDensity));
    outcome.Written = store.commit();
    return outcome;
}

QString SaveMessage(const SaveOutcome& outcome, const SettingsStore& store,
                    const QString& heading) {
    if (!outcome.Written && !store.readProblem().isEmpty())
        return heading + QStringLiteral("\n\nThe settings file %1 could not be read (%2), so it "
                                        "is left as it is: this change will not survive a "
                                        "restart.")
                             .arg(store.location(), store.readProblem());
    if (!outcome.Written)
        return heading + QStringLiteral("\n\n") +
               QCoreApplication::translate("selvane::Settings",
                                           "The settings file %1 could not be written, so this "
                                           "change will not survive a restart.")
                   .arg(store.location());
    return outcome.KeyOpened ? QString() : heading;
}

} // namespace selvane
