<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>GreatEventTexts</name>
    <message>
        <source>Penumbral lunar eclipse</source>
        <translation>Halbschattenfinsternis</translation>
    </message>
    <message>
        <source>Partial lunar eclipse</source>
        <translation>Partielle Mondfinsternis</translation>
    </message>
    <message>
        <source>Total lunar eclipse</source>
        <translation>Totale Mondfinsternis</translation>
    </message>
    <message>
        <source>Partial solar eclipse</source>
        <translation>Partielle Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Annular solar eclipse</source>
        <translation>Ringförmige Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Total solar eclipse</source>
        <translation>Totale Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Hybrid solar eclipse</source>
        <translation>Hybride Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Supermoon</source>
        <translation>Supermond</translation>
    </message>
    <message>
        <source>Blue moon</source>
        <translation>Blauer Mond</translation>
    </message>
    <message>
        <source>Partial here, magnitude %1, %2 % of the Sun covered</source>
        <translation>Hier partiell, Größe %1, %2 % der Sonne bedeckt</translation>
    </message>
    <message>
        <source>Annular here, magnitude %1, %2 % of the Sun covered</source>
        <translation>Hier ringförmig, Größe %1, %2 % der Sonne bedeckt</translation>
    </message>
    <message>
        <source>Total here, magnitude %1, %2 % of the Sun covered</source>
        <translation>Hier total, Größe %1, %2 % der Sonne bedeckt</translation>
    </message>
    <message>
        <source>Penumbral magnitude %1, visible here</source>
        <translation>Halbschatten-Größe %1, hier sichtbar</translation>
    </message>
    <message>
        <source>Penumbral magnitude %1, not visible here</source>
        <translation>Halbschatten-Größe %1, hier nicht sichtbar</translation>
    </message>
    <message>
        <source>Umbral magnitude %1, visible here</source>
        <translation>Kernschatten-Größe %1, hier sichtbar</translation>
    </message>
    <message>
        <source>Umbral magnitude %1, not visible here</source>
        <translation>Kernschatten-Größe %1, hier nicht sichtbar</translation>
    </message>
    <message>
        <source>Distance %1 km</source>
        <translation>Abstand %1 km</translation>
    </message>
    <message>
        <source>The second Full Moon of the month</source>
        <translation>Der zweite Vollmond des Monats</translation>
    </message>
    <message>
        <source>Not visible here</source>
        <translation>Hier nicht sichtbar</translation>
    </message>
    <message>
        <source>%1, Full Moon at %2</source>
        <translation>%1, Vollmond um %2</translation>
    </message>
    <message>
        <source>%1, greatest here at %2</source>
        <translation>%1, hier größte Verfinsterung um %2</translation>
    </message>
    <message>
        <source>%1, greatest at %2</source>
        <translation>%1, größte Verfinsterung um %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>an event in the calendar file: its title and what is seen</comment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Greatest eclipse here %1 UT.</source>
        <translation>Größte Verfinsterung hier %1 UT.</translation>
    </message>
    <message>
        <source>Greatest eclipse %1 UT.</source>
        <translation>Größte Verfinsterung %1 UT.</translation>
    </message>
    <message>
        <source>%1 %2, %3: %4. %5</source>
        <translation>%1. %2, %3: %4. %5</translation>
    </message>
    <message>
        <source>%1.%2</source>
        <comment>a decimal number: its whole part, the decimal sign, its decimals</comment>
        <translation>%1,%2</translation>
    </message>
