<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>GreatEventTexts</name>
    <message>
        <source>Penumbral lunar eclipse</source>
        <translation>Eclipse lunar penumbral</translation>
    </message>
    <message>
        <source>Partial lunar eclipse</source>
        <translation>Eclipse lunar parcial</translation>
    </message>
    <message>
        <source>Total lunar eclipse</source>
        <translation>Eclipse lunar total</translation>
    </message>
    <message>
        <source>Partial solar eclipse</source>
        <translation>Eclipse solar parcial</translation>
    </message>
    <message>
        <source>Annular solar eclipse</source>
        <translation>Eclipse solar anular</translation>
    </message>
    <message>
        <source>Total solar eclipse</source>
        <translation>Eclipse solar total</translation>
    </message>
    <message>
        <source>Hybrid solar eclipse</source>
        <translation>Eclipse solar híbrido</translation>
    </message>
    <message>
        <source>Supermoon</source>
        <translation>Superlua</translation>
    </message>
    <message>
        <source>Blue moon</source>
        <translation>Lua azul</translation>
    </message>
    <message>
        <source>Partial here, magnitude %1, %2 % of the Sun covered</source>
        <translation>Parcial aqui, magnitude %1, %2 % do Sol coberto</translation>
    </message>
    <message>
        <source>Annular here, magnitude %1, %2 % of the Sun covered</source>
        <translation>Anular aqui, magnitude %1, %2 % do Sol coberto</translation>
    </message>
    <message>
        <source>Total here, magnitude %1, %2 % of the Sun covered</source>
        <translation>Total aqui, magnitude %1, %2 % do Sol coberto</translation>
    </message>
    <message>
        <source>Penumbral magnitude %1, visible here</source>
        <translation>Magnitude penumbral %1, visível aqui</translation>
    </message>
    <message>
        <source>Penumbral magnitude %1, not visible here</source>
        <translation>Magnitude penumbral %1, não visível aqui</translation>
    </message>
    <message>
        <source>Umbral magnitude %1, visible here</source>
        <translation>Magnitude umbral %1, visível aqui</translation>
    </message>
    <message>
        <source>Umbral magnitude %1, not visible here</source>
        <translation>Magnitude umbral %1, não visível aqui</translation>
    </message>
    <message>
        <source>Distance %1 km</source>
        <translation>Distância %1 km</translation>
    </message>
    <message>
        <source>The second Full Moon of the month</source>
        <translation>A segunda lua cheia do mês</translation>
    </message>
    <message>
        <source>Not visible here</source>
        <translation>Não visível aqui</translation>
    </message>
    <message>
        <source>%1, Full Moon at %2</source>
        <translation>%1, lua cheia às %2</translation>
    </message>
    <message>
        <source>%1, greatest here at %2</source>
        <translation>%1, máximo aqui às %2</translation>
    </message>
    <message>
        <source>%1, greatest at %2</source>
        <translation>%1, máximo às %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>an event in the calendar file: its title and what is seen</comment>
        <translation>%1. %2.</translation>
    </message>
    <message>
        <source>Greatest eclipse here %1 UT.</source>
        <translation>Máximo do eclipse aqui: %1 TU.</translation>
    </message>
    <message>
        <source>Greatest eclipse %1 UT.</source>
        <translation>Máximo do eclipse: %1 TU.</translation>
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
        <translation>Não foi possível gravar “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>selvane::CommandLine</name>
    <message>
        <source>With --ics: add each day&apos;s moonrise and moonset at the place.</source>
        <translation>Com --ics: acrescenta o nascer e o ocaso da Lua de cada dia no local.</translation>
    </message>
    <message>
        <source>Write the printed lunar calendar or time table of the month given as argument as a PDF file. Needs --output.</source>
        <translation>Grava o calendário lunar impresso ou a tabela de horários do mês dado como argumento num arquivo PDF. Requer --output.</translation>
    </message>
    <message>
        <source>Write the month&apos;s time table (2024-03) as comma-separated values: a header line, then one line per day.</source>
        <translation>Grava a tabela de horários do mês (2024-03) como valores separados por vírgulas: uma linha de cabeçalho e depois uma linha por dia.</translation>
    </message>
    <message>
        <source>Write to this file, whole or not at all, instead of standard output (&quot;-&quot;).</source>
        <translation>Grava neste arquivo, inteiro ou nada, em vez da saída padrão (“-”).</translation>
    </message>
    <message>
        <source>The latitude in decimal degrees, north positive (51.4772), instead of the settings&apos;.</source>
        <translation>A latitude em graus decimais, positiva ao norte (-23.5505), em vez da das configurações.</translation>
    </message>
    <message>
        <source>The longitude in decimal degrees, east positive (-0.0014), instead of the settings&apos;.</source>
        <translation>A longitude em graus decimais, positiva a leste (-46.6333), em vez da das configurações.</translation>
    </message>
    <message>
        <source>The time zone by its IANA name (Europe/London) instead of the settings&apos;.</source>
        <translation>O fuso horário pelo seu nome IANA (America/Sao_Paulo) em vez do das configurações.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>%1 takes a year or a month (2025 or 2025-03), not &quot;%2&quot;</source>
        <translation>%1 espera um ano ou um mês (2025 ou 2025-03), não “%2”</translation>
    </message>
    <message>
        <source>%1 takes a month (2024-03), not &quot;%2&quot;</source>
        <translation>%1 espera um mês (2024-03), não “%2”</translation>
    </message>
    <message>
        <source>year %1 is outside 1 to 9999 (%2 %3)</source>
        <translation>o ano %1 não está entre 1 e 9999 (%2 %3)</translation>
    </message>
    <message>
        <source>month %1 is outside 1 to 12 (%2 %3)</source>
        <translation>o mês %1 não está entre 1 e 12 (%2 %3)</translation>
    </message>
    <message>
        <source>%1 takes decimal degrees, not &quot;%2&quot;</source>
        <translation>%1 espera graus decimais, não “%2”</translation>
    </message>
    <message>
        <source>%1 %2 is outside -%3 to %3 degrees</source>
        <translation>%1 %2 não está entre -%3 e %3 graus</translation>
    </message>
    <message>
        <source>unknown time zone &quot;%1&quot; (give an IANA name such as Europe/London)</source>
        <translation>fuso horário desconhecido “%1” (informe um nome IANA como America/Sao_Paulo)</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>não foi possível gravar na saída padrão</translation>
    </message>
    <message>
        <source>With --pdf: the month, as 2024-03.</source>
        <translation>Com --pdf: o mês, por exemplo 2024-03.</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 foi informado mais de uma vez</translation>
    </message>
    <message>
        <source>--with-rise-set goes with --ics</source>
        <translation>--with-rise-set vai com --ics</translation>
    </message>
    <message>
        <source>--pdf makes a calendar or a table, not &quot;%1&quot;</source>
        <translation>--pdf faz um calendário (calendar) ou uma tabela (table), não “%1”</translation>
    </message>
    <message>
        <source>--pdf %1 needs a month, as 2024-03</source>
        <translation>--pdf %1 precisa de um mês, por exemplo 2024-03</translation>
    </message>
    <message>
        <source>--pdf needs --output and a file name</source>
        <translation>--pdf precisa de --output e de um nome de arquivo</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado “%1”</translation>
    </message>
    <message>
        <source>Write the New Moons, quarters, Full Moons, perigees, apogees, eclipses, supermoons and blue moons of a year (2025) or a month (2025-03) as an iCalendar file.</source>
        <translation>Grava as luas novas, os quartos, as luas cheias, os perigeus, os apogeus, os eclipses, as superluas e as luas azuis de um ano (2025) ou de um mês (2025-03) num arquivo iCalendar.</translation>
    </message>
    <message>
        <source>Write the eclipses, supermoons and blue moons of a year (2026) or a month (2026-08) at the place as comma-separated values: the header line kind,local_date,local_time,ut,magnitude,visible, then one line per event.</source>
        <translation>Grava os eclipses, as superluas e as luas azuis de um ano (2026) ou de um mês (2026-08) no local como valores separados por vírgulas: a linha de cabeçalho kind,local_date,local_time,ut,magnitude,visible e depois uma linha por evento.</translation>
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
        <translation>Selvane, um calendário lunar. Sem opções, abre sua janela. Com --ics, --pdf,
