// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds in the other windows, read through Qt's accessibility interfaces:
// the settings windows' named fields and spin boxes and the range message, the time list's table
// of days, the links and the month picker's buttons. The time list's times are checked against
// PyEphem 4.1 (python3-ephem) for 51.4769 N, 0 E on 2024 March 15 (UT), pressure 0: the Sun's
// centre at -0:50, -6, -12 and -18 degrees, the Moon's upper limb at -0:34, and the Moon's
// illuminated fraction at 0h UT, 27.7 %.

#include "../core/recordingstore.h"
#include "../widgets/accessibilityprobe.h"
#include "core/localetexts.h"
#include "core/settings.h"
#include "widgets/spinbutton.h"
#include "widgets/widgetstyle.h"
#include "windows/tfconfig.h"
#include "windows/tlunarsites.h"
#include "windows/tmonthselect.h"
#include "windows/tprintoptions.h"
#include "windows/trisesettimelist.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace selvane;

namespace {

struct SettingsWindows {
    SettingsWindows() {
        store.exists = true;
        main.setGeometry(100, 100, 641, 481);
    }
    QWidget main;
    RecordingStore store;
    Settings record;
    TfConfig config{record, store, &main};
    TPrintOptions print{record, store, &main};
};

// The time list of March 2024 at Greenwich, dates written with ".".
struct TimeList {
    TimeList() {
        LocaleTexts texts;
        texts.DateSeparator = u'.';
        list = std::make_unique<TRiseSetTimeList>(&main, texts, [this] { return month; });
        list->printTable = [this](const MonthTimeTable&) {
            ++printed;
        };
    }
    // Shows the list; its activation draws the month.
    bool open() {
        list->show();
        return QTest::qWaitForWindowActive(list.get());
    }
    QAccessibleTableInterface* table() const {
        return FindNamed(Accessible(list.get()), QStringLiteral("Days of the month"))
            ->tableInterface();
    }
    QWidget main;
    TimeListMonth month{2024, 3, {51.4769, 0.0, 0}, QStringLiteral("dd/mm/yyyy"), "GMT"};
    std::unique_ptr<TRiseSetTimeList> list;
    int printed = 0;
};

// Minutes after midnight of an "hh:mm" or "hh:mm:ss" text.
double Minutes(const QString& text) {
    return text.left(2).toInt() * 60 + text.mid(3, 2).toInt() + text.mid(6, 2).toInt() / 60.0;
}

} // namespace

class TestWindowAccessibility : public QObject {
    Q_OBJECT

private slots:
    void settingsFieldsAreNamed_data();
    void settingsFieldsAreNamed();
    void spinBoxesStepAndTellTheirValues_data();
    void spinBoxesStepAndTellTheirValues();
    void aRangeMessageIsReadWithItsField();
    void timeListIsATableOfTheMonthsDays();
    void timeListCommandsScrollAndPrint();
    void linksAndMonthsArePressedAsClicked();

private:
    AccessibilityProbe m_probe;
};

