// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/trisesettimelist.h"

#include "core/greateventtexts.h"
#include "core/moontexts.h"
#include "core/utf8text.h"
#include "core/vectorstate.h"
#include "widgets/accessibility.h"
#include "widgets/eventsymbol.h"
#include "widgets/hotspotlabel.h"
#include "widgets/placement.h"
#include "widgets/resources.h"
#include "widgets/widgetstyle.h"
#include "windows/windowaccessibility.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <array>

namespace selvane {

namespace {

constexpr int kListWidth = 600;
constexpr int kStartHeight = 450; // the list picture before the first month is drawn
// The visible part of the list picture: 600 x 380 at (20, 80).
const QRect kListArea(20, 80, 600, 380);
constexpr int kTimerInterval = 100;    // ms
const QPoint kFirstOpenOffset(40, 40); // from the main window, the first time it opens
// Arial 12 px is Liberation Sans here: rows 14 pixels apart, the pitch the column layout and
// the scroll arrows were made for.
constexpr int kListPixels = 12;
constexpr int kDateLength = 10;           // characters of the date column
const QColor kHeadingText(236, 239, 246); // the group titles on the header's band

// The pictures around the list.
struct Picture {
    const char* Name;
    int X, Y;
    const char* Resource;
};
constexpr Picture kPictures[] = {
    {"Image2", 0, 0, ":/timelist_header.png"},
    {"Image1", 0, 81, ":/timelist_left.png"},
    {"Image3", 620, 81, ":/timelist_right.png"},
    {"Image4", 20, 461, ":/timelist_bottom.png"},
};

// Commands over the header's glyphs.
constexpr Placement kHotSpots[] = {
    {"lblTitle", 222, 8, 201, 27},    {"lblPrint", 20, 14, 17, 17},
    {"lblScrollUp", 54, 14, 17, 17},  {"lblScrollDown", 74, 14, 17, 17},
    {"lblMinimise", 592, 14, 17, 15}, {"lblExit", 614, 14, 17, 15},
};

// Column titles on the header: group titles bold 12 px at y 42, column titles 11 px at y 58,
// each column's title in the colour of its rows, marked for translation in the window's
// context. A translated title stands centred where its English title is; its room
// (SetTextRoom) is the width of its group's rule on the header (x 108..246, 269..367, 392..490,
// 513..611), or of its column less 2 pixels.
struct ColumnTitle {
    const char* Text;
    int X;
    bool Group;
    const QColor* Colour;
    int Room;
};
constexpr ColumnTitle kColumnTitles[] = {
    {QT_TRANSLATE_NOOP("selvane::TRiseSetTimeList", "Moon"), 159, true, &kHeadingText, 139},
    {QT_TRANSLATE_NOOP("selvane::TRiseSetTimeList", "Twilight Start"), 281, true, &kHeadingText,
     99},
    {QT_TRANSLATE_NOOP("selvane::TRiseSetTimeList", "Sun"), 429, true, &kHeadingText, 99},
    {QT_TRANSLATE_NOOP("selvane::TRiseSetTimeList", "Twilight End"), 527, true, &kHeadingText, 99},
    {QT_TRANSLATE_NOOP("selvane::TRiseSetTimeList", "Date"), 29, false, &kHeadingText, 74},
    {QT_TRANSLATE_NOOP("selvane::TRiseSetTimeList", "Rise"), 109, false, &kAqua, 36},
    {QT_TRANSLATE_NOOP("selvane::TRiseSetTimeList", "Transit"), 142, false, &kAqua, 36},
    {QT_TRANSLATE_NOOP("selvane::TRiseSetTimeList", "Set"), 187, false, &kAqua, 36},
    {QT_TRANSLATE_NOOP("selvane::TRiseSetTimeList", "Illum."), 219, false, &kAqua, 36},
    {QT_TRANSLATE_NOOP("selvane::TRiseSetTimeList", "Ast."), 270, false, &kLightYellow, 36},
    {QT_TRANSLATE_NOOP("selvane::TRiseSetTimeList", "Naut."), 306, false, &kLightYellow, 36},
    {QT_TRANSLATE_NOOP("selvane::TRiseSetTimeList", "Civil"), 346, false, &kLightYellow, 36},
    {QT_TRANSLATE_NOOP("selvane::TRiseSetTimeList", "Rise"), 392, false, &kYellow, 36},
    {QT_TRANSLATE_NOOP("selvane::TRiseSetTimeList", "Transit"), 425, false, &kYellow, 36},
    {QT_TRANSLATE_NOOP("selvane::TRiseSetTimeList", "Set"), 470, false, &kYellow, 36},
    {QT_TRANSLATE_NOOP("selvane::TRiseSetTimeList", "Civil"), 514, false, &kLightYellow, 36},
    {QT_TRANSLATE_NOOP("selvane::TRiseSetTimeList", "Naut."), 550, false, &kLightYellow, 36},
    {QT_TRANSLATE_NOOP("selvane::TRiseSetTimeList", "Ast."), 590, false, &kLightYellow, 36},
};
constexpr int kGroupTitleY = 42;
constexpr int kGroupTitlePixels = 12;
constexpr int kColumnTitleY = 58;
constexpr int kColumnTitlePixels = 11;
// Right of the title, left of the minimise button.
const QRect kZoneLabel(428, 14, 156, 15);

// One time of a row: its text's left edge in the list picture and its colour.
struct Cell {
    int X;
    const QColor& Colour;
    const EventTime& Time;
};

// The time columns of a row, left to right.
std::array<Cell, 12> TimeCells(const DayTimes& row) {
    return {{
        {85, kAqua, row.MoonTimes.Rise},
        {123, kAqua, row.MoonTimes.Transit},
        {161, kAqua, row.MoonTimes.Set},
        {245, kLightYellow, row.AstronomicalTwilight.Start},
        {283, kLightYellow, row.NauticalTwilight.Start},
        {321, kLightYellow, row.CivilTwilight.Start},
        {368, kYellow, row.SunTimes.Rise},
        {406, kYellow, row.SunTimes.Transit},
        {444, kYellow, row.SunTimes.Set},
        {489, kLightYellow, row.CivilTwilight.End},
        {527, kLightYellow, row.NauticalTwilight.End},
        {565, kLightYellow, row.AstronomicalTwilight.End},
    }};
}

constexpr int kDateX = 7;
constexpr int kIlluminationX = 199;
// A day's event mark: between the date, whose ten characters end by x 70, and the Moon's
// rise at 85; in the middle of the row's height.
constexpr int kMarkX = 74;
constexpr int kMarkSize = 7;

constexpr int kIlluminationColumn = 4;

// The column of the list (TRiseSetTimeList::kListColumns) of TimeCells' time `i`: the date and
// the illumination stand before the Moon's times and after them.
constexpr int TimeColumn(std::size_t i) {
    return static_cast<int>(i) + (i < 3 ? 1 : 2);
}

// Each column's title in kColumnTitles and its group's title (-1: none), left to right.
struct Heading {
    int Group;
    int Title;
};
constexpr std::array<Heading, TRiseSetTimeList::kListColumns> kHeadings = {{
    {-1, 4},
    {0, 5},
    {0, 6},
    {0, 7},
    {-1, 8},
    {1, 9},
    {1, 10},
    {1, 11},
    {2, 12},
    {2, 13},
    {2, 14},
    {3, 15},
    {3, 16},
    {3, 17},
}};

QString Digits(int value, int width) {
    return QStringLiteral("%1").arg(value, width, 10, QChar(u'0'));
}

// A row's date in the settings' pattern: "yyyy" is the four-digit year ("yy" its last two
// digits), "mm" and "dd" the two-digit month and day ("m" and "d" without a leading zero),
// "/" the system's date separator; any other character stands for itself.
QString ListDate(const QString& layout, QChar separator, int year, int month, int day) {
    QString out;
    for (qsizetype i = 0; i < layout.size();) {
        const QChar c = layout[i].toLower();
        qsizetype run = 1;
        while (i + run < layout.size() && layout[i + run].toLower() == c)
            ++run;
        if (c == u'y')
            out += run > 2 ? Digits(year, 4) : Digits(year % 100, 2);
        else if (c == u'm')
            out += run > 1 ? Digits(month, 2) : QString::number(month);
        else if (c == u'd')
            out += run > 1 ? Digits(day, 2) : QString::number(day);
        else if (c == u'/')
            out += QString(run, separator);
        else
            out += layout.mid(i, run);
        i += run;
    }
    return out.left(kDateLength);
}

} // namespace

TRiseSetTimeList::TRiseSetTimeList(QWidget* mainWindow, const LocaleTexts& texts,
                                   std::function<TimeListMonth()> currentMonth)
    : BorderlessWindow(mainWindow, QStringLiteral("TRiseSetTimeList"), QString(), Qt::Window)
    , Timer1(new QTimer(this))
    , lblZone(new QLabel(this))
    , m_currentMonth(std::move(currentMonth))
    , m_dateSeparator(texts.DateSeparator) {
    FormCreate();
}

void TRiseSetTimeList::FormCreate() {
    InstallWindowsAccessibility();
    ForgetAccessibleInterface(this); // one made while the base class was built
    setAccessibleName(tr("Times of the month"));
    setFixedSize(kWindowSize);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    for (const Picture& pic : kPictures) {
        auto* image = new QLabel(this);
        image->setObjectName(QString::fromLatin1(pic.Name));
        ShowPicture(image, LoadPixmap(QString::fromLatin1(pic.Resource)));
        image->move(pic.X, pic.Y);
        image->adjustSize();
    }
    for (const ColumnTitle& t : kColumnTitles) {
        const QString english = QString::fromLatin1(t.Text);
        auto* title = new QLabel(tr(t.Text), this);
        title->setFont(ArialPixels(t.Group ? kGroupTitlePixels : kColumnTitlePixels, t.Group));
        SetTextColour(title, *t.Colour);
        SetTextRoom(title, t.Room);
        title->adjustSize();
        const QFontMetrics metrics(title->font());
        const int shift =
            (metrics.horizontalAdvance(english) - metrics.horizontalAdvance(title->text())) / 2;
        title->move(t.X + shift, t.Group ? kGroupTitleY : kColumnTitleY);
        m_titles.push_back(title);
    }

    for (const Placement& h : kHotSpots)
        AddHotSpot(this, h);
    const auto spot = [this](const char* name) {
        return findChild<HotSpotLabel*>(QString::fromLatin1(name));
    };
    dragBy(spot("lblTitle"));
    connect(spot("lblPrint"), &HotSpotLabel::clicked, this, &TRiseSetTimeList::lblPrintClick);
    connect(spot("lblScrollUp"), &HotSpotLabel::pressed, this,
            &TRiseSetTimeList::lblScrollUpMouseDown);
    connect(spot("lblScrollUp"), &HotSpotLabel::released, this,
            &TRiseSetTimeList::lblScrollUpMouseUp);
    connect(spot("lblScrollDown"), &HotSpotLabel::pressed, this,
            &TRiseSetTimeList::lblScrollDownMouseDown);
    connect(spot("lblScrollDown"), &HotSpotLabel::released, this,
            &TRiseSetTimeList::lblScrollDownMouseUp);
    connect(spot("lblMinimise"), &HotSpotLabel::clicked, this, &TRiseSetTimeList::lblMinimiseClick);
    connect(spot("lblExit"), &HotSpotLabel::clicked, this, &TRiseSetTimeList::lblExitClick);
    // For screen readers: the commands' names, and a press of an arrow scrolls a row, as
    // holding it down does at each tick of its timer.
    const std::pair<const char*, QString> names[] = {
        {"lblPrint", tr("Print the time table")},
        {"lblScrollUp", tr("Scroll up")},
        {"lblScrollDown", tr("Scroll down")},
        {"lblMinimise", tr("Minimise")},
        {"lblExit", tr("Close")},
    };
    for (const auto& [name, text] : names)
        spot(name)->setAccessibleName(text);
    for (const auto& [name, step] : {std::pair{"lblScrollUp", -1}, std::pair{"lblScrollDown", 1}})
        spot(name)->holdStep = [this, step] {
            ScrollStep = step;
            Timer1Timer();
        };

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerInterval);
    connect(Timer1, &QTimer::timeout, this, &TRiseSetTimeList::Timer1Timer);

