#include "core/SchoolSelection.h"
#include "TestFiles.h"
#include "core/Errors.h"

#include <gtest/gtest.h>

namespace svidary {
namespace {

using test::cp;

TSchoolInfo entry(std::int32_t code, std::int32_t institution, std::string_view validFrom,
                  std::string_view utf8Name) {
    return {code, institution, parseDate(validFrom), cp(utf8Name)};
}

// Institution 7 renamed on 01.07.2005 (codes 70, 71); institution 8 with a name that began on
// 31.12.2003 and one that began on 01.01.2008; institution 9 with a name that lived only from
// March to October 2010, between two others; institution 5 with two entries of one date.
Classifier sampleClassifier() {
    return Classifier({
        entry(71, 7, "01.07.2005", "Колледж новый"),
        entry(80, 8, "31.12.2003", "Бета-училище"),
        entry(70, 7, "01.09.1980", "Колледж старый"),
        entry(81, 8, "01.01.2008", "Бета-лицей"),
        entry(90, 9, "01.01.2000", "Гамма первая"),
        entry(91, 9, "01.03.2010", "Гамма вторая"),
        entry(92, 9, "01.10.2010", "Гамма третья"),
        entry(50, 5, "01.01.1995", "Альфа А"),
        entry(51, 5, "01.01.1995", "Альфа Б"),
    });
}

std::vector<std::string> cps(std::initializer_list<std::string_view> utf8) {
    std::vector<std::string> texts;
    for (const auto text : utf8) {
        texts.push_back(cp(text));
    }
    return texts;
}

TEST(AttributeYears, RunFrom1991ToTheCurrentYear) {
    const auto years = attributeYears(2009);
    ASSERT_EQ(years.size(), 19u);
    EXPECT_EQ(years.front(), 1991);
    EXPECT_EQ(years.back(), 2009);
    EXPECT_EQ(attributeYears(1991), std::vector<int>{1991});
    EXPECT_TRUE(attributeYears(1990).empty());
}

TEST(NameInForce, CountsAnEntryFromItsFirstDayAndPrefersTheLaterOfEqualDates) {
    const auto classifier = sampleClassifier();
    const struct {
        std::int32_t institution;
        std::string_view day;
        std::int32_t code; // -1: none in force
    } cases[] = {
        {7, "30.06.2005", 70}, {7, "01.07.2005", 71}, {7, "31.08.1980", -1}, {8, "30.12.2003", -1},
        {8, "31.12.2003", 80}, {9, "15.05.2010", 91}, {5, "01.01.1995", 51}, {6, "01.01.2000", -1},
    };
    for (const auto& c : cases) {
        const TSchoolInfo* found = nameInForce(classifier, c.institution, parseDate(c.day));
        EXPECT_EQ(found ? found->Code : -1, c.code) << c.institution << " " << c.day;
    }
}

TEST(NamesOfYear, OfferTheNamesInForceOnTheFirstOrTheLastDay) {
    const auto classifier = sampleClassifier();
    const struct {
        int year;
        std::vector<std::string> names;
    } cases[] = {
        {2004, cps({"Альфа Б", "Бета-училище", "Гамма первая", "Колледж старый"})},
        {2005, cps({"Альфа Б", "Бета-училище", "Гамма первая", "Колледж новый", "Колледж старый"})},
        {2006, cps({"Альфа Б", "Бета-училище", "Гамма первая", "Колледж новый"})},
        // Valid from 31.12.2003: offered for 2003; valid from 01.01.2008: not offered for 2007.
        {2003, cps({"Альфа Б", "Бета-училище", "Гамма первая", "Колледж старый"})},
        {2007, cps({"Альфа Б", "Бета-училище", "Гамма первая", "Колледж новый"})},
        {2008, cps({"Альфа Б", "Бета-лицей", "Гамма первая", "Колледж новый"})},
        // A name between March and October is in force on neither day.
        {2010, cps({"Альфа Б", "Бета-лицей", "Гамма первая", "Гамма третья", "Колледж новый"})},
        {1991, cps({"Колледж старый"})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(namesOfYear(classifier, c.year), c.names) << c.year;
    }
}

TEST(NamesOfYear, BeforeTheFirstYearOfferEveryName) {
    const auto all = cps({"Альфа А", "Альфа Б", "Бета-лицей", "Бета-училище", "Гамма вторая",
                          "Гамма первая", "Гамма третья", "Колледж новый", "Колледж старый"});
    EXPECT_EQ(namesOfYear(sampleClassifier(), 1990), all);
    EXPECT_EQ(namesOfYear(sampleClassifier(), -5), all);
}

TEST(FilteredNames, OfferOnlyNamesValidTheWholeYear) {
    const auto classifier = sampleClassifier();
    const struct {
        int year;
        std::string_view filter;
        std::vector<std::string> names;
    } cases[] = {
        {2004, "", cps({"Альфа А", "Альфа Б", "Бета-училище", "Гамма первая", "Колледж старый"})},
        {2005, "", cps({"Альфа А", "Альфа Б", "Бета-училище", "Гамма первая"})},
        {2006, "Колледж", cps({"Колледж новый"})},
        {2004, "Колледж", cps({"Колледж старый"})},
        {2005, "Колледж", {}},
        // The filter is case-sensitive.
        {2004, "колледж", {}},
        {1985, "Гамма", cps({"Гамма вторая", "Гамма первая", "Гамма третья"})},
        {1985, "", namesOfYear(classifier, 1985)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(filteredNames(classifier, c.year, cp(c.filter)), c.names)
            << c.year << " " << c.filter;
    }
}

TEST(SchoolSelection, YearsBeyondTheCalendarAreConversionErrors) {
    EXPECT_THROW(namesOfYear(sampleClassifier(), 10000), ConversionError);
    EXPECT_THROW(filteredNames(sampleClassifier(), 10000, ""), ConversionError);
}

TEST(PeriodLabel, ShowsTheValidityOfTheFirstEntryOfThatName) {
    const auto classifier = sampleClassifier();
    EXPECT_EQ(cp1251ToUtf8(periodLabel(classifier, cp("Колледж старый"))),
              "Период выдачи документов: с 01.09.1980 по 01.07.2005");
    EXPECT_EQ(cp1251ToUtf8(periodLabel(classifier, cp("Колледж новый"))),
              "Период выдачи документов: с 01.07.2005 по 01.01.2100");
    EXPECT_EQ(periodLabel(classifier, cp("Нет такого")), "");
}

} // namespace
} // namespace svidary
