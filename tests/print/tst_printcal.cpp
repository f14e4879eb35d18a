// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "../core/pagefixture.h"
#include "print/printcal.h"

#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

using namespace selvane;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kShade75 = qRgb(64, 64, 64); // the shadow at the default density
constexpr int kW = 3508;                // A4 landscape at 300 dpi
constexpr int kH = 2480;

template <typename Data, typename Print>
QImage Render(const Data& data, Print print) {
    QImage image(kW, kH, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(300 / 0.0254));
    image.setDotsPerMeterY(qRound(300 / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    print(painter, image.size(), data);
    return image;
}
QImage RenderCalendar(const CalendarPageData& d) {
    return Render(d, PrintCalendarPage);
}

int FontHeight(const QImage& device, int points) {
    QFont font(QStringLiteral("Times New Roman"), points, QFont::Bold);
    return QFontMetrics(font, &device).height();
}

// The calendar's cells as measured on the page: seven columns of a seventh of its width, six
// rows between the weekday row and the footer.
struct Cells {
    int top, c, r;
    QPoint cell(int j) const { return {(j % 7) * c, top + (j / 7) * r}; }
    QPoint picture(int j) const { return cell(j) + QPoint((c - 180) / 2, (r - 180) / 2); }
    QPoint symbol(int j) const { return cell(j) + QPoint(12, r - 72); }
};
// The rows are read off the black lines three units in from the page's left edge: the weekday
// row's top and bottom, then the top of the second row of cells (the first column's first
// cell is empty in March 2024 whatever the first weekday).
Cells CalendarCells(const QImage& page) {
    std::vector<int> lines;
    for (int y = 1; y < kH && lines.size() < 3; ++y)
        if (page.pixel(3, y) == kBlack && page.pixel(3, y - 1) != kBlack)
            lines.push_back(y);
    if (lines.size() < 3)
        return {0, kW / 7, 0};
    const int top = lines[1] + 1;
    return {top, kW / 7, lines[2] - top};
}
int March(int day) {
    return 5 + day - 1;
} // the cell of a day of March 2024, Sunday first

bool Ink(QRgb pixel) {
    return qGray(pixel) < 128;
}
bool InkIn(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (Ink(image.pixel(x, y)))
                return true;
    return false;
}

} // namespace

class TestPrintCal : public QObject {
    Q_OBJECT

private slots:
    void boxesOnlyForTheMonthsDays();
    void dailyPictures();
    void timesStandInTheCellsRightCorners();
    void densityAndPhaseChoices();
    void majorPhasesLegendAndFooter();
    void timeTableBands();
    void pdfPagesHoldTheTexts();
    void greatEventsInTheirCellsAndUnderTheTable();
};

void TestPrintCal::boxesOnlyForTheMonthsDays() {
    // Day 1, a Friday, stands in the column of Friday counted from the first weekday.
    for (const auto& [dayOrder, firstColumn] : {std::pair{0, 5}, {1, 4}, {6, 6}}) {
        const QImage page = RenderCalendar(March2024(true, dayOrder));
        const Cells cells = CalendarCells(page);
        for (int j = 0; j < 42; ++j) // the middle of the cell's top edge
            QCOMPARE(page.pixel(cells.cell(j) + QPoint(cells.c / 2, 0)) == kBlack,
                     j >= firstColumn && j < firstColumn + 31);
    }
}

void TestPrintCal::dailyPictures() {
    // The shadow across the middle row of the picture, in units from its left edge (0..179),
    // from the illuminated percent at 0h UT of a low-precision hand computation: the depth
    // m = 180 (100 - percent) div 100 from the limb, or a half and a lens of m - 90.
    struct Case {
        int day;
        bool north;
        int darkFrom, darkTo; // -1: no shadow
    };
    const Case cases[] = {
        {1, true, 179 - 45, 179},    // waning gibbous, 75 %
        {1, false, 0, 45},           //
        {4, true, 180 - 97, 179},    // waning crescent, 46 %
        {10, true, 0, 179},          // New Moon
        {13, true, 0, 162},          // waxing crescent, 10 %
        {13, false, 180 - 162, 179}, //
        {17, true, 0, 89},           // First Quarter
        {17, false, 90, 179},        //
        {20, true, 0, 41},           // waxing gibbous, 77 %
        {25, true, -1, -1},          // Full Moon
    };
    const QImage pages[] = {RenderCalendar(March2024(false)), RenderCalendar(March2024(true))};
    for (const Case& t : cases) {
        const QImage& page = pages[t.north];
        const QPoint at = CalendarCells(page).picture(March(t.day));
        for (int u = 3; u <= 176; ++u) {
            const QRgb pixel = page.pixel(at.x() + u, at.y() + 90);
            if (u > t.darkFrom + 2 && u < t.darkTo - 2)
                QCOMPARE(pixel, kShade75);
            else if (t.darkFrom < 0 || u < t.darkFrom - 2 || u > t.darkTo + 2)
                QCOMPARE(pixel, kWhite);
        }
        // Centred in the cell: the outline runs one unit outside the 180-unit square.
        for (const QPoint& rim : {QPoint(-1, 90), QPoint(180, 90), QPoint(90, -1), QPoint(90, 180)})
            QCOMPARE(page.pixel(at + rim), kShade75);
        for (const QPoint& out : {QPoint(-3, 90), QPoint(182, 90), QPoint(90, -3), QPoint(90, 182)})
            QCOMPARE(page.pixel(at + out), kWhite);
    }
}

void TestPrintCal::timesStandInTheCellsRightCorners() {
    // The Sun's three lines at the top right of a day's cell, the Moon's at the bottom right,
    // each 12 units from the cell's edge; the labels "SR:" .. "MS:" begin 132 units left of the
    // right edge. 7-point type at 300 dpi is 29 units to the em: between a line's box and its
    // glyphs lie less than half of that, so the ink is 12 to 27 units from the edge.
    const QImage page = RenderCalendar(March2024());
    const Cells cells = CalendarCells(page);
    QVERIFY(cells.r > 300);
    for (int day : {1, 17, 31}) { // rows 0, 3 and 5
        const QPoint cell = cells.cell(March(day));
        const int labels = cell.x() + cells.c - 132;
        // The rows and the left edge of the ink in the labels' column.
        std::vector<std::pair<int, int>> runs; // first and last row of each line
        int left = kW;
        for (int y = cell.y() + 2; y < cell.y() + cells.r - 2; ++y) {
            bool ink = false;
            for (int x = labels - 4; x < labels + 48; ++x)
                if (Ink(page.pixel(x, y)))
                    ink = true, left = qMin(left, x);
            if (ink && (runs.empty() || runs.back().second != y - 1))
                runs.push_back({y, y});
            else if (ink)
                runs.back().second = y;
        }
        QCOMPARE(int(runs.size()), 6);
        const int fromTop = runs.front().first - cell.y();
        const int fromBottom = cell.y() + cells.r - 1 - runs.back().second;
        QVERIFY2(fromTop > 12 && fromTop <= 27, qPrintable(QString::number(fromTop)));
        QVERIFY2(fromBottom > 12 && fromBottom <= 27, qPrintable(QString::number(fromBottom)));
        QVERIFY2(left >= labels && left <= labels + 4, qPrintable(QString::number(left - labels)));
        // Three evenly spaced lines in each corner.
        for (int i : {0, 3})
            QVERIFY(qAbs((runs[i + 2].second - runs[i + 1].second) -
                         (runs[i + 1].second - runs[i].second)) <= 1);
    }
}

void TestPrintCal::densityAndPhaseChoices() {
    // New Moon on the 10th, Full Moon on the 25th. Density 0 prints white on white.
    struct Case {
        int printout, density;
        bool symbols;
        QRgb shade;
    };
    for (const Case& t :
         {Case{3, 75, true, kShade75}, Case{3, 100, true, kBlack}, Case{0, 0, false, kWhite},
          Case{1, 75, true, kWhite}, Case{2, 75, false, kWhite}}) {
        CalendarPageData data = March2024();
        data.Choices.PhasePrintout = static_cast<std::uint8_t>(t.printout);
        data.Choices.PhaseDensity = static_cast<std::uint8_t>(t.density);
        const QImage page = RenderCalendar(data);
        const Cells cells = CalendarCells(page);
        QCOMPARE(page.pixel(cells.picture(March(10)) + QPoint(90, 90)), t.shade);
        QCOMPARE(page.pixel(cells.picture(March(25)) + QPoint(-1, 90)), t.shade);
        if (t.shade == kWhite)
            QVERIFY(!InkIn(page, QRect(cells.picture(March(10)) - QPoint(2, 2), QSize(184, 184))));
        QCOMPARE(page.pixel(cells.symbol(March(10)) + QPoint(30, 30)) == kBlack, t.symbols);
        QCOMPARE(InkIn(page, QRect(cells.symbol(March(10)) + QPoint(72, 0), QSize(80, 60))),
                 t.symbols);
        QCOMPARE(page.pixel(kW - 250 + 15, 65), kBlack); // the legend's New Moon, always
    }
}

void TestPrintCal::majorPhasesLegendAndFooter() {
    // Which half is black seen from the north: LQ on the 3rd, NM 10th, FQ 17th, FM 25th.
    struct Symbol {
        int day;
        bool northLeft, northRight;
    };
    for (bool north : {true, false}) {
        const QImage page = RenderCalendar(March2024(north));
        const Cells cells = CalendarCells(page);
        for (const Symbol& s : {Symbol{3, false, true}, Symbol{10, true, true},
                                Symbol{17, true, false}, Symbol{25, false, false}}) {
            const QPoint at = cells.symbol(March(s.day));
            QCOMPARE(page.pixel(at + QPoint(15, 30)) == kBlack, north ? s.northLeft : s.northRight);
            QCOMPARE(page.pixel(at + QPoint(45, 30)) == kBlack, north ? s.northRight : s.northLeft);
            QCOMPARE(page.pixel(at + QPoint(0, 30)), kBlack); // the outline
            QCOMPARE(page.pixel(at + QPoint(-3, 30)), kWhite);
            QVERIFY(InkIn(page, QRect(at + QPoint(72, 0), QSize(80, 60)))); // the time
        }
        // The legend at W - 250: New Moon, First Quarter, Full Moon, Last Quarter.
        const std::array<std::pair<bool, bool>, 4> legend = {
            {{true, true}, {north, !north}, {false, false}, {!north, north}}};
        for (int i = 0; i < 4; ++i) {
            const int y = 65 + 50 * i;
            QCOMPARE(page.pixel(kW - 250 + 7, y) == kBlack, legend[i].first);
            QCOMPARE(page.pixel(kW - 250 + 22, y) == kBlack, legend[i].second);
            QVERIFY(InkIn(page, QRect(kW - 208, y - 10, 150, 20))); // the name
        }
        // The footer line is centred, in the bottom quarter of the page's last 64 units.
        int left = kW, right = 0;
        for (int y = kH - 60; y < kH - 1; ++y)
            for (int x = 1; x < kW - 1; ++x)
                if (Ink(page.pixel(x, y)))
                    left = qMin(left, x), right = qMax(right, x);
        QVERIFY(right - left > 500 && qAbs(left + right - kW) <= 4);
    }
}

void TestPrintCal::timeTableBands() {
    // The rows share the height between the title block and the footer; every second is grey.
    for (const auto& [year, month, rows] :
         {std::tuple{2023, 2, 28}, {2024, 2, 29}, {2024, 1, 31}}) {
        TimeTablePageData data{March2024().Header, {}, {}};
        data.Header.Year = year;
        data.Header.Month = month;
        const QImage page = Render(data, PrintTimeTablePage);
        const int top = 3 * FontHeight(page, 24);
        const double h = double(kH - 2 * FontHeight(page, 7) - top) / rows;
        for (int i = 0; i < rows; ++i) {
            const int middle = top + int((i + 0.5) * h);
            for (int x : {102, kW / 2 - 500, kW - 102}) // where no text stands
                QCOMPARE(page.pixel(x, middle), i % 2 ? qRgb(180, 180, 180) : kWhite);
            QCOMPARE(page.pixel(98, middle), kWhite);
        }
        for (int y : {215, 323}) // the lines around the headings
            QCOMPARE(page.pixel(kW / 2, y), kBlack);
    }
}

void TestPrintCal::pdfPagesHoldTheTexts() {
    QTemporaryDir dir;
    const CalendarPageData data = March2024(true, 6);
    const QString calendarPdf = dir.filePath("calendar.pdf"), tablePdf = dir.filePath("table.pdf");
    for (const QString& file : {calendarPdf, tablePdf}) {
        QPdfWriter writer(file);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, {}));
        QPainter painter(&writer);
        const QSize page(writer.width(), writer.height());
        if (file == calendarPdf)
            PrintCalendarPage(painter, page, data);
        else
            PrintTimeTablePage(painter, page, {data.Header, data.Table, {}});
    }
    // The calendar: title, location, weekdays from Saturday, legend, the phases' times, footer.
    QCOMPARE(PdfProblems(calendarPdf,
                         {"March 2024",
                          "Northern Hemisphere: Latitude: 51\u00BA 28' 38\" North, Longitude: "
                          "00\u00BA 00' 05\" West",
                          "Saturday Sunday Monday Tuesday Wednesday Thursday Friday", "New Moon",
                          "First Quarter", "Full Moon", "Last Quarter", "15:24", "09:01", "04:11",
                          "07:01", "Printed by Selvane V1.13 (https://selvane.example.org/)"}),
             QString());
    // The cells' times, read row by row and left to right, follow the days.
    const QString calendar = Run("pdftotext", {"-layout", calendarPdf, "-"});
    using Member = EventTime RiseTransitSet::*;
    for (const auto& [body, times] :
         {std::pair{'S', &DayTimes::SunTimes}, {'M', &DayTimes::MoonTimes}})
        for (const auto& [event, member] : {std::pair<char, Member>{'R', &RiseTransitSet::Rise},
                                            {'T', &RiseTransitSet::Transit},
                                            {'S', &RiseTransitSet::Set}}) {
            QStringList want, got;
            for (int d = 0; d < 31; ++d)
                want << QString::fromStdString(TableText(data.Table.Days[d].*times.*member));
            auto it = QRegularExpression(QString(body) + event + ": *(\\S+)").globalMatch(calendar);
            while (it.hasNext())
                got << it.next().captured(1);
            QCOMPARE(got, want);
        }

    // The time table: the headings, then a line per day with its texts in column order.
    QCOMPARE(PdfProblems(tablePdf, {"Moon", "Twilight Start", "Sun", "Twilight End",
                                    "Date Rise Transit Set Illum. Ast. Naut. Civil Rise Transit "
                                    "Set Ast. Naut. Civil"}),
             QString());
    const QString lines = Run("pdftotext", {"-layout", tablePdf, "-"});
    for (int d = 1; d <= 31; ++d) {
        const DayTimes& t = data.Table.Days[d - 1];
        QStringList row{QString::number(d)};
        for (const EventTime* s :
             {&t.MoonTimes.Rise, &t.MoonTimes.Transit, &t.MoonTimes.Set,
              &t.AstronomicalTwilight.Start, &t.NauticalTwilight.Start, &t.CivilTwilight.Start,
              &t.SunTimes.Rise, &t.SunTimes.Transit, &t.SunTimes.Set, &t.AstronomicalTwilight.End,
              &t.NauticalTwilight.End, &t.CivilTwilight.End})
            row << QRegularExpression::escape(QString::fromStdString(TableText(*s)));
        row.insert(4, QString::number(t.Illumination) + "%");
        const QRegularExpression line("(^|\\n) *" + row.join(" +") + " *\\n");
        QVERIFY2(lines.contains(line), qPrintable(line.pattern()));
    }
}