    lblZone->setObjectName(QStringLiteral("lblZone"));
    lblZone->setFont(ArialPixels(kColumnTitlePixels));
    SetTextColour(lblZone, kHeadingText);
    lblZone->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblZone->setGeometry(kZoneLabel);
    lblZone->raise(); // made before the header picture, it must lie above it
    SetValueCaption(lblZone, tr("Time zone"));

    m_listFont = ArialPixels(kListPixels);
    imgList = BlankPicture(QSize(kListWidth, kStartHeight), devicePixelRatioF());
}

QSize TRiseSetTimeList::listSize() const {
    return imgList.deviceIndependentSize().toSize();
}

int TRiseSetTimeList::rowHeight() const {
    return QFontMetrics(m_listFont).height();
}

void TRiseSetTimeList::DisplayTimeList(bool computeOnly, MonthTimeTable& table) {
    const TimeListMonth month = m_currentMonth();
    ClearUpperVectorHalves();
    table = FillMonthTimeTable(month.Year, month.Month, month.Place);
    lblZone->setText(month.Zone);
    if (computeOnly)
        return; // the printing's computation leaves the list on screen as it is

    const int days = GetDaysInMonth(static_cast<std::uint16_t>(month.Month),
                                    static_cast<std::uint16_t>(month.Year));
    const int h = rowHeight();
    // At the window's device pixel ratio: the rows are drawn at the screen's resolution.
    imgList = BlankPicture(QSize(kListWidth, days * h - 1), devicePixelRatioF());
    QPainter p(&imgList);
    for (int d = 1; d <= days; ++d)
        p.fillRect(0, (d - 1) * h, kListWidth, h, d % 2 == 0 ? kListBandGrey : QColor(Qt::black));

    p.setFont(m_listFont);
    const int ascent = p.fontMetrics().ascent();
    m_rows.assign(static_cast<std::size_t>(days), {});
    for (int d = 1; d <= days; ++d) {
        const DayTimes& row = table.Days[static_cast<std::size_t>(d - 1)];
        auto& texts = m_rows[static_cast<std::size_t>(d - 1)]; // kept for screen readers
        const int baseline = (d - 1) * h + ascent;
        texts[0] = ListDate(month.DateLayout, m_dateSeparator, month.Year, month.Month, d);
        p.setPen(Qt::white);
        p.drawText(kDateX, baseline, texts[0]);
        texts[kIlluminationColumn] = QStringLiteral("%1%").arg(row.Illumination);
        p.setPen(kAqua);
        p.drawText(kIlluminationX, baseline, texts[kIlluminationColumn]);
        const auto cells = TimeCells(row);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            texts[static_cast<std::size_t>(TimeColumn(i))] =
                EventTimeText(cells[i].Time, kTableTextLength);
            p.setPen(cells[i].Colour);
            p.drawText(cells[i].X, baseline, texts[static_cast<std::size_t>(TimeColumn(i))]);
        }
    }
    // The great events' marks, one for each day that has some.
    m_listedYear = month.Year;
    m_listedMonth = month.Month;
    m_events = MoonGreatEvents(month.Year, month.Month, month.Place);
    for (int d = 1; d <= days; ++d) {
        const std::vector<GreatEvent> dayEvents = EventsOnDay(m_events, month.Year, month.Month, d);
        if (!dayEvents.empty())
            PaintEventSymbol(p, markRect(d), SymbolOf(MarkedEvent(dayEvents)), SymbolInk::Screen);
    }
    p.end();
    NotifyTimeListRedrawn(*this);

    // The top of the new list: offsets kept from the last month would show a part the user
    // never scrolled to, and could lie past the new picture's end.
    ScrollX = 0;
    ScrollY = 0;
    update(kListArea);
}

