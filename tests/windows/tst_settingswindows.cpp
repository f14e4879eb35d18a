// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "../core/recordingstore.h"
#include "core/settings.h"
#include "core/settingsstore.h"
#include "widgets/hotspotlabel.h"
#include "widgets/spinbutton.h"
#include "windows/tfconfig.h"
#include "windows/tprintoptions.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimeZone>
#include <QTimer>
#include <QWindow>

#include <cmath>

using namespace selvane;

namespace {

// Both windows over one record and store; their main window is 641 x 481 at (100, 100).
// Their messages are recorded unless the windows are to show their own.
struct Fixture {
    explicit Fixture(bool recordMessages = true) {
        store.exists = true;
        main.setGeometry(100, 100, 641, 481);
        if (recordMessages)
            config.showMessage = print.showMessage = [this](const QString& text) {
                messages << text;
            };
    }
    static bool open(QDialog& window) {
        window.show();
        return QTest::qWaitForWindowActive(&window);
    }
    // Replaces the field's text by typing, the focus in the field.
    static void type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    static void click(SpinButton* spin, bool up) {
        QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(7, up ? 4 : 14));
    }
    // A key as the user presses it: to the open list of places, else to the focus.
    static void press(Qt::Key key) {
        QWidget* list = QApplication::activePopupWidget();
        QTest::keyClick(list ? list : QApplication::focusWidget(), key);
    }
    QAbstractItemView* places() const {
        return config.findChild<QCompleter*>("placeList")->popup();
    }
    QStringList stored(const QStringList& names) const {
        QStringList texts;
        for (const QString& name : names)
            texts << store.read(name);
        return texts;
    }

    QWidget main;
    RecordingStore store;
    Settings record;
    TfConfig config{record, store, &main};
    TPrintOptions print{record, store, &main};
    QStringList messages;
};

const QStringList kConfigurationValues = {
    "LatDeg",     "LatMin",        "LatSec",   "LatDir",          "LongDeg",
    "LongMin",    "LongSec",       "LongDir",  "Location",        "DayOrder",
    "DateLayout", "DateLayoutIdx", "Timezone", "DaylightSavings", "ZoneName"};
const QStringList kPlaceValues = {"LatDeg",  "LatMin",  "LatSec",  "LatDir",   "LongDeg",
                                  "LongMin", "LongSec", "LongDir", "Location", "ZoneName"};
const QStringList kPrintValues = {"PhasePrintout", "PrintLunarTimes", "PrintSunTimes",
                                  "PhaseDensity"};

} // namespace

class TestSettingsWindows : public QObject {
    Q_OBJECT

private slots:
    void configurationShowsTheRecordCentred() {
        Fixture f;
        f.record.Lat = {"051", "028", "038", "South"}; // shown without the extra zeros
        f.record.Long = {"180", "0", "5", "East"};
        f.record.Location = "Greenwich";
        f.record.DayOrder = 6;
        f.record.DateLayoutIdx = 1;
        f.record.TimeZone = 24;
        f.record.DaylightSavings = true;
        QVERIFY(f.open(f.config));
        QCOMPARE(f.config.geometry(), QRect(278, 152, 284, 376)); // 100 + 357 / 2, 100 + 105 / 2
        QCOMPARE(QApplication::focusWidget(), f.config.cmbDayOrder);
        const TfConfig& c = f.config;
        QCOMPARE(QStringList({c.txtLatDeg->text(), c.txtLatMin->text(), c.txtLatSec->text(),
                              c.pnlNS->text(), c.txtLongDeg->text(), c.txtLongSec->text(),
                              c.pnlEW->text(), c.txtLocation->text(), c.cmbDayOrder->currentText(),
                              c.cmbDateFormat->currentText(), c.cmbTimeZone->currentText()}),
                 QStringList({"51", "28", "38", "South", "180", "5", "East", "Greenwich",
                              "Saturday - Friday", "mm/dd/yyyy", "GMT + 12:00"}));
        QVERIFY(c.chkDaylightSavings->isChecked());
        QCOMPARE(c.cmbTimeZone->count(), 25);
        QCOMPARE(QStringList({c.cmbTimeZone->itemText(0), c.cmbTimeZone->itemText(11),
                              c.cmbTimeZone->itemText(12), c.cmbDayOrder->itemText(3)}),
                 QStringList({"GMT - 12:00", "GMT - 01:00", "GMT ", "Wednesday - Tuesday"}));
    }

