<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>GreatEventTexts</name>
    <message>
        <source>Penumbral lunar eclipse</source>
        <translation>Eclipse penumbral de Luna</translation>
    </message>
    <message>
        <source>Partial lunar eclipse</source>
        <translation>Eclipse parcial de Luna</translation>
    </message>
    <message>
        <source>Total lunar eclipse</source>
        <translation>Eclipse total de Luna</translation>
    </message>
    <message>
        <source>Partial solar eclipse</source>
        <translation>Eclipse parcial de Sol</translation>
    </message>
    <message>
        <source>Annular solar eclipse</source>
        <translation>Eclipse anular de Sol</translation>
    </message>
    <message>
        <source>Total solar eclipse</source>
        <translation>Eclipse total de Sol</translation>
    </message>
    <message>
        <source>Hybrid solar eclipse</source>
        <translation>Eclipse híbrido de Sol</translation>
    </message>
    <message>
        <source>Supermoon</source>
        <translation>Superluna</translation>
    </message>
    <message>
        <source>Blue moon</source>
        <translation>Luna azul</translation>
    </message>
    <message>
        <source>Partial here, magnitude %1, %2 % of the Sun covered</source>
        <translation>Parcial aquí, magnitud %1, %2 % del Sol cubierto</translation>
    </message>
    <message>
        <source>Annular here, magnitude %1, %2 % of the Sun covered</source>
        <translation>Anular aquí, magnitud %1, %2 % del Sol cubierto</translation>
    </message>
    <message>
        <source>Total here, magnitude %1, %2 % of the Sun covered</source>
        <translation>Total aquí, magnitud %1, %2 % del Sol cubierto</translation>
    </message>
    <message>
        <source>Penumbral magnitude %1, visible here</source>
        <translation>Magnitud penumbral %1, visible aquí</translation>
    </message>
    <message>
        <source>Penumbral magnitude %1, not visible here</source>
        <translation>Magnitud penumbral %1, no visible aquí</translation>
    </message>
    <message>
        <source>Umbral magnitude %1, visible here</source>
        <translation>Magnitud umbral %1, visible aquí</translation>
    </message>
    <message>
        <source>Umbral magnitude %1, not visible here</source>
        <translation>Magnitud umbral %1, no visible aquí</translation>
    </message>
    <message>
        <source>Distance %1 km</source>
        <translation>Distancia %1 km</translation>
    </message>
    <message>
        <source>The second Full Moon of the month</source>
        <translation>La segunda luna llena del mes</translation>
    </message>
    <message>
        <source>Not visible here</source>
        <translation>No visible aquí</translation>
    </message>
    <message>
        <source>%1, Full Moon at %2</source>
        <translation>%1, luna llena a las %2</translation>
    </message>
    <message>
        <source>%1, greatest here at %2</source>
        <translation>%1, máximo aquí a las %2</translation>
    </message>
    <message>
        <source>%1, greatest at %2</source>
        <translation>%1, máximo a las %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>an event in the calendar file: its title and what is seen</comment>
        <translation>%1. %2.</translation>
    </message>
    <message>
        <source>Greatest eclipse here %1 UT.</source>
        <translation>Máximo del eclipse aquí: %1 TU.</translation>
    </message>
    <message>
        <source>Greatest eclipse %1 UT.</source>
        <translation>Máximo del eclipse: %1 TU.</translation>
    </message>
    <message>
        <source>%1 %2, %3: %4. %5</source>
        <translation>%1 de %2, %3: %4. %5</translation>
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
        <translation>No se puede escribir «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>selvane::CommandLine</name>
    <message>
        <source>With --ics: add each day&apos;s moonrise and moonset at the place.</source>
        <translation>Con --ics: añade la salida y la puesta de la Luna de cada día en el lugar.</translation>
    </message>
    <message>
        <source>Write the printed lunar calendar or time table of the month given as argument as a PDF file. Needs --output.</source>
        <translation>Escribe el calendario lunar impreso o la tabla de horas del mes dado como argumento en un archivo PDF. Requiere --output.</translation>
    </message>
    <message>
        <source>Write the month&apos;s time table (2024-03) as comma-separated values: a header line, then one line per day.</source>
        <translation>Escribe la tabla de horas del mes (2024-03) como valores separados por comas: una línea de encabezado y luego una línea por día.</translation>
    </message>
    <message>
        <source>Write to this file, whole or not at all, instead of standard output (&quot;-&quot;).</source>
        <translation>Escribe en este archivo, entero o nada, en lugar de la salida estándar («-»).</translation>
    </message>
    <message>
        <source>The latitude in decimal degrees, north positive (51.4772), instead of the settings&apos;.</source>
        <translation>La latitud en grados decimales, positiva al norte (40.4168), en lugar de la de la configuración.</translation>
    </message>
    <message>
        <source>The longitude in decimal degrees, east positive (-0.0014), instead of the settings&apos;.</source>
        <translation>La longitud en grados decimales, positiva al este (-3.7038), en lugar de la de la configuración.</translation>
    </message>
    <message>
        <source>The time zone by its IANA name (Europe/London) instead of the settings&apos;.</source>
        <translation>La zona horaria por su nombre IANA (Europe/Madrid) en lugar de la de la configuración.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>%1 takes a year or a month (2025 or 2025-03), not &quot;%2&quot;</source>
        <translation>%1 espera un año o un mes (2025 o 2025-03), no «%2»</translation>
    </message>
    <message>
        <source>%1 takes a month (2024-03), not &quot;%2&quot;</source>
        <translation>%1 espera un mes (2024-03), no «%2»</translation>
    </message>
    <message>
        <source>year %1 is outside 1 to 9999 (%2 %3)</source>
        <translation>el año %1 no está entre 1 y 9999 (%2 %3)</translation>
    </message>
    <message>
        <source>month %1 is outside 1 to 12 (%2 %3)</source>
        <translation>el mes %1 no está entre 1 y 12 (%2 %3)</translation>
    </message>
    <message>
        <source>%1 takes decimal degrees, not &quot;%2&quot;</source>
        <translation>%1 espera grados decimales, no «%2»</translation>
    </message>
    <message>
        <source>%1 %2 is outside -%3 to %3 degrees</source>
        <translation>%1 %2 no está entre -%3 y %3 grados</translation>
    </message>
    <message>
        <source>unknown time zone &quot;%1&quot; (give an IANA name such as Europe/London)</source>
        <translation>zona horaria desconocida «%1» (indique un nombre IANA como Europe/Madrid)</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>no se puede escribir en la salida estándar</translation>
    </message>
    <message>
        <source>With --pdf: the month, as 2024-03.</source>
        <translation>Con --pdf: el mes, por ejemplo 2024-03.</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 aparece más de una vez</translation>
    </message>
    <message>
        <source>--with-rise-set goes with --ics</source>
        <translation>--with-rise-set va con --ics</translation>
    </message>
    <message>
        <source>--pdf makes a calendar or a table, not &quot;%1&quot;</source>
        <translation>--pdf hace un calendario (calendar) o una tabla (table), no «%1»</translation>
    </message>
    <message>
        <source>--pdf %1 needs a month, as 2024-03</source>
        <translation>--pdf %1 necesita un mes, por ejemplo 2024-03</translation>
    </message>
    <message>
        <source>--pdf needs --output and a file name</source>
        <translation>--pdf necesita --output y un nombre de archivo</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>Write the New Moons, quarters, Full Moons, perigees, apogees, eclipses, supermoons and blue moons of a year (2025) or a month (2025-03) as an iCalendar file.</source>
        <translation>Escribe las lunas nuevas, cuartos, lunas llenas, perigeos, apogeos, eclipses, superlunas y lunas azules de un año (2025) o de un mes (2025-03) en un archivo iCalendar.</translation>
    </message>
    <message>
        <source>Write the eclipses, supermoons and blue moons of a year (2026) or a month (2026-08) at the place as comma-separated values: the header line kind,local_date,local_time,ut,magnitude,visible, then one line per event.</source>
        <translation>Escribe los eclipses, superlunas y lunas azules de un año (2026) o de un mes (2026-08) en el lugar como valores separados por comas: la línea de encabezado kind,local_date,local_time,ut,magnitude,visible y luego una línea por evento.</translation>
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
        <translation>Selvane, un calendario lunar. Sin opciones abre su ventana. Con --ics, --pdf,