void TestWindowAccessibility::settingsFieldsAreNamed_data() {
    QTest::addColumn<bool>("print");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    const auto config = [](const char* control, QAccessible::Role role, const char* name) {
        QTest::newRow(control) << false << control << role << name;
    };
    config("txtLatDeg", QAccessible::EditableText, "Latitude degrees");
    config("txtLatMin", QAccessible::EditableText, "Latitude minutes");
    config("txtLatSec", QAccessible::EditableText, "Latitude seconds");
    config("pnlNS", QAccessible::StaticText, "Latitude direction North");
    config("spinNS", QAccessible::SpinBox, "Latitude direction North");
    config("txtLongDeg", QAccessible::EditableText, "Longitude degrees");
    config("txtLongMin", QAccessible::EditableText, "Longitude minutes");
    config("txtLongSec", QAccessible::EditableText, "Longitude seconds");
    config("pnlEW", QAccessible::StaticText, "Longitude direction West");
    config("spinEW", QAccessible::SpinBox, "Longitude direction West");
    config("txtLocation", QAccessible::EditableText, "Location");
    config("cmbDayOrder", QAccessible::ComboBox, "Day Order");
    config("cmbDateFormat", QAccessible::ComboBox, "Date Format");
    config("cmbZone", QAccessible::ComboBox, "Zone Name");
    config("cmbTimeZone", QAccessible::ComboBox, "Time Zone");
    config("chkDaylightSavings", QAccessible::CheckBox, "Daylight saving time");
    config("lblExit", QAccessible::Button, "Close");
    config("lblTitle", QAccessible::StaticText, "Configuration");
    const auto print = [](const char* control, QAccessible::Role role, const char* name) {
        QTest::newRow(control) << true << control << role << name;
    };
    print("chkDailyPhases", QAccessible::CheckBox, "Daily Phases");
    print("chkMajorPhases", QAccessible::CheckBox, "Major Phases");
    print("chkLunarTimes", QAccessible::CheckBox, "Moon's Rise/Transit/Set Times");
    print("chkSolarTimes", QAccessible::CheckBox, "Sun's Rise/Transit/Set Times");
    print("pnlPhaseDensity", QAccessible::StaticText, "Daily Phase Density 75");
    print("SpinButton1", QAccessible::SpinBox, "Daily Phase Density 75");
    print("lblOK", QAccessible::Button, "OK");
    print("lblTitle", QAccessible::StaticText, "Print Options");
}

// Every field of the settings windows is named, the panels and spin boxes with what they show
// (the first-run record's North, West and 75).
void TestWindowAccessibility::settingsFieldsAreNamed() {
    QFETCH(bool, print);
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    SettingsWindows f;
    QDialog& window = print ? static_cast<QDialog&>(f.print) : f.config;
    window.show();
    QAccessibleInterface* item = Accessible(window.findChild<QWidget*>(control));
    QVERIFY(item);
    QCOMPARE(item->role(), role);
    // The window's objects are its controls, the captions beside them no objects of their own.
    QAccessibleInterface* all = Accessible(&window);
    QVERIFY(all->indexOfChild(item) >= 0);
    QCOMPARE(all->childCount(), print ? 8 : 18);
    // A list's name is its choice (Qt's on this platform): its caption is its label.
    if (role == QAccessible::ComboBox) {
        const auto labels = item->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->text(QAccessible::Name).remove(u':').trimmed(), name);
        QCOMPARE(item->text(QAccessible::Name),
                 static_cast<QComboBox*>(item->object())->currentText());
    } else {
        QCOMPARE(item->text(QAccessible::Name), name);
    }
    // The commands are pressed; the title that drags the window and the panels are not.
    if (role == QAccessible::Button || role == QAccessible::StaticText)
        QCOMPARE(Press(item), role == QAccessible::Button);
}

void TestWindowAccessibility::spinBoxesStepAndTellTheirValues_data() {
    QTest::addColumn<QString>("spin");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("name");
    QTest::newRow("north to south") << "spinNS" << true << "Latitude direction South";
    QTest::newRow("west to east") << "spinEW" << false << "Longitude direction East";
    QTest::newRow("density up") << "SpinButton1" << true << "Daily Phase Density 76";
    QTest::newRow("density down") << "SpinButton1" << false << "Daily Phase Density 74";
}

// A spin box's increase and decrease actions are its arrows, and a reader on it hears its new
// value: its name changes, and it says so.
void TestWindowAccessibility::spinBoxesStepAndTellTheirValues() {
    QFETCH(QString, spin);
    QFETCH(bool, up);
    QFETCH(QString, name);
    SettingsWindows f;
    f.config.show();
    f.print.show();
    auto* button = f.config.findChild<SpinButton*>(spin);
    button = button ? button : f.print.findChild<SpinButton*>(spin);
    QAccessibleInterface* item = Accessible(button);
    AccessibilityProbe::events().clear();
    item->actionInterface()->doAction(up ? QAccessibleActionInterface::increaseAction()
                                         : QAccessibleActionInterface::decreaseAction());
    QCOMPARE(item->text(QAccessible::Name), name);
    QCOMPARE(item->text(QAccessible::Value), button->valueLabel()->text());
    QVERIFY(AccessibilityProbe::told(QAccessible::NameChanged).contains(name));
}

