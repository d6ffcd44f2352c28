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
        otherCase_[byte] = static_cast<unsigned char>(byte);
    }
    for (int byte = 0; byte < 256; ++byte) {
        if (lower_[byte] != byte) {
            otherCase_[lower_[byte]] = static_cast<unsigned char>(byte);
        }
    }
}

namespace {

// The position of the first byte from `from` on where the texts differ, or `end`. Eight bytes at
// a time: most texts that are compared share long stretches (keys, names of one institution).
std::size_t firstDifference(const char* a, const char* b, std::size_t from, std::size_t end) {
    std::size_t i = from;
    for (; i + 8 <= end; i += 8) {
        std::uint64_t wordA = 0;
        std::uint64_t wordB = 0;
        std::memcpy(&wordA, a + i, 8);
        std::memcpy(&wordB, b + i, 8);
        if (wordA != wordB) {
            break;
        }
    }
    while (i < end && a[i] == b[i]) {
        ++i;
    }
    return i;
}

} // namespace

int TextCollation::compare(std::string_view a, std::string_view b) const {
    const std::size_t common = std::min(a.size(), b.size());
    int raw = 0;
    for (std::size_t i = firstDifference(a.data(), b.data(), 0, common); i < common;
         i = firstDifference(a.data(), b.data(), i + 1, common)) {
        const auto byteA = static_cast<unsigned char>(a[i]);
        const auto byteB = static_cast<unsigned char>(b[i]);
        const int difference = weights_[byteA] - weights_[byteB];
        if (difference != 0) {
            return difference;
        }
        // The same letter in another case: decides only when all else is equal.
        if (raw == 0) {
            raw = byteA - byteB;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return raw;
}

std::uint64_t TextCollation::prefixKey(std::string_view text, std::size_t from) const {
    std::uint64_t key = 0;
    for (std::size_t i = from; i < from + 8; ++i) {
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
    // Candidates are found with memchr for the first letter in each of its cases.
    const auto first = static_cast<unsigned char>(loweredNeedle[0]);
    const auto other = static_cast<unsigned char>(otherCase_[first]);
    const char* const begin = haystack.data();
    const std::size_t candidates = haystack.size() - loweredNeedle.size() + 1;
    const auto next = [&](unsigned char byte, std::size_t from) {
        const void* found = std::memchr(begin + from, byte, candidates - from);
        return found == nullptr ? candidates
                                : static_cast<std::size_t>(static_cast<const char*>(found) - begin);
    };
    std::size_t nextFirst = next(first, 0);
    std::size_t nextOther = other == first ? candidates : next(other, 0);
    while (nextFirst < candidates || nextOther < candidates) {
        const std::size_t start = std::min(nextFirst, nextOther);
        std::size_t matched = 1;
        while (matched < loweredNeedle.size() &&
               lower_[static_cast<unsigned char>(begin[start + matched])] ==
                   static_cast<unsigned char>(loweredNeedle[matched])) {
            ++matched;
        }
        if (matched == loweredNeedle.size()) {
            return true;
        }
        if (start == nextFirst) {
            nextFirst = start + 1 < candidates ? next(first, start + 1) : candidates;
        } else {
            nextOther = start + 1 < candidates ? next(other, start + 1) : candidates;
        }
    }
    return false;
}

} // namespace svidary
