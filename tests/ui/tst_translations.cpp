// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program in each language it speaks: the user's languages choose the catalogue, every
// catalogue is complete, and every text fits where it is drawn. The windows are made in each
// language and every caption is measured in its own font against the room its layout table
// gives it; the painted and printed texts are measured against their places in the same way.

#include "mainwindowfixture.h"

#include "core/greateventtexts.h"
#include "core/moontexts.h"
#include "core/product.h"
#include "core/translation.h"
#include "engine/riseset.h"
#include "engine/risesettext.h"
#include "print/printcal.h"
#include "ui/mainlayout.h"
#include "ui/moondisc.h"
#include "widgets/picturewords.h"
#include "widgets/placement.h"
#include "widgets/spinbutton.h"
#include "widgets/widgetstyle.h"
#include "windows/tfconfig.h"
#include "windows/tprintoptions.h"
#include "windows/trisesettimelist.h"

#include <QAbstractItemView>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFile>
#include <QLineEdit>
#include <QPageLayout>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QStyleOptionComboBox>
#include <QXmlStreamReader>

#include <algorithm>
#include <optional>
#include <set>
#include <vector>

using namespace selvane;

namespace {

// The languages CMake builds catalogues for.
QStringList Languages() {
    return QString::fromLatin1(SELVANE_LANGUAGES).split(u',');
}

// Longyearbyen (78 13 N, 15 38 E) on 15 December 2024 at noon, its clock an hour east of
// Greenwich: the Sun stays below the horizon and the Full Moon above it all day, so the
// window and the time list show "None" where the times stand.
const ClockTime kPolarNight{2024, 12, 0, 15, 12, 0, 0, 0};
const QList<std::pair<QString, QString>> kLongyearbyen = {
    {"LatDeg", "78"},  {"LatMin", "13"},  {"LatSec", "00"},    {"LongDeg", "15"},
    {"LongMin", "38"}, {"LongSec", "00"}, {"LongDir", "East"}, {"Timezone", "13"}};

int Width(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text);
}

// Collects the texts wider than their room.
struct Misfits {
    QStringList List;
    void check(const QString& where, const QString& text, int width, int room) {
        if (width > room)
            List << QStringLiteral("%1: \"%2\" is %3 px wide in %4")
                        .arg(where, text)
                        .arg(width)
                        .arg(room);
    }
    // Every caption of the window (not of the windows it owns) that was given a room.
    void captions(const QWidget* window, const QString& where) {
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            const int room = TextRoom(label);
            if (room > 0 && !label->text().isEmpty() && label->window() == window)
                check(where, label->text(), Width(label->font(), label->text()), room);
        }
    }
    // Every item of a list, within the field that shows the chosen one.
    void items(const QComboBox* list, const QString& where, int count) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = list->isEditable();
        const int field =
            list->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                .width();
        for (int i = 0; i < count; ++i)
            check(where, list->itemText(i), Width(list->font(), list->itemText(i)), field - 2);
    }
};

// Every kind of great event, each way its texts read, on the 28th at 23:59: a lunar eclipse
// seen and not seen, a solar eclipse of each kind seen partial, annular or total at the place
// and not seen there, a supermoon and a blue moon.
std::vector<GreatEvent> EveryGreatEvent() {
    std::vector<GreatEvent> events;
    GreatEvent event;
    event.Local = {2026, 1, 28, 23, 59};
    event.Kind = GreatEventKind::LunarEclipse;
    for (const LunarEclipseKind kind :
         {LunarEclipseKind::Penumbral, LunarEclipseKind::Partial, LunarEclipseKind::Total})
        for (const bool visible : {true, false}) {
            event.Visible = visible;
            event.Lunar = LunarEclipse{};
            event.Lunar->Kind = kind;
            event.Lunar->PenumbralMagnitude = 2.178;
            event.Lunar->UmbralMagnitude = 1.178;
            events.push_back(event);
        }
    event.Lunar.reset();
    event.Kind = GreatEventKind::SolarEclipse;
    for (const SolarEclipseKind kind : {SolarEclipseKind::Partial, SolarEclipseKind::Annular,
                                        SolarEclipseKind::Total, SolarEclipseKind::Hybrid})
        for (const std::optional<SolarEclipseKind> here :
             {std::optional(SolarEclipseKind::Partial), std::optional(SolarEclipseKind::Annular),
              std::optional(SolarEclipseKind::Total), std::optional<SolarEclipseKind>()}) {
            event.Visible = here.has_value();
            event.Solar = SolarEclipse{};
            event.Solar->Kind = kind;
            event.Solar->Local.Eclipsed = event.Solar->Local.Seen = here.has_value();
            event.Solar->Local.Kind = here.value_or(SolarEclipseKind::Partial);
            event.Solar->Local.Magnitude = 0.998;
            event.Solar->Local.Obscuration = 0.9988;
            events.push_back(event);
        }
    event.Solar.reset();
    event.Visible = true;
    event.Distance = 356740;
    for (const GreatEventKind kind : {GreatEventKind::Supermoon, GreatEventKind::BlueMoon}) {
        event.Kind = kind;
        events.push_back(event);
    }
    return events;
}

