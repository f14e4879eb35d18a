// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/printcal.h"

#include "core/moontexts.h"
#include "core/product.h"
#include "core/settings.h"
#include "core/utf8text.h"
#include "widgets/eventsymbol.h"
#include "widgets/shadowpainter.h"
#include "widgets/widgetstyle.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace selvane {

namespace {

constexpr int kPicture = 180;    // the daily picture's square
constexpr int kPictureHalf = 90; // its centre line, from its left edge
constexpr int kSymbol = 60;      // a major phase's symbol in a day cell
constexpr int kLegendSymbol = 30;
// A great event in a day's cell: its symbol, and its time right of it; several on one day one
// under the other.
constexpr int kEventSymbol = 44;
constexpr int kEventRow = 50;
constexpr int kEventTimeGap = 8;
// The legends: a name's left edge from its symbol's, and from one symbol to the next.
constexpr int kLegendNameGap = 42;
constexpr int kLegendStep = 50;

// The box of a shape given by two corners, the first inside it and the second just outside:
// the box from (0, 0) to (10, 10) covers pixels 0 to 9. A one-unit outline drawn on the
// returned rectangle covers exactly those pixels.
QRect Box(int x1, int y1, int x2, int y2) {
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    return QRect(x1, y1, std::max(x2 - x1 - 1, 0), std::max(y2 - y1 - 1, 0));
}

// Qt's angles: sixteenths of a degree, counter-clockwise from three o'clock.
constexpr int kTop = 90 * 16;
constexpr int kBottom = 270 * 16;
constexpr int kHalfTurn = 180 * 16;

int TextHeight(const QPainter& painter) {
    return painter.fontMetrics().height();
}
int TextWidth(const QPainter& painter, const QString& text) {
    return painter.fontMetrics().horizontalAdvance(text);
}

// Text with its top left corner at (x, y), on a box of `background` when that is a colour.
void TextOut(QPainter& painter, int x, int y, const QString& text,
             const QColor& background = QColor()) {
    const QFontMetrics metrics = painter.fontMetrics();
    if (background.isValid())
        painter.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()),
                         background);
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
}

void SetPenAndBrush(QPainter& painter, const QColor& pen, const QColor& brush) {
    painter.setPen(QPen(pen, 1));
    painter.setBrush(brush.isValid() ? QBrush(brush) : QBrush(Qt::NoBrush));
}

QString AngleText(const LocationAngle& a) {
    return FromUtf8(a.Degrees) + QStringLiteral("\u00BA ") + FromUtf8(a.Minutes) +
           QStringLiteral("' ") + FromUtf8(a.Seconds) + QStringLiteral("\" ") +
           DirectionText(a.Direction);
}

// A text centred where its English text would stand at `x`: the English text itself at x.
int CentredOnEnglish(const QPainter& painter, int x, const char* english, const QString& shown) {
    return x + (TextWidth(painter, QString::fromUtf8(english)) - TextWidth(painter, shown)) / 2;
}

// Column width and row height of the calendar's day cells.
struct CellSize {
    int c;
    int r;
};
CellSize CalendarCells(const PageState& state) {
    return {state.W / 7, (state.H - state.PageCursorY - state.FooterHeight) / 6};
}

void TwoHalves(QPainter& painter, const QRect& box, bool leftBlack) {
    // A pie runs counter-clockwise from its start: from the top through the left half to the
    // bottom, or from the bottom through the right half to the top.
    painter.setBrush(leftBlack ? Qt::black : Qt::white);
    painter.drawPie(box, kTop, kHalfTurn);
    painter.setBrush(leftBlack ? Qt::white : Qt::black);
    painter.drawPie(box, kBottom, kHalfTurn);
}

} // namespace

QString PageText(const char* text) {
    return QCoreApplication::translate(kPageContext, text);
}

QFont PageFont(int pointSize, bool bold, bool italic) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QString LocationLine(const PageHeaderData& header) {
    const QString hemisphere =
        header.NorthernView
            ? QCoreApplication::translate("selvane::PrintCal", "Northern Hemisphere")
            : QCoreApplication::translate("selvane::PrintCal", "Southern Hemisphere");
    //: The printed location line: the hemisphere, the latitude and the longitude.
    return QCoreApplication::translate("selvane::PrintCal", "%1:     Latitude: %2,  Longitude: %3")
               .arg(hemisphere, AngleText(header.Lat), AngleText(header.Long)) +
           header.LocationEnding;
}