--csv ou --events, grava o arquivo e termina, sem janela e sem tela. O local e
o fuso horário vêm do arquivo de configurações (só lido, nunca gravado), a
menos que --lat, --lon e --zone digam outra coisa.

Exemplos:
  selvane --ics 2025 --output lua-2025.ics
  selvane --ics 2025-03 --with-rise-set --output marco.ics
  selvane --pdf calendar 2024-03 --output marco.pdf
  selvane --pdf table 2024-03 --output marco-tabela.pdf
  selvane --csv 2024-03 --lat -23.5505 --lon -46.6333 --zone America/Sao_Paulo
  selvane --events 2026 --lat 40.4168 --lon -3.7038 --zone Europe/Madrid

Status de saída: 0 quando tudo deu certo; 2 quando um argumento está errado ou
a saída não pode ser gravada, com uma linha na saída de erro, e então nada é
gravado.</translation>
    </message>
    <message>
        <source>%1 takes decimal degrees with a decimal point, not a comma: write &quot;%2&quot;, not &quot;%3&quot;</source>
        <translation>%1 espera graus decimais com ponto decimal, não com vírgula: escreva “%2”, não “%3”</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>opção desconhecida “%1” (veja --help)</translation>
    </message>
    <message>
        <source>nothing to do: give --ics, --pdf, --csv or --events (selvane --help tells more)</source>
        <translation>nada a fazer: informe --ics, --pdf, --csv ou --events (selvane --help diz mais)</translation>
    </message>
    <message>
        <source>one job at a time: give only one of --ics, --pdf, --csv and --events</source>
        <translation>uma tarefa por vez: informe só uma de --ics, --pdf, --csv e --events</translation>
    </message>
