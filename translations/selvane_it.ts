<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>GreatEventTexts</name>
    <message>
        <source>Penumbral lunar eclipse</source>
        <translation>Eclissi penombrale di Luna</translation>
    </message>
    <message>
        <source>Partial lunar eclipse</source>
        <translation>Eclissi parziale di Luna</translation>
    </message>
    <message>
        <source>Total lunar eclipse</source>
        <translation>Eclissi totale di Luna</translation>
    </message>
    <message>
        <source>Partial solar eclipse</source>
        <translation>Eclissi parziale di Sole</translation>
    </message>
    <message>
        <source>Annular solar eclipse</source>
        <translation>Eclissi anulare di Sole</translation>
    </message>
    <message>
        <source>Total solar eclipse</source>
        <translation>Eclissi totale di Sole</translation>
    </message>
    <message>
        <source>Hybrid solar eclipse</source>
        <translation>Eclissi ibrida di Sole</translation>
    </message>
    <message>
        <source>Supermoon</source>
        <translation>Superluna</translation>
    </message>
    <message>
        <source>Blue moon</source>
        <translation>Luna blu</translation>
    </message>
    <message>
        <source>Partial here, magnitude %1, %2 % of the Sun covered</source>
        <translation>Parziale qui, magnitudine %1, %2 % del Sole coperto</translation>
    </message>
    <message>
        <source>Annular here, magnitude %1, %2 % of the Sun covered</source>
        <translation>Anulare qui, magnitudine %1, %2 % del Sole coperto</translation>
    </message>
    <message>
        <source>Total here, magnitude %1, %2 % of the Sun covered</source>
        <translation>Totale qui, magnitudine %1, %2 % del Sole coperto</translation>
    </message>
    <message>
        <source>Penumbral magnitude %1, visible here</source>
        <translation>Magnitudine penombrale %1, visibile qui</translation>
    </message>
    <message>
        <source>Penumbral magnitude %1, not visible here</source>
        <translation>Magnitudine penombrale %1, non visibile qui</translation>
    </message>
    <message>
        <source>Umbral magnitude %1, visible here</source>
        <translation>Magnitudine umbrale %1, visibile qui</translation>
    </message>
    <message>
        <source>Umbral magnitude %1, not visible here</source>
        <translation>Magnitudine umbrale %1, non visibile qui</translation>
    </message>
    <message>
        <source>Distance %1 km</source>
        <translation>Distanza %1 km</translation>
    </message>
    <message>
        <source>The second Full Moon of the month</source>
        <translation>La seconda luna piena del mese</translation>
    </message>
    <message>
        <source>Not visible here</source>
        <translation>Non visibile qui</translation>
    </message>
    <message>
        <source>%1, Full Moon at %2</source>
        <translation>%1, luna piena alle %2</translation>
    </message>
    <message>
        <source>%1, greatest here at %2</source>
        <translation>%1, massimo qui alle %2</translation>
    </message>
    <message>
        <source>%1, greatest at %2</source>
        <translation>%1, massimo alle %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>an event in the calendar file: its title and what is seen</comment>
        <translation>%1. %2.</translation>
    </message>
    <message>
        <source>Greatest eclipse here %1 UT.</source>
        <translation>Massimo dell’eclissi qui: %1 TU.</translation>
    </message>
    <message>
        <source>Greatest eclipse %1 UT.</source>
        <translation>Massimo dell’eclissi: %1 TU.</translation>
    </message>
    <message>
        <source>%1 %2, %3: %4. %5</source>
        <translation>%1 %2, %3: %4. %5</translation>
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
        <translation>Impossibile scrivere «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>selvane::CommandLine</name>
    <message>
        <source>With --ics: add each day&apos;s moonrise and moonset at the place.</source>
        <translation>Con --ics: aggiunge il sorgere e il tramonto della Luna di ogni giorno nel luogo.</translation>
    </message>
    <message>
        <source>Write the printed lunar calendar or time table of the month given as argument as a PDF file. Needs --output.</source>
        <translation>Scrive il calendario lunare stampato o la tabella degli orari del mese dato come argomento in un file PDF. Richiede --output.</translation>
    </message>
    <message>
        <source>Write the month&apos;s time table (2024-03) as comma-separated values: a header line, then one line per day.</source>
        <translation>Scrive la tabella degli orari del mese (2024-03) come valori separati da virgole: una riga di intestazione, poi una riga per giorno.</translation>
    </message>
    <message>
        <source>Write to this file, whole or not at all, instead of standard output (&quot;-&quot;).</source>
        <translation>Scrive in questo file, per intero o per niente, invece che sull’output standard («-»).</translation>
    </message>
    <message>
        <source>The latitude in decimal degrees, north positive (51.4772), instead of the settings&apos;.</source>
        <translation>La latitudine in gradi decimali, positiva a nord (41.9028), invece di quella delle impostazioni.</translation>
    </message>
    <message>
        <source>The longitude in decimal degrees, east positive (-0.0014), instead of the settings&apos;.</source>
        <translation>La longitudine in gradi decimali, positiva a est (12.4964), invece di quella delle impostazioni.</translation>
    </message>
    <message>
        <source>The time zone by its IANA name (Europe/London) instead of the settings&apos;.</source>
        <translation>Il fuso orario con il suo nome IANA (Europe/Rome) invece di quello delle impostazioni.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>%1 takes a year or a month (2025 or 2025-03), not &quot;%2&quot;</source>
        <translation>%1 vuole un anno o un mese (2025 o 2025-03), non «%2»</translation>
    </message>
    <message>
        <source>%1 takes a month (2024-03), not &quot;%2&quot;</source>
        <translation>%1 vuole un mese (2024-03), non «%2»</translation>
    </message>
    <message>
        <source>year %1 is outside 1 to 9999 (%2 %3)</source>
        <translation>l’anno %1 non è compreso tra 1 e 9999 (%2 %3)</translation>
    </message>
    <message>
        <source>month %1 is outside 1 to 12 (%2 %3)</source>
        <translation>il mese %1 non è compreso tra 1 e 12 (%2 %3)</translation>
    </message>
    <message>
        <source>%1 takes decimal degrees, not &quot;%2&quot;</source>
        <translation>%1 vuole gradi decimali, non «%2»</translation>
    </message>
    <message>
        <source>%1 %2 is outside -%3 to %3 degrees</source>
        <translation>%1 %2 non è compreso tra -%3 e %3 gradi</translation>
    </message>
    <message>
        <source>unknown time zone &quot;%1&quot; (give an IANA name such as Europe/London)</source>
        <translation>fuso orario sconosciuto «%1» (indicare un nome IANA come Europe/Rome)</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>impossibile scrivere sull’output standard</translation>
    </message>
    <message>
        <source>With --pdf: the month, as 2024-03.</source>
        <translation>Con --pdf: il mese, per esempio 2024-03.</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 è indicato più di una volta</translation>
    </message>
    <message>
        <source>--with-rise-set goes with --ics</source>
        <translation>--with-rise-set va con --ics</translation>
    </message>
    <message>
        <source>--pdf makes a calendar or a table, not &quot;%1&quot;</source>
        <translation>--pdf crea un calendario (calendar) o una tabella (table), non «%1»</translation>
    </message>
    <message>
        <source>--pdf %1 needs a month, as 2024-03</source>
        <translation>--pdf %1 richiede un mese, per esempio 2024-03</translation>
    </message>
    <message>
        <source>--pdf needs --output and a file name</source>
        <translation>--pdf richiede --output e un nome di file</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argomento inatteso «%1»</translation>
    </message>
    <message>
        <source>Write the New Moons, quarters, Full Moons, perigees, apogees, eclipses, supermoons and blue moons of a year (2025) or a month (2025-03) as an iCalendar file.</source>
        <translation>Scrive i noviluni, i quarti, i pleniluni, i perigei, gli apogei, le eclissi, le superlune e le lune blu di un anno (2025) o di un mese (2025-03) in un file iCalendar.</translation>
    </message>
    <message>
        <source>Write the eclipses, supermoons and blue moons of a year (2026) or a month (2026-08) at the place as comma-separated values: the header line kind,local_date,local_time,ut,magnitude,visible, then one line per event.</source>
        <translation>Scrive le eclissi, le superlune e le lune blu di un anno (2026) o di un mese (2026-08) nel luogo come valori separati da virgole: la riga di intestazione kind,local_date,local_time,ut,magnitude,visible, poi una riga per evento.</translation>
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
        <translation>Selvane, un calendario lunare. Senza opzioni apre la sua finestra. Con --ics,