MonthGrid MakeMonthGrid(int year, int month, int dayOrder) {
    MonthGrid grid;
    grid.FirstColumn = MonthFirstColumn(year, month, dayOrder);
    grid.Days = GetDaysInMonth(static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(year));
    for (int i = 0; i < 42; ++i) {
        const int day = i - grid.FirstColumn + 1;
        grid.DateCells[i] =
            day >= 1 && day <= grid.Days ? QString::number(day) : QStringLiteral(" ");
    }
    return grid;
}

int ShadeLevel(int phaseDensity) {
    return 255 - std::clamp(phaseDensity, 0, 100) * 255 / 100;
}

void PrintPageHeader(QPainter& painter, PageState& state, const PageHeaderData& header, int top) {
    SetPenAndBrush(painter, Qt::black, Qt::white);
    painter.drawRect(Box(0, 0, state.W, state.H));

    painter.setFont(PageFont(24, true));
    const QString title = QStringLiteral("%1 %2").arg(header.MonthName).arg(header.Year).left(20);
    TextOut(painter, (state.W - TextWidth(painter, title)) / 2, top, title, Qt::white);
    state.PageCursorY = static_cast<std::uint16_t>(3 * TextHeight(painter));

    painter.setFont(PageFont(12, true));
    const QString location = LocationLine(header);
    TextOut(painter, (state.W - TextWidth(painter, location)) / 2, top + 130, location, Qt::white);

    painter.setFont(PageFont(7, true));
    //: The printed footer: the program's name, its version and its home page.
    state.FooterText =
        QCoreApplication::translate("selvane::PrintCal", "Printed by %1 %2 (%3)")
            .arg(QLatin1String(kProductName), VersionLabel(), QLatin1String(kHomePage))
            .left(100);
    state.FooterHeight = static_cast<std::uint16_t>(2 * TextHeight(painter));
}

void PrintWeekdayHeader(QPainter& painter, PageState& state,
                        const std::array<QString, 7>& weekdayNames, int dayOrder) {
    painter.setFont(PageFont(12, true));
    const int c = state.W / 7;
    const int h = TextHeight(painter) + 40;
    SetPenAndBrush(painter, Qt::black, kYellow);
    for (int i = 0; i < 7; ++i) {
        painter.drawRect(Box(i * c, state.PageCursorY, i * c + c, state.PageCursorY + h));
        // The whole name where it fits its column, else its first ten characters.
        QString name = weekdayNames[static_cast<std::size_t>((dayOrder + i) % 7)];
        if (TextWidth(painter, name) > c)
            name = name.left(10);
        TextOut(painter, i * c + (c - TextWidth(painter, name)) / 2, state.PageCursorY + 20, name,
                kYellow);
    }
    state.PageCursorY = static_cast<std::uint16_t>(state.PageCursorY + h);
}

void PrintDayGrid(QPainter& painter, const PageState& state, const MonthGrid& grid) {
    painter.setFont(PageFont(12, true));
    const auto [c, r] = CalendarCells(state);
    SetPenAndBrush(painter, Qt::black, Qt::white);
    for (int j = 0; j < 42; ++j) {
        const QString text = grid.DateCells[static_cast<std::size_t>(j)].left(3);
        if (text == QStringLiteral(" "))
            continue;
        const int x = (j % 7) * c;
        const int y = (j / 7) * r + state.PageCursorY;
        painter.drawRect(Box(x, y, x + c, y + r));
        TextOut(painter, x + 12, y + 12, text, Qt::white);
    }
}

void PrintPhaseLegend(QPainter& painter, const PageState& state, bool northernView) {
    painter.setFont(PageFont(7, false));
    const int t = TextHeight(painter);
    const int a = state.W - 250;
    auto symbolBox = [a](int y) {
        return Box(a, y, a + kLegendSymbol, y + kLegendSymbol);
    };
    auto name = [&](int y, int phaseIndex) {
        TextOut(painter, state.W - kLegendNameOffset, y + (kLegendSymbol - t) / 2,
                PageText(kLegendNames[static_cast<std::size_t>(phaseIndex)]));
    };
    SetPenAndBrush(painter, Qt::black, Qt::black);
    painter.drawEllipse(symbolBox(50));
    name(50, 0);
    TwoHalves(painter, symbolBox(100), northernView);
    name(100, 1);
    painter.setBrush(Qt::white);
    painter.drawEllipse(symbolBox(150));
    name(150, 2);
    TwoHalves(painter, symbolBox(200), !northernView);
    name(200, 3);
}

