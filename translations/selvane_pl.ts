<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>GreatEventTexts</name>
    <message>
        <source>Penumbral lunar eclipse</source>
        <translation>Półcieniowe zaćmienie Księżyca</translation>
    </message>
    <message>
        <source>Partial lunar eclipse</source>
        <translation>Częściowe zaćmienie Księżyca</translation>
    </message>
    <message>
        <source>Total lunar eclipse</source>
        <translation>Całkowite zaćmienie Księżyca</translation>
    </message>
    <message>
        <source>Partial solar eclipse</source>
        <translation>Częściowe zaćmienie Słońca</translation>
    </message>
    <message>
        <source>Annular solar eclipse</source>
        <translation>Obrączkowe zaćmienie Słońca</translation>
    </message>
    <message>
        <source>Total solar eclipse</source>
        <translation>Całkowite zaćmienie Słońca</translation>
    </message>
    <message>
        <source>Hybrid solar eclipse</source>
        <translation>Hybrydowe zaćmienie Słońca</translation>
    </message>
    <message>
        <source>Supermoon</source>
        <translation>Superksiężyc</translation>
    </message>
    <message>
        <source>Blue moon</source>
        <translation>Niebieski księżyc</translation>
    </message>
    <message>
        <source>Partial here, magnitude %1, %2 % of the Sun covered</source>
        <translation>Tutaj częściowe, faza %1, zakryte %2 % tarczy Słońca</translation>
    </message>
    <message>
        <source>Annular here, magnitude %1, %2 % of the Sun covered</source>
        <translation>Tutaj obrączkowe, faza %1, zakryte %2 % tarczy Słońca</translation>
    </message>
    <message>
        <source>Total here, magnitude %1, %2 % of the Sun covered</source>
        <translation>Tutaj całkowite, faza %1, zakryte %2 % tarczy Słońca</translation>
    </message>
    <message>
        <source>Penumbral magnitude %1, visible here</source>
        <translation>Faza w półcieniu %1, widoczne tutaj</translation>
    </message>
    <message>
        <source>Penumbral magnitude %1, not visible here</source>
        <translation>Faza w półcieniu %1, niewidoczne tutaj</translation>
    </message>
    <message>
        <source>Umbral magnitude %1, visible here</source>
        <translation>Faza w cieniu %1, widoczne tutaj</translation>
    </message>
    <message>
        <source>Umbral magnitude %1, not visible here</source>
        <translation>Faza w cieniu %1, niewidoczne tutaj</translation>
    </message>
    <message>
        <source>Distance %1 km</source>
        <translation>Odległość %1 km</translation>
    </message>
    <message>
        <source>The second Full Moon of the month</source>
        <translation>Druga pełnia w miesiącu</translation>
    </message>
    <message>
        <source>Not visible here</source>
        <translation>Niewidoczne tutaj</translation>
    </message>
    <message>
        <source>%1, Full Moon at %2</source>
        <translation>%1, pełnia o %2</translation>
    </message>
    <message>
        <source>%1, greatest here at %2</source>
        <translation>%1, maksimum tutaj o %2</translation>
    </message>
    <message>
        <source>%1, greatest at %2</source>
        <translation>%1, maksimum o %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>an event in the calendar file: its title and what is seen</comment>
        <translation>%1. %2.</translation>
    </message>
    <message>
        <source>Greatest eclipse here %1 UT.</source>
        <translation>Maksimum zaćmienia tutaj: %1 UT.</translation>
    </message>
    <message>
        <source>Greatest eclipse %1 UT.</source>
        <translation>Maksimum zaćmienia: %1 UT.</translation>
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
        <translation>Nie można zapisać „%1”: %2.</translation>
    </message>
