// The built-in place list: places found by their ASCII spelling at the expected rank, with
// positions against independent references; the folding of typed text; the order of the
// results; and a damaged list.

#include "core/places.h"

#include <QTest>

#include <cmath>

using namespace selvane;

namespace {

constexpr double kArcMinute = 1.0 / 60.0;

double Degrees(int degrees, double minutes) {
    return std::copysign(std::abs(degrees) + minutes / 60.0, degrees);
}

// Positions in degrees, north and east positive. Tromsø and São Paulo as the issue gives
// them (PyEphem's city list agrees for São Paulo: -23.5489, -46.6388); Kolkata and
// St. John's as the zone tests take them; Hobart and Reykjavík from the tz database's
// zone.tab (to the minute). References for Reykjavík's longitude spread over 8′ of the
// spread-out city (the tz database 21°51′ W, the CIA factbook 21°57′ W), so that one is
// held to 3′.
struct KnownPlace {
    const char* Typed;
    int Rank;
    const char* Label;
    double Latitude, Longitude;
    double LongitudeTolerance; // degrees
    const char* Zone;
};
const KnownPlace kKnown[] = {
    {"tromso", 0, "Tromsø, Troms, Norway", Degrees(69, 39), Degrees(18, 57), kArcMinute,
     "Europe/Oslo"},
    {"sao paulo", 0, "São Paulo, São Paulo, Brazil", Degrees(-23, 33), Degrees(-46, 38), kArcMinute,
     "America/Sao_Paulo"},
    {"kolkata", 0, "Kolkata, West Bengal, India", 22.5726, 88.3639, kArcMinute, "Asia/Kolkata"},
    {"st johns", 0, "St. John's, Newfoundland and Labrador, Canada", 47.5615, -52.7126, kArcMinute,
     "America/St_Johns"},
    {"hobart", 0, "Hobart, Tasmania, Australia", Degrees(-42, 53), Degrees(147, 19), kArcMinute,
     "Australia/Hobart"},
    {"reykjavik", 0, "Reykjavík, Capital Region, Iceland", Degrees(64, 9), Degrees(-21, 51),
     3 * kArcMinute, "Atlantic/Reykjavik"},
    // Spelt as people write it, with the name's own letters.
    {"Tromsø", 0, "Tromsø, Troms, Norway", Degrees(69, 39), Degrees(18, 57), kArcMinute,
     "Europe/Oslo"},
    {"ST. JOHN'S", 0, "St. John's, Newfoundland and Labrador, Canada", 47.5615, -52.7126,
     kArcMinute, "America/St_Johns"},
    // Small capitals, there whatever their size (zone.tab: Vaduz 47°09′ N 9°31′ E, Vatican
    // City 41°54′08″ N 12°27′11″ E).
    {"vaduz", 0, "Vaduz, Vaduz, Liechtenstein", Degrees(47, 9), Degrees(9, 31), kArcMinute,
     "Europe/Vaduz"},
    {"vatican", 0, "Vatican City, Vatican City", Degrees(41, 54 + 8 / 60.0),
     Degrees(12, 27 + 11 / 60.0), kArcMinute, "Europe/Vatican"},
};

} // namespace

class TestPlaces : public QObject {
    Q_OBJECT

private slots:
    void knownPlacesByTheirSpelling();
    void foldingForTheSearch();
    void startingBeforeContainingAndShortOrUnknownTexts();
    void aDamagedListKeepsWhatItCanRead();
};

void TestPlaces::knownPlacesByTheirSpelling() {
    PlaceList places;
    QVERIFY2(places.Size() >= 20000, qPrintable(QString::number(places.Size())));
    for (const KnownPlace& k : kKnown) {
        const std::vector<Place> found = places.Search(QString::fromUtf8(k.Typed));
        QVERIFY2(found.size() > static_cast<std::size_t>(k.Rank), k.Typed);
        const Place& p = found[static_cast<std::size_t>(k.Rank)];
        QCOMPARE(PlaceLabel(p), QString::fromUtf8(k.Label));
        QVERIFY2(std::abs(p.Latitude - k.Latitude) <= kArcMinute,
                 qPrintable(QStringLiteral("%1: latitude %2").arg(k.Typed).arg(p.Latitude)));
        QVERIFY2(std::abs(p.Longitude - k.Longitude) <= k.LongitudeTolerance,
                 qPrintable(QStringLiteral("%1: longitude %2").arg(k.Typed).arg(p.Longitude)));
        QCOMPARE(p.Zone, QString::fromLatin1(k.Zone));
    }
}

void TestPlaces::foldingForTheSearch() {
    const std::pair<const char*, const char*> cases[] = {
        {"Tromsø", "tromso"},
        {"São Paulo", "sao paulo"},
        {"Łódź", "lodz"},
        {"Großzschocher", "grosszschocher"},
        {"Næstved", "naestved"},
        {"Marcq-en-Barœul", "marcq en baroeul"},
        {"Ðà Lạt", "da lat"},
        {"Nam Định", "nam dinh"},
        {"Bağcılar", "bagcilar"},
        {"Əhmədbəyli", "ahmadbayli"},
        {"St. John's", "st johns"},
        {"Xi’an", "xian"},
        {" Winston--Salem ", "winston salem"},
        {"Washington, D.C.", "washington dc"},
        {"Арачиново", "арачиново"}, // other scripts keep their letters, lower case
        {"", ""},
        {" -'. ", ""},
    };
    for (const auto& [text, folded] : cases)
        QCOMPARE(FoldForSearch(QString::fromUtf8(text)), std::string(folded));
}