void PrintDailyPhase(QPainter& pagePainter, const QPoint& topLeft, int percent, PhaseState state,
                     int phaseDensity, bool northernView) {
    // The picture is drawn on an image of the page's resolution and placed as a whole: drawn
    // on a vector device (a PDF, a printer's job), a viewer would smooth each of the touching
    // arcs by itself and show ripples in the shadow.
    constexpr int margin = kShadowArcPenWidth + 1;
    QImage image(kPicture + 2 * margin, kPicture + 2 * margin, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(margin - topLeft.x(), margin - topLeft.y());

    const int s = ShadeLevel(phaseDensity);
    const QColor shade(s, s, s);
    const int m = kPicture * (100 - std::clamp(percent, 0, 100)) / 100; // the shadow's depth
    // The square covers the picture's 180 units exactly; the centre line is three units wide.
    const ShadowFrame frame{topLeft, kPicture, 1, 1};
    const QRect disc = ShadowDisc(frame);

    SetPenAndBrush(painter, shade, QColor());
    painter.drawEllipse(disc);

    // The side that is dark after Full Moon is the right one seen from the north.
    const ShadowSide first = northernView ? ShadowSide::Right : ShadowSide::Left;
    const ShadowSide second = northernView ? ShadowSide::Left : ShadowSide::Right;
    // The whole of one half and, from the centre line outwards, a lens of the other.
    auto crescent = [&](ShadowSide dark, ShadowSide other) {
        PaintShadow(painter, frame, shade,
                    {{dark, 0, kPictureHalf + 1}, {other, kPictureHalf - 1, m}}, true);
    };

    switch (state) {
    case PhaseState::NewMoon:
        painter.setBrush(shade);
        painter.drawEllipse(disc);
        break;
    case PhaseState::WaningCrescent:
        crescent(first, second);
        break;
    case PhaseState::LastQuarter:
        PaintShadow(painter, frame, shade, {{first, 0, kPictureHalf + 1}});
        break;
    case PhaseState::WaningGibbous:
        PaintShadow(painter, frame, shade, {{first, 0, m}});
        break;
    case PhaseState::FullMoon: // the outline alone
        break;
    case PhaseState::WaxingGibbous:
        PaintShadow(painter, frame, shade, {{second, 0, m}});
        break;
    case PhaseState::FirstQuarter:
        PaintShadow(painter, frame, shade, {{second, 0, kPictureHalf + 1}});
        break;
    case PhaseState::WaxingCrescent:
        crescent(second, first);
        break;
    }
    painter.end();
    pagePainter.drawImage(topLeft - QPoint(margin, margin), image);
    pagePainter.setPen(QPen(Qt::black, 1));
}

void PrintMajorPhase(QPainter& painter, const PageState& state, const MonthGrid& grid,
                     const ListedPhase& phase, bool northernView) {
    const auto [c, r] = CalendarCells(state);
    const int j = phase.Day + grid.FirstColumn - 1;
    const int x = (j % 7) * c + 12;
    const int y = state.PageCursorY + r * (j / 7 + 1) - kSymbol - 12;
    TextOut(painter, x + 72, y + (kSymbol - TextHeight(painter)) / 2, phase.Time, Qt::white);
    const QString& code = phase.Code;

    const QRect box = Box(x, y, x + kSymbol, y + kSymbol);
    SetPenAndBrush(painter, Qt::black, Qt::black);
    if (code == QStringLiteral("NM")) {
        painter.drawEllipse(box);
    } else if (code == QStringLiteral("FM")) {
        painter.setBrush(Qt::white);
        painter.drawEllipse(box);
    } else if (code == QStringLiteral("FQ") || code == QStringLiteral("LQ")) {
        // The dark half of a First Quarter is the left one seen from the north.
        TwoHalves(painter, box, (code == QStringLiteral("FQ")) == northernView);
    }
    painter.setBrush(Qt::white);
}

void PrintMonthDetails(QPainter& painter, const PageState& state, const CalendarPageData& data,
                       const MonthGrid& grid) {
    const bool north = data.Header.NorthernView;
    const PrintChoices& choices = data.Choices;
    painter.setPen(QPen(Qt::black, 1));
    PrintPhaseLegend(painter, state, north);

    const auto [c, r] = CalendarCells(state);
    painter.setFont(PageFont(7, false));
    const int lineHeight = TextHeight(painter);
    painter.setBrush(Qt::NoBrush);
    for (int d = 1; d <= grid.Days; ++d) {
        const DayTimes& times = data.Table.Days[static_cast<std::size_t>(d - 1)];
        const int j = grid.FirstColumn + d - 1;
        const int x = (j % 7) * c + c - 80; // the values; their labels stand 52 units left
        auto line = [&](int y, std::size_t label, const EventTime& value) {
            TextOut(painter, x - kCellLabelOffset, y, PageText(kCellLabels[label]));
            TextOut(painter, x, y, EventTimeText(value, kTableTextLength));
        };
        if (choices.PrintSunTimes) {
            const int y = (j / 7) * r + state.PageCursorY + 12;
            line(y, 0, times.SunTimes.Rise);
            line(y + lineHeight, 1, times.SunTimes.Transit);
            line(y + 2 * lineHeight, 2, times.SunTimes.Set);
        }
        if (choices.PrintLunarTimes) {
            const int y = (j / 7) * r + state.PageCursorY + r - 12 - lineHeight;
            line(y, 5, times.MoonTimes.Set);
            line(y - lineHeight, 4, times.MoonTimes.Transit);
            line(y - 2 * lineHeight, 3, times.MoonTimes.Rise);
        }
    }

    if (choices.PhasePrintout == 0 || choices.PhasePrintout == 3) {
        for (int d = 1; d <= grid.Days; ++d) {
            const DailyPhase& phase = data.DailyPhases[static_cast<std::size_t>(d - 1)];
            const int j = grid.FirstColumn + d - 1;
            const QPoint topLeft((j % 7) * c + (c - kPicture) / 2,
                                 (j / 7) * r + state.PageCursorY + (r - kPicture) / 2);
            PrintDailyPhase(painter, topLeft, phase.Percent, phase.State, choices.PhaseDensity,
                            north);
        }
    }

    if (choices.PhasePrintout == 1 || choices.PhasePrintout == 3) {
        painter.setPen(QPen(Qt::black, 1));
        for (const ListedPhase& phase : data.MajorPhases)
            PrintMajorPhase(painter, state, grid, phase, north);
    }
}

void PrintGreatEvents(QPainter& painter, const PageState& state,
                      const std::vector<ListedEvent>& events, const MonthGrid& grid) {
    if (events.empty())
        return;
    const auto [c, r] = CalendarCells(state);
    painter.setFont(PageFont(7, false));
    painter.setPen(QPen(Qt::black, 1));
    for (int d = 1; d <= grid.Days; ++d) {
        std::vector<const ListedEvent*> day;
        for (const ListedEvent& e : events)
            if (e.Day == d)
                day.push_back(&e);
        if (day.empty())
            continue;
        // The day's events one under the other, centred on the cell's height: below the day's
        // number, above the major phase's symbol, left of the daily picture.
        const int j = grid.FirstColumn + d - 1;
        const int x = (j % 7) * c + 12;
        int y = (j / 7) * r + state.PageCursorY +
                (r - static_cast<int>(day.size()) * kEventRow + (kEventRow - kEventSymbol)) / 2;
        for (const ListedEvent* e : day) {
            PaintEventSymbol(painter, QRectF(x, y, kEventSymbol, kEventSymbol), e->Symbol,
                             SymbolInk::Paper);
            TextOut(painter, x + kEventSymbol + kEventTimeGap,
                    y + (kEventSymbol - TextHeight(painter)) / 2, e->Time);
            y += kEventRow;
        }
    }

    // The legend, each kind once in the order of the month, in the last row's empty cells (a
    // month of 31 days starting in the last column leaves five of them), as the phases' legend
    // is drawn: the symbols 50 units apart, each name 42 units right of its symbol.
    std::vector<const ListedEvent*> kinds;
    for (const ListedEvent& e : events)
        if (std::none_of(kinds.begin(), kinds.end(),
                         [&e](const ListedEvent* k) { return k->Symbol == e.Symbol; }))
            kinds.push_back(&e);
    const int blank = std::max(grid.FirstColumn + grid.Days, 35);
    const int x = (blank % 7) * c + 12;
    int y = (blank / 7) * r + state.PageCursorY + 12;
    for (const ListedEvent* k : kinds) {
        PaintEventSymbol(painter, QRectF(x, y, kLegendSymbol, kLegendSymbol), k->Symbol,
                         SymbolInk::Paper);
        TextOut(painter, x + kLegendNameGap, y + (kLegendSymbol - TextHeight(painter)) / 2,
                k->Title);
        y += kLegendStep;
    }
}

int GreatEventsBand(QPainter& painter, const std::vector<ListedEvent>& events) {
    if (events.empty())
        return 0;
    painter.setFont(PageFont(9, false));
    const int line = TextHeight(painter);
    return static_cast<int>(events.size()) * line + line / 2;
}

void PrintTimeRows(QPainter& painter, const PageState& state, const TimeTablePageData& data) {
    const int n = GetDaysInMonth(static_cast<std::uint16_t>(data.Header.Month),
                                 static_cast<std::uint16_t>(data.Header.Year));
    const int band = GreatEventsBand(painter, data.GreatEvents);
    const double h =
        static_cast<double>(state.H - state.FooterHeight - state.PageCursorY - band) / n;
    const int cx = state.W / 2;

    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPoint(0, 215), QPoint(state.W - 1, 215));
    painter.drawLine(QPoint(0, 323), QPoint(state.W - 1, 323));

    painter.setFont(PageFont(9, true));
    for (const TableGroup& group : kTableGroups) {
        const QString heading = PageText(group.Heading);
        TextOut(painter, cx + CentredOnEnglish(painter, group.X, group.Heading, heading), 230,
                heading, Qt::white);
    }
    for (const TableColumn& column : kTableColumns) {
        const QString heading = PageText(column.Heading);
        TextOut(painter, cx + CentredOnEnglish(painter, column.HeadingX, column.Heading, heading),
                270, heading, Qt::white);
    }

    auto rowTop = [&](int i) {
        return static_cast<int>(i * h) + state.PageCursorY;
    };
    SetPenAndBrush(painter, kPageBandGrey, kPageBandGrey);
    for (int i = 1; i < n; i += 2) // the second, fourth, ... day on a grey band
        painter.drawRect(Box(100, rowTop(i) + 1, state.W - 100, rowTop(i + 1) + 1));

    // The row texts lie on their band's colour: drawn without a background of their own.
    painter.setFont(PageFont(9, false));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    const int textOffset = static_cast<int>(h - TextHeight(painter)) / 2;
    for (int i = 0; i < n; ++i) {
        const DayTimes& t = data.Table.Days[static_cast<std::size_t>(i)];
        auto text = [](const EventTime& time) {
            return EventTimeText(time, kTableTextLength);
        };
        const std::array<QString, 14> values = {QString::number(i + 1),
                                                text(t.MoonTimes.Rise),
                                                text(t.MoonTimes.Transit),
                                                text(t.MoonTimes.Set),
                                                QString::number(t.Illumination) + u'%',
                                                text(t.AstronomicalTwilight.Start),
                                                text(t.NauticalTwilight.Start),
                                                text(t.CivilTwilight.Start),
                                                text(t.SunTimes.Rise),
                                                text(t.SunTimes.Transit),
                                                text(t.SunTimes.Set),
                                                text(t.AstronomicalTwilight.End),
                                                text(t.NauticalTwilight.End),
                                                text(t.CivilTwilight.End)};
        const int y = rowTop(i) + textOffset;
        for (std::size_t col = 0; col < kTableColumns.size(); ++col)
            TextOut(painter, cx + kTableColumns[col].ValueX, y, values[col]);
    }

    // The great events under the last row, each line with its symbol, from the date column.
    const int line = TextHeight(painter);
    int y = rowTop(n) + 1 + line / 2;
    for (const ListedEvent& e : data.GreatEvents) {
        const int size = line * 3 / 4;
        const int x = cx + kTableColumns[0].ValueX;
        PaintEventSymbol(painter, QRectF(x, y + (line - size) / 2, size, size), e.Symbol,
                         SymbolInk::Paper);
        TextOut(painter, x + line, y, e.Line);
        y += line;
    }
}

