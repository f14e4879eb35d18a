// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindowfixture.h"

#include "core/settingsstore.h"
#include "core/utf8text.h"
#include "core/zones.h"
#include "engine/angletext.h"
#include "engine/lunarprops.h"
#include "engine/riseset.h"
#include "engine/risesettext.h"
#include "engine/solar.h"
#include "ui/calendargrid.h"
#include "ui/mainlayout.h"
#include "ui/moondisc.h"
#include "ui/tselvane.h"
#include "ui/yearentry.h"
#include "widgets/titledrag.h"
#include "widgets/widgetstyle.h"
#include "windows/tmonthselect.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <set>

using namespace selvane;

namespace {

// Minutes after midnight of an "hh:mm" text.
double Minutes(const QString& text) {
    return text.left(2).toInt() * 60.0 + text.mid(3, 2).toInt();
}

bool HasColour(const QImage& image, const QRect& area, QRgb colour, int tolerance = 40) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qRed(p) - qRed(colour)) + std::abs(qGreen(p) - qGreen(colour)) +
                    std::abs(qBlue(p) - qBlue(colour)) <=
                tolerance)
                return true;
        }
    return false;
}

bool SameImage(const QImage& screen, QPoint at, const QImage& picture) {
    return screen.copy(QRect(at, picture.size())).convertToFormat(QImage::Format_RGB32) ==
           picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestTSelvane : public QObject {
    Q_OBJECT

private slots:
    void startsEmptyAtItsPlace();
    void tickWritesTheEngineResults();
    void tickPaintsPicturesAndValuesInTheirPlaces();
    void statusStripAndSiderealTimeTexts();
    void dayClickSelectsAndBlankClickDoesNothing();
    void selectionFollowsTheClockAcrossMidnight();
    void selectionStaysTenDaysAheadAcrossMidnight();
    void monthPickKeepsTheDayWhereTheMonthAllows();
    void monthPickerChoosesTheRowUnderTheMouse();
    void yearTypingEditsAndAcceptsTheYear();
    void badYearsAreRefusedAndTheEntryStaysOpen();
    void keysDoNothingWhileTheEntryIsClosed();
    void hemisphereSwitchTwiceRestoresEverything();
    void southernStoreStartsTurned();
    void titleDragMovesByTheMouseTravel();
    void negativeValuesKeepTheirSign();
    void dayClickJustAfterMidnightSelectsThatDay();
    void selectionIsHeldAtTheLastDayOfYear9999();
    void theClockHoldsAtTheLastSecondOf9999();
    void applyingSettingsTwiceTurnsThePicturesOnce();
    void aNamedZoneReadsTheComputersClockInThatZone();
    void aNamedZoneGivesEachSelectedDateItsOwnOffset();
    void opensAtItsPlaceOrWhollyOnASmallScreen();
    void calendarMarksTheGreatEventsWithTheirHints();
    void greatEventsAreSearchedOncePerMonthAndPlace();
};

void TestTSelvane::startsEmptyAtItsPlace() {
    Fixture f(kNoon15March);
    QCOMPARE(f.window->pos(), QPoint(135, 120));
    QCOMPARE(f.window->size(), QSize(640, 480));
    QCOMPARE(f.window->windowTitle(), QString("Doviveva"));
    QVERIFY(f.window->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(f.label("lblVisible")->text().isEmpty());
    QVERIFY(f.label("lblRSValue1")->text().isEmpty());
    QCOMPARE(f.label("lblRSTitle1")->text(), QString("MoonRise:"));
    QCOMPARE(f.window->state().SelectedDay, 15);
    QCOMPARE(f.window->state().Latitude, 51 + 28 / 60.0 + 38 / 3600.0);
    QCOMPARE(f.window->state().Longitude, 5 / 3600.0);
    QCOMPARE(f.window->findChild<QWidget*>("lblConfig")->toolTip(), QString("Configuration"));
    QCOMPARE(f.window->findChild<QWidget*>("imgHemisphere")->toolTip(),
             QString("Northern/Southern Hemisphere switch"));
    QCOMPARE(f.window->Timer1->interval(), 1000);
}

void TestTSelvane::tickWritesTheEngineResults() {
    Fixture f(kNoon15March);
    f.window->Timer1Timer();
    const Observer o{f.window->state().Latitude, f.window->state().Longitude, 0};
    const MonthNames& months = English().Months;

    const MoonPanel moon = CalculateSelvane(kNoon15March, o, months);
    QCOMPARE(f.label("lblVisible")->text(), FromUtf8(moon.VisibleText));
    QCOMPARE(f.label("lblDistance")->text(), FromUtf8(moon.DistanceText));
    QCOMPARE(f.window->state().Phases.MajorPhaseCount, 4);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(f.label(qPrintable(QString("lblPh%1Time").arg(i + 1)))->text(),
                 FromUtf8(moon.Phases.Texts[i]));
    QCOMPARE(f.label("lblPh1Time")->text(), QString("15:24  03 March 2024"));
    QVERIFY(!f.label("lblPh5Time")->isVisibleTo(f.window.get()));
    QVERIFY(f.label("lblPh4Time")->isVisibleTo(f.window.get()));

    const LunarProperties props = CalculateLunarProperties(kNoon15March, o, months);
    QCOMPARE(f.label("lblAOM")->text(), FromUtf8(props.AgeText));
    QCOMPARE(f.label("lblPerigeeDate")->text(), QString("07:06  10 Mar"));
    QCOMPARE(f.label("lblPerigeeDist")->text(), QString("356896 km"));
    QCOMPARE(f.label("lblApogeeDate")->text(), QString("15:01  25 Feb"));
    QCOMPARE(f.label("lblApogeeDist")->text(), QString("406314 km"));

    const auto entries = SortedByTime(CalcLunarRiseSet(kNoon15March, o).Entries);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(f.label(qPrintable(QString("lblRSTitle%1").arg(i + 1)))->text(),
                 FromUtf8(entries[i].Title));
        QCOMPARE(f.label(qPrintable(QString("lblRSValue%1").arg(i + 1)))->text(),
                 FromUtf8(EventText(entries[i].Time)));
    }
    const auto sun = CalcSolarRiseSet(kNoon15March, o, kSunriseAltitude);
    QCOMPARE(f.label("lblSunTransit")->text(), FromUtf8(EventText(sun[0])));
    QCOMPARE(f.label("lblSunrise")->text(), FromUtf8(EventText(sun[1])));
    QCOMPARE(f.label("lblSunset")->text(), FromUtf8(EventText(sun[2])));
    const auto astro = CalcSolarRiseSet(kNoon15March, o, kAstronomicalTwilight);
    QCOMPARE(f.label("lblAstroStart")->text(), FromUtf8(EventText(astro[1])));
    QCOMPARE(f.label("lblAstroEnd")->text(), FromUtf8(EventText(astro[2])));
    QCOMPARE(f.label("lblCivilStart")->text(),
             FromUtf8(EventText(CalcSolarRiseSet(kNoon15March, o, kCivilTwilight)[1])));
    QCOMPARE(f.label("lblNauticalEnd")->text(),
             FromUtf8(EventText(CalcSolarRiseSet(kNoon15March, o, kNauticalTwilight)[2])));
    // The painted values leave their labels empty.
    QVERIFY(f.label("lblRA")->text().isEmpty());
}

void TestTSelvane::tickPaintsPicturesAndValuesInTheirPlaces() {
    Fixture f(kNoon15March);
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    f.window->Timer1Timer();
    const QImage screen = f.window->grab().toImage();

    QVERIFY(SameImage(screen, {26, 86}, f.window->moonPicture()));
    QVERIFY(SameImage(screen, {0, 40}, f.window->statusStrip()));
    // The panel's picture starts 12 pixels left of the panel, where a sign may stand.
    QVERIFY(SameImage(screen, {317, 254}, f.window->dataPanel().copy(12, 0, 87, 211)));
    // March 2024: Last Quarter, New, First Quarter, Full Moon, then the blank icon.
    const int order[] = {3, 0, 1, 2, 4};
    for (int i = 0; i < 5; ++i)
        QVERIFY2(SameImage(screen, {431, 83 + 30 * i}, f.window->phaseIcon(order[i])),
                 qPrintable(QString::number(i)));

    // Right ascension, declination, parallax and diameter in aqua left of x 268 + 50.
    for (int y : {139, 153, 167, 181}) {
        QVERIFY2(HasColour(screen, QRect(230, y, 38, 12), qRgb(0, 255, 255)),
                 qPrintable(QString::number(y)));
        QVERIFY(!HasColour(screen, QRect(320, y, 60, 12), qRgb(0, 255, 255), 100));
    }
    // Light-yellow values in the data panel: the Sun's azimuth and the Moon's phase angle.
    QVERIFY(HasColour(screen, QRect(317 + 5, 254 + 37, 68, 12), qRgb(255, 255, 176)));
    QVERIFY(HasColour(screen, QRect(317 + 5, 254 + 188, 22, 12), qRgb(255, 255, 176)));
    // The waxing crescent of 33 % keeps its left side in shadow in the north.
    QCOMPARE(screen.pixel(26 + 40, 86 + 75), qRgb(30, 30, 30));
    QVERIFY(screen.pixel(26 + 140, 86 + 75) != qRgb(30, 30, 30));
}

void TestTSelvane::statusStripAndSiderealTimeTexts() {
    Fixture f(kNoon15March);
    f.window->Timer1Timer();
    const QString status = f.window->findChild<QLabel*>("lblTextPhase")->text();
    QCOMPARE(status, QString("12:00:00  15 March 2024 - Waxing Crescent"));
    const QString lst = f.window->findChild<QLabel*>("lblLST")->text();
    QVERIFY2(QRegularExpression("^LST: [0-2][0-9]:[0-5][0-9]:[0-5][0-9]$").match(lst).hasMatch(),
             qPrintable(lst));
    QCOMPARE(lst, FromUtf8(LocalSiderealTimeText(DateTimeToJD(2024, 3, 15, 12, 0, 0), 5 / 3600.0)));

    // A selected date changes the strip's date but not the sidereal time.
    f.window->DateLabelClick(f.cellOfDay(3));
    f.window->Timer1Timer();
    QCOMPARE(f.window->findChild<QLabel*>("lblTextPhase")->text(),
             QString("12:00:00  3 March 2024 - Last Quarter"));
    QCOMPARE(f.window->findChild<QLabel*>("lblLST")->text(), lst);
}

void TestTSelvane::dayClickSelectsAndBlankClickDoesNothing() {
    Fixture f(kNoon15March);
    f.window->show();
    f.window->Timer1Timer();
    TDateLabel* cell20 = f.cellOfDay(20);
    QTest::mouseClick(cell20, Qt::LeftButton);
    QCOMPARE(f.window->state().SelectedDay, 20);
    QCOMPARE(f.window->state().DayOffset, 5.0);
    QCOMPARE(f.window->calendar().Image5->pos(), cell20->pos() + QPoint(-1, -3));
    f.window->Timer1Timer();
    QCOMPARE(f.window->state().DisplayTime.Day, 20);
    QCOMPARE(f.label("lblVisible")->text(),
             FromUtf8(CalculateSelvane(ClockTime{2024, 3, 3, 20, 12, 0, 0, 0}, f.window->observer(),
                                       English().Months)
                          .VisibleText));

    // March 2024 starts on a Friday: the first five cells are blank.
    QCOMPARE(f.window->calendar().FirstColumn, 5);
    TDateLabel* blank = f.window->calendar().DateCells[0];
    QCOMPARE(blank->text(), QString(" "));
    QTest::mouseClick(blank, Qt::LeftButton);
    QCOMPARE(f.window->state().SelectedDay, 20);
    QCOMPARE(f.window->state().DayOffset, 5.0);
    QCOMPARE(f.window->calendar().Image5->pos(), cell20->pos() + QPoint(-1, -3));
}

void TestTSelvane::selectionFollowsTheClockAcrossMidnight() {
    Fixture f(ClockTime{2024, 3, 0, 31, 23, 59, 58, 0});
    f.window->Timer1Timer();
    QCOMPARE(f.window->state().SelectedDay, 31);
    f.clock.advance(4); // 2024-04-01 00:00:02
    f.window->Timer1Timer();
    QCOMPARE(f.window->state().SelectedMonth, 4);
    QCOMPARE(f.window->state().SelectedDay, 1);
    QCOMPARE(f.window->calendar().lblSelectedMonth->text(), QString("April"));
    QCOMPARE(f.window->calendar().FirstColumn, 1); // 1 April 2024 is a Monday
}

void TestTSelvane::selectionStaysTenDaysAheadAcrossMidnight() {
    Fixture f(ClockTime{2024, 3, 5, 15, 23, 59, 58, 0});
    f.window->DateLabelClick(f.cellOfDay(25));
    f.window->Timer1Timer();
    QCOMPARE(f.window->state().SelectedDay, 25);
    f.clock.advance(4);
    f.window->Timer1Timer();
    QCOMPARE(f.window->state().SelectedDay, 26);
    QCOMPARE(f.window->state().DisplayTime.Day, 26);
    QCOMPARE(f.window->state().DisplayTime.Hour, 0);
}

void TestTSelvane::monthPickKeepsTheDayWhereTheMonthAllows() {
    Fixture f(ClockTime{2024, 3, 0, 31, 12, 0, 0, 0});
    f.window->Timer1Timer();
    f.window->MonthPicked(4);
    // The tick ran at once: April is shown with its last day selected.
    QCOMPARE(f.window->state().SelectedDay, 30);
    QCOMPARE(f.window->state().DisplayTime.Month, 4);
    QCOMPARE(f.window->calendar().lblSelectedMonth->text(), QString("April"));
    QCOMPARE(f.window->state().Phases.MajorPhaseTable[1].PhaseCode,
             std::string("NM")); // 8 April 2024
    f.window->MonthPicked(2);
    QCOMPARE(f.window->state().SelectedDay, 29); // 2024 is a leap year
}

void TestTSelvane::monthPickerChoosesTheRowUnderTheMouse() {
    Fixture f(kNoon15March);
    f.window->show();
    TMonthSelect& picker = f.window->monthSelect();
    QCOMPARE(picker.size(), QSize(100, 348));

    // Opened from the heading, the picker sits right of the calendar; a click on the
    // seventh row picks July and closes it.
    QTimer::singleShot(0, &picker, [&] {
        const int screenWidth = picker.screen()->size().width();
        QCOMPARE(picker.pos(), QPoint(std::min(135 + 582, screenWidth - 100), 120 + 50));
        QTest::mouseMove(picker.imgMonths, QPoint(50, 6 * 29 + 10));
        picker.imgMonthsMouseMove(6 * 29 + 10);
        QCOMPARE(picker.imgArrow->pos(), QPoint(9, 6 * 29 + 6));
        QTest::mouseClick(picker.imgMonths, Qt::LeftButton, {}, QPoint(50, 6 * 29 + 10));
    });
    f.window->lblSelectedMonthClick();
    QVERIFY(!picker.isVisible());
    QCOMPARE(f.window->state().SelectedMonth, 7);
    QCOMPARE(f.window->state().DisplayTime.Month, 7);
    QCOMPARE(f.window->state().SelectedDay, 15);

    // Near the bottom right of the screen the picker stays fully on screen.
    f.window->move(f.window->screen()->size().width() - 100,
                   f.window->screen()->size().height() - 60);
    QTimer::singleShot(0, &picker, [&] {
        const QSize screen = picker.screen()->size();
        QCOMPARE(picker.x() + picker.width(), screen.width());
        QCOMPARE(picker.y() + picker.height(), screen.height());
        picker.reject();
    });
    f.window->lblSelectedMonthClick();
}

void TestTSelvane::yearTypingEditsAndAcceptsTheYear() {
    Fixture f(ClockTime{2024, 2, 4, 29, 12, 0, 0, 0});
    f.window->show();
    f.window->Timer1Timer();
    QTest::mouseClick(f.window->calendar().lblSelectedYear, Qt::LeftButton);
    YearEntry& entry = f.window->yearEntry();
    QVERIFY(entry.isOpen());
    QCOMPARE(entry.text(), QString("2024"));
    QVERIFY(!f.window->calendar().lblSelectedYear->isVisible());

    f.type("5"); // a fifth digit is ignored
    QCOMPARE(entry.text(), QString("2024"));
    QTest::keyClick(f.window.get(), Qt::Key_Backspace);
    QTest::keyClick(f.window.get(), Qt::Key_Backspace);
    QCOMPARE(entry.text(), QString("20"));
    QTest::keyClick(f.window.get(), Qt::Key_2, Qt::KeypadModifier); // the keypad is ignored
    QCOMPARE(entry.text(), QString("20"));
    f.type("23");
    QTest::keyClick(f.window.get(), Qt::Key_Return);
    QVERIFY(!entry.isOpen());
    QCOMPARE(f.window->state().SelectedYear, 2023);
    QCOMPARE(f.window->state().SelectedDay, 28); // 29 February becomes 28 February in a common year
    QCOMPARE(f.window->calendar().lblSelectedYear->text(), QString("2023"));
    QVERIFY(f.window->calendar().lblSelectedYear->isVisible());
    f.window->Timer1Timer();
    QCOMPARE(f.window->state().DisplayTime.Year, 2023);
    QCOMPARE(f.window->state().DisplayTime.Month, 2);
    QCOMPARE(f.window->state().DisplayTime.Day, 28);
    QVERIFY(f.messages.isEmpty());

    // Backspace on an empty entry beeps.
    f.window->lblSelectedYearClick();
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(f.window.get(), Qt::Key_Backspace);
    QCOMPARE(f.beeps, 0);
    QTest::keyClick(f.window.get(), Qt::Key_Backspace);
    QCOMPARE(f.beeps, 1);
}

void TestTSelvane::badYearsAreRefusedAndTheEntryStaysOpen() {
    Fixture f(kNoon15March);
    f.window->Timer1Timer();
    f.window->lblSelectedYearClick();
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(f.window.get(), Qt::Key_Backspace);
    QTest::keyClick(f.window.get(), Qt::Key_Return);
    QCOMPARE(f.messages, QStringList{"'' is not a valid integer value"});
    QVERIFY(f.window->yearEntry().isOpen());

    f.type("0");
    QTest::keyClick(f.window.get(), Qt::Key_Enter);
    QCOMPARE(f.messages.last(), QString("Years 1 to 9999"));
    QVERIFY(f.window->yearEntry().isOpen());
    QCOMPARE(f.window->state().DayOffset, 0.0);

    // A command that first accepts the year does not go on after a refusal.
    const double latitude = f.window->state().Latitude;
    f.window->imgHemisphereClick();
    QCOMPARE(f.window->state().Latitude, latitude);
    f.window->Timer1Timer();
    QCOMPARE(f.window->state().DisplayTime.Year, 2024);
}

void TestTSelvane::keysDoNothingWhileTheEntryIsClosed() {
    Fixture f(kNoon15March);
    f.window->Timer1Timer();
    f.type("1999");
    QTest::keyClick(f.window.get(), Qt::Key_Return);
    QTest::keyClick(f.window.get(), Qt::Key_Backspace);
    QCOMPARE(f.beeps, 0);
    QCOMPARE(f.window->state().SelectedYear, 2024);
    QVERIFY(!f.window->yearEntry().isOpen());
}

void TestTSelvane::hemisphereSwitchTwiceRestoresEverything() {
    Fixture f(kNoon15March);
    f.window->show();
    f.window->Timer1Timer();
    auto* face = f.window->findChild<QLabel*>("imgHemisphere");
    const QImage startFace = face->pixmap().toImage();
    const QImage startMoon = f.window->moonPicture();
    const QImage startIcon = f.window->phaseIcon(1);
    const double latitude = f.window->state().Latitude;

    QTest::mouseClick(face, Qt::LeftButton);
    QVERIFY(!f.window->state().NorthernView);
    QCOMPARE(f.window->state().Latitude, -latitude);
    QVERIFY(face->pixmap().toImage() != startFace);
    QCOMPARE(f.window->phaseIcon(1), startIcon.mirrored(true, true));
    f.window->Timer1Timer();
    // Turned: the waxing crescent's shadow is now on the right.
    QCOMPARE(f.window->moonPicture().pixel(110, 75), qRgb(30, 30, 30));
    QVERIFY(f.window->moonPicture().pixel(40, 75) != qRgb(30, 30, 30));

    QTest::mouseClick(face, Qt::LeftButton);
    QVERIFY(f.window->state().NorthernView);
    QCOMPARE(f.window->state().Latitude, latitude);
    QCOMPARE(face->pixmap().toImage(), startFace);
    QCOMPARE(f.window->phaseIcon(1), startIcon);
    f.window->Timer1Timer();
    QCOMPARE(f.window->moonPicture(), startMoon);
}

void TestTSelvane::southernStoreStartsTurned() {
    Fixture north(kNoon15March);
    Fixture south(kNoon15March, QStringLiteral("South"));
    QVERIFY(north.window->state().NorthernView);
    QVERIFY(!south.window->state().NorthernView);
    QVERIFY(south.window->state().Latitude < 0);
    QCOMPARE(south.window->phaseIcon(0), north.window->phaseIcon(0).mirrored(true, true));
    QCOMPARE(south.window->phaseIcon(4), north.window->phaseIcon(4)); // the blank icon stays
    north.window->Timer1Timer();
    south.window->Timer1Timer();
    QCOMPARE(south.window->moonPicture().pixel(110, 75), qRgb(30, 30, 30));
}

void TestTSelvane::titleDragMovesByTheMouseTravel() {
    Fixture f(kNoon15March);
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    auto* title = f.window->findChild<QWidget*>("lblTitle");
    const QPoint start = f.window->pos();
    QTest::mousePress(title, Qt::RightButton, {}, QPoint(10, 10));
    QVERIFY(f.window->titleDrag().Dragging);
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 5), title->mapToGlobal(QPointF(40, 5)),
                     Qt::NoButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(title, &move);
    QCOMPARE(f.window->pos(), start + QPoint(30, -5));
    QTest::mouseRelease(title, Qt::RightButton, {}, QPoint(40, 5));
    QVERIFY(!f.window->titleDrag().Dragging);
}

