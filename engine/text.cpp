// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/text.h"

#include "engine/numeric.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace selvane {

std::string Utf8Left(std::string_view text, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t count = 0; i < text.size() && count < n; ++count) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i; // continuation bytes belong to the same code point
    }
    return std::string(text.substr(0, i));
}

std::optional<std::int32_t> ParseDecimal(std::string_view text) noexcept {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

std::string GroupedThousands(std::int32_t n) {
    const std::string digits = std::to_string(std::abs(static_cast<std::int64_t>(n)));
    std::string out = n < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ' ';
        out += digits[i];
    }
    return out;
}

std::string FixedDecimals(double value, int decimals) {
    decimals = decimals < 0 ? 0 : (decimals > 6 ? 6 : decimals);
    const double scale = std::pow(10.0, decimals);
    const auto units = static_cast<std::int64_t>(Round(std::fabs(value) * scale));
    const auto divisor = static_cast<std::int64_t>(scale);
    std::string out = std::signbit(value) ? "-" : "";
    out += std::to_string(units / divisor);
    if (decimals > 0) {
        const std::string fraction = std::to_string(units % divisor);
        out += '.';
        out.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
        out += fraction;
    }
    return out;
}

} // namespace selvane
