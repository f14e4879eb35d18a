// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The configuration window's entries as a value, without a window: what a record shows as, and
// the record stored for what was entered.

#include "core/settings.h"
#include "windows/configform.h"

#include <QTest>

using namespace selvane;

namespace {

Settings Greenwich() {
    Settings s;
    s.Lat = {"051", "28", "038", "North"};
    s.Long = {"000", "00", "5", "West"};
    s.Location = "Greenwich";
    s.DayOrder = 1;
    s.DateLayout = "mm/dd/yyyy";
    s.DateLayoutIdx = 1;
    s.TimeZone = 13;
    s.DaylightSavings = true;
    s.ZoneName = "Europe/London";
    return s;
}

} // namespace

class TestConfigForm : public QObject {
    Q_OBJECT

private slots:
    // Numbers lose only the leading zeros their field has no room for (the latitude's fields
    // take two digits, the longitude's degrees three); lists outside their items fall back.
    void aRecordAsTheWindowShowsIt() {
        const ConfigForm form = FormOf(Greenwich());
        QCOMPARE(QStringList(form.Numbers.begin(), form.Numbers.end()),
                 QStringList({"51", "28", "38", "000", "00", "5"}));
        QCOMPARE(QStringList({form.LatDirection, form.LongDirection, form.Location, form.ZoneName}),
                 QStringList({"North", "West", "Greenwich", "Europe/London"}));
        QCOMPARE(form.FixedZone, 13);
        QVERIFY(form.FixedDaylight);

        const struct {
            int DayOrder, LayoutIdx;
            const char* Layout;
            int TimeZone;
            int ShownDayOrder, ShownLayout, ShownZone;
        } rows[] = {
            {6, 0, "mm/dd/yyyy", 24, 6, 0, 24}, // the stored item wins over the text
            {7, 2, "mm/dd/yyyy", 25, 0, 1, 0},  // one past each list: the item of the text
            {0, 2, "dd/mm/yyyy", 0, 0, 0, 0},
            {0, 9, "yyyy-mm-dd", -1, 0, 0, 0}, // a text not in the list: the first item
        };
        for (const auto& row : rows) {
            Settings s;
            s.DayOrder = static_cast<std::uint8_t>(row.DayOrder);
            s.DateLayoutIdx = static_cast<std::uint8_t>(row.LayoutIdx);
            s.DateLayout = row.Layout;
            s.TimeZone = row.TimeZone;
            const ConfigForm shown = FormOf(s);
            QCOMPARE(shown.DayOrder, row.ShownDayOrder);
            QCOMPARE(shown.DateLayout, row.ShownLayout);
            QCOMPARE(shown.FixedZone, row.ShownZone);
        }
    }

    // What was entered over the record shown: untouched numbers keep their stored text, empty
    // ones are "00", texts are cut to the record's lengths, the layout's text is its item's.
    void whatWasEnteredAsTheRecord() {
        const Settings shown = Greenwich();
        QCOMPARE(RecordOf(FormOf(shown), shown), shown); // nothing changed, nothing lost

        const struct {
            std::array<const char*, 6> Numbers;
            LocationAngle Lat, Long;
        } rows[] = {
            {{"51", "28", "38", "000", "00", "5"},
             {"051", "28", "038", "North"},
             {"000", "00", "5", "West"}},
            {{"", "", "", "", "", ""}, {"00", "00", "00", "North"}, {"00", "00", "00", "West"}},
            {{"052", "7", "038", "0", "00", "05"},
             {"052", "7", "038", "North"},
             {"0", "00", "05", "West"}},
            {{"1234", "51", "38", "18005", "00", "5"},
             {"123", "51", "038", "North"},
             {"180", "00", "5", "West"}},
        };
        for (const auto& row : rows) {
            ConfigForm entered = FormOf(shown);
            for (std::size_t i = 0; i < entered.Numbers.size(); ++i)
                entered.Numbers[i] = QString::fromLatin1(row.Numbers[i]);
            const Settings s = RecordOf(entered, shown);
            QCOMPARE(s.Lat, row.Lat);
            QCOMPARE(s.Long, row.Long);
        }

        ConfigForm entered = FormOf(shown);
        entered.LatDirection = "South";
        entered.LongDirection = "Eastward"; // longer than a direction is kept
        entered.Location = QString(70, QChar(u'\u00f8'));
        entered.DayOrder = -1;
        entered.DateLayout = 0;
        entered.FixedZone = 0;
        entered.FixedDaylight = false;
        entered.ZoneName = "";
        const Settings s = RecordOf(entered, shown);
        QCOMPARE(s.Lat.Direction, std::string("South"));
        QCOMPARE(s.Long.Direction, std::string("Eastwa"));
        QCOMPARE(s.Location.size(), std::size_t(64 * 2)); // 64 two-byte characters
        QCOMPARE(int(s.DayOrder), 0);
        QCOMPARE(s.DateLayout, std::string("dd/mm/yyyy"));
        QCOMPARE(int(s.DateLayoutIdx), 0);
        QCOMPARE(s.TimeZone, 0);
        QVERIFY(!s.DaylightSavings);
        QCOMPARE(s.ZoneName, std::string());
        entered.DateLayout = 1;
        entered.ZoneName = "America/Argentina/ComodRivadavia";
        QCOMPARE(RecordOf(entered, shown).DateLayout, std::string("mm/dd/yyyy"));
        QCOMPARE(RecordOf(entered, shown).ZoneName,
                 std::string("America/Argentina/ComodRivadavia"));
    }

