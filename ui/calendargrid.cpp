// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/calendargrid.h"

#include "core/localetexts.h"
#include "engine/timebase.h"
#include "widgets/eventsymbol.h"
#include "widgets/resources.h"
#include "widgets/widgetstyle.h"

#include <QFontMetrics>
#include <QPainter>

namespace selvane {

namespace {

constexpr int kGridLeft = 425;
constexpr int kColumnStep = 28;
constexpr int kTitleRoom = kColumnStep - 2; // a title's text, with a gap to the next
constexpr int kTitlePixels = 12;
constexpr int kTitleTop = 290;
constexpr int kCellTop = 315;
constexpr int kRowStep = 25;
constexpr int kHeadingTop = 260;
constexpr int kHeadingGap = 12; // between month and year
constexpr int kHeadingBandLeft = 400;
constexpr int kHeadingBandWidth = 240;
// A day's event mark: a square this wide under the number, in the gap to the next row (the
// number's digits end 13 pixels below the cell's top, the next row's begin 27 below it).
constexpr int kMarkSize = 7;
constexpr int kMarkTop = 16;

template <typename Label>
Label* HeadingLabel(QWidget* window, const char* name) {
    auto* label = new Label(window);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(ArialPixels(19, true));
    label->move(0, kHeadingTop);
    return label;
}

// The locale's abbreviated weekday names when every one fits its column, else the narrow
// ones: some locales abbreviate to the full name (Arabic), which would run into the next.
std::array<QString, 7> FittingDayNames(const LocaleTexts& texts, const QFont& font) {
    const QFontMetrics metrics(font);
    for (const QString& name : texts.ShortDays)
        if (metrics.horizontalAdvance(name) > kTitleRoom)
            return texts.NarrowDays;
    return texts.ShortDays;
}

} // namespace

TDayLabel::TDayLabel(QWidget* parent)
    : QLabel(QStringLiteral(" "), parent) {
    setFont(ArialPixels(kTitlePixels, false));
    SetTextColour(this, kAqua);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setAttribute(Qt::WA_TranslucentBackground);
    resize(29, 16);
}

TDateLabel::TDateLabel(QWidget* parent)
    : HotSpotLabel(parent) {
    setText(QStringLiteral(" "));
    setFont(ArialPixels(15, true));
    setAlignment(Qt::AlignRight | Qt::AlignTop);
    resize(20, 16);
}

int TDateLabel::day() const {
    return text().trimmed().toInt();
}

TEventMarks::TEventMarks(QWidget* window, const QList<TDateLabel*>& cells)
    : QWidget(window)
    , m_cells(cells) {
    setObjectName(QStringLiteral("EventMarks"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    // The cells' area, with the gap under each row.
    setGeometry(kGridLeft, kCellTop, kColumnStep * 7, kRowStep * 6);
}

void TEventMarks::setMarks(const Marks& marks) {
    if (marks == m_marks)
        return;
    m_marks = marks;
    update();
}

QRect TEventMarks::markRect(int cell) const {
    const TDateLabel* c = m_cells[cell];
    // The number is right-aligned in its cell: the mark goes under its middle.
    const int width = QFontMetrics(c->font()).horizontalAdvance(c->text().trimmed());
    const int middle = c->x() + c->width() - width / 2;
    return {middle - kMarkSize / 2, c->y() + kMarkTop, kMarkSize, kMarkSize};
}

void TEventMarks::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.translate(-pos());
    for (int i = 0; i < static_cast<int>(m_marks.size()) && i < m_cells.size(); ++i)
        if (const auto& symbol = m_marks[static_cast<std::size_t>(i)])
            PaintEventSymbol(p, markRect(i), *symbol, SymbolInk::Screen);
}

CalendarGrid::CalendarGrid(QWidget* window, const LocaleTexts& texts)
    : m_texts(texts)
    , m_dayNames(FittingDayNames(texts, ArialPixels(kTitlePixels))) {
    // Shadow copies first: each heading lies above its shadow.
    lblShadowMonth = HeadingLabel<HotSpotLabel>(window, "lblShadowMonth");
    lblshadowYear = HeadingLabel<QLabel>(window, "lblshadowYear");
    lblSelectedMonth = HeadingLabel<HotSpotLabel>(window, "lblSelectedMonth");
    lblSelectedYear = HeadingLabel<HotSpotLabel>(window, "lblSelectedYear");
    SetTextColour(lblSelectedMonth, QColor(72, 72, 72));
    SetTextColour(lblSelectedYear, QColor(67, 67, 67));
    SetTextColour(lblShadowMonth, QColor(192, 192, 192));
    SetTextColour(lblshadowYear, QColor(192, 192, 192));

    Image5 = new QLabel(window);
    Image5->setObjectName(QStringLiteral("Image5"));
    ShowPicture(Image5, LoadPixmap(QStringLiteral(":/selection.png")));
    Image5->resize(25, 23);

    for (int i = 0; i < 7; ++i) {
        auto* title = new TDayLabel(window);
        title->setObjectName(QStringLiteral("lblDay%1").arg(i));
        title->move(kGridLeft + kColumnStep * i, kTitleTop);
        DayTitles << title;
    }
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 7; ++column) {
            auto* cell = new TDateLabel(window);
            cell->setObjectName(
                QStringLiteral("lblDate%1%2").arg(QChar('A' + row), QChar('A' + column)));
            cell->move(kGridLeft + kColumnStep * column, kCellTop + kRowStep * row);
            DateCells << cell;
        }
    EventMarks = new TEventMarks(window, DateCells);
}

void CalendarGrid::SetDayTitles(int dayOrder) {
    for (int i = 0; i < DayTitles.size(); ++i)
        DayTitles[i]->setText(m_dayNames[static_cast<std::size_t>((dayOrder + i) % 7)]);
}

TDateLabel* CalendarGrid::ShowMonth(int year, int month, int day, int dayOrder) {
    SetDayTitles(dayOrder);
    ShownYear = year;
    ShownMonth = month;
    ShownDayOrder = dayOrder;
    FirstColumn = MonthFirstColumn(year, month, dayOrder);
    const int days =
        GetDaysInMonth(static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(year));
    for (int i = 0; i < DateCells.size(); ++i) {
        const bool inMonth = i >= FirstColumn && i < FirstColumn + days;
        DateCells[i]->setText(inMonth ? QString::number(i - FirstColumn + 1) : QStringLiteral(" "));
        SetTextColour(DateCells[i], kLightYellow);
    }

    const QString monthName = m_texts.MonthHeadings[static_cast<std::size_t>(month - 1)];
    const QString yearText = QString::number(year);
    for (QLabel* l : {static_cast<QLabel*>(lblSelectedMonth), static_cast<QLabel*>(lblShadowMonth)})
        l->setText(monthName);
    for (QLabel* l : {static_cast<QLabel*>(lblSelectedYear), lblshadowYear})
        l->setText(yearText);
    for (QLabel* l : {static_cast<QLabel*>(lblSelectedMonth), static_cast<QLabel*>(lblSelectedYear),
                      static_cast<QLabel*>(lblShadowMonth), lblshadowYear})
        l->adjustSize();

    const int wM = lblSelectedMonth->width();
    const int wY = lblSelectedYear->width();
    const int x = (kHeadingBandWidth - (wM + wY + kHeadingGap)) / 2 + kHeadingBandLeft;
    lblSelectedMonth->move(x, kHeadingTop);
    lblSelectedYear->move(x + wM + kHeadingGap, kHeadingTop);
    lblShadowMonth->move(lblSelectedMonth->pos() + QPoint(1, 1));
    lblshadowYear->move(lblSelectedYear->pos() + QPoint(1, 1));

    m_year = year;
    m_month = month;
    const int index = day + FirstColumn - 1;
    return (index >= 0 && index < DateCells.size()) ? DateCells[index] : nullptr;
}

void CalendarGrid::ShowEvents(const std::vector<GreatEvent>& events) {
    TEventMarks::Marks marks;
    for (int i = 0; i < DateCells.size(); ++i) {
        const int day = DateCells[i]->day();
        const std::vector<GreatEvent> dayEvents =
            day == 0 ? std::vector<GreatEvent>() : EventsOnDay(events, m_year, m_month, day);
        if (!dayEvents.empty())
            marks[static_cast<std::size_t>(i)] = SymbolOf(MarkedEvent(dayEvents));
        const QString hint = GreatEventTexts::DayHint(dayEvents);
        if (DateCells[i]->toolTip() != hint)
            DateCells[i]->setToolTip(hint);
    }
    EventMarks->setMarks(marks);
}

void CalendarGrid::MarkCell(const TDateLabel* cell) {
    Image5->move(cell->x() - 1, cell->y() - 3);
    Marked = cell;
}

} // namespace selvane
