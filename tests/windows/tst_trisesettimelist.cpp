// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/trisesettimelist.h"

#include "../core/recordingstore.h"
#include "core/settings.h"
#include "widgets/hotspotlabel.h"
#include "widgets/widgetstyle.h"

#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <vector>

using namespace selvane;

namespace {

const Observer kGreenwich{51.4769, 0.0, 0};
const Observer kBerlin{52.52, -13.4, -60}; // UTC+1, no daylight saving
const QColor kGrey(64, 64, 64);

// A list over a plain main window, showing whatever month `month` holds; dates use ".".
struct Fixture {
    Fixture() {
        LocaleTexts texts;
        texts.DateSeparator = u'.';
        list = std::make_unique<TRiseSetTimeList>(&main, texts, [this] { return month; });
    }
    void activate(int year, int m, const Observer& place = kGreenwich,
                  const QString& layout = QStringLiteral("dd/mm/yyyy")) {
        month = {year, m, place, layout, QStringLiteral("GMT")};
        list->FormActivate();
    }
    HotSpotLabel* spot(const char* name) const {
        return list->findChild<HotSpotLabel*>(QString::fromLatin1(name));
    }
    QWidget main;
    TimeListMonth month;
    std::unique_ptr<TRiseSetTimeList> list;
};

// Whether the list picture holds `text` with its left edge at x on the day's row, on the
// row's band, in the list's font and the given colour.
bool Shows(const QImage& picture, int day, int x, const QColor& colour, const QString& text) {
    const QFont font = ArialPixels(12);
    const QFontMetrics metrics(font);
    QImage expected(metrics.horizontalAdvance(text), 13, QImage::Format_RGB32);
    expected.fill(day % 2 == 0 ? kGrey : QColor(Qt::black));
    QPainter p(&expected);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(0, metrics.ascent(), text);
    p.end();
    return picture.copy(x, (day - 1) * 14, expected.width(), 13) == expected;
}

} // namespace