    // A place chosen from the list in the Location field: name, region and country, within
    // 64 UTF-16 units; the region goes first, then the text ends at a space, or after a whole
    // character when one word is too long (never in a surrogate pair or before an accent).
    void aChosenPlaceWithinTheField() {
        const QString a47(47, u'a'), a62(62, u'a'), a63(63, u'a'), a70(70, u'a');
        const QString llanfair = "Llanfairpwllgwyngyllgogerychwyrndrobwllllantysiliogogogoch";
        const struct {
            QString Name, Region, Country, Location;
        } rows[] = {
            {"St. John's", "Newfoundland and Labrador", "Canada",
             "St. John's, Newfoundland and Labrador, Canada"},
            {"Monaco", "", "Monaco", "Monaco, Monaco"},
            {a47, "Region", "Country", a47 + ", Region, Country"}, // 64: whole
            {a47 + "b", "Region", "Country", a47 + "b, Country"},  // 65: no region
            {"Sv. Trojica v Slov. Goricah", "Municipality of Sveta Trojica v Slovenskih Goricah",
             "Slovenia", "Sv. Trojica v Slov. Goricah, Slovenia"},
            {llanfair, "Wales", "United Kingdom", llanfair}, // 74 without the region
            {a62, "", "Country", a62},                       // not "a…a, C"
            {a63, "", "X", a63},                             // not "a…a,"
            {a70, "", "Country", QString(64, u'a')},
            {a63 + QString::fromUcs4(U"\U0001D538b"), "", "X", a63}, // a surrogate pair at 63
            {a63 + "e\u0301b", "", "X", a63},                        // e and its accent at 63
        };
        for (const auto& row : rows) {
            const Place place{row.Name, row.Region, row.Country, 0, 0, "Etc/UTC", false};
            QCOMPARE(PlaceLocation(place), row.Location);
        }
    }

    // Texts shown unchanged keep the record's text, control characters and all; a text that
    // was typed or pasted is stored on one line.
    void untouchedTextsStayAndEnteredOnesStayOnOneLine() {
        Settings shown = Greenwich();
        shown.Location = "Kew\tGardens";  // written by hand, in quotes with "\t"
        shown.Lat.Direction = "north";    // not one the window offers
        shown.ZoneName = "europe/london"; // as the user spelled it
        QCOMPARE(RecordOf(FormOf(shown), shown), shown);

        const std::pair<QString, std::string> entered[] = {
            {"Kew\nGardens", "Kew Gardens"},
            {"Kew\r\nGardens\r\n", "Kew Gardens "},
            {"Kew\rGardens\tLondon\x1b", "Kew Gardens London "},
            {QStringView(u"K\u00f8benhavn\u2028Danmark\u0085").toString(), "K\xc3\xb8"
                                                                           "benhavn Danmark "},
            {"Greenwich", "Greenwich"},
        };
        for (const auto& [text, stored] : entered) {
            ConfigForm form = FormOf(shown);
            form.Location = text;
            QCOMPARE(RecordOf(form, shown).Location, stored);
        }
    }
};

QTEST_APPLESS_MAIN(TestConfigForm)
#include "tst_configform.moc"