</context>
<context>
    <name>selvane::CommandLine</name>
    <message>
        <source>With --ics: add each day&apos;s moonrise and moonset at the place.</source>
        <translation>Z --ics: dodaje wschód i zachód Księżyca każdego dnia w danym miejscu.</translation>
    </message>
    <message>
        <source>Write the printed lunar calendar or time table of the month given as argument as a PDF file. Needs --output.</source>
        <translation>Zapisuje drukowany kalendarz księżycowy lub tabelę czasów miesiąca podanego jako argument w pliku PDF. Wymaga --output.</translation>
    </message>
    <message>
        <source>Write the month&apos;s time table (2024-03) as comma-separated values: a header line, then one line per day.</source>
        <translation>Zapisuje tabelę czasów miesiąca (2024-03) jako wartości rozdzielone przecinkami: wiersz nagłówka, potem jeden wiersz na dzień.</translation>
    </message>
    <message>
        <source>Write to this file, whole or not at all, instead of standard output (&quot;-&quot;).</source>
        <translation>Zapisuje do tego pliku, w całości albo wcale, zamiast na standardowe wyjście („-”).</translation>
    </message>
    <message>
        <source>The latitude in decimal degrees, north positive (51.4772), instead of the settings&apos;.</source>
        <translation>Szerokość geograficzna w stopniach dziesiętnych, dodatnia na północ (52.2297), zamiast tej z ustawień.</translation>
    </message>
    <message>
        <source>The longitude in decimal degrees, east positive (-0.0014), instead of the settings&apos;.</source>
        <translation>Długość geograficzna w stopniach dziesiętnych, dodatnia na wschód (21.0122), zamiast tej z ustawień.</translation>
    </message>
    <message>
        <source>The time zone by its IANA name (Europe/London) instead of the settings&apos;.</source>
        <translation>Strefa czasowa według nazwy IANA (Europe/Warsaw) zamiast tej z ustawień.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Pokazuje tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Pokazuje wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>%1 takes a year or a month (2025 or 2025-03), not &quot;%2&quot;</source>
        <translation>%1 przyjmuje rok lub miesiąc (2025 lub 2025-03), nie „%2”</translation>
    </message>
    <message>
        <source>%1 takes a month (2024-03), not &quot;%2&quot;</source>
        <translation>%1 przyjmuje miesiąc (2024-03), nie „%2”</translation>
    </message>
    <message>
        <source>year %1 is outside 1 to 9999 (%2 %3)</source>
        <translation>rok %1 nie mieści się w zakresie od 1 do 9999 (%2 %3)</translation>
    </message>
    <message>
        <source>month %1 is outside 1 to 12 (%2 %3)</source>
        <translation>miesiąc %1 nie mieści się w zakresie od 1 do 12 (%2 %3)</translation>
    </message>
    <message>
        <source>%1 takes decimal degrees, not &quot;%2&quot;</source>
        <translation>%1 przyjmuje stopnie dziesiętne, nie „%2”</translation>
    </message>
    <message>
        <source>%1 %2 is outside -%3 to %3 degrees</source>
        <translation>%1 %2 nie mieści się w zakresie od -%3 do %3 stopni</translation>
    </message>
    <message>
        <source>unknown time zone &quot;%1&quot; (give an IANA name such as Europe/London)</source>
        <translation>nieznana strefa czasowa „%1” (podaj nazwę IANA, np. Europe/Warsaw)</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>nie można pisać na standardowe wyjście</translation>
    </message>
    <message>
        <source>With --pdf: the month, as 2024-03.</source>
        <translation>Z --pdf: miesiąc, np. 2024-03.</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 podano więcej niż raz</translation>
    </message>
    <message>
        <source>--with-rise-set goes with --ics</source>
        <translation>--with-rise-set działa tylko z --ics</translation>
    </message>
    <message>
        <source>--pdf makes a calendar or a table, not &quot;%1&quot;</source>
        <translation>--pdf tworzy kalendarz (calendar) lub tabelę (table), nie „%1”</translation>
    </message>
    <message>
        <source>--pdf %1 needs a month, as 2024-03</source>
        <translation>--pdf %1 wymaga miesiąca, np. 2024-03</translation>
    </message>
    <message>
        <source>--pdf needs --output and a file name</source>
        <translation>--pdf wymaga --output i nazwy pliku</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>nieoczekiwany argument „%1”</translation>
    </message>
    <message>
        <source>Write the New Moons, quarters, Full Moons, perigees, apogees, eclipses, supermoons and blue moons of a year (2025) or a month (2025-03) as an iCalendar file.</source>
        <translation>Zapisuje nowie, kwadry, pełnie, perygea, apogea, zaćmienia, superksiężyce i niebieskie księżyce roku (2025) lub miesiąca (2025-03) w pliku iCalendar.</translation>
    </message>
    <message>
        <source>Write the eclipses, supermoons and blue moons of a year (2026) or a month (2026-08) at the place as comma-separated values: the header line kind,local_date,local_time,ut,magnitude,visible, then one line per event.</source>
        <translation>Zapisuje zaćmienia, superksiężyce i niebieskie księżyce roku (2026) lub miesiąca (2026-08) w danym miejscu jako wartości rozdzielone przecinkami: wiersz nagłówka kind,local_date,local_time,ut,magnitude,visible, potem jeden wiersz na zdarzenie.</translation>
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
        <translation>Selvane, kalendarz księżycowy. Bez opcji otwiera swoje okno. Z --ics, --pdf,