--csv o --events escribe el archivo y termina, sin ventana ni pantalla. El
lugar y la zona horaria vienen del archivo de configuración (que solo se lee,
nunca se escribe), salvo que --lat, --lon y --zone digan otra cosa.

Ejemplos:
  selvane --ics 2025 --output luna-2025.ics
  selvane --ics 2025-03 --with-rise-set --output marzo.ics
  selvane --pdf calendar 2024-03 --output marzo.pdf
  selvane --pdf table 2024-03 --output marzo-tabla.pdf
  selvane --csv 2024-03 --lat 40.4168 --lon -3.7038 --zone Europe/Madrid
  selvane --events 2026 --lat 40.4168 --lon -3.7038 --zone Europe/Madrid

Estado de salida: 0 si todo fue bien; 2 si un argumento es erróneo o la salida
no se puede escribir, con una línea en la salida de errores, y entonces no se
escribe nada.</translation>
    </message>
    <message>
        <source>%1 takes decimal degrees with a decimal point, not a comma: write &quot;%2&quot;, not &quot;%3&quot;</source>
        <translation>%1 espera grados decimales con punto decimal, no con coma: escriba «%2», no «%3»</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>opción desconocida «%1» (véase --help)</translation>
    </message>
    <message>
        <source>nothing to do: give --ics, --pdf, --csv or --events (selvane --help tells more)</source>
        <translation>nada que hacer: indique --ics, --pdf, --csv o --events (selvane --help da más detalles)</translation>
    </message>
    <message>
        <source>one job at a time: give only one of --ics, --pdf, --csv and --events</source>
        <translation>una tarea cada vez: indique solo una de --ics, --pdf, --csv y --events</translation>
    </message>
