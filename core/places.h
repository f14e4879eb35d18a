// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The place list built into the program (resources/places.tsv, made by tools/make_places.py
// from GeoNames' data): some 27 000 towns and cities with their region, country, position and
// time zone, found by a few letters of their name or of one of their other names (Cologne for
// Köln, Bombay for Mumbai) whatever the case and accents, or with one letter wrong.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace selvane {

// A place of the list.
struct Place {
    QString Name;     // "Tromsø"
    QString Region;   // first-level division, "Troms"; empty for a place outside any
    QString Country;  // "Norway"
    double Latitude;  // degrees, north positive
    double Longitude; // degrees, east positive
    QString Zone;     // IANA id, "Europe/Oslo"
    bool Section;     // a part of a city, "Zürich (Kreis 11)", rather than a town
};

// How a typed text matched a name, best first.
enum class NameMatch : std::uint8_t {
    Whole,  // the whole name: "york" York
    Start,  // the start of the name: "york" Yorktown
    Inside, // inside the name: "york" New York City
    Typo,   // the name or its start with one letter wrong, missing, extra or two letters
            // swapped: "reykjavic" Reykjavík, "sao paolo" São Paulo
};

// A place found by a search, and how.
struct PlaceMatch {
    Place Found;
    QString Matched; // the name that matched as the list writes it: Found.Name, or another
                     // name of the place ("Cologne" for Köln)
    bool OtherName;  // Matched is another name of the place, not its own
    NameMatch Match;
};

// How a place is offered: "Name, Region, Country", or "Name, Country" without a region.
QString PlaceLabel(const Place& place);
// The same with the other name that found it: "Köln (Cologne), North Rhine-Westphalia,
// Germany"; as PlaceLabel(match.Found) when its own name matched.
QString PlaceLabel(const PlaceMatch& match);

// A text as the search compares it, in UTF-8: lower case; accents dropped; the letters
// without a decomposition written as their ASCII spelling (ø o, æ ae, ß ss, ł l, ı i, ...);
// apostrophes and periods dropped; every other run of characters that are neither letters
// nor digits one space, none at either end. "St. John's" and "st johns" fold alike.
std::string FoldForSearch(QStringView text);
// The same with the letters that have a usual two-letter spelling written so: ä ae, ö oe,
// ü ue, ø oe, å aa ("Zürich" zuerich, "Tromsø" tromsoe). The list keeps this second key for
// the names that have such letters, so "zuerich" finds Zürich as "zurich" does.
std::string FoldTranscribed(QStringView text);

// Typed texts shorter than this (in characters, after folding) find nothing.
inline constexpr std::size_t kMinimumQuery = 2;
// The most places a search returns unless asked for another number.
inline constexpr std::size_t kPlaceResults = 12;
// Typed texts shorter than this (in characters, after folding) are not looked for with a
// letter wrong: with fewer, nearly every name would be one letter off.
inline constexpr std::size_t kMinimumTypoQuery = 4;

class PlaceList {
public:
    // The built-in list, read at the first search (the resource ":/places.tsv").
    PlaceList();
    // A list in the same format, read at the first search. Lines that cannot be read are
    // skipped with a warning; the rest of the list stays usable.
    explicit PlaceList(QByteArray text);
    ~PlaceList();
    PlaceList(const PlaceList&) = delete;
    PlaceList& operator=(const PlaceList&) = delete;

    // The places one of whose names (its own, its ASCII spelling, another name, or one of
    // these transcribed) holds the folded `typed` text, at most `limit`, best first: those
    // with a whole name matched, then those with a name starting with the text, then those
    // with a name holding it. Only when no name is matched whole or at its start, and the
    // text has four characters or more, also the places with a name or its start one letter
    // off the text (NameMatch::Typo), those with a whole name first. Within each kind the
    // places found by their own name come before those found by another name ("florencia"
    // gives Florencia, Colombia, before Florence, Italy), and then the larger places first;
    // parts of a city come after every town. A place is offered once, by its best name (at
    // equal rank, its own). Nothing for a text of fewer than two characters.
    std::vector<PlaceMatch> Find(QStringView typed, std::size_t limit = kPlaceResults);
    // The places of Find, in its order.
    std::vector<Place> Search(QStringView typed, std::size_t limit = kPlaceResults);

    // How many places were read (reads the list when it has not been read yet).
    std::size_t Size();
    // How many other names were read (reads the list when it has not been read yet).
    std::size_t OtherNames();

private:
    // One place, 20 bytes: its names and their folded keys live in the list's shared tables.
    struct Row {
        std::int32_t Latitude;  // 1e-4 degree, north positive
        std::int32_t Longitude; // 1e-4 degree, east positive
        std::uint32_t FirstKey; // its first key in m_keyStart, that of its own name; its keys
                                // run to the next place's first
        std::uint16_t Region;   // index in m_regions
        std::uint16_t Zone;     // index in m_zones
        bool Section;           // a part of a city
    };
    struct Region {
        QString Name;
        std::uint16_t Country; // index in m_countries
    };
    // How well a place's names matched, best first; the two typo kinds are NameMatch::Typo.
    enum Kind : std::uint8_t { kWhole, kStart, kInside, kTypoWhole, kTypoStart, kKinds };
    class Ranking;

    void Load();
    // Takes one record's fields into the tables; false for a record that cannot be read.
    bool ReadRecord(const std::vector<QByteArrayView>& fields);
    // Adds a name to m_names and its folded keys to m_keys; false when it is too long.
    bool AddName(QByteArrayView name, QByteArrayView ascii);
    std::string_view Key(std::size_t key) const;
    void FindExact(std::string_view query, Ranking& ranking) const;
    void FindTypos(std::string_view query, Ranking& ranking) const;
    QString NameAt(std::uint32_t offset) const;
    PlaceMatch MatchOf(std::size_t row, std::size_t key, Kind kind) const;
    Place PlaceOf(const Row& row) const;

    bool m_builtIn = false;
    QByteArray m_text; // the list's text until it is read
    bool m_loaded = false;
    bool m_placeRead = false; // while reading: the last place record was read, so the other
                              // names under it belong to it
    std::vector<Row> m_rows;  // largest place first
    std::string m_names;      // every name in UTF-8, each after a byte with its length
    std::string m_keys;       // every folded key, each followed by a newline
    std::vector<std::uint32_t> m_keyStart; // offset of each key in m_keys, and one past the last
    std::vector<std::uint32_t> m_keyName;  // offset in m_names of the name of each key
    std::size_t m_otherNames = 0;
    std::vector<Region> m_regions;
    std::vector<QString> m_countries;
    std::vector<QString> m_zones;
};

} // namespace selvane