</context>
<context>
    <name>selvane::AtomicFile</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <extracomment>A file could not be written: its path, then the system&apos;s reason.</extracomment>
        <translation>„%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>selvane::CommandLine</name>
    <message>
        <source>With --ics: add each day&apos;s moonrise and moonset at the place.</source>
        <translation>Mit --ics: dazu Mondaufgang und Monduntergang jedes Tages am Ort.</translation>
    </message>
    <message>
        <source>Write the printed lunar calendar or time table of the month given as argument as a PDF file. Needs --output.</source>
        <translation>Schreibt den gedruckten Mondkalender oder die Zeittabelle des als Argument genannten Monats als PDF-Datei. Braucht --output.</translation>
    </message>
    <message>
        <source>Write the month&apos;s time table (2024-03) as comma-separated values: a header line, then one line per day.</source>
        <translation>Schreibt die Zeittabelle des Monats (2024-03) als kommagetrennte Werte: eine Kopfzeile, dann eine Zeile je Tag.</translation>
    </message>
    <message>
        <source>Write to this file, whole or not at all, instead of standard output (&quot;-&quot;).</source>
        <translation>Schreibt in diese Datei, ganz oder gar nicht, statt auf die Standardausgabe („-“).</translation>
    </message>
    <message>
        <source>The latitude in decimal degrees, north positive (51.4772), instead of the settings&apos;.</source>
        <translation>Die geographische Breite in Dezimalgrad, Nord positiv (51.4772), statt der aus den Einstellungen.</translation>
    </message>
    <message>
        <source>The longitude in decimal degrees, east positive (-0.0014), instead of the settings&apos;.</source>
        <translation>Die geographische Länge in Dezimalgrad, Ost positiv (-0.0014), statt der aus den Einstellungen.</translation>
    </message>
    <message>
        <source>The time zone by its IANA name (Europe/London) instead of the settings&apos;.</source>
        <translation>Die Zeitzone mit ihrem IANA-Namen (Europe/Berlin) statt der aus den Einstellungen.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Zeigt diese Hilfe und beendet das Programm.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Zeigt die Version und beendet das Programm.</translation>
    </message>
    <message>
        <source>%1 takes a year or a month (2025 or 2025-03), not &quot;%2&quot;</source>
        <translation>%1 erwartet ein Jahr oder einen Monat (2025 oder 2025-03), nicht „%2“</translation>
    </message>
    <message>
        <source>%1 takes a month (2024-03), not &quot;%2&quot;</source>
        <translation>%1 erwartet einen Monat (2024-03), nicht „%2“</translation>
    </message>
    <message>
        <source>year %1 is outside 1 to 9999 (%2 %3)</source>
        <translation>Jahr %1 liegt nicht zwischen 1 und 9999 (%2 %3)</translation>
    </message>
    <message>
        <source>month %1 is outside 1 to 12 (%2 %3)</source>
        <translation>Monat %1 liegt nicht zwischen 1 und 12 (%2 %3)</translation>
    </message>
    <message>
        <source>%1 takes decimal degrees, not &quot;%2&quot;</source>
        <translation>%1 erwartet Dezimalgrad, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 %2 is outside -%3 to %3 degrees</source>
        <translation>%1 %2 liegt nicht zwischen -%3 und %3 Grad</translation>
    </message>
    <message>
        <source>unknown time zone &quot;%1&quot; (give an IANA name such as Europe/London)</source>
        <translation>unbekannte Zeitzone „%1“ (einen IANA-Namen wie Europe/Berlin angeben)</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>kann nicht auf die Standardausgabe schreiben</translation>
    </message>
    <message>
        <source>With --pdf: the month, as 2024-03.</source>
        <translation>Mit --pdf: der Monat, etwa 2024-03.</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 ist mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>--with-rise-set goes with --ics</source>
        <translation>--with-rise-set gehört zu --ics</translation>
    </message>
    <message>
        <source>--pdf makes a calendar or a table, not &quot;%1&quot;</source>
        <translation>--pdf macht einen Kalender (calendar) oder eine Tabelle (table), nicht „%1“</translation>
    </message>
    <message>
        <source>--pdf %1 needs a month, as 2024-03</source>
        <translation>--pdf %1 braucht einen Monat, etwa 2024-03</translation>
    </message>
    <message>
        <source>--pdf needs --output and a file name</source>
        <translation>--pdf braucht --output und einen Dateinamen</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>Write the New Moons, quarters, Full Moons, perigees, apogees, eclipses, supermoons and blue moons of a year (2025) or a month (2025-03) as an iCalendar file.</source>
        <translation>Schreibt die Neumonde, Viertel, Vollmonde, Perigäen, Apogäen, Finsternisse, Supermonde und Blauen Monde eines Jahres (2025) oder eines Monats (2025-03) als iCalendar-Datei.</translation>
    </message>
    <message>
        <source>Write the eclipses, supermoons and blue moons of a year (2026) or a month (2026-08) at the place as comma-separated values: the header line kind,local_date,local_time,ut,magnitude,visible, then one line per event.</source>
        <translation>Schreibt die Finsternisse, Supermonde und Blauen Monde eines Jahres (2026) oder eines Monats (2026-08) am Ort als kommagetrennte Werte: die Kopfzeile kind,local_date,local_time,ut,magnitude,visible, dann eine Zeile je Ereignis.</translation>
    </message>
    <message>
        <source>Selvane, a Moon calendar. Without options it opens its window. With --ics,
