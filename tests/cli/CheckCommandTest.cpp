#include "CliTestSupport.h"

#include <gtest/gtest.h>

namespace svidary::test {
namespace {

std::string recordWith(std::string_view series, std::string_view number) {
    return recordLine({"1", "1", "0", "Иванов/", "Иван", "Иванович", "2000", "2005", "15.06.2005",
                       series, number, "-", "Техник", "-", "Техник", "10"});
}

struct CheckCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> records;
    int exitCode;
    const char* out;
};

class CheckCommandTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckCommandTest, PrintsTheReportAndWritesNothing) {
    CliFolder folder;
    std::vector<std::string> lines;
    for (const auto& [series, number] : GetParam().records) {
        lines.push_back(recordWith(series, number));
    }
    folder.write("reg.diplom", registerFileBytes(lines));
    folder.write("Error.txt", "earlier report");
    const auto before = folder.snapshot();
    const CliRun run = folder.runWithRefs({"check", "reg.diplom"});
    EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.err;
    EXPECT_EQ(run.out, GetParam().out);
    EXPECT_EQ(folder.snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Registers, CheckCommandTest,
    ::testing::Values(CheckCase{"Empty", {}, 0, "Записей: 0\n"},
                      CheckCase{"NoDuplicates", {{"АБ", "1"}, {"аб", "1"}}, 0, "Записей: 2\n"},
                      CheckCase{"Duplicates",
                                {{"АБ", "1"}, {"АБ", "2"}, {"АБ", "1"}, {"АБ", "1"}},
                                1,
                                "Записей: 4\n"
                                "Обнаружены записи о документах с одинаковой серией и номером.\n"
                                "Диплом, серия: АБ, номер: 1\n"
                                "Диплом, серия: АБ, номер: 1\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckCommandErrorTest, UnreadableRegisterIsAnError) {
    CliFolder folder;
    const CliRun run = folder.runWithRefs({"check", "missing.diplom"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("missing.diplom"), std::string::npos) << run.err;
    EXPECT_TRUE(folder.snapshot().empty());
}

} // namespace
} // namespace svidary::test