--pdf, --csv o --events scrive il file ed esce, senza finestra e senza display.
Il luogo e il fuso orario vengono dal file delle impostazioni (solo letto, mai
scritto), a meno che --lat, --lon e --zone non dicano altro.

Esempi:
  selvane --ics 2025 --output luna-2025.ics
  selvane --ics 2025-03 --with-rise-set --output marzo.ics
  selvane --pdf calendar 2024-03 --output marzo.pdf
  selvane --pdf table 2024-03 --output marzo-tabella.pdf
  selvane --csv 2024-03 --lat 41.9028 --lon 12.4964 --zone Europe/Rome
  selvane --events 2026 --lat 40.4168 --lon -3.7038 --zone Europe/Madrid

Stato di uscita: 0 se tutto è andato bene; 2 se un argomento è errato o l’output
non può essere scritto, con una riga sullo standard error, e allora non viene
scritto nulla.</translation>
    </message>
    <message>
        <source>%1 takes decimal degrees with a decimal point, not a comma: write &quot;%2&quot;, not &quot;%3&quot;</source>
        <translation>%1 vuole gradi decimali con il punto decimale, non la virgola: scrivere «%2», non «%3»</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>opzione sconosciuta «%1» (vedere --help)</translation>
    </message>
    <message>
        <source>nothing to do: give --ics, --pdf, --csv or --events (selvane --help tells more)</source>
        <translation>niente da fare: indicare --ics, --pdf, --csv o --events (selvane --help dice di più)</translation>
    </message>
    <message>
        <source>one job at a time: give only one of --ics, --pdf, --csv and --events</source>
        <translation>un lavoro alla volta: indicare solo uno tra --ics, --pdf, --csv e --events</translation>
    </message>
