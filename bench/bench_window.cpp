// Speed of a whole main-window tick (engine, labels, pictures and the repaint) and of the
// month's time list (the table and its rows drawn), offscreen.

#include "print/trisesettimelist.h"
#include "settings/settingsstore.h"
#include "ui/tselvane.h"
#include "ui/wallclock.h"
#include "widgets/localetexts.h"

#include <QApplication>
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

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