// The range message, shown without taking the focus, is read with its field as the focus
// comes back to it, and the message box tells its alert; a number in range clears it.
void TestWindowAccessibility::aRangeMessageIsReadWithItsField() {
    SettingsWindows f;
    f.config.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.config));
    QLineEdit* field = f.config.txtLatDeg;
    QAccessibleInterface* item = Accessible(field);
    for (const auto& [typed, message] :
         {std::pair{"95", "Valid Range is 0 - 90"}, std::pair{"90", ""}}) {
        AccessibilityProbe::events().clear();
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(typed));
        QTest::keyClick(field, Qt::Key_Tab);
        QCOMPARE(item->text(QAccessible::Description), QString::fromLatin1(message));
        QCOMPARE(QApplication::focusWidget() == field, *message != '\0');
        bool alerted = false;
        for (const RecordedEvent& e : AccessibilityProbe::events())
            if (auto* box = e.Item ? qobject_cast<QMessageBox*>(e.Item->object()) : nullptr)
                alerted |= e.Type == QAccessible::Alert && box->text() == message;
        QCOMPARE(alerted, *message != '\0');
    }
}

// The list is a table: a row a day, a column a time under its titles, each cell's text the
// one drawn there.
void TestWindowAccessibility::timeListIsATableOfTheMonthsDays() {
    TimeList f;
    QVERIFY(f.open());
    QAccessibleTableInterface* table = f.table();
    QCOMPARE(table->rowCount(), 31);
    QCOMPARE(table->columnCount(), 14);
    const QStringList headings = {"Date",
                                  "Moon Rise",
                                  "Moon Transit",
                                  "Moon Set",
                                  "Illum.",
                                  "Twilight Start Ast.",
                                  "Twilight Start Naut.",
                                  "Twilight Start Civil",
                                  "Sun Rise",
                                  "Sun Transit",
                                  "Sun Set",
                                  "Twilight End Civil",
                                  "Twilight End Naut.",
                                  "Twilight End Ast."};
    // 15 March: PyEphem's times to the second, the list's to the minute.
    const QStringList expected = {"15.03.2024", "08:07:24", "16:45:18", "00:17:55", "28%",
                                  "04:20:59",   "05:01:06", "05:40:01", "06:13:10", "12:08:46",
                                  "18:05:20",   "18:38:35", "19:17:38", "19:57:58"};
    // The colours of the columns' texts: white dates, the Moon's aqua, the twilights light
    // yellow and the Sun's yellow.
    const QColor white(Qt::white);
    const QColor* colours[] = {&white,        &kAqua,        &kAqua,        &kAqua,       &kAqua,
                               &kLightYellow, &kLightYellow, &kLightYellow, &kYellow,     &kYellow,
                               &kYellow,      &kLightYellow, &kLightYellow, &kLightYellow};
    const QFont font = ArialPixels(12);
    for (int column = 0; column < 14; ++column) {
        QAccessibleInterface* cell = table->cellAt(14, column);
        QCOMPARE(cell->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name),
                 headings[column]);
        const QString text = cell->text(QAccessible::Name);
        if (column == 0 || column == 4)
            QCOMPARE(text, expected[column]);
        else
            QVERIFY2(std::abs(Minutes(text) - Minutes(expected[column])) <= 1.0,
                     qPrintable(headings[column] + u' ' + text));
        // Drawn there, in its column's colour, on the row's black band (odd days).
        const QRect place(f.list->mapFromGlobal(cell->rect().topLeft()), cell->rect().size());
        QImage drawn(QFontMetrics(font).horizontalAdvance(text), 13, QImage::Format_RGB32);
        drawn.fill(Qt::black);
        QPainter p(&drawn);
        p.setFont(font);
        p.setPen(*colours[column]);
        p.drawText(0, QFontMetrics(font).ascent(), text);
        p.end();
        const QPoint inPicture = place.topLeft() - TRiseSetTimeList::listArea().topLeft();
        QCOMPARE(f.list->listPicture().copy(QRect(inPicture, drawn.size())), drawn);
    }
    QCOMPARE(table->cellAt(30, 0)->text(QAccessible::Name), QStringLiteral("31.03.2024"));

    // Another month: its own rows.
    f.month = {2024, 4, f.month.Place, QStringLiteral("mm/dd/yyyy"), "GMT"};
    f.list->FormActivate();
    QCOMPARE(table->rowCount(), 30);
    QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("04.01.2024"));
}