</context>
<context>
    <name>selvane::ExportMoonCalendar</name>
    <message>
        <source>Saved the calendar file as %1.</source>
        <translation>File di calendario salvato come %1.</translation>
    </message>
</context>
<context>
    <name>selvane::HotSpotLabel</name>
    <message>
        <source>Drag it to move the window</source>
        <translation>Trascinare per spostare la finestra</translation>
    </message>
</context>
<context>
    <name>selvane::MainAccessibility</name>
    <message>
        <source>Right ascension</source>
        <translation>Ascensione retta</translation>
    </message>
    <message>
        <source>Declination</source>
        <translation>Declinazione</translation>
    </message>
    <message>
        <source>Parallax</source>
        <translation>Parallasse</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diametro</translation>
    </message>
    <message>
        <source>Sun azimuth</source>
        <translation>Azimut del Sole</translation>
    </message>
    <message>
        <source>Sun altitude</source>
        <translation>Altezza del Sole</translation>
    </message>
    <message>
        <source>Moon azimuth</source>
        <translation>Azimut della Luna</translation>
    </message>
    <message>
        <source>Moon altitude</source>
        <translation>Altezza della Luna</translation>
    </message>
    <message>
        <source>Position angle</source>
        <translation>Angolo di posizione</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visibile</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Età</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation>Apogeo</translation>
    </message>
    <message>
        <source>Apogee distance</source>
        <translation>Distanza all’apogeo</translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation>Perigeo</translation>
    </message>
    <message>
        <source>Perigee distance</source>
        <translation>Distanza al perigeo</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sorgere del Sole</translation>
    </message>
    <message>
        <source>Sun transit</source>
        <translation>Transito del Sole</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Tramonto del Sole</translation>
    </message>
    <message>
        <source>Civil twilight start</source>
        <translation>Inizio del crepuscolo civile</translation>
    </message>
    <message>
        <source>Civil twilight end</source>
        <translation>Fine del crepuscolo civile</translation>
    </message>
    <message>
        <source>Nautical twilight start</source>
        <translation>Inizio del crepuscolo nautico</translation>
    </message>
    <message>
        <source>Nautical twilight end</source>
        <translation>Fine del crepuscolo nautico</translation>
    </message>
    <message>
        <source>Astronomical twilight start</source>
        <translation>Inizio del crepuscolo astronomico</translation>
    </message>
    <message>
        <source>Astronomical twilight end</source>
        <translation>Fine del crepuscolo astronomico</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Luna nuova</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Primo quarto</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna piena</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Ultimo quarto</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Sorgere della Luna</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Transito della Luna</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Tramonto della Luna</translation>
    </message>
    <message>
        <source>Calendar, %1 %2</source>
        <comment>the month&apos;s name and year</comment>
        <translation>Calendario, %1 %2</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <comment>weekday, day, month and year: Friday 15 March 2024</comment>
        <translation>%1 %2 %3 %4</translation>
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
        <translation>Ora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Local sidereal time</source>
        <translation>Tempo siderale locale</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Moon, %1, %2 % lit</source>
        <comment>the phase&apos;s name and the lit percent</comment>
        <translation>Luna, %1, illuminata al %2 %</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Angolo di fase</translation>
    </message>
