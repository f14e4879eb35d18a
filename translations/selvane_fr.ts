<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>GreatEventTexts</name>
    <message>
        <source>Penumbral lunar eclipse</source>
        <translation>Éclipse de Lune par la pénombre</translation>
    </message>
    <message>
        <source>Partial lunar eclipse</source>
        <translation>Éclipse partielle de Lune</translation>
    </message>
    <message>
        <source>Total lunar eclipse</source>
        <translation>Éclipse totale de Lune</translation>
    </message>
    <message>
        <source>Partial solar eclipse</source>
        <translation>Éclipse partielle de Soleil</translation>
    </message>
    <message>
        <source>Annular solar eclipse</source>
        <translation>Éclipse annulaire de Soleil</translation>
    </message>
    <message>
        <source>Total solar eclipse</source>
        <translation>Éclipse totale de Soleil</translation>
    </message>
    <message>
        <source>Hybrid solar eclipse</source>
        <translation>Éclipse hybride de Soleil</translation>
    </message>
    <message>
        <source>Supermoon</source>
        <translation>Super lune</translation>
    </message>
    <message>
        <source>Blue moon</source>
        <translation>Lune bleue</translation>
    </message>
    <message>
        <source>Partial here, magnitude %1, %2 % of the Sun covered</source>
        <translation>Partielle ici, grandeur %1, Soleil occulté à %2&#xa0;%</translation>
    </message>
    <message>
        <source>Annular here, magnitude %1, %2 % of the Sun covered</source>
        <translation>Annulaire ici, grandeur %1, Soleil occulté à %2&#xa0;%</translation>
    </message>
    <message>
        <source>Total here, magnitude %1, %2 % of the Sun covered</source>
        <translation>Totale ici, grandeur %1, Soleil occulté à %2&#xa0;%</translation>
    </message>
    <message>
        <source>Penumbral magnitude %1, visible here</source>
        <translation>Grandeur pénombrale %1, visible ici</translation>
    </message>
    <message>
        <source>Penumbral magnitude %1, not visible here</source>
        <translation>Grandeur pénombrale %1, invisible ici</translation>
    </message>
    <message>
        <source>Umbral magnitude %1, visible here</source>
        <translation>Grandeur ombrale %1, visible ici</translation>
    </message>
    <message>
        <source>Umbral magnitude %1, not visible here</source>
        <translation>Grandeur ombrale %1, invisible ici</translation>
    </message>
    <message>
        <source>Distance %1 km</source>
        <translation>Distance %1&#xa0;km</translation>
    </message>
    <message>
        <source>The second Full Moon of the month</source>
        <translation>La deuxième pleine lune du mois</translation>
    </message>
    <message>
        <source>Not visible here</source>
        <translation>Invisible ici</translation>
    </message>
    <message>
        <source>%1, Full Moon at %2</source>
        <translation>%1, pleine lune à %2</translation>
    </message>
    <message>
        <source>%1, greatest here at %2</source>
        <translation>%1, maximum ici à %2</translation>
    </message>
    <message>
        <source>%1, greatest at %2</source>
        <translation>%1, maximum à %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>an event in the calendar file: its title and what is seen</comment>
        <translation>%1. %2.</translation>
    </message>
    <message>
        <source>Greatest eclipse here %1 UT.</source>
        <translation>Maximum de l’éclipse ici&#xa0;: %1 TU.</translation>
    </message>
    <message>
        <source>Greatest eclipse %1 UT.</source>
        <translation>Maximum de l’éclipse&#xa0;: %1 TU.</translation>
    </message>
    <message>
        <source>%1 %2, %3: %4. %5</source>
        <translation>%1 %2, %3&#xa0;: %4. %5</translation>
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
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>selvane::CommandLine</name>
    <message>
        <source>With --ics: add each day&apos;s moonrise and moonset at the place.</source>
        <translation>Avec --ics&#xa0;: ajoute le lever et le coucher de la Lune de chaque jour au lieu.</translation>
    </message>
    <message>
        <source>Write the printed lunar calendar or time table of the month given as argument as a PDF file. Needs --output.</source>
        <translation>Écrit le calendrier lunaire imprimé ou le tableau des heures du mois donné en argument dans un fichier PDF. Demande --output.</translation>
    </message>
    <message>
        <source>Write the month&apos;s time table (2024-03) as comma-separated values: a header line, then one line per day.</source>
        <translation>Écrit le tableau des heures du mois (2024-03) en valeurs séparées par des virgules&#xa0;: une ligne d’en-tête, puis une ligne par jour.</translation>
    </message>
    <message>
        <source>Write to this file, whole or not at all, instead of standard output (&quot;-&quot;).</source>
        <translation>Écrit dans ce fichier, en entier ou pas du tout, au lieu de la sortie standard («&#xa0;-&#xa0;»).</translation>
    </message>
    <message>
        <source>The latitude in decimal degrees, north positive (51.4772), instead of the settings&apos;.</source>
        <translation>La latitude en degrés décimaux, positive au nord (48.8566), au lieu de celle des réglages.</translation>
    </message>
    <message>
        <source>The longitude in decimal degrees, east positive (-0.0014), instead of the settings&apos;.</source>
        <translation>La longitude en degrés décimaux, positive à l’est (2.3522), au lieu de celle des réglages.</translation>
    </message>
    <message>
        <source>The time zone by its IANA name (Europe/London) instead of the settings&apos;.</source>
        <translation>Le fuseau horaire par son nom IANA (Europe/Paris) au lieu de celui des réglages.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>%1 takes a year or a month (2025 or 2025-03), not &quot;%2&quot;</source>
        <translation>%1 attend une année ou un mois (2025 ou 2025-03), pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 takes a month (2024-03), not &quot;%2&quot;</source>
        <translation>%1 attend un mois (2024-03), pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>year %1 is outside 1 to 9999 (%2 %3)</source>
        <translation>l’année %1 n’est pas comprise entre 1 et 9999 (%2 %3)</translation>
    </message>
    <message>
        <source>month %1 is outside 1 to 12 (%2 %3)</source>
        <translation>le mois %1 n’est pas compris entre 1 et 12 (%2 %3)</translation>
    </message>
    <message>
        <source>%1 takes decimal degrees, not &quot;%2&quot;</source>
        <translation>%1 attend des degrés décimaux, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 %2 is outside -%3 to %3 degrees</source>
        <translation>%1 %2 n’est pas compris entre -%3 et %3 degrés</translation>
    </message>
    <message>
        <source>unknown time zone &quot;%1&quot; (give an IANA name such as Europe/London)</source>
        <translation>fuseau horaire inconnu «&#xa0;%1&#xa0;» (donnez un nom IANA comme Europe/Paris)</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>impossible d’écrire sur la sortie standard</translation>
    </message>
    <message>
        <source>With --pdf: the month, as 2024-03.</source>
        <translation>Avec --pdf&#xa0;: le mois, par exemple 2024-03.</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 est donné plus d’une fois</translation>
    </message>
    <message>
        <source>--with-rise-set goes with --ics</source>
        <translation>--with-rise-set va avec --ics</translation>
    </message>
    <message>
        <source>--pdf makes a calendar or a table, not &quot;%1&quot;</source>
        <translation>--pdf fait un calendrier (calendar) ou un tableau (table), pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--pdf %1 needs a month, as 2024-03</source>
        <translation>--pdf %1 demande un mois, par exemple 2024-03</translation>
    </message>
    <message>
        <source>--pdf needs --output and a file name</source>
        <translation>--pdf demande --output et un nom de fichier</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Write the New Moons, quarters, Full Moons, perigees, apogees, eclipses, supermoons and blue moons of a year (2025) or a month (2025-03) as an iCalendar file.</source>
        <translation>Écrit les nouvelles lunes, quartiers, pleines lunes, périgées, apogées, éclipses, super lunes et lunes bleues d’une année (2025) ou d’un mois (2025-03) dans un fichier iCalendar.</translation>
    </message>
    <message>
        <source>Write the eclipses, supermoons and blue moons of a year (2026) or a month (2026-08) at the place as comma-separated values: the header line kind,local_date,local_time,ut,magnitude,visible, then one line per event.</source>
        <translation>Écrit les éclipses, super lunes et lunes bleues d’une année (2026) ou d’un mois (2026-08) au lieu donné, en valeurs séparées par des virgules&#xa0;: la ligne d’en-tête kind,local_date,local_time,ut,magnitude,visible, puis une ligne par événement.</translation>
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
        <translation>Selvane, un calendrier lunaire. Sans option, il ouvre sa fenêtre. Avec --ics,
--pdf, --csv ou --events, il écrit le fichier et se termine, sans fenêtre ni
affichage.
Le lieu et le fuseau horaire viennent du fichier de réglages (seulement lu,
jamais écrit), sauf si --lat, --lon et --zone disent autre chose.

Exemples&#xa0;:
  selvane --ics 2025 --output lune-2025.ics
  selvane --ics 2025-03 --with-rise-set --output mars.ics
  selvane --pdf calendar 2024-03 --output mars.pdf
  selvane --pdf table 2024-03 --output mars-tableau.pdf
  selvane --csv 2024-03 --lat 48.8566 --lon 2.3522 --zone Europe/Paris
  selvane --events 2026 --lat 40.4168 --lon -3.7038 --zone Europe/Madrid

Code de sortie&#xa0;: 0 si tout va bien&#xa0;; 2 si un argument est faux ou si la sortie
ne peut être écrite, avec une ligne sur la sortie d’erreur&#xa0;; rien n’est alors
écrit.</translation>
    </message>
    <message>
        <source>%1 takes decimal degrees with a decimal point, not a comma: write &quot;%2&quot;, not &quot;%3&quot;</source>
        <translation>%1 attend des degrés décimaux avec un point décimal, pas une virgule&#xa0;: écrivez «&#xa0;%2&#xa0;», pas «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>option inconnue «&#xa0;%1&#xa0;» (voir --help)</translation>
    </message>
    <message>
        <source>nothing to do: give --ics, --pdf, --csv or --events (selvane --help tells more)</source>
        <translation>rien à faire&#xa0;: donnez --ics, --pdf, --csv ou --events (selvane --help en dit plus)</translation>
    </message>
    <message>
        <source>one job at a time: give only one of --ics, --pdf, --csv and --events</source>
        <translation>une tâche à la fois&#xa0;: donnez un seul de --ics, --pdf, --csv et --events</translation>
    </message>
</context>
<context>
    <name>selvane::ExportMoonCalendar</name>
    <message>
        <source>Saved the calendar file as %1.</source>
        <translation>Le fichier d’agenda a été enregistré sous %1.</translation>
    </message>
</context>
<context>
    <name>selvane::HotSpotLabel</name>
    <message>
        <source>Drag it to move the window</source>
        <translation>Faire glisser pour déplacer la fenêtre</translation>
    </message>
</context>
<context>
    <name>selvane::MainAccessibility</name>
    <message>
        <source>Right ascension</source>
        <translation>Ascension droite</translation>
    </message>
    <message>
        <source>Declination</source>
        <translation>Déclinaison</translation>
    </message>
    <message>
        <source>Parallax</source>
        <translation>Parallaxe</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>Sun azimuth</source>
        <translation>Azimut du Soleil</translation>
    </message>
    <message>
        <source>Sun altitude</source>
        <translation>Hauteur du Soleil</translation>
    </message>
    <message>
        <source>Moon azimuth</source>
        <translation>Azimut de la Lune</translation>
    </message>
    <message>
        <source>Moon altitude</source>
        <translation>Hauteur de la Lune</translation>
    </message>
    <message>
        <source>Position angle</source>
        <translation>Angle de position</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Âge</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation>Apogée</translation>
    </message>
    <message>
        <source>Apogee distance</source>
        <translation>Distance à l’apogée</translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation>Périgée</translation>
    </message>
    <message>
        <source>Perigee distance</source>
        <translation>Distance au périgée</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Lever du Soleil</translation>
    </message>
    <message>
        <source>Sun transit</source>
        <translation>Passage du Soleil au méridien</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du Soleil</translation>
    </message>
    <message>
        <source>Civil twilight start</source>
        <translation>Début de l’aube civile</translation>
    </message>
    <message>
        <source>Civil twilight end</source>
        <translation>Fin du crépuscule civil</translation>
    </message>
    <message>
        <source>Nautical twilight start</source>
        <translation>Début de l’aube nautique</translation>
    </message>
    <message>
        <source>Nautical twilight end</source>
        <translation>Fin du crépuscule nautique</translation>
    </message>
    <message>
        <source>Astronomical twilight start</source>
        <translation>Début de l’aube astronomique</translation>
    </message>
    <message>
        <source>Astronomical twilight end</source>
        <translation>Fin du crépuscule astronomique</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Premier quartier</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Dernier quartier</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Lever de la Lune</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Passage de la Lune au méridien</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Coucher de la Lune</translation>
    </message>
    <message>
        <source>Calendar, %1 %2</source>
        <comment>the month&apos;s name and year</comment>
        <translation>Calendrier, %1 %2</translation>
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
        <translation>Heure</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Local sidereal time</source>
        <translation>Temps sidéral local</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Moon, %1, %2 % lit</source>
        <comment>the phase&apos;s name and the lit percent</comment>
        <translation>Lune, %1, éclairée à %2&#xa0;%</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Angle de phase</translation>
    </message>
</context>
<context>
    <name>selvane::MoonCalendar</name>
    <message>
        <source>%1 Moon %2</source>
        <extracomment>The calendar file&apos;s name: the program&apos;s name, then a year or a month.</extracomment>
        <translation>%1 Lune %2</translation>
    </message>
</context>
<context>
    <name>selvane::MoonExport</name>
    <message>
        <source>Export the Moon&apos;s phases, perigees and apogees to a calendar file for your calendar program:</source>
        <translation>Exporter les phases, périgées et apogées de la Lune dans un fichier pour votre agenda&#xa0;:</translation>
    </message>
    <message>
        <source>All of %1</source>
        <translation>Toute l’année %1</translation>
    </message>
    <message>
        <source>With each day&apos;s moonrise and moonset</source>
        <translation>Avec le lever et le coucher de la Lune de chaque jour</translation>
    </message>
    <message>
        <source>Export the Moon to a calendar file</source>
        <translation>Exporter la Lune dans un fichier d’agenda</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Fichiers d’agenda (*.ics)</translation>
    </message>
</context>
<context>
    <name>selvane::MoonTexts</name>
    <message>
        <source>New Moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Dernier croissant</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Dernier quartier</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Gibbeuse décroissante</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Gibbeuse croissante</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Premier quartier</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Premier croissant</translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation>Périgée</translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation>Apogée</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Lever de la Lune</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Coucher de la Lune</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Pass.&#xa0;:</translation>
    </message>
    <message>
        <source>Moonrise:</source>
        <translation>Lever L.&#xa0;:</translation>
    </message>
    <message>
        <source>Moonset:</source>
        <translation>Couch. L.&#xa0;:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>—</translation>
    </message>
    <message>
        <source>%1d %2h %3m</source>
        <extracomment>The Moon&apos;s age since New Moon: days, hours, minutes, each two digits.</extracomment>
        <translation>%1j %2h %3m</translation>
    </message>
    <message>
        <source>LST: %1</source>
        <extracomment>The local sidereal time, hh:mm:ss.</extracomment>
        <translation>TSL&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>selvane::Pictures</name>
    <message>
        <source>Rise/Set Times</source>
        <translation>Lever et coucher</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Crépuscule</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>Observateur</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Printed Calendar</source>
        <translation>Calendrier imprimé</translation>
    </message>
    <message>
        <source>Monthly Rise/Set Times</source>
        <translation>Levers et couchers</translation>
    </message>
    <message>
        <source>A Moon calendar for Linux</source>
        <translation>Un calendrier lunaire pour Linux</translation>
    </message>
    <message>
        <source>by the Selvane developers</source>
        <translation>par les développeurs de Selvane</translation>
    </message>
    <message>
        <source>after J. Meeus, Astronomical Algorithms</source>
        <translation>d’après Meeus, Astronomical Algorithms</translation>
    </message>
    <message>
        <source>Lunar Resources</source>
        <translation>Ressources lunaires</translation>
    </message>
    <message>
        <source>Missions</source>
        <translation>Missions</translation>
    </message>
</context>
<context>
    <name>selvane::PlacePopup</name>
    <message>
        <source>No place found</source>
        <translation>Aucun lieu trouvé</translation>
    </message>
</context>
<context>
    <name>selvane::PrintCal</name>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Hémisphère nord</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Hémisphère sud</translation>
    </message>
    <message>
        <source>%1:     Latitude: %2,  Longitude: %3</source>
        <extracomment>The printed location line: the hemisphere, the latitude and the longitude.</extracomment>
        <translation>%1&#xa0;:     Latitude&#xa0;: %2,  Longitude&#xa0;: %3</translation>
    </message>
    <message>
        <source>Printed by %1 %2 (%3)</source>
        <extracomment>The printed footer: the program&apos;s name, its version and its home page.</extracomment>
        <translation>Imprimé par %1 %2 (%3)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Lever</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Pass.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Couch.</translation>
    </message>
    <message>
        <source>Illum.</source>
        <translation>Écl.</translation>
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
        <translation>Civ.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Twilight Start</source>
        <translation>Aube</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Twilight End</source>
        <translation>Crépuscule</translation>
    </message>
    <message>
        <source>SR:</source>
        <translation>LS:</translation>
    </message>
    <message>
        <source>ST:</source>
        <translation>PS:</translation>
    </message>
    <message>
        <source>SS:</source>
        <translation>CS:</translation>
    </message>
    <message>
        <source>MR:</source>
        <translation>LL:</translation>
    </message>
    <message>
        <source>MT:</source>
        <translation>PL:</translation>
    </message>
    <message>
        <source>MS:</source>
        <translation>CL:</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Premier quartier</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Dernier quartier</translation>
    </message>
</context>
<context>
    <name>selvane::PrintJob</name>
    <message>
        <source>Cannot write &quot;%1&quot;: the page could not be drawn.</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: la page n’a pas pu être dessinée.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reports an error. The page was not printed.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» signale une erreur. La page n’a pas été imprimée.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not accept jobs. The page was not printed.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’accepte pas de travaux. La page n’a pas été imprimée.</translation>
    </message>
    <message>
        <source>The printer could not be opened. The page was not printed.</source>
        <translation>L’imprimante n’a pas pu être ouverte. La page n’a pas été imprimée.</translation>
    </message>
    <message>
        <source>The printer reported an error. The page may not have been printed.</source>
        <translation>L’imprimante a signalé une erreur. La page n’a peut-être pas été imprimée.</translation>
    </message>
    <message>
        <source>No printer is installed: save the page as a PDF file</source>
        <translation>Aucune imprimante installée&#xa0;: enregistrer la page dans un fichier PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 Time Table %2</source>
        <extracomment>The time table&apos;s document and file name: the program&apos;s name, then the month and year.</extracomment>
        <translation>%1 Tableau des heures %2</translation>
    </message>
    <message>
        <source>Saved the page as %1.</source>
        <translation>La page a été enregistrée sous %1.</translation>
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
        <translation>Ouest</translation>
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
        <translation>heure d’été</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written, so this change will not survive a restart.</source>
        <translation>Le fichier de réglages %1 n’a pas pu être écrit&#xa0;: ce changement sera perdu au prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>selvane::TAbout</name>
    <message>
        <source>About Selvane</source>
        <translation>À propos de Selvane</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>Ressources lunaires</translation>
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
        <translation>Missions</translation>
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
        <translation>Liens</translation>
    </message>
</context>
<context>
    <name>selvane::TMonthSelect</name>
    <message>
        <source>Months</source>
        <translation>Mois</translation>
    </message>
</context>
<context>
    <name>selvane::TPrintOptions</name>
    <message>
        <source>Daily Phases</source>
        <translation>Phases quotidiennes</translation>
    </message>
    <message>
        <source>Major Phases</source>
        <translation>Phases principales</translation>
    </message>
    <message>
        <source>Moon&apos;s Rise/Transit Set Times</source>
        <translation>Lune&#xa0;: lever, passage, coucher</translation>
    </message>
    <message>
        <source>Sun&apos;s Rise/Transit/Set Times</source>
        <translation>Soleil&#xa0;: lever, passage, coucher</translation>
    </message>
    <message>
        <source>Daily Phase Density:</source>
        <translation>Densité de l’ombre&#xa0;:</translation>
    </message>
    <message>
        <source>Error reading registry</source>
        <translation>Erreur de lecture des réglages</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Options d’impression</translation>
    </message>
    <message>
        <source>Moon&apos;s Rise/Transit/Set Times</source>
        <translation>Lune&#xa0;: lever, passage, coucher</translation>
    </message>
    <message>
        <source>Daily Phase Density</source>
        <translation>Densité de l’ombre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Stores the choices and prints the calendar</source>
        <translation>Enregistre les choix et imprime le calendrier</translation>
    </message>
</context>
<context>
    <name>selvane::TRiseSetTimeList</name>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Twilight Start</source>
        <translation>Aube</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Twilight End</source>
        <translation>Crépuscule</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Lever</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Pass.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Couch.</translation>
    </message>
    <message>
        <source>Illum.</source>
        <translation>Écl.</translation>
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
        <translation>Civ.</translation>
    </message>
    <message>
        <source>Times of the month</source>
        <translation>Heures du mois</translation>
    </message>
    <message>
        <source>Print the time table</source>
        <translation>Imprimer le tableau des heures</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Défiler vers le haut</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Défiler vers le bas</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a column&apos;s group and title: Moon Rise, Twilight Start Ast.</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Jours du mois</translation>
    </message>
</context>
<context>
    <name>selvane::TSelvane</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>Years 1 to 9999</source>
        <translation>Années 1 à 9999</translation>
    </message>
    <message>
        <source>Visible:</source>
        <translation>Visible&#xa0;:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Âge&#xa0;:</translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Distance&#xa0;:</translation>
    </message>
    <message>
        <source>RA:</source>
        <translation>AD&#xa0;:</translation>
    </message>
    <message>
        <source>Dec:</source>
        <translation>Déc.&#xa0;:</translation>
    </message>
    <message>
        <source>Parallax:</source>
        <translation>Parall.&#xa0;:</translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation>Diam.&#xa0;:</translation>
    </message>
    <message>
        <source>Apogee:</source>
        <translation>Apogée&#xa0;:</translation>
    </message>
    <message>
        <source>Perigee:</source>
        <translation>Périgée&#xa0;:</translation>
    </message>
    <message>
        <source>Sunrise:</source>
        <translation>Lever&#xa0;:</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Pass.&#xa0;:</translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation>Couch.&#xa0;:</translation>
    </message>
    <message>
        <source>MoonRise:</source>
        <translation>Lever L.&#xa0;:</translation>
    </message>
    <message>
        <source>MoonSet:</source>
        <translation>Couch. L.&#xa0;:</translation>
    </message>
    <message>
        <source>Civil:</source>
        <translation>Civil&#xa0;:</translation>
    </message>
    <message>
        <source>Nautical:</source>
        <translation>Nautique&#xa0;:</translation>
    </message>
    <message>
        <source>Astronomical:</source>
        <translation>Astronomique&#xa0;:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Az.:</source>
        <translation>Az.&#xa0;:</translation>
    </message>
    <message>
        <source>Alt.:</source>
        <translation>h&#xa0;:</translation>
    </message>
    <message>
        <source>PA:</source>
        <translation>AP&#xa0;:</translation>
    </message>
    <message>
        <source>Ph.A:</source>
        <translation>Aph&#xa0;:</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A date in the status strip: the day, the month&apos;s name and the year.</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Print Lunar Calendar</source>
        <translation>Imprimer le calendrier lunaire</translation>
    </message>
    <message>
        <source>Display data for the month</source>
        <translation>Afficher les données du mois</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Page d’accueil</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About Selvane</source>
        <translation>À propos de Selvane</translation>
    </message>
    <message>
        <source>Northern/Southern Hemisphere switch</source>
        <translation>Basculer entre hémisphère nord et sud</translation>
    </message>
    <message>
        <source>Cannot find Help File</source>
        <translation>Fichier d’aide introuvable</translation>
    </message>
    <message>
        <source>Selvane</source>
        <translation>Selvane</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Links to pages about the Moon</source>
        <translation>Liens vers des pages sur la Lune</translation>
    </message>
    <message>
        <source>Turns the Moon picture for the other hemisphere</source>
        <translation>Retourne l’image de la Lune pour l’autre hémisphère</translation>
    </message>
    <message>
        <source>Choose another month</source>
        <translation>Choisir un autre mois</translation>
    </message>
    <message>
        <source>Type another year</source>
        <translation>Saisir une autre année</translation>
    </message>
</context>
<context>
    <name>selvane::TfConfig</name>
    <message>
        <source>Sunday - Saturday</source>
        <translation>Dimanche - Samedi</translation>
    </message>
    <message>
        <source>Monday - Sunday</source>
        <translation>Lundi - Dimanche</translation>
    </message>
    <message>
        <source>Tuesday - Monday</source>
        <translation>Mardi - Lundi</translation>
    </message>
    <message>
        <source>Wednesday - Tuesday</source>
        <translation>Mercredi - Mardi</translation>
    </message>
    <message>
        <source>Thursday - Wednesday</source>
        <translation>Jeudi - Mercredi</translation>
    </message>
    <message>
        <source>Friday - Thursday</source>
        <translation>Vendredi - Jeudi</translation>
    </message>
    <message>
        <source>Saturday - Friday</source>
        <translation>Samedi - Vendredi</translation>
    </message>
    <message>
        <source>dd/mm/yyyy</source>
        <extracomment>The time list&apos;s date layouts: d the day, m the month, y the year; &quot;/&quot; stands for the locale&apos;s date separator.</extracomment>
        <translation>jj/mm/aaaa</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/jj/aaaa</translation>
    </message>
    <message>
        <source>Latitide:</source>
        <translation>Latitude&#xa0;:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitude&#xa0;:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lieu&#xa0;:</translation>
    </message>
    <message>
        <source>Day Order: </source>
        <translation>Semaine&#xa0;: </translation>
    </message>
    <message>
        <source>Date Format:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Zone Name:</source>
        <translation>Fuseau&#xa0;:</translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation>Décalage&#xa0;:</translation>
    </message>
    <message>
        <source>DST:</source>
        <translation>HE&#xa0;:</translation>
    </message>
    <message>
        <source>Fixed offset (below)</source>
        <translation>Décalage fixe (ci-dessous)</translation>
    </message>
    <message>
        <source>This computer&apos;s zone (%1)</source>
        <translation>Fuseau de cet ordinateur (%1)</translation>
    </message>
    <message>
        <source>%1 (unknown here)</source>
        <translation>%1 (inconnu ici)</translation>
    </message>
    <message>
        <source>Valid Range is 0 - %1</source>
        <translation>Plage valide&#xa0;: 0 - %1</translation>
    </message>
    <message>
        <source>Error reading Registry</source>
        <translation>Erreur de lecture des réglages</translation>
    </message>
    <message>
        <source>Choose a place from the list to set its position</source>
        <translation>Choisissez un lieu de la liste pour régler sa position</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Latitude, degrés</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Latitude, minutes</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>Latitude, secondes</translation>
    </message>
    <message>
        <source>Latitude direction</source>
        <translation>Latitude, direction</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Longitude, degrés</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Longitude, minutes</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>Longitude, secondes</translation>
    </message>
    <message>
        <source>Longitude direction</source>
        <translation>Longitude, direction</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Day Order</source>
        <translation>Début de semaine</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Format de date</translation>
    </message>
    <message>
        <source>Zone Name</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Décalage horaire</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Heure d’été</translation>
    </message>
    <message>
        <source>Up or Down switches between North and South</source>
        <translation>Les flèches haut et bas basculent entre nord et sud</translation>
    </message>
    <message>
        <source>Up or Down switches between East and West</source>
        <translation>Les flèches haut et bas basculent entre est et ouest</translation>
    </message>
    <message>
        <source>Type two or more letters of a place&apos;s name to choose it from a list</source>
        <translation>Tapez au moins deux lettres du nom d’un lieu pour le choisir dans une liste</translation>
    </message>
    <message>
        <source>A named zone leaves Time Zone and daylight saving to the zone&apos;s own rules</source>
        <translation>Un fuseau nommé laisse le décalage et l’heure d’été à ses propres règles</translation>
    </message>
</context>
<context>
    <name>selvane::YearEntry</name>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Four digits; Enter takes the year, Escape keeps the one shown</source>
        <translation>Quatre chiffres&#xa0;; Entrée valide l’année, Échap garde celle affichée</translation>
    </message>
</context>
</TS>
