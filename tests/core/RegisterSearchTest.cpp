#include "core/RegisterSearch.h"
#include "RegisterTestSupport.h"
#include "core/RegisterCells.h"

#include "core/TextCase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace svidary {
namespace {

using test::cp;
using test::makeRecord;

// Every record is "Иван Иванович": those two columns are hidden unless a test shows them.
ColumnVisibility allButNames() {
    ColumnVisibility visible;
    visible.fill(true);
    visible[IColumn] = false;
    visible[OColumn] = false;
    return visible;
}

class RegisterSearchTest : public ::testing::Test {
protected:
    SearchOutcome search(std::string_view utf8Text, std::size_t startRow,
                         const ColumnVisibility& visible = allButNames()) const {
        return SearchRows(lines_, rows_, refs_, visible, cp(utf8Text), startRow);
    }

    const ReferenceData refs_ = test::registerTestRefs();
    const std::vector<std::string> lines_ = {makeRecord({.surname = "Петров", .school = "10"}),
                                             makeRecord({.surname = "Сиваков", .personal = "AB12"}),
                                             makeRecord({.surname = "Козлов", .personal = "AB12"}),
                                             makeRecord({.surname = "ИВАНОВ", .personal = "AB12"})};
    // The table shows the rows in another order than the register.
    const RowOrder rows_ = {2, 3, 0, 1};
};

TEST_F(RegisterSearchTest, StepsThroughMatchesInTableOrderAndWrapsOnce) {
    SearchOutcome outcome = search("ива", 0);
    EXPECT_EQ(outcome.foundRow, 1U); // ИВАНОВ
    EXPECT_EQ(outcome.nextStartRow, 2U);
    outcome = search("ива", outcome.nextStartRow);
    EXPECT_EQ(outcome.foundRow, 3U); // Сиваков
    EXPECT_EQ(outcome.nextStartRow, 4U);
    outcome = search("ива", outcome.nextStartRow);
    EXPECT_EQ(outcome.foundRow, 1U);
}

TEST_F(RegisterSearchTest, NothingFoundStartsAgainAtTheTop) {
    const SearchOutcome outcome = search("Сидоров", 3);
    EXPECT_FALSE(outcome.foundRow);
    EXPECT_EQ(outcome.nextStartRow, 0U);
}

TEST_F(RegisterSearchTest, EmptyTextMatchesNothing) {
    const SearchOutcome outcome = search("", 2);
    EXPECT_FALSE(outcome.foundRow);
    EXPECT_EQ(outcome.nextStartRow, 0U);
}

TEST_F(RegisterSearchTest, HiddenColumnsAreNotSearched) {
    ColumnVisibility visible = allButNames();
    visible[FColumn] = false;
    EXPECT_FALSE(search("ива", 0, visible).foundRow);
    visible[OColumn] = true;
    // The patronymic "Иванович" of every record is now visible.
    EXPECT_EQ(search("ива", 0, visible).foundRow, 0U);
}

struct ShownTextCase {
    const char* name;
    const char* text;
    int hiddenColumn;
    std::optional<std::size_t> foundRow;
};

class RegisterSearchShownTextTest : public RegisterSearchTest,
                                    public ::testing::WithParamInterface<ShownTextCase> {};

// Cells are searched as the table shows them: names for codes, "Не установлен" for "-".
TEST_P(RegisterSearchShownTextTest, SearchesTheShownText) {
    ColumnVisibility visible = allButNames();
    if (GetParam().hiddenColumn >= 0) {
        visible[GetParam().hiddenColumn] = false;
    }
    EXPECT_EQ(search(GetParam().text, 0, visible).foundRow, GetParam().foundRow);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, RegisterSearchShownTextTest,
    ::testing::Values(ShownTextCase{"SchoolName", "школа", -1, 2},
                      ShownTextCase{"SchoolNameHidden", "школа", SchoolNameColumn, std::nullopt},
                      ShownTextCase{"LevelName", "ВЫСШ", -1, 0},
                      ShownTextCase{"TypeName", "диплом", -1, 0},
                      ShownTextCase{"NotSetPersonalNumber", "не уст", -1, 2},
                      ShownTextCase{"DashIsNotShown", "-", SpecializationColumn, std::nullopt},
                      ShownTextCase{"CodeIsNotShown", "~", -1, std::nullopt},
                      ShownTextCase{"PersonalNumberLetterCase", "ab1", -1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Beyond the first few thousand rows the search tests records in register order; in a shuffled
// table the outcome must be the one of the plain scan by the table's rules.
class LargeRegisterSearchTest : public ::testing::Test {
protected:
    LargeRegisterSearchTest() {
        std::mt19937 random(5);
        for (int i = 0; i < 30000; ++i) {
            const bool match = random() % 3000 == 0;
            lines_.push_back(
                makeRecord({.surname = match ? "Сиваков" : "Петров", .number = std::to_string(i)}));
        }
        rows_ = IdentityRowOrder(lines_.size());
        std::shuffle(rows_.begin(), rows_.end(), random);
        visible_ = allButNames();
    }

    std::optional<std::size_t> plainScan(const std::string& needle, std::size_t from) const {
        for (const std::size_t start : {from, std::size_t{0}}) {
            for (std::size_t row = start; row < rows_.size(); ++row) {
                for (int column = 0; column < RegisterColumnCount; ++column) {
                    const std::string cell =
                        toLower(RegisterCellText(lines_[rows_[row]], column, refs_));
                    if (visible_[column] && cell.find(needle) != std::string::npos) {
                        return row;
                    }
                }
            }
        }
        return std::nullopt;
    }

    const ReferenceData refs_ = test::registerTestRefs();
    std::vector<std::string> lines_;
    RowOrder rows_;
    ColumnVisibility visible_{};
};

TEST_F(LargeRegisterSearchTest, AgreesWithAPlainScanFromAnyRow) {
    for (const std::size_t start : {0U, 100U, 4095U, 4097U, 15000U, 29999U, 30000U, 40000U}) {
        const SearchOutcome outcome = SearchRows(lines_, rows_, refs_, visible_, cp("ИВА"), start);
        EXPECT_EQ(outcome.foundRow, plainScan(cp("ива"), start)) << start;
    }
}

TEST_F(LargeRegisterSearchTest, StepsThroughEveryMatchOnceBeforeWrapping) {
    const std::size_t matches = static_cast<std::size_t>(
        std::count_if(lines_.begin(), lines_.end(), [](const std::string& line) {
            return line.find(cp("Сиваков")) != std::string::npos;
        }));
    ASSERT_GT(matches, 3U);
    std::vector<std::size_t> found;
    std::size_t start = 0;
    for (std::size_t step = 0; step <= matches; ++step) {
        const SearchOutcome outcome = SearchRows(lines_, rows_, refs_, visible_, cp("ива"), start);
        ASSERT_TRUE(outcome.foundRow);
        found.push_back(*outcome.foundRow);
        start = outcome.nextStartRow;
    }
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end() - 1));
    EXPECT_EQ(found.back(), found.front());
}

TEST_F(LargeRegisterSearchTest, NothingFoundAnywhere) {
    const SearchOutcome outcome = SearchRows(lines_, rows_, refs_, visible_, cp("Сидоров"), 20000);
    EXPECT_FALSE(outcome.foundRow);
    EXPECT_EQ(outcome.nextStartRow, 0U);
}

} // namespace
} // namespace svidary
