// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/places.h"

#include <QByteArrayView>
#include <QFile>
#include <QtDebug>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <mutex>
#include <string_view>
#include <utility>

// Q_INIT_RESOURCE has to be used outside any namespace.
static void RegisterPlaceResources() {
    Q_INIT_RESOURCE(places);
}

namespace selvane {

namespace {

// The list is a resource of this static library, which registers it itself.
void InitPlaceResources() {
    static std::once_flag once;
    std::call_once(once, RegisterPlaceResources);
}

constexpr double kUnitsPerDegree = 1e4; // positions in the file are in 1e-4 degree
constexpr int kMaxLatitude = 90 * 10000;
constexpr int kMaxLongitude = 180 * 10000;
constexpr std::size_t kMaxTextBytes = std::numeric_limits<std::uint8_t>::max();
constexpr char32_t kDiaeresis = U'\u0308'; // combining: ä ö ü decompose to a o u and it
constexpr char32_t kRingAbove = U'\u030A'; // combining: å decomposes to a and it

// Letters that have no canonical decomposition, as the ASCII spellings of the list write
// them. They are lower case: folding lowers the text first.
constexpr std::array<std::pair<char32_t, std::string_view>, 13> kOwnSpellings{{
    {U'ø', "o"},
    {U'æ', "ae"},
    {U'œ', "oe"},
    {U'ß', "ss"},
    {U'ł', "l"},
    {U'đ', "d"},
    {U'ð', "d"},
    {U'ı', "i"},
    {U'ħ', "h"},
    {U'ŧ', "t"},
    {U'þ', "th"},
    {U'ə', "a"},
    {U'ŀ', "l"},
}};

// Marks that join the letters of a word: "St. John's", "Xi’an", "Hawaiʻi".
bool JoinsLetters(char32_t c) {
    switch (c) {
    case U'\'':
    case U'.':
    case U'`':
    case U'\u2018': // left single quotation mark
    case U'\u2019': // right single quotation mark
    case U'\u02BB': // modifier letter turned comma (okina)
    case U'\u02BC': // modifier letter apostrophe
        return true;
    default:
        return false;
    }
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Characters of a UTF-8 text: its bytes that do not continue a character.
std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char b) { return (b & 0xC0) != 0x80; }));
}

bool IsAscii(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// Folds `text` as FoldForSearch describes into `plain` and, when `transcribed` is given, into
// it too with the two-letter spellings of ä ö ü ø å: both from one decomposition.
void Fold(QStringView text, std::string& plain, std::string* transcribed) {
    // Pure ASCII (the ASCII spellings, most typed text) needs no decomposition.
    const QString decomposed =
        IsAscii(text) ? text.toString() : text.toString().normalized(QString::NormalizationForm_KD);
    plain.clear();
    plain.reserve(static_cast<std::size_t>(decomposed.size()));
    if (transcribed != nullptr) {
        transcribed->clear();
        transcribed->reserve(static_cast<std::size_t>(decomposed.size()));
    }
    bool gap = false;
    char32_t base = 0; // the letter the marks that follow it belong to
    for (const char32_t original : decomposed.toUcs4()) {
        const QChar::Category category = QChar::category(original);
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
            category == QChar::Mark_Enclosing) {
            if (transcribed != nullptr) {
                if (original == kDiaeresis && (base == U'a' || base == U'o' || base == U'u'))
                    *transcribed += 'e';
                else if (original == kRingAbove && base == U'a')
                    *transcribed += 'a';
            }
            base = 0;
            continue;
        }
        if (JoinsLetters(original))
            continue;
        if (!QChar::isLetterOrNumber(original)) {
            gap = !plain.empty();
            base = 0;
            continue;
        }
        if (gap) {
            plain += ' ';
            if (transcribed != nullptr)
                *transcribed += ' ';
        }
        gap = false;
        const char32_t c = QChar::toLower(original);
        base = c;
        const std::size_t from = plain.size();
        const auto own = std::find_if(kOwnSpellings.begin(), kOwnSpellings.end(),
                                      [c](const auto& entry) { return entry.first == c; });
        if (own != kOwnSpellings.end())
            plain += own->second;
        else
            AppendUtf8(plain, c);
        if (transcribed != nullptr) {
            if (c == U'ø')
                *transcribed += "oe";
            else
                transcribed->append(plain, from);
        }
    }
}