--csv lub --events zapisuje plik i kończy działanie, bez okna i bez ekranu.
Miejsce i strefa czasowa pochodzą z pliku ustawień (tylko odczytywanego,
nigdy zapisywanego), chyba że --lat, --lon i --zone mówią inaczej.

Przykłady:
  selvane --ics 2025 --output ksiezyc-2025.ics
  selvane --ics 2025-03 --with-rise-set --output marzec.ics
  selvane --pdf calendar 2024-03 --output marzec.pdf
  selvane --pdf table 2024-03 --output marzec-tabela.pdf
  selvane --csv 2024-03 --lat 52.2297 --lon 21.0122 --zone Europe/Warsaw
  selvane --events 2026 --lat 40.4168 --lon -3.7038 --zone Europe/Madrid

Kod wyjścia: 0 po wykonaniu; 2, gdy argument jest błędny lub wyniku nie da się
zapisać, z jednym wierszem na standardowym wyjściu błędów; nic nie jest wtedy
zapisywane.</translation>
    </message>
    <message>
        <source>%1 takes decimal degrees with a decimal point, not a comma: write &quot;%2&quot;, not &quot;%3&quot;</source>
        <translation>%1 przyjmuje stopnie dziesiętne z kropką dziesiętną, nie z przecinkiem: pisz „%2”, nie „%3”</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>nieznana opcja „%1” (zob. --help)</translation>
    </message>
    <message>
        <source>nothing to do: give --ics, --pdf, --csv or --events (selvane --help tells more)</source>
        <translation>nic do zrobienia: podaj --ics, --pdf, --csv lub --events (więcej mówi selvane --help)</translation>
    </message>
    <message>
        <source>one job at a time: give only one of --ics, --pdf, --csv and --events</source>
        <translation>jedno zadanie naraz: podaj tylko jedno z --ics, --pdf, --csv i --events</translation>
    </message>
</context>
<context>
    <name>selvane::ExportMoonCalendar</name>
    <message>
        <source>Saved the calendar file as %1.</source>
        <translation>Zapisano plik kalendarza jako %1.</translation>
    </message>
</context>
<context>
    <name>selvane::HotSpotLabel</name>
    <message>
        <source>Drag it to move the window</source>
        <translation>Przeciągnij, aby przesunąć okno</translation>
    </message>
</context>
<context>
    <name>selvane::MainAccessibility</name>
    <message>
        <source>Right ascension</source>
        <translation>Rektascensja</translation>
    </message>
    <message>
        <source>Declination</source>
        <translation>Deklinacja</translation>
    </message>
    <message>
        <source>Parallax</source>
        <translation>Paralaksa</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Średnica</translation>
    </message>
    <message>
        <source>Sun azimuth</source>
        <translation>Azymut Słońca</translation>
    </message>
    <message>
        <source>Sun altitude</source>
        <translation>Wysokość Słońca</translation>
    </message>
    <message>
        <source>Moon azimuth</source>
        <translation>Azymut Księżyca</translation>
    </message>
    <message>
        <source>Moon altitude</source>
        <translation>Wysokość Księżyca</translation>
    </message>
    <message>
        <source>Position angle</source>
        <translation>Kąt pozycyjny</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Oświetlenie</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Wiek</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Odległość</translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation>Apogeum</translation>
    </message>
    <message>
        <source>Apogee distance</source>
        <translation>Odległość w apogeum</translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation>Perygeum</translation>
    </message>
    <message>
        <source>Perigee distance</source>
        <translation>Odległość w perygeum</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Wschód Słońca</translation>
    </message>
    <message>
        <source>Sun transit</source>
        <translation>Górowanie Słońca</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Zachód Słońca</translation>
    </message>
    <message>
        <source>Civil twilight start</source>
        <translation>Początek świtu cywilnego</translation>
    </message>
    <message>
        <source>Civil twilight end</source>
        <translation>Koniec zmierzchu cywilnego</translation>
    </message>
    <message>
        <source>Nautical twilight start</source>
        <translation>Początek świtu żeglarskiego</translation>
    </message>
    <message>
        <source>Nautical twilight end</source>
        <translation>Koniec zmierzchu żeglarskiego</translation>
    </message>
    <message>
        <source>Astronomical twilight start</source>
        <translation>Początek świtu astronomicznego</translation>
    </message>
    <message>
        <source>Astronomical twilight end</source>
        <translation>Koniec zmierzchu astronomicznego</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Nów</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Pierwsza kwadra</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Pełnia</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Ostatnia kwadra</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Wschód Księżyca</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Górowanie Księżyca</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Zachód Księżyca</translation>
    </message>
    <message>
        <source>Calendar, %1 %2</source>
        <comment>the month&apos;s name and year</comment>
        <translation>Kalendarz, %1 %2</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <comment>weekday, day, month and year: Friday 15 March 2024</comment>
        <translation>%1, %2 %3 %4</translation>
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
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Faza</translation>
    </message>
    <message>
        <source>Local sidereal time</source>
        <translation>Miejscowy czas gwiazdowy</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Księżyc</translation>
    </message>
    <message>
        <source>Moon, %1, %2 % lit</source>
        <comment>the phase&apos;s name and the lit percent</comment>
        <translation>Księżyc, %1, oświetlenie %2 %</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Kąt fazowy</translation>
    </message>