void TestTSelvane::negativeValuesKeepTheirSign() {
    // Sydney, 2024 May 20 at 21:00 (+10 h): the Sun is far below the horizon and the Moon
    // south of the equator.
    Fixture f(ClockTime{2024, 5, 1, 20, 21, 0, 0, 0}, QStringLiteral("South"));
    const std::pair<const char*, QString> place[] = {
        {"LatDeg", "33"},  {"LatMin", "52"},    {"LatSec", "0"},   {"LongDeg", "151"},
        {"LongMin", "12"}, {"LongDir", "East"}, {"Timezone", "22"}};
    for (const auto& [name, value] : place)
        f.store->write(QString::fromLatin1(name), value);
    f.window->ApplySettings(LoadSettings(*f.store));
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    f.window->Timer1Timer();
    const QImage screen = f.window->grab().toImage();
    const QFontMetrics metrics(ArialPixels(12));
    // Where the sign of a value's first piece (right end at rightX) starts.
    auto signX = [&](double value, int rightX) {
        const std::string first = MakeSexagesimal(SexagesimalMode::Angle, value).Text[0];
        return rightX - metrics.horizontalAdvance(QString::fromStdString(first));
    };

    // The Sun's altitude: its first piece ends 30 pixels into the panel at x 317, so the
    // sign stands left of the panel's edge, in light yellow.
    const SolarResult sun = SolarPosition(f.window->state().DisplayTime, f.window->observer());
    QVERIFY(sun.Altitude < -10.0 && sun.Altitude > -90.0);
    const int altitudeSign = signX(sun.Altitude, 317 + 30);
    QVERIFY(altitudeSign < 317);
    const QRect leftOfPanel(altitudeSign, 254 + 53, 317 - altitudeSign, 12);
    QVERIFY2(HasColour(screen, leftOfPanel, qRgb(255, 255, 176)),
             qPrintable(QString::number(altitudeSign)));
    // The azimuth above it is positive: a space, no sign.
    QVERIFY(!HasColour(screen, leftOfPanel.translated(0, -16), qRgb(255, 255, 176), 120));

    // The declination is painted on the window in aqua, its sign left of the degrees.
    const MoonPanel moon =
        CalculateSelvane(f.window->state().DisplayTime, f.window->observer(), English().Months);
    QVERIFY(moon.Topo.Dec < 0.0);
    const int decSign = signX(moon.Topo.Dec, 268);
    QVERIFY(HasColour(screen, QRect(decSign, 153, 4, 12), qRgb(0, 255, 255)));
    // The parallax below it is positive.
    QVERIFY(!HasColour(screen, QRect(decSign, 167, 4, 12), qRgb(0, 255, 255), 120));
}

