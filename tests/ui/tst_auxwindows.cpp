// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindowfixture.h"

#include "core/product.h"
#include "engine/monthtable.h"
#include "engine/riseset.h"
#include "engine/risesettext.h"
#include "widgets/hotspotlabel.h"
#include "windows/tabout.h"
#include "windows/tfconfig.h"
#include "windows/tlunarsites.h"
#include "windows/tprintoptions.h"
#include "windows/trisesettimelist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTimer>

using namespace selvane;

class TestAuxWindows : public QObject {
    Q_OBJECT

private slots:
    void aboutCentresOnTheMainWindowAndClosesByItsMark();
    void linksDropFromTheIconAndOpenOnlyLinkRows();
    void homePageAndHelp();
    void timeListShowsTheSelectedMonthAndFollowsAPick();
    void configurationChangesReachTheMainWindow();
    void printCommandsHandOverTheMonthsPages();
    void timeListPrintsTheMonthItsHeadingNames();
};

void TestAuxWindows::aboutCentresOnTheMainWindowAndClosesByItsMark() {
    Fixture f(kNoon15March);
    f.window->show();
    f.window->move(101, 57); // odd sizes: (640 - 210) / 2 = 215, (480 - 155) / 2 = 162
    TAbout& about = f.window->about();
    QCOMPARE(about.size(), QSize(210, 155));
    QTimer::singleShot(0, &about, [&] {
        QCOMPARE(about.pos(), QPoint(101 + 215, 57 + 162));
        QCOMPARE(about.lblExit->geometry(), QRect(185, 12, 15, 15));
        QTest::mouseClick(about.lblExit, Qt::LeftButton);
    });
    QTest::mouseClick(f.window->findChild<QWidget*>("lblAbout"), Qt::LeftButton);
    QVERIFY(!about.isVisible());
}

void TestAuxWindows::linksDropFromTheIconAndOpenOnlyLinkRows() {
    Fixture f(kNoon15March);
    f.window->show();
    TLunarSites& links = f.window->lunarSites();
    QTest::mouseClick(f.window->findChild<QWidget*>("lblLinks"), Qt::LeftButton);
    QVERIFY(links.isVisible());
    QCOMPARE(links.geometry(), QRect(f.window->pos() + QPoint(102, 40), QSize(180, 9 * 21)));

    const char* order[] = {"Image1", "Image2", "Image4", "Image5", "Image6",
                           "Image7", "Image8", "Image3", "Image9"};
    for (int row = 0; row < 9; ++row) {
        QLabel* picture = links.findChild<QLabel*>(order[row]);
        QCOMPARE(picture->geometry(), QRect(0, 21 * row, 180, 21));
        // The arrow marks the link row under the mouse and hides over a heading.
        links.RowMouseMove(row);
        const bool heading = row == 0 || row == 5;
        QCOMPARE(links.imgArrow->isVisible(), !heading);
        if (!heading)
            QCOMPARE(links.imgArrow->geometry(), QRect(6, 21 * row, 15, 21));
    }

    // A heading does nothing and leaves the window open; a link opens its page and closes it.
    QTest::mouseClick(links.findChild<QLabel*>("Image7"), Qt::LeftButton);
    QVERIFY(links.isVisible());
    QVERIFY(f.opened.isEmpty());
    QTest::mouseClick(links.findChild<QLabel*>("Image9"), Qt::LeftButton);
    QVERIFY(!links.isVisible());
    QCOMPARE(f.opened.size(), 1);
    QCOMPARE(f.opened[0].scheme(), QString("https"));
    QVERIFY(f.opened[0].toString().contains("clementine"));

    // All seven links are distinct web addresses.
    QSet<QString> addresses;
    for (const auto& row : TLunarSites::kRows)
        if (*row.Address)
            addresses.insert(QString::fromLatin1(row.Address));
    QCOMPARE(addresses.size(), 7);
}

