#include "core/SchoolCodeCorrection.h"
#include "RegisterTestSupport.h"
#include "core/Errors.h"
#include "core/RecordView.h"

#include <gtest/gtest.h>

#include <optional>

namespace svidary {
namespace {

using test::makeRecord;
using test::RecordSpec;

struct CorrectionCase {
    const char* name;
    RecordSpec record;
    std::optional<std::int32_t> expected;
};

class SchoolCodeCorrectionTest : public ::testing::TestWithParam<CorrectionCase> {};

TEST_P(SchoolCodeCorrectionTest, GivesTheCodeInForceAtTheIssueDate) {
    const ReferenceData refs = test::registerTestRefs();
    const std::string line = makeRecord(GetParam().record);
    EXPECT_EQ(CorrectedSchoolCode(SplitRecordView(line), refs), GetParam().expected);
}

// Code 10: 1990-2001, code 11: 2001-2007, code 12: from 2007, code 20: from 2007 only.
INSTANTIATE_TEST_SUITE_P(
    Rules, SchoolCodeCorrectionTest,
    ::testing::Values(
        CorrectionCase{"GraduatedAfterTheNameEnded",
                       {.stop = "2005", .issued = "15.06.2005", .school = "10"},
                       11},
        CorrectionCase{"GraduatedBeforeTheNameBegan",
                       {.stop = "2005", .issued = "15.06.2005", .school = "12"},
                       11},
        CorrectionCase{"YearWithinTheName", {.stop = "2005", .school = "11"}, std::nullopt},
        CorrectionCase{"YearOfTheRenameCountsAsWithin",
                       {.stop = "2001", .issued = "15.06.2001", .school = "10"},
                       std::nullopt},
        CorrectionCase{"DuplicateTypeIsNeverCorrected",
                       {.type = "1", .stop = "2005", .school = "10"},
                       std::nullopt},
        CorrectionCase{"EmptyStopYear", {.stop = "", .school = "10"}, std::nullopt},
        CorrectionCase{"StopYearNotAnInteger", {.stop = "2005г", .school = "10"}, std::nullopt},
        CorrectionCase{
            "StartYear1985", {.start = "1985", .stop = "2005", .school = "10"}, std::nullopt},
        CorrectionCase{
            "StartYearNotAnInteger", {.start = "двухтысячный", .school = "10"}, std::nullopt},
        CorrectionCase{"StartYear1991IsEnough",
                       {.start = "1991", .stop = "2005", .issued = "15.06.2005", .school = "10"},
                       11},
        CorrectionCase{"OnTheRenameDayTheOldNameHolds",
                       {.stop = "2008", .issued = "01.07.2007", .school = "11"},
                       std::nullopt},
        CorrectionCase{"TheDayAfterTheRenameTheNewNameHolds",
                       {.stop = "2008", .issued = "02.07.2007", .school = "11"},
                       12},
        CorrectionCase{"UnknownCodeIsKept", {.stop = "1950", .school = "99"}, std::nullopt},
        CorrectionCase{"MinusOneIsKept", {.stop = "1950", .school = "-1"}, std::nullopt},
        CorrectionCase{"NoNameInForceKeepsTheCode",
                       {.stop = "2005", .issued = "15.06.2005", .school = "20"},
                       std::nullopt},
        CorrectionCase{"SameCodeIsWrittenInItsPlainForm",
                       {.stop = "2008", .issued = "01.07.2007", .school = "011"},
                       11},
        CorrectionCase{"SameCodeWithASignIsWrittenInItsPlainForm",
                       {.stop = "2008", .issued = "01.07.2007", .school = "+11"},
                       11},
        CorrectionCase{"BadDateIgnoredWhenNotNeeded",
                       {.stop = "2005", .issued = "вчера", .school = "11"},
                       std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadFieldCase {
    const char* name;
    RecordSpec record;
    const char* message;
};

class SchoolCodeCorrectionErrorTest : public ::testing::TestWithParam<BadFieldCase> {};

TEST_P(SchoolCodeCorrectionErrorTest, NamesTheText) {
    const ReferenceData refs = test::registerTestRefs();
    const std::string line = makeRecord(GetParam().record);
    try {
        CorrectedSchoolCode(SplitRecordView(line), refs);
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, SchoolCodeCorrectionErrorTest,
    ::testing::Values(
        BadFieldCase{"SchoolCode", {.school = "10a"}, "'10a' is not a valid integer value"},
        BadFieldCase{"TypeCode", {.type = ""}, "'' is not a valid integer value"},
        BadFieldCase{"IssueDateWhenNeeded",
                     {.stop = "2005", .issued = "31.02.2005", .school = "10"},
                     "'31.02.2005' is not a valid date"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace svidary