class TestTimeList : public QObject {
    Q_OBJECT

private slots:
    void monthLengthsAndScrollRange_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("height");     // days x 14 - 1
        QTest::addColumn<int>("lastScroll"); // height - 380
        QTest::newRow("28 days") << 2023 << 2 << 391 << 11;
        QTest::newRow("29 days") << 2024 << 2 << 405 << 25;
        QTest::newRow("30 days") << 2024 << 4 << 419 << 39;
        QTest::newRow("31 days") << 2024 << 1 << 433 << 53;
    }
    void monthLengthsAndScrollRange() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, height);
        QFETCH(int, lastScroll);
        Fixture f;
        f.activate(year, month);
        QCOMPARE(f.list->listPicture().size(), QSize(600, height));
        const std::pair<int, int> requests[] = {
            {10000, lastScroll}, {lastScroll + 1, lastScroll}, {lastScroll, lastScroll}, {-1, 0}};
        for (const auto& [asked, shown] : requests) {
            f.list->ScrollX = asked; // the picture is exactly as wide as the view
            f.list->ScrollY = asked;
            f.list->CopyScreenArea();
            QCOMPARE(f.list->ScrollY, shown);
            QCOMPARE(f.list->ScrollX, 0);
        }
    }

    void rowsShowTheMonthsTexts_data() {
        QTest::addColumn<QString>("stored"); // the settings' DateLayout; null when missing
        QTest::addColumn<QString>("date");   // %1 is the two-digit day
        QTest::newRow("day first") << "dd/mm/yyyy"
                                   << "%1.06.2024";
        QTest::newRow("month first") << "mm/dd/yyyy"
                                     << "06.%1.2024";
        QTest::newRow("missing") << QString() << "%1.06.2024";
        QTest::newRow("no date letters") << "--.--"
                                         << "%1.06.2024";
    }
    void rowsShowTheMonthsTexts() {
        QFETCH(QString, stored);
        QFETCH(QString, date);
        // The layout as the settings load it from a file that holds it, or lacks it.
        RecordingStore store;
        store.exists = true;
        store.values = {{"timezone", "13"}, {"phasedensity", "75"}, {"datelayoutidx", "1"}};
        if (!stored.isNull())
            store.values["datelayout"] = stored;
        const Settings settings = LoadSettings(store);
        QCOMPARE(store.writes, QStringList());
        Fixture f;
        f.activate(2024, 6, kBerlin, QString::fromStdString(settings.DateLayout));
        const MonthTimeTable& table = f.list->Table;
        // Midsummer: no astronomical night. 29 June: the Moon rises on neither side of it.
        QCOMPARE(TableText(table.Days[20].AstronomicalTwilight.Start), std::string("None"));
        QCOMPARE(TableText(table.Days[20].AstronomicalTwilight.End), std::string("None"));
        QCOMPARE(TableText(table.Days[28].MoonTimes.Rise), std::string("*****"));

        QCOMPARE(TableText(table.Days[0].SunTimes.Rise),
                 TableText(FillMonthTimeTable(2024, 6, kBerlin).Days[0].SunTimes.Rise));

        // Midsummer in Berlin, an hour behind its summer clock: civil dawn 03:53, sunrise 04:43,
        // noon 13:08 (13.4 E), sunset 21:33 and civil dusk 22:24 CEST; no astronomical night.
        // Each text in its column and colour.
        const QImage& picture = f.list->listPicture();
        const std::tuple<int, int, QColor, QString> shown[] = {
            {21, 7, Qt::white, date.arg(21)}, {1, 7, Qt::white, date.arg("01")},
            {30, 7, Qt::white, date.arg(30)}, {21, 368, kYellow, "03:43"},
            {21, 444, kYellow, "20:33"},      {21, 245, kLightYellow, "None"},
            {21, 565, kLightYellow, "None"},  {29, 85, kAqua, "*****"},
            {21, 321, kLightYellow, "02:53"}, {21, 489, kLightYellow, "21:24"},
            {21, 406, kYellow, "12:08"},
        };
        for (const auto& [day, x, colour, text] : shown)
            QVERIFY2(Shows(picture, day, x, colour, text),
                     qPrintable(QStringLiteral("day %1 at %2").arg(day).arg(x)));
    }

    void arrowsScrollARowPerTickAndHoldAtTheEnds() {
        Fixture f;
        f.list->show();
        f.activate(2024, 1); // 31 days: 0..53
        const std::pair<const char*, std::vector<int>> holds[] = {
            {"lblScrollDown", {14, 28, 42, 53, 53, 53}}, {"lblScrollUp", {39, 25}}};
        for (const auto& [arrow, positions] : holds) {
            QTest::mousePress(f.spot(arrow), Qt::LeftButton);
            QVERIFY(f.list->Timer1->isActive());
            for (int expected : positions) {
                f.list->Timer1Timer();
                QCOMPARE(f.list->ScrollY, expected);
            }
            QTest::mouseRelease(f.spot(arrow), Qt::LeftButton);
            QVERIFY(!f.list->Timer1->isActive());
        }

        // Any repaint shows the list at the offsets, below the header's last row.
        const QImage shown = f.list->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.copy(20, 81, 600, 379), f.list->listPicture().copy(0, 26, 600, 379));
    }

    void keysScrollByRowPageAndEnds() {
        Fixture f;
        f.list->show();
        f.activate(2024, 1); // 31 rows of 14: 0..53; a page is 27 rows, 378 pixels
        const std::pair<Qt::Key, int> keys[] = {
            {Qt::Key_Down, 14},  {Qt::Key_Down, 28}, {Qt::Key_PageDown, 53}, {Qt::Key_Down, 53},
            {Qt::Key_Up, 39},    {Qt::Key_Home, 0},  {Qt::Key_Up, 0},        {Qt::Key_End, 53},
            {Qt::Key_PageUp, 0}, {Qt::Key_Left, 0},
        };
        for (const auto& [key, expected] : keys) {
            QTest::keyClick(f.list.get(), key);
            QCOMPARE(f.list->ScrollY, expected);
        }
        // In February (29 rows, 0..25) a page down from the top reaches the end.
        f.activate(2024, 2);
        QTest::keyClick(f.list.get(), Qt::Key_PageDown);
        QCOMPARE(f.list->ScrollY, 25);
    }

    void dragMovesTheListOnlyFromInside_data() {
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("move");
        QTest::addColumn<int>("scrollY"); // from 20
        QTest::newRow("up and sideways") << QPoint(300, 200) << QPoint(250, 170) << 50;
        QTest::newRow("down past the top") << QPoint(300, 200) << QPoint(300, 240) << 0;
        QTest::newRow("up past the end") << QPoint(300, 400) << QPoint(300, 100) << 53;
        QTest::newRow("first inner pixel") << QPoint(21, 81) << QPoint(21, 71) << 30;
        QTest::newRow("last inner pixel") << QPoint(619, 459) << QPoint(619, 449) << 30;
        QTest::newRow("left frame") << QPoint(20, 200) << QPoint(20, 100) << 20;
        QTest::newRow("right frame") << QPoint(620, 200) << QPoint(620, 100) << 20;
        QTest::newRow("header") << QPoint(300, 80) << QPoint(300, 0) << 20;
        QTest::newRow("bottom frame") << QPoint(300, 460) << QPoint(300, 360) << 20;
    }
    void dragMovesTheListOnlyFromInside() {
        QFETCH(QPoint, press);
        QFETCH(QPoint, move);
        QFETCH(int, scrollY);
        Fixture f;
        f.activate(2024, 1);
        f.list->ScrollY = 20;
        f.list->FormMouseDown(press);
        f.list->FormMouseMove(move);
        QCOMPARE(f.list->ScrollY, scrollY);
        QCOMPARE(f.list->ScrollX, 0);
        f.list->FormMouseUp();
        f.list->FormMouseMove(press + QPoint(0, 100));
        QCOMPARE(f.list->ScrollY, scrollY);
    }

    void redrawAndPrintingKeepTheirOwnTables() {
        Fixture f;
        f.activate(2024, 1);
        MonthTimeTable printed;
        f.list->printTable = [&](const MonthTimeTable& table) {
            f.activate(2023, 2); // a print dialog's end reactivates the list
            printed = table;
        };
        QTest::mouseClick(f.spot("lblPrint"), Qt::LeftButton);
        QCOMPARE(TableText(printed.Days[30].SunTimes.Transit), std::string("12:13")); // 31 January

        // The main window's redraw shows the new month through a scratch table.
        f.month = {2024, 4, kGreenwich, QStringLiteral("dd/mm/yyyy"), QStringLiteral("GMT")};
        MonthTimeTable scratch;
        f.list->ScrollY = 30;
        f.list->DisplayTimeList(false, scratch);
        QCOMPARE(f.list->listPicture().height(), 419);
        QCOMPARE(f.list->ScrollY, 0);
        QVERIFY(!TableText(scratch.Days[29].SunTimes.Rise).empty());
        QVERIFY(TableText(f.list->Table.Days[28].SunTimes.Rise).empty()); // still February's
        // Computing only leaves the list as it is.
        f.month.Month = 1;
        f.list->DisplayTimeList(true, scratch);
        QVERIFY(!TableText(scratch.Days[30].SunTimes.Rise).empty());
        QCOMPARE(f.list->listPicture().height(), 419);
    }

    // The first time the list opens 40 pixels right of and below the main window, kept on
    // the screen (the offscreen screen is 800 x 800); then where it was left.
    void opensBesideTheMainWindowThenWhereLeft() {
        const struct {
            QPoint Main, First;
        } rows[] = {{{100, 50}, {140, 90}}, {{150, 300}, {160, 320}}, {{-30, -20}, {10, 20}}};
        for (const auto& row : rows) {
            Fixture f;
            QCOMPARE(f.main.screen()->availableGeometry(), QRect(0, 0, 800, 800));
            f.main.setGeometry(QRect(row.Main, QSize(640, 480)));
            f.list->show();
            QCOMPARE(f.list->pos(), row.First);
            f.list->move(12, 34);
            f.list->hide();
            f.list->show();
            QCOMPARE(f.list->pos(), QPoint(12, 34));
        }
    }

    void commandsLieOnTheirGlyphs() {
        Fixture f;
        const QImage header =
            f.list->findChild<QLabel*>(QStringLiteral("Image2"))->pixmap().toImage();
        for (const char* name :
             {"lblTitle", "lblPrint", "lblScrollUp", "lblScrollDown", "lblMinimise", "lblExit"}) {
            const QRect spot = f.spot(name)->geometry();
            int inside = 0, around = 0;
            for (int y = spot.top() - 2; y <= spot.bottom() + 2; ++y)
                for (int x = spot.left() - 2; x <= spot.right() + 2; ++x) {
                    const QColor c = header.pixelColor(x, y);
                    if (std::min({c.red(), c.green(), c.blue()}) > 170)
                        ++(spot.contains(x, y) ? inside : around);
                }
            QVERIFY2(inside >= 8 && around == 0, name); // the minimise bar is the smallest
        }
        // The zone's name stands on the title strip, right of the title.
        f.list->show();
        f.activate(2024, 1);
        QCOMPARE(f.list->lblZone->text(), QString("GMT"));
        const QImage shown = f.list->grab().toImage();
        int light = 0;
        const QRect zone = f.list->lblZone->geometry();
        for (int y = zone.top(); y <= zone.bottom(); ++y)
            for (int x = zone.left(); x <= zone.right(); ++x)
                light += qGray(shown.pixel(x, y)) > 170;
        QVERIFY(light > 10);
        QTest::mouseClick(f.spot("lblMinimise"), Qt::LeftButton);
        QVERIFY(f.list->isMinimized());
        QTest::mouseClick(f.spot("lblExit"), Qt::LeftButton);
        QVERIFY(!f.list->isVisible());
    }

    void greatEventsMarkTheirRowsWithAHint() {
        // Madrid on its winter clock, March 2025: the total lunar eclipse of the 14th, greatest
        // at 06:59:56 TD, Delta-T 75 s (the canon): 07:58 CET, umbral magnitude 1.1784; the
        // partial solar eclipse of the 29th, seen there in the morning.
        Fixture f;
        f.activate(2025, 3, Observer(40.4168, 3.7038, -60));
        const int h = f.list->rowHeight();
        auto row = [&](int day) {
            return QPoint(300, 80 + (day - 1) * h + h / 2 - f.list->ScrollY);
        };
        const std::pair<int, const char*> hints[] = {
            {14, "Total lunar eclipse, greatest at 07:58\nUmbral magnitude 1.178, visible here"},
            {29, "Partial solar eclipse, greatest here at "},
        };
        const QImage& picture = f.list->listPicture();
        const QColor copper(200, 80, 40);
        for (int day = 1; day <= 31; ++day) {
            const auto* hint = std::find_if(std::begin(hints), std::end(hints),
                                            [day](const auto& h) { return h.first == day; });
            const bool marked = hint != std::end(hints);
            f.list->ScrollY = day > 20 ? 53 : 0; // the last rows at the list's end
            const QString text = f.list->rowHint(row(day));
            QVERIFY2(marked ? text.startsWith(QString::fromUtf8(hint->second)) : text.isEmpty(),
                     qPrintable(QStringLiteral("%1: %2").arg(day).arg(text)));
            // A mark between the date and the Moon's rise, none on the other rows: there the
            // band's colour alone.
            const QRect mark = f.list->markRect(day);
            QVERIFY(mark.left() > 70 && mark.right() < 85);
            QVERIFY(mark.top() >= (day - 1) * h && mark.bottom() < day * h);
            const QColor band = day % 2 == 0 ? kGrey : QColor(Qt::black);
            bool other = false;
            for (int y = mark.top(); y <= mark.bottom(); ++y)
                for (int x = mark.left(); x <= mark.right(); ++x)
                    other = other || picture.pixelColor(x, y) != band;
            QCOMPARE(other, marked);
        }
        QCOMPARE(picture.pixelColor(f.list->markRect(14).center()), copper);
        // The date and the Moon's rise beside a mark stand as on any row.
        QVERIFY(Shows(picture, 14, 7, Qt::white, QStringLiteral("14.03.2025")));
        QVERIFY(Shows(picture, 14, 85, kAqua,
                      QString::fromStdString(TableText(f.list->Table.Days[13].MoonTimes.Rise))));

        // Scrolled by five rows, the hint follows the row under the pointer; none off the rows.
        f.list->ScrollY = 5 * h;
        QVERIFY(f.list->rowHint(row(14)).startsWith(QStringLiteral("Total lunar eclipse")));
        QCOMPARE(f.list->dayAt(row(14)), 14);
        QCOMPARE(f.list->dayAt(QPoint(300, 79)), 0);
        QCOMPARE(f.list->dayAt(QPoint(19, row(14).y())), 0);
        // Another month without events: no hint.
        f.activate(2025, 4, Observer(40.4168, 3.7038, -120));
        QCOMPARE(f.list->rowHint(row(14)), QString());
        QVERIFY(f.list->greatEvents().empty());
    }
};

QTEST_MAIN(TestTimeList)
#include "tst_trisesettimelist.moc"
