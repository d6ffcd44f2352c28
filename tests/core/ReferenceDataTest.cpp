#include "core/ReferenceData.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace svidary {
namespace {

using test::cp;

TSchoolInfo entry(std::int32_t code, std::int32_t institution, Date from, const char* name) {
    return {code, institution, from, cp(name)};
}

class ClassifierLookups : public testing::Test {
protected:
    ClassifierLookups() {
        refs.SchoolTable = Classifier({
            entry(10, 1, {1990, 9, 1}, "Школа № 1"),
            entry(20, 2, {1995, 1, 1}, "Лицей"),
            entry(11, 1, {2001, 1, 1}, "Гимназия № 1"),
            // Institution 3: two names of one day (table order decides), one too old to count,
            // and a rename dated after the end of time.
            entry(31, 3, {2000, 5, 5}, "Колледж А"),
            entry(30, 3, {1899, 12, 29}, "Училище"),
            entry(32, 3, {2000, 5, 5}, "Колледж Б"),
            entry(33, 3, {1899, 12, 30}, "Училище новое"),
            entry(34, 3, {2100, 1, 1}, "Колледж будущего"),
            // A code and a name given twice: the first entry wins.
            entry(20, 4, {2010, 1, 1}, "Лицей"),
        });
    }

    ReferenceData refs;
};

TEST_F(ClassifierLookups, SchoolPeriod) {
    const struct {
        std::int32_t code;
        Date from;
        Date to;
    } cases[] = {
        {10, {1990, 9, 1}, {2001, 1, 1}},
        {11, {2001, 1, 1}, {2100, 1, 1}},
        {30, {1899, 12, 29}, {1899, 12, 30}},
        {31, {2000, 5, 5}, {2100, 1, 1}}, // a same-day name is not a later one
        {32, {2000, 5, 5}, {2100, 1, 1}},
        {20, {1995, 1, 1}, {2100, 1, 1}}, // the first entry of the code
        {999, {1, 1, 1}, {2100, 1, 1}},   // unknown code: valid always
    };
    for (const auto& c : cases) {
        const SchoolValidity period = refs.SchoolPeriod(c.code);
        EXPECT_EQ(period.From, c.from) << c.code;
        EXPECT_EQ(period.To, c.to) << c.code;
    }
}

TEST_F(ClassifierLookups, SchoolCodeAtDate) {
    const struct {
        std::int32_t code;
        Date date;
        std::int32_t expected;
    } cases[] = {
        {10, {2001, 1, 1}, 10}, // the day of the rename still gives the old name
        {10, {2001, 1, 2}, 11},
        {11, {1990, 9, 2}, 10},
        {11, {1985, 6, 15}, -1},
        {10, {1990, 9, 1}, -1},
        {999, {2005, 1, 1}, -1},
        {30, {2000, 5, 6}, 31},   // two names of one day: the first in table order
        {33, {2000, 5, 5}, 33},   // 30.12.1899 counts
        {31, {1899, 12, 30}, -1}, // 29.12.1899 never counts
        {31, {2200, 1, 1}, 34},
        {20, {2020, 1, 1}, 20}, // code 20 selects institution 2, its first entry
    };
    for (const auto& c : cases) {
        EXPECT_EQ(refs.SchoolCodeAtDate(c.code, c.date), c.expected)
            << c.code << " at " << formatDate(c.date);
    }
}

TEST_F(ClassifierLookups, NamesAndCodes) {
    EXPECT_EQ(refs.SchoolNameByCode(11), cp("Гимназия № 1"));
    EXPECT_EQ(refs.SchoolNameByCode(20), cp("Лицей"));
    EXPECT_EQ(refs.SchoolNameByCode(999), cp("Нет в классификаторе."));
    EXPECT_EQ(refs.SchoolCodeByName(cp("Гимназия № 1")), 11);
    EXPECT_EQ(refs.SchoolCodeByName(cp("Лицей")), 20);
    EXPECT_EQ(refs.SchoolCodeByName(cp("ЛИЦЕЙ")), -1);
    EXPECT_EQ(refs.SchoolCodeByName(cp("Лицей ")), -1);
    EXPECT_EQ(refs.SchoolCodeByName(""), -1);
}

TEST_F(ClassifierLookups, ACopiedClassifierAnswersOnItsOwn) {
    ReferenceData copy;
    {
        const ReferenceData original = refs;
        copy = original;
    }
    EXPECT_EQ(copy.SchoolCodeAtDate(10, {2001, 1, 2}), 11);
    EXPECT_EQ(copy.SchoolPeriod(10).To, (Date{2001, 1, 1}));
}

class DocTypes : public testing::Test {
protected:
    DocTypes() {
        refs.DocTypeNames = CodeList({cp("Диплом"), "", cp("Аттестат"), "5", cp("Аттестат")});
        refs.LevelNames = CodeList({cp("Среднее"), cp("Высшее")});
    }
    ReferenceData refs;
};

TEST_F(DocTypes, DocTypeIndexRules) {
    const struct {
        const char* text;
        int index;
    } cases[] = {
        {"Аттестат", 2},         // smallest code of the name
        {"", 1},                 // the first empty entry
        {"5", 3},                // a name wins over a number
        {"4", 4},                // a number 0-20
        {"20", 20},              // beyond the list
        {"21", 0},               // too large
        {"05", 0},               // leading zero
        {"+4", 0},               // sign
        {"Диплом аспиранта", 8}, // fixed names
        {"Диплом магистра", 10},
        {"Дубликат диплома", 1},
        {"Диплом с отличием", 2},
        {"диплом магистра", 0}, // exact text only
        {"Неизвестно", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(refs.DocTypeIndex(cp(c.text)), c.index) << c.text;
    }
    refs.DocTypeNames = CodeList({cp("Диплом"), "x", "y", "z", cp("Дубликат диплома")});
    EXPECT_EQ(refs.DocTypeIndex(cp("Дубликат диплома")), 4);
    EXPECT_EQ(refs.DocTypeIndex(""), 0);
}

TEST_F(DocTypes, DocTypeName) {
    EXPECT_EQ(refs.DocTypeName("2"), cp("Аттестат"));
    EXPECT_EQ(refs.DocTypeName(cp("Неизвестно")), cp("Диплом"));
    EXPECT_EQ(refs.DocTypeName("20"), ""); // beyond the list
}

TEST_F(DocTypes, CheckWarnsAboutUnknownNames) {
    std::vector<std::string> warnings;
    const WarningSink sink = [&warnings](const std::string& text) { warnings.push_back(text); };
    EXPECT_EQ(refs.CheckLevel(cp("Высшее"), sink), 1);
    EXPECT_EQ(refs.CheckDocType(cp("Аттестат"), sink), 2);
    EXPECT_TRUE(warnings.empty());

    EXPECT_EQ(refs.CheckLevel(cp("Начальное"), sink), -1);
    EXPECT_EQ(refs.CheckDocType("7", sink), -1);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0], "Внимание!\n\rОбнаружен документ с некорректным полем \"Уровень "
                           "образования\"\n\r(значение = \"Начальное\")\n\rПроверьте загружаемый "
                           "файл");
    EXPECT_EQ(warnings[1], "Внимание!\n\rОбнаружен документ с некорректным полем \"Тип "
                           "документа\"\n\r(значение = \"7\")\n\rПроверьте загружаемый файл");
    EXPECT_EQ(refs.CheckLevel("x", {}), -1); // no sink: nothing to show
}

TEST(CodeListTest, NameOfCodesOutsideTheList) {
    const CodeList list({"a", "b"});
    EXPECT_EQ(list.nameOf(1), "b");
    EXPECT_EQ(list.nameOf(2), "");
    EXPECT_EQ(list.nameOf(-1), "");
    EXPECT_EQ(list.firstCodeOf("c"), -1);
}

} // namespace
} // namespace svidary
