#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// Tables for loops that sort or search a whole register: the text order and the lower-case
// mapping as one byte lookup each. The tables are filled from compareText and toLowerChar
// themselves, so they cannot drift from the program's one text order; compare() gives the same
// sign as compareText for every pair of texts.
namespace svidary {

class TextCollation {
public:
    // Built once, on first use.
    static const TextCollation& instance();

    char lower(char c) const { return static_cast<char>(lower_[static_cast<unsigned char>(c)]); }

    // Negative, zero or positive, as compareText.
    int compare(std::string_view a, std::string_view b) const;

    // The weights of eight bytes from `from` on, packed big-endian, zero-padded. Texts whose
    // keys from 0 differ are ordered as those keys; with equal keys, the keys from 8 on decide
    // next, and after those compare().
    std::uint64_t prefixKey(std::string_view text, std::size_t from = 0) const;

    // Whether the lowered haystack contains the lowered needle; the needle is given lowered.
    bool containsLowered(std::string_view haystack, std::string_view loweredNeedle) const;

private:
    TextCollation();

    // The weight of a byte's lower-case letter: 1..255, in the order of the text order.
    std::array<unsigned char, 256> weights_{};
    std::array<unsigned char, 256> lower_{};
    // For a small letter, its capital; for any other byte, the byte itself.
    std::array<unsigned char, 256> otherCase_{};
};

} // namespace svidary