</context>
<context>
    <name>selvane::ExportMoonCalendar</name>
    <message>
        <source>Saved the calendar file as %1.</source>
        <translation>Archivo de calendario guardado como %1.</translation>
    </message>
</context>
<context>
    <name>selvane::HotSpotLabel</name>
    <message>
        <source>Drag it to move the window</source>
        <translation>Arrástrelo para mover la ventana</translation>
    </message>
</context>
<context>
    <name>selvane::MainAccessibility</name>
    <message>
        <source>Right ascension</source>
        <translation>Ascensión recta</translation>
    </message>
    <message>
        <source>Declination</source>
        <translation>Declinación</translation>
    </message>
    <message>
        <source>Parallax</source>
        <translation>Paralaje</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>Sun azimuth</source>
        <translation>Azimut del Sol</translation>
    </message>
    <message>
        <source>Sun altitude</source>
        <translation>Altura del Sol</translation>
    </message>
    <message>
        <source>Moon azimuth</source>
        <translation>Azimut de la Luna</translation>
    </message>
    <message>
        <source>Moon altitude</source>
        <translation>Altura de la Luna</translation>
    </message>
    <message>
        <source>Position angle</source>
        <translation>Ángulo de posición</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Edad</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation>Apogeo</translation>
    </message>
    <message>
        <source>Apogee distance</source>
        <translation>Distancia en el apogeo</translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation>Perigeo</translation>
    </message>
    <message>
        <source>Perigee distance</source>
        <translation>Distancia en el perigeo</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Salida del Sol</translation>
    </message>
    <message>
        <source>Sun transit</source>
        <translation>Tránsito del Sol</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Puesta del Sol</translation>
    </message>
    <message>
        <source>Civil twilight start</source>
        <translation>Inicio del crepúsculo civil</translation>
    </message>
    <message>
        <source>Civil twilight end</source>
        <translation>Fin del crepúsculo civil</translation>
    </message>
    <message>
        <source>Nautical twilight start</source>
        <translation>Inicio del crepúsculo náutico</translation>
    </message>
    <message>
        <source>Nautical twilight end</source>
        <translation>Fin del crepúsculo náutico</translation>
    </message>
    <message>
        <source>Astronomical twilight start</source>
        <translation>Inicio del crepúsculo astronómico</translation>
    </message>
    <message>
        <source>Astronomical twilight end</source>
        <translation>Fin del crepúsculo astronómico</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Cuarto creciente</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Cuarto menguante</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Salida de la Luna</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Tránsito de la Luna</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Puesta de la Luna</translation>
    </message>
    <message>
        <source>Calendar, %1 %2</source>
        <comment>the month&apos;s name and year</comment>
        <translation>Calendario, %1 %2</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <comment>weekday, day, month and year: Friday 15 March 2024</comment>
        <translation>%1, %2 de %3 de %4</translation>
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
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Local sidereal time</source>
        <translation>Tiempo sidéreo local</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Moon, %1, %2 % lit</source>
        <comment>the phase&apos;s name and the lit percent</comment>
        <translation>Luna, %1, iluminada al %2 %</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Ángulo de fase</translation>
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
        <translation>Exportar las fases, perigeos y apogeos de la Luna a un archivo para su programa de calendario:</translation>
    </message>
    <message>
        <source>All of %1</source>
        <translation>Todo %1</translation>
    </message>
    <message>
        <source>With each day&apos;s moonrise and moonset</source>
        <translation>Con la salida y la puesta de la Luna de cada día</translation>
    </message>
    <message>
        <source>Export the Moon to a calendar file</source>
        <translation>Exportar la Luna a un archivo de calendario</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Archivos de calendario (*.ics)</translation>
    </message>
