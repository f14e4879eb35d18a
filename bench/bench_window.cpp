// Speed of a whole main-window tick (engine, labels, pictures and the repaint), offscreen,
// and of the printed pages drawn on a 300-dpi A4 landscape image.

#include "engine/phases.h"
#include "print/printcal.h"
#include "settings/settingsstore.h"
#include "ui/tselvane.h"
#include "ui/wallclock.h"
#include "widgets/localetexts.h"

#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

using namespace selvane;

class TickingClock final : public WallClock {
public:
    ClockTime now() const override { return time; }
    ClockTime time{2024, 3, 5, 15, 12, 0, 0, 0};
};

void BM_window_tick(benchmark::State& state) {
    QTemporaryDir dir;
    IniSettingsStore store(dir.filePath(QStringLiteral("Selvane.ini")));
    TickingClock clock;
    TSelvane window(store, clock, LocaleTexts::from(QLocale(QLocale::English)));
    window.Timer1->stop();
    window.show();
    for (auto _ : state) {
        clock.time.Second = static_cast<std::uint16_t>((clock.time.Second + 1) % 60);
        window.Timer1Timer();
        window.repaint();
    }
}
BENCHMARK(BM_window_tick)->Unit(benchmark::kMillisecond);

// March 2024 at Greenwich, everything printed.
CalendarPageData PrintedMonth() {
    const LocaleTexts names = LocaleTexts::from(QLocale(QLocale::English));
    CalendarPageData data;
    data.Header = {2024,
                   3,
                   names.MonthHeadings[2],
                   true,
                   {"51", "28", "38", "North"},
                   {"00", "00", "05", "West"},
                   {}};
    data.WeekdayNames = names.LongDays;
    const MonthPhases phases = FindMonthPhases(2024, 3, 0, names.Months);
    for (int i = 0; i < phases.MajorPhaseCount; ++i)
        data.MajorPhases.push_back({QString::fromStdString(phases.Texts[i]),
                                    QString::fromStdString(phases.MajorPhaseTable[i].PhaseCode)});
    data.Table = FillMonthTimeTable(2024, 3, Observer{51.477222, 0.001389, 0});
    return data;
}

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
    PrintToImage(state, PrintedMonth(), PrintCalendarPage);
}
BENCHMARK(BM_print_calendar_page)->Unit(benchmark::kMillisecond);

void BM_print_time_table_page(benchmark::State& state) {
    const CalendarPageData month = PrintedMonth();
    PrintToImage(state, TimeTablePageData{month.Header, month.Table}, PrintTimeTablePage);
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