// The placeholders (%1 .. %9) of a text, each as often as it occurs.
std::multiset<QString> Placeholders(const QString& text) {
    std::multiset<QString> found;
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    for (const QRegularExpressionMatch& m : marker.globalMatch(text))
        found.insert(m.captured());
    return found;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void theUsersLanguagesChooseTheCatalogue_data();
    void theUsersLanguagesChooseTheCatalogue();
    void everyLanguageIsBuiltIn();
    void everyTextIsTranslatedWithItsPlaceholders();
    void englishTextsAreAsWritten();
    void translatedTextsAreTheAlmanacs();
    void greatEventsAndWindowNamesAreInTheLanguage();
    void configurationShowsTheWordsAndStoresTheEnglish();
    void textsFitTheirPlaces_data();
    void textsFitTheirPlaces();
};

void TestTranslations::theUsersLanguagesChooseTheCatalogue_data() {
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("system"); // the system's locale
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("january"); // standing alone, in the names' locale
    const auto row = [](const char* name, const QStringList& ui, const char* system,
                        const char* language, const QString& january) {
        QTest::newRow(name) << ui << QString::fromLatin1(system) << QString::fromLatin1(language)
                            << january;
    };
    row("C", {"C"}, "C", "", "January");
    row("nothing", {}, "C", "", "January");
    row("English first on a German system", {"en-GB", "de-DE"}, "de_DE", "", "January");
    row("Austrian German", {"de-AT"}, "de_AT", "de", QStringLiteral("J\u00e4nner"));
    row("Dutch, then French", {"nl-NL", "fr-FR"}, "nl_NL", "fr", "janvier");
    row("Dutch alone", {"nl-NL"}, "nl_NL", "", "January");
    row("Portugal's Portuguese", {"pt-PT"}, "pt_PT", "pt_BR", "janeiro");
    row("Brazil's Portuguese", {"pt-BR"}, "pt_BR", "pt_BR", "janeiro");
    row("Mexican Spanish", {"es-MX"}, "es_MX", "es", "enero");
    row("Swiss Italian", {"it-CH"}, "it_CH", "it", "gennaio");
    row("Polish", {"pl"}, "pl_PL", "pl", QStringLiteral("stycze\u0144"));
}

void TestTranslations::theUsersLanguagesChooseTheCatalogue() {
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, system);
    QFETCH(QString, language);
    QFETCH(QString, january);
    const Translation translation(uiLanguages);
    QCOMPARE(translation.language(), language);
    QCOMPARE(translation.namesLocale(QLocale(system)).standaloneMonthName(1), january);
}

void TestTranslations::everyLanguageIsBuiltIn() {
    QStringList expected = Languages();
    expected.sort();
    QCOMPARE(Translation::available(), expected);
}