</context>
<context>
    <name>selvane::MoonCalendar</name>
    <message>
        <source>%1 Moon %2</source>
        <extracomment>The calendar file&apos;s name: the program&apos;s name, then a year or a month.</extracomment>
        <translation>%1 Księżyc %2</translation>
    </message>
</context>
<context>
    <name>selvane::MoonExport</name>
    <message>
        <source>Export the Moon&apos;s phases, perigees and apogees to a calendar file for your calendar program:</source>
        <translation>Eksportuj fazy Księżyca, perygea i apogea do pliku dla programu kalendarza:</translation>
    </message>
    <message>
        <source>All of %1</source>
        <translation>Cały rok %1</translation>
    </message>
    <message>
        <source>With each day&apos;s moonrise and moonset</source>
        <translation>Ze wschodem i zachodem Księżyca każdego dnia</translation>
    </message>
    <message>
        <source>Export the Moon to a calendar file</source>
        <translation>Eksportuj Księżyc do pliku kalendarza</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Pliki kalendarza (*.ics)</translation>
    </message>
</context>
<context>
    <name>selvane::MoonTexts</name>
    <message>
        <source>New Moon</source>
        <translation>Nów</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Ubywający sierp</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Ostatnia kwadra</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Ubywający garb</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Pełnia</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Przybywający garb</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Pierwsza kwadra</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Przybywający sierp</translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation>Perygeum</translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation>Apogeum</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Wschód Księżyca</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Zachód Księżyca</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Górow.:</translation>
    </message>
    <message>
        <source>Moonrise:</source>
        <translation>Wsch. K.:</translation>
    </message>
    <message>
        <source>Moonset:</source>
        <translation>Zach. K.:</translation>
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
        <translation>Czas gw.: %1</translation>
    </message>
</context>
<context>
    <name>selvane::Pictures</name>
    <message>
        <source>Rise/Set Times</source>
        <translation>Wschody i zachody</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Słońce</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Zmierzch</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Księżyc</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>Obserwator</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendarz</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Opcje wydruku</translation>
    </message>
    <message>
        <source>Printed Calendar</source>
        <translation>Kalendarz drukowany</translation>
    </message>
    <message>
        <source>Monthly Rise/Set Times</source>
        <translation>Wschody i zachody</translation>
    </message>
    <message>
        <source>A Moon calendar for Linux</source>
        <translation>Kalendarz księżycowy dla Linuksa</translation>
    </message>
    <message>
        <source>by the Selvane developers</source>
        <translation>autorstwa twórców Selvane</translation>
    </message>
    <message>
        <source>after J. Meeus, Astronomical Algorithms</source>
        <translation>wg J. Meeusa, Astronomical Algorithms</translation>
    </message>
    <message>
        <source>Lunar Resources</source>
        <translation>Księżyc w sieci</translation>
    </message>
    <message>
        <source>Missions</source>
        <translation>Misje</translation>
    </message>
</context>
<context>
    <name>selvane::PlacePopup</name>
    <message>
        <source>No place found</source>
        <translation>Nie znaleziono miejsca</translation>
    </message>
