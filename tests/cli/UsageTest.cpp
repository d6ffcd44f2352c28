#include "CliTestSupport.h"

#include <gtest/gtest.h>

namespace svidary::test {
namespace {

struct UsageCase {
    const char* name;
    std::vector<std::string> arguments;
};

class UsageErrorTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(UsageErrorTest, ExitsWithTwoAndWritesNothing) {
    CliFolder folder;
    folder.write("reg.diplom", registerFileBytes({}));
    folder.write("b.diplom", registerFileBytes({}));
    const auto before = folder.snapshot();
    const CliRun run = folder.run(GetParam().arguments);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_FALSE(run.err.empty());
    EXPECT_EQ(folder.snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, UsageErrorTest,
    ::testing::Values(UsageCase{"NoArguments", {}},
                      UsageCase{"UnknownCommand", {"open", "reg.diplom"}},
                      UsageCase{"SaveWithoutFile", {"save"}},
                      UsageCase{"SaveWithTwoFiles", {"save", "reg.diplom", "b.diplom"}},
                      UsageCase{"CheckWithoutFile", {"check"}},
                      UsageCase{"RefsWithoutFolder", {"--refs"}},
                      UsageCase{"RefsAfterTheCommand", {"save", "reg.diplom", "--refs", "x"}},
                      UsageCase{"AnswersAfterSave", {"save", "reg.diplom", "--answers", "m"}},
                      UsageCase{"UnknownOption", {"--fast", "save", "reg.diplom"}},
                      UsageCase{"ExportLater", {"export", "reg.diplom"}},
                      UsageCase{"MergeLater", {"merge", "r", "reg.diplom", "b.diplom"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UsageTest, EmptyFileArgumentIsNamedAsSuch) {
    CliFolder folder;
    for (const char* command : {"save", "check"}) {
        const CliRun run = folder.runWithRefs({command, ""});
        EXPECT_EQ(run.exitCode, 2) << command;
        EXPECT_EQ(run.err, "svidary-cli: не указан файл\nСправка: svidary-cli --help\n") << command;
    }
}

TEST(UsageTest, HelpListsEveryCommand) {
    CliFolder folder;
    const CliRun run = folder.runWithRefs({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* command :
         {"save", "check", "export", "stats", "convert", "merge", "--refs", "--answers"}) {
        EXPECT_NE(run.out.find(command), std::string::npos) << command;
    }
    EXPECT_NE(run.out.find("появится в следующей версии"), std::string::npos);
}

TEST(UsageTest, VersionIsPrinted) {
    CliFolder folder;
    const CliRun run = folder.run({"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, std::string("svidary-cli ") + SVIDARY_VERSION + "\n");
}

} // namespace
} // namespace svidary::test
