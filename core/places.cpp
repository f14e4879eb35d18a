#include "core/places.h"

#include <QByteArrayView>
#include <QFile>
#include <QtDebug>

#include <algorithm>
#include <array>
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

std::string FoldForSearch(QStringView text) {
    // Pure ASCII (the ASCII spellings, most typed text) needs no decomposition.
    const QString decomposed =
        IsAscii(text) ? text.toString() : text.toString().normalized(QString::NormalizationForm_KD);
    std::string folded;
    folded.reserve(static_cast<std::size_t>(decomposed.size()));
    bool gap = false;
    for (const char32_t original : decomposed.toUcs4()) {
        const QChar::Category category = QChar::category(original);
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
            category == QChar::Mark_Enclosing || JoinsLetters(original))
            continue;
        if (!QChar::isLetterOrNumber(original)) {
            gap = !folded.empty();
            continue;
        }
        if (gap)
            folded += ' ';
        gap = false;
        const char32_t c = QChar::toLower(original);
        const auto own = std::find_if(kOwnSpellings.begin(), kOwnSpellings.end(),
                                      [c](const auto& entry) { return entry.first == c; });
        if (own != kOwnSpellings.end())
            folded += own->second;
        else
            AppendUtf8(folded, c);
    }
    return folded;
}

PlaceList::PlaceList()
    : m_builtIn(true) {}

PlaceList::PlaceList(QByteArray text)
    : m_text(std::move(text)) {}

PlaceList::~PlaceList() = default;

std::size_t PlaceList::Size() {
    Load();
    return m_rows.size();
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
    m_text = QByteArray();
    m_rows.shrink_to_fit();
    m_names.shrink_to_fit();
    m_keys.shrink_to_fit();
    if (unreadable > 0)
        qWarning("The place list has %d unreadable lines; they were skipped.", unreadable);
}

bool PlaceList::ReadRecord(const std::vector<QByteArrayView>& f) {
    const QByteArrayView tag = f[0];
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
    if (tag != "P" || f.size() != 7 || f[1].isEmpty() ||
        static_cast<std::size_t>(f[1].size()) > kMaxTextBytes)
        return false;
    Row row{};
    if (!ToIndex(f[3], m_regions.size(), row.Region) ||
        !ToPosition(f[4], kMaxLatitude, row.Latitude) ||
        !ToPosition(f[5], kMaxLongitude, row.Longitude) || !ToIndex(f[6], m_zones.size(), row.Zone))
        return false;
    const std::string key = FoldForSearch(QString::fromUtf8(f[1]));
    std::string ascii = f[2].isEmpty() ? std::string() : FoldForSearch(QString::fromUtf8(f[2]));
    if (ascii == key)
        ascii.clear(); // one key is enough
    if (key.size() > kMaxTextBytes || ascii.size() > kMaxTextBytes)
        return false;
    row.Name = static_cast<std::uint32_t>(m_names.size());
    row.NameLength = static_cast<std::uint8_t>(f[1].size());
    m_names.append(f[1].data(), static_cast<std::size_t>(f[1].size()));
    row.Key = static_cast<std::uint32_t>(m_keys.size());
    row.KeyLength = static_cast<std::uint8_t>(key.size());
    row.AsciiLength = static_cast<std::uint8_t>(ascii.size());
    m_keys += key;
    m_keys += ascii;
    m_rows.push_back(row);
    return true;
}

std::vector<Place> PlaceList::Search(QStringView typed, std::size_t limit) {
    const std::string query = FoldForSearch(typed);
    if (CharacterCount(query) < kMinimumQuery || limit == 0)
        return {};
    Load();
    std::vector<const Row*> starting, containing;
    for (const Row& row : m_rows) {
        const std::string_view keys(m_keys.data() + row.Key, row.KeyLength + row.AsciiLength);
        const std::string_view name = keys.substr(0, row.KeyLength);
        const std::string_view ascii = keys.substr(row.KeyLength);
        if (name.starts_with(query) || (!ascii.empty() && ascii.starts_with(query))) {
            starting.push_back(&row);
            if (starting.size() == limit)
                break;
        } else if (containing.size() < limit && (name.find(query) != std::string_view::npos ||
                                                 ascii.find(query) != std::string_view::npos)) {
            containing.push_back(&row);
        }
    }
    std::vector<Place> places;
    places.reserve(std::min(limit, starting.size() + containing.size()));
    for (const auto* group : {&starting, &containing})
        for (const Row* row : *group)
            if (places.size() < limit)
                places.push_back(PlaceOf(*row));
    return places;
}

Place PlaceList::PlaceOf(const Row& row) const {
    const Region& region = m_regions[row.Region];
    return {QString::fromUtf8(m_names.data() + row.Name, row.NameLength),
            region.Name,
            m_countries[region.Country],
            row.Latitude / kUnitsPerDegree,
            row.Longitude / kUnitsPerDegree,
            m_zones[row.Zone]};
}

} // namespace selvane