QRect TRiseSetTimeList::markRect(int day) const {
    const int h = rowHeight();
    return {kMarkX, (day - 1) * h + (h - kMarkSize) / 2, kMarkSize, kMarkSize};
}

int TRiseSetTimeList::dayAt(QPoint position) const {
    if (!kListArea.contains(position))
        return 0;
    const int y = position.y() - kListArea.top() + ScrollY;
    const int day = y / rowHeight() + 1;
    const int days = m_listedMonth == 0 ? 0
                                        : GetDaysInMonth(static_cast<std::uint16_t>(m_listedMonth),
                                                         static_cast<std::uint16_t>(m_listedYear));
    return y >= 0 && day <= days ? day : 0;
}

QString TRiseSetTimeList::rowHint(QPoint position) const {
    const int day = dayAt(position);
    if (day == 0)
        return {};
    return GreatEventTexts::DayHint(EventsOnDay(m_events, m_listedYear, m_listedMonth, day));
}

bool TRiseSetTimeList::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString hint = rowHint(help->pos());
        if (hint.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            // The hint stays while the pointer is on the same row.
            const int day = dayAt(help->pos());
            const int h = rowHeight();
            const QRect row(kListArea.left(), kListArea.top() + (day - 1) * h - ScrollY,
                            kListArea.width(), h);
            QToolTip::showText(help->globalPos(), hint, this, row & kListArea);
        }
        return true;
    }
    return BorderlessWindow::event(event);
}

