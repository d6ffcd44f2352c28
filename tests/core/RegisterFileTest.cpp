#include "core/RegisterFile.h"
#include "TestFiles.h"
#include "core/Errors.h"

#include <gtest/gtest.h>

namespace svidary {
namespace {

using test::cp;

TEST(LoadDiplomFile, SkipsEmptyLinesAndLinesBeginningWithLessThan) {
    const std::string header = RegisterFileHeader();
    EXPECT_EQ(header, cp("<Список выданных документов>"));
    const std::string a = cp("1\x0F"
                             "0\x0F"
                             "0\x0FИванов");
    const std::string b = cp("2\x0F"
                             "0\x0F"
                             "1\x0FПетров <не заголовок>");
    const std::string c = " <\x0F";
    const struct {
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {header + "\r\n" + a + "\r\n" + b + "\r\n", {a, b}},
        {header + "\r\n<second>\r\n\r\n" + a + "\r\n\r\n" + b + "\r\n" + c, {a, b, c}},
        {a + "\r\n" + b + "\r\n", {a, b}}, // no header
        {a + "\n" + b, {a, b}},
        {"", {}},
    };
    test::TempFolder folder;
    for (const auto& c : cases) {
        RegisterState state;
        state.CurrentFileName = folder.writeBytes("reg.diplom", c.bytes);
        LoadDiplomFile(state);
        EXPECT_EQ(state.DocList, c.lines);
    }
}

TEST(LoadDiplomFile, AppendsToWhatTheListHolds) {
    test::TempFolder folder;
    RegisterState state;
    state.DocList = {"first"};
    state.CurrentFileName = folder.writeBytes("reg.diplom", "second\r\n");
    LoadDiplomFile(state);
    EXPECT_EQ(state.DocList, (std::vector<std::string>{"first", "second"}));
}

TEST(LoadDiplomFile, ReportsProgressUpToTheLastStepOnlyWhenItChanges) {
    test::TempFolder folder;
    std::string bytes;
    while (bytes.size() < 5u * (1 << 20)) {
        bytes += std::string(120, 'r') + "\r\n";
    }
    RegisterState state;
    state.CurrentFileName = folder.writeBytes("big.diplom", bytes);
    std::vector<int> steps;
    LoadDiplomFile(state, [&steps](int step) { steps.push_back(step); });
    ASSERT_GE(steps.size(), 2u);
    EXPECT_EQ(steps.back(), ProgressSteps);
    for (std::size_t i = 0; i + 1 < steps.size(); ++i) {
        EXPECT_LT(steps[i], steps[i + 1]);
    }
}

TEST(LoadDiplomFile, MissingFileIsAnIoError) {
    test::TempFolder folder;
    RegisterState state;
    state.CurrentFileName = folder.path() / "absent.diplom";
    EXPECT_THROW(LoadDiplomFile(state), IoError);
    EXPECT_TRUE(state.DocList.empty());
}

} // namespace
} // namespace svidary
