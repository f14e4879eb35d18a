#include "ui/tselvane.h"

#include "engine/angletext.h"
#include "engine/datemoves.h"
#include "engine/riseset.h"
#include "engine/solar.h"
#include "engine/text.h"
#include "print/pagebuilder.h"
#include "print/printjob.h"
#include "settings/settingsstore.h"
#include "ui/calendargrid.h"
#include "ui/datafiles.h"
#include "ui/mainlayout.h"
#include "ui/moondisc.h"
#include "ui/wallclock.h"
#include "ui/yearentry.h"
#include "widgets/hotspotlabel.h"
#include "widgets/placement.h"
#include "widgets/product.h"
#include "widgets/resources.h"
#include "widgets/sexagesimalpainter.h"
#include "widgets/titledrag.h"
#include "widgets/utf8text.h"
#include "widgets/vectorstate.h"
#include "widgets/widgetstyle.h"
#include "widgets/zones.h"
#include "windows/tabout.h"
#include "windows/tfconfig.h"
#include "windows/tlunarsites.h"
#include "windows/tmonthselect.h"
#include "windows/tprintoptions.h"
#include "windows/trisesettimelist.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace selvane {

namespace {

const QPoint kWindowPosition(135, 120);
const QColor kWindowGrey(128, 128, 128);
constexpr int kSurfacePixels = 12; // 9 point at 96 dpi: the values painted on the window
constexpr int kBlankIcon = 4;

void SetCaption(QLabel* label, const QString& text) {
    if (label->text() != text) {
        label->setText(text);
        label->adjustSize();
    }
}

// Draws a text with its top-left corner at (x, y).
void DrawTextAt(QPainter& p, int x, int y, const QString& text) {
    p.drawText(QPoint(x, y + QFontMetrics(p.font()).ascent()), text);
}

} // namespace

TSelvane::TSelvane(SettingsStore& store, const WallClock& clock, LocaleTexts texts, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , Timer1(new QTimer(this))
    , m_store(store)
    , m_clock(clock)
    , m_texts(std::move(texts)) {
    InitResources();
    showMessage = [this](const QString& text) {
        QMessageBox::information(this, QStringLiteral("Selvane"), text);
    };
    beep = [] {
        QApplication::beep();
    };
    openUrl = [](const QUrl& url) {
        QDesktopServices::openUrl(url); // a failure passes silently
    };
    printCalendar = [this](const CalendarPageData& page) {
        PrintCalendar(this, page);
    };
    printTimeTable = [this](const TimeTablePageData& page) {
        PrintTimeTable(m_timeList, page);
    };
    findDataFile = [](const QString& relativePath) {
        return FindDataFile(relativePath, QDir::currentPath(),
                            QCoreApplication::applicationDirPath());
    };
    FormCreate();
}

TSelvane::~TSelvane() = default;

void TSelvane::FormCreate() {
    setObjectName(QStringLiteral("TSelvane"));
    setWindowTitle(QStringLiteral("Doviveva"));
    setFixedSize(kWindowSize);
    move(kWindowPosition);
    setFocusPolicy(Qt::StrongFocus);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kWindowGrey);
    setPalette(palette);
    setAutoFillBackground(true);

    m_image4 = OpaquePicture(":/background.jpg");
    m_image3 = OpaquePicture(":/statusstrip.png");
    m_image6 = ComposeDataPanel(m_image4, OpaquePicture(":/datapanel.png"));
    m_image2 = OpaquePicture(":/moon.png");
    const char* icons[] = {":/phase_new.png", ":/phase_firstquarter.png", ":/phase_full.png",
                           ":/phase_lastquarter.png", ":/phase_blank.png"};
    for (std::size_t i = 0; i < m_icons.size(); ++i)
        m_icons[i] = OpaquePicture(icons[i]);
    m_northFace = LoadPicture(QStringLiteral(":/hemisphere_north.png"));
    m_southFace = LoadPicture(QStringLiteral(":/hemisphere_south.png"));

    CreateControls();
    GetConfigData();

    UTOffsetMinutes = GetTimeInfo(DisplayTime);
    SelectedYear = DisplayTime.Year;
    SelectedMonth = DisplayTime.Month;
    SelectedDay = DisplayTime.Day;

    ShowSelectedMonth(DisplayTime, DisplayTime); // the grid was made with the controls

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TSelvane::Timer1Timer);
    Timer1->start();
}