--pdf, --csv or --events it writes the file and exits, without a window or a
display.
The place and the time zone come from the settings file (only read, never
written) unless --lat, --lon and --zone say otherwise.

Examples:
  selvane --ics 2025 --output moon-2025.ics
  selvane --ics 2025-03 --with-rise-set --output march.ics
  selvane --pdf calendar 2024-03 --output march.pdf
  selvane --pdf table 2024-03 --output march-table.pdf
  selvane --csv 2024-03 --lat 51.4772 --lon -0.0014 --zone Europe/London
  selvane --events 2026 --lat 40.4168 --lon -3.7038 --zone Europe/Madrid

Exit status: 0 when done; 2 when an argument is wrong or the output cannot be
written, with one line on standard error, and then nothing is written.</source>
        <translation>Selvane, ein Mondkalender. Ohne Optionen öffnet es sein Fenster. Mit --ics,
--pdf, --csv oder --events schreibt es die Datei und endet, ohne Fenster und
ohne Display.
Ort und Zeitzone kommen aus der Einstellungsdatei (die nur gelesen, nie
geschrieben wird), sofern --lat, --lon und --zone nichts anderes sagen.

Beispiele:
  selvane --ics 2025 --output mond-2025.ics
  selvane --ics 2025-03 --with-rise-set --output maerz.ics
  selvane --pdf calendar 2024-03 --output maerz.pdf
  selvane --pdf table 2024-03 --output maerz-tabelle.pdf
  selvane --csv 2024-03 --lat 52.5200 --lon 13.4050 --zone Europe/Berlin
  selvane --events 2026 --lat 40.4168 --lon -3.7038 --zone Europe/Madrid

Rückgabewert: 0, wenn erledigt; 2, wenn ein Argument falsch ist oder die
Ausgabe nicht geschrieben werden kann, mit einer Zeile auf der
Standardfehlerausgabe; dann wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 takes decimal degrees with a decimal point, not a comma: write &quot;%2&quot;, not &quot;%3&quot;</source>
        <translation>%1 erwartet Dezimalgrad mit Dezimalpunkt, nicht mit Komma: „%2“ schreiben, nicht „%3“</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>unbekannte Option „%1“ (siehe --help)</translation>
    </message>
    <message>
        <source>nothing to do: give --ics, --pdf, --csv or --events (selvane --help tells more)</source>
        <translation>nichts zu tun: --ics, --pdf, --csv oder --events angeben (selvane --help sagt mehr)</translation>
    </message>
    <message>
        <source>one job at a time: give only one of --ics, --pdf, --csv and --events</source>
        <translation>eine Aufgabe auf einmal: nur eines von --ics, --pdf, --csv und --events angeben</translation>
    </message>
</context>
<context>
    <name>selvane::ExportMoonCalendar</name>
    <message>
        <source>Saved the calendar file as %1.</source>
        <translation>Die Kalenderdatei wurde als %1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>selvane::HotSpotLabel</name>
    <message>
        <source>Drag it to move the window</source>
        <translation>Ziehen, um das Fenster zu verschieben</translation>
    </message>