void TestTSelvane::dayClickJustAfterMidnightSelectsThatDay() {
    Fixture f(ClockTime{2024, 3, 2, 19, 23, 59, 59, 0});
    f.window->Timer1Timer();
    f.clock.advance(1); // 20 March, 00:00:00, before the next tick
    f.window->DateLabelClick(f.cellOfDay(20));
    QCOMPARE(f.window->state().DayOffset, 0.0);
    f.window->Timer1Timer();
    QCOMPARE(f.window->state().SelectedDay, 20);
    QCOMPARE(f.window->state().DisplayTime.Day, 20);
}

void TestTSelvane::selectionIsHeldAtTheLastDayOfYear9999() {
    Fixture f(ClockTime{2024, 3, 5, 15, 23, 59, 58, 0});
    f.window->SelectDate(9999, 12, 31);

    // Midnight: the selection would follow the clock into year 10000; it stays.
    for (int step = 0; step < 3; ++step) {
        f.clock.advance(2);
        f.window->Timer1Timer();
        QCOMPARE(f.window->state().SelectedYear, 9999);
        QCOMPARE(f.window->state().SelectedMonth, 12);
        QCOMPARE(f.window->state().SelectedDay, 31);
        QCOMPARE(f.window->calendar().lblSelectedYear->text(), QString("9999"));
    }
    QVERIFY(f.label("lblTextPhase")->text().contains("31 December 9999"));
    // The year shown can be accepted again.
    f.window->lblSelectedYearClick();
    QVERIFY(f.window->AcceptYear());
    QVERIFY(f.messages.isEmpty());
}