void TSelvane::CreateControls() {
    for (const Placement& spot : kMainHotSpots)
        AddHotSpot(this, spot);
    const auto spot = [this](const char* name) {
        return findChild<HotSpotLabel*>(QString::fromLatin1(name));
    };
    m_titleDrag = new TitleDrag(this, spot("lblTitle"));
    connect(spot("lblMinimise"), &HotSpotLabel::clicked, this, &TSelvane::lblMinimiseClick);
    connect(spot("lblExit"), &HotSpotLabel::clicked, this, &TSelvane::lblExitClick);
    m_imgHemisphere = spot("imgHemisphere");
    ShowPicture(m_imgHemisphere, QPixmap::fromImage(m_northFace));
    connect(spot("imgHemisphere"), &HotSpotLabel::clicked, this, &TSelvane::imgHemisphereClick);

    m_labels = CreateMainLabels(this);
    m_lblTextPhase = label("lblTextPhase");
    m_lblLST = label("lblLST");

    m_calendar = std::make_unique<CalendarGrid>(this, m_texts);
    for (TDateLabel* cell : m_calendar->DateCells)
        connect(cell, &HotSpotLabel::clicked, this, [this, cell] { DateLabelClick(cell); });
    connect(m_calendar->lblSelectedMonth, &HotSpotLabel::clicked, this,
            &TSelvane::lblSelectedMonthClick);
    connect(m_calendar->lblShadowMonth, &HotSpotLabel::clicked, this,
            &TSelvane::lblSelectedMonthClick);
    connect(m_calendar->lblSelectedYear, &HotSpotLabel::clicked, this,
            &TSelvane::lblSelectedYearClick);

    m_yearEntry = new YearEntry(this);
    connect(m_yearEntry->lblEditYear, &HotSpotLabel::clicked, this,
            &TSelvane::lblSelectedYearClick);

    m_monthSelect = new TMonthSelect(this);
    connect(m_monthSelect, &TMonthSelect::monthPicked, this, &TSelvane::MonthPicked);

    m_timeList = new TRiseSetTimeList(this, m_texts, [this] {
        return TimeListMonth{SelectedYear, SelectedMonth, observer(),
                             FromUtf8(m_settings.DateLayout),
                             ZoneDescription(m_settings, m_zone.isValid())};
    });
    m_timeList->printTable = [this](const MonthTimeTable& table) {
        printTimeTable(TimeTablePage(pageRequest(SelectedYear, SelectedMonth), table));
    };
    m_config = new TfConfig(m_settings, m_store, this);
    m_printOptions = new TPrintOptions(m_settings, m_store, this);
    m_about = new TAbout(this);
    m_lunarSites = new TLunarSites(this);
    m_lunarSites->openSite = [this](const QString& address) {
        OpenSite(address);
    };
    const std::pair<const char*, void (TSelvane::*)()> commands[] = {
        {"lblPrint", &TSelvane::lblPrintClick},   {"lblList", &TSelvane::lblListClick},
        {"lblConfig", &TSelvane::lblConfigClick}, {"lblAbout", &TSelvane::lblAboutClick},
        {"lblLinks", &TSelvane::lblLinksClick},   {"lblVESK", &TSelvane::lblVESKClick},
        {"lblHelp", &TSelvane::lblHelpClick},
    };
    for (const auto& [name, handler] : commands)
        connect(spot(name), &HotSpotLabel::clicked, this, handler);
}

QLabel* TSelvane::label(const char* name) const {
    return m_labels.value(QLatin1String(name));
}

void TSelvane::GetConfigData() {
    ApplySettings(LoadSettings(m_store));
}

