// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds in the main window, read through Qt's accessibility interfaces:
// every command a button that a press works, every value with its caption, the calendar a table
// of days. The values are checked against an independent ephemeris, PyEphem 4.1 (Debian's
// python3-ephem): for Greenwich (51 28 38 N, 0 0 5 W) on 2024 March 15 at 12:00:00 UT, with
// pressure 0 (no refraction); the Moon's and the Sun's altitude and azimuth from their
// geocentric places (as the window shows them), the Moon's right ascension, declination and
// diameter topocentric; the Sun's events with the centre at -0:50, the Moon's with the upper
// limb at -0:34; the phase angle and the bright limb's position angle from Meeus (48.3) and
// (48.5) fed with PyEphem's places.

#include "../widgets/accessibilityprobe.h"
#include "mainwindowfixture.h"

#include "core/product.h"
#include "ui/yearentry.h"
#include "windows/tabout.h"
#include "windows/tfconfig.h"
#include "windows/tlunarsites.h"
#include "windows/tmonthselect.h"
#include "windows/tprintoptions.h"
#include "windows/trisesettimelist.h"

#include <QRegularExpression>

using namespace selvane;

namespace {

// What a value's text stands for.
enum class Unit { Clock, Degrees, Hours, Number, Days };

// The number a value's text shows, in the unit of its kind: minutes of the day, degrees, hours,
// the number itself or days; NaN when the text does not read so.
double Reading(Unit unit, const QString& text) {
    static const QRegularExpression clock(QStringLiteral("^(\\d\\d):(\\d\\d)(:(\\d\\d))?"));
    static const QRegularExpression angle(QStringLiteral("^(-?)(\\d+)° (\\d\\d)' (\\d\\d)\"$"));
    static const QRegularExpression hours(QStringLiteral("^(\\d+)h (\\d\\d)m (\\d\\d)s$"));
    static const QRegularExpression number(QStringLiteral("^(\\d+)"));
    static const QRegularExpression days(QStringLiteral("^(\\d+)d (\\d\\d)h (\\d\\d)m$"));
    const auto n = [](const QRegularExpressionMatch& m, int i) {
        return m.captured(i).toDouble();
    };
    switch (unit) {
    case Unit::Clock:
        if (const auto m = clock.match(text); m.hasMatch())
            return n(m, 1) * 60 + n(m, 2) + n(m, 4) / 60;
        break;
    case Unit::Degrees:
        if (const auto m = angle.match(text); m.hasMatch())
            return (m.captured(1).isEmpty() ? 1 : -1) * (n(m, 2) + n(m, 3) / 60 + n(m, 4) / 3600);
        break;
    case Unit::Hours:
        if (const auto m = hours.match(text); m.hasMatch())
            return n(m, 1) + n(m, 2) / 60 + n(m, 3) / 3600;
        break;
    case Unit::Number:
        if (const auto m = number.match(text); m.hasMatch())
            return n(m, 1);
        break;
    case Unit::Days:
        if (const auto m = days.match(text); m.hasMatch())
            return n(m, 1) + n(m, 2) / 24 + n(m, 3) / 1440;
        break;
    }
    return qQNaN();
}

QAccessibleInterface* Main(const Fixture& f) {
    return Accessible(f.window.get());
}

QAccessibleTableInterface* Calendar(const Fixture& f) {
    QAccessibleInterface* table = FindNamed(Main(f), QStringLiteral("Calendar,"), true);
    return table ? table->tableInterface() : nullptr;
}

// The names of the main window's objects.
QStringList Names(QAccessibleInterface* main) {
    QStringList names;
    for (int i = 0; i < main->childCount(); ++i)
        names << main->child(i)->text(QAccessible::Name);
    return names;
}

} // namespace

class TestMainAccessibility : public QObject {
    Q_OBJECT

private slots:
    void commandsArePressedAsClicked_data();
    void commandsArePressedAsClicked();
    void valuesAreReadWithTheirCaptions_data();
    void valuesAreReadWithTheirCaptions();
    void everyObjectShownIsNamedAndLiesWhereItIsShown();
    void aTickTellsOnlyTheNamesItChanged();
    void calendarIsATableOfNamedDays_data();
    void calendarIsATableOfNamedDays();
    void theKeysMoveTheSelectedDayAndTheReadersFocus();

private:
    AccessibilityProbe m_probe;
};

