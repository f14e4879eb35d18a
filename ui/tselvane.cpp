// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/tselvane.h"

#include "core/moontexts.h"
#include "core/pagebuilder.h"
#include "core/product.h"
#include "core/settingsstore.h"
#include "core/utf8text.h"
#include "core/vectorstate.h"
#include "core/wallclock.h"
#include "engine/datemoves.h"
#include "engine/riseset.h"
#include "engine/risesettext.h"
#include "engine/solar.h"
#include "print/printjob.h"
#include "ui/calendargrid.h"
#include "ui/datafiles.h"
#include "ui/mainaccessibility.h"
#include "ui/mainlayout.h"
#include "ui/moondisc.h"
#include "ui/yearentry.h"
#include "widgets/accessibility.h"
#include "widgets/hotspotlabel.h"
#include "widgets/placement.h"
#include "widgets/resources.h"
#include "widgets/sexagesimalpainter.h"
#include "widgets/titledrag.h"
#include "widgets/widgetstyle.h"
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
#include <utility>

namespace selvane {

namespace {

const QColor kWindowGrey(128, 128, 128);
constexpr int kBlankIcon = 4;

} // namespace

TSelvane::TSelvane(SettingsStore& store, const WallClock& clock, LocaleTexts texts, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , Timer1(new QTimer(this))
    , m_store(store)
    , m_texts(std::move(texts))
    , m_observerClock(clock, m_settings) {
    InstallMainAccessibility();
    ForgetAccessibleInterface(this); // one a running screen reader had made for a plain widget
    InitResources();
    services.showMessage = [this](const QString& text) {
        QMessageBox::information(this, QStringLiteral("Selvane"), text);
    };
    services.beep = [] {
        QApplication::beep();
    };
    services.openUrl = [](const QUrl& url) {
        QDesktopServices::openUrl(url); // a failure passes silently
    };
    services.printCalendar = [this](const CalendarPageData& page) {
        PrintCalendar(this, page);
    };
    services.printTimeTable = [this](const TimeTablePageData& page) {
        PrintTimeTable(m_timeList, page);
    };
    services.exportMoonCalendar = [this](const MoonCalendarRequest& request) {
        ExportMoonCalendar(m_timeList, request, DefaultExportPrompts());
    };
    services.findDataFile = [](const QString& relativePath) {
        return FindDataFile(relativePath, QDir::currentPath(),
                            QCoreApplication::applicationDirPath());
    };
    findGreatEvents = MoonGreatEvents;
    FormCreate();
}

TSelvane::~TSelvane() {
    // The value labels' captions and the window's objects read the state, gone from here on.
    ReleaseAccessibility(this);
}

void TSelvane::FormCreate() {
    setObjectName(QStringLiteral("TSelvane"));
    setWindowTitle(QStringLiteral("Doviveva"));
    setFixedSize(kWindowSize);
    move(MainWindowPosition(screen()->availableGeometry()));
    setFocusPolicy(Qt::StrongFocus);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kWindowGrey);
    setPalette(palette);
    setAutoFillBackground(true);

    m_image4 = OpaquePicture(":/background.jpg");
    m_image3 = OpaquePicture(":/statusstrip.png");
    m_image6 = ComposeDataPanel(m_image4, OpaquePicture(":/datapanel.png"));
    m_image2 = OpaquePicture(":/moon.png");
    m_icons = PhaseIcons();
    m_northFace = LoadPicture(QStringLiteral(":/hemisphere_north.png"));
    m_southFace = LoadPicture(QStringLiteral(":/hemisphere_south.png"));

    CreateControls();
    GetConfigData();

    m_state.UTOffsetMinutes = GetTimeInfo(m_state.DisplayTime);
    m_state.SelectedYear = m_state.DisplayTime.Year;
    m_state.SelectedMonth = m_state.DisplayTime.Month;
    m_state.SelectedDay = m_state.DisplayTime.Day;

    ShowSelectedMonth(m_state.DisplayTime,
                      m_state.DisplayTime); // the grid was made with the controls

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
    CaptionMainLabels(*this);

    m_calendar = std::make_unique<CalendarGrid>(this, m_texts);
    for (TDateLabel* cell : m_calendar->DateCells)
        connect(cell, &HotSpotLabel::clicked, this, [this, cell] { DateLabelClick(cell); });
    connect(m_calendar->lblSelectedMonth, &HotSpotLabel::clicked, this,
            &TSelvane::lblSelectedMonthClick);
    connect(m_calendar->lblShadowMonth, &HotSpotLabel::clicked, this,
            &TSelvane::lblSelectedMonthClick);
    connect(m_calendar->lblSelectedYear, &HotSpotLabel::clicked, this,
            &TSelvane::lblSelectedYearClick);

    m_yearEntry = new YearEntry(this, m_calendar->lblSelectedYear, m_calendar->lblshadowYear);
    connect(m_yearEntry->lblEditYear, &HotSpotLabel::clicked, this,
            &TSelvane::lblSelectedYearClick);

    m_monthSelect = new TMonthSelect(this, m_texts.MonthHeadings);
    connect(m_monthSelect, &TMonthSelect::monthPicked, this, &TSelvane::MonthPicked);

    m_timeList = new TRiseSetTimeList(this, m_texts, [this] {
        return TimeListMonth{m_state.SelectedYear, m_state.SelectedMonth, observer(),
                             FromUtf8(m_settings.DateLayout),
                             ZoneDescription(m_settings, zone().isValid())};
    });
    m_timeList->printTable = [this](const MonthTimeTable& table) {
        services.printTimeTable(
            TimeTablePage(pageRequest(m_state.SelectedYear, m_state.SelectedMonth), table));
    };
    // The list's own month, place and zone, as it lists them.
    m_timeList->exportCalendar = [this](const TimeListMonth& month) {
        services.exportMoonCalendar(
            {month.Year, month.Month,
             m_texts.MonthHeadings[static_cast<std::size_t>(month.Month - 1)], month.Place,
             FromUtf8(m_settings.Location), m_observerClock.now()});
    };
    m_config = new TfConfig(m_settings, m_store, this);
    m_config->now = [this] {
        return m_observerClock.now();
    };
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

    // For screen readers: the window's name, names for the commands without a hint and what
    // the links and the calendar's heading do.
    setAccessibleName(tr("Selvane"));
    spot("lblMinimise")->setAccessibleName(tr("Minimise"));
    spot("lblExit")->setAccessibleName(tr("Close"));
    spot("lblLinks")->setAccessibleDescription(tr("Links to pages about the Moon"));
    spot("imgHemisphere")
        ->setAccessibleDescription(tr("Turns the Moon picture for the other hemisphere"));
    m_calendar->lblSelectedMonth->setAccessibleDescription(tr("Choose another month"));
    m_calendar->lblSelectedYear->setAccessibleDescription(tr("Type another year"));
}

QLabel* TSelvane::label(const char* name) const {
    return m_labels.value(QLatin1String(name));
}

void TSelvane::GetConfigData() {
    ApplySettings(LoadSettings(m_store));
}

void TSelvane::ApplySettings(const Settings& settings) {
    m_settings = settings;
    const Observer place = ObserverFromSettings(m_settings, 0.0); // its clock is read below
    m_state.Latitude = place.Latitude;
    m_state.Longitude = place.Longitude;
    m_observerClock.apply();
    // A zone id found in other letter cases is kept as the system spells it, for the headings
    // and the configuration window's next save.
    if (zone().isValid())
        m_settings.ZoneName = zone().id().toStdString();
    ClockTime present;
    m_state.UTOffsetMinutes = GetTimeInfo(present);
    // The pictures turn only when the hemisphere changed, so applying the same place twice
    // leaves them as they are.
    if (m_state.NorthernView == StartsInSouthernView(m_settings))
        InvertMoon();
}

std::int32_t TSelvane::GetTimeInfo(ClockTime& time) const {
    return m_observerClock.read(time);
}

ClockTime TSelvane::ClockNow() const {
    ClockTime now;
    GetTimeInfo(now);
    return now;
}

void TSelvane::Timer1Timer() {
    ClearUpperVectorHalves(); // after the last repaint, before the engine
    m_state.UTOffsetMinutes = GetTimeInfo(m_state.DisplayTime);
    const ClockTime clockNow = m_state.DisplayTime;
    const JulianDay presentUT = UniversalJD(clockNow, m_state.UTOffsetMinutes);
    const auto shownMonth = std::pair(m_state.SelectedYear, m_state.SelectedMonth);
    MoveSelectedDate(clockNow);
    PaintPanels();
    RefreshDisplay(clockNow, presentUT);
    // The clock crossed into another month while the selection follows it.
    if (std::pair(m_state.SelectedYear, m_state.SelectedMonth) != shownMonth)
        RefreshTimeList();
}

void TSelvane::MoveSelectedDate(const ClockTime& clockNow) {
    const CalendarDate selected = DateAtOffset(clockNow, m_state.DayOffset);
    m_state.SelectedYear = static_cast<std::uint16_t>(selected.Year);
    m_state.SelectedMonth = static_cast<std::uint16_t>(selected.Month);
    m_state.SelectedDay = static_cast<std::uint16_t>(selected.Day);
    m_state.DisplayTime.Year = m_state.SelectedYear;
    m_state.DisplayTime.Month = m_state.SelectedMonth;
    m_state.DisplayTime.Day = m_state.SelectedDay;
    if (zone().isValid()) // the offset in force at the selected date's instant
        m_state.UTOffsetMinutes = OffsetAt(
            observer(),
            LocalToUniversal(DateTimeToJD(m_state.DisplayTime.Year, m_state.DisplayTime.Month,
                                          m_state.DisplayTime.Day, m_state.DisplayTime.Hour,
                                          m_state.DisplayTime.Minute, m_state.DisplayTime.Second),
                             observer()));
}

void TSelvane::PaintPanels() {
    // The scratch pictures are made at the window's device pixel ratio, so that the values,
    // texts and shadow painted on them in logical pixels use every pixel of the screen.
    m_imgTextBgnd = PictureAt(m_image6, devicePixelRatioF());
    const Observer o = observer();
    QPainter panel(&m_imgTextBgnd);
    panel.translate(kPanelSignRoom, 0); // the panel's own coordinates
    panel.setFont(SurfaceFont());
    panel.setPen(kLightYellow);

    // The Moon panel.
    const MoonPanel moon = CalculateSelvane(m_state.DisplayTime, o, m_texts.Months);
    ShowPhases(moon.Phases);
    SetCaption(label("lblVisible"), FromUtf8(moon.VisibleText));
    SetCaption(label("lblDistance"), FromUtf8(moon.DistanceText));
    PaintedValues& painted = m_state.Painted;
    painted.Percent = moon.Percent;
    painted.Place = {moon.TopoRAHours, moon.Topo.Dec, moon.Position.Parallax, moon.Diameter};
    painted.MoonAzimuth = moon.Position.Azimuth;
    painted.MoonAltitude = moon.Position.Altitude;
    painted.PhaseAngle = FromUtf8(moon.PhaseAngleText);
    DrawSexagesimal(panel, SexagesimalMode::Angle, 30, 140, painted.MoonAzimuth);
    DrawSexagesimal(panel, SexagesimalMode::Angle, 30, 156, painted.MoonAltitude);
    DrawTextAt(panel, 27 - QFontMetrics(panel.font()).horizontalAdvance(painted.PhaseAngle), 188,
               painted.PhaseAngle);

    // The position angle of the bright limb from the Sun's place.
    const SolarResult sun = SolarPosition(m_state.DisplayTime, o);
    painted.BrightLimb = BrightLimbAngle(moon.Geocentric.RA, moon.Geocentric.Dec, sun.RA, sun.Dec);
    DrawSexagesimal(panel, SexagesimalMode::Angle, 30, 172, painted.BrightLimb);

    // Age and apsides.
    const LunarProperties props = CalculateLunarProperties(m_state.DisplayTime, o, m_texts.Months);
    SetCaption(label("lblAOM"), AgeShown(AgeOf(props.AgeDays)));
    SetCaption(label("lblApogeeDate"), FromUtf8(props.Apsides.ApogeeText));
    SetCaption(label("lblApogeeDist"), FromUtf8(props.ApogeeDistanceText));
    SetCaption(label("lblPerigeeDate"), FromUtf8(props.Apsides.PerigeeText));
    SetCaption(label("lblPerigeeDist"), FromUtf8(props.PerigeeDistanceText));

    // Rise, transit and set; the Sun's present place in the panel.
    ShowRiseSet(m_state.DisplayTime);
    painted.SunAzimuth = sun.Azimuth;
    painted.SunAltitude = sun.Altitude;
    DrawSexagesimal(panel, SexagesimalMode::Angle, 30, 37, painted.SunAzimuth);
    DrawSexagesimal(panel, SexagesimalMode::Angle, 30, 53, painted.SunAltitude);
    panel.end();

    drawMoon(m_state.DisplayTime, moon.Percent);
}

void TSelvane::ShowPhases(const MonthPhases& phases) {
    m_state.Phases = phases;
    static const char* const names[] = {"lblPh1Time", "lblPh2Time", "lblPh3Time", "lblPh4Time",
                                        "lblPh5Time"};
    const auto count = static_cast<std::size_t>(phases.MajorPhaseCount);
    for (std::size_t i = 0; i < m_iconAt.size(); ++i) {
        if (i < count)
            SetCaption(label(names[i]), FromUtf8(phases.Texts[i]));
        m_iconAt[i] = i < count ? phases.MajorPhaseTable[i].PhaseIndex : kBlankIcon;
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
        SetCaption(label(titles[i]), MoonEventTitle(entries[i].Title));
        SetCaption(label(values[i]), EventTimeText(entries[i].Time, kEventTextLength));
    }

    for (const SunRow& row : kSunRows) {
        const auto times = CalcSolarRiseSet(time, o, row.Altitude);
        if (row.Transit)
            SetCaption(label(row.Transit), EventTimeText(times[0], kEventTextLength));
        SetCaption(label(row.Start), EventTimeText(times[1], kEventTextLength));
        SetCaption(label(row.End), EventTimeText(times[2], kEventTextLength));
    }
}

void TSelvane::RefreshDisplay(const ClockTime& clockNow, JulianDay presentUT) {
    PaintedValues& painted = m_state.Painted;
    const QString monthName = m_texts.month(m_state.DisplayTime.Month);
    painted.StatusTime = StatusTime(m_state.DisplayTime);
    painted.StatusDate = StatusDate(m_state.DisplayTime, monthName);
    painted.Status = StatusText(m_state.DisplayTime, monthName, m_state.PhaseName);
    SetCaption(m_lblTextPhase, painted.Status);
    // The sidereal time of the real present, whatever date is selected.
    painted.SiderealTime =
        SiderealTimeShown(FromUtf8(SiderealClockText(presentUT, m_state.Longitude)));
    SetCaption(m_lblLST, painted.SiderealTime);

    m_image1 = ComposeStatusStrip(m_image3, devicePixelRatioF(), m_lblTextPhase->font(),
                                  painted.Status, painted.SiderealTime);

    ShowSelectedMonth(m_state.DisplayTime, clockNow); // the tick's own clock reading
    m_ticked = true;
    update();
    NotifyTicked(*this);
}

void TSelvane::drawMoon(const ClockTime& time, int percent) {
    const PhaseState state =
        ChoosePhaseState(UniversalJD(time, m_state.UTOffsetMinutes), m_state.Phases);
    m_state.PhaseName = PhaseStateName(state);
    m_moon = PictureAt(m_image2, devicePixelRatioF());
    QPainter p(&m_moon);
    Shadow(p, percent, state, m_state.NorthernView);
}

void TSelvane::InvertMoon() {
    // Every call turns the pictures, so the view flips with them; at a latitude of exactly 0
    // the sign alone could not tell the two views apart.
    m_state.NorthernView = !m_state.NorthernView;
    ShowPicture(m_imgHemisphere,
                QPixmap::fromImage(m_state.NorthernView ? m_northFace : m_southFace));
    m_image2 = TurnedHalfway(m_image2);
    for (std::size_t i = 0; i < 4; ++i)
        m_icons[i] = TurnedHalfway(m_icons[i]);
    if (m_ticked)
        update();
}

void TSelvane::imgHemisphereClick() {
    if (m_yearEntry->isOpen() && !AcceptYear())
        return;
    m_state.Latitude = -m_state.Latitude;
    InvertMoon();
}

void TSelvane::ShowSelectedMonth(const ClockTime& time, const ClockTime& present) {
    TDateLabel* cell = m_calendar->ShowMonth(time.Year, time.Month, time.Day, m_settings.DayOrder);
    m_calendar->ShowEvents(MonthEvents(time.Year, time.Month));
    if (cell)
        DateSelect(cell, present);
}

const std::vector<GreatEvent>& TSelvane::MonthEvents(int year, int month) {
    const bool named = zone().isValid();
    const EventsKey key{year,
                        month,
                        m_state.Latitude,
                        m_state.Longitude,
                        named ? QString::fromUtf8(zone().id()) : QString(),
                        named ? 0 : m_state.UTOffsetMinutes};
    if (key != m_eventsKey) {
        m_events = findGreatEvents(year, month, observer());
        m_eventsKey = key;
    }
    return m_events;
}

void TSelvane::DateSelect(TDateLabel* cell, const ClockTime& present) {
    const int day = cell->day();
    if (day == 0)
        return;
    m_state.SelectedDay = static_cast<std::uint16_t>(day);
    m_state.DayOffset =
        DayOffsetTo({m_state.SelectedYear, m_state.SelectedMonth, m_state.SelectedDay}, present);
    m_calendar->MarkCell(cell);
    NotifyDaySelected(*this);
}

void TSelvane::DateLabelClick(TDateLabel* cell) {
    if (m_yearEntry->isOpen() && !AcceptYear())
        return;
    DateSelect(cell, ClockNow());
}

void TSelvane::RefreshTimeList() {
    if (!m_timeList->isVisible())
        return;
    // Into the list's own table: what it prints is then always the month its rows show and
    // the printout's heading names.
    m_timeList->DisplayTimeList(false, m_timeList->Table);
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
    // However it closes, the printing follows, but for Esc, which cancels.
    if (m_printOptions->exec() == TPrintOptions::Cancelled)
        return;
    services.printCalendar(
        CalendarPage(pageRequest(m_state.DisplayTime.Year, m_state.DisplayTime.Month)));
}

PageRequest TSelvane::pageRequest(int year, int month) const {
    return {m_settings, observer(), m_texts, year, month, m_state.NorthernView, zone().isValid()};
}

void TSelvane::lblConfigClick() {
    // On closing it has written the record and the store; closed by Escape it changed nothing,
    // and the main window stays as it was (a hemisphere turned by hand stays turned).
    if (m_config->exec() == TfConfig::Cancelled)
        return;
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
    // The page in the language of the window's texts when there is one, else the English.
    QString help;
    for (const QString& page : HelpPages(m_texts.Language)) {
        help = services.findDataFile(page);
        if (!help.isEmpty())
            break;
    }
    if (help.isEmpty())
        services.showMessage(tr("Cannot find Help File"));
    else
        services.openUrl(QUrl::fromLocalFile(help));
}

void TSelvane::OpenSite(const QString& address) {
    services.openUrl(QUrl(address));
}

void TSelvane::keyPressEvent(QKeyEvent* event) {
    FormKeyDown(event->key(), event->modifiers());
    QWidget::keyPressEvent(event);
}

void TSelvane::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // The keyboard moves the selected day: a screen reader's focus goes there, after the
    // window's own focus event (which Qt sends once this returns).
    if (QAccessible::isActive())
        QMetaObject::invokeMethod(
            this, [this] { MoveReaderFocus(*this); }, Qt::QueuedConnection);
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
        if (i >= 3 || icon != kBlankIcon)
            p.drawImage(kPhaseIconX, kPhaseIconTop + kPhaseRowStep * i,
                        m_icons[static_cast<std::size_t>(icon)]);
    }
    PaintMoonPlace(p, m_state.Painted.Place);
}

} // namespace selvane