void TestTSelvane::theClockHoldsAtTheLastSecondOf9999() {
    // On a fixed offset and in a named zone (Kolkata, 5:30 ahead of UT), the status strip's
    // time stops with its date at the calendar's last second.
    const std::pair<const char*, QTime> starts[] = {{"", QTime(23, 59, 57)},
                                                    {"Asia/Kolkata", QTime(18, 29, 57)}};
    for (const auto& [zone, start] : starts) {
        Fixture f(kNoon15March, "North", "12", {{"ZoneName", zone}});
        f.clock =
            FixedClock(QDateTime(QDate(9999, 12, 31), start, QTimeZone::utc()), QTimeZone::utc());
        for (const auto& [seconds, shown] :
             {std::pair{1, "23:59:58"}, {1, "23:59:59"}, {5, "23:59:59"}, {86400, "23:59:59"}}) {
            f.clock.advance(seconds);
            f.window->Timer1Timer();
            const QString status = f.label("lblTextPhase")->text();
            QVERIFY2(status.startsWith(QString(shown) + "  31 December 9999"), qPrintable(status));
        }
    }
}

void TestTSelvane::applyingSettingsTwiceTurnsThePicturesOnce() {
    Fixture f(kNoon15March);
    const QImage northIcon = f.window->phaseIcon(0);
    Settings s = f.window->settings();
    s.Lat = {"33", "52", "0", "South"};
    s.Long = {"151", "12", "0", "East"};
    s.TimeZone = 22;
    s.DaylightSavings = true;
    for (int i = 0; i < 2; ++i) {
        f.window->ApplySettings(s);
        QVERIFY(!f.window->state().NorthernView);
        QCOMPARE(f.window->phaseIcon(0), northIcon.mirrored(true, true));
        QCOMPARE(f.window->state().Latitude, -(33 + 52 / 60.0));
        QCOMPARE(f.window->state().Longitude, -(151 + 12 / 60.0));
        QCOMPARE(f.window->state().UTOffsetMinutes, -660);
    }
    // After the hemisphere switch the view is already northern; a northern place keeps it.
    f.window->imgHemisphereClick();
    s.Lat.Direction = "North";
    f.window->ApplySettings(s);
    QVERIFY(f.window->state().NorthernView);
    QCOMPARE(f.window->phaseIcon(0), northIcon);
    QCOMPARE(f.window->state().Latitude, 33 + 52 / 60.0);
}