enum class Effect {
    Prints,
    ListsTimes,
    ShowsLinks,
    OpensHome,
    Configures,
    AsksForHelp,
    ShowsAbout,
    TurnsMoon,
    Minimises,
    Closes,
    PicksMonth,
    OpensYear
};
Q_DECLARE_METATYPE(Effect)

void TestMainAccessibility::commandsArePressedAsClicked_data() {
    QTest::addColumn<QString>("spot");
    QTest::addColumn<QString>("name");
    QTest::addColumn<Effect>("effect");
    QTest::newRow("print") << "lblPrint"
                           << "Print Lunar Calendar" << Effect::Prints;
    QTest::newRow("list") << "lblList"
                          << "Display data for the month" << Effect::ListsTimes;
    QTest::newRow("links") << "lblLinks"
                           << "Homepage" << Effect::ShowsLinks;
    QTest::newRow("home") << "lblVESK"
                          << "Homepage" << Effect::OpensHome;
    QTest::newRow("configuration") << "lblConfig"
                                   << "Configuration" << Effect::Configures;
    QTest::newRow("help") << "lblHelp"
                          << "Help" << Effect::AsksForHelp;
    QTest::newRow("about") << "lblAbout"
                           << "About Selvane" << Effect::ShowsAbout;
    QTest::newRow("hemisphere") << "imgHemisphere"
                                << "Northern/Southern Hemisphere switch" << Effect::TurnsMoon;
    QTest::newRow("minimise") << "lblMinimise"
                              << "Minimise" << Effect::Minimises;
    QTest::newRow("close") << "lblExit"
                           << "Close" << Effect::Closes;
    QTest::newRow("month") << "lblSelectedMonth"
                           << "March" << Effect::PicksMonth;
    QTest::newRow("year") << "lblSelectedYear"
                          << "2024" << Effect::OpensYear;
}

// Each command is a push button named by its hint (or what it shows), and a press does what a
// click does; the other windows' commands it reaches are pressed the same way.
void TestMainAccessibility::commandsArePressedAsClicked() {
    QFETCH(QString, spot);
    QFETCH(QString, name);
    QFETCH(Effect, effect);
    Fixture f(kNoon15March);
    f.window->show();
    f.window->Timer1Timer();
    f.window->services.findDataFile = [](const QString&) {
        return QString();
    };
    QAccessibleInterface* command = Accessible(f.window->findChild<QWidget*>(spot));
    QCOMPARE(command->role(), QAccessible::Button);
    QCOMPARE(command->text(QAccessible::Name), name);
    QCOMPARE(Main(f)->indexOfChild(command) >= 0, true);

    // A modal window the press opens is closed, once it shows, by pressing its command.
    bool dialogShown = false;
    QTimer watch;
    watch.setInterval(10);
    const auto inDialog = [&](QWidget* dialog, const char* pressed) {
        connect(&watch, &QTimer::timeout, dialog, [&dialogShown, &watch, dialog, pressed] {
            if (!dialog->isVisible())
                return;
            watch.stop();
            dialogShown = true;
            QVERIFY(Press(FindNamed(Accessible(dialog), QString::fromLatin1(pressed))));
        });
        watch.start();
    };
    if (effect == Effect::Prints)
        inDialog(&f.window->printOptions(), "OK");
    if (effect == Effect::Configures)
        inDialog(&f.window->config(), "Close");
    if (effect == Effect::ShowsAbout)
        inDialog(&f.window->about(), "Close");
    if (effect == Effect::PicksMonth)
        inDialog(&f.window->monthSelect(), "April");
    QVERIFY(Press(command));

    switch (effect) {
    case Effect::Prints:
        QVERIFY(dialogShown);
        QCOMPARE(f.calendars.size(), 1u);
        break;
    case Effect::ListsTimes:
        QVERIFY(f.window->timeList().isVisible());
        break;
    case Effect::ShowsLinks:
        QVERIFY(f.window->lunarSites().isVisible());
        break;
    case Effect::OpensHome:
        QCOMPARE(f.opened, QList<QUrl>{QUrl(QString::fromLatin1(kHomePage))});
        break;
    case Effect::Configures:
    case Effect::ShowsAbout:
        QVERIFY(dialogShown);
        QVERIFY(!f.window->config().isVisible() && !f.window->about().isVisible());
        break;
    case Effect::AsksForHelp:
        QCOMPARE(f.messages, QStringList{QStringLiteral("Cannot find Help File")});
        break;
    case Effect::TurnsMoon:
        QVERIFY(!f.window->state().NorthernView);
        break;
    case Effect::Minimises:
        QVERIFY(f.window->windowState() & Qt::WindowMinimized);
        break;
    case Effect::Closes:
        QVERIFY(!f.window->isVisible());
        QVERIFY(!f.window->Timer1->isActive());
        break;
    case Effect::PicksMonth:
        QVERIFY(dialogShown);
        QCOMPARE(int(f.window->state().SelectedMonth), 4);
        QCOMPARE(command->text(QAccessible::Name), QStringLiteral("April"));
        break;
    case Effect::OpensYear: {
        QVERIFY(f.window->yearEntry().isOpen());
        QAccessibleInterface* entry = Accessible(f.window->yearEntry().lblEditYear);
        QCOMPARE(entry->role(), QAccessible::EditableText);
        QCOMPARE(entry->text(QAccessible::Name), QStringLiteral("Year 2024"));
        break;
    }
    }
}