void TSelvane::ApplySettings(const Settings& settings) {
    m_settings = settings;
    // Each field is checked on its own, so 90 59' 59" N and 180 59' 59" W can be stored; the
    // observer is held to the globe.
    Latitude = std::clamp(DmsToDegrees(m_settings.Lat), -90.0, 90.0);
    Longitude = std::clamp(DmsToDegrees(m_settings.Long), -180.0, 180.0);
    // A named zone the system knows gives the offset in force at each instant; without one
    // (or with one it does not know) the zone index and the daylight-saving flag give it.
    m_zone = NamedZone(m_settings.ZoneName);
    m_zoneOffsets = m_zone.isValid() ? OffsetsOf(m_zone) : ZoneOffsets();
    ClockTime present;
    UTOffsetMinutes = GetTimeInfo(present);
    // The pictures turn only when the hemisphere changed, so applying the same place twice
    // leaves them as they are.
    if (NorthernView == StartsInSouthernView(m_settings))
        InvertMoon();
}

std::int32_t TSelvane::GetTimeInfo(ClockTime& time) const {
    const QDateTime now = m_clock.now();
    if (m_zone.isValid()) {
        // The computer's clock in universal time, read in the named zone: right even when the
        // computer itself keeps another zone.
        const QDateTime local = now.toTimeZone(m_zone);
        time = ClockTimeOf(local);
        return OffsetAt(observer(), JulianDayOf(local));
    }
    time = ClockTimeOf(now);
    return UTOffsetFromSettings(m_settings.TimeZone, m_settings.DaylightSavings);
}

ClockTime TSelvane::ClockNow() const {
    ClockTime now;
    GetTimeInfo(now);
    return now;
}

void TSelvane::Timer1Timer() {
    ClearUpperVectorHalves(); // after the last repaint, before the engine
    UTOffsetMinutes = GetTimeInfo(DisplayTime);
    const ClockTime clockNow = DisplayTime;
    const JulianDay presentUT = UniversalJD(clockNow, UTOffsetMinutes);
    MoveSelectedDate(clockNow);
    PaintPanels();
    RefreshDisplay(clockNow, presentUT);
}

void TSelvane::MoveSelectedDate(const ClockTime& clockNow) {
    const CalendarDate selected = DateAtOffset(clockNow, DayOffset);
    SelectedYear = static_cast<std::uint16_t>(selected.Year);
    SelectedMonth = static_cast<std::uint16_t>(selected.Month);
    SelectedDay = static_cast<std::uint16_t>(selected.Day);
    DisplayTime.Year = SelectedYear;
    DisplayTime.Month = SelectedMonth;
    DisplayTime.Day = SelectedDay;
    if (m_zone.isValid()) // the offset in force at the selected date's instant
        UTOffsetMinutes = OffsetAt(
            observer(),
            LocalToUniversal(DateTimeToJD(DisplayTime.Year, DisplayTime.Month, DisplayTime.Day,
                                          DisplayTime.Hour, DisplayTime.Minute, DisplayTime.Second),
                             observer()));
}