void TestTSelvane::aNamedZoneReadsTheComputersClockInThatZone() {
    // Kolkata (+5:30) on a computer kept in New York time: 06:30 UT is 02:30 on the computer
    // and noon in Kolkata.
    const QDateTime instant(QDate(2024, 3, 15), QTime(6, 30), QTimeZone::utc());
    const QList<std::pair<QString, QString>> kolkata = {
        {"LatDeg", "22"},  {"LatMin", "34"},  {"LatSec", "21"},   {"LongDeg", "88"},
        {"LongMin", "21"}, {"LongSec", "50"}, {"LongDir", "East"}};
    for (const char* name : {"Asia/Kolkata", "asia/KOLKATA", "Mars/Olympus", ""}) {
        QList<std::pair<QString, QString>> values = kolkata;
        values.append({"ZoneName", QString::fromLatin1(name)});
        Fixture f(kNoon15March, "North", "12", values);
        f.clock = FixedClock(instant, QTimeZone("America/New_York"));
        f.window->Timer1Timer();
        const bool named = QChar(*name).toLower() == 'a';
        QCOMPARE(f.window->zone().isValid(), named);
        if (named) // found without regard to case, and kept as the system spells it
            QCOMPARE(f.window->settings().ZoneName, std::string("Asia/Kolkata"));
        // An unknown or empty name keeps the fixed offset (here GMT) on the computer's clock.
        QCOMPARE(int(f.window->state().DisplayTime.Hour), named ? 12 : 2);
        QCOMPARE(int(f.window->state().DisplayTime.Minute), named ? 0 : 30);
        QCOMPARE(f.window->state().UTOffsetMinutes, named ? -330 : 0);
        const QString status = f.label("lblTextPhase")->text();
        QVERIFY2(status.startsWith(named ? "12:00:00  15 March 2024" : "02:30:00  15 March 2024"),
                 qPrintable(status));
        const auto sun =
            CalcSolarRiseSet(f.window->state().DisplayTime, f.window->observer(), kSunriseAltitude);
        QCOMPARE(f.label("lblSunrise")->text(), FromUtf8(EventText(sun[1])));
        if (named) {
            QVERIFY(std::abs(Minutes(f.label("lblSunrise")->text()) - (5 * 60 + 45.21)) <= 1.0);
            // The sidereal time of the real present, 06:30 UT.
            QCOMPARE(
                f.label("lblLST")->text(),
                FromUtf8(LocalSiderealTimeText(JulianDayOf(instant), f.window->state().Longitude)));
        }
    }
}