</context>
<context>
    <name>selvane::MainAccessibility</name>
    <message>
        <source>Right ascension</source>
        <translation>Rektaszension</translation>
    </message>
    <message>
        <source>Declination</source>
        <translation>Deklination</translation>
    </message>
    <message>
        <source>Parallax</source>
        <translation>Parallaxe</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>Sun azimuth</source>
        <translation>Azimut der Sonne</translation>
    </message>
    <message>
        <source>Sun altitude</source>
        <translation>Höhe der Sonne</translation>
    </message>
    <message>
        <source>Moon azimuth</source>
        <translation>Azimut des Mondes</translation>
    </message>
    <message>
        <source>Moon altitude</source>
        <translation>Höhe des Mondes</translation>
    </message>
    <message>
        <source>Position angle</source>
        <translation>Positionswinkel</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Sichtbar</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation>Apogäum</translation>
    </message>
    <message>
        <source>Apogee distance</source>
        <translation>Abstand im Apogäum</translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation>Perigäum</translation>
    </message>
    <message>
        <source>Perigee distance</source>
        <translation>Abstand im Perigäum</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Sun transit</source>
        <translation>Kulmination der Sonne</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Civil twilight start</source>
        <translation>Beginn der bürgerlichen Dämmerung</translation>
    </message>
    <message>
        <source>Civil twilight end</source>
        <translation>Ende der bürgerlichen Dämmerung</translation>
    </message>
    <message>
        <source>Nautical twilight start</source>
        <translation>Beginn der nautischen Dämmerung</translation>
    </message>
    <message>
        <source>Nautical twilight end</source>
        <translation>Ende der nautischen Dämmerung</translation>
    </message>
    <message>
        <source>Astronomical twilight start</source>
        <translation>Beginn der astronomischen Dämmerung</translation>
    </message>
    <message>
        <source>Astronomical twilight end</source>
        <translation>Ende der astronomischen Dämmerung</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Letztes Viertel</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Mondaufgang</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Kulmination des Mondes</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Monduntergang</translation>
    </message>
    <message>
        <source>Calendar, %1 %2</source>
        <comment>the month&apos;s name and year</comment>
        <translation>Kalender, %1 %2</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <comment>weekday, day, month and year: Friday 15 March 2024</comment>
        <translation>%1, %2. %3 %4</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a day&apos;s date and its phase</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a day&apos;s name and one line of its events</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Local sidereal time</source>
        <translation>Sternzeit</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Moon, %1, %2 % lit</source>
        <comment>the phase&apos;s name and the lit percent</comment>
        <translation>Mond, %1, %2 % beleuchtet</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Phasenwinkel</translation>
    </message>
</context>
<context>
    <name>selvane::MoonCalendar</name>
    <message>
        <source>%1 Moon %2</source>
        <extracomment>The calendar file&apos;s name: the program&apos;s name, then a year or a month.</extracomment>
        <translation>%1 Mond %2</translation>
    </message>
</context>
<context>
    <name>selvane::MoonExport</name>
    <message>
        <source>Export the Moon&apos;s phases, perigees and apogees to a calendar file for your calendar program:</source>
        <translation>Die Mondphasen, Perigäen und Apogäen als Kalenderdatei für Ihr Kalenderprogramm exportieren:</translation>
    </message>
    <message>
        <source>All of %1</source>
        <translation>Das ganze Jahr %1</translation>
    </message>
    <message>
        <source>With each day&apos;s moonrise and moonset</source>
        <translation>Mit Mondaufgang und Monduntergang jedes Tages</translation>
    </message>
    <message>
        <source>Export the Moon to a calendar file</source>
        <translation>Den Mond in eine Kalenderdatei exportieren</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Kalenderdateien (*.ics)</translation>
    </message>
