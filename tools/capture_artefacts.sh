#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Selvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Captures everything a build of Selvane shows or writes, for three places with the clock
# frozen, so that two builds can be compared byte for byte:
#
#     tools/capture_artefacts.sh <selvane-binary> <output-dir> [<source-tree>]
#     diff -r <output-dir-a> <output-dir-b>      (or compare the two SHA256SUMS)
#
# The source tree is the working folder the program runs in (it reads Selvane.ico and
# Docs/Selvane.htm from there); it defaults to the parent of the binary's folder.
#
# For each place (Berlin with a named zone, Sydney with the fixed zone and daylight saving,
# Denver with a named zone and the other date layout, week start and print options) it
#   - writes a complete settings file into a fresh scratch home,
#   - runs the command line: --csv, --ics (year, and month with rise and set), --pdf calendar
#     and --pdf table, for the month of the frozen date,
#   - runs the window under Xvfb with libfaketime holding the wall clock at one second, and
#     with xdotool takes screenshots of the main window, the configuration, the print
#     options, the time list, the calendar export's question, the month picker, the about
#     window and the links window; prints the calendar and the time table (no printer: each is
#     saved through the file dialog's suggested name, and the message saying where it went
#     closed) and exports the year's calendar file;
#     opens the list, print options and configuration once more by their keys (Ctrl+L,
#     Ctrl+P, Ctrl+,) and shows the next month (Page Down) and today again (Home);
#     records the addresses the help, home and link commands open (a stand-in xdg-open
#     writes them down) and the settings file after each window that saves it.
# Every PDF is also kept as `pdftotext -layout` text, `pdfinfo` and 50-dpi PNG pages.
# The command line's --version, --help and two refused jobs go to common/.
#
# What the output folder holds:
#   common/cli/NAME.{stdout,stderr,exit}         place-free command lines
#   PLACE/settings/0-written.ini                 the settings file as the script wrote it,
#                 1-after-configuration.ini      after the configuration window saved it,
#                 2-after-print-options.ini      after the print options' OK,
#                 2b-after-configuration-by-key.ini   after Ctrl+, and Esc,
#                 3-at-exit.ini                  after the program ended
#   PLACE/cli/NAME.{stdout,stderr,exit}          each job; the PDFs as pdf-*.pdf, .txt, .pdfinfo.txt,
#                                                .page-N.png
#   PLACE/gui/NN-NAME.png                        a window, cropped from the screen
#   PLACE/gui/NN-NAME.screen.png, .windows.txt   the whole screen, and every window on it
#   PLACE/gui/saved/                             what the prints and the export saved, as named
#   PLACE/gui/documents.txt, dialogs.txt         their names, and the titles of the dialogs
#   PLACE/gui/keys.txt                           the window each command key opened
#   PLACE/gui/opened-urls.txt                    the addresses help, home and the links opened
#   PLACE/gui/app.{stdout,stderr,exit}           the window's own output and exit status
#
# SHA256SUMS lists every captured file but the raw PDFs (relative paths, sorted); the raw PDFs
# are listed apart in SHA256SUMS.rawpdf: their bytes also depend on how Qt lays out the file
# (object order, font subsets), which a change with no visible effect may alter. With the
# clock frozen (it sets the PDF's creation date) and QT_HASH_SEED=0 they come out the same
# from run to run. Paths of the scratch folder, the source tree and the binary are written as
# <SCRATCH>, <SRC> and <BIN> in every captured text.
#
# The program runs with a cleared environment: HOME, TMPDIR and the XDG folders in the
# scratch folder, LANG=LC_ALL=C.UTF-8, TZ=UTC, QT_HASH_SEED=0, CUPS pointed at no server (so
# there is no printer), no session bus, and libfaketime preloaded with FAKETIME set to the
# frozen instant and FAKETIME_DONT_FAKE_MONOTONIC=1 (the monotonic clock runs, so the window's
# once-a-second timer still fires, while the wall clock always reads the same second). The X
# server is Xvfb (1024x768x24, -noreset: it must not reset between the script's clients).
#
# Needs: xvfb-run, xdotool, xwininfo (x11-utils), import and convert (imagemagick),
# libfaketime, pdftotext, pdftoppm and pdfinfo (poppler-utils).
# KEEP_SCRATCH=1 keeps the scratch folder for a look at what went wrong; CAPTURE_TRACE=1 tells
# each step's time; CAPTURE_PLACES="berlin" runs only the places named (to try the script out);
# CAPTURE_LANGUAGE=de runs the program with LANGUAGE=de, in that language (LANG stays C.UTF-8).
# CAPTURE_GUI_ENV="NAME=value ..." adds variables to the window's environment, after the ones
# above: to run it with accessibility on, say, under dbus-run-session,
#     CAPTURE_GUI_ENV="DBUS_SESSION_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS
#                      QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1"