// Bytes of the UTF-8 character whose first byte is `lead`.
std::size_t CharacterBytes(char lead) {
    const auto b = static_cast<unsigned char>(lead);
    return b < 0xC0 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
}

// The text from `from` on; empty past its end.
std::string_view Tail(std::string_view text, std::size_t from) {
    return from < text.size() ? text.substr(from) : std::string_view();
}

// How a typed text lies one letter off a name.
enum class OneOff { No, Whole, Start };

// Whether the rest of the typed text is the rest of the name, or its start.
OneOff Rest(std::string_view typed, std::string_view name) {
    // A loop of its own: the texts are a few bytes, shorter than a call to memcmp takes.
    if (name.size() < typed.size())
        return OneOff::No;
    for (std::size_t i = 0; i < typed.size(); ++i)
        if (typed[i] != name[i])
            return OneOff::No;
    return name.size() == typed.size() ? OneOff::Whole : OneOff::Start;
}

// Whether `typed` is one letter off `name` or off its start: one letter wrong, extra or
// missing, or two neighbours swapped. Letters are UTF-8 characters, so "ж" for "з" is one.
// A name that starts with the whole typed text is no typo.
OneOff OneLetterOff(std::string_view typed, std::string_view name) {
    std::size_t same = static_cast<std::size_t>(
        std::mismatch(typed.begin(), typed.end(), name.begin(), name.end()).first - typed.begin());
    if (same == typed.size())
        return OneOff::No;
    while (same > 0 && (static_cast<unsigned char>(typed[same]) & 0xC0) == 0x80)
        --same; // back to the start of the character that differs
    OneOff best = OneOff::No;
    const auto take = [&best](OneOff found) {
        if (found == OneOff::Whole || best == OneOff::No)
            best = found;
    };
    const std::size_t typedLetter = CharacterBytes(typed[same]);
    const std::string_view typedAfter = Tail(typed, same + typedLetter);
    take(Rest(typedAfter, Tail(name, same))); // an extra letter typed
    if (same < name.size()) {
        const std::size_t nameLetter = CharacterBytes(name[same]);
        const std::string_view nameAfter = Tail(name, same + nameLetter);
        take(Rest(typedAfter, nameAfter));        // a wrong letter
        take(Rest(Tail(typed, same), nameAfter)); // a letter missing
        const std::string_view typedSecond = typedAfter.substr(0, nameLetter);
        if (typedSecond == name.substr(same, nameLetter) &&
            nameAfter.starts_with(typed.substr(same, typedLetter))) // two letters swapped
            take(Rest(Tail(typedAfter, nameLetter), Tail(nameAfter, typedLetter)));
    }
    return best;
}

bool StartsAscii(std::string_view text, std::size_t bytes) {
    return text.size() >= bytes && std::all_of(text.begin(), text.begin() + bytes, [](char c) {
               return static_cast<unsigned char>(c) < 0x80;
           });
}

// A cheap test that rules out most names before OneLetterOff, from the first three letters
// of the name and of the typed text (t0 t1 t2) when these are ASCII. With one letter off at
// the first letter the name starts t1 (extra, swapped), or its second letter is t1 (wrong)
// or t0 (missing); else the name starts with t0 and, one letter off at the second letter,
// has t2 second (extra, swapped) or third (wrong), or t1 third (missing); else it has t1
// second. A name with at least one letter fewer than the text is never one letter off.
bool MayBeOneLetterOff(std::string_view typed, std::string_view name) {
    if (name.size() + 4 < typed.size())
        return false;
    if (!StartsAscii(name, 3) || !StartsAscii(typed, 3))
        return true;
    if (name[0] == typed[0])
        return name[1] == typed[1] || name[1] == typed[2] || name[2] == typed[2] ||
               name[2] == typed[1];
    return name[0] == typed[1] || name[1] == typed[1] || name[1] == typed[0];
}

// The fields of one tab-separated line.
std::vector<QByteArrayView> Fields(QByteArrayView line) {
    std::vector<QByteArrayView> fields;
    qsizetype start = 0;
    for (qsizetype tab; (tab = line.indexOf('\t', start)) >= 0; start = tab + 1)
        fields.push_back(line.sliced(start, tab - start));
    fields.push_back(line.sliced(start));
    return fields;
}

