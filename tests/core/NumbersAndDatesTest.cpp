#include "core/Date.h"
#include "core/Errors.h"
#include "core/Numbers.h"

#include <gtest/gtest.h>

#include <optional>

namespace svidary {
namespace {

TEST(Numbers, ParsesOnlySignAndDigitsWithinThirtyTwoBits) {
    const struct {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"0", 0},
        {"5", 5},
        {"+5", 5},
        {"-0", 0},
        {"-17", -17},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {" 5", std::nullopt},
        {"5 ", std::nullopt},
        {"0x1", std::nullopt},
        {"1e3", std::nullopt},
        {"+-1", std::nullopt},
        {"５", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tryParseInt(c.text), c.value) << "'" << c.text << "'";
    }
}

TEST(Numbers, FailureCarriesTheTextAsFound) {
    try {
        parseInt(" 5");
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "' 5' is not a valid integer value");
    }
    EXPECT_EQ(parseIntOr("x", -3), -3);
    EXPECT_EQ(parseIntOr("12", -3), 12);
}

TEST(Dates, ParsesDayMonthYearCalendarDates) {
    const struct {
        const char* text;
        std::optional<Date> date;
    } cases[] = {
        {"01.09.1995", Date{1995, 9, 1}},
        {"1.2.2003", Date{2003, 2, 1}},
        {"29.02.2000", Date{2000, 2, 29}},
        {"29.02.2004", Date{2004, 2, 29}},
        {"31.12.9999", Date{9999, 12, 31}},
        {"01.01.0001", Date{1, 1, 1}},
        {"29.02.2001", std::nullopt},
        {"29.02.1900", std::nullopt},
        {"31.04.2005", std::nullopt},
        {"00.01.2005", std::nullopt},
        {"01.13.2005", std::nullopt},
        {"01.01.99", std::nullopt},
        {"01.01.10000", std::nullopt},
        {"01.01.0000", std::nullopt},
        {"001.01.2005", std::nullopt},
        {"01/01/2005", std::nullopt},
        {" 01.01.2005", std::nullopt},
        {"01.01.2005 ", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tryParseDate(c.text), c.date) << "'" << c.text << "'";
    }
}

TEST(Dates, FormatsWithTwoDigitDayAndMonth) {
    EXPECT_EQ(formatDate(Date{2003, 2, 1}), "01.02.2003");
    EXPECT_EQ(formatDate(Date{1, 1, 1}), "01.01.0001");
    EXPECT_EQ(formatDate(Date::endless()), "01.01.2100");
}

TEST(Dates, FailureCarriesTheTextAsFound) {
    try {
        parseDate("29.02.2001");
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'29.02.2001' is not a valid date");
    }
}

TEST(Dates, OrderIsByYearThenMonthThenDay) {
    EXPECT_LT((Date{1999, 12, 31}), (Date{2000, 1, 1}));
    EXPECT_LT((Date{2000, 1, 31}), (Date{2000, 2, 1}));
    EXPECT_LT((Date{2000, 2, 1}), (Date{2000, 2, 2}));
}

} // namespace
} // namespace svidary