</context>
<context>
    <name>selvane::ExportMoonCalendar</name>
    <message>
        <source>Saved the calendar file as %1.</source>
        <translation>Arquivo de calendário salvo como %1.</translation>
    </message>
</context>
<context>
    <name>selvane::HotSpotLabel</name>
    <message>
        <source>Drag it to move the window</source>
        <translation>Arraste para mover a janela</translation>
    </message>
</context>
<context>
    <name>selvane::MainAccessibility</name>
    <message>
        <source>Right ascension</source>
        <translation>Ascensão reta</translation>
    </message>
    <message>
        <source>Declination</source>
        <translation>Declinação</translation>
    </message>
    <message>
        <source>Parallax</source>
        <translation>Paralaxe</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diâmetro</translation>
    </message>
    <message>
        <source>Sun azimuth</source>
        <translation>Azimute do Sol</translation>
    </message>
    <message>
        <source>Sun altitude</source>
        <translation>Altura do Sol</translation>
    </message>
    <message>
        <source>Moon azimuth</source>
        <translation>Azimute da Lua</translation>
    </message>
    <message>
        <source>Moon altitude</source>
        <translation>Altura da Lua</translation>
    </message>
    <message>
        <source>Position angle</source>
        <translation>Ângulo de posição</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visível</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Idade</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distância</translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation>Apogeu</translation>
    </message>
    <message>
        <source>Apogee distance</source>
        <translation>Distância no apogeu</translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation>Perigeu</translation>
    </message>
    <message>
        <source>Perigee distance</source>
        <translation>Distância no perigeu</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Nascer do Sol</translation>
    </message>
    <message>
        <source>Sun transit</source>
        <translation>Trânsito do Sol</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Ocaso do Sol</translation>
    </message>
    <message>
        <source>Civil twilight start</source>
        <translation>Início do crepúsculo civil</translation>
    </message>
    <message>
        <source>Civil twilight end</source>
        <translation>Fim do crepúsculo civil</translation>
    </message>
    <message>
        <source>Nautical twilight start</source>
        <translation>Início do crepúsculo náutico</translation>
    </message>
    <message>
        <source>Nautical twilight end</source>
        <translation>Fim do crepúsculo náutico</translation>
    </message>
    <message>
        <source>Astronomical twilight start</source>
        <translation>Início do crepúsculo astronômico</translation>
    </message>
    <message>
        <source>Astronomical twilight end</source>
        <translation>Fim do crepúsculo astronômico</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Lua nova</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Quarto crescente</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Lua cheia</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Quarto minguante</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Nascer da Lua</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Trânsito da Lua</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Ocaso da Lua</translation>
    </message>
    <message>
        <source>Calendar, %1 %2</source>
        <comment>the month&apos;s name and year</comment>
        <translation>Calendário, %1 %2</translation>
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
        <translation>Data</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Local sidereal time</source>
        <translation>Tempo sideral local</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lua</translation>
    </message>
    <message>
        <source>Moon, %1, %2 % lit</source>
        <comment>the phase&apos;s name and the lit percent</comment>
        <translation>Lua, %1, %2 % iluminada</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Ângulo de fase</translation>
    </message>
