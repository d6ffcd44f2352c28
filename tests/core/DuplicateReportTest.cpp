#include "core/DuplicateReport.h"
#include "RegisterTestSupport.h"
#include "core/Errors.h"

#include <gtest/gtest.h>

namespace svidary {
namespace {

using test::cp;

TEST(DuplicateReportTest, EmptyRegisterLeavesAnExistingReportUntouched) {
    test::TempFolder folder;
    folder.writeBytes("Error.txt", "earlier report");
    EXPECT_EQ(WriteDuplicateReport(folder.path(), 0, {}), ReportOutcome::Untouched);
    EXPECT_EQ(folder.readBytes("Error.txt"), "earlier report");
}

TEST(DuplicateReportTest, NoDuplicatesRemovesTheReport) {
    test::TempFolder folder;
    folder.writeBytes("Error.txt", "earlier report");
    EXPECT_EQ(WriteDuplicateReport(folder.path(), 1, {}), ReportOutcome::Deleted);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Error.txt"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              0);
}

TEST(DuplicateReportTest, DuplicatesReplaceTheReport) {
    test::TempFolder folder;
    folder.writeBytes("Error.txt", "an earlier and much longer report than the new one");
    const std::vector<std::string> lines = {cp("Диплом, серия: АБ, номер: 123"),
                                            cp("Диплом, серия: АБ, номер: 123")};
    EXPECT_EQ(WriteDuplicateReport(folder.path(), 3, lines), ReportOutcome::Kept);
    EXPECT_EQ(folder.readBytes("Error.txt"),
              cp("Обнаружены записи о документах с одинаковой серией и номером.\r\n"
                 "Диплом, серия: АБ, номер: 123\r\nДиплом, серия: АБ, номер: 123\r\n"));
}

TEST(DuplicateReportTest, ReportThatCannotBeCreatedIsAnIoError) {
    test::TempFolder folder;
    EXPECT_THROW(WriteDuplicateReport(folder.path() / "missing", 1, {}), IoError);
}

TEST(DuplicateReportTest, StagedReportChangesNothingUntilCommitted) {
    test::TempFolder folder;
    folder.writeBytes("Error.txt", "earlier report");
    {
        DuplicateReportUpdate update(folder.path(), 2, {cp("Диплом, серия: А, номер: 1")});
        EXPECT_EQ(folder.readBytes("Error.txt"), "earlier report");
    }
    EXPECT_EQ(folder.readBytes("Error.txt"), "earlier report");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

} // namespace
} // namespace svidary
