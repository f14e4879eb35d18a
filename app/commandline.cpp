// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commandline.h"

#include "core/atomicfile.h"
#include "core/localetexts.h"
#include "core/mooncalendar.h"
#include "core/pagebuilder.h"
#include "core/product.h"
#include "core/settings.h"
#include "core/settingsstore.h"
#include "core/translation.h"
#include "core/utf8text.h"
#include "core/wallclock.h"
#include "core/zones.h"
#include "engine/greatevents.h"
#include "engine/greateventstext.h"
#include "engine/monthtable.h"
#include "engine/moonevents.h"
#include "print/printjob.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>

namespace selvane {

namespace {

constexpr const char* kContext = "selvane::CommandLine";

// One option: its long name, its one-letter name (0 for none), the name of its value (none for
// a switch) and what it does, as --help lists it.
struct OptionRow {
    const char* Long;
    char Short;
    const char* Value;
    const char* Description;
};

constexpr OptionRow kOptions[] = {
    {"ics", 0, "year|year-month",
     QT_TRANSLATE_NOOP(
         "selvane::CommandLine",
         "Write the New Moons, quarters, Full Moons, perigees, apogees, eclipses, supermoons and "
         "blue moons of a year (2025) or a month (2025-03) as an iCalendar file.")},
    {"with-rise-set", 0, nullptr,
     QT_TRANSLATE_NOOP("selvane::CommandLine",
                       "With --ics: add each day's moonrise and moonset at the place.")},
    {"pdf", 0, "calendar|table",
     QT_TRANSLATE_NOOP(
         "selvane::CommandLine",
         "Write the printed lunar calendar or time table of the month given as argument as a PDF "
         "file. Needs --output.")},
    {"csv", 0, "year-month",
     QT_TRANSLATE_NOOP(
         "selvane::CommandLine",
         "Write the month's time table (2024-03) as comma-separated values: a header line, then "
         "one line per day.")},
    {"events", 0, "year|year-month",
     QT_TRANSLATE_NOOP(
         "selvane::CommandLine",
         "Write the eclipses, supermoons and blue moons of a year (2026) or a month (2026-08) at "
         "the place as comma-separated values: the header line "
         "kind,local_date,local_time,ut,magnitude,visible, then one line per event.")},
    {"output", 'o', "file",
     QT_TRANSLATE_NOOP(
         "selvane::CommandLine",
         "Write to this file, whole or not at all, instead of standard output (\"-\").")},
    {"lat", 0, "degrees",
     QT_TRANSLATE_NOOP(
         "selvane::CommandLine",
         "The latitude in decimal degrees, north positive (51.4772), instead of the settings'.")},
    {"lon", 0, "degrees",
     QT_TRANSLATE_NOOP(
         "selvane::CommandLine",
         "The longitude in decimal degrees, east positive (-0.0014), instead of the settings'.")},
    {"zone", 0, "id",
     QT_TRANSLATE_NOOP("selvane::CommandLine",
                       "The time zone by its IANA name (Europe/London) instead of the settings'.")},
    {"help", 'h', nullptr, QT_TRANSLATE_NOOP("selvane::CommandLine", "Show this help and exit.")},
    {"version", 'v', nullptr,
     QT_TRANSLATE_NOOP("selvane::CommandLine", "Show the version and exit.")},
};

// Lines of at most 80 characters, as the options' help is wrapped.
constexpr const char* kDescription = QT_TRANSLATE_NOOP(
    "selvane::CommandLine",
    "Selvane, a Moon calendar. Without options it opens its window. With --ics,\n"
    "--pdf, --csv or --events it writes the file and exits, without a window or a\n"
    "display.\n"
    "The place and the time zone come from the settings file (only read, never\n"
    "written) unless --lat, --lon and --zone say otherwise.\n"
    "\n"
    "Examples:\n"
    "  selvane --ics 2025 --output moon-2025.ics\n"
    "  selvane --ics 2025-03 --with-rise-set --output march.ics\n"
    "  selvane --pdf calendar 2024-03 --output march.pdf\n"
    "  selvane --pdf table 2024-03 --output march-table.pdf\n"
    "  selvane --csv 2024-03 --lat 51.4772 --lon -0.0014 --zone Europe/London\n"
    "  selvane --events 2026 --lat 40.4168 --lon -3.7038 --zone Europe/Madrid\n"
    "\n"
    "Exit status: 0 when done; 2 when an argument is wrong or the output cannot be\n"
    "written, with one line on standard error, and then nothing is written.");

// Qt's own start-up options (QGuiApplication's, QApplication's and the X11 platform's, as
// Qt's documentation lists them), which the application object takes: given with one dash or
// two, some followed by a value. A window started with them opens as Qt makes it.
// Names apart by one space.
constexpr const char* kQtOptionsWithValue =
    "platform platformpluginpath platformtheme plugin qwindowgeometry qwindowicon qwindowtitle "
    "session display geometry title icon name visual style stylesheet ncols fn font bg "
    "background fg foreground btn button im inputstyle";
constexpr const char* kQtSwitches = "reverse widgetcount nograb dograb sync cmap noxim testability";

// The Qt options that also take their value after "=" ("-style=fusion"); the QML debugger's
// takes it only so.
constexpr const char* kQtOptionsWithEquals[] = {"style=", "stylesheet=", "qmljsdebugger="};

// How many arguments after `argument` are its value when it is one of the command line's own
// options ("--name", "--name=value", "-o", "-o file.ics", "-hv"): 0 or 1; -1 when it is not.
int OwnOptionValues(const QString& argument) {
    if (argument.startsWith(QLatin1String("--"))) {
        const QString name = argument.mid(2).section(QLatin1Char('='), 0, 0);
        for (const OptionRow& option : kOptions)
            if (name == QLatin1String(option.Long))
                return option.Value && !argument.contains(QLatin1Char('=')) ? 1 : 0;
        return -1;
    }
    // One dash: one-letter options, run together as the parser reads them; the first that
    // takes a value takes the rest of the argument, or else the next one.
    for (qsizetype i = 1; i < argument.size(); ++i) {
        const auto found = std::find_if(std::begin(kOptions), std::end(kOptions),
                                        [letter = argument[i]](const OptionRow& option) {
                                            return option.Short != 0 && letter == option.Short;
                                        });
        if (found == std::end(kOptions))
            return -1;
        if (found->Value)
            return i + 1 == argument.size() ? 1 : 0;
    }
    return argument.size() > 1 ? 0 : -1;
}

// The same for one of Qt's start-up options.
int QtOptionValues(const QString& argument) {
    const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    for (const char* prefix : kQtOptionsWithEquals)
        if (name.startsWith(QLatin1String(prefix)))
            return 0;
    const auto among = [&name](const char* names) {
        return QString::fromLatin1(names).split(QLatin1Char(' ')).contains(name);
    };
    if (among(kQtOptionsWithValue))
        return 1;
    return among(kQtSwitches) ? 0 : -1;
}

// The arguments sorted: the command line's own, for its parser (Qt's options and their
// values left out: the application object takes them), whether one of its options is among
// them, and the first option that is neither its own nor Qt's.
struct SortedArguments {
    QStringList Own;
    bool NamesOwnOption = false;
    QString Unknown;
};

SortedArguments SortArguments(const QStringList& arguments) {
    SortedArguments sorted;
    sorted.Own << arguments.value(0);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--")) { // what follows is no option
            sorted.Own << arguments.mid(i);
            break;
        }
        if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            sorted.Own << argument;
            continue;
        }
        if (const int values = OwnOptionValues(argument); values >= 0) {
            sorted.NamesOwnOption = true;
            sorted.Own << arguments.mid(i, 1 + values);
            i += values;
            continue;
        }
        if (const int values = QtOptionValues(argument); values >= 0) {
            i += values;
            continue;
        }
        sorted.Unknown = argument;
        break;
    }
    return sorted;
}

