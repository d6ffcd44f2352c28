#include "TextCase.h"

#include <array>
#include <utility>

namespace svidary {

namespace {

struct CaseTables {
    std::array<char, 256> lower{};
    std::array<char, 256> upper{};

    CaseTables() {
        for (int i = 0; i < 256; ++i) {
            lower[i] = static_cast<char>(i);
            upper[i] = static_cast<char>(i);
        }
        const auto pair = [this](int capital, int small) {
            lower[capital] = static_cast<char>(small);
            upper[small] = static_cast<char>(capital);
        };
        for (int i = 0; i < 26; ++i) {
            pair('A' + i, 'a' + i);
        }
        for (int i = 0; i < 32; ++i) {
            pair(0xC0 + i, 0xE0 + i); // А-Я, а-я
        }
        // The other Cyrillic letters of the code page, capital then small:
        // Ђ ђ, Ѓ ѓ, Љ љ, Њ њ, Ќ ќ, Ћ ћ, Џ џ, Ў ў, Ј ј, Ґ ґ, Ё ё, Є є, Ї ї, І і, Ѕ ѕ.
        constexpr std::pair<int, int> Others[] = {
            {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D},
            {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
            {0xA8, 0xB8}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE},
        };
        for (const auto& [capital, small] : Others) {
            pair(capital, small);
        }
    }
};

const CaseTables& tables() {
    static const CaseTables instance;
    return instance;
}

std::string mapped(std::string_view text, const std::array<char, 256>& table) {
    std::string out(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        out[i] = table[static_cast<unsigned char>(text[i])];
    }
    return out;
}

} // namespace

char toLowerChar(char c) {
    return tables().lower[static_cast<unsigned char>(c)];
}

char toUpperChar(char c) {
    return tables().upper[static_cast<unsigned char>(c)];
}

std::string toLower(std::string_view text) {
    return mapped(text, tables().lower);
}

std::string toUpper(std::string_view text) {
    return mapped(text, tables().upper);
}

std::string capitalised(std::string_view text) {
    std::string out = toLower(text);
    if (!out.empty()) {
        out[0] = toUpperChar(out[0]);
    }
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    const auto& lower = tables().lower;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower[static_cast<unsigned char>(a[i])] != lower[static_cast<unsigned char>(b[i])]) {
            return false;
        }
    }
    return true;
}

} // namespace svidary