void TestMainAccessibility::valuesAreReadWithTheirCaptions_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<Unit>("unit");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");
    // PyEphem's events to the second, the window's to the minute.
    const auto at = [](int h, int m, double s) {
        return h * 60 + m + s / 60;
    };
    QTest::newRow("sunrise") << "Sunrise" << Unit::Clock << at(6, 13, 10) << 1.0;
    QTest::newRow("sun transit") << "Sun transit" << Unit::Clock << at(12, 8, 46) << 1.0;
    QTest::newRow("sunset") << "Sunset" << Unit::Clock << at(18, 5, 20) << 1.0;
    QTest::newRow("civil start") << "Civil twilight start" << Unit::Clock << at(5, 40, 1) << 1.0;
    QTest::newRow("civil end") << "Civil twilight end" << Unit::Clock << at(18, 38, 35) << 1.0;
    QTest::newRow("nautical start")
        << "Nautical twilight start" << Unit::Clock << at(5, 1, 7) << 1.0;
    QTest::newRow("nautical end") << "Nautical twilight end" << Unit::Clock << at(19, 17, 39)
                                  << 1.0;
    QTest::newRow("astronomical start")
        << "Astronomical twilight start" << Unit::Clock << at(4, 20, 59) << 1.0;
    QTest::newRow("astronomical end")
        << "Astronomical twilight end" << Unit::Clock << at(19, 57, 59) << 1.0;
    // The Moon's events in the order of their times: it set after midnight, before it rose.
    QTest::newRow("moonset") << "Moonset" << Unit::Clock << at(0, 17, 55) << 1.0;
    QTest::newRow("moonrise") << "Moonrise" << Unit::Clock << at(8, 7, 24) << 1.0;
    QTest::newRow("moon transit") << "Moon transit" << Unit::Clock << at(16, 45, 18) << 1.0;
    // The month's phases (UT), the window's a minute later at most.
    QTest::newRow("last quarter") << "Last Quarter" << Unit::Clock << at(15, 23, 27) << 2.0;
    QTest::newRow("new moon") << "New Moon" << Unit::Clock << at(9, 0, 23) << 2.0;
    QTest::newRow("first quarter") << "First Quarter" << Unit::Clock << at(4, 10, 41) << 2.0;
    QTest::newRow("full moon") << "Full Moon" << Unit::Clock << at(7, 0, 16) << 2.0;
    QTest::newRow("visible") << "Visible" << Unit::Number << 32.70 << 1.0;
    QTest::newRow("age") << "Age" << Unit::Days << 5.12473 << 3.0 / 1440;
    QTest::newRow("distance") << "Distance" << Unit::Number << 378121.0 << 30.0;
    QTest::newRow("right ascension") << "Right ascension" << Unit::Hours << 4.18985 << 5.0 / 3600;
    QTest::newRow("declination") << "Declination" << Unit::Degrees << 24.4505 << 0.01;
    QTest::newRow("parallax") << "Parallax" << Unit::Degrees << 0.96648 << 0.001;
    QTest::newRow("diameter") << "Diameter" << Unit::Degrees << 1915.45 / 3600 << 0.001;
    QTest::newRow("sun azimuth") << "Sun azimuth" << Unit::Degrees << 177.2688 << 0.01;
    QTest::newRow("sun altitude") << "Sun altitude" << Unit::Degrees << 36.6599 << 0.01;
    QTest::newRow("moon azimuth") << "Moon azimuth" << Unit::Degrees << 89.6226 << 0.02;
    QTest::newRow("moon altitude") << "Moon altitude" << Unit::Degrees << 32.4585 << 0.02;
    QTest::newRow("position angle") << "Position angle" << Unit::Degrees << 257.8072 << 0.02;
    QTest::newRow("phase angle") << "Phase angle" << Unit::Number << 110.24 << 0.5;
    QTest::newRow("local sidereal time")
        << "Local sidereal time" << Unit::Clock << at(23, 34, 19.4) << 2.0 / 60;
}