</context>
<context>
    <name>selvane::PrintCal</name>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Półkula północna</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Półkula południowa</translation>
    </message>
    <message>
        <source>%1:     Latitude: %2,  Longitude: %3</source>
        <extracomment>The printed location line: the hemisphere, the latitude and the longitude.</extracomment>
        <translation>%1:     Szerokość: %2,  Długość: %3</translation>
    </message>
    <message>
        <source>Printed by %1 %2 (%3)</source>
        <extracomment>The printed footer: the program&apos;s name, its version and its home page.</extracomment>
        <translation>Wydrukowano programem %1 %2 (%3)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Wsch.</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Gór.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Zach.</translation>
    </message>
    <message>
        <source>Illum.</source>
        <translation>Ośw.</translation>
    </message>
    <message>
        <source>Ast.</source>
        <translation>Astr.</translation>
    </message>
    <message>
        <source>Naut.</source>
        <translation>Żegl.</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Cyw.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Księżyc</translation>
    </message>
    <message>
        <source>Twilight Start</source>
        <translation>Świt</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Słońce</translation>
    </message>
    <message>
        <source>Twilight End</source>
        <translation>Zmierzch</translation>
    </message>
    <message>
        <source>SR:</source>
        <translation>WS</translation>
    </message>
    <message>
        <source>ST:</source>
        <translation>GS</translation>
    </message>
    <message>
        <source>SS:</source>
        <translation>ZS</translation>
    </message>
    <message>
        <source>MR:</source>
        <translation>WK</translation>
    </message>
    <message>
        <source>MT:</source>
        <translation>GK</translation>
    </message>
    <message>
        <source>MS:</source>
        <translation>ZK</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Nów</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Pierwsza kwadra</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Pełnia</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Ostatnia kwadra</translation>
    </message>
</context>
<context>
    <name>selvane::PrintJob</name>
    <message>
        <source>Cannot write &quot;%1&quot;: the page could not be drawn.</source>
        <translation>Nie można zapisać „%1”: nie udało się narysować strony.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reports an error. The page was not printed.</source>
        <translation>Drukarka „%1” zgłasza błąd. Strona nie została wydrukowana.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not accept jobs. The page was not printed.</source>
        <translation>Drukarka „%1” nie przyjmuje zadań. Strona nie została wydrukowana.</translation>
    </message>
    <message>
        <source>The printer could not be opened. The page was not printed.</source>
        <translation>Nie udało się otworzyć drukarki. Strona nie została wydrukowana.</translation>
    </message>
    <message>
        <source>The printer reported an error. The page may not have been printed.</source>
        <translation>Drukarka zgłosiła błąd. Strona mogła nie zostać wydrukowana.</translation>
    </message>
    <message>
        <source>No printer is installed: save the page as a PDF file</source>
        <translation>Brak zainstalowanej drukarki: zapisz stronę jako plik PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 Time Table %2</source>
        <extracomment>The time table&apos;s document and file name: the program&apos;s name, then the month and year.</extracomment>
        <translation>%1 Tabela czasów %2</translation>
    </message>
    <message>
        <source>Saved the page as %1.</source>
        <translation>Zapisano stronę jako %1.</translation>
    </message>
</context>
<context>
    <name>selvane::Settings</name>
    <message>
        <source>North</source>
        <translation>Płn.</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Płd.</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Wsch.</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Zach.</translation>
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
        <translation>czas letni</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written, so this change will not survive a restart.</source>
        <translation>Nie udało się zapisać pliku ustawień %1, więc ta zmiana przepadnie po ponownym uruchomieniu.</translation>
    </message>
</context>
<context>
    <name>selvane::TAbout</name>
    <message>
        <source>About Selvane</source>
        <translation>O programie Selvane</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
</context>
<context>
    <name>selvane::TLunarSites</name>
    <message>
        <source>Lunar Resources</source>
        <translation>Księżyc w sieci</translation>
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
        <translation>Misje</translation>
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
        <translation>Odnośniki</translation>
    </message>
</context>
<context>
    <name>selvane::TMonthSelect</name>
    <message>
        <source>Months</source>
        <translation>Miesiące</translation>
    </message>