void TSelvane::PaintPanels() {
    // The scratch pictures are made at the window's device pixel ratio, so that the values,
    // texts and shadow painted on them in logical pixels use every pixel of the screen.
    m_imgTextBgnd = PictureAt(m_image6, devicePixelRatioF());
    const Observer o = observer();
    QPainter panel(&m_imgTextBgnd);
    panel.translate(kPanelSignRoom, 0); // the panel's own coordinates
    panel.setFont(ArialPixels(kSurfacePixels));
    panel.setPen(kLightYellow);

    // The Moon panel.
    const MoonPanel moon = CalculateSelvane(DisplayTime, o, m_texts.Months);
    ShowPhases(moon.Phases);
    SetCaption(label("lblVisible"), FromUtf8(moon.VisibleText));
    SetCaption(label("lblDistance"), FromUtf8(moon.DistanceText));
    m_topoRAHours = moon.TopoRAHours;
    m_topoDec = moon.Topo.Dec;
    m_parallax = moon.Position.Parallax;
    m_diameter = moon.Diameter;
    DrawSexagesimal(panel, SexagesimalMode::Angle, 30, 140, moon.Position.Azimuth);
    DrawSexagesimal(panel, SexagesimalMode::Angle, 30, 156, moon.Position.Altitude);
    const QString phaseAngle = FromUtf8(moon.PhaseAngleText);
    DrawTextAt(panel, 27 - QFontMetrics(panel.font()).horizontalAdvance(phaseAngle), 188,
               phaseAngle);

    // The position angle of the bright limb from the Sun's place.
    const SolarResult sun = SolarPosition(DisplayTime, o);
    DrawSexagesimal(panel, SexagesimalMode::Angle, 30, 172,
                    BrightLimbAngle(moon.Geocentric.RA, moon.Geocentric.Dec, sun.RA, sun.Dec));

    // Age and apsides.
    const LunarProperties props = CalculateLunarProperties(DisplayTime, o, m_texts.Months);
    SetCaption(label("lblAOM"), FromUtf8(props.AgeText));
    SetCaption(label("lblApogeeDate"), FromUtf8(props.Apsides.ApogeeText));
    SetCaption(label("lblApogeeDist"), FromUtf8(props.ApogeeDistanceText));
    SetCaption(label("lblPerigeeDate"), FromUtf8(props.Apsides.PerigeeText));
    SetCaption(label("lblPerigeeDist"), FromUtf8(props.PerigeeDistanceText));

    // Rise, transit and set; the Sun's present place in the panel.
    ShowRiseSet(DisplayTime);
    DrawSexagesimal(panel, SexagesimalMode::Angle, 30, 37, sun.Azimuth);
    DrawSexagesimal(panel, SexagesimalMode::Angle, 30, 53, sun.Altitude);
    panel.end();

    drawMoon(DisplayTime, moon.Percent);
}

void TSelvane::ShowPhases(const MonthPhases& phases) {
    Phases = phases;
    static const char* const names[] = {"lblPh1Time", "lblPh2Time", "lblPh3Time", "lblPh4Time",
                                        "lblPh5Time"};
    const int count = phases.MajorPhaseCount;
    for (int i = 0; i < 5; ++i) {
        if (i < count) {
            SetCaption(label(names[i]), FromUtf8(phases.Texts[static_cast<std::size_t>(i)]));
            m_iconAt[static_cast<std::size_t>(i)] =
                phases.MajorPhaseTable[static_cast<std::size_t>(i)].PhaseIndex;
        } else {
            m_iconAt[static_cast<std::size_t>(i)] = kBlankIcon;
        }
    }
    label("lblPh4Time")->setVisible(count >= 4);
    label("lblPh5Time")->setVisible(count >= 5);
}

void TSelvane::ShowRiseSet(const ClockTime& time) {
    const Observer o = observer();
    const LunarRiseSet moon = CalcLunarRiseSet(time, o);
    const auto entries = SortedByTime(moon.Entries);
    static const char* const titles[] = {"lblRSTitle1", "lblRSTitle2", "lblRSTitle3"};
    static const char* const values[] = {"lblRSValue1", "lblRSValue2", "lblRSValue3"};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        SetCaption(label(titles[i]), FromUtf8(entries[i].Title));
        SetCaption(label(values[i]), FromUtf8(entries[i].Time));
    }

    for (const SunRow& row : kSunRows) {
        const auto texts = CalcSolarRiseSet(time, o, row.Altitude);
        if (row.Transit)
            SetCaption(label(row.Transit), FromUtf8(texts[0]));
        SetCaption(label(row.Start), FromUtf8(texts[1]));
        SetCaption(label(row.End), FromUtf8(texts[2]));
    }
}

