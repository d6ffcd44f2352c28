#include "TextCollation.h"

#include "TextCase.h"
#include "TextOrder.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace svidary {

const TextCollation& TextCollation::instance() {
    static const TextCollation collation;
    return collation;
}

TextCollation::TextCollation() {
    std::vector<unsigned char> loweredBytes;
    for (int byte = 0; byte < 256; ++byte) {
        const auto lowered = static_cast<unsigned char>(toLowerChar(static_cast<char>(byte)));
        lower_[byte] = lowered;
        loweredBytes.push_back(lowered);
    }
    std::sort(loweredBytes.begin(), loweredBytes.end());
    loweredBytes.erase(std::unique(loweredBytes.begin(), loweredBytes.end()), loweredBytes.end());
    std::stable_sort(
        loweredBytes.begin(), loweredBytes.end(), [](unsigned char a, unsigned char b) {
            const char left = static_cast<char>(a);
            const char right = static_cast<char>(b);
            return compareText(std::string_view(&left, 1), std::string_view(&right, 1)) < 0;
        });
    if (loweredBytes.size() > 255) {
        throw std::logic_error("the text order has more than 255 letter weights");
    }
    std::array<unsigned char, 256> weightOfLowered{};
    for (std::size_t rank = 0; rank < loweredBytes.size(); ++rank) {
        weightOfLowered[loweredBytes[rank]] = static_cast<unsigned char>(rank + 1);
    }
    for (int byte = 0; byte < 256; ++byte) {
        weights_[byte] = weightOfLowered[lower_[byte]];
    }
}

int TextCollation::compare(std::string_view a, std::string_view b) const {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const int difference =
            weights_[static_cast<unsigned char>(a[i])] - weights_[static_cast<unsigned char>(b[i])];
        if (difference != 0) {
            return difference;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return common == 0 ? 0 : std::memcmp(a.data(), b.data(), common);
}

std::uint64_t TextCollation::prefixKey(std::string_view text) const {
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        key <<= 8;
        if (i < text.size()) {
            key |= weights_[static_cast<unsigned char>(text[i])];
        }
    }
    return key;
}

bool TextCollation::containsLowered(std::string_view haystack,
                                    std::string_view loweredNeedle) const {
    if (loweredNeedle.empty() || loweredNeedle.size() > haystack.size()) {
        return false;
    }
    const auto first = static_cast<unsigned char>(loweredNeedle[0]);
    const std::size_t lastStart = haystack.size() - loweredNeedle.size();
    for (std::size_t start = 0; start <= lastStart; ++start) {
        if (lower_[static_cast<unsigned char>(haystack[start])] != first) {
            continue;
        }
        std::size_t matched = 1;
        while (matched < loweredNeedle.size() &&
               lower_[static_cast<unsigned char>(haystack[start + matched])] ==
                   static_cast<unsigned char>(loweredNeedle[matched])) {
            ++matched;
        }
        if (matched == loweredNeedle.size()) {
            return true;
        }
    }
    return false;
}

} // namespace svidary