void PrintFooter(QPainter& painter, const PageState& state) {
    painter.setFont(PageFont(7, false, true));
    const int x = (state.W - TextWidth(painter, state.FooterText)) / 2;
    const int y = state.H - static_cast<int>(state.FooterHeight * 0.75);
    TextOut(painter, x, y, state.FooterText, Qt::white);
}

namespace {

void BeginPage(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(QPen(Qt::black, 1));
}

} // namespace

void PrintCalendarPage(QPainter& painter, const QSize& page, const CalendarPageData& data) {
    painter.save();
    BeginPage(painter);
    PageState state;
    state.W = page.width();
    state.H = page.height();
    const MonthGrid grid = MakeMonthGrid(data.Header.Year, data.Header.Month, data.DayOrder);
    PrintPageHeader(painter, state, data.Header, 60);
    PrintWeekdayHeader(painter, state, data.WeekdayNames, data.DayOrder);
    PrintDayGrid(painter, state, grid);
    PrintMonthDetails(painter, state, data, grid);
    PrintGreatEvents(painter, state, data.GreatEvents, grid);
    PrintFooter(painter, state);
    painter.restore();
}

void PrintTimeTablePage(QPainter& painter, const QSize& page, const TimeTablePageData& data) {
    painter.save();
    BeginPage(painter);
    PageState state;
    state.W = page.width();
    state.H = page.height();
    PrintPageHeader(painter, state, data.Header, 10);
    PrintTimeRows(painter, state, data);
    PrintFooter(painter, state);
    painter.restore();
}

} // namespace selvane
