// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/configform.h"

#include "core/utf8text.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace selvane {

namespace {

QString ShownNumber(const Settings& record, const ConfigNumber& number) {
    QString shown = FromUtf8((record.*number.Angle).*number.Part);
    while (shown.size() > number.Digits && shown.startsWith(QLatin1Char('0')))
        shown.remove(0, 1);
    return shown;
}

// The item of `items` that reads `text`, else the first.
template <std::size_t N>
int ItemReading(const std::array<const char*, N>& items, const std::string& text) {
    const auto found = std::find(items.begin(), items.end(), text);
    return found == items.end() ? 0 : static_cast<int>(std::distance(items.begin(), found));
}

// `text` cut to at most `length` UTF-16 units: at the last space that fits when the cut would
// split a word, else at the end of the last whole character that fits (a letter with its
// accents, a surrogate pair); without the commas and spaces it would then end with.
QString CutCleanly(const QString& text, int length) {
    if (text.size() <= length)
        return text;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    characters.setPosition(length);
    const qsizetype end = characters.isAtBoundary() ? length : characters.toPreviousBoundary();
    QString cut = text.left(std::max<qsizetype>(end, 0));
    const qsizetype space = cut.lastIndexOf(QLatin1Char(' '));
    if (!text.at(cut.size()).isSpace() && space > 0)
        cut.truncate(space);
    while (cut.endsWith(QLatin1Char(',')) || cut.endsWith(QLatin1Char(' ')))
        cut.chop(1);
    return cut;
}

// The record's text while the window shows it unchanged, else the entered text, cut.
std::string EnteredText(const QString& entered, const std::string& stored, int length) {
    return entered == FromUtf8(stored) ? stored : CutText(entered, length);
}

} // namespace

ConfigForm FormOf(const Settings& record) {
    ConfigForm form;
    for (std::size_t i = 0; i < kConfigNumbers.size(); ++i)
        form.Numbers[i] = ShownNumber(record, kConfigNumbers[i]);
    form.LatDirection = FromUtf8(record.Lat.Direction);
    form.LongDirection = FromUtf8(record.Long.Direction);
    form.Location = FromUtf8(record.Location);
    form.DayOrder = record.DayOrder < kDayOrders.size() ? record.DayOrder : 0;
    form.DateLayout = record.DateLayoutIdx < kDateLayouts.size()
                          ? record.DateLayoutIdx
                          : ItemReading(kDateLayouts, record.DateLayout);
    form.FixedZone =
        record.TimeZone >= 0 && record.TimeZone < kFixedZoneCount ? record.TimeZone : 0;
    form.FixedDaylight = record.DaylightSavings;
    form.ZoneName = FromUtf8(record.ZoneName);
    return form;
}

Settings RecordOf(const ConfigForm& entered, const Settings& record) {
    Settings s = record;
    for (std::size_t i = 0; i < kConfigNumbers.size(); ++i) {
        const ConfigNumber& n = kConfigNumbers[i];
        const QString text =
            entered.Numbers[i].isEmpty() ? QStringLiteral("00") : entered.Numbers[i];
        if (text != ShownNumber(record, n))
            (s.*n.Angle).*n.Part = CutText(text, kDmsLength);
    }
    s.Lat.Direction = EnteredText(entered.LatDirection, record.Lat.Direction, kDirectionLength);
    s.Long.Direction = EnteredText(entered.LongDirection, record.Long.Direction, kDirectionLength);
    s.Location = entered.Location == FromUtf8(record.Location)
                     ? record.Location
                     : CutText(OneLineText(entered.Location), kLocationLength);
    s.DayOrder = static_cast<std::uint8_t>(std::max(0, entered.DayOrder));
    const bool listed =
        entered.DateLayout >= 0 && entered.DateLayout < static_cast<int>(kDateLayouts.size());
    s.DateLayout = listed ? kDateLayouts[static_cast<std::size_t>(entered.DateLayout)] : "";
    s.DateLayoutIdx = static_cast<std::uint8_t>(std::max(0, entered.DateLayout));
    s.TimeZone = entered.FixedZone;
    s.DaylightSavings = entered.FixedDaylight;
    s.ZoneName = EnteredText(entered.ZoneName, record.ZoneName, kZoneNameLength);
    return s;
}

QString PlaceLocation(const Place& place) {
    QString location = PlaceLabel(place);
    if (location.size() > kLocationLength && !place.Region.isEmpty()) {
        Place withoutRegion = place;
        withoutRegion.Region.clear();
        location = PlaceLabel(withoutRegion);
    }
    return CutCleanly(location, kLocationLength);
}

QString OneLineText(const QString& text) {
    QString line;
    line.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue; // the CR of a CR LF: the LF makes the one space
        const bool breaks = c.category() == QChar::Other_Control ||
                            c.category() == QChar::Separator_Line ||
                            c.category() == QChar::Separator_Paragraph;
        line += breaks ? QChar(u' ') : c;
    }
    return line;
}

} // namespace selvane