bool ToIndex(QByteArrayView field, std::size_t count, std::uint16_t& index) {
    bool ok = false;
    const int value = field.toInt(&ok);
    if (!ok || value < 0 || static_cast<std::size_t>(value) >= count ||
        value > std::numeric_limits<std::uint16_t>::max())
        return false;
    index = static_cast<std::uint16_t>(value);
    return true;
}

bool ToPosition(QByteArrayView field, int bound, std::int32_t& units) {
    bool ok = false;
    const int value = field.toInt(&ok);
    if (!ok || value < -bound || value > bound)
        return false;
    units = value;
    return true;
}

} // namespace

QString PlaceLabel(const Place& place) {
    QStringList parts{place.Name};
    if (!place.Region.isEmpty())
        parts << place.Region;
    parts << place.Country;
    return parts.join(QStringLiteral(", "));
}

QString PlaceLabel(const PlaceMatch& match) {
    if (!match.OtherName)
        return PlaceLabel(match.Found);
    Place named = match.Found;
    named.Name = QStringLiteral("%1 (%2)").arg(match.Found.Name, match.Matched);
    return PlaceLabel(named);
}

std::string FoldForSearch(QStringView text) {
    std::string folded;
    Fold(text, folded, nullptr);
    return folded;
}

std::string FoldTranscribed(QStringView text) {
    std::string plain, transcribed;
    Fold(text, plain, &transcribed);
    return transcribed;
}

// The places found so far, in groups by part of a city or town, by kind and by own or other
// name. The keys of a search come in the list's order, a place's keys together and the
// places largest first, so each group keeps the first `limit` places that reach it, and a
// place is filed under its best group, by the first of its keys that reach that group.
class PlaceList::Ranking {
public:
    explicit Ranking(std::size_t limit)
        : m_limit(limit) {}

    // A key of place `row` matched as `kind`.
    void Offer(std::size_t row, std::size_t key, Kind kind, const PlaceList& list) {
        if (m_open && row != m_row)
            Close();
        const Row& place = list.m_rows[row];
        const bool other = list.m_keyName[key] != list.m_keyName[place.FirstKey];
        const std::size_t group = 2 * kind + (other ? 1 : 0);
        if (!m_open || group < m_group) {
            m_open = true;
            m_row = row;
            m_section = place.Section;
            m_key = key;
            m_group = group;
        }
    }
    // Marks the places filed so far, which a second pass over the keys leaves where they are.
    void Again(std::size_t rows) {
        Close();
        m_filed.assign(rows, false);
        for (const auto& groups : m_groups)
            for (const auto& group : groups)
                for (const Hit& hit : group)
                    m_filed[hit.Row] = true;
    }
    // Files the place being gathered.
    void Close() {
        if (!m_open)
            return;
        m_open = false;
        if (!m_filed.empty() && m_filed[m_row])
            return;
        std::vector<Hit>& group = m_groups[m_section][m_group];
        if (group.size() < m_limit)
            group.push_back({m_row, m_key});
    }
    // Whether `limit` towns have matched as `kind` by their own names: no later place can
    // displace them.
    bool Full(Kind kind) const { return m_groups[0][2 * kind].size() >= m_limit; }
    // Whether any place, town or part of a city, has matched as `kind`.
    bool Any(Kind kind) const {
        return std::any_of(m_groups.begin(), m_groups.end(), [kind](const auto& groups) {
            return !groups[2 * kind].empty() || !groups[2 * kind + 1].empty();
        });
    }

    // The best `limit` places: the towns by group, then the parts of a city by group.
    std::vector<PlaceMatch> Take(const PlaceList& list) {
        Close();
        std::vector<PlaceMatch> found;
        for (const auto& groups : m_groups)
            for (std::size_t group = 0; group < groups.size(); ++group)
                for (const Hit& hit : groups[group])
                    if (found.size() < m_limit)
                        found.push_back(
                            list.MatchOf(hit.Row, hit.Key, static_cast<Kind>(group / 2)));
        return found;
    }

private:
    struct Hit {
        std::size_t Row;
        std::size_t Key;
    };
    std::size_t m_limit;
    // [part of a city][2 * kind + by another name]
    std::array<std::array<std::vector<Hit>, 2 * kKinds>, 2> m_groups;
    bool m_open = false; // a place is being gathered
    std::size_t m_row = 0;
    bool m_section = false;
    std::size_t m_key = 0;
    std::size_t m_group = 0;
    std::vector<bool> m_filed; // by row, in a second pass: filed in the first
};

