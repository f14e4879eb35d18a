// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A main window over a settings file in a fresh folder, its clock fixed and its timer stopped,
// with its messages, beeps and desktop requests recorded instead of shown.

#include "../core/fixedclock.h"

#include "core/settings.h"
#include "core/settingsstore.h"
#include "ui/calendargrid.h"
#include "ui/datafiles.h"
#include "ui/tselvane.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <vector>

namespace selvane {

// 2024 March 15, 12:00:00 local time, a Friday.
inline const ClockTime kNoon15March{2024, 3, 5, 15, 12, 0, 0, 0};

inline LocaleTexts English() {
    return LocaleTexts::from(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

// Greenwich (51 28 38 N, 0 0 5 W) unless the arguments say otherwise; the locale's names of
// British English unless `texts` says otherwise.
struct Fixture {
    explicit Fixture(ClockTime time, const QString& latDir = QStringLiteral("North"),
                     const QString& timezone = QStringLiteral("12"),
                     const QList<std::pair<QString, QString>>& more = {},
                     const LocaleTexts& texts = English())
        : clock(time) {
        store = std::make_unique<IniSettingsStore>(dir.filePath(QStringLiteral("Selvane.ini")));
        LoadSettings(*store);
        const std::pair<const char*, QString> values[] = {
            {"LatDeg", "51"},   {"LatMin", "28"},    {"LatSec", "38"},
            {"LatDir", latDir}, {"LongDeg", "0"},    {"LongMin", "0"},
            {"LongSec", "5"},   {"LongDir", "West"}, {"Timezone", timezone}};
        for (const auto& [name, value] : values)
            store->write(QString::fromLatin1(name), value);
        for (const auto& [name, value] : more)
            store->write(name, value);
        store->commit();
        window = std::make_unique<TSelvane>(*store, clock, texts);
        window->Timer1->stop();
        window->services.showMessage = [this](const QString& text) {
            messages << text;
        };
        window->services.beep = [this] {
            ++beeps;
        };
        window->services.openUrl = [this](const QUrl& url) {
            opened << url;
        };
        window->services.printCalendar = [this](const CalendarPageData& page) {
            calendars.push_back(page);
        };
        window->services.printTimeTable = [this](const TimeTablePageData& page) {
            timeTables.push_back(page);
        };
        window->services.exportMoonCalendar = [this](const MoonCalendarRequest& request) {
            exports.push_back(request);
        };
    }

    QLabel* label(const char* name) const {
        return window->findChild<QLabel*>(QString::fromLatin1(name));
    }
    TDateLabel* cellOfDay(int day) const {
        for (TDateLabel* c : window->calendar().DateCells)
            if (c->day() == day)
                return c;
        return nullptr;
    }
    void type(const QString& keys) {
        for (QChar k : keys)
            QTest::keyClick(window.get(), k.toLatin1());
    }

    QTemporaryDir dir;
    FixedClock clock;
    std::unique_ptr<IniSettingsStore> store;
    std::unique_ptr<TSelvane> window;
    QStringList messages;
    int beeps = 0;
    QList<QUrl> opened;
    std::vector<CalendarPageData> calendars;
    std::vector<TimeTablePageData> timeTables;
    std::vector<MoonCalendarRequest> exports;
};

} // namespace selvane