</context>
<context>
    <name>selvane::MoonTexts</name>
    <message>
        <source>New Moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Luna menguante</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Cuarto menguante</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Gibosa menguante</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Gibosa creciente</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Cuarto creciente</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Luna creciente</translation>
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
        <translation>Salida de la Luna</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Puesta de la Luna</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Tránsito:</translation>
    </message>
    <message>
        <source>Moonrise:</source>
        <translation>Salida L.:</translation>
    </message>
    <message>
        <source>Moonset:</source>
        <translation>Puesta L.:</translation>
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
        <translation>TSL: %1</translation>
    </message>
</context>
<context>
    <name>selvane::Pictures</name>
    <message>
        <source>Rise/Set Times</source>
        <translation>Salida y puesta</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Crepúsculo</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>Observador</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Impresión</translation>
    </message>
    <message>
        <source>Printed Calendar</source>
        <translation>Calendario impreso</translation>
    </message>
    <message>
        <source>Monthly Rise/Set Times</source>
        <translation>Salidas y puestas</translation>
    </message>
    <message>
        <source>A Moon calendar for Linux</source>
        <translation>Un calendario lunar para Linux</translation>
    </message>
    <message>
        <source>by the Selvane developers</source>
        <translation>por los desarrolladores de Selvane</translation>
    </message>
    <message>
        <source>after J. Meeus, Astronomical Algorithms</source>
        <translation>según Meeus, Astronomical Algorithms</translation>
    </message>
    <message>
        <source>Lunar Resources</source>
        <translation>Recursos lunares</translation>
    </message>
    <message>
        <source>Missions</source>
        <translation>Misiones</translation>
    </message>