// Each value is read as its caption and its value, the value as the window shows it; a label's
// is its text, and the painted ones are the right quantities.
void TestMainAccessibility::valuesAreReadWithTheirCaptions() {
    QFETCH(QString, caption);
    QFETCH(Unit, unit);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    Fixture f(kNoon15March);
    f.window->show();
    f.window->Timer1Timer();
    QAccessibleInterface* item = FindNamed(Main(f), caption, true);
    QVERIFY2(item, qPrintable(Names(Main(f)).join(u'|')));
    const QString value = item->text(QAccessible::Value);
    const QString name = item->text(QAccessible::Name);
    if (const auto* label = qobject_cast<QLabel*>(item->object()))
        QCOMPARE(value, label->text());
    // The name tells the value, to its minute where it has seconds.
    QVERIFY2(QString(value + u' ').startsWith(name.mid(caption.size() + 1)), qPrintable(name));
    if (unit == Unit::Clock && value.size() == 8)
        QCOMPARE(name, caption + u' ' + value.left(5));
    // The phases' texts carry their dates too: New Moon on the 10th.
    if (caption == QLatin1String("New Moon"))
        QVERIFY(value.endsWith(QStringLiteral("10 March 2024")));
    const double reading = Reading(unit, value);
    QVERIFY2(std::abs(reading - expected) <= tolerance,
             qPrintable(QStringLiteral("%1 reads %2").arg(name).arg(reading, 0, 'f', 5)));
}

// Every object shown has a name and lies where the window shows it; the captions read with
// their values and the hidden working labels are no objects of their own.
void TestMainAccessibility::everyObjectShownIsNamedAndLiesWhereItIsShown() {
    Fixture f(kNoon15March);
    f.window->show();
    f.window->Timer1Timer();
    QAccessibleInterface* main = Main(f);
    const QRect window(f.window->mapToGlobal(QPoint(0, 0)), f.window->size());
    for (int i = 0; i < main->childCount(); ++i) {
        QAccessibleInterface* c = main->child(i);
        if (c->state().invisible)
            continue;
        QVERIFY2(!c->text(QAccessible::Name).isEmpty(), qPrintable(QString::number(i)));
        QVERIFY2(window.contains(c->rect()), qPrintable(c->text(QAccessible::Name)));
        QCOMPARE(main->childAt(c->rect().center().x(), c->rect().center().y()), c);
    }
    const QStringList names = Names(main);
    for (const char* absent : {"Visible:", "RA:", "Az.:", "lblTextPhase", "lblLST"})
        QVERIFY2(!names.contains(QString::fromLatin1(absent)), absent);

    // Painted objects over their panels of the background: the status strip's bands, the Moon
    // panel, the Sun's and the Moon's panels.
    const std::pair<const char*, QRect> places[] = {
        {"Time", QRect(20, 40, 382, 21)},
        {"Local sidereal time", QRect(422, 40, 200, 21)},
        {"Moon, Waxing Crescent, 33 % lit", QRect(18, 68, 385, 179)},
        {"Right ascension", QRect(18, 68, 385, 179)},
        {"Sun altitude", QRect(276, 258, 129, 87)},
        {"Phase angle", QRect(276, 356, 129, 109)},
    };
    for (const auto& [caption, area] : places) {
        QAccessibleInterface* item = FindNamed(main, QString::fromLatin1(caption), true);
        QVERIFY2(item, caption);
        const QRect at(f.window->mapFromGlobal(item->rect().topLeft()), item->rect().size());
        QVERIFY2(area.contains(at), caption);
    }
    QCOMPARE(FindNamed(main, QStringLiteral("Moon, Waxing Crescent, 33 % lit"))->rect(),
             QRect(f.window->mapToGlobal(QPoint(26, 86)), QSize(150, 150)));
}