set -euo pipefail

readonly SCREEN_W=1024
readonly SCREEN_H=768
readonly MAIN_X=135 # where the main window opens on a screen of that size
readonly MAIN_Y=120
read -r -a PLACES <<<"${CAPTURE_PLACES:-berlin sydney denver}" # a subset only to try the script out
readonly PARK_X=$((SCREEN_W - 1)) # where the pointer waits: outside every window
readonly PARK_Y=$((SCREEN_H - 1))

die() {
    echo "capture_artefacts: $*" >&2
    exit 1
}

note() {
    echo "capture_artefacts: $*" >&2
}

# Something that makes the capture incomplete or unreliable: told now and again at the end,
# where it makes the script fail.
problem() {
    note "$*"
    echo "$*" >>"$SCRATCH/problems.txt"
}

trace() {
    [[ ${CAPTURE_TRACE:-0} == 1 ]] && echo "capture_artefacts: [$(date +%T.%N | cut -c1-12)] $*" >&2
    return 0
}

# ---------------------------------------------------------------------------------------------
# The places: settings file, frozen clock (UTC) and the month of that instant at the place.

place_clock() {
    case "$1" in
    berlin) echo "2026-12-08 12:00:00" ;;
    sydney) echo "2025-03-14 09:30:00" ;;
    denver) echo "2024-12-20 18:00:00" ;;
    esac
}

place_month() {
    case "$1" in
    berlin) echo "2026-12" ;;
    sydney) echo "2025-03" ;; # a fixed zone reads the computer's clock (TZ=UTC) as local time
    denver) echo "2024-12" ;; # 11:00 local on 20 December
    esac
}

write_place_settings() { # place file
    local place=$1 file=$2
    mkdir -p "$(dirname "$file")"
    case "$place" in
    berlin)
        cat >"$file" <<'EOF'
[HKEY_SELVANE]
LatDeg=52
LatMin=31
LatSec=12
LatDir=North
LongDeg=13
LongMin=24
LongSec=18
LongDir=East
Location=Berlin
DayOrder=0
DateLayout=dd/mm/yyyy
DateLayoutIdx=0
TimeZone=13
DaylightSavings=False
ZoneName=Europe/Berlin
PrintSunTimes=True
PrintLunarTimes=True
PhasePrintout=3
PhaseDensity=75
EOF
        ;;
    sydney)
        cat >"$file" <<'EOF'
[HKEY_SELVANE]
LatDeg=33
LatMin=52
LatSec=04
LatDir=South
LongDeg=151
LongMin=12
LongSec=26
LongDir=East
Location=Sydney
DayOrder=0
DateLayout=dd/mm/yyyy
DateLayoutIdx=0
TimeZone=22
DaylightSavings=True
PrintSunTimes=True
PrintLunarTimes=False
PhasePrintout=0
PhaseDensity=60
EOF
        ;;
    denver)
        cat >"$file" <<'EOF'
[HKEY_SELVANE]
LatDeg=39
LatMin=44
LatSec=21
LatDir=North
LongDeg=104
LongMin=59
LongSec=05
LongDir=West
Location=Denver
DayOrder=1
DateLayout=mm/dd/yyyy
DateLayoutIdx=1
TimeZone=05
DaylightSavings=False
ZoneName=America/Denver
PrintSunTimes=True
PrintLunarTimes=True
PhasePrintout=1
PhaseDensity=40
EOF
        ;;
    esac
}

# ---------------------------------------------------------------------------------------------
# Helpers shared by both halves of the script.

find_faketime_lib() {
    local lib
    for lib in /usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 \
        /usr/lib/aarch64-linux-gnu/faketime/libfaketime.so.1 \
        /usr/lib/faketime/libfaketime.so.1 /usr/local/lib/faketime/libfaketime.so.1; do
        [[ -f $lib ]] && {
            echo "$lib"
            return
        }
    done
    lib=$(dpkg -L libfaketime 2>/dev/null | grep '/libfaketime\.so\.1$' | head -n1 || true)
    [[ -n $lib && -f $lib ]] || return 1
    echo "$lib"
}

