#include "core/ErrorCheck.h"
#include "RegisterTestSupport.h"
#include "core/Cp1251.h"

#include <gtest/gtest.h>

#include <random>

namespace svidary {
namespace {

using test::recordLine;

TEST(ErrorCheckTest, CleansTextFieldsAndKeepsCodesAndRegNum) {
    const std::string line = recordLine(
        {" 12/а ", "1 ", " 0", " иванов/ ", "ИВАН!", "иванович:", " 2000", "2005 ", "15.06.2005 ",
         "АБ ", " 123", "-", "ТЕХНИК-ТЕХНОЛОГ", "  пищевое  ,  дело ", "\"техник\"", " 11"});
    EXPECT_EQ(CleanRecordLine(line),
              recordLine({" 12/а ", "1 ", " 0", "иванов", "ИВАН", "иванович", "2000", "2005",
                          "15.06.2005", "АБ", "123", "-", "Техник-технолог", "Пищевое, дело",
                          "Техник", " 11"}));
}

TEST(ErrorCheckTest, CleanRecordIsUnchanged) {
    const std::string line = test::makeRecord({});
    EXPECT_EQ(CleanRecordLine(line), line);
}

TEST(ErrorCheckTest, ShortLineGetsAllSixteenFields) {
    EXPECT_EQ(CleanRecordLine("1\x0F"
                              "2"),
              std::string("1\x0F"
                          "2") +
                  std::string(14, '\x0F'));
}

TEST(ErrorCheckTest, ListsOnlyTheRecordsThatChange) {
    const std::vector<std::string> lines = {
        test::makeRecord({}), recordLine({"2", "1", "0", "В!Г"}),
        test::makeRecord({.surname = "Петров "}), recordLine({"4", "1", "0", "Вг"})};
    std::vector<int> steps;
    const LineChanges changes =
        CleanRecordLines(lines, [&steps](int step) { steps.push_back(step); });
    ASSERT_EQ(changes.size(), 3U);
    EXPECT_EQ(changes[0].first, 1U);
    EXPECT_EQ(changes[0].second, CleanRecordLine(lines[1]));
    EXPECT_EQ(changes[1].first, 2U);
    EXPECT_EQ(changes[1].second, test::makeRecord({.surname = "Петров"}));
    // A short line is listed: it gets all sixteen fields.
    EXPECT_EQ(changes[2].first, 3U);
    EXPECT_FALSE(steps.empty());
}

TEST(ErrorCheckTest, LargeRegisterIsCleanedInOrder) {
    std::vector<std::string> lines;
    for (int i = 0; i < 120000; ++i) {
        lines.push_back(i % 3 == 0 ? test::makeRecord({})
                                   : recordLine({std::to_string(i), "1", "0", "А /"}));
    }
    const LineChanges changes = CleanRecordLines(lines);
    ASSERT_EQ(changes.size(), 80000U);
    for (std::size_t i = 0; i < changes.size(); ++i) {
        ASSERT_EQ(changes[i].first, i / 2 * 3 + 1 + i % 2) << i;
        ASSERT_EQ(changes[i].second, CleanRecordLine(lines[changes[i].first])) << i;
    }
}

// Clean fields are passed through without CleanField; the result must be CleanField's all the
// same, whatever the field holds.
TEST(ErrorCheckTest, AgreesWithCleanFieldOnRandomFields) {
    const std::string alphabet = test::cp("аАяЯёЁzZ1 ,.-/!:\"");
    std::mt19937 random(3);
    for (int i = 0; i < 20000; ++i) {
        RecordFields fields;
        for (std::string& field : fields) {
            const int length = static_cast<int>(random() % 6);
            for (int c = 0; c < length; ++c) {
                field.push_back(alphabet[random() % alphabet.size()]);
            }
        }
        RecordFields expected = fields;
        for (int field = F; field <= Kw; ++field) {
            expected[field] = CleanField(fields[field], field >= Spec);
        }
        const std::string line = JoinRecord(fields);
        ASSERT_EQ(CleanRecordLine(line), JoinRecord(expected)) << cp1251ToUtf8(line);
        // A record is listed as changed exactly when cleaning changes it.
        const LineChanges changes = CleanRecordLines({line});
        ASSERT_EQ(changes.empty(), JoinRecord(expected) == line) << cp1251ToUtf8(line);
    }
}

} // namespace
} // namespace svidary
