#include "engine/text.h"

#include <charconv>

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

} // namespace selvane
