#include "TextOrder.h"

#include "Cp1251.h"
#include "TextCase.h"

#include <array>
#include <cstdint>
#include <string>

namespace svidary {

namespace {

// Weight of every byte after lowering: characters that are neither letters nor digits first in
// code order, then the digits, then Latin, then Cyrillic in alphabetical order. A capital letter
// weighs as much as its small letter.
std::array<std::uint8_t, 256> makeWeights() {
    const std::string cyrillic = utf8ToCp1251("абвгґдђѓеёєжзѕиіїйјклљмнњопрстћќуўфхцџчшщъыьэюя");
    std::string alphabet = "0123456789abcdefghijklmnopqrstuvwxyz";
    alphabet += cyrillic;

    std::array<int, 256> rankInAlphabet{};
    rankInAlphabet.fill(-1);
    for (std::size_t i = 0; i < alphabet.size(); ++i) {
        rankInAlphabet[static_cast<unsigned char>(alphabet[i])] = static_cast<int>(i);
    }

    std::array<std::uint8_t, 256> ownWeight{};
    int next = 0;
    for (int byte = 0; byte < 256; ++byte) {
        if (rankInAlphabet[byte] < 0) {
            ownWeight[byte] = static_cast<std::uint8_t>(next++);
        }
    }
    for (int byte = 0; byte < 256; ++byte) {
        if (rankInAlphabet[byte] >= 0) {
            ownWeight[byte] = static_cast<std::uint8_t>(next + rankInAlphabet[byte]);
        }
    }

    std::array<std::uint8_t, 256> weights{};
    for (int byte = 0; byte < 256; ++byte) {
        const auto lowered = static_cast<unsigned char>(toLowerChar(static_cast<char>(byte)));
        weights[byte] = ownWeight[lowered];
    }
    return weights;
}

} // namespace

int compareText(std::string_view a, std::string_view b) {
    static const std::array<std::uint8_t, 256> weights = makeWeights();
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    int rawDifference = 0;
    for (std::size_t i = 0; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca == cb) {
            continue;
        }
        const int difference = int{weights[ca]} - int{weights[cb]};
        if (difference != 0) {
            return difference;
        }
        if (rawDifference == 0) {
            rawDifference = int{ca} - int{cb};
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return rawDifference;
}

} // namespace svidary
