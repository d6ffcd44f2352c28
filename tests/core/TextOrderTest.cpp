#include "core/TextOrder.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace svidary {
namespace {

using test::cp;

// Each text must come strictly before the next one.
void expectStrictlyAscending(const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
        EXPECT_LT(compareText(texts[i], texts[i + 1]), 0)
            << cp1251ToUtf8(texts[i]) << " < " << cp1251ToUtf8(texts[i + 1]);
        EXPECT_GT(compareText(texts[i + 1], texts[i]), 0)
            << cp1251ToUtf8(texts[i + 1]) << " > " << cp1251ToUtf8(texts[i]);
    }
}

TEST(TextOrder, NonLettersThenDigitsThenLatinThenCyrillic) {
    expectStrictlyAscending({cp(" "), cp("!"), cp("-"), cp("~"), cp("«"), cp("№"), cp("0"), cp("9"),
                             cp("a"), cp("Z"), cp("а"), cp("я")});
}

TEST(TextOrder, CyrillicAlphabetIncludingTheLettersOfOtherLanguages) {
    const std::string alphabet = "абвгґдђѓеёєжзѕиіїйјклљмнњопрстћќуўфхцџчшщъыьэюя";
    std::vector<std::string> letters;
    for (std::size_t i = 0; i < alphabet.size(); i += 2) { // two UTF-8 bytes each
        letters.push_back(cp(alphabet.substr(i, 2)));
    }
    ASSERT_EQ(letters.size(), 47u);
    expectStrictlyAscending(letters);
}

TEST(TextOrder, YoStandsBetweenYeAndZhe) {
    expectStrictlyAscending({cp("Елена"), cp("Ёлка"), cp("ёлочка"), cp("Жанна")});
    expectStrictlyAscending({cp("ее"), cp("её"), cp("еж")});
}

TEST(TextOrder, LetterCaseDecidesOnlyBetweenOtherwiseEqualTexts) {
    EXPECT_LT(compareText(cp("абв"), cp("Абг")), 0);
    EXPECT_LT(compareText("abc", "ABD"), 0);
    EXPECT_LT(compareText(cp("Иванов"), cp("иванов")), 0); // raw bytes: capitals first
    EXPECT_NE(compareText(cp("Иванов"), cp("иванов")), 0);
    EXPECT_EQ(compareText(cp("Иванов"), cp("Иванов")), 0);
}

TEST(TextOrder, ShorterPrefixFirst) {
    expectStrictlyAscending({"", "a", "aa", "ab", cp("Аб"), cp("аб"), cp("аба")});
    EXPECT_LT(compareText(cp("ИВАН"), cp("иванов")), 0);
}

TEST(TextOrder, SortingKeepsEqualKeysNextToEachOther) {
    std::vector<std::string> keys = {cp("0АБ~1~~5"), cp("0аб~1~~5"), cp("0АБ~1~~5"),
                                     cp("0Аб~1~~5"), cp("0аб~1~~5"), cp("0АБ~1~~5")};
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        std::shuffle(keys.begin(), keys.end(), random);
        std::sort(keys.begin(), keys.end(), TextLess{});
        for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
            if (keys[i] != keys[i + 1]) {
                // A text never returns once the sort has moved past it.
                EXPECT_EQ(std::count(keys.begin() + static_cast<long>(i) + 1, keys.end(), keys[i]),
                          0);
            }
        }
    }
}

TEST(TextOrder, IsAStrictWeakOrderOverRandomTexts) {
    std::mt19937 random(11);
    const std::string pool = cp("aAbB09 -.ёЁеЕжЖяЯ") + "\xB5";
    std::vector<std::string> texts;
    for (int i = 0; i < 200; ++i) {
        std::string text;
        const int length = static_cast<int>(random() % 4);
        for (int j = 0; j < length; ++j) {
            text += pool[random() % pool.size()];
        }
        texts.push_back(text);
    }
    for (const auto& a : texts) {
        for (const auto& b : texts) {
            const int ab = compareText(a, b);
            const int ba = compareText(b, a);
            EXPECT_EQ(ab<0, ba> 0);
            EXPECT_EQ(ab == 0, a == b);
        }
    }
}

} // namespace
} // namespace svidary