</context>
<context>
    <name>selvane::PlacePopup</name>
    <message>
        <source>No place found</source>
        <translation>No se encontró ningún lugar</translation>
    </message>
</context>
<context>
    <name>selvane::PrintCal</name>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Hemisferio norte</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Hemisferio sur</translation>
    </message>
    <message>
        <source>%1:     Latitude: %2,  Longitude: %3</source>
        <extracomment>The printed location line: the hemisphere, the latitude and the longitude.</extracomment>
        <translation>%1:     Latitud: %2,  Longitud: %3</translation>
    </message>
    <message>
        <source>Printed by %1 %2 (%3)</source>
        <extracomment>The printed footer: the program&apos;s name, its version and its home page.</extracomment>
        <translation>Impreso con %1 %2 (%3)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Trán.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Puesta</translation>
    </message>
    <message>
        <source>Illum.</source>
        <translation>Ilum.</translation>
    </message>
    <message>
        <source>Ast.</source>
        <translation>Astr.</translation>
    </message>
    <message>
        <source>Naut.</source>
        <translation>Náut.</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Civil</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Twilight Start</source>
        <translation>Crep. matutino</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Twilight End</source>
        <translation>Crep. vespertino</translation>
    </message>
    <message>
        <source>SR:</source>
        <translation>SS:</translation>
    </message>
    <message>
        <source>ST:</source>
        <translation>TS:</translation>
    </message>
    <message>
        <source>SS:</source>
        <translation>PS:</translation>
    </message>
    <message>
        <source>MR:</source>
        <translation>SL:</translation>
    </message>
    <message>
        <source>MT:</source>
        <translation>TL:</translation>
    </message>
    <message>
        <source>MS:</source>
        <translation>PL:</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>C. creciente</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>C. menguante</translation>
    </message>
</context>
<context>
    <name>selvane::PrintJob</name>
    <message>
        <source>Cannot write &quot;%1&quot;: the page could not be drawn.</source>
        <translation>No se puede escribir «%1»: no se pudo dibujar la página.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reports an error. The page was not printed.</source>
        <translation>La impresora «%1» indica un error. La página no se ha impreso.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not accept jobs. The page was not printed.</source>
        <translation>La impresora «%1» no acepta trabajos. La página no se ha impreso.</translation>
    </message>
    <message>
        <source>The printer could not be opened. The page was not printed.</source>
        <translation>No se pudo abrir la impresora. La página no se ha impreso.</translation>
    </message>
    <message>
        <source>The printer reported an error. The page may not have been printed.</source>
        <translation>La impresora ha indicado un error. Puede que la página no se haya impreso.</translation>
    </message>
    <message>
        <source>No printer is installed: save the page as a PDF file</source>
        <translation>No hay ninguna impresora instalada: guardar la página como archivo PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 Time Table %2</source>
        <extracomment>The time table&apos;s document and file name: the program&apos;s name, then the month and year.</extracomment>
        <translation>%1 Tabla de horas %2</translation>
    </message>
    <message>
        <source>Saved the page as %1.</source>
        <translation>Página guardada como %1.</translation>
    </message>
</context>
<context>
    <name>selvane::Settings</name>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
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
        <translation>horario de verano</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written, so this change will not survive a restart.</source>
        <translation>No se pudo escribir el archivo de configuración %1, así que este cambio se perderá al reiniciar.</translation>
    </message>
</context>
<context>
    <name>selvane::TAbout</name>
    <message>
        <source>About Selvane</source>
        <translation>Acerca de Selvane</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>selvane::TLunarSites</name>
    <message>
        <source>Lunar Resources</source>
        <translation>Recursos lunares</translation>
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
        <translation>Misiones</translation>
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
        <translation>Enlaces</translation>
    </message>
</context>
<context>
    <name>selvane::TMonthSelect</name>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