void TSelvane::RefreshDisplay(const ClockTime& clockNow, JulianDay presentUT) {
    const ClockTime& t = DisplayTime;
    const QString status = QStringLiteral("%1:%2:%3  %4 %5 %6 -%7")
                               .arg(t.Hour, 2, 10, QChar('0'))
                               .arg(t.Minute, 2, 10, QChar('0'))
                               .arg(t.Second, 2, 10, QChar('0'))
                               .arg(t.Day)
                               .arg(m_texts.month(t.Month))
                               .arg(t.Year, 4, 10, QChar('0'))
                               .arg(PhaseName);
    SetCaption(m_lblTextPhase, status);
    SetCaption(m_lblLST, ShowSiderealTime(presentUT));

    m_image1 = PictureAt(m_image3, devicePixelRatioF());
    QPainter strip(&m_image1);
    strip.setFont(m_lblTextPhase->font());
    strip.setPen(kNavy);
    const QFontMetrics metrics(strip.font());
    DrawTextAt(strip, (382 - metrics.horizontalAdvance(status)) / 2 + 20, 4, status);
    DrawTextAt(strip, (200 - metrics.horizontalAdvance(m_lblLST->text())) / 2 + 422, 4,
               m_lblLST->text());
    strip.end();

    ShowSelectedMonth(DisplayTime, clockNow); // the tick's own clock reading
    m_ticked = true;
    update();
}

QString TSelvane::ShowSiderealTime(JulianDay presentUT) const {
    // The real present, whatever date is selected.
    return FromUtf8(LocalSiderealTimeText(presentUT, Longitude));
}

void TSelvane::drawMoon(const ClockTime& time, int percent) {
    const PhaseState state = ChoosePhaseState(UniversalJD(time, UTOffsetMinutes), Phases);
    PhaseName = PhaseStateName(state);
    m_moon = PictureAt(m_image2, devicePixelRatioF());
    QPainter p(&m_moon);
    Shadow(p, percent, state, NorthernView);
}

void TSelvane::InvertMoon() {
    // Every call turns the pictures, so the view flips with them; at a latitude of exactly 0
    // the sign alone could not tell the two views apart.
    NorthernView = !NorthernView;
    ShowPicture(m_imgHemisphere, QPixmap::fromImage(NorthernView ? m_northFace : m_southFace));
    m_image2 = TurnedHalfway(m_image2);
    for (std::size_t i = 0; i < 4; ++i)
        m_icons[i] = TurnedHalfway(m_icons[i]);
    if (m_ticked)
        update();
}

void TSelvane::imgHemisphereClick() {
    if (m_yearEntry->isOpen() && !AcceptYear())
        return;
    Latitude = -Latitude;
    InvertMoon();
}

void TSelvane::ShowSelectedMonth(const ClockTime& time, const ClockTime& present) {
    TDateLabel* cell = m_calendar->ShowMonth(time.Year, time.Month, time.Day, m_settings.DayOrder);
    if (cell)
        DateSelect(cell, present);
}

void TSelvane::DateSelect(TDateLabel* cell, const ClockTime& present) {
    const int day = cell->day();
    if (day == 0)
        return;
    SelectedDay = static_cast<std::uint16_t>(day);
    SetDayOffsetTo(SelectedYear, SelectedMonth, SelectedDay, present);
    m_calendar->MarkCell(cell);
}

void TSelvane::SetDayOffsetTo(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                              const ClockTime& present) {
    DayOffset = DayOffsetTo({year, month, day}, present);
}

void TSelvane::DateLabelClick(TDateLabel* cell) {
    if (m_yearEntry->isOpen() && !AcceptYear())
        return;
    DateSelect(cell, ClockNow());
}

void TSelvane::lblSelectedMonthClick() {
    if (m_yearEntry->isOpen() && !AcceptYear())
        return;
    m_monthSelect->exec();
}

void TSelvane::MonthPicked(int month) {
    SelectedMonth = static_cast<std::uint16_t>(month);
    SelectedDay = static_cast<std::uint16_t>(DayInMonth(SelectedYear, month, SelectedDay).Day);
    SetDayOffsetTo(SelectedYear, SelectedMonth, SelectedDay, ClockNow());
    Timer1Timer();
    RefreshTimeList();
}

void TSelvane::RefreshTimeList() {
    if (!m_timeList->isVisible())
        return;
    MonthTimeTable scratch; // the list's own Table changes only when it is next activated
    m_timeList->DisplayTimeList(false, scratch);
}

