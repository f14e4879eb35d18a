// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The text helpers the engine's texts and the settings' numbers share: cutting a UTF-8 text to
// a number of characters, reading a strict decimal integer, and writing numbers the same way
// whatever the C locale in force.

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

// 356896 -> "356 896": thousands set apart by a space.
std::string GroupedThousands(std::int32_t n);

// A value with a fixed number of decimals (0..6) and a point, rounded with halves to even:
// FixedDecimals(1.17845, 3) is "1.178", FixedDecimals(-0.0004, 3) is "-0.000".
std::string FixedDecimals(double value, int decimals);

} // namespace selvane