void TestTranslations::everyTextIsTranslatedWithItsPlaceholders() {
    for (const QString& language : Languages()) {
        QFile file(QStringLiteral(SELVANE_SOURCE_DIR "/translations/selvane_%1.ts").arg(language));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QXmlStreamReader xml(&file);
        QString context, source;
        int messages = 0;
        QStringList problems;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == u"name") {
                context = xml.readElementText();
            } else if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                ++messages;
                const QString type = xml.attributes().value(QStringLiteral("type")).toString();
                const QString text = xml.readElementText();
                const QString where = QStringLiteral("%1 %2 \"%3\"").arg(language, context, source);
                if (!type.isEmpty() || text.isEmpty())
                    problems << where + QStringLiteral(": not translated (") + type + u')';
                else if (Placeholders(text) != Placeholders(source))
                    problems << where + QStringLiteral(": placeholders differ in \"") + text + u'"';
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY2(messages > 100, qPrintable(language)); // the catalogue is not empty
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }
}

void TestTranslations::englishTextsAreAsWritten() {
    // No catalogue: the texts the engine and the code write, as the screens and files always
    // showed them.
    QCOMPARE(EventTimeText(kNoneEvent, kEventTextLength), QStringLiteral("None"));
    QCOMPARE(EventTimeText(kOtherDateEvent, kTableTextLength), QStringLiteral("*****"));
    QCOMPARE(EventTimeText(EventAt(0.75), kTableTextLength), QStringLiteral("18:00"));
    QCOMPARE(AgeShown(AgeOf(5.13)), QStringLiteral("05d 03h 07m"));
    QCOMPARE(SiderealTimeShown(QStringLiteral("08:34:57")), QStringLiteral("LST: 08:34:57"));
    QCOMPARE(PhaseStateName(PhaseState::WaxingCrescent), QStringLiteral(" Waxing Crescent"));
    QVERIFY(CalendarEventNames() == EnglishMoonEventNames());
    QCOMPARE(StatusText({2026, 12, 0, 6, 21, 34, 5, 0}, QStringLiteral("December"),
                        QStringLiteral(" Waxing Crescent")),
             QStringLiteral("21:34:05  6 December 2026 - Waxing Crescent"));
    QCOMPARE(DirectionText("South"), QStringLiteral("South"));
    QCOMPARE(DirectionText("Sud"), QStringLiteral("Sud")); // as stored
    for (const MoonRiseSetEntry& e : CalcLunarRiseSet(kNoon15March, {51.5, 0.0, 0}).Entries)
        QCOMPARE(MoonEventTitle(e.Title), QString::fromStdString(e.Title));
}

void TestTranslations::translatedTextsAreTheAlmanacs() {
    // A few of each catalogue's terms, as the language's almanacs write them.
    struct Row {
        const char* Language;
        const char* FullMoon;
        const char* WaxingCrescent;
        const char* Perigee;
        const char* None;
        const char* South;
        const char* Status; // 8 December 2026 at 13:00:00, a Waning Crescent
    };
    const Row rows[] = {
        {"de", "Vollmond", "Zunehmende Sichel", "Perig\u00e4um", "\u2014", "S\u00fcd",
         "13:00:00  8. Dezember 2026 - Abnehmende Sichel"},
        {"fr", "Pleine lune", "Premier croissant", "P\u00e9rig\u00e9e", "\u2014", "Sud",
         "13:00:00  8 d\u00e9cembre 2026 - Dernier croissant"},
        {"es", "Luna llena", "Luna creciente", "Perigeo", "\u2014", "Sur",
         "13:00:00  8 diciembre 2026 - Luna menguante"},
        {"it", "Luna piena", "Falce crescente", "Perigeo", "\u2014", "Sud",
         "13:00:00  8 dicembre 2026 - Falce calante"},
        {"pt_BR", "Lua cheia", "Lua crescente", "Perigeu", "\u2014", "Sul",
         "13:00:00  8 dezembro 2026 - Lua minguante"},
        {"pl", "Pe\u0142nia", "Przybywaj\u0105cy sierp", "Perygeum", "\u2014", "P\u0142d.",
         "13:00:00  8 grudnia 2026 - Ubywaj\u0105cy sierp"},
    };
    for (const Row& r : rows) {
        const QString language = QString::fromLatin1(r.Language);
        const Translation translation({language});
        QCOMPARE(translation.language(), language);
        translation.install();
        const LocaleTexts names = LocaleTexts::from(translation.namesLocale(QLocale::c()));
        QCOMPARE(PhaseStateText(PhaseState::FullMoon), QString::fromUtf8(r.FullMoon));
        QCOMPARE(PhaseStateText(PhaseState::WaxingCrescent), QString::fromUtf8(r.WaxingCrescent));
        QCOMPARE(QString::fromStdString(CalendarEventNames()[4]), QString::fromUtf8(r.Perigee));
        QCOMPARE(EventTimeText(kNoneEvent, kTableTextLength), QString::fromUtf8(r.None));
        QCOMPARE(DirectionText("South"), QString::fromUtf8(r.South));
        QCOMPARE(StatusText({2026, 12, 0, 8, 13, 0, 0, 0}, names.month(12),
                            PhaseStateName(PhaseState::WaningCrescent)),
                 QString::fromUtf8(r.Status));
        // The engine's titles are all in the table: none comes through in English.
        for (const MoonRiseSetEntry& e : CalcLunarRiseSet(kNoon15March, {51.5, 0.0, 0}).Entries)
            QVERIFY2(MoonEventTitle(e.Title) != QString::fromStdString(e.Title), e.Title.c_str());
    }
}

