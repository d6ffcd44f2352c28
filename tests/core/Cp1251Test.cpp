#include "core/Cp1251.h"
#include "TestFiles.h"
#include "core/TextCase.h"

#include <gtest/gtest.h>

namespace svidary {
namespace {

TEST(Cp1251, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(all)), all);
}

TEST(Cp1251, KnownCodePoints) {
    const struct {
        unsigned char byte;
        char32_t codePoint;
    } cases[] = {
        {0x41, U'A'}, {0xC0, U'А'}, {0xFF, U'я'}, {0xA8, U'Ё'}, {0xB8, U'ё'}, {0xB9, U'№'},
        {0x88, U'€'}, {0xA5, U'Ґ'}, {0xB4, U'ґ'}, {0xB2, U'І'}, {0xB3, U'і'}, {0xA1, U'Ў'},
        {0x96, U'–'}, {0xA0, 0xA0}, {0x98, 0x98}, // undefined in the code page: keeps its value
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp1251ToUnicode(c.byte), c.codePoint) << int{c.byte};
        EXPECT_EQ(unicodeToCp1251(c.codePoint), c.byte) << int{c.byte};
    }
}

TEST(Cp1251, TextTheCodePageCannotHoldBecomesQuestionMarks) {
    EXPECT_EQ(utf8ToCp1251("Иван 中 Ω"), test::cp("Иван ? ?"));
    EXPECT_EQ(utf8ToCp1251("a\xFF"
                           "b"),
              "a?b");                          // a byte that cannot start UTF-8
    EXPECT_EQ(utf8ToCp1251("a\xD0"), "a?");    // cut-off sequence
    EXPECT_EQ(utf8ToCp1251("\xC0\x80"), "??"); // overlong form of NUL
    EXPECT_FALSE(unicodeToCp1251(0x80).has_value());
}

TEST(TextCase, CapitalAndSmallLettersOfTheCodePage) {
    const std::string capitals = test::cp("ABCZАБВЯЁЂЃЉЊЌЋЏЎЈҐЄЇІЅ");
    const std::string smalls = test::cp("abczабвяёђѓљњќћџўјґєїіѕ");
    EXPECT_EQ(toLower(capitals), smalls);
    EXPECT_EQ(toUpper(smalls), capitals);
    EXPECT_TRUE(equalsIgnoreCase(test::cp("ЁЛКА Ї"), test::cp("ёлка ї")));
    EXPECT_FALSE(equalsIgnoreCase(test::cp("елка"), test::cp("ёлка")));
}

TEST(TextCase, CharactersWithoutCaseStayAsTheyAre) {
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const char32_t unicode = cp1251ToUnicode(static_cast<unsigned char>(byte));
        const bool isLetter = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                              (unicode >= 0x0400 && unicode <= 0x04FF);
        if (!isLetter) {
            EXPECT_EQ(toLowerChar(c), c) << byte;
            EXPECT_EQ(toUpperChar(c), c) << byte;
        } else {
            EXPECT_TRUE(toLowerChar(c) != c || toUpperChar(c) != c) << byte;
        }
    }
}

} // namespace
} // namespace svidary
