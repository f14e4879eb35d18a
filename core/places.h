#pragma once
// The place list built into the program (resources/places.tsv, made by tools/make_places.py
// from GeoNames' data): some 27 000 towns and cities with their region, country, position and
// time zone, found by a few letters of their name whatever the case and accents.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <string>
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
};

// How a place is offered: "Name, Region, Country", or "Name, Country" without a region.
QString PlaceLabel(const Place& place);

// A text as the search compares it, in UTF-8: lower case; accents dropped; the letters
// without a decomposition written as their ASCII spelling (ø o, æ ae, ß ss, ł l, ı i, ...);
// apostrophes and periods dropped; every other run of characters that are neither letters
// nor digits one space, none at either end. "St. John's" and "st johns" fold alike.
std::string FoldForSearch(QStringView text);

// Typed texts shorter than this (in characters, after folding) find nothing.
inline constexpr std::size_t kMinimumQuery = 2;
// The most places a search returns unless asked for another number.
inline constexpr std::size_t kPlaceResults = 12;

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

    // The places whose name (or its ASCII spelling) contains the folded `typed` text, at
    // most `limit`: first those whose name starts with it, then the others, larger places
    // first within each group. Nothing for a text of fewer than two characters.
    std::vector<Place> Search(QStringView typed, std::size_t limit = kPlaceResults);

    // How many places were read (reads the list when it has not been read yet).
    std::size_t Size();

private:
    // One place, 24 bytes: its texts live in the list's two shared buffers.
    struct Row {
        std::int32_t Latitude;    // 1e-4 degree, north positive
        std::int32_t Longitude;   // 1e-4 degree, east positive
        std::uint32_t Name;       // offset of the name in m_names (UTF-8)
        std::uint32_t Key;        // offset of the folded name in m_keys
        std::uint16_t Region;     // index in m_regions
        std::uint16_t Zone;       // index in m_zones
        std::uint8_t NameLength;  // bytes
        std::uint8_t KeyLength;   // bytes of the folded name
        std::uint8_t AsciiLength; // bytes of the folded ASCII spelling right after it; 0 when
                                  // it folds like the name
    };
    struct Region {
        QString Name;
        std::uint16_t Country; // index in m_countries
    };

    void Load();
    // Takes one record's fields into the tables; false for a record that cannot be read.
    bool ReadRecord(const std::vector<QByteArrayView>& fields);
    Place PlaceOf(const Row& row) const;

    bool m_builtIn = false;
    QByteArray m_text; // the list's text until it is read
    bool m_loaded = false;
    std::vector<Row> m_rows; // largest place first
    std::string m_names;
    std::string m_keys;
    std::vector<Region> m_regions;
    std::vector<QString> m_countries;
    std::vector<QString> m_zones;
};

} // namespace selvane