</context>
<context>
    <name>selvane::TPrintOptions</name>
    <message>
        <source>Daily Phases</source>
        <translation>Fazy dzienne</translation>
    </message>
    <message>
        <source>Major Phases</source>
        <translation>Fazy główne</translation>
    </message>
    <message>
        <source>Moon&apos;s Rise/Transit Set Times</source>
        <translation>Księżyc: wschód, gór., zachód</translation>
    </message>
    <message>
        <source>Sun&apos;s Rise/Transit/Set Times</source>
        <translation>Słońce: wschód, gór., zachód</translation>
    </message>
    <message>
        <source>Daily Phase Density:</source>
        <translation>Gęstość cienia:</translation>
    </message>
    <message>
        <source>Error reading registry</source>
        <translation>Błąd odczytu ustawień</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Opcje wydruku</translation>
    </message>
    <message>
        <source>Moon&apos;s Rise/Transit/Set Times</source>
        <translation>Księżyc: wschód, gór., zachód</translation>
    </message>
    <message>
        <source>Daily Phase Density</source>
        <translation>Gęstość cienia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Stores the choices and prints the calendar</source>
        <translation>Zapisuje wybór i drukuje kalendarz</translation>
    </message>
</context>
<context>
    <name>selvane::TRiseSetTimeList</name>
    <message>
        <source>Moon</source>
        <translation>Księżyc</translation>
    </message>
    <message>
        <source>Twilight Start</source>
        <translation>Świt</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Słońce</translation>
    </message>
    <message>
        <source>Twilight End</source>
        <translation>Zmierzch</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Wsch.</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Gór.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Zach.</translation>
    </message>
    <message>
        <source>Illum.</source>
        <translation>Ośw.</translation>
    </message>
    <message>
        <source>Ast.</source>
        <translation>Astr.</translation>
    </message>
    <message>
        <source>Naut.</source>
        <translation>Żegl.</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Cyw.</translation>
    </message>
    <message>
        <source>Times of the month</source>
        <translation>Czasy zjawisk w miesiącu</translation>
    </message>
    <message>
        <source>Print the time table</source>
        <translation>Drukuj tabelę czasów</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Przewiń w górę</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Przewiń w dół</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Strefa czasowa</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a column&apos;s group and title: Moon Rise, Twilight Start Ast.</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Dni miesiąca</translation>
    </message>
</context>
<context>
    <name>selvane::TSelvane</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1” nie jest poprawną liczbą całkowitą</translation>
    </message>
    <message>
        <source>Years 1 to 9999</source>
        <translation>Lata od 1 do 9999</translation>
    </message>
    <message>
        <source>Visible:</source>
        <translation>Oświetl.:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Wiek:</translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Odległ.:</translation>
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
        <translation>Paral.:</translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation>Średnica:</translation>
    </message>
    <message>
        <source>Apogee:</source>
        <translation>Apog.:</translation>
    </message>
    <message>
        <source>Perigee:</source>
        <translation>Peryg.:</translation>
    </message>
    <message>
        <source>Sunrise:</source>
        <translation>Wschód:</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Górow.:</translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation>Zachód:</translation>
    </message>
    <message>
        <source>MoonRise:</source>
        <translation>Wsch. K.:</translation>
    </message>
    <message>
        <source>MoonSet:</source>
        <translation>Zach. K.:</translation>
    </message>
    <message>
        <source>Civil:</source>
        <translation>Cywilny:</translation>
    </message>
    <message>
        <source>Nautical:</source>
        <translation>Żeglarski:</translation>
    </message>
    <message>
        <source>Astronomical:</source>
        <translation>Astronomiczny:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Koniec</translation>
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
        <translation>KP:</translation>
    </message>
    <message>
        <source>Ph.A:</source>
        <translation>KF:</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A date in the status strip: the day, the month&apos;s name and the year.</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Print Lunar Calendar</source>
        <translation>Drukuj kalendarz księżycowy</translation>
    </message>
    <message>
        <source>Display data for the month</source>
        <translation>Pokaż dane miesiąca</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Strona domowa</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>About Selvane</source>
        <translation>O programie Selvane</translation>
    </message>
    <message>
        <source>Northern/Southern Hemisphere switch</source>
        <translation>Przełącz półkulę północną/południową</translation>
    </message>
    <message>
        <source>Cannot find Help File</source>
        <translation>Nie znaleziono pliku pomocy</translation>
    </message>
    <message>
        <source>Selvane</source>
        <translation>Selvane</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Links to pages about the Moon</source>
        <translation>Odnośniki do stron o Księżycu</translation>
    </message>
    <message>
        <source>Turns the Moon picture for the other hemisphere</source>
        <translation>Odwraca obraz Księżyca dla drugiej półkuli</translation>
    </message>
    <message>
        <source>Choose another month</source>
        <translation>Wybierz inny miesiąc</translation>
    </message>
    <message>
        <source>Type another year</source>
        <translation>Wpisz inny rok</translation>
    </message>