</context>
<context>
    <name>selvane::MoonTexts</name>
    <message>
        <source>New Moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Abnehmende Sichel</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Letztes Viertel</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Abnehmender Mond</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Zunehmender Mond</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Zunehmende Sichel</translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation>Perigäum</translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation>Apogäum</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Mondaufgang</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Monduntergang</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Kulm.:</translation>
    </message>
    <message>
        <source>Moonrise:</source>
        <translation>MA:</translation>
    </message>
    <message>
        <source>Moonset:</source>
        <translation>MU:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>—</translation>
    </message>
    <message>
        <source>%1d %2h %3m</source>
        <extracomment>The Moon&apos;s age since New Moon: days, hours, minutes, each two digits.</extracomment>
        <translation>%1d %2h %3m</translation>
    </message>
    <message>
        <source>LST: %1</source>
        <extracomment>The local sidereal time, hh:mm:ss.</extracomment>
        <translation>Sternzeit: %1</translation>
    </message>
</context>
<context>
    <name>selvane::Pictures</name>
    <message>
        <source>Rise/Set Times</source>
        <translation>Auf- und Untergänge</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Dämmerung</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>Beobachter</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Druckoptionen</translation>
    </message>
    <message>
        <source>Printed Calendar</source>
        <translation>Gedruckter Kalender</translation>
    </message>
    <message>
        <source>Monthly Rise/Set Times</source>
        <translation>Auf- und Untergänge</translation>
    </message>
    <message>
        <source>A Moon calendar for Linux</source>
        <translation>Ein Mondkalender für Linux</translation>
    </message>
    <message>
        <source>by the Selvane developers</source>
        <translation>von den Selvane-Entwicklern</translation>
    </message>
    <message>
        <source>after J. Meeus, Astronomical Algorithms</source>
        <translation>nach J. Meeus, Astronomical Algorithms</translation>
    </message>
    <message>
        <source>Lunar Resources</source>
        <translation>Mond im Netz</translation>
    </message>
    <message>
        <source>Missions</source>
        <translation>Missionen</translation>
    </message>
</context>
<context>
    <name>selvane::PlacePopup</name>
    <message>
        <source>No place found</source>
        <translation>Kein Ort gefunden</translation>
    </message>
</context>
<context>
    <name>selvane::PrintCal</name>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Nordhalbkugel</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Südhalbkugel</translation>
    </message>
    <message>
        <source>%1:     Latitude: %2,  Longitude: %3</source>
        <extracomment>The printed location line: the hemisphere, the latitude and the longitude.</extracomment>
        <translation>%1:     Breite: %2,  Länge: %3</translation>
    </message>
    <message>
        <source>Printed by %1 %2 (%3)</source>
        <extracomment>The printed footer: the program&apos;s name, its version and its home page.</extracomment>
        <translation>Gedruckt mit %1 %2 (%3)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Aufg.</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Kulm.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Unterg.</translation>
    </message>
    <message>
        <source>Illum.</source>
        <translation>Bel.</translation>
    </message>
    <message>
        <source>Ast.</source>
        <translation>Astr.</translation>
    </message>
    <message>
        <source>Naut.</source>
        <translation>Naut.</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Bürg.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Twilight Start</source>
        <translation>Dämm.-Beginn</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Twilight End</source>
        <translation>Dämm.-Ende</translation>
    </message>
    <message>
        <source>SR:</source>
        <translation>SA</translation>
    </message>
    <message>
        <source>ST:</source>
        <translation>SK</translation>
    </message>
    <message>
        <source>SS:</source>
        <translation>SU</translation>
    </message>
    <message>
        <source>MR:</source>
        <translation>MA</translation>
    </message>
    <message>
        <source>MT:</source>
        <translation>MK</translation>
    </message>
    <message>
        <source>MS:</source>
        <translation>MU</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Letztes Viertel</translation>
    </message>