PlaceList::PlaceList()
    : m_builtIn(true) {}

PlaceList::PlaceList(QByteArray text)
    : m_text(std::move(text)) {}

PlaceList::~PlaceList() = default;

std::size_t PlaceList::Size() {
    Load();
    return m_rows.size();
}

std::size_t PlaceList::OtherNames() {
    Load();
    return m_otherNames;
}

void PlaceList::Load() {
    if (m_loaded)
        return;
    m_loaded = true;
    if (m_builtIn) {
        InitPlaceResources();
        QFile file(QStringLiteral(":/places.tsv"));
        if (!file.open(QIODevice::ReadOnly)) {
            qWarning("The place list is missing from the program; no place can be found.");
            m_keyStart.push_back(0);
            return;
        }
        m_text = file.readAll();
    }

    int unreadable = 0;
    qsizetype start = 0;
    const QByteArrayView text(m_text);
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        const QByteArrayView line = text.sliced(start, end - start);
        start = end + 1;
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (!ReadRecord(Fields(line)))
            ++unreadable;
    }
    m_keyStart.push_back(static_cast<std::uint32_t>(m_keys.size())); // one past the last key
    m_text = QByteArray();
    m_rows.shrink_to_fit();
    m_names.shrink_to_fit();
    m_keys.shrink_to_fit();
    m_keyStart.shrink_to_fit();
    m_keyName.shrink_to_fit();
    if (unreadable > 0)
        qWarning("The place list has %d unreadable lines; they were skipped.", unreadable);
}

bool PlaceList::ReadRecord(const std::vector<QByteArrayView>& f) {
    const QByteArrayView tag = f[0];
    if (tag == "A") {
        // Another name of the place read just above; none when that place could not be read.
        if (f.size() != 2 || !m_placeRead || !AddName(f[1], {}))
            return false;
        ++m_otherNames;
        return true;
    }
    m_placeRead = false;
    if (tag == "Z" && f.size() == 2 && !f[1].isEmpty()) {
        m_zones.push_back(QString::fromUtf8(f[1]));
        return true;
    }
    if (tag == "C" && f.size() == 3 && !f[2].isEmpty()) {
        m_countries.push_back(QString::fromUtf8(f[2]));
        return true;
    }
    if (tag == "R" && f.size() == 3) {
        Region region{QString::fromUtf8(f[2]), 0};
        if (!ToIndex(f[1], m_countries.size(), region.Country))
            return false;
        m_regions.push_back(std::move(region));
        return true;
    }
    if ((tag != "P" && tag != "S") || f.size() != 7)
        return false;
    Row row{};
    if (!ToIndex(f[3], m_regions.size(), row.Region) ||
        !ToPosition(f[4], kMaxLatitude, row.Latitude) ||
        !ToPosition(f[5], kMaxLongitude, row.Longitude) || !ToIndex(f[6], m_zones.size(), row.Zone))
        return false;
    row.FirstKey = static_cast<std::uint32_t>(m_keyStart.size());
    row.Section = tag == "S";
    if (!AddName(f[1], f[2]))
        return false;
    m_rows.push_back(row);
    m_placeRead = true;
    return true;
}

bool PlaceList::AddName(QByteArrayView name, QByteArrayView ascii) {
    if (name.isEmpty() || static_cast<std::size_t>(name.size()) > kMaxTextBytes)
        return false;
    std::string key, transcribed, asciiKey;
    Fold(QString::fromUtf8(name), key, &transcribed);
    if (!ascii.isEmpty())
        Fold(QString::fromUtf8(ascii), asciiKey, nullptr);
    const auto nameAt = static_cast<std::uint32_t>(m_names.size());
    m_names += static_cast<char>(name.size());
    m_names.append(name.data(), static_cast<std::size_t>(name.size()));
    const auto addKey = [this, nameAt](const std::string& folded) {
        m_keyStart.push_back(static_cast<std::uint32_t>(m_keys.size()));
        m_keyName.push_back(nameAt);
        m_keys += folded;
        m_keys += '\n';
    };
    addKey(key); // always, even when it folds to nothing: a place's first key is its name's
    if (!asciiKey.empty() && asciiKey != key)
        addKey(asciiKey);
    if (transcribed != key && transcribed != asciiKey)
        addKey(transcribed);
    return true;
}