// The arrows scroll a row a press, as holding them does a tick of their timer; the rows out of
// view are off screen; print hands the table over; the window minimises and closes.
void TestWindowAccessibility::timeListCommandsScrollAndPrint() {
    TimeList f;
    QVERIFY(f.open());
    QAccessibleInterface* window = Accessible(f.list.get());
    QAccessibleTableInterface* table = f.table();
    // The view of 380 pixels shows 27 rows of 14 and 2 pixels of the 28th.
    QVERIFY(!table->cellAt(27, 0)->state().offscreen);
    QVERIFY(table->cellAt(28, 0)->state().offscreen);
    const std::pair<const char*, int> presses[] = {
        {"Scroll down", 14}, {"Scroll down", 28}, {"Scroll up", 14}};
    for (const auto& [command, scrolled] : presses) {
        QVERIFY(Press(FindNamed(window, QString::fromLatin1(command))));
        QCOMPARE(f.list->ScrollY, scrolled);
    }
    QVERIFY(table->cellAt(0, 0)->state().offscreen);
    QVERIFY(!table->cellAt(28, 0)->state().offscreen);
    QVERIFY(Press(FindNamed(window, QStringLiteral("Print the time table"))));
    QCOMPARE(f.printed, 1);
    QVERIFY(Press(FindNamed(window, QStringLiteral("Minimise"))));
    QVERIFY(f.list->windowState() & Qt::WindowMinimized);
    QVERIFY(Press(FindNamed(window, QStringLiteral("Close"))));
    QVERIFY(!f.list->isVisible());
    QCOMPARE(FindNamed(window, QStringLiteral("Time zone GMT"))->role(), QAccessible::StaticText);
}

// The links window's rows are its two headings and seven link buttons; the month picker's,
// twelve buttons; a press of one does what a click on its row does.
void TestWindowAccessibility::linksAndMonthsArePressedAsClicked() {
    QWidget main;
    TLunarSites links(&main);
    QStringList opened;
    links.openSite = [&opened](const QString& address) {
        opened << address;
    };
    links.show();
    QAccessibleInterface* window = Accessible(&links);
    QCOMPARE(window->childCount(), 9);
    const std::pair<int, const char*> headings[] = {{0, "Lunar Resources"}, {5, "Missions"}};
    for (const auto& [row, name] : headings) {
        QCOMPARE(window->child(row)->role(), QAccessible::Heading);
        QCOMPARE(window->child(row)->text(QAccessible::Name), QString::fromLatin1(name));
        QVERIFY(!Press(window->child(row)));
    }
    QAccessibleInterface* clementine = window->child(8);
    QCOMPARE(clementine->role(), QAccessible::Button);
    QCOMPARE(clementine->text(QAccessible::Name), QStringLiteral("Clementine Mission"));
    QCOMPARE(clementine->rect().topLeft(), links.mapToGlobal(QPoint(0, 8 * 21)));
    QVERIFY(Press(clementine));
    QCOMPARE(opened, QStringList{"https://science.nasa.gov/mission/clementine/"});
    QVERIFY(!links.isVisible());

    TMonthSelect picker(&main, LocaleTexts::from(QLocale(QLocale::English)).MonthHeadings);
    QSignalSpy picked(&picker, &TMonthSelect::monthPicked);
    QTimer::singleShot(0, &picker, [&picker] {
        QAccessibleInterface* months = Accessible(&picker);
        QCOMPARE(months->childCount(), 12);
        QCOMPARE(months->child(0)->text(QAccessible::Name), QStringLiteral("January"));
        QCOMPARE(months->child(11)->text(QAccessible::Name), QStringLiteral("December"));
        QVERIFY(Press(FindNamed(months, QStringLiteral("September"))));
    });
    QCOMPARE(picker.exec(), int(QDialog::Accepted));
    QCOMPARE(picked.size(), 1);
    QCOMPARE(picked.first().first().toInt(), 9);
}

QTEST_MAIN(TestWindowAccessibility)
#include "tst_windowaccessibility.moc"