</context>
<context>
    <name>selvane::MoonCalendar</name>
    <message>
        <source>%1 Moon %2</source>
        <extracomment>The calendar file&apos;s name: the program&apos;s name, then a year or a month.</extracomment>
        <translation>%1 Luna %2</translation>
    </message>
</context>
<context>
    <name>selvane::MoonExport</name>
    <message>
        <source>Export the Moon&apos;s phases, perigees and apogees to a calendar file for your calendar program:</source>
        <translation>Esportare le fasi, i perigei e gli apogei della Luna in un file per il programma di calendario:</translation>
    </message>
    <message>
        <source>All of %1</source>
        <translation>Tutto il %1</translation>
    </message>
    <message>
        <source>With each day&apos;s moonrise and moonset</source>
        <translation>Con il sorgere e il tramonto della Luna di ogni giorno</translation>
    </message>
    <message>
        <source>Export the Moon to a calendar file</source>
        <translation>Esporta la Luna in un file di calendario</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>File di calendario (*.ics)</translation>
    </message>
</context>
<context>
    <name>selvane::MoonTexts</name>
    <message>
        <source>New Moon</source>
        <translation>Luna nuova</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Falce calante</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Ultimo quarto</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Gibbosa calante</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna piena</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Gibbosa crescente</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Primo quarto</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Falce crescente</translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation>Perigeo</translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation>Apogeo</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Sorgere della Luna</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Tramonto della Luna</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Transito:</translation>
    </message>
    <message>
        <source>Moonrise:</source>
        <translation>Sorge L.:</translation>
    </message>
    <message>
        <source>Moonset:</source>
        <translation>Tram. L.:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>—</translation>
    </message>
    <message>
        <source>%1d %2h %3m</source>
        <extracomment>The Moon&apos;s age since New Moon: days, hours, minutes, each two digits.</extracomment>
        <translation>%1g %2h %3m</translation>
    </message>
    <message>
        <source>LST: %1</source>
        <extracomment>The local sidereal time, hh:mm:ss.</extracomment>
        <translation>TSL: %1</translation>
    </message>
</context>
<context>
    <name>selvane::Pictures</name>
    <message>
        <source>Rise/Set Times</source>
        <translation>Sorgere e tramonto</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Crepuscolo</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>Osservatore</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Printed Calendar</source>
        <translation>Calendario stampato</translation>
    </message>
    <message>
        <source>Monthly Rise/Set Times</source>
        <translation>Sorgere e tramonto</translation>
    </message>
    <message>
        <source>A Moon calendar for Linux</source>
        <translation>Un calendario lunare per Linux</translation>
    </message>
    <message>
        <source>by the Selvane developers</source>
        <translation>dagli sviluppatori di Selvane</translation>
    </message>
    <message>
        <source>after J. Meeus, Astronomical Algorithms</source>
        <translation>da Meeus, Astronomical Algorithms</translation>
    </message>
    <message>
        <source>Lunar Resources</source>
        <translation>Risorse lunari</translation>
    </message>
    <message>
        <source>Missions</source>
        <translation>Missioni</translation>
    </message>
</context>
<context>
    <name>selvane::PlacePopup</name>
    <message>
        <source>No place found</source>
        <translation>Nessun luogo trovato</translation>
    </message>