void TestTSelvane::aNamedZoneGivesEachSelectedDateItsOwnOffset() {
    // Greenwich on the British clock, browsing December in July.
    const QDateTime july(QDate(2024, 7, 15), QTime(11, 0), QTimeZone::utc()); // 12:00 BST
    Fixture f(kNoon15March, "North", "12", {{"ZoneName", "Europe/London"}});
    f.clock = FixedClock(july, QTimeZone::utc());
    f.window->Timer1Timer();
    QCOMPARE(f.window->state().UTOffsetMinutes, -60);
    QCOMPARE(int(f.window->state().DisplayTime.Hour), 12);
    // PyEphem: 05:01:06 BST.
    QVERIFY(std::abs(Minutes(f.label("lblSunrise")->text()) - (5 * 60 + 1.10)) <= 1.0);

    f.window->SelectDate(2024, 12, 15);
    QCOMPARE(f.window->state().UTOffsetMinutes, 0); // noon on 15 December is GMT
    QCOMPARE(int(f.window->state().DisplayTime.Hour), 12);
    // PyEphem: 07:59:24 GMT.
    QVERIFY(std::abs(Minutes(f.label("lblSunrise")->text()) - (7 * 60 + 59.40)) <= 1.0);
    // The December Full Moon, 15 December 09:01:38 UT, is shown in GMT.
    QCOMPARE(f.window->state().Phases.MajorPhaseTable[2].PhaseCode, std::string("FM"));
    QVERIFY(f.label("lblPh3Time")->text().startsWith("09:0"));
    QVERIFY(f.label("lblPh3Time")->text().endsWith("15 December 2024"));
}