</context>
<context>
    <name>selvane::TPrintOptions</name>
    <message>
        <source>Daily Phases</source>
        <translation>Fases diarias</translation>
    </message>
    <message>
        <source>Major Phases</source>
        <translation>Fases principales</translation>
    </message>
    <message>
        <source>Moon&apos;s Rise/Transit Set Times</source>
        <translation>Luna: salida, tránsito, puesta</translation>
    </message>
    <message>
        <source>Sun&apos;s Rise/Transit/Set Times</source>
        <translation>Sol: salida, tránsito, puesta</translation>
    </message>
    <message>
        <source>Daily Phase Density:</source>
        <translation>Densidad sombra:</translation>
    </message>
    <message>
        <source>Error reading registry</source>
        <translation>Error al leer la configuración</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Opciones de impresión</translation>
    </message>
    <message>
        <source>Moon&apos;s Rise/Transit/Set Times</source>
        <translation>Luna: salida, tránsito, puesta</translation>
    </message>
    <message>
        <source>Daily Phase Density</source>
        <translation>Densidad de sombra</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Stores the choices and prints the calendar</source>
        <translation>Guarda las opciones e imprime el calendario</translation>
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
        <translation>Crep. matutino</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Twilight End</source>
        <translation>Crep. vespertino</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Trán.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Puesta</translation>
    </message>
    <message>
        <source>Illum.</source>
        <translation>Ilum.</translation>
    </message>
    <message>
        <source>Ast.</source>
        <translation>Astr.</translation>
    </message>
    <message>
        <source>Naut.</source>
        <translation>Náut.</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Civil</translation>
    </message>
    <message>
        <source>Times of the month</source>
        <translation>Horas del mes</translation>
    </message>
    <message>
        <source>Print the time table</source>
        <translation>Imprimir la tabla de horas</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Desplazar hacia arriba</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Desplazar hacia abajo</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a column&apos;s group and title: Moon Rise, Twilight Start Ast.</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Días del mes</translation>
    </message>
</context>
<context>
    <name>selvane::TSelvane</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>Years 1 to 9999</source>
        <translation>Años 1 a 9999</translation>
    </message>
    <message>
        <source>Visible:</source>
        <translation>Visible:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Edad:</translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Distancia:</translation>
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
        <translation>Paralaje:</translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation>Diámetro:</translation>
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
        <translation>Salida:</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Tránsito:</translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation>Puesta:</translation>
    </message>
    <message>
        <source>MoonRise:</source>
        <translation>Salida L.:</translation>
    </message>
    <message>
        <source>MoonSet:</source>
        <translation>Puesta L.:</translation>
    </message>
    <message>
        <source>Civil:</source>
        <translation>Civil:</translation>
    </message>
    <message>
        <source>Nautical:</source>
        <translation>Náutico:</translation>
    </message>
    <message>
        <source>Astronomical:</source>
        <translation>Astronómico:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
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
        <translation>Imprimir el calendario lunar</translation>
    </message>
    <message>
        <source>Display data for the month</source>
        <translation>Mostrar los datos del mes</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Página de inicio</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About Selvane</source>
        <translation>Acerca de Selvane</translation>
    </message>
    <message>
        <source>Northern/Southern Hemisphere switch</source>
        <translation>Cambiar entre hemisferio norte y sur</translation>
    </message>
    <message>
        <source>Cannot find Help File</source>
        <translation>No se encuentra el archivo de ayuda</translation>
    </message>
    <message>
        <source>Selvane</source>
        <translation>Selvane</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Links to pages about the Moon</source>
        <translation>Enlaces a páginas sobre la Luna</translation>
    </message>
    <message>
        <source>Turns the Moon picture for the other hemisphere</source>
        <translation>Gira la imagen de la Luna para el otro hemisferio</translation>
    </message>
    <message>
        <source>Choose another month</source>
        <translation>Elegir otro mes</translation>
    </message>
    <message>
        <source>Type another year</source>
        <translation>Escribir otro año</translation>
    </message>