// A tick tells exactly the names it changed, each once: not the clock's within its minute (its
// seconds are read on demand), the clock when its minute turns, and an hour later the labels
// that changed (the age, the distance) once, by themselves.
void TestMainAccessibility::aTickTellsOnlyTheNamesItChanged() {
    Fixture f({2024, 3, 5, 15, 12, 0, 58, 0});
    f.window->show();
    f.window->Timer1Timer();
    QAccessibleInterface* main = Main(f);
    QAccessibleInterface* time = FindNamed(main, QStringLiteral("Time"), true);
    const struct {
        int Advance;
        const char *Value, *Name;
        bool MinuteTurns;
        const char* Label; // a value label whose text the tick changed
    } ticks[] = {{1, "12:00:59", "Time 12:00", false, nullptr},
                 {1, "12:01:00", "Time 12:01", true, nullptr},
                 {3600, "13:01:00", "Time 13:01", true, "Age"}};
    for (const auto& tick : ticks) {
        const QStringList before = Names(main);
        AccessibilityProbe::events().clear();
        f.clock.advance(tick.Advance);
        f.window->Timer1Timer();
        QCOMPARE(time->text(QAccessible::Value), QString::fromLatin1(tick.Value));
        QCOMPARE(time->text(QAccessible::Name), QString::fromLatin1(tick.Name));
        const QStringList after = Names(main);
        QStringList changed;
        for (int i = 0; i < after.size(); ++i)
            if (after[i] != before[i])
                changed << after[i];
        QStringList told = AccessibilityProbe::told(QAccessible::NameChanged);
        told.sort();
        changed.sort();
        QCOMPARE(told, changed);
        QCOMPARE(changed.contains(QString::fromLatin1(tick.Name)), tick.MinuteTurns);
        if (tick.Label) {
            QAccessibleInterface* label = FindNamed(main, QString::fromLatin1(tick.Label), true);
            QVERIFY(label && changed.contains(label->text(QAccessible::Name)));
        }
    }
}

void TestMainAccessibility::calendarIsATableOfNamedDays_data() {
    QTest::addColumn<int>("dayOrder");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("name");
    // 1 March 2024 was a Friday; the month's phases as above.
    QTest::newRow("Sunday first, New Moon") << 0 << 10 << "Sunday 10 March 2024, New Moon";
    QTest::newRow("Sunday first, selected") << 0 << 15 << "Friday 15 March 2024, Waxing Crescent";
    QTest::newRow("Monday first, quarter") << 1 << 17 << "Sunday 17 March 2024, First Quarter";
    QTest::newRow("Monday first, gibbous") << 1 << 20 << "Wednesday 20 March 2024, Waxing Gibbous";
    QTest::newRow("Saturday first, Full Moon") << 6 << 25 << "Monday 25 March 2024, Full Moon";
    QTest::newRow("Saturday first, waning") << 6 << 28 << "Thursday 28 March 2024, Waning Gibbous";
}