void TestPrintCal::greatEventsInTheirCellsAndUnderTheTable() {
    // Madrid, March 2025 (the 1st a Saturday, in the last column): the total lunar eclipse of
    // the 14th, greatest at 06:59:56 TD, Delta-T 75 s (the canon): 07:58 on the winter clock;
    // the partial solar eclipse of the 29th, seen there in the morning.
    Settings record;
    record.Lat = {"40", "25", "00", "North"};
    record.Long = {"03", "42", "14", "West"};
    record.ZoneName = "Europe/Madrid";
    const PageRequest request{record,
                              ObserverFromSettings(record, DateTimeToJD(2025, 3, 1, 0, 0, 0)),
                              LocaleTexts::from(QLocale(QLocale::English)),
                              2025,
                              3,
                              true,
                              true};
    const CalendarPageData data = CalendarPage(request);
    const std::tuple<int, EventSymbol, const char*> listed[] = {
        {14, EventSymbol::TotalLunar, "Total lunar eclipse"},
        {29, EventSymbol::PartialSolar, "Partial solar eclipse"}};
    QCOMPARE(data.GreatEvents.size(), std::size(listed));
    for (std::size_t i = 0; i < std::size(listed); ++i) {
        QCOMPARE(data.GreatEvents[i].Day, std::get<0>(listed[i]));
        QCOMPARE(data.GreatEvents[i].Symbol, std::get<1>(listed[i]));
        QCOMPARE(data.GreatEvents[i].Title, QString::fromLatin1(std::get<2>(listed[i])));
    }
    QCOMPARE(data.GreatEvents[0].Time, QStringLiteral("07:58"));
    const QImage page = RenderCalendar(data);
    const Cells cells = CalendarCells(page);
    // In the cell's left part, 12 units in, its 44-unit symbol centred on the cell's height and
    // the time right of it: the Moon all in the shadow's grey, the Sun's disc bitten black
    // from its upper right.
    auto symbol = [&](int day) {
        return cells.cell(6 + day - 1) + QPoint(12, (cells.r - 44) / 2);
    };
    const QRgb umbra = qRgb(96, 96, 96);
    QCOMPARE(page.pixel(symbol(14) + QPoint(22, 22)), umbra);
    QCOMPARE(page.pixel(symbol(29) + QPoint(22, 22)), kBlack);
    QCOMPARE(page.pixel(symbol(29) + QPoint(10, 34)), kWhite);
    for (int day : {14, 29})
        QVERIFY(InkIn(page, QRect(symbol(day) + QPoint(52, 0), QSize(60, 44)))); // the time
    for (int day : {13, 15, 28}) // nothing where a day has no event
        QVERIFY(!InkIn(page, QRect(symbol(day) - QPoint(2, 40), QSize(120, 124))));
    // Each kind named once in the last row's empty cells, from the first after the 31st: the
    // symbols 50 units apart, as the phases' legend.
    const QPoint legend = cells.cell(6 + 31) + QPoint(12, 12);
    QCOMPARE(page.pixel(legend + QPoint(15, 15)), umbra);
    QCOMPARE(page.pixel(legend + QPoint(15, 65)), kBlack);
    QVERIFY(InkIn(page, QRect(legend + QPoint(42, 0), QSize(200, 30))));
    QVERIFY(!InkIn(page, QRect(legend + QPoint(0, 100), QSize(300, 30))));

    // The time table: the rows give up two lines and a half of 9-point type, and the events'
    // lines stand under the last row.
    const TimeTablePageData table = TimeTablePage(request, data.Table);
    const QImage tablePage = Render(table, PrintTimeTablePage);
    QFont nine(QStringLiteral("Times New Roman"), 9);
    const int line = QFontMetrics(nine, &tablePage).height();
    const int top = 3 * FontHeight(tablePage, 24);
    const double h = double(kH - 2 * FontHeight(tablePage, 7) - top - (2 * line + line / 2)) / 31;
    for (int i = 0; i < 31; ++i)
        QCOMPARE(tablePage.pixel(102, top + int((i + 0.5) * h)),
                 i % 2 ? qRgb(180, 180, 180) : kWhite);
    const int below = top + int(31 * h) + 1;
    QVERIFY(InkIn(tablePage, QRect(kW / 2 - 1500, below + line / 2, 1500, line)));
    QVERIFY(InkIn(tablePage, QRect(kW / 2 - 1500, below + line / 2 + line, 1500, line)));

    // The lines' words, read from the PDF page.
    QTemporaryDir dir;
    const QString tablePdf = dir.filePath("table.pdf");
    {
        QPdfWriter writer(tablePdf);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, {}));
        QPainter painter(&writer);
        PrintTimeTablePage(painter, QSize(writer.width(), writer.height()), table);
    }
    QCOMPARE(PdfProblems(tablePdf, {"14 March, 07:58: Total lunar eclipse. Umbral magnitude "
                                    "1.178, visible here",
                                    "29 March, "}),
             QString());
}

QTEST_MAIN(TestPrintCal)
#include "tst_printcal.moc"
