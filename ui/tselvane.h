// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window: a fixed 640 x 480 borderless Moon calendar refreshed once a second.
// It owns the selected date, the observer and the painted state; the engine computes, the
// parts below draw, and this class puts their results in place.

#include "core/localetexts.h"
#include "core/pagebuilder.h"
#include "core/settings.h"
#include "core/wallclock.h"
#include "engine/datemoves.h"
#include "engine/greatevents.h"
#include "engine/localtime.h"
#include "engine/lunarprops.h"
#include "ui/mainlayout.h"
#include "windows/moonexport.h"

#include <QHash>
#include <QImage>
#include <QTimeZone>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QTimer;
class QUrl;

namespace selvane {

class CalendarGrid;
struct DateStep;
class HotSpotLabel;
class SettingsStore;
class TDateLabel;
class TAbout;
class TPrintOptions;
class TRiseSetTimeList;
class TfConfig;
class TLunarSites;
class TMonthSelect;
class TitleDrag;
class YearEntry;

// What the latest tick painted onto the window rather than into labels: screen readers read it
// from here.
struct PaintedValues {
    QString Status;     // the status strip's text, StatusText
    QString StatusTime; // its time and date, as StatusText writes them
    QString StatusDate;
    QString SiderealTime; // the strip's sidereal time, "LST: 05:07:09"
    int Percent = 0;      // the Moon picture's illuminated percent
    MoonPlace Place;      // the values beside the Moon panel
    // The data panel's values, degrees.
    double SunAzimuth = 0.0;
    double SunAltitude = 0.0;
    double MoonAzimuth = 0.0;
    double MoonAltitude = 0.0;
    double BrightLimb = 0.0; // the position angle of the Moon's bright limb
    QString PhaseAngle;      // "69º"
};

// What the one-second tick computes and the main window paints: the observer, the selected date
// at the tick's clock reading, and the Moon's phases.
struct MainState {
    // The observer (latitude north positive, longitude west positive) and the UT offset.
    double Latitude = 0.0;
    double Longitude = 0.0;
    std::int32_t UTOffsetMinutes = 0;

    // The clock reading of the latest tick with the selected date in place of today's.
    ClockTime DisplayTime;
    std::uint16_t SelectedYear = 0;
    std::uint16_t SelectedMonth = 0;
    std::uint16_t SelectedDay = 0;
    // Selected date (at the clock time of the latest tick) minus the present instant, days.
    double DayOffset = 0.0;

    // True while the Moon pictures are north up.
    bool NorthernView = true;
    // The name of the phase state drawn by the latest tick, with a leading space.
    QString PhaseName;
    // The selected month's major phases from the latest tick.
    MonthPhases Phases;
    PaintedValues Painted;
};

class TSelvane : public QWidget {
    Q_OBJECT

public:
    TSelvane(SettingsStore& store, const WallClock& clock, LocaleTexts texts,
             QWidget* parent = nullptr);
    ~TSelvane() override;

    // What the tick computed and the window paints; the commands below change it.
    const MainState& state() const { return m_state; }
    const Settings& settings() const { return m_settings; }
    const LocaleTexts& texts() const { return m_texts; }
    Observer observer() const {
        return {m_state.Latitude, m_state.Longitude, m_state.UTOffsetMinutes,
                m_observerClock.offsets()};
    }
    // The named zone the settings ask for; invalid with the fixed offset.
    const QTimeZone& zone() const { return m_observerClock.zone(); }
    CalendarGrid& calendar() { return *m_calendar; }
    YearEntry& yearEntry() { return *m_yearEntry; }
    TMonthSelect& monthSelect() { return *m_monthSelect; }
    TAbout& about() { return *m_about; }
    TRiseSetTimeList& timeList() { return *m_timeList; }
    TfConfig& config() { return *m_config; }
    TPrintOptions& printOptions() { return *m_printOptions; }
    TLunarSites& lunarSites() { return *m_lunarSites; }
    const TitleDrag& titleDrag() const { return *m_titleDrag; }

    // The one-second refresh: reads the clock, moves the selected date with it, paints the
    // panels and the status strip.
    void Timer1Timer();
    QTimer* Timer1;

    // What the window asks of the person, the desktop, the printing and the file system. The
    // constructor sets the defaults; tests replace them to record what is asked instead.
    struct Services {
        // User errors are reported here. The default shows a message box.
        std::function<void(const QString&)> showMessage;
        // The system beep.
        std::function<void()> beep;
        // Hands a web address or a file to the desktop's opener.
        std::function<void(const QUrl&)> openUrl;
        // Hand the pages to the printing (the system's printer, or a PDF file).
        std::function<void(const CalendarPageData&)> printCalendar;
        std::function<void(const TimeTablePageData&)> printTimeTable;
        // Exports the time list's month or its year to a calendar file, asking the user what
        // and where.
        std::function<void(const MoonCalendarRequest&)> exportMoonCalendar;
        // Where a file that ships with the program is ("Docs/Selvane.htm"); empty when nowhere.
        // The default looks in the working folder, then beside the program and its data folder.
        std::function<QString(const QString&)> findDataFile;
    };
    Services services;

    // Finds a month's great events (eclipses, supermoons, blue moons) for the calendar's marks
    // and hints: MoonGreatEvents, which tests replace to count the searches. The window searches
    // once for each shown month, place and clock, not at every tick.
    std::function<std::vector<GreatEvent>(int year, int month, const Observer& observer)>
        findGreatEvents;
    // The shown month's great events, as the calendar marks them.
    const std::vector<GreatEvent>& monthEvents() const { return m_events; }