QStringList ArgumentList(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// A message in the command line's one style, after "selvane: ": a clause starting in lower
// case, without a closing full stop. The parser's and the file writer's messages are
// sentences ("Missing value after '--lat'.", "Cannot write ...").
QString AsClause(QString message) {
    if (!message.isEmpty())
        message[0] = message[0].toLower();
    if (message.endsWith(QLatin1Char('.')))
        message.chop(1);
    return message;
}

// A wrong argument: what is wrong, in one sentence, as its English text (marked for
// translation) with the texts of its %1, %2, ...; it is translated where it is told.
struct BadInput {
    const char* Message;
    QStringList Arguments = {};

    // The message with each %n replaced by the n-th argument in one pass, so that an argument
    // holding a "%2" of its own stays as typed.
    QString text(const Translation& translation) const {
        const QString message = translation.translate(kContext, Message);
        QString out;
        for (qsizetype i = 0; i < message.size(); ++i) {
            const int n = i + 1 < message.size() ? message[i + 1].digitValue() : -1;
            if (message[i] == u'%' && n >= 1 && n <= Arguments.size()) {
                out += Arguments[n - 1];
                ++i;
            } else {
                out += message[i];
            }
        }
        return out;
    }
};

// A message made elsewhere, already in the user's language, as a clause: the text is its one
// argument.
constexpr const char* kAsItIs = "%1";

// A year (month kWholeYear) or a month of a year.
struct Span {
    int Year = 0;
    int Month = kWholeYear;
};

// "2025" or "2025-03" (a year only where `yearAllowed`), the year 1 to 9999.
Span ParseSpan(const QString& option, const QString& text, bool yearAllowed) {
    const QRegularExpression form(QStringLiteral("^([0-9]+)(?:-([0-9]+))?$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch() || (!yearAllowed && !match.hasCaptured(2)))
        throw BadInput{yearAllowed ? QT_TRANSLATE_NOOP("selvane::CommandLine",
                                                       "%1 takes a year or a month (2025 or "
                                                       "2025-03), not \"%2\"")
                                   : QT_TRANSLATE_NOOP("selvane::CommandLine",
                                                       "%1 takes a month (2024-03), not \"%2\""),
                       {option, text}};
    // Digits beyond an int's range read as 0, outside the range too.
    const int year = match.captured(1).toInt();
    if (year < 1 || year > 9999)
        throw BadInput{
            QT_TRANSLATE_NOOP("selvane::CommandLine", "year %1 is outside 1 to 9999 (%2 %3)"),
            {match.captured(1), option, text}};
    if (!match.hasCaptured(2))
        return {year, kWholeYear};
    const int month = match.captured(2).toInt();
    if (month < 1 || month > 12)
        throw BadInput{
            QT_TRANSLATE_NOOP("selvane::CommandLine", "month %1 is outside 1 to 12 (%2 %3)"),
            {match.captured(2), option, text}};
    return {year, month};
}

// Decimal degrees from -limit to limit.
double ParseDegrees(const QString& option, const QString& text, int limit) {
    // A comma is never a thousands separator here, nor (as some locales write it) the decimal
    // point: "0,050" would be read as 50 degrees.
    if (text.contains(QLatin1Char(',')))
        throw BadInput{QT_TRANSLATE_NOOP("selvane::CommandLine",
                                         "%1 takes decimal degrees with a decimal point, not a "
                                         "comma: write \"%2\", not \"%3\""),
                       {option, QString(text).replace(QLatin1Char(','), QLatin1Char('.')), text}};
    QLocale decimal = QLocale::c();
    decimal.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double degrees = decimal.toDouble(text, &ok);
    if (!ok || !std::isfinite(degrees))
        throw BadInput{
            QT_TRANSLATE_NOOP("selvane::CommandLine", "%1 takes decimal degrees, not \"%2\""),
            {option, text}};
    if (std::abs(degrees) > limit)
        throw BadInput{
            QT_TRANSLATE_NOOP("selvane::CommandLine", "%1 %2 is outside -%3 to %3 degrees"),
            {option, text, QString::number(limit)}};
    return degrees;
}

// The place and the clock of the job: the settings file's, with what the options change.
struct JobPlace {
    Settings Record; // the place as the pages print it, the zone's name, the print options
    Observer Place;
    bool NamedZone = false;
    QString Location; // the settings' name of the place, while the place is theirs
};

JobPlace PlaceOf(const QCommandLineParser& parser, const Span& span) {
    // Read through a store that keeps the first run's values in memory: the file is neither
    // created nor completed.
    const IniSettingsStore file(IniSettingsStore::defaultFilePath(),
                                IniSettingsStore::Access::ReadOnly);
    ReadOnlySettingsStore store(file);
    JobPlace job;
    job.Record = LoadSettings(store);
    job.Location = FromUtf8(job.Record.Location);

    // The engine's longitude is west positive, the command line's east positive.
    std::optional<double> latitude, longitude;
    if (parser.isSet(QStringLiteral("lat")))
        latitude = ParseDegrees(QStringLiteral("--lat"), parser.value(QStringLiteral("lat")), 90);
    if (parser.isSet(QStringLiteral("lon")))
        longitude =
            -ParseDegrees(QStringLiteral("--lon"), parser.value(QStringLiteral("lon")), 180);
    if (parser.isSet(QStringLiteral("zone"))) {
        const QString id = parser.value(QStringLiteral("zone"));
        if (!NamedZone(id.toStdString()).isValid())
            throw BadInput{QT_TRANSLATE_NOOP("selvane::CommandLine",
                                             "unknown time zone \"%1\" (give an IANA name such as "
                                             "Europe/London)"),
                           {id}};
        job.Record.ZoneName = id.toStdString();
    }

    // A named zone the system knows gives each instant's offset; else the settings' fixed zone.
    const int firstMonth = span.Month == kWholeYear ? 1 : span.Month;
    job.Place = ObserverFromSettings(job.Record, DateTimeToJD(span.Year, firstMonth, 1, 0, 0, 0));
    job.NamedZone = static_cast<bool>(job.Place.Zone);
    if (latitude) {
        job.Place.Latitude = *latitude;
        job.Record.Lat = DegreesToDms(*latitude, true);
        job.Location.clear();
    }
    if (longitude) {
        job.Place.Longitude = *longitude;
        job.Record.Long = DegreesToDms(*longitude, false);
        job.Location.clear();
    }
    return job;
}

// The bytes to the file, whole or not at all, or to standard output.
void WriteOutput(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty() || path == QStringLiteral("-")) {
        const auto size = static_cast<std::size_t>(bytes.size());
        if (std::fwrite(bytes.constData(), 1, size, stdout) != size || std::fflush(stdout) != 0)
            throw BadInput{
                QT_TRANSLATE_NOOP("selvane::CommandLine", "cannot write to standard output")};
        return;
    }
    QString error;
    if (!WriteFileAtomically(path, bytes, &error))
        throw BadInput{kAsItIs, {AsClause(error)}};
}

void Print(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

enum class JobKind {
    Help,
    Version,
    MoonCalendar,
    TimeTableCsv,
    GreatEventsCsv,
    CalendarPdf,
    TimeTablePdf
};

// A job whose every argument has been checked.
struct Job {
    JobKind Kind = JobKind::Help;
    Span When;
    JobPlace Where;
    bool WithRiseSet = false;
    QString Output; // empty or "-": standard output
};

// Reads and checks the arguments; throws BadInput at the first that is wrong.
Job CheckedJob(QCommandLineParser& parser, const QStringList& arguments,
               const Translation& translation) {
    const auto text = [&translation](const char* source) {
        return translation.translate(kContext, source);
    };
    parser.setApplicationDescription(text(kDescription));
    for (const OptionRow& row : kOptions) {
        QStringList names;
        if (row.Short)
            names << QString(QLatin1Char(row.Short));
        names << QString::fromLatin1(row.Long);
        parser.addOption(row.Value ? QCommandLineOption(names, text(row.Description),
                                                        QString::fromLatin1(row.Value))
                                   : QCommandLineOption(names, text(row.Description)));
    }
    parser.addPositionalArgument(
        QStringLiteral("month"),
        text(QT_TRANSLATE_NOOP("selvane::CommandLine", "With --pdf: the month, as 2024-03.")),
        QStringLiteral("[month]"));
    const SortedArguments sorted = SortArguments(arguments);
    if (!sorted.Unknown.isEmpty())
        throw BadInput{
            QT_TRANSLATE_NOOP("selvane::CommandLine", "unknown option '%1' (see --help)"),
            {sorted.Unknown}};
    if (!parser.parse(sorted.Own))
        throw BadInput{kAsItIs, {AsClause(parser.errorText())}};

    Job job;
    if (parser.isSet(QStringLiteral("help")))
        return job;
    if (parser.isSet(QStringLiteral("version"))) {
        job.Kind = JobKind::Version;
        return job;
    }
    for (const OptionRow& row : kOptions)
        if (row.Value && parser.values(QString::fromLatin1(row.Long)).size() > 1)
            throw BadInput{
                QT_TRANSLATE_NOOP("selvane::CommandLine", "--%1 is given more than once"),
                {QString::fromLatin1(row.Long)}};

    const bool ics = parser.isSet(QStringLiteral("ics"));
    const bool pdf = parser.isSet(QStringLiteral("pdf"));
    const bool csv = parser.isSet(QStringLiteral("csv"));
    const bool events = parser.isSet(QStringLiteral("events"));
    if (!ics && !pdf && !csv && !events)
        throw BadInput{QT_TRANSLATE_NOOP("selvane::CommandLine",
                                         "nothing to do: give --ics, --pdf, --csv or --events "
                                         "(selvane --help tells more)")};
    if (ics + pdf + csv + events > 1)
        throw BadInput{QT_TRANSLATE_NOOP("selvane::CommandLine",
                                         "one job at a time: give only one of --ics, --pdf, --csv "
                                         "and --events")};
    job.WithRiseSet = parser.isSet(QStringLiteral("with-rise-set"));
    if (job.WithRiseSet && !ics)
        throw BadInput{
            QT_TRANSLATE_NOOP("selvane::CommandLine", "--with-rise-set goes with --ics")};

    QStringList positional = parser.positionalArguments();
    job.Output = parser.value(QStringLiteral("output"));
    if (ics) {
        job.Kind = JobKind::MoonCalendar;
        job.When = ParseSpan(QStringLiteral("--ics"), parser.value(QStringLiteral("ics")), true);
    } else if (csv) {
        job.Kind = JobKind::TimeTableCsv;
        job.When = ParseSpan(QStringLiteral("--csv"), parser.value(QStringLiteral("csv")), false);
    } else if (events) {
        job.Kind = JobKind::GreatEventsCsv;
        job.When =
            ParseSpan(QStringLiteral("--events"), parser.value(QStringLiteral("events")), true);
    } else {
        const QString kind = parser.value(QStringLiteral("pdf"));
        if (kind != QStringLiteral("calendar") && kind != QStringLiteral("table"))
            throw BadInput{QT_TRANSLATE_NOOP("selvane::CommandLine",
                                             "--pdf makes a calendar or a table, not \"%1\""),
                           {kind}};
        if (positional.isEmpty())
            throw BadInput{
                QT_TRANSLATE_NOOP("selvane::CommandLine", "--pdf %1 needs a month, as 2024-03"),
                {kind}};
        if (job.Output.isEmpty() || job.Output == QStringLiteral("-"))
            throw BadInput{
                QT_TRANSLATE_NOOP("selvane::CommandLine", "--pdf needs --output and a file name")};
        job.Kind =
            kind == QStringLiteral("calendar") ? JobKind::CalendarPdf : JobKind::TimeTablePdf;
        job.When = ParseSpan(QStringLiteral("--pdf %1").arg(kind), positional.takeFirst(), false);
    }
    if (!positional.isEmpty())
        throw BadInput{QT_TRANSLATE_NOOP("selvane::CommandLine", "unexpected argument \"%1\""),
                       {positional.first()}};
    job.Where = PlaceOf(parser, job.When);
    return job;
}

// Does a checked job; throws BadInput when its output cannot be written.
void DoJob(const Job& job, const QCommandLineParser& parser, const Translation& translation) {
    const Span& when = job.When;
    const JobPlace& where = job.Where;
    // The page as the print command prints it, from the same page data.
    const auto page = [&] {
        return PageRequest{where.Record,
                           where.Place,
                           LocaleTexts::from(translation.namesLocale(QLocale::system())),
                           when.Year,
                           when.Month,
                           !StartsInSouthernView(where.Record),
                           where.NamedZone};
    };
    QString error;
    switch (job.Kind) {
    case JobKind::Help:
        return Print(parser.helpText());
    case JobKind::Version:
        return Print(QStringLiteral("selvane %1\n").arg(QCoreApplication::applicationVersion()));
    case JobKind::MoonCalendar:
        return WriteOutput(job.Output,
                           MoonCalendarFile(when.Year, when.Month, where.Place, job.WithRiseSet,
                                            SystemClock().now(), where.Location));
    case JobKind::TimeTableCsv:
        return WriteOutput(
            job.Output,
            QByteArray::fromStdString(MonthTimeTableCsv(
                when.Year, when.Month, FillMonthTimeTable(when.Year, when.Month, where.Place))));
    case JobKind::GreatEventsCsv:
        return WriteOutput(job.Output, QByteArray::fromStdString(GreatEventsCsv(
                                           MoonGreatEvents(when.Year, when.Month, where.Place))));
    case JobKind::CalendarPdf:
        if (!WriteCalendarPdf(job.Output, CalendarPage(page()), &error))
            throw BadInput{kAsItIs, {AsClause(error)}};
        return;
    case JobKind::TimeTablePdf:
        if (!WriteTimeTablePdf(
                job.Output,
                TimeTablePage(page(), FillMonthTimeTable(when.Year, when.Month, where.Place)),
                &error))
            throw BadInput{kAsItIs, {AsClause(error)}};
        return;
    }
}

} // namespace

bool AsksForCommandLineJob(int argc, const char* const* argv) {
    const SortedArguments sorted = SortArguments(ArgumentList(argc, argv));
    return sorted.NamesOwnOption || !sorted.Unknown.isEmpty();
}

int RunCommandLine(int argc, char* argv[]) {
    QCommandLineParser parser;
    // The messages, the help, the calendar file's events and the pages in the user's language;
    // the comma-separated tables stay as scripts read them.
    const Translation translation(QLocale::system().uiLanguages());
    try {
        // Every argument is checked before an application object exists, so wrong input
        // touches no platform.
        const Job job = CheckedJob(parser, ArgumentList(argc, argv), translation);
        // No window is opened. Only a page needs fonts, and with them a GUI application: drawn
        // offscreen unless the environment names a platform. The other jobs need none.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        const bool page = job.Kind == JobKind::CalendarPdf || job.Kind == JobKind::TimeTablePdf;
        // A GUI application looks into the user's runtime folder; without XDG_RUNTIME_DIR (as
        // from cron) Qt would warn and leave a folder of its own in the temporary folder. A
        // private folder of the job's own, gone when it ends, spares both.
        std::optional<QTemporaryDir> runtime;
        if (page && qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            runtime.emplace();
            if (runtime->isValid())
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
        }
        const std::unique_ptr<QCoreApplication> app =
            page ? std::make_unique<QGuiApplication>(argc, argv)
                 : std::make_unique<QCoreApplication>(argc, argv);
        QCoreApplication::setApplicationName(QLatin1String(kProductName));
        QCoreApplication::setApplicationVersion(QLatin1String(kVersion));
        translation.install();
        DoJob(job, parser, translation);
        return kJobDone;
    } catch (const BadInput& bad) {
        std::fprintf(stderr, "selvane: %s\n", qUtf8Printable(bad.text(translation)));
        return kBadInput;
    }
}

} // namespace selvane