</context>
<context>
    <name>selvane::TfConfig</name>
    <message>
        <source>Sunday - Saturday</source>
        <translation>Niedziela - Sobota</translation>
    </message>
    <message>
        <source>Monday - Sunday</source>
        <translation>Poniedziałek - Niedziela</translation>
    </message>
    <message>
        <source>Tuesday - Monday</source>
        <translation>Wtorek - Poniedziałek</translation>
    </message>
    <message>
        <source>Wednesday - Tuesday</source>
        <translation>Środa - Wtorek</translation>
    </message>
    <message>
        <source>Thursday - Wednesday</source>
        <translation>Czwartek - Środa</translation>
    </message>
    <message>
        <source>Friday - Thursday</source>
        <translation>Piątek - Czwartek</translation>
    </message>
    <message>
        <source>Saturday - Friday</source>
        <translation>Sobota - Piątek</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <extracomment>The time list&apos;s date layouts: d the day, m the month, y the year; &quot;/&quot; stands for the locale&apos;s date separator.</extracomment>
        <translation>dd.mm.rrrr</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm.dd.rrrr</translation>
    </message>
    <message>
        <source>Latitide:</source>
        <translation>Szerokość:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Długość:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Miejsce:</translation>
    </message>
    <message>
        <source>Day Order: </source>
        <translation>Tydzień: </translation>
    </message>
    <message>
        <source>Date Format:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Zone Name:</source>
        <translation>Strefa:</translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation>Przes.:</translation>
    </message>
    <message>
        <source>DST:</source>
        <translation>CL:</translation>
    </message>
    <message>
        <source>Fixed offset (below)</source>
        <translation>Stałe przesunięcie (niżej)</translation>
    </message>
    <message>
        <source>This computer&apos;s zone (%1)</source>
        <translation>Strefa tego komputera (%1)</translation>
    </message>
    <message>
        <source>%1 (unknown here)</source>
        <translation>%1 (tu nieznana)</translation>
    </message>
    <message>
        <source>Valid Range is 0 - %1</source>
        <translation>Dozwolony zakres: 0 - %1</translation>
    </message>
    <message>
        <source>Error reading Registry</source>
        <translation>Błąd odczytu ustawień</translation>
    </message>
    <message>
        <source>Choose a place from the list to set its position</source>
        <translation>Wybierz miejsce z listy, aby ustawić jego położenie</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Szerokość, stopnie</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Szerokość, minuty</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>Szerokość, sekundy</translation>
    </message>
    <message>
        <source>Latitude direction</source>
        <translation>Szerokość, kierunek</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Długość, stopnie</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Długość, minuty</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>Długość, sekundy</translation>
    </message>
    <message>
        <source>Longitude direction</source>
        <translation>Długość, kierunek</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Miejsce</translation>
    </message>
    <message>
        <source>Day Order</source>
        <translation>Początek tygodnia</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Format daty</translation>
    </message>
    <message>
        <source>Zone Name</source>
        <translation>Strefa czasowa</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Przesunięcie czasu</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Czas letni</translation>
    </message>
    <message>
        <source>Up or Down switches between North and South</source>
        <translation>Strzałki w górę i w dół przełączają między północą a południem</translation>
    </message>
    <message>
        <source>Up or Down switches between East and West</source>
        <translation>Strzałki w górę i w dół przełączają między wschodem a zachodem</translation>
    </message>
    <message>
        <source>Type two or more letters of a place&apos;s name to choose it from a list</source>
        <translation>Wpisz co najmniej dwie litery nazwy miejsca, aby wybrać je z listy</translation>
    </message>
    <message>
        <source>A named zone leaves Time Zone and daylight saving to the zone&apos;s own rules</source>
        <translation>Strefa z nazwą zostawia przesunięcie i czas letni regułom samej strefy</translation>
    </message>
</context>
<context>
    <name>selvane::YearEntry</name>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>Four digits; Enter takes the year, Escape keeps the one shown</source>
        <translation>Cztery cyfry; Enter przyjmuje rok, Esc zostawia wyświetlany</translation>
    </message>
</context>
</TS>