QString TRiseSetTimeList::cellText(int day, int column) const {
    if (day < 1 || day > listedDays() || column < 0 || column >= kListColumns)
        return {};
    return m_rows[static_cast<std::size_t>(day - 1)][static_cast<std::size_t>(column)];
}

QString TRiseSetTimeList::columnHeading(int column) const {
    if (column < 0 || column >= kListColumns)
        return {};
    const Heading& h = kHeadings[static_cast<std::size_t>(column)];
    const QString title = m_titles[static_cast<std::size_t>(h.Title)]->text();
    if (h.Group < 0)
        return title;
    return tr("%1 %2", "a column's group and title: Moon Rise, Twilight Start Ast.")
        .arg(m_titles[static_cast<std::size_t>(h.Group)]->text(), title);
}

QRect TRiseSetTimeList::headingPlace(int column) const {
    if (column < 0 || column >= kListColumns)
        return {};
    return m_titles[static_cast<std::size_t>(kHeadings[static_cast<std::size_t>(column)].Title)]
        ->geometry();
}

QRect TRiseSetTimeList::cellPlace(int day, int column) const {
    if (day < 1 || day > listedDays() || column < 0 || column >= kListColumns)
        return {};
    // The columns' left edges in the list picture, from a row's cells.
    const DayTimes anyRow;
    const auto cells = TimeCells(anyRow);
    std::array<int, kListColumns + 1> left{};
    left[0] = kDateX;
    left[kIlluminationColumn] = kIlluminationX;
    for (std::size_t i = 0; i < cells.size(); ++i)
        left[static_cast<std::size_t>(TimeColumn(i))] = cells[i].X;
    left[kListColumns] = kListWidth;
    const auto c = static_cast<std::size_t>(column);
    const int h = rowHeight();
    return {kListArea.x() + left[c] - ScrollX, kListArea.y() + (day - 1) * h - ScrollY,
            left[c + 1] - left[c], h};
}