void TSelvane::lblSelectedYearClick() {
    m_calendar->lblSelectedYear->hide();
    m_calendar->lblshadowYear->hide();
    m_yearEntry->open(m_calendar->lblSelectedYear);
}

void TSelvane::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const bool ctrl = modifiers & Qt::ControlModifier;
    // The commands, whether or not the year entry is open (those that act on the date take
    // over a typed year first, as the mouse's do).
    if (ctrl && key == Qt::Key_L)
        return lblListClick();
    if (ctrl && key == Qt::Key_P)
        return lblPrintClick();
    if (ctrl && key == Qt::Key_Comma)
        return lblConfigClick();
    if (ctrl && key == Qt::Key_Q)
        return lblExitClick();
    if (key == Qt::Key_F1)
        return lblHelpClick();

    if (m_yearEntry->isOpen()) {
        if (key == Qt::Key_Backspace) {
            if (!m_yearEntry->backspace())
                beep();
            return;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            AcceptYear();
            return;
        }
        if (key >= Qt::Key_0 && key <= Qt::Key_9 && !(modifiers & Qt::KeypadModifier)) {
            m_yearEntry->appendDigit(QChar('0' + (key - Qt::Key_0)));
            return;
        }
        if (key == Qt::Key_Escape) {
            CancelYear();
            return;
        }
    }

    // Moving the selection: days, weeks, months, years, or back to today.
    switch (key) {
    case Qt::Key_Left:
        return MoveSelectionByDays(-1);
    case Qt::Key_Right:
        return MoveSelectionByDays(1);
    case Qt::Key_Up:
        return MoveSelectionByDays(-7);
    case Qt::Key_Down:
        return MoveSelectionByDays(7);
    case Qt::Key_PageUp:
        return MoveSelectionByMonths(ctrl ? -12 : -1);
    case Qt::Key_PageDown:
        return MoveSelectionByMonths(ctrl ? 12 : 1);
    case Qt::Key_Home:
        return SelectToday();
    default:
        break;
    }
}

void TSelvane::MoveSelectionByDays(int days) {
    if (m_yearEntry->isOpen() && !AcceptYear())
        return;
    SelectDate(MoveByDays({SelectedYear, SelectedMonth, SelectedDay}, days));
}

void TSelvane::MoveSelectionByMonths(int months) {
    if (m_yearEntry->isOpen() && !AcceptYear())
        return;
    SelectDate(MoveByMonths({SelectedYear, SelectedMonth, SelectedDay}, months));
}

void TSelvane::SelectToday() {
    if (m_yearEntry->isOpen() && !AcceptYear())
        return;
    DayOffset = 0.0;
    Timer1Timer();
    RefreshTimeList();
}

void TSelvane::SelectDate(int year, int month, int day) {
    SelectDate(CalendarDate{year, month, day});
}

void TSelvane::SelectDate(const CalendarDate& date) {
    const bool newMonth = date.Year != SelectedYear || date.Month != SelectedMonth;
    SelectedYear = static_cast<std::uint16_t>(date.Year);
    SelectedMonth = static_cast<std::uint16_t>(date.Month);
    SelectedDay = static_cast<std::uint16_t>(date.Day);
    SetDayOffsetTo(SelectedYear, SelectedMonth, SelectedDay, ClockNow());
    Timer1Timer(); // shown at once, as after a month pick
    if (newMonth)
        RefreshTimeList();
}

void TSelvane::CancelYear() {
    m_yearEntry->close();
    m_calendar->lblSelectedYear->show();
    m_calendar->lblshadowYear->show();
}

