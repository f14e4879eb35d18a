#pragma once
// The two text helpers the engine's texts and the settings' numbers share: cutting a UTF-8
// text to a number of characters, and reading a strict decimal integer.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace selvane {

// The first n characters (code points) of a UTF-8 text.
std::string Utf8Left(std::string_view text, std::size_t n);

// A strictly converted decimal integer: optional sign and digits only, within 32 bits.
std::optional<std::int32_t> ParseDecimal(std::string_view text) noexcept;

} // namespace selvane
