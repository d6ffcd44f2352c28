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

TEST(ErrorCheckTest, CleansEveryRecordInOrder) {
    const std::vector<std::string> lines = {recordLine({"1", "1", "0", "А/Б"}),
                                            recordLine({"2", "1", "0", "В!Г"})};
    std::vector<int> steps;
    const std::vector<std::string> cleaned =
        CleanRecordLines(lines, [&steps](int step) { steps.push_back(step); });
    ASSERT_EQ(cleaned.size(), 2U);
    EXPECT_EQ(cleaned[0], CleanRecordLine(lines[0]));
    EXPECT_EQ(cleaned[1], CleanRecordLine(lines[1]));
    EXPECT_EQ(cleaned[0].substr(0, 8), test::cp("1\x0F"
                                                "1\x0F"
                                                "0\x0F"
                                                "АБ"));
    EXPECT_FALSE(steps.empty());
}

TEST(ErrorCheckTest, LargeRegisterIsCleanedInOrder) {
    std::vector<std::string> lines;
    for (int i = 0; i < 120000; ++i) {
        lines.push_back(recordLine({std::to_string(i), "1", "0", "А /" + std::to_string(i)}));
    }
    const std::vector<std::string> cleaned = CleanRecordLines(lines);
    ASSERT_EQ(cleaned.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); i += 997) {
        ASSERT_EQ(cleaned[i], CleanRecordLine(lines[i])) << i;
    }
    EXPECT_EQ(cleaned.back(), CleanRecordLine(lines.back()));
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
        ASSERT_EQ(CleanRecordLine(JoinRecord(fields)), JoinRecord(expected))
            << cp1251ToUtf8(JoinRecord(fields));
    }
}

} // namespace
} // namespace svidary