bool TSelvane::AcceptYear() {
    const QString typed = m_yearEntry->text();
    const auto year = ParseDecimal(typed.toStdString());
    if (!year) {
        showMessage(QStringLiteral("'%1' is not a valid integer value").arg(typed));
        return false;
    }
    if (*year < kFirstYear || *year > kLastYear) {
        showMessage(QStringLiteral("Invalid argument to date encode"));
        return false;
    }
    SelectedYear = static_cast<std::uint16_t>(*year);
    SelectedDay = static_cast<std::uint16_t>(DayInMonth(*year, SelectedMonth, SelectedDay).Day);
    SetDayOffsetTo(SelectedYear, SelectedMonth, SelectedDay, ClockNow());

    m_yearEntry->close();
    for (QLabel* l :
         {static_cast<QLabel*>(m_calendar->lblSelectedYear), m_calendar->lblshadowYear}) {
        l->setText(typed);
        l->adjustSize();
        l->show();
    }
    return true;
}

void TSelvane::lblMinimiseClick() {
    showMinimized();
}

void TSelvane::lblExitClick() {
    Timer1->stop();
    close();
    QApplication::quit();
}

void TSelvane::lblPrintClick() {
    if (m_yearEntry->isOpen() && !AcceptYear())
        return;
    m_printOptions->exec(); // however it closes, the printing follows
    printCalendar(CalendarPage(pageRequest(DisplayTime.Year, DisplayTime.Month)));
}

PageRequest TSelvane::pageRequest(int year, int month) const {
    return {m_settings, observer(), m_texts, year, month, NorthernView, m_zone.isValid()};
}

void TSelvane::lblConfigClick() {
    m_config->exec(); // on closing it has written the record and the store
    ApplySettings(m_settings);
    Timer1Timer(); // the new place and zone at once, not a second later
    RefreshTimeList();
}

void TSelvane::lblListClick() {
    if (m_yearEntry->isOpen() && !AcceptYear())
        return;
    m_timeList->show();
    m_timeList->raise();
    m_timeList->activateWindow();
}

void TSelvane::lblAboutClick() {
    m_about->exec();
}

void TSelvane::lblLinksClick() {
    m_lunarSites->show();
    m_lunarSites->raise();
}

void TSelvane::lblVESKClick() {
    OpenSite(QString::fromLatin1(kHomePage));
}

void TSelvane::lblHelpClick() {
    const QString help = findDataFile(QStringLiteral("Docs/Selvane.htm"));
    if (help.isEmpty())
        showMessage(QStringLiteral("Cannot find Help File"));
    else
        openUrl(QUrl::fromLocalFile(help));
}

void TSelvane::OpenSite(const QString& address) {
    openUrl(QUrl(address));
}

void TSelvane::keyPressEvent(QKeyEvent* event) {
    FormKeyDown(event->key(), event->modifiers());
    QWidget::keyPressEvent(event);
}

void TSelvane::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The pictures are scaled where their device pixel ratio is not the window's (twice the
    // resolution on a screen of ratio 1.5); the scratch pictures are at the window's ratio and
    // are copied pixel for pixel.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(0, 0, m_image4);
    if (!m_ticked)
        return;
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(kStatusStripAt, m_image1);
    p.drawImage(kMoonAt, m_moon);
    p.drawImage(kDataPanel.x() - kPanelSignRoom, kDataPanel.y(), m_imgTextBgnd);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < 5; ++i) {
        const int icon = m_iconAt[static_cast<std::size_t>(i)];
        // Rows 1 to 3 always hold a phase; an empty row 4 or 5 shows the blank icon.
        if (i < 3 && icon == kBlankIcon)
            continue;
        p.drawImage(kPhaseIconX, kPhaseIconTop + kPhaseRowStep * i,
                    m_icons[static_cast<std::size_t>(icon)]);
    }

    // The Moon's place, painted on black boxes.
    p.setFont(ArialPixels(kSurfacePixels));
    p.setPen(kAqua);
    p.setBackground(Qt::black);
    p.setBackgroundMode(Qt::OpaqueMode);
    DrawSexagesimal(p, SexagesimalMode::Time, 268, 139, m_topoRAHours);
    DrawSexagesimal(p, SexagesimalMode::Angle, 268, 153, m_topoDec);
    DrawSexagesimal(p, SexagesimalMode::Angle, 268, 167, m_parallax);
    DrawSexagesimal(p, SexagesimalMode::Angle, 268, 181, m_diameter);
}

} // namespace selvane
