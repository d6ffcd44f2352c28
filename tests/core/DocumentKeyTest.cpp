#include "core/DocumentKey.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace svidary {
namespace {

using test::cp;

TEST(DocumentKey, ShortKeyJoinsTypeSeriesAndNumber) {
    EXPECT_EQ(DocumentKey::of(0, cp("АБ"), "123").shortKey(), cp("0АБ~123"));
    EXPECT_EQ(DocumentKey::of(12, "", "7").shortKey(), "12~7");
}

TEST(DocumentKey, MatchesShortAndLongEntriesByTheirParts) {
    const auto key = DocumentKey::of(1, cp("АБ"), "123");
    const struct {
        std::string entry;
        bool matches;
    } cases[] = {
        {cp("1АБ~123"), true},     // short key of the record commands
        {cp("1АБ~123~~25"), true}, // long key of the table redraw
        {cp("1АБ~123~~"), true},   // long key of a record without a school code
        {cp("1АБ~1234"), false},   // a longer number is another document
        {cp("1АБ~12"), false},     // so is a shorter one
        {cp("1АБ~1234~~25"), false}, {cp("1АБВ~123"), false}, // another series
        {cp("11АБ~123"), false},                              // another type
        {cp("1аб~123"), false},                               // series compare exactly
        {cp("1АБ123"), false},                                // no separator at all
        {cp("~123"), false},         {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(key.matches(c.entry), c.matches) << cp1251ToUtf8(c.entry);
    }
}

TEST(DocumentKey, TypeCodeAndSeriesRunTogether) {
    // Type 1 with series 2АБ and type 12 with series АБ cannot be told apart.
    const auto oneTwoAb = DocumentKey::of(1, cp("2АБ"), "5");
    const auto twelveAb = DocumentKey::of(12, cp("АБ"), "5");
    EXPECT_EQ(oneTwoAb.shortKey(), twelveAb.shortKey());
    EXPECT_TRUE(oneTwoAb.matches(twelveAb.shortKey() + "~~3"));
    EXPECT_FALSE(oneTwoAb.matches(DocumentKey::of(12, cp("АБ"), "6").shortKey()));
}

TEST(DocumentKey, FindsTheFirstMatchingEntry) {
    const std::vector<std::string> keys = {"0~1", cp("2АБ~7~~40"), cp("2АБ~7"), cp("2АБ~70")};
    EXPECT_EQ(findDocumentKey(keys, DocumentKey::of(2, cp("АБ"), "7")), 1u);
    EXPECT_EQ(findDocumentKey(keys, DocumentKey::of(2, cp("АБ"), "70")), 3u);
    EXPECT_EQ(findDocumentKey(keys, DocumentKey::of(2, cp("АБ"), "8")), std::nullopt);
    EXPECT_EQ(findDocumentKey({}, DocumentKey::of(0, "", "1")), std::nullopt);
}

} // namespace
} // namespace svidary