</context>
<context>
    <name>selvane::PrintJob</name>
    <message>
        <source>Cannot write &quot;%1&quot;: the page could not be drawn.</source>
        <translation>„%1“ kann nicht geschrieben werden: Die Seite ließ sich nicht zeichnen.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reports an error. The page was not printed.</source>
        <translation>Der Drucker „%1“ meldet einen Fehler. Die Seite wurde nicht gedruckt.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not accept jobs. The page was not printed.</source>
        <translation>Der Drucker „%1“ nimmt keine Aufträge an. Die Seite wurde nicht gedruckt.</translation>
    </message>
    <message>
        <source>The printer could not be opened. The page was not printed.</source>
        <translation>Der Drucker ließ sich nicht öffnen. Die Seite wurde nicht gedruckt.</translation>
    </message>
    <message>
        <source>The printer reported an error. The page may not have been printed.</source>
        <translation>Der Drucker hat einen Fehler gemeldet. Die Seite wurde vielleicht nicht gedruckt.</translation>
    </message>
    <message>
        <source>No printer is installed: save the page as a PDF file</source>
        <translation>Kein Drucker eingerichtet: die Seite als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>%1 Time Table %2</source>
        <extracomment>The time table&apos;s document and file name: the program&apos;s name, then the month and year.</extracomment>
        <translation>%1 Zeittabelle %2</translation>
    </message>
    <message>
        <source>Saved the page as %1.</source>
        <translation>Die Seite wurde als %1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>selvane::Settings</name>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>GMT </source>
        <extracomment>Greenwich Mean Time in the list of fixed zones; the space keeps it as wide as the others.</extracomment>
        <translation>GMT </translation>
    </message>
    <message>
        <source>GMT %1 %2:%3</source>
        <extracomment>A fixed zone: the sign, then the hours and minutes east of Greenwich (&quot;GMT + 05:30&quot;).</extracomment>
        <translation>GMT %1 %2:%3</translation>
    </message>
    <message>
        <source>Daylight Savings Time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written, so this change will not survive a restart.</source>
        <translation>Die Einstellungsdatei %1 ließ sich nicht schreiben; diese Änderung gilt daher nur bis zum nächsten Start.</translation>
    </message>
</context>
<context>
    <name>selvane::TAbout</name>
    <message>
        <source>About Selvane</source>
        <translation>Über Selvane</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>selvane::TLunarSites</name>
    <message>
        <source>Lunar Resources</source>
        <translation>Mond im Netz</translation>
    </message>
    <message>
        <source>NSSDC: The Moon</source>
        <translation>NSSDC: The Moon</translation>
    </message>
    <message>
        <source>Inconstant Moon</source>
        <translation>Inconstant Moon</translation>
    </message>
    <message>
        <source>The Lure of Lunar Domes</source>
        <translation>The Lure of Lunar Domes</translation>
    </message>
    <message>
        <source>Lunar Eclipse Observer</source>
        <translation>Lunar Eclipse Observer</translation>
    </message>
    <message>
        <source>Missions</source>
        <translation>Missionen</translation>
    </message>
    <message>
        <source>Apollo Landing Sites</source>
        <translation>Apollo Landing Sites</translation>
    </message>
    <message>
        <source>Lunar Prospector Mission</source>
        <translation>Lunar Prospector Mission</translation>
    </message>
    <message>
        <source>Clementine Mission</source>
        <translation>Clementine Mission</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
</context>
<context>
    <name>selvane::TMonthSelect</name>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
</context>
<context>
    <name>selvane::TPrintOptions</name>
    <message>
        <source>Daily Phases</source>
        <translation>Tägliche Phasen</translation>
    </message>
    <message>
        <source>Major Phases</source>
        <translation>Hauptphasen</translation>
    </message>
    <message>
        <source>Moon&apos;s Rise/Transit Set Times</source>
        <translation>Mond: Aufg., Kulm., Unterg.</translation>
    </message>
    <message>
        <source>Sun&apos;s Rise/Transit/Set Times</source>
        <translation>Sonne: Aufg., Kulm., Unterg.</translation>
    </message>
    <message>
        <source>Daily Phase Density:</source>
        <translation>Schattendichte:</translation>
    </message>
    <message>
        <source>Error reading registry</source>
        <translation>Fehler beim Lesen der Einstellungen</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Druckoptionen</translation>
    </message>
    <message>
        <source>Moon&apos;s Rise/Transit/Set Times</source>
        <translation>Mond: Aufg., Kulm., Unterg.</translation>
    </message>
    <message>
        <source>Daily Phase Density</source>
        <translation>Schattendichte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Stores the choices and prints the calendar</source>
        <translation>Speichert die Auswahl und druckt den Kalender</translation>
    </message>