std::string_view PlaceList::Key(std::size_t key) const {
    return std::string_view(m_keys).substr(m_keyStart[key],
                                           m_keyStart[key + 1] - m_keyStart[key] - 1);
}

std::vector<PlaceMatch> PlaceList::Find(QStringView typed, std::size_t limit) {
    const std::string query = FoldForSearch(typed);
    const std::size_t characters = CharacterCount(query);
    if (characters < kMinimumQuery || limit == 0)
        return {};
    Load();
    Ranking ranking(limit);
    FindExact(query, ranking);
    if (!ranking.Any(kWhole) && !ranking.Any(kStart) && characters >= kMinimumTypoQuery) {
        ranking.Again(m_rows.size());
        FindTypos(query, ranking);
    }
    return ranking.Take(*this);
}

std::vector<Place> PlaceList::Search(QStringView typed, std::size_t limit) {
    std::vector<Place> places;
    for (PlaceMatch& match : Find(typed, limit))
        places.push_back(std::move(match.Found));
    return places;
}

void PlaceList::FindExact(std::string_view query, Ranking& ranking) const {
    // The keys lie end to end in one text, a newline after each, which no query holds; so
    // one pass of memmem over that text finds every key that holds the query.
    const char* const keys = m_keys.data();
    const std::size_t size = m_keys.size();
    std::size_t key = 0, row = 0, from = 0;
    while (from < size) {
        const void* hit = memmem(keys + from, size - from, query.data(), query.size());
        if (hit == nullptr)
            break;
        const auto at = static_cast<std::size_t>(static_cast<const char*>(hit) - keys);
        while (m_keyStart[key + 1] <= at)
            ++key;
        while (row + 1 < m_rows.size() && m_rows[row + 1].FirstKey <= key)
            ++row;
        const std::size_t begins = m_keyStart[key];
        const std::size_t length = m_keyStart[key + 1] - begins - 1;
        const Kind kind = at > begins ? kInside : length == query.size() ? kWhole : kStart;
        ranking.Offer(row, key, kind, *this);
        if (ranking.Full(kWhole))
            break;
        from = m_keyStart[key + 1]; // a key's first hit is its best
    }
    ranking.Close();
}

void PlaceList::FindTypos(std::string_view query, Ranking& ranking) const {
    const std::string_view keys(m_keys);
    const std::size_t count = m_keyStart.size() - 1;
    std::size_t row = 0;
    std::size_t begins = 0;
    for (std::size_t key = 0; key < count; ++key) {
        const std::size_t ends = m_keyStart[key + 1];
        const std::string_view name = keys.substr(begins, ends - begins - 1);
        begins = ends;
        if (!MayBeOneLetterOff(query, name))
            continue;
        const OneOff off = OneLetterOff(query, name);
        if (off == OneOff::No)
            continue;
        while (row + 1 < m_rows.size() && m_rows[row + 1].FirstKey <= key)
            ++row;
        ranking.Offer(row, key, off == OneOff::Whole ? kTypoWhole : kTypoStart, *this);
        if (ranking.Full(kTypoWhole))
            break;
    }
    ranking.Close();
}

QString PlaceList::NameAt(std::uint32_t offset) const {
    return QString::fromUtf8(m_names.data() + offset + 1,
                             static_cast<unsigned char>(m_names[offset]));
}

PlaceMatch PlaceList::MatchOf(std::size_t row, std::size_t key, Kind kind) const {
    const Row& r = m_rows[row];
    const bool other = m_keyName[key] != m_keyName[r.FirstKey];
    constexpr std::array<NameMatch, kKinds> kMatches{
        NameMatch::Whole, NameMatch::Start, NameMatch::Inside, NameMatch::Typo, NameMatch::Typo};
    Place place = PlaceOf(r);
    QString matched = other ? NameAt(m_keyName[key]) : place.Name;
    return {std::move(place), std::move(matched), other, kMatches[kind]};
}

Place PlaceList::PlaceOf(const Row& row) const {
    const Region& region = m_regions[row.Region];
    return {NameAt(m_keyName[row.FirstKey]),
            region.Name,
            m_countries[region.Country],
            row.Latitude / kUnitsPerDegree,
            row.Longitude / kUnitsPerDegree,
            m_zones[row.Zone],
            row.Section};
}

} // namespace selvane
