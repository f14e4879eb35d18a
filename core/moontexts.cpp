// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/moontexts.h"

#include "engine/moonevents.h"
#include "engine/risesettext.h"

#include <QCoreApplication>

#include <array>
#include <string_view>

namespace selvane {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate(kMoonTextsContext, text);
}

// In the order of PhaseState.
constexpr std::array<const char*, kPhaseStateCount> kPhaseStates = {
    QT_TRANSLATE_NOOP("selvane::MoonTexts", "New Moon"),
    QT_TRANSLATE_NOOP("selvane::MoonTexts", "Waning Crescent"),
    QT_TRANSLATE_NOOP("selvane::MoonTexts", "Last Quarter"),
    QT_TRANSLATE_NOOP("selvane::MoonTexts", "Waning Gibbous"),
    QT_TRANSLATE_NOOP("selvane::MoonTexts", "Full Moon"),
    QT_TRANSLATE_NOOP("selvane::MoonTexts", "Waxing Gibbous"),
    QT_TRANSLATE_NOOP("selvane::MoonTexts", "First Quarter"),
    QT_TRANSLATE_NOOP("selvane::MoonTexts", "Waxing Crescent"),
};

// In the order of MoonEventKind: the four phases as the phase states name them, then the
// apsides and the Moon's rise and set.
constexpr std::array<const char*, 8> kEvents = {
    kPhaseStates[0],
    kPhaseStates[6],
    kPhaseStates[4],
    kPhaseStates[2],
    QT_TRANSLATE_NOOP("selvane::MoonTexts", "Perigee"),
    QT_TRANSLATE_NOOP("selvane::MoonTexts", "Apogee"),
    QT_TRANSLATE_NOOP("selvane::MoonTexts", "Moonrise"),
    QT_TRANSLATE_NOOP("selvane::MoonTexts", "Moonset"),
};
static_assert(kEvents.size() == std::tuple_size_v<MoonEventNames>);

// The titles of CalcLunarRiseSet's entries.
constexpr std::array<const char*, 3> kMoonEventTitles = {
    QT_TRANSLATE_NOOP("selvane::MoonTexts", "Transit:"),
    QT_TRANSLATE_NOOP("selvane::MoonTexts", "Moonrise:"),
    QT_TRANSLATE_NOOP("selvane::MoonTexts", "Moonset:"),
};

// What the engine writes for an event that does not happen that day.
constexpr const char* kNone = QT_TRANSLATE_NOOP("selvane::MoonTexts", "None");
static_assert(std::string_view(kNone) == kNoneText);

QString TwoDigits(std::int64_t value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

QString PhaseStateText(PhaseState state) {
    return Tr(kPhaseStates.at(static_cast<std::size_t>(state)));
}

QString EventTimeText(const EventTime& event, std::size_t length) {
    if (event.State == EventState::None)
        return Tr(kNone).left(static_cast<qsizetype>(length));
    return QString::fromStdString(EventText(event, length));
}

QString MoonEventTitle(const std::string& engineTitle) {
    for (const char* title : kMoonEventTitles)
        if (engineTitle == title)
            return Tr(title);
    return QString::fromStdString(engineTitle);
}

MoonEventNames CalendarEventNames() {
    MoonEventNames names;
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = Tr(kEvents[i]).toStdString();
    return names;
}

QString AgeShown(const AgeFields& age) {
    //: The Moon's age since New Moon: days, hours, minutes, each two digits.
    return QCoreApplication::translate("selvane::MoonTexts", "%1d %2h %3m")
        .arg(TwoDigits(age.Days), TwoDigits(age.Hours), TwoDigits(age.Minutes));
}

QString SiderealTimeShown(const QString& clock) {
    //: The local sidereal time, hh:mm:ss.
    return QCoreApplication::translate("selvane::MoonTexts", "LST: %1").arg(clock);
}

} // namespace selvane