</context>
<context>
    <name>selvane::PrintCal</name>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Emisfero nord</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Emisfero sud</translation>
    </message>
    <message>
        <source>%1:     Latitude: %2,  Longitude: %3</source>
        <extracomment>The printed location line: the hemisphere, the latitude and the longitude.</extracomment>
        <translation>%1:     Latitudine: %2,  Longitudine: %3</translation>
    </message>
    <message>
        <source>Printed by %1 %2 (%3)</source>
        <extracomment>The printed footer: the program&apos;s name, its version and its home page.</extracomment>
        <translation>Stampato con %1 %2 (%3)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Sorge</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Trans.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Tram.</translation>
    </message>
    <message>
        <source>Illum.</source>
        <translation>Illum.</translation>
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
        <translation>Civile</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Twilight Start</source>
        <translation>Crep. mattutino</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <source>Twilight End</source>
        <translation>Crep. serale</translation>
    </message>
    <message>
        <source>SR:</source>
        <translation>SS:</translation>
    </message>
    <message>
        <source>ST:</source>
        <translation>CS:</translation>
    </message>
    <message>
        <source>SS:</source>
        <translation>TS:</translation>
    </message>
    <message>
        <source>MR:</source>
        <translation>SL:</translation>
    </message>
    <message>
        <source>MT:</source>
        <translation>CL:</translation>
    </message>
    <message>
        <source>MS:</source>
        <translation>TL:</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Luna nuova</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Primo quarto</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna piena</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Ultimo quarto</translation>
    </message>
</context>
<context>
    <name>selvane::PrintJob</name>
    <message>
        <source>Cannot write &quot;%1&quot;: the page could not be drawn.</source>
        <translation>Impossibile scrivere «%1»: non è stato possibile disegnare la pagina.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reports an error. The page was not printed.</source>
        <translation>La stampante «%1» segnala un errore. La pagina non è stata stampata.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not accept jobs. The page was not printed.</source>
        <translation>La stampante «%1» non accetta lavori. La pagina non è stata stampata.</translation>
    </message>
    <message>
        <source>The printer could not be opened. The page was not printed.</source>
        <translation>Non è stato possibile aprire la stampante. La pagina non è stata stampata.</translation>
    </message>
    <message>
        <source>The printer reported an error. The page may not have been printed.</source>
        <translation>La stampante ha segnalato un errore. La pagina potrebbe non essere stata stampata.</translation>
    </message>
    <message>
        <source>No printer is installed: save the page as a PDF file</source>
        <translation>Nessuna stampante installata: salvare la pagina come file PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 Time Table %2</source>
        <extracomment>The time table&apos;s document and file name: the program&apos;s name, then the month and year.</extracomment>
        <translation>%1 Tabella orari %2</translation>
    </message>
    <message>
        <source>Saved the page as %1.</source>
        <translation>Pagina salvata come %1.</translation>
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
        <translation>Sud</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ovest</translation>
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
        <translation>ora legale</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written, so this change will not survive a restart.</source>
        <translation>Non è stato possibile scrivere il file delle impostazioni %1: questa modifica andrà persa al prossimo avvio.</translation>
    </message>
</context>
<context>
    <name>selvane::TAbout</name>
    <message>
        <source>About Selvane</source>
        <translation>Informazioni su Selvane</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>selvane::TLunarSites</name>
    <message>
        <source>Lunar Resources</source>
        <translation>Risorse lunari</translation>
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
        <translation>Missioni</translation>
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
        <translation>Collegamenti</translation>
    </message>
</context>
<context>
    <name>selvane::TMonthSelect</name>
    <message>
        <source>Months</source>
        <translation>Mesi</translation>
    </message>