void TestTSelvane::opensAtItsPlaceOrWhollyOnASmallScreen() {
    // The window is 640 x 480 and belongs at (135, 120); the areas are screens less their
    // panels.
    const std::pair<QRect, QPoint> cases[] = {
        {{0, 0, 1920, 1080}, {135, 120}},
        {{0, 0, 800, 600}, {135, 120}},    // fits to the last pixel
        {{0, 0, 760, 600}, {120, 120}},    // too narrow there: moved left
        {{0, 0, 1024, 580}, {135, 100}},   // a panel at the bottom: moved up
        {{0, 200, 1024, 568}, {135, 200}}, // a panel at the top: moved down
        {{1920, 0, 1280, 1024}, {1920, 120}},
        {{0, 0, 533, 400}, {-107, 0}}, // 800 x 600 at 150 %: the right and the top edges show
    };
    for (const auto& [area, at] : cases)
        QCOMPARE(MainWindowPosition(area), at);
}

void TestTSelvane::calendarMarksTheGreatEventsWithTheirHints() {
    // Madrid (40 25 00 N, 3 42 14 W, Europe/Madrid). Greatest eclipse, from the canons: the
    // total lunar eclipse of 2025 March 14 at 06:59:56 TD, Delta-T 75 s (07:58 on the winter
    // clock), umbral magnitude 1.1784; the partial lunar eclipse of 2026 August 28 at 04:14:04
    // TD (06:12 on the summer clock), 0.9299. At Madrid, from PyEphem (test_eclipses.cpp and
    // test_greatevents.cpp): the partial solar eclipse of 2025 March 29, magnitude 0.317; the
    // total solar eclipse of 2026 August 12, partial there, greatest at 18:32:17 UT (20:32),
    // magnitude 0.9990.
    QList<std::pair<QString, QString>> madrid = {{"ZoneName", "Europe/Madrid"}};
    for (const char* v :
         {"LatDeg=40", "LatMin=25", "LatSec=00", "LongDeg=3", "LongMin=42", "LongSec=14"})
        madrid.append({QString(v).section('=', 0, 0), QString(v).section('=', 1)});
    struct Row {
        int Day;
        const char* Hint; // a pattern; the magnitude is its first capture
        double Magnitude;
        EventSymbol Symbol;
    };
    const std::pair<ClockTime, std::vector<Row>> months[] = {
        {ClockTime{2025, 3, 5, 14, 12, 0, 0, 0},
         {{14,
           R"(^Total lunar eclipse, greatest at 07:58\nUmbral magnitude (1\.\d{3}), visible here$)",
           1.1784, EventSymbol::TotalLunar},
          {29,
           R"(^Partial solar eclipse, greatest here at \d\d:\d\d\nPartial here, magnitude )"
           R"((0\.\d{3}), \d+\.\d % of the Sun covered$)",
           0.317, EventSymbol::PartialSolar}}},
        {ClockTime{2026, 8, 3, 12, 12, 0, 0, 0},
         {{12,
           R"(^Total solar eclipse, greatest here at 20:32\nPartial here, magnitude (0\.\d{3}), )"
           R"(99\.\d % of the Sun covered$)",
           0.9990, EventSymbol::TotalSolar},
          {28,
           R"(^Partial lunar eclipse, greatest at 06:12\nUmbral magnitude (0\.\d{3}), visible here$)",
           0.9299, EventSymbol::PartialLunar}}},
    };
    for (const auto& [clock, rows] : months) {
        Fixture f(clock, QStringLiteral("North"), QStringLiteral("12"), madrid);
        f.window->Timer1Timer();
        CalendarGrid& grid = f.window->calendar();
        // The days of the rows have their hint and mark, no other cell has either.
        std::set<int> marked;
        for (int i = 0; i < grid.DateCells.size(); ++i) {
            const QString hint = grid.DateCells[i]->toolTip();
            const auto r = std::find_if(rows.begin(), rows.end(), [&](const Row& r) {
                return r.Day == grid.DateCells[i]->day();
            });
            if (r == rows.end()) {
                QVERIFY2(hint.isEmpty() && !grid.EventMarks->marks()[i], qPrintable(hint));
                continue;
            }
            const QRegularExpressionMatch m = QRegularExpression(r->Hint).match(hint);
            QVERIFY2(m.hasMatch(), qPrintable(hint));
            QVERIFY(qAbs(m.captured(1).toDouble() - r->Magnitude) < 0.005);
            QCOMPARE(grid.EventMarks->marks()[i], std::optional(r->Symbol));
            marked.insert(i);
        }
        QCOMPARE(marked.size(), rows.size());

        // The marks change no pixel but their own: under the day's number, clear of it and of
        // the next row's numbers.
        const QImage with = f.window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        grid.ShowEvents({});
        const QImage without = f.window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QRegion changed;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x)
                if (with.pixel(x, y) != without.pixel(x, y))
                    changed += QRect(x, y, 1, 1);
        QRegion marks;
        for (int i : marked) {
            const QRect mark = grid.EventMarks->markRect(i);
            marks += mark;
            const QRect cell = grid.DateCells[i]->geometry();
            QVERIFY(mark.top() >= cell.bottom() && mark.bottom() < cell.top() + 25);
            QVERIFY(mark.left() >= cell.left() && mark.right() <= cell.right());
        }
        QVERIFY(!changed.isEmpty());
        QCOMPARE(changed.subtracted(marks), QRegion());
    }
}