// The calendar is a table of 6 weeks under the weekdays' names, each day named with its date
// and phase in the column of its weekday; the selected day is selected; a press selects a day.
void TestMainAccessibility::calendarIsATableOfNamedDays() {
    QFETCH(int, dayOrder);
    QFETCH(int, day);
    QFETCH(QString, name);
    Fixture f(kNoon15March, QStringLiteral("North"), QStringLiteral("12"),
              {{QStringLiteral("DayOrder"), QString::number(dayOrder)}});
    f.window->show();
    f.window->Timer1Timer();
    QAccessibleTableInterface* table = Calendar(f);
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 6);
    QCOMPARE(table->columnCount(), 7);
    // Day 1 is a Friday: weekday 5 counted from Sunday.
    const int column = (5 - dayOrder + 7) % 7;
    const int first = column;
    const int index = first + day - 1;
    QAccessibleInterface* cell = table->cellAt(index / 7, index % 7);
    QCOMPARE(cell->role(), QAccessible::Cell);
    // The day's events follow, line by line as its hint shows them (March 2024's penumbral
    // eclipse of the Moon on the 25th).
    const QString hint = f.cellOfDay(day)->toolTip();
    QCOMPARE(hint.isEmpty(), day != 25);
    QCOMPARE(cell->text(QAccessible::Name),
             hint.isEmpty() ? name : name + ", " + hint.split(u'\n').join(", "));
    const QString weekday = name.section(u' ', 0, 0);
    QCOMPARE(cell->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name),
             weekday);
    QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name).isEmpty(), first > 0);
    QCOMPARE(cell->state().selected, day == 15);
    QCOMPARE(table->selectedCellCount(), 1);
    QCOMPARE(table->selectedCells().value(0)->text(QAccessible::Name).section(u',', 0, 0),
             QStringLiteral("Friday 15 March 2024"));

    QVERIFY(Press(cell));
    QCOMPARE(int(f.window->state().SelectedDay), day);
    QVERIFY(cell->state().selected);
}

// With the window's keyboard, the selected day is the reader's focus and the keys move it:
// to the next day, into the next month (whose days the table renames), to the year entry.
void TestMainAccessibility::theKeysMoveTheSelectedDayAndTheReadersFocus() {
    Fixture f(kNoon15March);
    f.window->show();
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.window->setFocus();
    f.window->Timer1Timer();
    QAccessibleTableInterface* table = Calendar(f);
    QAccessibleInterface* selected = table->selectedCells().value(0);
    QVERIFY(selected->state().focused);
    QCOMPARE(Main(f)->focusChild(), selected);

    const std::pair<Qt::Key, const char*> moves[] = {
        {Qt::Key_Right, "Saturday 16 March 2024, Waxing Crescent"},
        {Qt::Key_Down, "Saturday 23 March 2024, Waxing Gibbous"},
        // The Moon was full at 23:49 UT: at the day's start it was still waxing.
        {Qt::Key_PageDown, "Tuesday 23 April 2024, Waxing Gibbous"},
    };
    for (const auto& [key, name] : moves) {
        AccessibilityProbe::events().clear();
        QTest::keyClick(f.window.get(), key);
        QCOMPARE(AccessibilityProbe::told(QAccessible::Focus),
                 QStringList{QString::fromLatin1(name)});
        QCOMPARE(table->selectedCells().value(0)->text(QAccessible::Name),
                 QString::fromLatin1(name));
    }
    // April 2024 begins on a Monday, in the second column; its 30 days reach the fifth row.
    QCOMPARE(table->cellAt(0, 1)->text(QAccessible::Name),
             QStringLiteral("Monday 1 April 2024, Waning Gibbous"));
    QVERIFY(table->cellAt(4, 3)->text(QAccessible::Name).isEmpty());
    QVERIFY(AccessibilityProbe::told(QAccessible::NameChanged)
                .contains(QStringLiteral("Calendar, April 2024")));

    AccessibilityProbe::events().clear();
    QTest::mouseClick(f.window->findChild<QWidget*>("lblSelectedYear"), Qt::LeftButton);
    QCOMPARE(AccessibilityProbe::told(QAccessible::Focus),
             QStringList{QStringLiteral("Year 2024")});
    QTest::keyClick(f.window.get(), Qt::Key_Escape);
    QCOMPARE(AccessibilityProbe::told(QAccessible::Focus).last(),
             QStringLiteral("Tuesday 23 April 2024, Waxing Gibbous"));
}

QTEST_MAIN(TestMainAccessibility)
#include "tst_mainaccessibility.moc"
