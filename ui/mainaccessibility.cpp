// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/mainaccessibility.h"

#include "engine/dailyphases.h"
#include "ui/calendargrid.h"
#include "ui/mainlayout.h"
#include "ui/moondisc.h"
#include "ui/tselvane.h"
#include "ui/yearentry.h"
#include "widgets/accessibility.h"
#include "widgets/sexagesimalpainter.h"
#include "windows/windowaccessibility.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>

#include <array>
#include <optional>

namespace selvane {

namespace {

// The texts the main window's objects are read with.
struct Speech {
    Q_DECLARE_TR_FUNCTIONS(selvane::MainAccessibility)
};

QLabel* NamedLabel(const TSelvane& window, const char* name) {
    return window.findChild<QLabel*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

// A clock text to its minute: "21:34:05" -> "21:34".
QString ToMinute(const QString& clock) {
    return clock.section(u':', 0, 1);
}

// The value of a "Caption: value" text: "LST: 05:07:09" -> "05:07:09".
QString AfterCaption(const QString& text) {
    const qsizetype colon = text.indexOf(QStringLiteral(": "));
    return colon < 0 ? text : text.mid(colon + 2);
}

// Where `part` of `text`, drawn from x in `font` with its top at y, lies.
QRect PartPlace(const QFont& font, int x, int y, const QString& text, const QString& part) {
    const qsizetype at = text.indexOf(part);
    if (part.isEmpty() || at < 0)
        return {};
    const QFontMetrics metrics(font);
    return {x + metrics.horizontalAdvance(text.left(at)), y, metrics.horizontalAdvance(part),
            metrics.height()};
}

// The values painted as degrees, minutes and seconds, where and in which mode.
struct SexagesimalValue {
    const char* Caption;
    SexagesimalMode Mode;
    double PaintedValues::*Value;  // of the state's painted values, or
    double MoonPlace::*PlaceValue; // of the Moon's place
    int RightX, Y;                 // in the window
};
constexpr int kPanelX = 317; // kDataPanel's left: the panel's own coordinates start there
constexpr int kPanelY = 254;
const SexagesimalValue kMoonPlaceValues[] = {
    {QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Right ascension"), SexagesimalMode::Time,
     nullptr, &MoonPlace::RAHours, 268, 139},
    {QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Declination"), SexagesimalMode::Angle,
     nullptr, &MoonPlace::Dec, 268, 153},
    {QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Parallax"), SexagesimalMode::Angle, nullptr,
     &MoonPlace::Parallax, 268, 167},
    {QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Diameter"), SexagesimalMode::Angle, nullptr,
     &MoonPlace::Diameter, 268, 181},
};
const SexagesimalValue kSunValues[] = {
    {QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Sun azimuth"), SexagesimalMode::Angle,
     &PaintedValues::SunAzimuth, nullptr, kPanelX + 30, kPanelY + 37},
    {QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Sun altitude"), SexagesimalMode::Angle,
     &PaintedValues::SunAltitude, nullptr, kPanelX + 30, kPanelY + 53},
};
const SexagesimalValue kMoonValues[] = {
    {QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Moon azimuth"), SexagesimalMode::Angle,
     &PaintedValues::MoonAzimuth, nullptr, kPanelX + 30, kPanelY + 140},
    {QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Moon altitude"), SexagesimalMode::Angle,
     &PaintedValues::MoonAltitude, nullptr, kPanelX + 30, kPanelY + 156},
    {QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Position angle"), SexagesimalMode::Angle,
     &PaintedValues::BrightLimb, nullptr, kPanelX + 30, kPanelY + 172},
};

// The value labels with a caption that does not change, in the order they are read.
struct FixedCaption {
    const char* Label;
    const char* Caption;
};
constexpr FixedCaption kFixedCaptions[] = {
    {"lblVisible", QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Visible")},
    {"lblAOM", QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Age")},
    {"lblDistance", QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Distance")},
    {"lblApogeeDate", QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Apogee")},
    {"lblApogeeDist", QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Apogee distance")},
    {"lblPerigeeDate", QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Perigee")},
    {"lblPerigeeDist", QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Perigee distance")},
    {"lblSunrise", QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Sunrise")},
    {"lblSunTransit", QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Sun transit")},
    {"lblSunset", QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Sunset")},
    {"lblCivilStart", QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Civil twilight start")},
    {"lblCivilEnd", QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Civil twilight end")},
    {"lblNauticalStart",
     QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Nautical twilight start")},
    {"lblNauticalEnd", QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Nautical twilight end")},
    {"lblAstroStart",
     QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Astronomical twilight start")},
    {"lblAstroEnd", QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Astronomical twilight end")},
};

// The major phases by index: New Moon, First Quarter, Full Moon, Last Quarter.
constexpr const char* kMajorPhaseNames[] = {
    QT_TRANSLATE_NOOP("selvane::MainAccessibility", "New Moon"),
    QT_TRANSLATE_NOOP("selvane::MainAccessibility", "First Quarter"),
    QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Full Moon"),
    QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Last Quarter"),
};

// The Moon's events by the engine's titles the window shows for them.
constexpr std::pair<const char*, const char*> kMoonEventNames[] = {
    {"Moonrise:", QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Moonrise")},
    {"Transit:", QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Moon transit")},
    {"Moonset:", QT_TRANSLATE_NOOP("selvane::MainAccessibility", "Moonset")},
};

// The month's days: a row a week, a column a weekday, named with their dates and phases.
class CalendarTableAccessible : public PaintedTable {
public:
    CalendarTableAccessible(TSelvane* window, QAccessibleInterface* parent)
        : PaintedTable(window, parent, TableParts(window))
        , m_window(window) {}

    static Parts TableParts(TSelvane* window) {
        Parts parts;
        parts.Role = QAccessible::Table;
        parts.Name = [window] {
            const CalendarGrid& grid = window->calendar();
            if (grid.ShownMonth < 1)
                return QString();
            return Speech::tr("Calendar, %1 %2", "the month's name and year")
                .arg(window->texts().MonthHeadings[static_cast<std::size_t>(grid.ShownMonth - 1)])
                .arg(grid.ShownYear);
        };
        parts.Place = [window] {
            const CalendarGrid& grid = window->calendar();
            return grid.DayTitles.front()->geometry().united(grid.DateCells.back()->geometry());
        };
        return parts;
    }

    int rowCount() const override { return 6; }
    int columnCount() const override { return 7; }
    const TDateLabel* dateCell(int row, int column) const {
        return m_window->calendar().DateCells.value(row * 7 + column);
    }
    int weekday(int column) const { return (m_window->calendar().ShownDayOrder + column) % 7; }

    QString cellName(int row, int column) const override {
        const TDateLabel* cell = dateCell(row, column);
        const int day = cell ? cell->day() : 0;
        if (day == 0)
            return {};
        const CalendarGrid& grid = m_window->calendar();
        const LocaleTexts& texts = m_window->texts();
        const QString date =
            Speech::tr("%1 %2 %3 %4", "weekday, day, month and year: Friday 15 March 2024")
                .arg(texts.LongDays[static_cast<std::size_t>(weekday(column))])
                .arg(day)
                .arg(texts.month(grid.ShownMonth))
                .arg(grid.ShownYear);
        const PhaseState phase = dayPhases()[static_cast<std::size_t>(day - 1)].State;
        QString name = Speech::tr("%1, %2", "a day's date and its phase")
                           .arg(date, PhaseStateName(phase).trimmed());
        // The day's eclipses, supermoon or blue moon, as its hint shows them to the eye.
        for (const QString& line : cell->toolTip().split(u'\n', Qt::SkipEmptyParts))
            name = Speech::tr("%1, %2", "a day's name and one line of its events").arg(name, line);
        return name;
    }
    QRect cellPlace(int row, int column) const override {
        const TDateLabel* cell = dateCell(row, column);
        return cell ? cell->geometry() : QRect();
    }
    QString headerName(int column) const override {
        return m_window->texts().LongDays[static_cast<std::size_t>(weekday(column))];
    }
    QRect headerPlace(int column) const override {
        return m_window->calendar().DayTitles.value(column)->geometry();
    }
    bool cellsSelectable() const override { return true; }
    bool cellSelected(int row, int column) const override {
        const TDateLabel* cell = dateCell(row, column);
        return cell && cell == m_window->calendar().Marked && cell->day() != 0;
    }
    bool cellFocused(int row, int column) const override {
        return cellSelected(row, column) && m_window->hasFocus() && !m_window->yearEntry().isOpen();
    }
    bool cellsPressable() const override { return true; }
    void pressCell(int row, int column) override {
        if (auto* cell = m_window->calendar().DateCells.value(row * 7 + column))
            cell->accessiblePress();
    }
    // The cell marked as selected, or null.
    PaintedCell* selectedCell() const {
        for (int i = 0; i < 42; ++i)
            if (cellSelected(i / 7, i % 7))
                return cell(i / 7, i % 7);
        return nullptr;
    }

private:
    // The shown month's phase of each day, computed once for the month.
    const std::array<DailyPhase, 31>& dayPhases() const {
        const CalendarGrid& grid = m_window->calendar();
        if (!m_phases || m_phasesOf != std::pair(grid.ShownYear, grid.ShownMonth)) {
            m_phases = MonthDailyPhases(grid.ShownYear, grid.ShownMonth);
            m_phasesOf = {grid.ShownYear, grid.ShownMonth};
        }
        return *m_phases;
    }

    TSelvane* m_window;
    mutable std::optional<std::array<DailyPhase, 31>> m_phases;
    mutable std::pair<int, int> m_phasesOf;
};

class MainWindowAccessible : public ListedWindowAccessible {
public:
    explicit MainWindowAccessible(TSelvane* window)
        : ListedWindowAccessible(window)
        , m_window(window) {
        for (const char* name :
             {"lblPrint", "imgHemisphere", "lblList", "lblLinks", "lblTitle", "lblVESK",
              "lblConfig", "lblHelp", "lblAbout", "lblMinimise", "lblExit"})
            addWidget(name);
        addStatusStrip();
        addMoonPicture();
        for (const char* name : {"lblVisible", "lblAOM", "lblDistance"})
            addWidget(name);
        for (const SexagesimalValue& v : kMoonPlaceValues)
            addSexagesimal(v);
        for (const char* name :
             {"lblApogeeDate", "lblApogeeDist", "lblPerigeeDate", "lblPerigeeDist", "lblPh1Time",
              "lblPh2Time", "lblPh3Time", "lblPh4Time", "lblPh5Time", "lblSunrise", "lblSunTransit",
              "lblSunset", "lblRSValue1", "lblRSValue2", "lblRSValue3"})
            addWidget(name);
        for (const SexagesimalValue& v : kSunValues)
            addSexagesimal(v);
        for (const char* name : {"lblCivilStart", "lblCivilEnd", "lblNauticalStart",
                                 "lblNauticalEnd", "lblAstroStart", "lblAstroEnd"})
            addWidget(name);
        for (const SexagesimalValue& v : kMoonValues)
            addSexagesimal(v);
        addPhaseAngle();
        for (const char* name : {"lblSelectedMonth", "lblSelectedYear", "lblEditYear"})
            addWidget(name);
        m_calendar = addOwned(new CalendarTableAccessible(window, this));
    }

    CalendarTableAccessible* calendar() const { return m_calendar; }

    QAccessibleInterface* focusChild() const override {
        if (!m_window->hasFocus())
            return QAccessibleWidget::focusChild();
        return readerFocus();
    }

    // Where the window's keys act: the open year entry, else the selected day.
    QAccessibleInterface* readerFocus() const {
        if (m_window->yearEntry().isOpen())
            return QAccessible::queryAccessibleInterface(m_window->yearEntry().lblEditYear);
        return m_calendar->selectedCell();
    }

    // Sends NameChanged for every object whose name differs from the one told at the last
    // tick: a value label whose text changed has told it itself (QLabel does); one whose
    // caption alone changed, and the painted values, are told here.
    void ticked() {
        const bool first = m_told.isEmpty();
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* c = child(i);
            if (!c || c == m_calendar)
                continue;
            const auto* label = qobject_cast<const QLabel*>(c->object());
            Told now{c->text(QAccessible::Name), label ? label->text() : QString()};
            const Told was = m_told.value(i);
            m_told.insert(i, now);
            if (first || now.Name == was.Name)
                continue;
            if (label && now.Text != was.Text)
                continue; // the label's own event
            Notify(c, QAccessible::NameChanged);
        }
    }

    // The calendar marked a day.
    void daySelected() {
        const CalendarGrid& grid = m_window->calendar();
        const std::tuple shown{grid.ShownYear, grid.ShownMonth, grid.ShownDayOrder};
        if (m_shownMonth && *m_shownMonth != shown) {
            // Another month: its cells are named anew.
            QAccessibleTableModelChangeEvent reset(m_calendar,
                                                   QAccessibleTableModelChangeEvent::ModelReset);
            QAccessible::updateAccessibility(&reset);
            Notify(static_cast<QAccessibleInterface*>(m_calendar), QAccessible::NameChanged);
        }
        m_shownMonth = shown;
        const TDateLabel* marked = grid.Marked;
        const int day = marked ? marked->day() : 0;
        const std::tuple selected{grid.ShownYear, grid.ShownMonth, day};
        if (m_selected && *m_selected != selected) {
            if (PaintedCell* cell = m_calendar->selectedCell()) {
                Notify(static_cast<QAccessibleInterface*>(cell), QAccessible::Selection);
                if (m_window->hasFocus() && !m_window->yearEntry().isOpen())
                    Notify(static_cast<QAccessibleInterface*>(cell), QAccessible::Focus);
            }
        }
        m_selected = selected;
    }

private:
    void addStatusStrip() {
        TSelvane* w = m_window;
        const auto strip = [w](const QString& part) {
            const QString& status = w->state().Painted.Status;
            const QFont font = NamedLabel(*w, "lblTextPhase")->font();
            const int x = (382 - QFontMetrics(font).horizontalAdvance(status)) / 2 + 20;
            return PartPlace(font, kStatusStripAt.x() + x, kStatusStripAt.y() + 4, status, part);
        };
        const auto ticked = [w] {
            return !w->state().Painted.Status.isEmpty();
        };
        addValue(
            Speech::tr("Time"), [w] { return w->state().Painted.StatusTime; }, ToMinute,
            [w, strip] { return strip(w->state().Painted.StatusTime); }, ticked);
        addValue(
            Speech::tr("Date"), [w] { return w->state().Painted.StatusDate; }, nullptr,
            [w, strip] { return strip(w->state().Painted.StatusDate); }, ticked);
        addValue(
            Speech::tr("Phase"), [w] { return w->state().PhaseName.trimmed(); }, nullptr,
            [w, strip] { return strip(w->state().PhaseName.trimmed()); }, ticked);
        const auto sidereal = [w] {
            return AfterCaption(w->state().Painted.SiderealTime);
        };
        addValue(
            Speech::tr("Local sidereal time"), sidereal, ToMinute,
            [w, sidereal] {
                const QString& text = w->state().Painted.SiderealTime;
                const QFont font = NamedLabel(*w, "lblLST")->font();
                const int x = (200 - QFontMetrics(font).horizontalAdvance(text)) / 2 + 422;
                return PartPlace(font, kStatusStripAt.x() + x, kStatusStripAt.y() + 4, text,
                                 sidereal());
            },
            ticked);
    }

    void addMoonPicture() {
        TSelvane* w = m_window;
        PaintedItem::Parts parts;
        parts.Role = QAccessible::Graphic;
        parts.Name = [w] {
            if (w->state().Painted.Status.isEmpty())
                return Speech::tr("Moon");
            return Speech::tr("Moon, %1, %2 % lit", "the phase's name and the lit percent")
                .arg(w->state().PhaseName.trimmed())
                .arg(w->state().Painted.Percent);
        };
        parts.Place = [w] {
            return QRect(kMoonAt, w->moonPicture().deviceIndependentSize().toSize());
        };
        addItem(std::move(parts));
    }

    void addSexagesimal(const SexagesimalValue& v) {
        TSelvane* w = m_window;
        const auto number = [w, v] {
            const PaintedValues& p = w->state().Painted;
            return v.Value ? p.*v.Value : p.Place.*v.PlaceValue;
        };
        PaintedItem::Parts parts;
        parts.Name = [w, v, number] {
            return CaptionedName(Speech::tr(v.Caption),
                                 w->state().Painted.Status.isEmpty()
                                     ? QString()
                                     : SexagesimalText(v.Mode, number(), false));
        };
        parts.Value = [w, v, number] {
            return w->state().Painted.Status.isEmpty() ? QString()
                                                       : SexagesimalText(v.Mode, number());
        };
        parts.Place = [v, number] {
            return SexagesimalRect(QFontMetrics(SurfaceFont()), v.Mode, v.RightX, v.Y, number());
        };
        parts.Shown = [w] {
            return !w->state().Painted.Status.isEmpty();
        };
        addItem(std::move(parts));
    }

    void addPhaseAngle() {
        TSelvane* w = m_window;
        const auto text = [w] {
            return SpokenDegrees(w->state().Painted.PhaseAngle);
        };
        addValue(
            Speech::tr("Phase angle"), text, nullptr,
            [w] {
                const QFontMetrics metrics(SurfaceFont());
                const int width = metrics.horizontalAdvance(w->state().Painted.PhaseAngle);
                return QRect(kPanelX + 27 - width, kPanelY + 188, width, metrics.height());
            },
            [w] { return !w->state().Painted.Status.isEmpty(); });
    }

    // A painted text value: named with its caption and the value (`shortened` to the minute
    // where given), its value in full.
    void addValue(const QString& caption, std::function<QString()> value,
                  QString (*shortened)(const QString&), std::function<QRect()> place,
                  std::function<bool()> shown) {
        PaintedItem::Parts parts;
        parts.Name = [caption, value, shortened] {
            return CaptionedName(caption, shortened ? shortened(value()) : value());
        };
        parts.Value = value;
        parts.Place = std::move(place);
        parts.Shown = std::move(shown);
        addItem(std::move(parts));
    }

    struct Told {
        QString Name;
        QString Text;
    };

    TSelvane* m_window;
    CalendarTableAccessible* m_calendar = nullptr;
    QHash<int, Told> m_told; // by child, at the last tick
    std::optional<std::tuple<int, int, int>> m_shownMonth;
    std::optional<std::tuple<int, int, int>> m_selected;
};

QAccessibleInterface* MainFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("selvane::TSelvane"))
        return new MainWindowAccessible(static_cast<TSelvane*>(object));
    return nullptr;
}

MainWindowAccessible* MainInterface(TSelvane& window) {
    if (!QAccessible::isActive())
        return nullptr;
    return dynamic_cast<MainWindowAccessible*>(QAccessible::queryAccessibleInterface(&window));
}

} // namespace

void InstallMainAccessibility() {
    InstallWindowsAccessibility();
    static const bool installed = [] {
        QAccessible::installFactory(MainFactory);
        return true;
    }();
    (void)installed;
}

void CaptionMainLabels(TSelvane& window) {
    for (const FixedCaption& c : kFixedCaptions)
        SetValueCaption(NamedLabel(window, c.Label), Speech::tr(c.Caption));
    // A phase row is read with the phase its icon shows.
    static const char* const phaseRows[] = {"lblPh1Time", "lblPh2Time", "lblPh3Time", "lblPh4Time",
                                            "lblPh5Time"};
    for (int i = 0; i < 5; ++i)
        SetValueCaption(NamedLabel(window, phaseRows[i]), [w = &window, i] {
            const MonthPhases& phases = w->state().Phases;
            if (i >= phases.MajorPhaseCount)
                return QString();
            const int index = phases.MajorPhaseTable[static_cast<std::size_t>(i)].PhaseIndex;
            return Speech::tr(kMajorPhaseNames[std::clamp(index, 0, 3)]);
        });
    // The Moon's events follow the titles beside them, which change with their order.
    static const char* const events[][2] = {{"lblRSValue1", "lblRSTitle1"},
                                            {"lblRSValue2", "lblRSTitle2"},
                                            {"lblRSValue3", "lblRSTitle3"}};
    for (const auto& [value, title] : events)
        SetValueCaption(NamedLabel(window, value), [titleLabel = NamedLabel(window, title)] {
            const QString shown = titleLabel->text();
            for (const auto& [engineTitle, name] : kMoonEventNames)
                if (shown == QLatin1String(engineTitle))
                    return Speech::tr(name);
            return shown.chopped(shown.endsWith(u':') ? 1 : 0);
        });
}

void NotifyTicked(TSelvane& window) {
    if (MainWindowAccessible* main = MainInterface(window))
        main->ticked();
}

void NotifyDaySelected(TSelvane& window) {
    if (MainWindowAccessible* main = MainInterface(window))
        main->daySelected();
}

void MoveReaderFocus(TSelvane& window) {
    if (MainWindowAccessible* main = MainInterface(window); main && window.hasFocus())
        Notify(main->readerFocus(), QAccessible::Focus);
}

} // namespace selvane
