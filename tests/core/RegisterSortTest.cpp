#include "core/RegisterSort.h"
#include "RegisterTestSupport.h"
#include "core/RegisterCells.h"
#include "core/TextCollation.h"
#include "core/TextOrder.h"

#include <gtest/gtest.h>

#include <random>

namespace svidary {
namespace {

using test::makeRecord;

std::vector<std::string> smallRegister() {
    return {makeRecord({.regNum = "10", .level = "0", .surname = "сиваков", .school = "12"}),
            makeRecord({.regNum = "9", .level = "1", .surname = "Иванов", .school = "10"}),
            makeRecord({.regNum = "1", .level = "0", .surname = "Ёлкин", .school = "11"}),
            makeRecord({.regNum = "2", .level = "1", .surname = "Иванов", .school = "-1"}),
            makeRecord({.regNum = "3", .level = "1", .surname = "ИВАНОВ", .school = "20"})};
}

struct SortCase {
    const char* name;
    int column;
    SortDirection direction;
    RowOrder expected;
};

class RegisterSortTest : public ::testing::TestWithParam<SortCase> {};

TEST_P(RegisterSortTest, OrdersRowsByTheShownText) {
    const ReferenceData refs = test::registerTestRefs();
    EXPECT_EQ(SortRowsByColumn(smallRegister(), refs, GetParam().column, GetParam().direction),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, RegisterSortTest,
    ::testing::Values(
        // Ё sorts after Е, capitals with their small letters; the raw tie-break puts
        // "ИВАНОВ" before "Иванов", equal texts keep their register order.
        SortCase{"SurnameAscending", FColumn, SortDirection::Ascending, {2, 4, 1, 3, 0}},
        SortCase{"SurnameDescending", FColumn, SortDirection::Descending, {0, 1, 3, 4, 2}},
        // Texts, not numbers: "10" before "2" and "9".
        SortCase{"RegNumIsText", RegNoColumn, SortDirection::Ascending, {2, 0, 3, 4, 1}},
        // By level name: "Высшее" before "Среднее специальное".
        SortCase{"LevelByName", EduLevelColumn, SortDirection::Ascending, {1, 3, 4, 0, 2}},
        // "Колледж", "Лицей", "Нет в классификаторе.", "Университет", "Школа".
        SortCase{"SchoolByName", SchoolNameColumn, SortDirection::Ascending, {2, 4, 3, 0, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RegisterSortTest, EmptyRegisterHasNoRows) {
    const ReferenceData refs = test::registerTestRefs();
    EXPECT_TRUE(SortRowsByColumn({}, refs, OColumn, SortDirection::Ascending).empty());
    EXPECT_EQ(IdentityRowOrder(3), (RowOrder{0, 1, 2}));
}

// A large random register, sorted on two threads, gives the order of compareText.
TEST(RegisterSortTest, LargeSortAgreesWithCompareText) {
    const ReferenceData refs = test::registerTestRefs();
    std::mt19937 random(7);
    const std::string alphabet = test::cp("аАбБёЁеЕ-1 zZ");
    std::vector<std::string> lines;
    for (int i = 0; i < 100000; ++i) {
        std::string surname;
        const int length = static_cast<int>(random() % 12);
        for (int c = 0; c < length; ++c) {
            surname.push_back(alphabet[random() % alphabet.size()]);
        }
        lines.push_back(makeRecord({}));
        lines.back().replace(lines.back().find(test::cp("Иванов")), 6, surname);
    }
    const RowOrder rows = SortRowsByColumn(lines, refs, FColumn, SortDirection::Ascending);
    ASSERT_EQ(rows.size(), lines.size());
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const int order = compareText(RegisterCellText(lines[rows[i - 1]], FColumn, refs),
                                      RegisterCellText(lines[rows[i]], FColumn, refs));
        ASSERT_LE(order, 0) << i;
        if (order == 0) {
            ASSERT_LT(rows[i - 1], rows[i]) << i;
        }
    }
}

TEST(TextCollationTest, AgreesWithCompareTextOnEveryPairOfShortTexts) {
    const TextCollation& collation = TextCollation::instance();
    std::mt19937 random(11);
    for (int i = 0; i < 200000; ++i) {
        std::string a;
        std::string b;
        const int length = static_cast<int>(random() % 20);
        for (int c = 0; c < length; ++c) {
            a.push_back(static_cast<char>(random() % 256));
            // Often the same letter in another case, to reach the tie-break.
            b.push_back(random() % 3 == 0 ? static_cast<char>(random() % 256) : a.back());
        }
        if (random() % 4 == 0) {
            b.push_back('x');
        }
        const auto sign = [](int value) { return (value > 0) - (value < 0); };
        ASSERT_EQ(sign(collation.compare(a, b)), sign(compareText(a, b)));
        const auto keyA = collation.prefixKey(a);
        const auto keyB = collation.prefixKey(b);
        const auto secondKeyA = collation.prefixKey(a, 8);
        const auto secondKeyB = collation.prefixKey(b, 8);
        if (keyA != keyB) {
            ASSERT_EQ(keyA < keyB, compareText(a, b) < 0);
        } else if (secondKeyA != secondKeyB) {
            ASSERT_EQ(secondKeyA < secondKeyB, compareText(a, b) < 0);
        }
    }
}

} // namespace
} // namespace svidary
