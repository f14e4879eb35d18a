// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of a whole main-window tick (engine, labels, pictures and the repaint), of the
// month's time list (the table and its rows drawn), offscreen, and of the printed pages drawn
// on a 300-dpi A4 landscape image.

#include "pagefixture.h"

#include "core/localetexts.h"
#include "core/settingsstore.h"
#include "core/wallclock.h"
#include "print/printcal.h"
#include "ui/tselvane.h"
#include "windows/trisesettimelist.h"

#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

using namespace selvane;

// 2024 March 15, 12:00 UTC, moved a second at each tick.
class TickingClock final : public WallClock {
public:
    QDateTime now() const override { return time; }
    QDateTime time{QDate(2024, 3, 15), QTime(12, 0), QTimeZone::utc()};
};

void BM_window_tick(benchmark::State& state) {
    QTemporaryDir dir;
    IniSettingsStore store(dir.filePath(QStringLiteral("Selvane.ini")));
    TickingClock clock;
    TSelvane window(store, clock, LocaleTexts::from(QLocale(QLocale::English)));
    window.Timer1->stop();
    window.show();
    for (auto _ : state) {
        clock.time = clock.time.addSecs(1);
        window.Timer1Timer();
        window.repaint();
    }
}
BENCHMARK(BM_window_tick)->Unit(benchmark::kMillisecond);

void BM_display_time_list(benchmark::State& state) {
    QWidget mainWindow;
    TRiseSetTimeList list(&mainWindow, LocaleTexts::from(QLocale(QLocale::English)), [] {
        // A 31-day month at Greenwich.
        return TimeListMonth{2024, 3, Observer{51.4769, 0.0, 0}, QStringLiteral("dd/mm/yyyy"),
                             QStringLiteral("GMT")};
    });
    MonthTimeTable table;
    for (auto _ : state) {
        list.DisplayTimeList(false, table);
        benchmark::DoNotOptimize(list.listPicture().constBits());
    }
}
BENCHMARK(BM_display_time_list)->Unit(benchmark::kMillisecond);

// A white A4 landscape page at 300 dpi, drawn on once per iteration.
template <typename Data, typename Print>
void PrintToImage(benchmark::State& state, const Data& data, Print print) {
    QImage page(3508, 2480, QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(300 / 0.0254));
    page.setDotsPerMeterY(qRound(300 / 0.0254));
    for (auto _ : state) {
        page.fill(Qt::white);
        QPainter painter(&page);
        print(painter, page.size(), data);
    }
}

void BM_print_calendar_page(benchmark::State& state) {
    PrintToImage(state, March2024(), PrintCalendarPage);
}
BENCHMARK(BM_print_calendar_page)->Unit(benchmark::kMillisecond);

void BM_print_time_table_page(benchmark::State& state) {
    const CalendarPageData month = March2024();
    PrintToImage(state, TimeTablePageData{month.Header, month.Table, {}}, PrintTimeTablePage);
}
BENCHMARK(BM_print_time_table_page)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
