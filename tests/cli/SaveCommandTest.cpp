#include "CliTestSupport.h"

#include <gtest/gtest.h>

namespace svidary::test {
namespace {

std::string cleanRecord(std::string_view number, std::string_view school = "11") {
    return recordLine({"1", "1", "0", "Иванов", "Иван", "Иванович", "2000", "2005", "15.06.2005",
                       "АБ", number, "-", "Техник", "-", "Техник", school});
}

TEST(SaveCommandTest, UnchangedRegisterIsWrittenByteForByte) {
    CliFolder folder;
    const std::string bytes = registerFileBytes({cleanRecord("1"), cleanRecord("2")});
    folder.write("reg.diplom", bytes);
    const CliRun run = folder.runWithRefs({"save", "reg.diplom"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(folder.read("reg.diplom"), bytes);
    EXPECT_EQ(folder.read("reg.diplom.temp"), bytes);
    std::string message = "Файл \"";
    message.append((folder.work() / "reg.diplom").string()).append("\" сохранен");
    EXPECT_NE(run.out.find(message), std::string::npos) << run.out;
}

TEST(SaveCommandTest, WritesCleanedAndCorrectedRecords) {
    CliFolder folder;
    const std::string dirty =
        recordLine({"1", "1", "0", " иванов/ ", "Иван", "Иванович", "2000", "2005", "15.06.2005",
                    "АБ", "1", "-", "ТЕХНИК", "-", "техник", "10"});
    folder.write("reg.diplom", registerFileBytes({dirty}));
    const CliRun run = folder.runWithRefs({"save", "reg.diplom"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::string expected =
        recordLine({"1", "1", "0", "иванов", "Иван", "Иванович", "2000", "2005", "15.06.2005", "АБ",
                    "1", "-", "Техник", "-", "Техник", "11"});
    EXPECT_EQ(folder.read("reg.diplom"), registerFileBytes({expected}));
}

TEST(SaveCommandTest, LeavesTheDuplicateReportInTheWorkingFolder) {
    CliFolder folder;
    folder.write("data/reg.diplom", registerFileBytes({cleanRecord("1"), cleanRecord("1")}));
    const CliRun run = folder.runWithRefs({"save", "data/../data/reg.diplom"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(folder.read("Error.txt"),
              cp("Обнаружены записи о документах с одинаковой серией и номером.\r\n"
                 "Диплом, серия: АБ, номер: 1\r\n"));
    // The path in the message is absolute and lexically normal.
    EXPECT_NE(run.out.find((folder.work() / "data" / "reg.diplom").string()), std::string::npos)
        << run.out;
}

TEST(SaveCommandTest, ConversionErrorChangesNothingOnDisk) {
    CliFolder folder;
    folder.write("Error.txt", "earlier report");
    folder.write("reg.diplom", registerFileBytes({cleanRecord("1"), cleanRecord("2", "школа")}));
    const auto before = folder.snapshot();
    const CliRun run = folder.runWithRefs({"save", "reg.diplom"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("'школа' is not a valid integer value (запись 2)"), std::string::npos)
        << run.err;
    EXPECT_EQ(folder.snapshot(), before);
}

TEST(SaveCommandTest, MissingReferenceFilesAreAnError) {
    CliFolder folder;
    folder.write("reg.diplom", registerFileBytes({cleanRecord("1")}));
    const auto before = folder.snapshot();
    const CliRun run = folder.run({"--refs", "nowhere", "save", "reg.diplom"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_FALSE(run.err.empty());
    EXPECT_EQ(folder.snapshot(), before);
}

} // namespace
} // namespace svidary::test