</context>
<context>
    <name>selvane::TPrintOptions</name>
    <message>
        <source>Daily Phases</source>
        <translation>Fasi giornaliere</translation>
    </message>
    <message>
        <source>Major Phases</source>
        <translation>Fasi principali</translation>
    </message>
    <message>
        <source>Moon&apos;s Rise/Transit Set Times</source>
        <translation>Luna: sorge, transito, tramonto</translation>
    </message>
    <message>
        <source>Sun&apos;s Rise/Transit/Set Times</source>
        <translation>Sole: sorge, transito, tramonto</translation>
    </message>
    <message>
        <source>Daily Phase Density:</source>
        <translation>Densità ombra:</translation>
    </message>
    <message>
        <source>Error reading registry</source>
        <translation>Errore nella lettura delle impostazioni</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Opzioni di stampa</translation>
    </message>
    <message>
        <source>Moon&apos;s Rise/Transit/Set Times</source>
        <translation>Luna: sorge, transito, tramonto</translation>
    </message>
    <message>
        <source>Daily Phase Density</source>
        <translation>Densità dell’ombra</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Stores the choices and prints the calendar</source>
        <translation>Salva le scelte e stampa il calendario</translation>
    </message>
</context>
<context>
    <name>selvane::TRiseSetTimeList</name>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Twilight Start</source>
        <translation>Crep. mattutino</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <source>Twilight End</source>
        <translation>Crep. serale</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Sorge</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Trans.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Tram.</translation>
    </message>
    <message>
        <source>Illum.</source>
        <translation>Illum.</translation>
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
        <translation>Civile</translation>
    </message>
    <message>
        <source>Times of the month</source>
        <translation>Orari del mese</translation>
    </message>
    <message>
        <source>Print the time table</source>
        <translation>Stampa la tabella degli orari</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Scorri in su</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Scorri in giù</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a column&apos;s group and title: Moon Rise, Twilight Start Ast.</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Giorni del mese</translation>
    </message>
</context>
<context>
    <name>selvane::TSelvane</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» non è un numero intero valido</translation>
    </message>
    <message>
        <source>Years 1 to 9999</source>
        <translation>Anni da 1 a 9999</translation>
    </message>
    <message>
        <source>Visible:</source>
        <translation>Visibile:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Età:</translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Distanza:</translation>
    </message>
    <message>
        <source>RA:</source>
        <translation>AR:</translation>
    </message>
    <message>
        <source>Dec:</source>
        <translation>Dec.:</translation>
    </message>
    <message>
        <source>Parallax:</source>
        <translation>Parall.:</translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation>Diametro:</translation>
    </message>
    <message>
        <source>Apogee:</source>
        <translation>Apogeo:</translation>
    </message>
    <message>
        <source>Perigee:</source>
        <translation>Perigeo:</translation>
    </message>
    <message>
        <source>Sunrise:</source>
        <translation>Sorge:</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Transito:</translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation>Tram.:</translation>
    </message>
    <message>
        <source>MoonRise:</source>
        <translation>Sorge L.:</translation>
    </message>
    <message>
        <source>MoonSet:</source>
        <translation>Tram. L.:</translation>
    </message>
    <message>
        <source>Civil:</source>
        <translation>Civile:</translation>
    </message>
    <message>
        <source>Nautical:</source>
        <translation>Nautico:</translation>
    </message>
    <message>
        <source>Astronomical:</source>
        <translation>Astronomico:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Az.:</source>
        <translation>Az.:</translation>
    </message>
    <message>
        <source>Alt.:</source>
        <translation>Alt.:</translation>
    </message>
    <message>
        <source>PA:</source>
        <translation>AP:</translation>
    </message>
    <message>
        <source>Ph.A:</source>
        <translation>AF:</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A date in the status strip: the day, the month&apos;s name and the year.</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Print Lunar Calendar</source>
        <translation>Stampa il calendario lunare</translation>
    </message>
    <message>
        <source>Display data for the month</source>
        <translation>Mostra i dati del mese</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Pagina iniziale</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>About Selvane</source>
        <translation>Informazioni su Selvane</translation>
    </message>
    <message>
        <source>Northern/Southern Hemisphere switch</source>
        <translation>Cambia emisfero nord/sud</translation>
    </message>
    <message>
        <source>Cannot find Help File</source>
        <translation>Impossibile trovare il file della guida</translation>
    </message>
    <message>
        <source>Selvane</source>
        <translation>Selvane</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Links to pages about the Moon</source>
        <translation>Collegamenti a pagine sulla Luna</translation>
    </message>
    <message>
        <source>Turns the Moon picture for the other hemisphere</source>
        <translation>Gira l’immagine della Luna per l’altro emisfero</translation>
    </message>
    <message>
        <source>Choose another month</source>
        <translation>Scegli un altro mese</translation>
    </message>
    <message>
        <source>Type another year</source>
        <translation>Digita un altro anno</translation>
    </message>