</context>
<context>
    <name>selvane::MoonCalendar</name>
    <message>
        <source>%1 Moon %2</source>
        <extracomment>The calendar file&apos;s name: the program&apos;s name, then a year or a month.</extracomment>
        <translation>%1 Lua %2</translation>
    </message>
</context>
<context>
    <name>selvane::MoonExport</name>
    <message>
        <source>Export the Moon&apos;s phases, perigees and apogees to a calendar file for your calendar program:</source>
        <translation>Exportar as fases, os perigeus e os apogeus da Lua para um arquivo do seu programa de agenda:</translation>
    </message>
    <message>
        <source>All of %1</source>
        <translation>Todo o ano %1</translation>
    </message>
    <message>
        <source>With each day&apos;s moonrise and moonset</source>
        <translation>Com o nascer e o ocaso da Lua de cada dia</translation>
    </message>
    <message>
        <source>Export the Moon to a calendar file</source>
        <translation>Exportar a Lua para um arquivo de agenda</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Arquivos de agenda (*.ics)</translation>
    </message>
</context>
<context>
    <name>selvane::MoonTexts</name>
    <message>
        <source>New Moon</source>
        <translation>Lua nova</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Lua minguante</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Quarto minguante</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Minguante gibosa</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Lua cheia</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Crescente gibosa</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Quarto crescente</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Lua crescente</translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation>Perigeu</translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation>Apogeu</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Nascer da Lua</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Ocaso da Lua</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Trânsito:</translation>
    </message>
    <message>
        <source>Moonrise:</source>
        <translation>Nasc. L.:</translation>
    </message>
    <message>
        <source>Moonset:</source>
        <translation>Ocaso L.:</translation>
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
        <translation>Nascer e ocaso</translation>
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
        <translation>Lua</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>Observador</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Impressão</translation>
    </message>
    <message>
        <source>Printed Calendar</source>
        <translation>Calendário impresso</translation>
    </message>
    <message>
        <source>Monthly Rise/Set Times</source>
        <translation>Nascer e ocaso</translation>
    </message>
    <message>
        <source>A Moon calendar for Linux</source>
        <translation>Um calendário lunar para Linux</translation>
    </message>
    <message>
        <source>by the Selvane developers</source>
        <translation>pelos desenvolvedores do Selvane</translation>
    </message>
    <message>
        <source>after J. Meeus, Astronomical Algorithms</source>
        <translation>cf. Meeus, Astronomical Algorithms</translation>
    </message>
    <message>
        <source>Lunar Resources</source>
        <translation>Recursos lunares</translation>
    </message>
    <message>
        <source>Missions</source>
        <translation>Missões</translation>
    </message>
</context>
<context>
    <name>selvane::PlacePopup</name>
    <message>
        <source>No place found</source>
        <translation>Nenhum local encontrado</translation>
    </message>
</context>
<context>
    <name>selvane::PrintCal</name>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Hemisfério Norte</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Hemisfério Sul</translation>
    </message>
    <message>
        <source>%1:     Latitude: %2,  Longitude: %3</source>
        <extracomment>The printed location line: the hemisphere, the latitude and the longitude.</extracomment>
        <translation>%1:     Latitude: %2,  Longitude: %3</translation>
    </message>
    <message>
        <source>Printed by %1 %2 (%3)</source>
        <extracomment>The printed footer: the program&apos;s name, its version and its home page.</extracomment>
        <translation>Impresso pelo %1 %2 (%3)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Nasc.</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Trâns.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ocaso</translation>
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
        <translation>Lua</translation>
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
        <translation>NS:</translation>
    </message>
    <message>
        <source>ST:</source>
        <translation>TS:</translation>
    </message>
    <message>
        <source>SS:</source>
        <translation>OS:</translation>
    </message>
    <message>
        <source>MR:</source>
        <translation>NL:</translation>
    </message>
    <message>
        <source>MT:</source>
        <translation>TL:</translation>
    </message>
    <message>
        <source>MS:</source>
        <translation>OL:</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Lua nova</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Q. crescente</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Lua cheia</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Q. minguante</translation>
    </message>