void TestAuxWindows::homePageAndHelp() {
    Fixture f(kNoon15March);
    f.window->show();
    QTest::mouseClick(f.window->findChild<QWidget*>("lblVESK"), Qt::LeftButton);
    QCOMPARE(f.opened.value(0), QUrl(QString::fromLatin1(kHomePage)));

    // Without a help file anywhere the user is told so.
    QTemporaryDir empty;
    const QString here = QDir::currentPath();
    QDir::setCurrent(empty.path());
    f.window->services.findDataFile = [&](const QString& relative) {
        return FindDataFile(relative, empty.path(), empty.path());
    };
    QTest::mouseClick(f.window->findChild<QWidget*>("lblHelp"), Qt::LeftButton);
    QCOMPARE(f.messages, QStringList{"Cannot find Help File"});
    QCOMPARE(f.opened.size(), 1);

    // From the working folder first, then the installed data folder beside bin/.
    QTemporaryDir install;
    QVERIFY(QDir(install.path()).mkpath("bin"));
    QVERIFY(QDir(install.path()).mkpath("share/selvane/Docs"));
    QFile page(install.filePath("share/selvane/Docs/Selvane.htm"));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.close();
    f.window->services.findDataFile = [&](const QString& relative) {
        return FindDataFile(relative, empty.path(), install.filePath("bin"));
    };
    f.window->lblHelpClick();
    QCOMPARE(f.opened.size(), 2);
    QCOMPARE(QFileInfo(f.opened[1].toLocalFile()).canonicalFilePath(),
             QFileInfo(page.fileName()).canonicalFilePath());
    QDir::setCurrent(here);
}

void TestAuxWindows::timeListShowsTheSelectedMonthAndFollowsAPick() {
    Fixture f(ClockTime{2024, 1, 3, 31, 12, 0, 0, 0});
    f.window->show();
    f.window->Timer1Timer();
    TRiseSetTimeList& list = f.window->timeList();
    QVERIFY(!list.isVisible());
    QTest::mouseClick(f.window->findChild<QWidget*>("lblList"), Qt::LeftButton);
    QVERIFY(list.isVisible());
    list.FormActivate(); // what the window system's activation does
    const int h = list.rowHeight();
    QCOMPARE(list.listPicture().height(), 31 * h - 1);
    const MonthTimeTable january = FillMonthTimeTable(2024, 1, f.window->observer());
    QCOMPARE(TableText(list.Table.Days[9].SunTimes.Rise), TableText(january.Days[9].SunTimes.Rise));

    // February picked in the main window: the list and its table show 29 days at once.
    f.window->MonthPicked(2);
    QCOMPARE(list.listPicture().height(), 29 * h - 1);
    QVERIFY(TableText(list.Table.Days[29].SunTimes.Rise).empty());

    // Hidden, it is not redrawn.
    list.lblExitClick();
    f.window->MonthPicked(4);
    QCOMPARE(list.listPicture().height(), 29 * h - 1);
}