    void numberFieldsTakeDigitsOnly() {
        const struct {
            const char *Field, *Typed, *Kept;
        } rows[] = {{"txtLatDeg", "a9-x 0", "90"},
                    {"txtLatSec", "5.9,1", "59"}, // two digits at most
                    {"txtLongDeg", "1+8e05", "180"},
                    {"txtLocation", "Kew 2", "Kew 2"}};
        Fixture f;
        QVERIFY(f.open(f.config));
        for (const auto& row : rows) {
            auto* field = f.config.findChild<QLineEdit*>(row.Field);
            f.type(field, row.Typed);
            QCOMPARE(field->text(), QString(row.Kept));
            // Keys that type no character still work.
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClick(field, Qt::Key_Home);
            QTest::keyClick(field, Qt::Key_Delete);
            const QString trimmed = QString(row.Kept).mid(1).chopped(1);
            QCOMPARE(field->text(), trimmed);
            field->insert("4a"); // pasted text that is not all digits is turned away
            QCOMPARE(field->text(), field == f.config.txtLocation ? "4a" + trimmed : trimmed);
        }
    }

    void leavingANumberFieldChecksItsRange() {
        const struct {
            const char *Field, *Typed, *Bound; // no bound when the number is in range
        } rows[] = {{"txtLatDeg", "95", "90"},    {"txtLatDeg", "90", nullptr},
                    {"txtLatMin", "60", "59"},    {"txtLatSec", "59", nullptr},
                    {"txtLongDeg", "181", "180"}, {"txtLongDeg", "180", nullptr},
                    {"txtLongSec", "60", "59"},   {"txtLongMin", "", nullptr}};
        for (const auto& row : rows) {
            Fixture f;
            QVERIFY(f.open(f.config));
            auto* field = f.config.findChild<QLineEdit*>(row.Field);
            f.type(field, row.Typed);
            QTest::keyClick(field, Qt::Key_Tab);
            const QStringList message =
                row.Bound ? QStringList{QString("Valid Range is 0 - ") + row.Bound} : QStringList{};
            const QString kept = *row.Typed ? QString(row.Typed) : QString("00");
            QCOMPARE(f.messages, message);
            QCOMPARE(QApplication::focusWidget() == field, row.Bound != nullptr);
            QCOMPARE(field->text(), kept);

            // Losing and regaining the window's focus neither refills the fields nor checks again.
            QWidget other;
            other.show();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            f.config.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&f.config));
            QCOMPARE(field->text(), kept);
            QCOMPARE(f.messages, message);
        }
    }

    // What is typed on after leaving a field with a number out of range, before the message is
    // noticed, goes to that field, which has the focus back with its number selected.
    void theRangeMessageLeavesTheKeyboardInTheWindow() {
        Fixture f(false); // the window's own message box
        QVERIFY(f.open(f.config));
        f.type(f.config.txtLatDeg, "95");
        // Typing goes wherever the focus is (a null widget is the focus widget). A message box
        // that takes the keyboard would get these keys; once it has for a while it is closed.
        const auto typeOn = [](const char* keys) {
            QTest::keyClicks(static_cast<QWidget*>(nullptr), QString::fromLatin1(keys));
        };
        QTimer blocked;
        blocked.setSingleShot(true);
        QObject::connect(&blocked, &QTimer::timeout, [&] {
            typeOn("30");
            if (QWidget* modal = QApplication::activeModalWidget(); modal != &f.config)
                modal->close();
        });
        blocked.start(500);
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Tab);
        QVERIFY(blocked.isActive());
        blocked.stop();
        QCOMPARE(QApplication::focusWidget(), f.config.txtLatDeg);
        QCOMPARE(f.config.txtLatDeg->selectedText(), QString("95"));
        auto* box = f.config.findChild<QMessageBox*>();
        QVERIFY(box && box->isVisible());
        QCOMPARE(box->text(), QString("Valid Range is 0 - 90"));

        typeOn("30");
        QCOMPARE(f.config.txtLatDeg->text(), QString("30"));
        // Left in range, the field lets the focus go on and the message closes.
        QPointer<QMessageBox> shown = box;
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Tab);
        typeOn("7");
        QCOMPARE(f.config.txtLatMin->text(), QString("7"));
        QTRY_VERIFY(!shown);
    }

    void spinButtonsToggleTheDirection() {
        const struct {
            bool Latitude;
            const char *Stored, *AfterUp, *AfterDown;
        } rows[] = {{true, "North", "South", "North"},
                    {true, "south", "North", "South"},
                    {false, "West", "East", "West"},
                    {false, "", "West", "East"}};
        for (const auto& row : rows) {
            Fixture f;
            (row.Latitude ? f.record.Lat : f.record.Long).Direction = row.Stored;
            QVERIFY(f.open(f.config));
            QLabel* panel = row.Latitude ? f.config.pnlNS : f.config.pnlEW;
            QCOMPARE(panel->text(), QString(row.Stored));
            f.click(row.Latitude ? f.config.spinNS : f.config.spinEW, true);
            QCOMPARE(panel->text(), QString(row.AfterUp));
            f.click(row.Latitude ? f.config.spinNS : f.config.spinEW, false);
            QCOMPARE(panel->text(), QString(row.AfterDown));
        }
    }

    // Closing by the exit label or the window system, into a store that works, has lost its
    // key or does not keep what is written: the record keeps what was entered, and only a
    // failure is reported. Numbers left untouched keep their stored text.
    void everyWayOfClosingSavesOncePerShowing() {
        enum Way { ExitLabel, WindowSystem };
        const QString unwritten = "Error reading Registry\n\nThe settings file /test/Selvane.ini "
                                  "could not be written, so this change will not survive a "
                                  "restart.";
        const struct {
            Way Closing;
            bool Exists, Writable;
            QString Message;
        } rows[] = {{ExitLabel, true, true, {}},
                    {ExitLabel, false, true, "Error reading Registry"},
                    {WindowSystem, true, false, unwritten}};
        for (const auto& row : rows) {
            Fixture f;
            f.store.exists = row.Exists;
            f.store.writable = row.Writable;
            f.record.Lat = {"051", "028", "38", "North"};
            for (int showing = 1; showing <= 2; ++showing) {
                QVERIFY(f.open(f.config));
                f.type(f.config.txtLocation, "Kew");
                f.config.txtLongDeg->setText("7");
                f.click(f.config.spinNS, true);
                f.config.cmbDayOrder->setCurrentIndex(1);
                f.config.cmbDateFormat->setCurrentIndex(1);
                f.config.cmbTimeZone->setCurrentIndex(14);
                f.config.chkDaylightSavings->setChecked(true);
                f.type(f.config.txtLatSec, ""); // left empty: "00" on closing
                if (row.Closing == ExitLabel)
                    QTest::mouseClick(f.config.lblExit, Qt::LeftButton);
                else
                    f.config.windowHandle()->close();

                QVERIFY(!f.config.isVisible());
                const int n = static_cast<int>(kConfigurationValues.size());
                QCOMPARE(f.store.writes.size(), n * showing);
                QCOMPARE(f.store.writes.mid(n * (showing - 1)), kConfigurationValues);
                QCOMPARE(
                    f.stored(kConfigurationValues),
                    QStringList({"051", "028", "00", showing == 1 ? "South" : "North", "7", "00",
                                 "00", "West", "Kew", "1", "mm/dd/yyyy", "1", "14", "True", ""}));
                QCOMPARE(f.messages, QStringList(row.Message.isEmpty() ? 0 : showing, row.Message));
            }
            QCOMPARE(f.record.TimeZone, 14);
            QCOMPARE(f.record.DayOrder, 1);
            QCOMPARE(f.record.Location, "Kew");
            QCOMPARE(f.record.Lat.Seconds, "00");
            QCOMPARE(f.record.Lat.Degrees, "051");
            QCOMPARE(f.record.Long.Degrees, "7");
        }
    }

    // Escape, from a field, a list or a direction's arrows, or while a range message stands,
    // closes the window and stores nothing: the next showing shows the record as it was.
    void escapeClosesAndStoresNothing() {
        const char* const from[] = {"txtLocation", "cmbDayOrder", "spinNS", "txtLatDeg"};
        for (const char* name : from) {
            Fixture f;
            f.record.Lat = {"051", "028", "38", "North"};
            f.record.Location = "Greenwich";
            const Settings opened = f.record;
            QVERIFY(f.open(f.config));
            f.type(f.config.txtLocation, "Kew");
            f.config.txtLongDeg->setText("7");
            f.click(f.config.spinNS, true);
            f.config.cmbDayOrder->setCurrentIndex(1);
            f.config.cmbTimeZone->setCurrentIndex(14);
            f.config.findChild<QWidget*>(name)->setFocus();
            if (QString(name) == "txtLatDeg") { // left with 95: the range message stands
                f.type(f.config.txtLatDeg, "95");
                QTest::keyClick(f.config.txtLatDeg, Qt::Key_Tab);
                QCOMPARE(f.messages.size(), 1);
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY2(!f.config.isVisible(), name);
            QCOMPARE(f.config.result(), TfConfig::Cancelled);
            QCOMPARE(f.store.writes, QStringList());
            QVERIFY(f.record == opened);

            QVERIFY(f.open(f.config));
            QCOMPARE(QStringList({f.config.txtLocation->text(), f.config.txtLatDeg->text(),
                                  f.config.txtLongDeg->text(), f.config.pnlNS->text(),
                                  f.config.cmbDayOrder->currentText()}),
                     QStringList({"Greenwich", "51", "00", "North", "Sunday - Saturday"}));
            // Closed by its exit label, it stores again.
            f.config.lblExitClick();
            QCOMPARE(f.store.writes, kConfigurationValues);
        }
    }

    void printOptionsShowAndStoreTheRecord() {
        const struct {
            int Printout;
            bool Daily, Major;
        } rows[] = {{0, true, false},
                    {1, false, true},
                    {2, false, false},
                    {3, true, true},
                    {7, false, false}};
        for (const auto& row : rows) {
            Fixture f;
            QVERIFY(f.open(f.print)); // a first run's record: all ticked, density 75
            QCOMPARE(f.print.geometry(), QRect(310, 210, 220, 260)); // 100 + 421/2, 100 + 221/2
            for (QCheckBox* box : {f.print.chkDailyPhases, f.print.chkMajorPhases,
                                   f.print.chkLunarTimes, f.print.chkSolarTimes})
                QVERIFY(box->isChecked());
            QCOMPARE(f.print.pnlPhaseDensity->text(), "75");
            f.print.hide();

            f.record.PhasePrintout = static_cast<std::uint8_t>(row.Printout);
            QVERIFY(f.open(f.print));
            QCOMPARE(f.print.chkDailyPhases->isChecked(), row.Daily);
            QCOMPARE(f.print.chkMajorPhases->isChecked(), row.Major);
            QTest::mouseClick(f.print.chkSolarTimes, Qt::LeftButton);
            f.store.writable = row.Printout != 3;
            QTest::mouseClick(f.print.lblOK, Qt::LeftButton);

            QVERIFY(!f.print.isVisible());
            QCOMPARE(f.store.writes, kPrintValues);
            const QString printout = QString::number(row.Printout == 7 ? 2 : row.Printout);
            QCOMPARE(f.stored(kPrintValues), QStringList({printout, "True", "False", "75"}));
            QCOMPARE(QString::number(f.record.PhasePrintout), printout);
            QVERIFY(!f.record.PrintSunTimes);
            QCOMPARE(f.messages,
                     row.Printout == 3
                         ? QStringList{"Error reading registry\n\nThe settings file "
                                       "/test/Selvane.ini could not be written, so this change "
                                       "will not survive a restart."}
                         : QStringList{});
        }
    }

    void densityStopsAtZeroAndHundred() {
        const struct {
            int Start, Steps, Density; // up when Steps is positive
        } rows[] = {{98, 3, 100}, {2, -3, 0}, {0, 1, 1}, {100, -1, 99}};
        for (const auto& row : rows) {
            Fixture f;
            f.record.PhaseDensity = static_cast<std::uint8_t>(row.Start);
            QVERIFY(f.open(f.print));
            for (int i = 0; i < std::abs(row.Steps); ++i)
                f.click(f.print.SpinButton1, row.Steps > 0);
            QCOMPARE(f.print.pnlPhaseDensity->text(), QString::number(row.Density));
            QTest::mouseClick(f.print.lblOK, Qt::LeftButton);
            QCOMPARE(f.record.PhaseDensity, row.Density);
            QCOMPARE(f.store.read("PhaseDensity"), QString::number(row.Density));
        }
    }

    // Greyed while a named zone is chosen, the fixed list and the daylight-saving box show
    // that zone's standard offset and daylight saving at the present instant; the stored
    // fixed zone is what comes back and what is saved.
    void theGreyedFixedZoneShowsTheNamedZoneNow() {
        const QDateTime july(QDate(2024, 7, 14), QTime(12, 0), QTimeZone::utc());
        const QDateTime january(QDate(2024, 1, 15), QTime(12, 0), QTimeZone::utc());
        const struct {
            const char* Zone;
            QDateTime At;
            const char* Offset;
            bool Daylight;
        } rows[] = {
            {"Europe/London", july, "GMT ", true},
            {"Europe/London", january, "GMT ", false},
            {"Australia/Sydney", july, "GMT + 10:00", false},
            {"Australia/Sydney", january, "GMT + 10:00", true},
            {"America/New_York", july, "GMT - 05:00", true},
            {"Asia/Kolkata", july, "GMT + 05:30", false},
            {"Pacific/Kiritimati", january, "GMT + 14:00", false},
        };
        for (const auto& row : rows) {
            Fixture f;
            f.record.TimeZone = 17;
            f.record.DaylightSavings = true;
            f.config.now = [&row] {
                return row.At;
            };
            QVERIFY(f.open(f.config));
            QComboBox* fixed = f.config.cmbTimeZone;
            QCheckBox* daylight = f.config.chkDaylightSavings;
            f.config.cmbZone->setCurrentIndex(f.config.cmbZone->findText(row.Zone));
            QCOMPARE(fixed->currentText(), QString(row.Offset));
            QCOMPARE(daylight->isChecked(), row.Daylight);
            QVERIFY(!fixed->isEnabled() && !daylight->isEnabled());

            f.config.cmbZone->setCurrentIndex(0); // back to the fixed offset as stored
            QCOMPARE(fixed->currentText(), QString("GMT + 05:00"));
            QCOMPARE(fixed->count(), kFixedZoneCount);
            QVERIFY(daylight->isChecked() && fixed->isEnabled());
            f.config.cmbZone->setCurrentIndex(f.config.cmbZone->findText(row.Zone));
            f.config.lblExitClick();
            QCOMPARE(f.stored({"Timezone", "DaylightSavings", "ZoneName"}),
                     QStringList({"17", "True", row.Zone}));
        }
    }

    // The entry controls, the pick-only lists too, are the entry colour.
    void entryControlsAreTheEntryColour() {
        Fixture f;
        QVERIFY(f.open(f.config));
        for (QWidget* w : std::initializer_list<QWidget*>{
                 f.config.cmbDayOrder, f.config.cmbDateFormat, f.config.cmbTimeZone,
                 f.config.cmbZone, f.config.txtLocation}) {
            // Right in the field, left of a list's button, clear of the text.
            const QImage shown = w->grab().toImage();
            QCOMPARE(shown.pixelColor(w->width() - 22, w->height() / 2), QColor(255, 255, 200));
        }
    }

    void aNamedZoneIsChosenTypedAndStored() {
        Fixture f;
        f.record.TimeZone = 17;
        f.record.DaylightSavings = true;
        QComboBox* zone = f.config.cmbZone;
        // A name this system does not know (the clock keeps the fixed offset) is shown as such
        // and stays stored until another zone is picked.
        for (const char* unknown : {"Mars/Olympus", "../../etc/localtime"}) {
            f.record.ZoneName = unknown;
            QVERIFY(f.open(f.config));
            QCOMPARE(zone->currentText(), QString(unknown) + " (unknown here)");
            QCOMPARE(zone->findText(" (unknown here)", Qt::MatchEndsWith), zone->currentIndex());
            QVERIFY(f.config.cmbTimeZone->isEnabled() && f.config.chkDaylightSavings->isEnabled());
            f.config.lblExitClick();
            QCOMPARE(f.store.read("ZoneName"), QString(unknown));
            QCOMPARE(f.record.ZoneName, std::string(unknown));
        }
        QVERIFY(f.open(f.config));
        QCOMPARE(zone->itemText(0), QString("Fixed offset (below)"));
        QCOMPARE(zone->itemText(1),
                 QString("This computer's zone (%1)").arg(QString(QTimeZone::systemTimeZoneId())));
        QVERIFY(zone->findText("Asia/Kathmandu") > 1);
        QVERIFY(zone->findText("Pacific/Kiritimati") > 1);

        // A name typed in full picks its zone; one that names no zone gives way.
        zone->setFocus();
        zone->lineEdit()->setText("asia/kolkata");
        emit zone->lineEdit()->editingFinished();
        QCOMPARE(zone->currentText(), QString("Asia/Kolkata"));
        zone->lineEdit()->setText("Mars/Olympus");
        emit zone->lineEdit()->editingFinished();
        QCOMPARE(zone->currentText(), QString("Asia/Kolkata"));
        QVERIFY(!f.config.cmbTimeZone->isEnabled() && !f.config.chkDaylightSavings->isEnabled());

        f.config.lblExitClick();
        QCOMPARE(f.store.read("ZoneName"), QString("Asia/Kolkata"));
        QCOMPARE(f.record.ZoneName, std::string("Asia/Kolkata"));
        // The whole-hour zone and daylight saving keep their values.
        QCOMPARE(f.store.read("Timezone"), QString("17"));
        QCOMPARE(f.store.read("DaylightSavings"), QString("True"));

        // Shown again it stands on the stored zone, also when stored in other letter cases,
        // and the unknown name is gone; the computer's zone stores its id and the fixed offset
        // an empty name.
        f.record.ZoneName = "ASIA/kolkata";
        QVERIFY(f.open(f.config));
        QCOMPARE(zone->currentText(), QString("Asia/Kolkata"));
        QCOMPARE(zone->findText(" (unknown here)", Qt::MatchEndsWith), -1);
        zone->setCurrentIndex(1);
        f.config.lblExitClick();
        QCOMPARE(f.store.read("ZoneName"), QString(QTimeZone::systemTimeZoneId()));
        QVERIFY(f.open(f.config));
        zone->setCurrentIndex(0);
        QVERIFY(f.config.cmbTimeZone->isEnabled());
        f.config.lblExitClick();
        QCOMPARE(f.store.read("ZoneName"), QString());
    }

    // Another name of a zone (the database's link) is listed with the zone it stands for, found
    // by typing part of it, shown as stored and stored as chosen: the name the user picked.
    void anotherNameOfAZoneIsFoundAndStored() {
        const QDateTime july(QDate(2024, 7, 14), QTime(12, 0), QTimeZone::utc());
        Fixture f;
        f.config.now = [&july] {
            return july;
        };
        QComboBox* zone = f.config.cmbZone;
        f.record.ZoneName = "Asia/Calcutta";
        QVERIFY(f.open(f.config));
        QCOMPARE(zone->currentText(), QString("Asia/Calcutta (Asia/Kolkata)"));
        QCOMPARE(f.config.cmbTimeZone->currentText(), QString("GMT + 05:30"));
        QVERIFY(!f.config.cmbTimeZone->isEnabled());

        const std::pair<const char*, const char*> found[] = {
            {"calcutta", "Asia/Calcutta (Asia/Kolkata)"},
            {"us/eastern", "US/Eastern (America/New_York)"},
        };
        for (const auto& [typed, item] : found) {
            zone->completer()->setCompletionPrefix(typed);
            QCOMPARE(zone->completer()->currentCompletion(), QString(item));
        }

        zone->setFocus();
        zone->lineEdit()->setText("europe/KIEV");
        emit zone->lineEdit()->editingFinished();
        QCOMPARE(zone->currentText(), QString("Europe/Kiev (Europe/Kyiv)"));
        QCOMPARE(f.config.cmbTimeZone->currentText(), QString("GMT + 02:00"));
        QVERIFY(f.config.chkDaylightSavings->isChecked()); // summer time in July
        f.config.lblExitClick();
        QCOMPARE(f.store.read("ZoneName"), QString("Europe/Kiev"));
        QCOMPARE(f.record.ZoneName, std::string("Europe/Kiev"));

        // A zone's own name that Qt's list lacks is a zone too.
        f.record.ZoneName = "etc/utc";
        QVERIFY(f.open(f.config));
        QCOMPARE(zone->currentText(), QString("Etc/UTC"));
        QVERIFY(!f.config.cmbTimeZone->isEnabled());
    }

    // A place found by its ASCII spelling or another name and taken by Enter, the arrow keys or
    // a click fills in its position, directions, zone and its own name with region and country
    // (namesakes stay apart), and closing stores them. References, north and east positive:
    // Tromsø 69°39′ N 18°57′ E, São Paulo 23°33′ S 46°38′ W, Köln 50°56′ N 6°57′ E; Kolkata
    // and St. John's as the zone tests take them; Hobart and Reykjavík from zone.tab, whose
    // 21°51′ W lies 3′ from the list's point in a city whose references spread over 8′ of
    // longitude.
    void aPlaceFoundByNameIsFilledInAndStored() {
        enum Take { Enter, Arrows, Click };
        constexpr double kArcMinute = 1.0 / 60;
        const struct {
            const char *Typed, *Name;
            Take How;
            double Latitude, Longitude, LongitudeTolerance;
            const char *Zone, *Location;
        } rows[] = {
            {"tromso", "Tromsø", Enter, 69 + 39 / 60.0, 18 + 57 / 60.0, kArcMinute, "Europe/Oslo",
             "Tromsø, Troms, Norway"},
            {"sao paulo", "São Paulo", Click, -(23 + 33 / 60.0), -(46 + 38 / 60.0), kArcMinute,
             "America/Sao_Paulo", "São Paulo, São Paulo, Brazil"},
            {"kolkata", "Kolkata", Enter, 22.5726, 88.3639, kArcMinute, "Asia/Kolkata",
             "Kolkata, West Bengal, India"},
            {"st johns", "St. John's", Click, 47.5615, -52.7126, kArcMinute, "America/St_Johns",
             "St. John's, Newfoundland and Labrador, Canada"},
            {"hobart", "Hobart", Arrows, -(42 + 53 / 60.0), 147 + 19 / 60.0, kArcMinute,
             "Australia/Hobart", "Hobart, Tasmania, Australia"},
            {"reykjavik", "Reykjavík", Click, 64 + 9 / 60.0, -(21 + 51 / 60.0), 3 * kArcMinute,
             "Atlantic/Reykjavik", "Reykjavík, Capital Region, Iceland"},
            {"cologne", "Köln (Cologne)", Enter, 50 + 56 / 60.0, 6 + 57 / 60.0, kArcMinute,
             "Europe/Berlin", "Köln, North Rhine-Westphalia, Germany"},
        };
        for (const auto& row : rows) {
            Fixture f;
            QVERIFY(f.open(f.config));
            f.type(f.config.txtLocation, row.Typed);
            QAbstractItemView* list = f.places();
            QVERIFY2(list->isVisible() && QApplication::activePopupWidget() == list, row.Typed);
            QCOMPARE(list->currentIndex().data().toString().section(", ", 0, 0), row.Name);
            QCOMPARE(QApplication::focusWidget(), f.config.txtLocation);
            if (row.How == Click)
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualRect(list->currentIndex()).center());
            if (row.How == Arrows) { // onto the best, to Hobart, Indiana, and back
                f.press(Qt::Key_Down);
                f.press(Qt::Key_Down);
                QCOMPARE(list->currentIndex().row(), 1);
                f.press(Qt::Key_Up);
            }
            if (row.How != Click)
                f.press(row.How == Enter ? Qt::Key_Return : Qt::Key_Enter);
            QVERIFY(!list->isVisible() && f.config.isVisible());
            QCOMPARE(f.config.txtLocation->text(), row.Location);

            f.config.lblExitClick();
            QCOMPARE(f.stored({"Location", "ZoneName"}), QStringList({row.Location, row.Zone}));
            QVERIFY2(std::abs(DmsToDegrees(f.record.Lat) - row.Latitude) <= kArcMinute, row.Typed);
            QVERIFY2(std::abs(-DmsToDegrees(f.record.Long) - row.Longitude) <=
                         row.LongitudeTolerance,
                     row.Typed);
        }
    }

    // The list opens with no row highlighted, the best standing for Enter; the first Down
    // highlights the best, Down stops at the last row, Up from the first goes back to the text,
    // and Enter takes the highlighted row, or the best with none. References, north and east
    // positive: Bergen 60°23′ N 5°20′ E, Bergamo 45°42′ N 9°40′ E, Tromsø 69°39′ N 18°57′ E,
    // Hobart (Indiana) 41°32′ N 87°15′ W.
    void theArrowKeysNeverLoseTheChoice() {
        constexpr double kArcMinute = 1.0 / 60;
        struct Taken {
            const char* Location;
            double Latitude, Longitude;
            const char* Zone;
        };
        const Taken bergen{"Bergen, Vestland, Norway", 60 + 23 / 60.0, 5 + 20 / 60.0,
                           "Europe/Oslo"};
        const Taken bergamo{"Bergamo, Lombardy, Italy", 45 + 42 / 60.0, 9 + 40 / 60.0,
                            "Europe/Rome"};
        const Taken tromso{"Tromsø, Troms, Norway", 69 + 39 / 60.0, 18 + 57 / 60.0, "Europe/Oslo"};
        const Taken indiana{"Hobart, Indiana, United States", 41 + 32 / 60.0, -(87 + 15 / 60.0),
                            "America/Chicago"};
        const struct {
            const char* Typed;
            const char* Keys; // D Down, U Up
            int Highlighted;  // the row highlighted then; -1 none
            Taken Place;
        } rows[] = {
            {"berg", "", -1, bergen},     {"berg", "D", 0, bergen},
            {"berg", "DD", 1, bergamo},   {"berg", "DDU", 0, bergen},
            {"berg", "DU", -1, bergen},   {"berg", "UU", -1, bergen},
            {"tromso", "D", 0, tromso},   {"tromso", "DDD", 0, tromso},
            {"tromso", "DUD", 0, tromso}, {"hobart", "DDD", 1, indiana},
        };
        for (const auto& row : rows) {
            Fixture f;
            QVERIFY(f.open(f.config));
            f.type(f.config.txtLocation, row.Typed);
            QAbstractItemView* list = f.places();
            QVERIFY(list->isVisible() && !list->selectionModel()->hasSelection());
            for (const char* key = row.Keys; *key; ++key)
                f.press(*key == 'D' ? Qt::Key_Down : Qt::Key_Up);
            const QString context = QString("%1 %2").arg(row.Typed, row.Keys);
            QVERIFY2(list->isVisible(), qPrintable(context));
            QCOMPARE(QApplication::focusWidget(), f.config.txtLocation); // typing goes on there
            const QModelIndexList highlighted = list->selectionModel()->selectedIndexes();
            QCOMPARE(highlighted.isEmpty() ? -1 : highlighted.front().row(), row.Highlighted);
            f.press(Qt::Key_Return);
            QCOMPARE(f.config.txtLocation->text(), row.Place.Location);
            f.config.lblExitClick();
            QCOMPARE(f.store.read("ZoneName"), QString(row.Place.Zone));
            QVERIFY2(std::abs(DmsToDegrees(f.record.Lat) - row.Place.Latitude) <= kArcMinute,
                     qPrintable(context));
            QVERIFY2(std::abs(-DmsToDegrees(f.record.Long) - row.Place.Longitude) <= kArcMinute,
                     qPrintable(context));
        }
    }

    // A known place's name typed but not chosen shows the note under the field, once the list
    // is closed, while the position is the one the text came with; choosing, a text that names
    // no place (or the one the window opened with) and an edited position take it away.
    // Closing stores the text as typed either way.
    void aPlaceTypedButNotChosenIsPointedOut() {
        enum Then { Nothing, Choose, EditLatitude, ToggleNorth };
        const struct {
            const char* Typed;
            Then Next;
            const char* TypedAfter; // or nullptr
            bool Shown;
        } rows[] = {
            {"london", Nothing, nullptr, true},      {"cologne", Nothing, nullptr, true},
            {"london", Choose, nullptr, false},      {"tromso", Choose, "london", true},
            {"lond", Nothing, nullptr, false},       {"My garden shed", Nothing, nullptr, false},
            {"berlin", Nothing, nullptr, false},     {"london", EditLatitude, nullptr, false},
            {"london", ToggleNorth, nullptr, false}, {"london", Nothing, "londo", false},
        };
        for (const auto& row : rows) {
            Fixture f;
            f.record.Lat = {"52", "31", "12", "North"}; // Berlin
            f.record.Long = {"13", "24", "18", "East"};
            f.record.Location = "Berlin";
            QVERIFY(f.open(f.config));
            auto* note = f.config.findChild<QLabel*>("placeNote");
            QVERIFY(note && !note->isVisible());
            f.type(f.config.txtLocation, row.Typed);
            if (row.Next == Choose)
                f.press(Qt::Key_Return);
            if (row.Next == EditLatitude)
                f.type(f.config.txtLatDeg, "51");
            if (row.Next == ToggleNorth)
                f.click(f.config.spinNS, true);
            if (row.TypedAfter)
                f.type(f.config.txtLocation, row.TypedAfter);
            if (f.places()->isVisible()) {
                QVERIFY2(!note->isVisible(), row.Typed);
                f.press(Qt::Key_Escape);
            }
            QVERIFY2(note->isVisible() == row.Shown, row.Typed);
            if (!row.Shown)
                continue;
            QCOMPARE(note->text(), QString("Choose a place from the list to set its position"));
            // Under the field, inside the window, clear of every control and on one line.
            const QRect field = f.config.txtLocation->geometry();
            QVERIFY(note->y() > field.bottom() && f.config.rect().contains(note->geometry()));
            for (QWidget* control : f.config.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY2(control == note || control->isWindow() || !control->isVisible() ||
                             !control->geometry().intersects(note->geometry()),
                         qPrintable(control->objectName()));
            QVERIFY(note->fontMetrics().horizontalAdvance(note->text()) < note->width());
            f.config.lblExitClick();
            QCOMPARE(f.store.read("Location"),
                     QString(row.TypedAfter ? row.TypedAfter : row.Typed));
            if (row.Next != Choose)
                QCOMPARE(f.stored({"LatDeg", "LatMin", "LongDeg", "LongDir", "ZoneName"}),
                         QStringList({"52", "31", "13", "East", ""}));
        }
    }

    // Free text, a search that finds nothing (the list says so in one greyed row that Enter
    // and a click leave alone), and Escape, which closes the list but not the window, leave the
    // text as typed and every other value as it was.
    void freeTextAndNoMatchChangeNothingElse() {
        for (const char* typed : {"My garden shed", "xqzvwk", "tromso harbour", "tromso", "xqzv"}) {
            Fixture f;
            f.record.Lat = {"51", "28", "38", "North"};
            f.record.Long = {"00", "00", "05", "West"};
            QVERIFY(f.open(f.config));
            f.type(f.config.txtLocation, typed);
            const bool offered = QString(typed) == "tromso";
            QAbstractItemView* list = f.places();
            QVERIFY2(list->isVisible(), typed);
            const QModelIndex first = list->model()->index(0, 0);
            QCOMPARE(list->model()->rowCount(), 1);
            QCOMPARE(first.data().toString(), offered ? "Tromsø, Troms, Norway" : "No place found");
            QCOMPARE(first.flags().testFlag(Qt::ItemIsEnabled), offered);
            QCOMPARE(first.flags().testFlag(Qt::ItemIsSelectable), offered);
            if (!offered) { // the arrows find nothing to highlight, a click nothing to take
                f.press(Qt::Key_Down);
                QVERIFY(!list->selectionModel()->hasSelection());
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualRect(first).center());
                QCOMPARE(f.config.txtLocation->text(), QString(typed));
            }
            f.press(offered ? Qt::Key_Escape : Qt::Key_Return);
            QVERIFY2(!f.places()->isVisible() && f.config.isVisible(), typed);
            f.config.lblExitClick();
            QCOMPARE(f.stored(kPlaceValues),
                     QStringList({"51", "28", "38", "North", "00", "00", "05", "West", typed, ""}));
        }
    }

    // A location the window did not touch keeps its stored text, however long; one pasted
    // with line breaks and tabs is stored on one line.
    void whatTheUserWroteStaysAndPastesStayOnOneLine() {
        const QString longName = "Observatoire de Haute-Provence, Saint-Michel-l'Observatoire, "
                                 "Alpes-de-Haute-Provence"; // 85 characters
        const struct {
            QString Pasted; // empty: the location left alone
            QString Stored;
        } rows[] = {
            {"", longName},
            {"Kew\nGardens\r\nRichmond\tLondon", "Kew Gardens Richmond London"},
        };
        for (const auto& row : rows) {
            Fixture f;
            f.store.values["location"] = longName;
            f.record = LoadSettings(f.store);
            QCOMPARE(f.record.Location, longName.left(64).toStdString());
            QVERIFY(f.open(f.config));
            f.config.cmbDayOrder->setCurrentIndex(2);
            if (!row.Pasted.isEmpty()) {
                QApplication::clipboard()->setText(row.Pasted);
                f.config.txtLocation->setFocus();
                f.config.txtLocation->selectAll();
                QTest::keyClick(f.config.txtLocation, Qt::Key_V, Qt::ControlModifier);
                QCOMPARE(f.config.txtLocation->text(), row.Stored);
            }
            f.config.lblExitClick();
            QCOMPARE(f.stored({"Location", "DayOrder"}), QStringList({row.Stored, "2"}));
        }
    }
};

QTEST_MAIN(TestSettingsWindows)
#include "tst_settingswindows.moc"