# Replaces the run's own paths in a text file by fixed names.
sanitize() {
    local f
    for f in "$@"; do
        [[ -f $f ]] || continue
        sed -i -e "s|$SCRATCH|<SCRATCH>|g" -e "s|$BIN|<BIN>|g" -e "s|$SRC|<SRC>|g" "$f"
    done
}

# A fresh home for one run of the program: settings, documents, temporary and runtime folders,
# and a stand-in xdg-open that writes down what it was asked to open.
make_home() { # dir
    local d=$1
    rm -rf "$d"
    mkdir -p "$d/home/Documents" "$d/tmp" "$d/config/Selvane" "$d/cache" "$d/data" "$d/run" "$d/bin"
    chmod 0700 "$d/run"
    cat >"$d/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$*" >>"$d/opened-urls.log"
EOF
    chmod +x "$d/bin/xdg-open"
    : >"$d/opened-urls.log"
}

# The command that runs the program in the home `dir` with the clock frozen at `clock` (UTC),
# in the source tree and with argv[0] "selvane", into the array CMD. Extra variables come
# before "--". The program is the command's own process (env and bash each exec the next).
selvane_command() { # dir clock [VAR=value ...] -- args...
    local d=$1 clock=$2
    shift 2
    local extra=()
    while [[ $# -gt 0 && $1 != -- ]]; do
        extra+=("$1")
        shift
    done
    [[ ${1:-} == -- ]] && shift
    [[ -n ${CAPTURE_LANGUAGE:-} ]] && extra=("LANGUAGE=$CAPTURE_LANGUAGE" "${extra[@]}")
    # shellcheck disable=SC2016 # the single-quoted words are for that bash to expand
    CMD=(env -i -C "$SRC"
        PATH="$d/bin:/usr/local/bin:/usr/bin:/bin"
        HOME="$d/home" TMPDIR="$d/tmp"
        XDG_CONFIG_HOME="$d/config" XDG_CACHE_HOME="$d/cache" XDG_DATA_HOME="$d/data"
        XDG_RUNTIME_DIR="$d/run"
        LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC QT_HASH_SEED=0
        CUPS_SERVER="$d/no-cups.sock"
        DBUS_SESSION_BUS_ADDRESS="unix:path=$d/no-bus.sock" NO_AT_BRIDGE=1
        LD_PRELOAD="$FAKETIME_LIB" FAKETIME="$clock" FAKETIME_DONT_FAKE_MONOTONIC=1
        "${extra[@]}"
        bash -c 'exec -a selvane "$0" "$@"' "$BIN" "$@")
}

run_selvane() { # dir clock [VAR=value ...] -- args...
    selvane_command "$@"
    "${CMD[@]}"
}

# The PDF's text, its properties and its pages as pictures, beside it.
pdf_derivatives() { # file.pdf
    local pdf=$1 stem=${1%.pdf}
    pdftotext -layout "$pdf" "$stem.txt"
    pdfinfo "$pdf" | grep -v -e '^File size:' >"$stem.pdfinfo.txt" || true
    pdftoppm -r 50 -png "$pdf" "$stem.page"
}

# ---------------------------------------------------------------------------------------------
# The command line of one place (no display).

capture_cli() { # place home out
    local place=$1 d=$2 out=$3
    local clock month year
    clock=$(place_clock "$place")
    month=$(place_month "$place")
    year=${month%-*}
    mkdir -p "$out" "$d/cli"

    cli_job() { # name args...
        local name=$1
        shift
        local rc=0
        run_selvane "$d" "$clock" -- "$@" >"$out/$name.stdout" 2>"$out/$name.stderr" || rc=$?
        echo "$rc" >"$out/$name.exit"
        sanitize "$out/$name.stdout" "$out/$name.stderr"
    }

    cli_job csv --csv "$month"
    cli_job ics-year --ics "$year"
    cli_job ics-month-rise-set --ics "$month" --with-rise-set
    cli_job pdf-calendar --pdf calendar "$month" -o "$d/cli/calendar.pdf"
    cli_job pdf-table --pdf table "$month" -o "$d/cli/table.pdf"
    local f
    for f in calendar table; do
        if [[ -f $d/cli/$f.pdf ]]; then
            cp "$d/cli/$f.pdf" "$out/pdf-$f.pdf"
            pdf_derivatives "$out/pdf-$f.pdf"
        else
            problem "$place: the command line wrote no $f.pdf"
        fi
    done
}

capture_common_cli() { # home out
    local d=$1 out=$2 clock
    clock=$(place_clock berlin)
    mkdir -p "$out"
    local name rc
    while read -r name args; do
        rc=0
        # shellcheck disable=SC2086 # the arguments are meant to split
        run_selvane "$d" "$clock" -- $args >"$out/$name.stdout" 2>"$out/$name.stderr" || rc=$?
        echo "$rc" >"$out/$name.exit"
        sanitize "$out/$name.stdout" "$out/$name.stderr"
    done <<EOF
version --version
help --help
refused-month-13 --csv 2026-13
refused-pdf-kind --pdf poster 2026-12 -o $d/refused.pdf
EOF
}

# ---------------------------------------------------------------------------------------------
# The window half: runs inside xvfb-run (DISPLAY set), one place per X server.

# The viewable top-level windows in stacking order, bottom first: "id x y w h name".
viewable_windows() {
    local id
    for id in $(xwininfo -root -children 2>/dev/null | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p'); do
        xwininfo -id "$id" 2>/dev/null | awk -v id="$id" '
            /^xwininfo: Window id:/ { n = $0; if (n ~ /"/) { sub(/^[^"]*"/, "", n); sub(/"[^"]*$/, "", n) } else n = "" }
            /Absolute upper-left X:/ { x = $NF }
            /Absolute upper-left Y:/ { y = $NF }
            /^  Width:/ { w = $NF }
            /^  Height:/ { h = $NF }
            /Map State:/ { m = $NF }
            END { if (m == "IsViewable") printf "%s %d %d %d %d %s\n", id, x, y, w, h, n }'
    done
}

# "id x y w h name" lines as "WxH+X+Y "name"", without the ids (which a build may change).
describe_windows() {
    awk '{ g = sprintf("%dx%d+%d+%d", $4, $5, $2, $3); $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); printf "%s \"%s\"\n", g, $0 }'
}

viewable_ids() { # on one line
    viewable_windows | awk '{print $1}' | sort | tr '\n' ' '
}

# Waits for a viewable window that is not among `before` (a list of ids); prints
# "id x y w h name" of the topmost such window.
wait_new_window() { # what before [timeout-seconds]
    local what=$1 before=$2 limit=${3:-15}
    local deadline=$((SECONDS + limit)) line
    trace "$PLACE: waiting for the $what window"
    while ((SECONDS < deadline)); do
        line=$(viewable_windows | awk -v before=" $before " 'index(before, " " $1 " ") == 0' | tail -n1)
        if [[ -n $line ]]; then
            echo "$line"
            return 0
        fi
        sleep 0.1
    done
    problem "$PLACE: timed out waiting for the $what window"
    return 1
}

wait_window_gone() { # what id [timeout-seconds]
    local what=$1 id=$2 limit=${3:-10}
    local deadline=$((SECONDS + limit))
    trace "$PLACE: waiting for the $what window to close"
    while ((SECONDS < deadline)); do
        [[ " $(viewable_ids) " == *" $id "* ]] || return 0
        sleep 0.1
    done
    problem "$PLACE: the $what window did not close"
    return 1
}

# (mousemove --sync waits for a move, so it is not asked for one to where the pointer is.)
park_pointer() {
    [[ $(xdotool getmouselocation) == "x:$PARK_X y:$PARK_Y "* ]] ||
        xdotool mousemove --sync "$PARK_X" "$PARK_Y"
}

click_at() { # x y (screen)
    trace "$PLACE: click $1,$2"
    xdotool mousemove --sync "$1" "$2" click 1
    park_pointer
}

key_to() { # window-id keys...
    local id=$1
    shift
    trace "$PLACE: keys $* to $id"
    timeout 5 xdotool windowfocus --sync "$id" || xdotool windowfocus "$id" ||
        problem "$PLACE: could not give $id the keyboard"
    xdotool key --clearmodifiers "$@"
}

# A screenshot of the whole screen once two captures `gap` seconds apart are the same, cropped
# to the window `win` ("id x y w h ..." or empty for none); with the list of viewable windows.
# The main window's shots take a gap longer than its tick, so that one tick at least lies
# between the two captures.
screenshot() { # name [win-line [gap]]
    local name=$1 win=${2:-} gap=${3:-0.4}
    local a="$GUI_TMP/shot-a.rgb" b="$GUI_TMP/shot-b.rgb" tries=0
    trace "$PLACE: screenshot $name"
    park_pointer
    sleep 0.5
    import -silent -window root -depth 8 "rgb:$a"
    while :; do
        sleep "$gap"
        import -silent -window root -depth 8 "rgb:$b"
        cmp -s "$a" "$b" && break
        tries=$((tries + 1))
        if ((tries >= 12)); then # the last capture is kept, and the problem told
            problem "$PLACE: the screen did not settle for $name"
            echo "$name" >>"$GUI_OUT/unsettled.txt"
            break
        fi
        mv "$b" "$a"
    done
    "$CONVERT" -size "${SCREEN_W}x${SCREEN_H}" -depth 8 "rgb:$b" -strip \
        -define png:exclude-chunks=date,time "png24:$GUI_OUT/$name.screen.png"
    if [[ -n $win ]]; then
        local x y w h
        read -r _ x y w h _ <<<"$win"
        "$CONVERT" -size "${SCREEN_W}x${SCREEN_H}" -depth 8 "rgb:$b" -crop "${w}x${h}+${x}+${y}" \
            +repage -strip -define png:exclude-chunks=date,time "png24:$GUI_OUT/$name.png"
    fi
    viewable_windows | describe_windows >"$GUI_OUT/$name.windows.txt"
}

# The file dialog a print or an export opens without a printer: its title is written down and
# its suggested name taken with Enter. The message that then says where the file went has its
# title written down and is closed with Enter (it is not screenshot: it names the scratch
# folder); a build without that message goes on after a few seconds.
accept_file_dialog() { # what before-ids
    local what=$1 before=$2 dialog id message deadline=$((SECONDS + 5))
    dialog=$(wait_new_window "$what file dialog" "$before" 20)
    id=${dialog%% *}
    echo "$what: $(cut -d' ' -f6- <<<"$dialog")" >>"$DIALOGS"
    sleep 1 # the dialog lists its folder
    key_to "$id" Return
    wait_window_gone "$what file dialog" "$id" 10
    trace "$PLACE: waiting for the $what saved message, if any"
    while ((SECONDS < deadline)); do
        message=$(viewable_windows | awk -v before=" $before " 'index(before, " " $1 " ") == 0' |
            tail -n1)
        [[ -n $message ]] && break
        sleep 0.1
    done
    [[ -n $message ]] || return 0
    echo "$what saved: $(cut -d' ' -f6- <<<"$message")" >>"$DIALOGS"
    key_to "${message%% *}" Return
    wait_window_gone "$what saved message" "${message%% *}"
}

# Each step of the window session runs in a subshell of its own: when one fails (a window
# that does not come, or does not go), the problem is written down, the windows it left open
# are closed, and the next step goes on.
run_step() { # name function
    local name=$1 rc=0
    set +e
    (
        set -e
        "$2"
    )
    rc=$?
    set -e
    ((rc == 0)) && return 0
    problem "$PLACE: the step \"$name\" failed"
    local id tries
    for tries in 1 2 3; do
        for id in $(viewable_ids); do
            [[ $id == "$MAIN_WIN_ID" ]] || key_to "$id" Escape || true
        done
        sleep 0.5
    done
    return 0
}

# The configuration: closed by its close spot, which saves the settings.
step_configuration() {
    local before w id x y
    before=$(viewable_ids)
    click_at $((MAIN_X + 479 + 9)) $((MAIN_Y + 12 + 10))
    w=$(wait_new_window configuration "$before")
    screenshot 02-configuration "$w"
    read -r id x y _ <<<"$w"
    click_at $((x + 253 + 8)) $((y + 13 + 7))
    wait_window_gone configuration "$id"
    sleep 0.3
    cp "$XDG_INI" "$SETTINGS_OUT/1-after-configuration.ini"
    screenshot 03-main-after-configuration "$MAIN_WIN" 1.2
}

# The print options, then OK: no printer, so the calendar page is saved as a PDF file.
step_print_options() {
    local before w id x y
    before=$(viewable_ids)
    click_at $((MAIN_X + 21 + 9)) $((MAIN_Y + 14 + 9))
    w=$(wait_new_window "print options" "$before")
    screenshot 04-print-options "$w"
    read -r id x y _ <<<"$w"
    before=$(viewable_ids)
    click_at $((x + 60 + 50)) $((y + 210 + 14))
    accept_file_dialog "print calendar" "$before"
    wait_window_gone "print options" "$id" 5
    cp "$XDG_INI" "$SETTINGS_OUT/2-after-print-options.ini"
}

# The time list; its print saves the time table, Ctrl+E exports the year's calendar file, its
# close spot hides it.
step_time_list() {
    local before w id x y list_id list_x list_y
    before=$(viewable_ids)
    click_at $((MAIN_X + 76 + 8)) $((MAIN_Y + 12 + 9))
    w=$(wait_new_window "time list" "$before")
    screenshot 05-time-list "$w"
    read -r list_id list_x list_y _ <<<"$w"
    before=$(viewable_ids)
    click_at $((list_x + 20 + 8)) $((list_y + 14 + 8))
    accept_file_dialog "print time table" "$before"
    sleep 0.5
    before=$(viewable_ids)
    key_to "$list_id" ctrl+e
    w=$(wait_new_window "export question" "$before")
    screenshot 06-export-question "$w"
    read -r id _ <<<"$w"
    echo "export question: $(cut -d' ' -f6- <<<"$w")" >>"$DIALOGS"
    before=$(viewable_ids)
    key_to "$id" Return # the default: the whole year
    wait_window_gone "export question" "$id"
    accept_file_dialog "export calendar" "$before"
    sleep 0.5
    click_at $((list_x + 614 + 8)) $((list_y + 14 + 7))
    wait_window_gone "time list" "$list_id"
}

# The month picker, from the month's name; Esc leaves it.
step_month_picker() {
    local before w id
    before=$(viewable_ids)
    click_at $((MAIN_X + 485)) $((MAIN_Y + 270))
    w=$(wait_new_window "month picker" "$before")
    screenshot 07-month-picker "$w"
    read -r id _ <<<"$w"
    key_to "$id" Escape
    wait_window_gone "month picker" "$id"
}

# About, closed by its close spot.
step_about() {
    local before w id x y
    before=$(viewable_ids)
    click_at $((MAIN_X + 542 + 9)) $((MAIN_Y + 12 + 10))
    w=$(wait_new_window about "$before")
    screenshot 08-about "$w"
    read -r id x y _ <<<"$w"
    click_at $((x + 185 + 7)) $((y + 12 + 7))
    wait_window_gone about "$id"
}

# The links, closed by Esc; then each link row in turn, which opens its page and closes them.
step_links() {
    local before w id x y row
    before=$(viewable_ids)
    click_at $((MAIN_X + 102 + 9)) $((MAIN_Y + 14 + 9))
    w=$(wait_new_window links "$before")
    screenshot 09-links "$w"
    read -r id _ <<<"$w"
    xdotool key Escape
    wait_window_gone links "$id" 3
    for row in 1 2 3 4 6 7 8; do # rows 0 and 5 are headings
        before=$(viewable_ids)
        click_at $((MAIN_X + 102 + 9)) $((MAIN_Y + 14 + 9))
        w=$(wait_new_window links "$before")
        read -r id x y _ <<<"$w"
        click_at $((x + 90)) $((y + 21 * row + 10))
        wait_window_gone links "$id" 3
    done
}

# The main window's keys: each command's window is written down and closed by Esc (which
# cancels the print options and, as any closing does, saves the configuration); Page Down
# shows the next month and Home comes back to today; F1 opens the help.
step_keys() {
    local before w id combo keys="$GUI_OUT/keys.txt"
    : >"$keys"
    for combo in ctrl+l ctrl+p ctrl+comma; do
        before=$(viewable_ids)
        key_to "$MAIN_WIN_ID" "$combo"
        w=$(wait_new_window "$combo" "$before")
        echo "$combo: $(describe_windows <<<"$w")" >>"$keys"
        read -r id _ <<<"$w"
        key_to "$id" Escape
        wait_window_gone "$combo" "$id"
    done
    sleep 0.3
    cp "$XDG_INI" "$SETTINGS_OUT/2b-after-configuration-by-key.ini"
    key_to "$MAIN_WIN_ID" Next
    screenshot 10-main-page-down "$MAIN_WIN" 1.2
    key_to "$MAIN_WIN_ID" Home
    screenshot 11-main-home "$MAIN_WIN" 1.2
    key_to "$MAIN_WIN_ID" F1
    sleep 0.5
}

# Help and the home page by their icons: only their addresses.
step_help_and_home() {
    click_at $((MAIN_X + 510 + 11)) $((MAIN_Y + 12 + 10))
    sleep 0.5
    click_at $((MAIN_X + 446 + 9)) $((MAIN_Y + 12 + 10))
    sleep 0.5
}

gui_session() { # runs inside the X server
    local d=$PLACE_HOME clock x y
    clock=$(place_clock "$PLACE")
    GUI_TMP="$d/gui-tmp"
    SETTINGS_OUT="$PLACE_OUT/settings"
    DIALOGS="$GUI_OUT/dialogs.txt"
    mkdir -p "$GUI_OUT" "$GUI_TMP"
    : >"$DIALOGS"
    park_pointer

    local gui_env=()
    read -r -a gui_env <<<"${CAPTURE_GUI_ENV:-}"
    selvane_command "$d" "$clock" QT_QPA_PLATFORM=xcb DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-}" \
        "${gui_env[@]}" --
    "${CMD[@]}" >"$GUI_OUT/app.stdout" 2>"$GUI_OUT/app.stderr" &
    APP_PID=$!

    MAIN_WIN=$(wait_new_window main "" 30)
    read -r MAIN_WIN_ID x y _ <<<"$MAIN_WIN"
    [[ $x == "$MAIN_X" && $y == "$MAIN_Y" ]] || problem "$PLACE: the main window is at $x,$y"
    sleep 2.6 # the first tick comes a second after the start: two of them
    screenshot 01-main "$MAIN_WIN" 1.2

    run_step configuration step_configuration
    run_step "print options" step_print_options
    run_step "time list" step_time_list
    run_step "month picker" step_month_picker
    run_step about step_about
    run_step links step_links
    run_step keys step_keys
    run_step "help and home" step_help_and_home

    screenshot 12-main-at-end "$MAIN_WIN" 1.2

    # The close spot ends the program.
    click_at $((MAIN_X + 612 + 8)) $((MAIN_Y + 14 + 7))
    local deadline=$((SECONDS + 10)) rc=0
    while kill -0 "$APP_PID" 2>/dev/null && ((SECONDS < deadline)); do sleep 0.1; done
    if kill -0 "$APP_PID" 2>/dev/null; then
        problem "$PLACE: the program did not end by its close spot; ending it"
        kill "$APP_PID" 2>/dev/null || true
        echo "did not end by its close spot" >"$GUI_OUT/app.exit"
    fi
    wait "$APP_PID" || rc=$?
    [[ -f $GUI_OUT/app.exit ]] || echo "$rc" >"$GUI_OUT/app.exit"
    rm -rf "$GUI_TMP"
}

# ---------------------------------------------------------------------------------------------

if [[ ${1:-} == --gui-session ]]; then
    # The inner half: the variables come from the outer one.
    trap '[[ -n ${APP_PID:-} ]] && kill "$APP_PID" 2>/dev/null || true' EXIT
    gui_session
    exit 0
fi

[[ $# -ge 2 && $# -le 3 ]] || {
    echo "usage: $0 <selvane-binary> <output-dir> [<source-tree>]" >&2
    exit 2
}

SELF=$(realpath -e "$0")
BIN=$(realpath -e "$1") || die "no binary at $1"
[[ -x $BIN ]] || die "$BIN is not executable"
SRC=$(realpath -e "${3:-$(dirname "$(dirname "$BIN")")}") || die "no source tree"
[[ -f $SRC/Docs/Selvane.htm ]] || note "warning: $SRC has no Docs/Selvane.htm"
[[ -f $SRC/Selvane.ico || -f $(dirname "$BIN")/Selvane.ico ]] ||
    note "warning: no Selvane.ico in $SRC or beside the binary"
OUT=$2
if [[ -e $OUT ]]; then
    [[ -d $OUT && -z $(ls -A "$OUT") ]] || die "$OUT exists and is not an empty folder"
fi
mkdir -p "$OUT"
OUT=$(realpath "$OUT")

for tool in xvfb-run xdotool xwininfo import pdftotext pdftoppm pdfinfo sha256sum realpath; do
    command -v "$tool" >/dev/null || die "missing $tool (apt-get install xvfb xdotool x11-utils imagemagick poppler-utils)"
done
CONVERT=/usr/bin/convert
[[ -x $CONVERT ]] || CONVERT=$(command -v convert-im6.q16 || command -v convert) || die "missing convert"
FAKETIME_LIB=$(find_faketime_lib) || die "missing libfaketime (apt-get install faketime)"

SCRATCH=$(mktemp -d "${TMPDIR:-/tmp}/selvane-capture.XXXXXX")
cleanup() {
    if [[ ${KEEP_SCRATCH:-0} == 1 ]]; then
        note "scratch kept in $SCRATCH"
    else
        rm -rf "$SCRATCH"
    fi
}
trap cleanup EXIT

export BIN SRC OUT SCRATCH CONVERT FAKETIME_LIB
export SCREEN_W SCREEN_H
start=$SECONDS

make_home "$SCRATCH/common"
capture_common_cli "$SCRATCH/common" "$OUT/common/cli"

for PLACE in "${PLACES[@]}"; do
    note "$PLACE"
    trace "$PLACE: command line"
    PLACE_HOME="$SCRATCH/$PLACE"
    PLACE_OUT="$OUT/$PLACE"
    make_home "$PLACE_HOME"
    XDG_INI="$PLACE_HOME/config/Selvane/Selvane.ini"
    write_place_settings "$PLACE" "$XDG_INI"
    mkdir -p "$PLACE_OUT/settings"
    cp "$XDG_INI" "$PLACE_OUT/settings/0-written.ini"

    capture_cli "$PLACE" "$PLACE_HOME" "$PLACE_OUT/cli"
    # The command line only reads the settings.
    cmp -s "$XDG_INI" "$PLACE_OUT/settings/0-written.ini" ||
        problem "$PLACE: the command line changed the settings file"

    GUI_OUT="$PLACE_OUT/gui"
    trace "$PLACE: window session"
    export PLACE PLACE_HOME PLACE_OUT XDG_INI GUI_OUT
    mkdir -p "$GUI_OUT"
    xvfb-run -a -s "-screen 0 ${SCREEN_W}x${SCREEN_H}x24 -nolisten tcp -noreset" \
        bash "$SELF" --gui-session ||
        problem "$PLACE: the window session failed"

    cp "$XDG_INI" "$PLACE_OUT/settings/3-at-exit.ini"
    # What the prints and the export saved, under the names they suggested.
    (cd "$PLACE_HOME/home/Documents" && find . -type f | LC_ALL=C sort) >"$GUI_OUT/documents.txt"
    mkdir -p "$GUI_OUT/saved"
    find "$PLACE_HOME/home/Documents" -maxdepth 1 -type f -print0 | while IFS= read -r -d '' f; do
        cp "$f" "$GUI_OUT/saved/"
    done
    find "$GUI_OUT/saved" -name '*.pdf' -print0 | while IFS= read -r -d '' f; do
        pdf_derivatives "$f"
    done
    cp "$PLACE_HOME/opened-urls.log" "$GUI_OUT/opened-urls.txt"
    sanitize "$GUI_OUT/opened-urls.txt" "$GUI_OUT/app.stdout" "$GUI_OUT/app.stderr" "$GUI_OUT/dialogs.txt"
done

# The sums, written outside the folder while it is searched; the raw PDFs apart.
(
    cd "$OUT"
    find . -type f ! -name '*.pdf' -printf '%P\0' | LC_ALL=C sort -z |
        xargs -0 -r sha256sum >"$SCRATCH/SHA256SUMS"
    find . -type f -name '*.pdf' -printf '%P\0' | LC_ALL=C sort -z |
        xargs -0 -r sha256sum >"$SCRATCH/SHA256SUMS.rawpdf"
)
mv "$SCRATCH/SHA256SUMS" "$SCRATCH/SHA256SUMS.rawpdf" "$OUT/"

count=$(wc -l <"$OUT/SHA256SUMS")
pdfs=$(wc -l <"$OUT/SHA256SUMS.rawpdf")
note "done in $((SECONDS - start)) s: $count files in SHA256SUMS, $pdfs raw PDFs in SHA256SUMS.rawpdf"
if [[ -s $SCRATCH/problems.txt ]]; then
    note "the capture is incomplete or unreliable:"
    sed 's/^/    /' "$SCRATCH/problems.txt" >&2
    exit 1
fi