    // Commands.
    void imgHemisphereClick();
    void DateLabelClick(TDateLabel* cell);
    void lblSelectedMonthClick();
    void lblSelectedYearClick();
    // Keys: the year entry's digits, Backspace, Enter and Esc while it is open; the arrows,
    // Page Up/Down (with Ctrl a year) and Home to move the selection; Ctrl+L, F1 and Ctrl+Q.
    void FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    // Applies the typed year; false (with a message) when it is not a valid year.
    bool AcceptYear();
    // The month picker's choice: the same day (or the month's last) of that month.
    void MonthPicked(int month);
    // Selects a date (years 1 to 9999) as a click on it would, and shows it at once.
    void SelectDate(int year, int month, int day);
    void SelectDate(const CalendarDate& date);
    void lblMinimiseClick();
    void lblExitClick();
    void lblPrintClick();
    void lblListClick();
    void lblConfigClick();
    void lblAboutClick();
    void lblLinksClick();
    void lblVESKClick();
    void lblHelpClick();
    // Asks the desktop to open a web address.
    void OpenSite(const QString& address);

    // Turns the Moon pictures and phase icons by 180 degrees and the switch to the other face.
    void InvertMoon();

    // Takes a settings record: the observer's coordinates and UT offset follow it, and the
    // pictures turn when its latitude direction is in the other hemisphere.
    void ApplySettings(const Settings& settings);

    // The pictures as the tick left them (for tests and the printed calendar), at the
    // window's device pixel ratio.
    const QImage& moonPicture() const { return m_moon; }
    const QImage& statusStrip() const { return m_image1; }
    const QImage& dataPanel() const { return m_imgTextBgnd; }
    const QImage& phaseIcon(int index) const { return m_icons[static_cast<std::size_t>(index)]; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void FormCreate();
    void GetConfigData();
    // Reads the present into `time` (in the named zone when there is one) and returns the
    // offset in force.
    std::int32_t GetTimeInfo(ClockTime& time) const;
    ClockTime ClockNow() const;
    void CreateControls();
    // The selected date at the clock reading, kept `DayOffset` days from it, into DisplayTime.
    void MoveSelectedDate(const ClockTime& clockNow);
    // The engine's values for DisplayTime into the labels, the data panel and the Moon.
    void PaintPanels();
    // `presentUT`: the tick's clock reading in universal time, for the sidereal time.
    void RefreshDisplay(const ClockTime& clockNow, JulianDay presentUT);
    void drawMoon(const ClockTime& time, int percent);
    // `present` is the clock reading the day offset is measured from.
    void ShowSelectedMonth(const ClockTime& time, const ClockTime& present);
    void DateSelect(TDateLabel* cell, const ClockTime& present);
    void ShowPhases(const MonthPhases& phases);
    void ShowRiseSet(const ClockTime& time);
    // Moves the selection by a step, taking over a typed year first.
    void MoveSelection(const DateStep& step);
    void SelectToday();
    QLabel* label(const char* name) const;
    // Redraws the time list and refills its own table for the current month and settings
    // while it is on screen.
    void RefreshTimeList();
    // What the printed pages of a month need to know of the window and the settings.
    PageRequest pageRequest(int year, int month) const;
    // The great events of a month for the present place and clock: searched when one of them
    // changed since the last search, else the events found then.
    const std::vector<GreatEvent>& MonthEvents(int year, int month);

    SettingsStore& m_store;
    const LocaleTexts m_texts;
    MainState m_state;
    Settings m_settings;
    ObserverClock m_observerClock; // reads the clock as m_settings says

    std::unique_ptr<CalendarGrid> m_calendar;
    YearEntry* m_yearEntry = nullptr;
    TMonthSelect* m_monthSelect = nullptr;
    TAbout* m_about = nullptr;
    TRiseSetTimeList* m_timeList = nullptr;
    TfConfig* m_config = nullptr;
    TPrintOptions* m_printOptions = nullptr;
    TLunarSites* m_lunarSites = nullptr;
    TitleDrag* m_titleDrag = nullptr;
    QLabel* m_imgHemisphere = nullptr;
    QLabel* m_lblTextPhase = nullptr;
    QLabel* m_lblLST = nullptr;
    QHash<QString, QLabel*> m_labels; // the named captions and value labels

    // Pictures: the background, the status strip's gradient and composed copy, the data
    // panel's background and composed copy, the pristine and the shadowed Moon, the phase
    // icons (New, First Quarter, Full, Last Quarter, blank) and the switch's two faces. The
    // composed copies and the shadowed Moon are at the window's device pixel ratio, the
    // others at their pictures' (2 on a high-density screen).
    QImage m_image4, m_image3, m_image1, m_image6, m_imgTextBgnd, m_image2, m_moon;
    std::array<QImage, 5> m_icons;
    QImage m_northFace, m_southFace;

    // What the month's great events were searched for: the month, the place, and the named zone
    // or else the fixed offset; and what was found.
    struct EventsKey {
        int Year = 0;
        int Month = 0;
        double Latitude = 0.0;
        double Longitude = 0.0;
        QString Zone;
        std::int32_t FixedOffset = 0;
        friend bool operator==(const EventsKey&, const EventsKey&) = default;
    };
    std::optional<EventsKey> m_eventsKey;
    std::vector<GreatEvent> m_events;

    // What the latest tick painted straight onto the window.
    bool m_ticked = false;
    std::array<int, 5> m_iconAt{}; // icon index per phase row (4 = blank)
};

} // namespace selvane