void TestTSelvane::greatEventsAreSearchedOncePerMonthAndPlace() {
    // 2024 March 31, 23:59:00 at Greenwich: the penumbral lunar eclipse of the 25th.
    Fixture f(ClockTime{2024, 3, 0, 31, 23, 59, 0, 0});
    QCOMPARE(f.window->monthEvents().size(), std::size_t(1));
    int searches = 0;
    const auto search = f.window->findGreatEvents;
    f.window->findGreatEvents = [&](int year, int month, const Observer& o) {
        ++searches;
        return search(year, month, o);
    };
    struct Step {
        std::function<void()> Do;
        int Searches; // in all, after the step and three ticks
    };
    const Step steps[] = {
        {[] {}, 0},                                                  // the ticks alone
        {[&] { f.clock.advance(60); }, 1},                           // the clock into April
        {[&] { f.window->SelectDate(2024, 4, 20); }, 1},             // a day of the same month
        {[&] { f.window->SelectDate(2024, 9, 18); }, 2},             // another month
        {[&] { f.window->imgHemisphereClick(); }, 3},                // the latitude turned
        {[&] { f.window->ApplySettings(f.window->settings()); }, 4}, // the stored latitude again
        {[&] {
             Settings s = f.window->settings();
             s.TimeZone = 13;
             f.window->ApplySettings(s);
         },
         5}, // another clock
    };
    for (const Step& step : steps) {
        step.Do();
        for (int i = 0; i < 3; ++i) {
            f.clock.advance(1);
            f.window->Timer1Timer();
        }
        QCOMPARE(searches, step.Searches);
    }
}

QTEST_MAIN(TestTSelvane)
#include "tst_tselvane.moc"