</context>
<context>
    <name>selvane::TRiseSetTimeList</name>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Twilight Start</source>
        <translation>Dämm.-Beginn</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Twilight End</source>
        <translation>Dämm.-Ende</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Aufg.</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Kulm.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Unterg.</translation>
    </message>
    <message>
        <source>Illum.</source>
        <translation>Bel.</translation>
    </message>
    <message>
        <source>Ast.</source>
        <translation>Astr.</translation>
    </message>
    <message>
        <source>Naut.</source>
        <translation>Naut.</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Bürg.</translation>
    </message>
    <message>
        <source>Times of the month</source>
        <translation>Zeiten des Monats</translation>
    </message>
    <message>
        <source>Print the time table</source>
        <translation>Zeittabelle drucken</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Nach oben blättern</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Nach unten blättern</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a column&apos;s group and title: Moon Rise, Twilight Start Ast.</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Tage des Monats</translation>
    </message>
</context>
<context>
    <name>selvane::TSelvane</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Years 1 to 9999</source>
        <translation>Jahre 1 bis 9999</translation>
    </message>
    <message>
        <source>Visible:</source>
        <translation>Sichtbar:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Alter:</translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Abstand:</translation>
    </message>
    <message>
        <source>RA:</source>
        <translation>Rekt.:</translation>
    </message>
    <message>
        <source>Dec:</source>
        <translation>Dekl.:</translation>
    </message>
    <message>
        <source>Parallax:</source>
        <translation>Parallaxe:</translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation>Durchm.:</translation>
    </message>
    <message>
        <source>Apogee:</source>
        <translation>Apog.:</translation>
    </message>
    <message>
        <source>Perigee:</source>
        <translation>Perig.:</translation>
    </message>
    <message>
        <source>Sunrise:</source>
        <translation>SA:</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Kulm.:</translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation>SU:</translation>
    </message>
    <message>
        <source>MoonRise:</source>
        <translation>MA:</translation>
    </message>
    <message>
        <source>MoonSet:</source>
        <translation>MU:</translation>
    </message>
    <message>
        <source>Civil:</source>
        <translation>Bürgerliche:</translation>
    </message>
    <message>
        <source>Nautical:</source>
        <translation>Nautische:</translation>
    </message>
    <message>
        <source>Astronomical:</source>
        <translation>Astronomische:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Az.:</source>
        <translation>Az.:</translation>
    </message>
    <message>
        <source>Alt.:</source>
        <translation>h:</translation>
    </message>
    <message>
        <source>PA:</source>
        <translation>PW:</translation>
    </message>
    <message>
        <source>Ph.A:</source>
        <translation>PhW:</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A date in the status strip: the day, the month&apos;s name and the year.</extracomment>
        <translation>%1. %2 %3</translation>
    </message>
    <message>
        <source>Print Lunar Calendar</source>
        <translation>Mondkalender drucken</translation>
    </message>
    <message>
        <source>Display data for the month</source>
        <translation>Daten des Monats anzeigen</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About Selvane</source>
        <translation>Über Selvane</translation>
    </message>
    <message>
        <source>Northern/Southern Hemisphere switch</source>
        <translation>Nord-/Südhalbkugel umschalten</translation>
    </message>
    <message>
        <source>Cannot find Help File</source>
        <translation>Die Hilfedatei wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Selvane</source>
        <translation>Selvane</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Links to pages about the Moon</source>
        <translation>Links zu Seiten über den Mond</translation>
    </message>
    <message>
        <source>Turns the Moon picture for the other hemisphere</source>
        <translation>Dreht das Mondbild für die andere Halbkugel</translation>
    </message>
    <message>
        <source>Choose another month</source>
        <translation>Einen anderen Monat wählen</translation>
    </message>
    <message>
        <source>Type another year</source>
        <translation>Ein anderes Jahr eingeben</translation>
    </message>