QRect TRiseSetTimeList::listArea() {
    return kListArea;
}

void TRiseSetTimeList::CopyScreenArea() {
    // A picture lower than the visible area stays at its top.
    const QSize list = listSize();
    ScrollX = std::max(0, std::min(ScrollX, list.width() - kListArea.width()));
    ScrollY = std::max(0, std::min(ScrollY, list.height() - kListArea.height()));
    repaint(kListArea);
}

void TRiseSetTimeList::paintEvent(QPaintEvent*) {
    // The part at the current offsets, whatever asked for the repaint, so that the next
    // scroll or drag continues from what is on screen.
    QPainter p(this);
    const QRect source = QRect(ScrollX, ScrollY, kListArea.width(), kListArea.height()) &
                         QRect(QPoint(0, 0), listSize());
    // The source in the picture's own pixels.
    const qreal ratio = imgList.devicePixelRatio();
    p.drawImage(
        QRectF(kListArea.topLeft() + source.topLeft() - QPoint(ScrollX, ScrollY), source.size()),
        imgList, QRectF(QPointF(source.topLeft()) * ratio, QSizeF(source.size()) * ratio));
}

void TRiseSetTimeList::changeEvent(QEvent* event) {
    BorderlessWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TRiseSetTimeList::showEvent(QShowEvent* event) {
    // The first time it opens a little below and right of the main window, whose title strip
    // and commands stay in sight; after that wherever the user left it.
    if (!event->spontaneous() && !m_placed) {
        moveOnScreen(mainWindow()->geometry().topLeft() + kFirstOpenOffset);
        m_placed = true;
    }
    BorderlessWindow::showEvent(event);
}

void TRiseSetTimeList::FormActivate() {
    ScrollX = 0;
    ScrollY = 0;
    DisplayTimeList(false, Table);
}

void TRiseSetTimeList::mousePressEvent(QMouseEvent* event) {
    FormMouseDown(event->position().toPoint());
}

void TRiseSetTimeList::mouseMoveEvent(QMouseEvent* event) {
    FormMouseMove(event->position().toPoint());
}

void TRiseSetTimeList::mouseReleaseEvent(QMouseEvent*) {
    FormMouseUp();
}

void TRiseSetTimeList::FormMouseDown(QPoint position) {
    SavedScrollX = ScrollX;
    SavedScrollY = ScrollY;
    // Only a press on the list itself drags it, not one on the header or the frame.
    const int x = position.x();
    const int y = position.y();
    if (x > kListArea.left() && x < kListArea.left() + kListArea.width() && y > kListArea.top() &&
        y < kListArea.top() + kListArea.height()) {
        DragStartX = x;
        DragStartY = y;
        Dragging = true;
    }
}

void TRiseSetTimeList::FormMouseMove(QPoint position) {
    if (!Dragging)
        return;
    // The content follows the pointer.
    ScrollX = SavedScrollX + DragStartX - position.x();
    ScrollY = SavedScrollY + DragStartY - position.y();
    CopyScreenArea();
}

void TRiseSetTimeList::FormMouseUp() {
    Dragging = false;
}

void TRiseSetTimeList::lblScrollUpMouseDown() {
    ScrollStep = -1;
    Timer1->start();
}

void TRiseSetTimeList::lblScrollUpMouseUp() {
    Timer1->stop();
}

void TRiseSetTimeList::lblScrollDownMouseDown() {
    ScrollStep = 1;
    Timer1->start();
}

void TRiseSetTimeList::lblScrollDownMouseUp() {
    Timer1->stop();
}

void TRiseSetTimeList::Timer1Timer() {
    // One row per tick, a pixel at a time, each step clamped and shown.
    const int h = rowHeight();
    SavedScrollY = ScrollY;
    for (int i = 1; i <= h; ++i) {
        ScrollY = SavedScrollY + i * ScrollStep;
        CopyScreenArea();
    }
}

void TRiseSetTimeList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_E && event->modifiers() == Qt::ControlModifier)
        return ExportCalendar();
    FormKeyDown(event->key());
    BorderlessWindow::keyPressEvent(event); // Esc still closes the window
}

void TRiseSetTimeList::FormKeyDown(int key) {
    const int row = rowHeight();
    const int page = kListArea.height() / row * row;
    switch (key) {
    case Qt::Key_Up:
        ScrollY -= row;
        break;
    case Qt::Key_Down:
        ScrollY += row;
        break;
    case Qt::Key_PageUp:
        ScrollY -= page;
        break;
    case Qt::Key_PageDown:
        ScrollY += page;
        break;
    case Qt::Key_Home:
        ScrollY = 0;
        break;
    case Qt::Key_End:
        ScrollY = imgList.height();
        break;
    default:
        return;
    }
    CopyScreenArea();
}

void TRiseSetTimeList::lblMinimiseClick() {
    showMinimized();
}

void TRiseSetTimeList::lblExitClick() {
    hide();
}

void TRiseSetTimeList::lblPrintClick() {
    // A copy: printing may show a dialog, and the activation that follows it recomputes Table.
    const MonthTimeTable copy = Table;
    if (printTable)
        printTable(copy);
}

void TRiseSetTimeList::ExportCalendar() {
    if (exportCalendar)
        exportCalendar(m_currentMonth());
}

} // namespace selvane