</context>
<context>
    <name>selvane::TfConfig</name>
    <message>
        <source>Sunday - Saturday</source>
        <translation>Domenica - Sabato</translation>
    </message>
    <message>
        <source>Monday - Sunday</source>
        <translation>Lunedì - Domenica</translation>
    </message>
    <message>
        <source>Tuesday - Monday</source>
        <translation>Martedì - Lunedì</translation>
    </message>
    <message>
        <source>Wednesday - Tuesday</source>
        <translation>Mercoledì - Martedì</translation>
    </message>
    <message>
        <source>Thursday - Wednesday</source>
        <translation>Giovedì - Mercoledì</translation>
    </message>
    <message>
        <source>Friday - Thursday</source>
        <translation>Venerdì - Giovedì</translation>
    </message>
    <message>
        <source>Saturday - Friday</source>
        <translation>Sabato - Venerdì</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <extracomment>The time list&apos;s date layouts: d the day, m the month, y the year; &quot;/&quot; stands for the locale&apos;s date separator.</extracomment>
        <translation>gg/mm/aaaa</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/gg/aaaa</translation>
    </message>
    <message>
        <source>Latitide:</source>
        <translation>Latitudine:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitud.:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Località:</translation>
    </message>
    <message>
        <source>Day Order: </source>
        <translation>Settimana: </translation>
    </message>
    <message>
        <source>Date Format:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Zone Name:</source>
        <translation>Fuso:</translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation>Scarto:</translation>
    </message>
    <message>
        <source>DST:</source>
        <translation>OL:</translation>
    </message>
    <message>
        <source>Fixed offset (below)</source>
        <translation>Scarto fisso (sotto)</translation>
    </message>
    <message>
        <source>This computer&apos;s zone (%1)</source>
        <translation>Fuso di questo computer (%1)</translation>
    </message>
    <message>
        <source>%1 (unknown here)</source>
        <translation>%1 (sconosciuto qui)</translation>
    </message>
    <message>
        <source>Valid Range is 0 - %1</source>
        <translation>Intervallo valido: 0 - %1</translation>
    </message>
    <message>
        <source>Error reading Registry</source>
        <translation>Errore nella lettura delle impostazioni</translation>
    </message>
    <message>
        <source>Choose a place from the list to set its position</source>
        <translation>Scegli un luogo dall’elenco per impostarne la posizione</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Latitudine, gradi</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Latitudine, minuti</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>Latitudine, secondi</translation>
    </message>
    <message>
        <source>Latitude direction</source>
        <translation>Latitudine, direzione</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Longitudine, gradi</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Longitudine, minuti</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>Longitudine, secondi</translation>
    </message>
    <message>
        <source>Longitude direction</source>
        <translation>Longitudine, direzione</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Località</translation>
    </message>
    <message>
        <source>Day Order</source>
        <translation>Inizio settimana</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Formato data</translation>
    </message>
    <message>
        <source>Zone Name</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Scarto orario</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>Up or Down switches between North and South</source>
        <translation>Le frecce su e giù passano tra nord e sud</translation>
    </message>
    <message>
        <source>Up or Down switches between East and West</source>
        <translation>Le frecce su e giù passano tra est e ovest</translation>
    </message>
    <message>
        <source>Type two or more letters of a place&apos;s name to choose it from a list</source>
        <translation>Digita due o più lettere del nome di un luogo per sceglierlo da un elenco</translation>
    </message>
    <message>
        <source>A named zone leaves Time Zone and daylight saving to the zone&apos;s own rules</source>
        <translation>Un fuso con nome lascia lo scarto e l’ora legale alle regole del fuso</translation>
    </message>
</context>
<context>
    <name>selvane::YearEntry</name>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Four digits; Enter takes the year, Escape keeps the one shown</source>
        <translation>Quattro cifre; Invio accetta l’anno, Esc mantiene quello mostrato</translation>
    </message>
</context>
</TS>