</context>
<context>
    <name>selvane::TfConfig</name>
    <message>
        <source>Sunday - Saturday</source>
        <translation>Sonntag - Samstag</translation>
    </message>
    <message>
        <source>Monday - Sunday</source>
        <translation>Montag - Sonntag</translation>
    </message>
    <message>
        <source>Tuesday - Monday</source>
        <translation>Dienstag - Montag</translation>
    </message>
    <message>
        <source>Wednesday - Tuesday</source>
        <translation>Mittwoch - Dienstag</translation>
    </message>
    <message>
        <source>Thursday - Wednesday</source>
        <translation>Donnerstag - Mittwoch</translation>
    </message>
    <message>
        <source>Friday - Thursday</source>
        <translation>Freitag - Donnerstag</translation>
    </message>
    <message>
        <source>Saturday - Friday</source>
        <translation>Samstag - Freitag</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <extracomment>The time list&apos;s date layouts: d the day, m the month, y the year; &quot;/&quot; stands for the locale&apos;s date separator.</extracomment>
        <translation>TT.MM.JJJJ</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>MM.TT.JJJJ</translation>
    </message>
    <message>
        <source>Latitide:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Day Order: </source>
        <translation>Woche: </translation>
    </message>
    <message>
        <source>Date Format:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Zone Name:</source>
        <translation>Zeitzone:</translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation>Versatz:</translation>
    </message>
    <message>
        <source>DST:</source>
        <translation>SZ:</translation>
    </message>
    <message>
        <source>Fixed offset (below)</source>
        <translation>Fester Versatz (unten)</translation>
    </message>
    <message>
        <source>This computer&apos;s zone (%1)</source>
        <translation>Zone dieses Rechners (%1)</translation>
    </message>
    <message>
        <source>%1 (unknown here)</source>
        <translation>%1 (hier unbekannt)</translation>
    </message>
    <message>
        <source>Valid Range is 0 - %1</source>
        <translation>Gültiger Bereich: 0 - %1</translation>
    </message>
    <message>
        <source>Error reading Registry</source>
        <translation>Fehler beim Lesen der Einstellungen</translation>
    </message>
    <message>
        <source>Choose a place from the list to set its position</source>
        <translation>Für die Position einen Ort aus der Liste wählen</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Breite, Grad</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Breite, Minuten</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>Breite, Sekunden</translation>
    </message>
    <message>
        <source>Latitude direction</source>
        <translation>Breite, Richtung</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Länge, Grad</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Länge, Minuten</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>Länge, Sekunden</translation>
    </message>
    <message>
        <source>Longitude direction</source>
        <translation>Länge, Richtung</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Day Order</source>
        <translation>Wochenbeginn</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>Zone Name</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Versatz</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>Up or Down switches between North and South</source>
        <translation>Pfeiltaste hoch oder runter wechselt zwischen Nord und Süd</translation>
    </message>
    <message>
        <source>Up or Down switches between East and West</source>
        <translation>Pfeiltaste hoch oder runter wechselt zwischen Ost und West</translation>
    </message>
    <message>
        <source>Type two or more letters of a place&apos;s name to choose it from a list</source>
        <translation>Zwei oder mehr Buchstaben eines Ortsnamens eingeben, um ihn aus einer Liste zu wählen</translation>
    </message>
    <message>
        <source>A named zone leaves Time Zone and daylight saving to the zone&apos;s own rules</source>
        <translation>Eine benannte Zeitzone überlässt Versatz und Sommerzeit ihren eigenen Regeln</translation>
    </message>
</context>
<context>
    <name>selvane::YearEntry</name>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Four digits; Enter takes the year, Escape keeps the one shown</source>
        <translation>Vier Ziffern; die Eingabetaste übernimmt das Jahr, Esc behält das angezeigte</translation>
    </message>
</context>
</TS>