</context>
<context>
    <name>selvane::PrintJob</name>
    <message>
        <source>Cannot write &quot;%1&quot;: the page could not be drawn.</source>
        <translation>Não foi possível gravar “%1”: a página não pôde ser desenhada.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reports an error. The page was not printed.</source>
        <translation>A impressora “%1” indica um erro. A página não foi impressa.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not accept jobs. The page was not printed.</source>
        <translation>A impressora “%1” não aceita trabalhos. A página não foi impressa.</translation>
    </message>
    <message>
        <source>The printer could not be opened. The page was not printed.</source>
        <translation>Não foi possível abrir a impressora. A página não foi impressa.</translation>
    </message>
    <message>
        <source>The printer reported an error. The page may not have been printed.</source>
        <translation>A impressora informou um erro. A página pode não ter sido impressa.</translation>
    </message>
    <message>
        <source>No printer is installed: save the page as a PDF file</source>
        <translation>Nenhuma impressora instalada: salvar a página como arquivo PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 Time Table %2</source>
        <extracomment>The time table&apos;s document and file name: the program&apos;s name, then the month and year.</extracomment>
        <translation>%1 Tabela de horários %2</translation>
    </message>
    <message>
        <source>Saved the page as %1.</source>
        <translation>Página salva como %1.</translation>
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
        <translation>Sul</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Leste</translation>
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
        <translation>horário de verão</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written, so this change will not survive a restart.</source>
        <translation>Não foi possível gravar o arquivo de configurações %1; esta alteração será perdida ao reiniciar.</translation>
    </message>
</context>
<context>
    <name>selvane::TAbout</name>
    <message>
        <source>About Selvane</source>
        <translation>Sobre o Selvane</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
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
        <translation>Missões</translation>
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
        <translation>Meses</translation>
    </message>
</context>
<context>
    <name>selvane::TPrintOptions</name>
    <message>
        <source>Daily Phases</source>
        <translation>Fases diárias</translation>
    </message>
    <message>
        <source>Major Phases</source>
        <translation>Fases principais</translation>
    </message>
    <message>
        <source>Moon&apos;s Rise/Transit Set Times</source>
        <translation>Lua: nascer, trânsito, ocaso</translation>
    </message>
    <message>
        <source>Sun&apos;s Rise/Transit/Set Times</source>
        <translation>Sol: nascer, trânsito, ocaso</translation>
    </message>
    <message>
        <source>Daily Phase Density:</source>
        <translation>Densidade sombra:</translation>
    </message>
    <message>
        <source>Error reading registry</source>
        <translation>Erro ao ler as configurações</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Opções de impressão</translation>
    </message>
    <message>
        <source>Moon&apos;s Rise/Transit/Set Times</source>
        <translation>Lua: nascer, trânsito, ocaso</translation>
    </message>
    <message>
        <source>Daily Phase Density</source>
        <translation>Densidade da sombra</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Stores the choices and prints the calendar</source>
        <translation>Salva as escolhas e imprime o calendário</translation>
    </message>
</context>
<context>
    <name>selvane::TRiseSetTimeList</name>
    <message>
        <source>Moon</source>
        <translation>Lua</translation>
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
        <translation>Data</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Nasc.</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Trâns.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ocaso</translation>
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
        <translation>Horários do mês</translation>
    </message>
    <message>
        <source>Print the time table</source>
        <translation>Imprimir a tabela de horários</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Rolar para cima</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Rolar para baixo</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a column&apos;s group and title: Moon Rise, Twilight Start Ast.</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Dias do mês</translation>
    </message>
