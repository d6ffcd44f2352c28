#include "core/RegisterCells.h"
#include "RegisterTestSupport.h"

#include <gtest/gtest.h>

namespace svidary {
namespace {

using test::cp;
using test::makeRecord;
using test::RecordSpec;

struct CellCase {
    const char* name;
    RecordSpec record;
    int column;
    const char* shown;
};

class RegisterCellsTest : public ::testing::TestWithParam<CellCase> {};

TEST_P(RegisterCellsTest, ShowsNamesForCodesAndFieldsAsTheyAre) {
    const ReferenceData refs = test::registerTestRefs();
    const std::string line = makeRecord(GetParam().record);
    EXPECT_EQ(RegisterCellText(line, GetParam().column, refs), cp(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Columns, RegisterCellsTest,
    ::testing::Values(
        CellCase{"RegNum", {.regNum = "17/а"}, RegNoColumn, "17/а"},
        CellCase{"LevelName", {.level = "1"}, EduLevelColumn, "Высшее"},
        CellCase{"LevelBeyondTheList", {.level = "5"}, EduLevelColumn, ""},
        CellCase{"LevelNotAnInteger", {.level = "?"}, EduLevelColumn, ""},
        CellCase{"TypeName", {.type = "2"}, DocTypeColumn, "Диплом с отличием"},
        CellCase{"TypeMinusOne", {.type = "-1"}, DocTypeColumn, ""},
        CellCase{"Surname", {.surname = "Сиваков"}, FColumn, "Сиваков"},
        CellCase{"IssueDate", {.issued = "1.2.2003"}, IssColumn, "1.2.2003"},
        CellCase{"PersonalNumberDash", {.personal = "-"}, LNumberColumn, "Не установлен"},
        CellCase{"PersonalNumberEmpty", {.personal = ""}, LNumberColumn, "Не установлен"},
        CellCase{"PersonalNumberSpace", {.personal = " "}, LNumberColumn, "Не установлен"},
        CellCase{"PersonalNumberTwoSpaces", {.personal = "  "}, LNumberColumn, "  "},
        CellCase{"PersonalNumberNotSetKept",
                 {.personal = "Не установлен"},
                 LNumberColumn,
                 "Не установлен"},
        CellCase{"PersonalNumber", {.personal = "3010190A001PB1"}, LNumberColumn, "3010190A001PB1"},
        CellCase{"SchoolName", {.school = "12"}, SchoolNameColumn, "Университет Альфа"},
        CellCase{"SchoolUnknown", {.school = "-1"}, SchoolNameColumn, "Нет в классификаторе."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RegisterCellsShortLineTest, MissingFieldsAreEmpty) {
    const ReferenceData refs = test::registerTestRefs();
    const std::string line = cp("5\x0F") + "1";
    EXPECT_EQ(RegisterCellText(line, RegNoColumn, refs), "5");
    EXPECT_EQ(RegisterCellText(line, EduLevelColumn, refs), cp("Высшее"));
    EXPECT_EQ(RegisterCellText(line, FColumn, refs), "");
    EXPECT_EQ(RegisterCellText(line, LNumberColumn, refs), cp("Не установлен"));
}

} // namespace
} // namespace svidary
