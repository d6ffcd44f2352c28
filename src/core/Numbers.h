#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Integers in files and fields: an optional "+" or "-", then one or more digits 0-9, within the
// 32-bit signed range; nothing else.
namespace svidary {

std::optional<std::int32_t> tryParseInt(std::string_view text);

// Throws ConversionError "'TEXT' is not a valid integer value".
std::int32_t parseInt(std::string_view text);

// The value, or fallback when the text is not an integer.
std::int32_t parseIntOr(std::string_view text, std::int32_t fallback);

} // namespace svidary