void TestTranslations::greatEventsAndWindowNamesAreInTheLanguage() {
    // The eclipses and the blue moon as the language's almanacs name them, a printed event line
    // (a total lunar eclipse seen on 28 January at 23:59, umbral magnitude 1.178, written with
    // the language's decimal sign), and the names a screen reader gives the print options
    // window and one of its boxes.
    struct Row {
        const char* Language; // empty: no catalogue
        const char* TotalLunar;
        const char* AnnularSolar;
        const char* BlueMoon;
        const char* Line;
        const char* PrintOptions;
        const char* MoonTimes;
    };
    const Row rows[] = {
        {"", "Total lunar eclipse", "Annular solar eclipse", "Blue moon",
         "28 January, 23:59: Total lunar eclipse. Umbral magnitude 1.178, visible here",
         "Print Options", "Moon's Rise/Transit/Set Times"},
        {"de", "Totale Mondfinsternis", "Ringf\u00f6rmige Sonnenfinsternis", "Blauer Mond",
         "28. Januar, 23:59: Totale Mondfinsternis. Kernschatten-Gr\u00f6\u00dfe 1,178, hier "
         "sichtbar",
         "Druckoptionen", "Mond: Aufg., Kulm., Unterg."},
        {"fr", "\u00c9clipse totale de Lune", "\u00c9clipse annulaire de Soleil", "Lune bleue",
         "28 janvier, 23:59\u00a0: \u00c9clipse totale de Lune. Grandeur ombrale 1,178, visible "
         "ici",
         "Options d\u2019impression", "Lune\u00a0: lever, passage, coucher"},
        {"es", "Eclipse total de Luna", "Eclipse anular de Sol", "Luna azul",
         "28 de enero, 23:59: Eclipse total de Luna. Magnitud umbral 1,178, visible aqu\u00ed",
         "Opciones de impresi\u00f3n", "Luna: salida, tr\u00e1nsito, puesta"},
        {"it", "Eclissi totale di Luna", "Eclissi anulare di Sole", "Luna blu",
         "28 gennaio, 23:59: Eclissi totale di Luna. Magnitudine umbrale 1,178, visibile qui",
         "Opzioni di stampa", "Luna: sorge, transito, tramonto"},
        {"pt_BR", "Eclipse lunar total", "Eclipse solar anular", "Lua azul",
         "28 de janeiro, 23:59: Eclipse lunar total. Magnitude umbral 1,178, vis\u00edvel aqui",
         "Op\u00e7\u00f5es de impress\u00e3o", "Lua: nascer, tr\u00e2nsito, ocaso"},
        {"pl", "Ca\u0142kowite za\u0107mienie Ksi\u0119\u017cyca",
         "Obr\u0105czkowe za\u0107mienie S\u0142o\u0144ca", "Niebieski ksi\u0119\u017cyc",
         "28 stycznia, 23:59: Ca\u0142kowite za\u0107mienie Ksi\u0119\u017cyca. Faza w cieniu "
         "1,178, widoczne tutaj",
         "Opcje wydruku", "Ksi\u0119\u017cyc: wsch\u00f3d, g\u00f3r., zach\u00f3d"},
    };
    const std::vector<GreatEvent> events = EveryGreatEvent();
    const auto title = [&events](EventSymbol symbol) {
        return GreatEventTexts::Title(
            *std::find_if(events.begin(), events.end(),
                          [symbol](const GreatEvent& e) { return SymbolOf(e) == symbol; }));
    };
    for (const Row& r : rows) {
        const QString language = QString::fromLatin1(r.Language);
        std::optional<Translation> translation;
        QLocale names(QLocale::English, QLocale::UnitedKingdom);
        if (!language.isEmpty()) {
            translation.emplace(QStringList{language});
            QCOMPARE(translation->language(), language);
            translation->install();
            names = translation->namesLocale(QLocale::c());
        }
        QCOMPARE(title(EventSymbol::TotalLunar), QString::fromUtf8(r.TotalLunar));
        QCOMPARE(title(EventSymbol::AnnularSolar), QString::fromUtf8(r.AnnularSolar));
        QCOMPARE(title(EventSymbol::BlueMoon), QString::fromUtf8(r.BlueMoon));
        const GreatEvent& totalSeen = events[4]; // total lunar eclipse, seen
        QCOMPARE(SymbolOf(totalSeen), EventSymbol::TotalLunar);
        QVERIFY(totalSeen.Visible);
        QCOMPARE(GreatEventTexts::Line(totalSeen, LocaleTexts::from(names).month(1)),
                 QString::fromUtf8(r.Line));
        Fixture f(kNoon15March);
        const TPrintOptions& options = f.window->printOptions();
        QCOMPARE(options.accessibleName(), QString::fromUtf8(r.PrintOptions));
        QCOMPARE(options.chkLunarTimes->accessibleName(), QString::fromUtf8(r.MoonTimes));
    }
}

