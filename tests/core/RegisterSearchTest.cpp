#include "core/RegisterSearch.h"
#include "RegisterTestSupport.h"
#include "core/RegisterCells.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace svidary
