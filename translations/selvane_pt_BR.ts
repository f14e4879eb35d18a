<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>selvane::AtomicFile</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <extracomment>A file could not be written: its path, then the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selvane::CommandLine</name>
    <message>
        <source>Write the New Moons, quarters, Full Moons, perigees and apogees of a year (2025) or a month (2025-03) as an iCalendar file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --ics: add each day&apos;s moonrise and moonset at the place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the printed lunar calendar or time table of the month given as argument as a PDF file. Needs --output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the month&apos;s time table (2024-03) as comma-separated values: a header line, then one line per day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to this file, whole or not at all, instead of standard output (&quot;-&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The latitude in decimal degrees, north positive (51.4772), instead of the settings&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The longitude in decimal degrees, east positive (-0.0014), instead of the settings&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time zone by its IANA name (Europe/London) instead of the settings&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selvane, a Moon calendar. Without options it opens its window. With --ics,
--pdf or --csv it writes the file and exits, without a window or a display.
The place and the time zone come from the settings file (only read, never
written) unless --lat, --lon and --zone say otherwise.

Examples:
  selvane --ics 2025 --output moon-2025.ics
  selvane --ics 2025-03 --with-rise-set --output march.ics
  selvane --pdf calendar 2024-03 --output march.pdf
  selvane --pdf table 2024-03 --output march-table.pdf
  selvane --csv 2024-03 --lat 51.4772 --lon -0.0014 --zone Europe/London

Exit status: 0 when done; 2 when an argument is wrong or the output cannot be
written, with one line on standard error, and then nothing is written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes a year or a month (2025 or 2025-03), not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes a month (2024-03), not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>year %1 is outside 1 to 9999 (%2 %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>month %1 is outside 1 to 12 (%2 %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes decimal degrees, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is outside -%3 to %3 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown time zone &quot;%1&quot; (give an IANA name such as Europe/London)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --pdf: the month, as 2024-03.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to do: give --ics, --pdf or --csv (selvane --help tells more)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one job at a time: give only one of --ics, --pdf and --csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--with-rise-set goes with --ics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pdf makes a calendar or a table, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pdf %1 needs a month, as 2024-03</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pdf needs --output and a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selvane::MoonCalendar</name>
    <message>
        <source>%1 Moon %2</source>
        <extracomment>The calendar file&apos;s name: the program&apos;s name, then a year or a month.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selvane::MoonExport</name>
    <message>
        <source>Export the Moon&apos;s phases, perigees and apogees to a calendar file for your calendar program:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With each day&apos;s moonrise and moonset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the Moon to a calendar file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selvane::MoonTexts</name>
    <message>
        <source>New Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moonrise:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moonset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1d %2h %3m</source>
        <extracomment>The Moon&apos;s age since New Moon: days, hours, minutes, each two digits.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LST: %1</source>
        <extracomment>The local sidereal time, hh:mm:ss.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selvane::PrintCal</name>
    <message>
        <source>Northern Hemisphere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:     Latitude: %2,  Longitude: %3</source>
        <extracomment>The printed location line: the hemisphere, the latitude and the longitude.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed by %1 %2 (%3)</source>
        <extracomment>The printed footer: the program&apos;s name, its version and its home page.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ast.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Naut.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Civil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twilight Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twilight End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SR:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ST:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MR:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MT:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MS:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selvane::PrintJob</name>
    <message>
        <source>Cannot write &quot;%1&quot;: the page could not be drawn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reports an error. The page was not printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not accept jobs. The page was not printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not be opened. The page was not printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer reported an error. The page may not have been printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is installed: save the page as a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Time Table %2</source>
        <extracomment>The time table&apos;s document and file name: the program&apos;s name, then the month and year.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selvane::Settings</name>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GMT </source>
        <extracomment>Greenwich Mean Time in the list of fixed zones; the space keeps it as wide as the others.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GMT %1 %2:%3</source>
        <extracomment>A fixed zone: the sign, then the hours and minutes east of Greenwich (&quot;GMT + 05:30&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight Savings Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 could not be written, so this change will not survive a restart.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selvane::TPrintOptions</name>
    <message>
        <source>Daily Phases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Major Phases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon&apos;s Rise/Transit Set Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun&apos;s Rise/Transit/Set Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily Phase Density:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading registry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selvane::TRiseSetTimeList</name>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twilight Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twilight End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ast.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Naut.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Civil</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selvane::TSelvane</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years 1 to 9999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visible:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RA:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parallax:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apogee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perigee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MoonRise:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MoonSet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Civil:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nautical:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Astronomical:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PA:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ph.A:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A date in the status strip: the day, the month&apos;s name and the year.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Lunar Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display data for the month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Selvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Northern/Southern Hemisphere switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot find Help File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selvane::TfConfig</name>
    <message>
        <source>Sunday - Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday - Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday - Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday - Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday - Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday - Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday - Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <extracomment>The time list&apos;s date layouts: d the day, m the month, y the year; &quot;/&quot; stands for the locale&apos;s date separator.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitide:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day Order: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DST:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed offset (below)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer&apos;s zone (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (unknown here)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valid Range is 0 - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading Registry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