void TestTranslations::configurationShowsTheWordsAndStoresTheEnglish() {
    const Translation german({QStringLiteral("de")});
    german.install();
    Fixture f(kNoon15March); // 51 28 38 N, 0 0 5 W
    TfConfig& config = f.window->config();
    config.FormActivate();
    QCOMPARE(config.pnlNS->text(), QStringLiteral("Nord"));
    QCOMPARE(config.pnlEW->text(), QStringLiteral("West"));
    QCOMPARE(config.cmbDateFormat->currentText(), QStringLiteral("TT.MM.JJJJ"));
    config.spinNSUpClick();
    config.spinEWUpClick();
    QCOMPARE(config.pnlNS->text(), QStringLiteral("S\u00fcd"));
    QCOMPARE(config.pnlEW->text(), QStringLiteral("Ost"));
    config.FormClose();
    QCOMPARE(f.store->read(QStringLiteral("LatDir")), QStringLiteral("South"));
    QCOMPARE(f.store->read(QStringLiteral("LongDir")), QStringLiteral("East"));
    QCOMPARE(f.store->read(QStringLiteral("DateLayout")), QStringLiteral("dd/mm/yyyy"));
}

void TestTranslations::textsFitTheirPlaces_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QString();
    for (const QString& language : Languages())
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::textsFitTheirPlaces() {
    QFETCH(QString, language);
    std::optional<Translation> translation;
    QLocale names(QLocale::English, QLocale::UnitedKingdom);
    if (!language.isEmpty()) {
        translation.emplace(QStringList{language});
        QCOMPARE(translation->language(), language);
        translation->install();
        names = translation->namesLocale(QLocale::c());
    }
    const LocaleTexts texts = LocaleTexts::from(names);
    Fixture f(kPolarNight, QStringLiteral("North"), QStringLiteral("13"), kLongyearbyen, texts);
    f.window->Timer1Timer();
    QVERIFY(f.label("lblSunrise")->text() == EventTimeText(kNoneEvent, kEventTextLength));
    TfConfig& config = f.window->config();
    config.FormActivate();
    TRiseSetTimeList& list = f.window->timeList();
    list.DisplayTimeList(false, list.Table);
    Misfits misfits;

    // The windows' captions, with both words of each direction panel.
    misfits.captions(f.window.get(), QStringLiteral("main window"));
    misfits.captions(&f.window->printOptions(), QStringLiteral("print options"));
    misfits.captions(&list, QStringLiteral("time list"));
    for (int turn = 0; turn < 2; ++turn) {
        misfits.captions(&config, QStringLiteral("configuration"));
        config.spinNSUpClick();
        config.spinEWUpClick();
    }
    misfits.items(config.cmbDayOrder, QStringLiteral("day order"), config.cmbDayOrder->count());
    misfits.items(config.cmbDateFormat, QStringLiteral("date format"),
                  config.cmbDateFormat->count());
    misfits.items(config.cmbTimeZone, QStringLiteral("time zone"), config.cmbTimeZone->count());
    misfits.items(config.cmbZone, QStringLiteral("zone name"), 1); // the fixed offset's item
    // The note under the place's field, in the font it was made small enough in (at least 8
    // pixels), on its one line less the margin kept.
    const auto* note = config.findChild<QLabel*>(QStringLiteral("placeNote"));
    QVERIFY(note);
    misfits.check(QStringLiteral("configuration"), note->text(), Width(note->font(), note->text()),
                  note->width() - 2);
    // The place list's one greyed row when a search finds nothing, within a list as wide as the
    // field: the list's frame and its items' text margins.
    const QAbstractItemView* places =
        config.findChild<QCompleter*>(QStringLiteral("placeList"))->popup();
    const QString noPlace = QCoreApplication::translate("selvane::PlacePopup", "No place found");
    const int itemMargin = places->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    misfits.check(QStringLiteral("place list"), noPlace, Width(places->font(), noPlace),
                  config.txtLocation->width() - 2 * places->frameWidth() - 2 * itemMargin);

    // The status strip: every phase with the month of the widest name, on a two-digit day.
    const QFont status = f.label("lblTextPhase")->font();
    for (int state = 0; state < kPhaseStateCount; ++state)
        for (int month = 1; month <= 12; ++month) {
            const QString text =
                StatusText({2026, static_cast<std::uint16_t>(month), 0, 28, 23, 59, 59, 0},
                           texts.month(month), PhaseStateName(static_cast<PhaseState>(state)));
            misfits.check(QStringLiteral("status strip"), text, Width(status, text),
                          kStatusBandWidth - 2);
        }
    const QString sidereal = SiderealTimeShown(QStringLiteral("23:59:59"));
    misfits.check(QStringLiteral("status strip"), sidereal, Width(status, sidereal),
                  kSiderealBandWidth - 2);

    // The values in words: the age, the phases' dates in every month, "None".
    const QFont values = f.label("lblAOM")->font();
    const QString age = AgeShown({29, 23, 59});
    misfits.check(QStringLiteral("age"), age, Width(values, age), TextRoom(f.label("lblAOM")));
    for (int month = 1; month <= 12; ++month) {
        const QString date = QString::fromStdString(
            JDToDateText(DateTimeToJD(2026, month, 28, 23, 59, 0), texts.Months).Text);
        misfits.check(QStringLiteral("phases"), date, Width(values, date),
                      TextRoom(f.label("lblPh1Time")));
    }
    // The about window's version line, centred at x 122 between the Moon picture (up to x 64)
    // and the window's edge, 4 pixels clear of the picture.
    const QString version =
        QCoreApplication::translate("selvane::TAbout", "Version %1").arg(QLatin1String(kVersion));
    misfits.check(QStringLiteral("about window"), version, Width(ArialPixels(11), version),
                  2 * (122 - 64 - 4));
    const QString none = EventTimeText(kNoneEvent, kEventTextLength);
    misfits.check(QStringLiteral("main window"), none, Width(values, none),
                  TextRoom(f.label("lblRSValue1")));
    const QString listNone = EventTimeText(kNoneEvent, kTableTextLength);
    misfits.check(QStringLiteral("time list"), listNone, Width(ArialPixels(12), listNone),
                  kTimeTextRoom);

    // The calendar's heading: month and year, 12 pixels apart, in the band x 400..640.
    const QFont heading = ArialPixels(19, true);
    for (const QString& month : texts.MonthHeadings)
        misfits.check(QStringLiteral("calendar heading"), month,
                      Width(heading, month) + 12 + Width(heading, QStringLiteral("2026")), 236);

    // The words of the pictures (none where the language's are the English ones: the tool's
    // picture is shown), the month picker's names from the locale.
    for (const QString& picture : PicturesWithWords()) {
        const std::span<const PictureWord> words = PictureWords(picture);
        QStringList shown = TranslatedWords(picture);
        if (picture == QStringLiteral(":/monthpicker.jpg"))
            shown = QStringList(texts.MonthHeadings.begin(), texts.MonthHeadings.end());
        for (std::size_t i = 0; i < words.size() && i < static_cast<std::size_t>(shown.size());
             ++i) {
            const QString& word = shown[static_cast<qsizetype>(i)];
            misfits.check(picture, word, Width(WordFont(words[i]), word), words[i].Room);
        }
    }

    // The printed pages, on A4 across at 300 dpi with the print's margins of 10 mm.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    const auto page = [&writer](int points, bool bold, const QString& text, bool italic = false) {
        return QFontMetrics(PageFont(points, bold, italic), &writer).horizontalAdvance(text);
    };
    for (const TableColumn& column : kTableColumns)
        misfits.check(QStringLiteral("table page"), PageText(column.Heading),
                      page(9, true, PageText(column.Heading)), column.Room);
    for (const TableGroup& group : kTableGroups)
        misfits.check(QStringLiteral("table page"), PageText(group.Heading),
                      page(9, true, PageText(group.Heading)), group.Room);
    misfits.check(QStringLiteral("table page"), listNone, page(9, false, listNone),
                  kTableColumns[1].Room);
    for (const char* label : kCellLabels)
        misfits.check(QStringLiteral("calendar page"), PageText(label),
                      page(7, false, PageText(label)), kCellLabelRoom);
    misfits.check(QStringLiteral("calendar page"), listNone, page(7, false, listNone),
                  kCellValueRoom);
    for (const char* name : kLegendNames)
        misfits.check(QStringLiteral("legend"), PageText(name), page(7, false, PageText(name)),
                      kLegendNameRoom);
    const int cell = writer.width() / 7;
    // The great events: in a day's cell the time 8 units right of the 44-unit symbol, from 12
    // units into the cell up to the daily picture (180 units, centred); the calendar's legend
    // of the kinds, each name 42 units right of its symbol in the last row's first empty cell
    // (the third at most) and on across the empty cells, 8 units clear of the page's edge; the
    // time table's lines in the 9-point font, a line's height right of the date column (1500
    // units left of the centre) up to the end of the grey bands, 100 units from the edge.
    const std::vector<GreatEvent> events = EveryGreatEvent();
    const QString latest = QStringLiteral("23:59");
    misfits.check(QStringLiteral("calendar page"), latest, page(7, false, latest),
                  (cell - 180) / 2 - 12 - 44 - 8);
    const int lineHeight = QFontMetrics(PageFont(9, false), &writer).height();
    for (const GreatEvent& e : events) {
        const QString title = GreatEventTexts::Title(e);
        misfits.check(QStringLiteral("event legend"), title, page(7, false, title),
                      writer.width() - 2 * cell - 12 - 42 - 8);
        for (int month = 1; month <= 12; ++month) {
            const QString line = GreatEventTexts::Line(e, texts.month(month));
            misfits.check(QStringLiteral("table page"), line, page(9, false, line),
                          writer.width() - 100 - (writer.width() / 2 - 1500 + lineHeight));
        }
    }
    for (const QString& day : texts.LongDays)
        misfits.check(QStringLiteral("weekdays"), day, page(12, true, day), cell - 24);
    PageHeaderData header;
    header.NorthernView = false;
    header.Lat = {"90", "59", "59", "South"};
    header.Long = {"180", "59", "59", "East"};
    header.LocationEnding = QStringLiteral(", ") + DaylightSavingText();
    const QString location = LocationLine(header);
    misfits.check(QStringLiteral("location line"), location, page(12, true, location),
                  writer.width() - 20);
    QVERIFY2(misfits.List.isEmpty(), qPrintable(misfits.List.join(u'\n')));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