void TestAuxWindows::configurationChangesReachTheMainWindow() {
    Fixture f(kNoon15March);
    f.window->show();
    f.window->Timer1Timer();
    TfConfig& config = f.window->config();
    config.showMessage = [&](const QString& text) {
        f.messages << text;
    };
    const QImage northIcon = f.window->phaseIcon(0);
    TRiseSetTimeList& list = f.window->timeList();
    f.window->lblListClick();
    list.FormActivate();
    const QImage listBefore = list.listPicture();

    // Sydney: 33 52 S, 151 12 E, GMT + 10, Monday first.
    auto enterSydney = [&](const char* days, const char* latitudeDegrees) {
        QTimer::singleShot(0, &config, [&config, days, latitudeDegrees] {
            const std::pair<QLineEdit*, const char*> fields[] = {
                {config.txtLatDeg, latitudeDegrees},
                {config.txtLatMin, "52"},
                {config.txtLatSec, "59"},
                {config.txtLongDeg, "151"},
                {config.txtLongMin, "12"},
                {config.txtLongSec, "0"}};
            for (const auto& [field, text] : fields)
                field->setText(QString::fromLatin1(text));
            config.pnlNS->setText("South");
            config.pnlEW->setText("East");
            config.cmbTimeZone->setCurrentIndex(22);
            config.cmbDayOrder->setCurrentIndex(QString(days).toInt());
            config.lblExitClick();
        });
        QTest::mouseClick(f.window->findChild<QWidget*>("lblConfig"), Qt::LeftButton);
    };
    enterSydney("1", "33");
    // Shown at once, without waiting for the next tick: Sydney's sunrise.
    QCOMPARE(f.label("lblSunrise")->text(),
             QString::fromStdString(EventText(CalcSolarRiseSet(
                 f.window->state().DisplayTime, f.window->observer(), kSunriseAltitude)[1])));
    QCOMPARE(f.window->state().Latitude, -(33 + 52 / 60.0 + 59 / 3600.0));
    QCOMPARE(f.window->state().Longitude, -(151 + 12 / 60.0));
    QVERIFY(!f.window->state().NorthernView);
    QCOMPARE(f.window->phaseIcon(0), northIcon.mirrored(true, true));
    QCOMPARE(f.window->state().UTOffsetMinutes, -600);
    QCOMPARE(f.window->calendar().DayTitles[0]->text(), QString("Mon"));
    // The visible time list was redrawn for the new place and names its clock.
    QVERIFY(list.listPicture() != listBefore);
    QCOMPARE(list.lblZone->text(), QString("GMT + 10:00"));
    QCOMPARE(IniSettingsStore(f.dir.filePath("Selvane.ini")).read("LatDir"), QString("South"));

    // Saved again in the south, the pictures stay turned.
    enterSydney("1", "33");
    QVERIFY(!f.window->state().NorthernView);
    QCOMPARE(f.window->phaseIcon(0), northIcon.mirrored(true, true));

    // The fields are checked one by one, so 90 52 59 S is stored as typed; the observer is
    // held to the pole and every text stays well formed.
    enterSydney("1", "90");
    QCOMPARE(f.window->settings().Lat.Degrees, std::string("90"));
    QCOMPARE(f.window->state().Latitude, -90.0);
    f.window->Timer1Timer();
    for (const char* name : {"lblVisible", "lblAOM", "lblSunrise", "lblRSValue1"})
        QVERIFY2(!f.label(name)->text().contains("nan"), name);
    QVERIFY(f.messages.isEmpty());

    // Escape closes the window and changes nothing: not the place, nor the store, nor the
    // hemisphere turned by hand.
    f.window->imgHemisphereClick();
    QVERIFY(f.window->state().NorthernView);
    const double mirrored = f.window->state().Latitude; // the globe mirrors the latitude
    const QByteArray stored = [&] {
        QFile file(f.dir.filePath("Selvane.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QTimer::singleShot(0, &config, [&config] {
        config.txtLatDeg->setText("10");
        config.pnlNS->setText("North");
        QTest::keyClick(config.txtLatDeg, Qt::Key_Escape);
    });
    QTest::mouseClick(f.window->findChild<QWidget*>("lblConfig"), Qt::LeftButton);
    QVERIFY(!config.isVisible());
    QVERIFY(f.window->state().NorthernView);
    QCOMPARE(f.window->state().Latitude, mirrored);
    QCOMPARE(f.window->settings().Lat.Degrees, std::string("90"));
    QCOMPARE(f.window->settings().Lat.Direction, std::string("South"));
    QFile file(f.dir.filePath("Selvane.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), stored);
}

void TestAuxWindows::printCommandsHandOverTheMonthsPages() {
    // Kathmandu's clock on 15 March 2024 at noon.
    Fixture f(kNoon15March, "North", "12", {{"ZoneName", "Asia/Kathmandu"}, {"DayOrder", "1"}});
    f.clock =
        FixedClock(QDateTime(QDate(2024, 3, 15), QTime(6, 15), QTimeZone::utc()), QTimeZone::utc());
    f.window->show();
    f.window->Timer1Timer();

    // The print options come first; Esc there cancels: nothing stored, nothing printed.
    TPrintOptions& options = f.window->printOptions();
    QTimer::singleShot(0, &options, [&] {
        options.chkDailyPhases->setChecked(false);
        QTest::keyClick(&options, Qt::Key_Escape);
    });
    QTest::keyClick(f.window.get(), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(f.calendars.empty());
    QCOMPARE(int(f.window->settings().PhasePrintout), 3);
    QCOMPARE(f.store->read("PhasePrintout"), QString("3"));

    // What they store with OK is what prints.
    QTimer::singleShot(0, &options, [&] {
        options.chkDailyPhases->setChecked(false);
        options.lblOKClick();
    });
    QTest::keyClick(f.window.get(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(f.calendars.size(), std::size_t(1));
    const CalendarPageData& page = f.calendars[0];
    QCOMPARE(page.Header.Year, 2024);
    QCOMPARE(page.Header.Month, 3);
    QCOMPARE(page.Header.MonthName, QString("March"));
    QCOMPARE(page.Header.LocationEnding, QString(", Asia/Kathmandu"));
    QCOMPARE(page.Header.Lat.Degrees, std::string("51"));
    QCOMPARE(page.DayOrder, 1);
    QCOMPARE(page.WeekdayNames[1], QString("Monday"));
    QCOMPARE(int(page.Choices.PhasePrintout), 1); // the major phases only
    // The phases in Kathmandu time, as the phases panel lists them: the window's zone reached
    // the page.
    QCOMPARE(int(page.MajorPhases.size()), f.window->state().Phases.MajorPhaseCount);
    QCOMPARE(page.MajorPhases[0].Time, f.label("lblPh1Time")->text().left(5));

    // The time list prints the table it shows, for the selected month.
    f.window->SelectDate(2024, 2, 10);
    TRiseSetTimeList& list = f.window->timeList();
    f.window->lblListClick();
    list.FormActivate();
    QTest::mouseClick(list.findChild<QWidget*>("lblPrint"), Qt::LeftButton);
    QCOMPARE(f.timeTables.size(), std::size_t(1));
    QCOMPARE(f.timeTables[0].Header.Month, 2);
    QCOMPARE(TableText(f.timeTables[0].Table.Days[28].SunTimes.Set),
             TableText(list.Table.Days[28].SunTimes.Set));
    QVERIFY(TableText(f.timeTables[0].Table.Days[29].SunTimes.Set).empty()); // 29 days in 2024

    // Ctrl+E in the list exports the listed month or its year, at the list's place and in its
    // zone: Kathmandu is 5 h 45 min ahead of universal time in every season.
    QTest::keyClick(&list, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(f.exports.size(), std::size_t(1));
    const MoonCalendarRequest& request = f.exports[0];
    QCOMPARE(request.Year, 2024);
    QCOMPARE(request.Month, 2);
    QCOMPARE(request.MonthName, QString("February"));
    QCOMPARE(request.Place.Latitude, f.window->state().Latitude);
    QCOMPARE(OffsetAt(request.Place, DateTimeToJD(2024, 7, 1, 0, 0, 0)), -345);
    QCOMPARE(request.Made, f.clock.now());
}

void TestAuxWindows::timeListPrintsTheMonthItsHeadingNames() {
    // Open on 30 June 2024, 23:59:50: typing a year, then the clock's new month.
    Fixture f(ClockTime{2024, 6, 0, 30, 23, 59, 50, 0});
    f.window->show();
    f.window->Timer1Timer();
    TRiseSetTimeList& list = f.window->timeList();
    f.window->lblListClick();
    list.FormActivate();
    const Observer place = f.window->observer();
    const MonthTimeTable june2024 = FillMonthTimeTable(2024, 6, place);
    const MonthTimeTable june2030 = FillMonthTimeTable(2030, 6, place);
    const MonthTimeTable july2024 = FillMonthTimeTable(2024, 7, place);
    QVERIFY(TableText(june2030.Days[0].MoonTimes.Rise) !=
            TableText(june2024.Days[0].MoonTimes.Rise));

    QTest::mouseClick(f.window->calendar().lblSelectedYear, Qt::LeftButton);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(f.window.get(), Qt::Key_Backspace);
    f.type("2030");
    QTest::keyClick(f.window.get(), Qt::Key_Return);
    QTest::mouseClick(list.findChild<QWidget*>("lblPrint"), Qt::LeftButton);
    QCOMPARE(f.timeTables.size(), std::size_t(1));
    QCOMPARE(f.timeTables[0].Header.Year, 2030);
    QCOMPARE(f.timeTables[0].Header.Month, 6);
    for (std::size_t day : {0, 14, 29})
        QCOMPARE(TableText(f.timeTables[0].Table.Days[day].MoonTimes.Rise),
                 TableText(june2030.Days[day].MoonTimes.Rise));

    // Back to today, then midnight: the selection follows the clock into July.
    QTest::keyClick(f.window.get(), Qt::Key_Home);
    QCOMPARE(TableText(list.Table.Days[0].MoonTimes.Rise),
             TableText(june2024.Days[0].MoonTimes.Rise));
    f.clock.advance(20);
    f.window->Timer1Timer();
    QCOMPARE(list.listPicture().height(), 31 * list.rowHeight() - 1);
    QTest::mouseClick(list.findChild<QWidget*>("lblPrint"), Qt::LeftButton);
    QCOMPARE(f.timeTables.size(), std::size_t(2));
    QCOMPARE(f.timeTables[1].Header.Month, 7);
    for (std::size_t day : {0, 30})
        QCOMPARE(TableText(f.timeTables[1].Table.Days[day].MoonTimes.Set),
                 TableText(july2024.Days[day].MoonTimes.Set));
}

QTEST_MAIN(TestAuxWindows)
#include "tst_auxwindows.moc"
