#pragma once

#include <string_view>

// The one text order of the program. Every alphabetical or case-insensitive sort uses it.
// Compare the lowered texts by letter weight, a shorter prefix first; on a tie compare the raw
// bytes, a shorter prefix first, so exactly equal texts always stand next to each other.
namespace svidary {

// Negative, zero or positive, like strcmp. Arguments are Windows-1251 bytes.
int compareText(std::string_view a, std::string_view b);

struct TextLess {
    bool operator()(std::string_view a, std::string_view b) const { return compareText(a, b) < 0; }
};

} // namespace svidary
