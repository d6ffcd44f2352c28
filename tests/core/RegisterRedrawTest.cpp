#include "core/RegisterRedraw.h"
#include "RegisterTestSupport.h"
#include "core/Errors.h"
#include "core/TextOrder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace svidary {
namespace {

using test::cp;
using test::makeRecord;
using test::RecordSpec;

RegisterState registerOf(std::vector<std::string> lines) {
    RegisterState state;
    state.DocList = std::move(lines);
    state.DocListsExist = true;
    state.CurrentFileName = "reg.diplom";
    return state;
}

TEST(RegisterRedrawTest, BuildsOneLongKeyPerRecordSortedByTheTextOrder) {
    const ReferenceData refs = test::registerTestRefs();
    RegisterState state = registerOf({makeRecord({.type = "2", .series = "ВГ", .number = "7"}),
                                      makeRecord({.series = "АБ", .number = "123"}),
                                      makeRecord({.series = "аб", .number = "5"})});
    const RedrawResult result = RedrawRegister(state, refs);
    EXPECT_EQ(state.DocKeys,
              (std::vector<std::string>{cp("0АБ~123~~11"), cp("0аб~5~~11"), cp("2ВГ~7~~11")}));
    EXPECT_EQ(result.recordCount, 3U);
    EXPECT_FALSE(result.hasDuplicates());
    EXPECT_TRUE(std::is_sorted(state.DocKeys.begin(), state.DocKeys.end(), TextLess{}));
}

TEST(RegisterRedrawTest, WritesTheCorrectedCodeIntoTheRecordAndItsKey) {
    const ReferenceData refs = test::registerTestRefs();
    const std::string uncorrected = makeRecord({.regNum = "2", .school = "11"});
    RegisterState state = registerOf(
        {makeRecord({.regNum = "1", .stop = "2005", .issued = "15.06.2005", .school = "10"}),
         uncorrected});
    const RedrawResult result = RedrawRegister(state, refs);
    EXPECT_EQ(state.DocList[0],
              makeRecord({.regNum = "1", .stop = "2005", .issued = "15.06.2005", .school = "11"}));
    EXPECT_EQ(state.DocList[1], uncorrected);
    EXPECT_EQ(result.correctedCount, 1U);
    // Both now carry code 11: the correction makes them duplicates.
    EXPECT_EQ(result.duplicateLines.size(), 1U);
    EXPECT_FALSE(state.DocModified);
}

struct DuplicateCase {
    const char* name;
    std::vector<RecordSpec> records;
    std::vector<const char*> lines;
};

class DuplicateReportLinesTest : public ::testing::TestWithParam<DuplicateCase> {};

TEST_P(DuplicateReportLinesTest, ReportsEveryExactDuplicate) {
    const ReferenceData refs = test::registerTestRefs();
    std::vector<std::string> lines;
    for (const RecordSpec& record : GetParam().records) {
        lines.push_back(makeRecord(record));
    }
    RegisterState state = registerOf(lines);
    const RedrawResult result = RedrawRegister(state, refs);
    std::vector<std::string> expected;
    for (const char* line : GetParam().lines) {
        expected.push_back(cp(line));
    }
    EXPECT_EQ(result.duplicateLines, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DuplicateReportLinesTest,
    ::testing::Values(
        DuplicateCase{"OneRecord", {{}}, {}},
        DuplicateCase{"TwoEqual", {{}, {.regNum = "2"}}, {"Диплом, серия: АБ, номер: 123"}},
        DuplicateCase{"ThreeEqualGiveTwoLines",
                      {{}, {.regNum = "2"}, {.regNum = "3"}},
                      {"Диплом, серия: АБ, номер: 123", "Диплом, серия: АБ, номер: 123"}},
        DuplicateCase{"OtherSchoolIsNoDuplicate", {{}, {.stop = "2008", .school = "12"}}, {}},
        DuplicateCase{"OtherTypeIsNoDuplicate", {{}, {.type = "2"}}, {}},
        DuplicateCase{"CaseVariantIsNoDuplicate", {{}, {.series = "аб"}}, {}},
        DuplicateCase{"EqualKeysAroundACaseVariant",
                      {{.series = "аБ"}, {.series = "Аб"}, {.series = "аБ"}, {.series = "АБ"}},
                      {"Диплом, серия: аБ, номер: 123"}},
        DuplicateCase{"FarApartInTheRegister",
                      {{.type = "2", .number = "9"},
                       {.number = "1"},
                       {.number = "2"},
                       {.type = "2", .number = "9"}},
                      {"Диплом с отличием, серия: АБ, номер: 9"}},
        DuplicateCase{"CorrectionWritesTheSameCodeInItsPlainForm",
                      {{.stop = "2008", .issued = "01.07.2007", .school = "011"},
                       {.stop = "2008", .issued = "01.07.2007"}},
                      {"Диплом, серия: АБ, номер: 123"}},
        DuplicateCase{"UnknownTypeHasAnEmptyName",
                      {{.type = "7"}, {.type = "7"}},
                      {", серия: АБ, номер: 123"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RegisterRedrawTest, ConversionErrorNamesTheRecordAndChangesNothing) {
    const ReferenceData refs = test::registerTestRefs();
    const std::vector<std::string> lines = {
        makeRecord({.stop = "2005", .issued = "15.06.2005", .school = "10"}),
        makeRecord({.level = "x"})};
    RegisterState state = registerOf(lines);
    state.DocKeys = {"old"};
    try {
        RedrawRegister(state, refs);
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'x' is not a valid integer value (запись 2)");
    }
    EXPECT_EQ(state.DocList, lines);
    EXPECT_EQ(state.DocKeys, std::vector<std::string>{"old"});
}

TEST(RegisterRedrawTest, BadDateNamesTheRecord) {
    const ReferenceData refs = test::registerTestRefs();
    RegisterState state =
        registerOf({makeRecord({}), makeRecord({}),
                    makeRecord({.stop = "2005", .issued = "2005-06-15", .school = "10"})});
    EXPECT_THROW(
        {
            try {
                RedrawRegister(state, refs);
            } catch (const ConversionError& error) {
                EXPECT_STREQ(error.what(), "'2005-06-15' is not a valid date (запись 3)");
                throw;
            }
        },
        ConversionError);
}

TEST(RegisterRedrawTest, ReportsProgressUpTo28) {
    const ReferenceData refs = test::registerTestRefs();
    RegisterState state = registerOf(std::vector<std::string>(100, makeRecord({})));
    std::vector<int> steps;
    RedrawRegister(state, refs, [&steps](int step) { steps.push_back(step); });
    ASSERT_FALSE(steps.empty());
    EXPECT_TRUE(std::is_sorted(steps.begin(), steps.end()));
    EXPECT_EQ(steps.back(), ProgressSteps);
}

// Large registers are planned in two halves on two threads; the result must not show it.
class LargeRegisterRedrawTest : public ::testing::Test {
protected:
    static constexpr std::size_t Count = 120000;

    LargeRegisterRedrawTest() {
        for (std::size_t i = 0; i < Count; ++i) {
            lines_.push_back(makeRecord({.number = std::to_string(i)}));
        }
    }

    const ReferenceData refs_ = test::registerTestRefs();
    std::vector<std::string> lines_;
};

TEST_F(LargeRegisterRedrawTest, FindsDuplicatesAndCorrectionsAcrossTheHalves) {
    lines_[5] = makeRecord({.number = "dup"});
    lines_[Count - 5] = makeRecord({.number = "dup"});
    lines_[Count - 1] = makeRecord({.issued = "15.06.2005", .number = "last", .school = "10"});
    RegisterState state = registerOf(lines_);
    const RedrawResult result = RedrawRegister(state, refs_);
    EXPECT_EQ(result.duplicateLines, std::vector<std::string>{cp("Диплом, серия: АБ, номер: dup")});
    EXPECT_EQ(result.correctedCount, 1U);
    EXPECT_EQ(state.DocList[Count - 1],
              makeRecord({.issued = "15.06.2005", .number = "last", .school = "11"}));
    ASSERT_EQ(state.DocKeys.size(), Count);
    EXPECT_TRUE(std::is_sorted(state.DocKeys.begin(), state.DocKeys.end(), TextLess{}));
}

struct LargeErrorCase {
    const char* name;
    std::vector<std::size_t> badRecords;
    const char* message;
};

class LargeRegisterErrorTest : public LargeRegisterRedrawTest,
                               public ::testing::WithParamInterface<LargeErrorCase> {};

TEST_P(LargeRegisterErrorTest, ReportsTheEarliestBadRecord) {
    for (const std::size_t record : GetParam().badRecords) {
        std::string badCode = "n";
        badCode += std::to_string(record + 1);
        lines_[record] = makeRecord({.school = badCode});
    }
    RegisterState state = registerOf(lines_);
    try {
        RedrawRegister(state, refs_);
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), GetParam().message);
    }
    EXPECT_EQ(state.DocList, lines_);
    EXPECT_TRUE(state.DocKeys.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Halves, LargeRegisterErrorTest,
    ::testing::Values(
        LargeErrorCase{"FirstHalf", {9}, "'n10' is not a valid integer value (запись 10)"},
        LargeErrorCase{
            "SecondHalf", {119000}, "'n119001' is not a valid integer value (запись 119001)"},
        LargeErrorCase{
            "BothHalves", {110000, 59999}, "'n60000' is not a valid integer value (запись 60000)"}),
    [](const auto& info) { return std::string(info.param.name); });

// The new keys are written into the strings DocKeys holds already; whatever was there before,
// the keys afterwards are exactly those of the records.
struct FormerKeysCase {
    const char* name;
    std::vector<std::string> formerKeys;
};

class RedrawOverFormerKeysTest : public ::testing::TestWithParam<FormerKeysCase> {};

TEST_P(RedrawOverFormerKeysTest, LeavesExactlyTheNewKeys) {
    const ReferenceData refs = test::registerTestRefs();
    const std::vector<std::string> lines = {
        makeRecord({.type = "2", .series = "ВГ", .number = "7"}),
        makeRecord({.series = "АБ", .number = "123456789"}),
        makeRecord({.series = "аб", .number = "5"})};
    RegisterState state = registerOf(lines);
    state.DocKeys = GetParam().formerKeys;
    RedrawRegister(state, refs);
    EXPECT_EQ(state.DocKeys, (std::vector<std::string>{cp("0АБ~123456789~~11"), cp("0аб~5~~11"),
                                                       cp("2ВГ~7~~11")}));
}

INSTANTIATE_TEST_SUITE_P(
    Former, RedrawOverFormerKeysTest,
    ::testing::Values(FormerKeysCase{"None", {}}, FormerKeysCase{"FewerAndShorter", {"a", ""}},
                      FormerKeysCase{"AsManyAndLonger",
                                     {std::string(40, 'x'), std::string(30, 'y'), "z"}},
                      FormerKeysCase{"More", {"k1", "k2", "k3", "k4", std::string(50, 'w')}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RegisterRedrawTest, EmptyRegisterHasNoKeys) {
    const ReferenceData refs = test::registerTestRefs();
    RegisterState state = registerOf({});
    const RedrawResult result = RedrawRegister(state, refs);
    EXPECT_TRUE(state.DocKeys.empty());
    EXPECT_EQ(result.recordCount, 0U);
}

} // namespace
} // namespace svidary