</context>
<context>
    <name>selvane::TfConfig</name>
    <message>
        <source>Sunday - Saturday</source>
        <translation>Domingo - Sábado</translation>
    </message>
    <message>
        <source>Monday - Sunday</source>
        <translation>Lunes - Domingo</translation>
    </message>
    <message>
        <source>Tuesday - Monday</source>
        <translation>Martes - Lunes</translation>
    </message>
    <message>
        <source>Wednesday - Tuesday</source>
        <translation>Miércoles - Martes</translation>
    </message>
    <message>
        <source>Thursday - Wednesday</source>
        <translation>Jueves - Miércoles</translation>
    </message>
    <message>
        <source>Friday - Thursday</source>
        <translation>Viernes - Jueves</translation>
    </message>
    <message>
        <source>Saturday - Friday</source>
        <translation>Sábado - Viernes</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <extracomment>The time list&apos;s date layouts: d the day, m the month, y the year; &quot;/&quot; stands for the locale&apos;s date separator.</extracomment>
        <translation>dd/mm/aaaa</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/dd/aaaa</translation>
    </message>
    <message>
        <source>Latitide:</source>
        <translation>Latitud:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitud:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lugar:</translation>
    </message>
    <message>
        <source>Day Order: </source>
        <translation>Semana: </translation>
    </message>
    <message>
        <source>Date Format:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Zone Name:</source>
        <translation>Zona:</translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation>Desfase:</translation>
    </message>
    <message>
        <source>DST:</source>
        <translation>HV:</translation>
    </message>
    <message>
        <source>Fixed offset (below)</source>
        <translation>Desfase fijo (abajo)</translation>
    </message>
    <message>
        <source>This computer&apos;s zone (%1)</source>
        <translation>Zona de este equipo (%1)</translation>
    </message>
    <message>
        <source>%1 (unknown here)</source>
        <translation>%1 (desconocida aquí)</translation>
    </message>
    <message>
        <source>Valid Range is 0 - %1</source>
        <translation>Intervalo válido: 0 - %1</translation>
    </message>
    <message>
        <source>Error reading Registry</source>
        <translation>Error al leer la configuración</translation>
    </message>
    <message>
        <source>Choose a place from the list to set its position</source>
        <translation>Elija un lugar de la lista para fijar su posición</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Latitud, grados</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Latitud, minutos</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>Latitud, segundos</translation>
    </message>
    <message>
        <source>Latitude direction</source>
        <translation>Latitud, dirección</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Longitud, grados</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Longitud, minutos</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>Longitud, segundos</translation>
    </message>
    <message>
        <source>Longitude direction</source>
        <translation>Longitud, dirección</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Day Order</source>
        <translation>Inicio de semana</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Formato de fecha</translation>
    </message>
    <message>
        <source>Zone Name</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Desfase horario</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Horario de verano</translation>
    </message>
    <message>
        <source>Up or Down switches between North and South</source>
        <translation>Las flechas arriba y abajo cambian entre norte y sur</translation>
    </message>
    <message>
        <source>Up or Down switches between East and West</source>
        <translation>Las flechas arriba y abajo cambian entre este y oeste</translation>
    </message>
    <message>
        <source>Type two or more letters of a place&apos;s name to choose it from a list</source>
        <translation>Escriba dos o más letras del nombre de un lugar para elegirlo de una lista</translation>
    </message>
    <message>
        <source>A named zone leaves Time Zone and daylight saving to the zone&apos;s own rules</source>
        <translation>Una zona con nombre deja el desfase y el horario de verano a las reglas de la zona</translation>
    </message>
</context>
<context>
    <name>selvane::YearEntry</name>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Four digits; Enter takes the year, Escape keeps the one shown</source>
        <translation>Cuatro cifras; Intro acepta el año, Esc conserva el mostrado</translation>
    </message>
</context>
</TS>