</context>
<context>
    <name>selvane::TSelvane</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1” não é um número inteiro válido</translation>
    </message>
    <message>
        <source>Years 1 to 9999</source>
        <translation>Anos de 1 a 9999</translation>
    </message>
    <message>
        <source>Visible:</source>
        <translation>Visível:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Idade:</translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Distância:</translation>
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
        <translation>Paralaxe:</translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation>Diâmetro:</translation>
    </message>
    <message>
        <source>Apogee:</source>
        <translation>Apogeu:</translation>
    </message>
    <message>
        <source>Perigee:</source>
        <translation>Perigeu:</translation>
    </message>
    <message>
        <source>Sunrise:</source>
        <translation>Nascer:</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Trânsito:</translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation>Ocaso:</translation>
    </message>
    <message>
        <source>MoonRise:</source>
        <translation>Nasc. L.:</translation>
    </message>
    <message>
        <source>MoonSet:</source>
        <translation>Ocaso L.:</translation>
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
        <translation>Astronômico:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
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
        <translation>Imprimir o calendário lunar</translation>
    </message>
    <message>
        <source>Display data for the month</source>
        <translation>Mostrar os dados do mês</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About Selvane</source>
        <translation>Sobre o Selvane</translation>
    </message>
    <message>
        <source>Northern/Southern Hemisphere switch</source>
        <translation>Alternar entre hemisfério norte e sul</translation>
    </message>
    <message>
        <source>Cannot find Help File</source>
        <translation>Arquivo de ajuda não encontrado</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Links to pages about the Moon</source>
        <translation>Links para páginas sobre a Lua</translation>
    </message>
    <message>
        <source>Turns the Moon picture for the other hemisphere</source>
        <translation>Vira a imagem da Lua para o outro hemisfério</translation>
    </message>
    <message>
        <source>Choose another month</source>
        <translation>Escolher outro mês</translation>
    </message>
    <message>
        <source>Type another year</source>
        <translation>Digitar outro ano</translation>
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
        <translation>Segunda - Domingo</translation>
    </message>
    <message>
        <source>Tuesday - Monday</source>
        <translation>Terça - Segunda</translation>
    </message>
    <message>
        <source>Wednesday - Tuesday</source>
        <translation>Quarta - Terça</translation>
    </message>
    <message>
        <source>Thursday - Wednesday</source>
        <translation>Quinta - Quarta</translation>
    </message>
    <message>
        <source>Friday - Thursday</source>
        <translation>Sexta - Quinta</translation>
    </message>
    <message>
        <source>Saturday - Friday</source>
        <translation>Sábado - Sexta</translation>
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
        <translation>Latitude:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitude:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Local:</translation>
    </message>
    <message>
        <source>Day Order: </source>
        <translation>Semana: </translation>
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
        <translation>Desvio:</translation>
    </message>
    <message>
        <source>DST:</source>
        <translation>HV:</translation>
    </message>
    <message>
        <source>Fixed offset (below)</source>
        <translation>Desvio fixo (abaixo)</translation>
    </message>
    <message>
        <source>This computer&apos;s zone (%1)</source>
        <translation>Fuso deste computador (%1)</translation>
    </message>
    <message>
        <source>%1 (unknown here)</source>
        <translation>%1 (desconhecido aqui)</translation>
    </message>
    <message>
        <source>Valid Range is 0 - %1</source>
        <translation>Intervalo válido: 0 - %1</translation>
    </message>
    <message>
        <source>Error reading Registry</source>
        <translation>Erro ao ler as configurações</translation>
    </message>
    <message>
        <source>Choose a place from the list to set its position</source>
        <translation>Escolha um local da lista para definir sua posição</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Latitude, graus</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Latitude, minutos</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>Latitude, segundos</translation>
    </message>
    <message>
        <source>Latitude direction</source>
        <translation>Latitude, direção</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Longitude, graus</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Longitude, minutos</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>Longitude, segundos</translation>
    </message>
    <message>
        <source>Longitude direction</source>
        <translation>Longitude, direção</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Day Order</source>
        <translation>Início da semana</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Formato da data</translation>
    </message>
    <message>
        <source>Zone Name</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Desvio horário</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Horário de verão</translation>
    </message>
    <message>
        <source>Up or Down switches between North and South</source>
        <translation>As setas para cima e para baixo alternam entre norte e sul</translation>
    </message>
    <message>
        <source>Up or Down switches between East and West</source>
        <translation>As setas para cima e para baixo alternam entre leste e oeste</translation>
    </message>
    <message>
        <source>Type two or more letters of a place&apos;s name to choose it from a list</source>
        <translation>Digite duas ou mais letras do nome de um local para escolhê-lo numa lista</translation>
    </message>
    <message>
        <source>A named zone leaves Time Zone and daylight saving to the zone&apos;s own rules</source>
        <translation>Um fuso com nome deixa o desvio e o horário de verão às regras do próprio fuso</translation>
    </message>
</context>
<context>
    <name>selvane::YearEntry</name>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Four digits; Enter takes the year, Escape keeps the one shown</source>
        <translation>Quatro dígitos; Enter aceita o ano, Esc mantém o mostrado</translation>
    </message>
</context>
</TS>