void TestPlaces::startingBeforeContainingAndShortOrUnknownTexts() {
    PlaceList places;
    // York, England (about 140 000 people) is larger than York, Pennsylvania (44 000); both
    // start with the text and come before New York City, which only contains it.
    const std::vector<Place> york = places.Search(u"york", 50);
    QVERIFY(york.size() >= 3);
    QCOMPARE(PlaceLabel(york[0]), QStringLiteral("York, England, United Kingdom"));
    std::size_t firstContaining = york.size(), newYork = york.size(), pennsylvania = 0;
    for (std::size_t i = 0; i < york.size(); ++i) {
        const bool starts = FoldForSearch(york[i].Name).starts_with("york");
        if (!starts && firstContaining == york.size())
            firstContaining = i;
        QVERIFY2(starts == (i < firstContaining), qPrintable(PlaceLabel(york[i])));
        if (york[i].Name == u"New York City")
            newYork = i;
        if (york[i].Name == u"York" && york[i].Region == u"Pennsylvania")
            pennsylvania = i;
    }
    QVERIFY(pennsylvania > 0 && pennsylvania < firstContaining);
    QVERIFY(newYork >= firstContaining && newYork < york.size());
    QCOMPARE(places.Search(u"york", 5).size(), std::size_t(5));

    // Fewer than two characters, or nothing to match.
    for (const char16_t* typed : {u"", u"t", u" t ", u"ø", u"д", u"'.", u"xqzvwk", u"tromsoe"})
        QVERIFY2(places.Search(typed).empty(), qPrintable(QString::fromUtf16(typed)));
    // Two are enough; "æ" folds to two letters.
    QCOMPARE(places.Search(u"tr").size(), kPlaceResults);
    QCOMPARE(places.Search(u"æ").size(), kPlaceResults);
}

void TestPlaces::aDamagedListKeepsWhatItCanRead() {
    // Good records among bad ones: unknown tags, missing and extra fields, numbers that are
    // not numbers or out of range, indices past their tables, an empty name.
    const QByteArray text =
        "# a comment\n"
        "Z\tEurope/Oslo\n"
        "Z\n"
        "C\tNO\tNorway\n"
        "C\tXX\n"
        "R\t0\tTroms\n"
        "R\t0\t\n"
        "R\t1\tNowhere\n"
        "P\tAbcstad\t\t0\t696489\t189551\t0\n"
        "P\tAbcvik\tAbcvik\t1\t-900000\t1800000\t0\n"
        "P\tAbcby\t\t0\t900001\t0\t0\n"
        "P\tAbcbu\t\t0\t-900001\t0\t0\n"
        "P\tAbchamn\t\t0\t0\t1800001\t0\n"
        "P\tAbcsund\t\t0\t0\t-1800001\t0\n"
        "P\tAbcnes\t\t2\t0\t0\t0\n"
        "P\tAbcøy\t\t0\t0\t0\t1\n"
        "P\t\tAbc\t0\t0\t0\t0\n"
        "P\tAbcdal\t\t0\t1x\t0\t0\n"
        "P\tAbcfjord\t\t0\t0\t0\n"
        "P\tAbcberg\t\t0\t0\t0\t0\textra\n"
        "Q\tAbc\n"
        "\n"
        "P\tAbcland\t\t0\t900000\t-1800000\t0"; // the last line without its newline
    PlaceList places(text);
    QTest::ignoreMessage(QtWarningMsg,
                         "The place list has 14 unreadable lines; they were skipped.");
    const std::vector<Place> found = places.Search(u"abc", 20);
    QCOMPARE(found.size(), std::size_t(3));
    QCOMPARE(PlaceLabel(found[0]), QStringLiteral("Abcstad, Troms, Norway"));
    QCOMPARE(found[0].Latitude, 69.6489);
    QCOMPARE(found[0].Longitude, 18.9551);
    QCOMPARE(found[0].Zone, QStringLiteral("Europe/Oslo"));
    QCOMPARE(PlaceLabel(found[1]), QStringLiteral("Abcvik, Norway"));
    QCOMPARE(found[1].Latitude, -90.0);
    QCOMPARE(found[1].Longitude, 180.0);
    QCOMPARE(PlaceLabel(found[2]), QStringLiteral("Abcland, Troms, Norway"));
    QCOMPARE(found[2].Latitude, 90.0);
    QCOMPARE(found[2].Longitude, -180.0);
    QCOMPARE(places.Size(), std::size_t(3));

    // Text that is no list at all gives an empty list, quietly for blank text.
    PlaceList nothing(QByteArray("\n\n"));
    QVERIFY(nothing.Search(u"abc").empty());
}

QTEST_GUILESS_MAIN(TestPlaces)
#include "tst_places.moc"
