#include "core/RegisterSave.h"
#include "RegisterTestSupport.h"
#include "core/ErrorCheck.h"
#include "core/Errors.h"
#include "core/RegisterOpen.h"

#include <gtest/gtest.h>

#include <set>

namespace svidary {
namespace {

using test::cp;
using test::makeRecord;
using test::registerFileBytes;

std::set<std::string> filesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

class RegisterSaveTest : public ::testing::Test {
protected:
    RegisterState openRegister(const std::string& name, const std::vector<std::string>& lines) {
        const auto file = folder_.writeBytes(name, registerFileBytes(lines));
        RegisterState state;
        OpenRegister(state, refs_, file);
        return state;
    }

    RegisterState registerNamed(const std::string& name, std::vector<std::string> lines) {
        RegisterState state;
        state.CurrentFileName = folder_.path() / name;
        state.DocList = std::move(lines);
        state.DocListsExist = true;
        return state;
    }

    SaveResult save(RegisterState& state) { return SaveRegister(state, refs_, folder_.path()); }

    const ReferenceData refs_ = test::registerTestRefs();
    test::TempFolder folder_;
};

TEST_F(RegisterSaveTest, FirstSaveKeepsTheFormerFileAndWritesCleanedRecords) {
    const std::string dirty = makeRecord({.surname = " Иванов/ "});
    const std::string original = registerFileBytes({dirty});
    RegisterState state = openRegister("reg.diplom", {dirty});
    state.DocModified = true;

    const SaveResult result = save(state);

    const std::string cleaned = makeRecord({.surname = "Иванов"});
    EXPECT_EQ(folder_.readBytes("reg.diplom.temp"), original);
    EXPECT_EQ(folder_.readBytes("reg.diplom"), registerFileBytes({cleaned}));
    EXPECT_EQ(state.DocList, std::vector<std::string>{cleaned});
    EXPECT_EQ(state.DocKeys, std::vector<std::string>{cp("0АБ~123~~11")});
    EXPECT_FALSE(state.DocModified);
    EXPECT_EQ(result.backupFile, folder_.path() / "reg.diplom.temp");
    EXPECT_EQ(result.report, ReportOutcome::Deleted);
    EXPECT_EQ(filesIn(folder_.path()), (std::set<std::string>{"reg.diplom", "reg.diplom.temp"}));
}

TEST_F(RegisterSaveTest, SecondSaveKeepsTheFirstBackup) {
    const std::string original = registerFileBytes({makeRecord({})});
    RegisterState state = openRegister("reg.diplom", {makeRecord({})});
    save(state);
    state.DocList.push_back(makeRecord({.number = "999"}));

    const SaveResult result = save(state);

    EXPECT_FALSE(result.backupFile);
    EXPECT_EQ(folder_.readBytes("reg.diplom.temp"), original);
    EXPECT_EQ(folder_.readBytes("reg.diplom"),
              registerFileBytes({makeRecord({}), makeRecord({.number = "999"})}));
}

TEST_F(RegisterSaveTest, SavesTheCorrectedSchoolCodes) {
    const std::string corrected = makeRecord({.issued = "15.06.2005", .school = "11"});
    RegisterState state =
        registerNamed("reg.diplom", {makeRecord({.issued = "15.06.2005", .school = "10"})});
    save(state);
    EXPECT_EQ(folder_.readBytes("reg.diplom"), registerFileBytes({corrected}));
}

// The corrections are made to the cleaned lines; both kinds of change, alone and together, and
// lines with neither, must come out in their places.
TEST_F(RegisterSaveTest, WritesCleanedAndCorrectedLinesInTheirPlaces) {
    RegisterState state = registerNamed(
        "reg.diplom",
        {makeRecord({.number = "1"}), makeRecord({.surname = " Петров ", .number = "2"}),
         makeRecord({.issued = "15.06.2005", .number = "3", .school = "10"}),
         makeRecord({.surname = "Сидоров/", .issued = "15.06.2005", .number = "4", .school = "10"}),
         makeRecord({.number = "5"}),
         makeRecord({.surname = " Иванов", .number = "4", .school = "11"})});
    const std::vector<std::string> expected = {
        makeRecord({.number = "1"}),
        makeRecord({.surname = "Петров", .number = "2"}),
        makeRecord({.issued = "15.06.2005", .number = "3", .school = "11"}),
        makeRecord({.surname = "Сидоров", .issued = "15.06.2005", .number = "4", .school = "11"}),
        makeRecord({.number = "5"}),
        makeRecord({.surname = "Иванов", .number = "4", .school = "11"})};

    const SaveResult result = save(state);

    EXPECT_EQ(folder_.readBytes("reg.diplom"), registerFileBytes(expected));
    EXPECT_EQ(state.DocList, expected);
    EXPECT_EQ(result.redraw.correctedCount, 2U);
    EXPECT_EQ(result.redraw.duplicateLines,
              std::vector<std::string>{cp("Диплом, серия: АБ, номер: 4")});
}

TEST_F(RegisterSaveTest, EmptyRegisterWritesTheHeaderOnly) {
    folder_.writeBytes("Error.txt", "earlier report");
    RegisterState state = registerNamed("new.diplom", {});
    folder_.writeBytes("new.diplom", "");
    const SaveResult result = save(state);
    EXPECT_EQ(folder_.readBytes("new.diplom"), cp("<Список выданных документов>\r\n"));
    EXPECT_EQ(result.report, ReportOutcome::Untouched);
    EXPECT_EQ(folder_.readBytes("Error.txt"), "earlier report");
}

TEST_F(RegisterSaveTest, DuplicatesKeepTheReport) {
    RegisterState state = registerNamed("reg.diplom", {makeRecord({}), makeRecord({})});
    const SaveResult result = save(state);
    EXPECT_EQ(result.report, ReportOutcome::Kept);
    EXPECT_EQ(result.reportFile, folder_.path() / "Error.txt");
    EXPECT_EQ(folder_.readBytes("Error.txt"),
              cp("Обнаружены записи о документах с одинаковой серией и номером.\r\n"
                 "Диплом, серия: АБ, номер: 123\r\n"));
}

TEST_F(RegisterSaveTest, LegacyRegisterIsSavedAsDiplomAndMovedAside) {
    folder_.writeBytes("c.Kalv", "legacy");
    RegisterState state = registerNamed("c.Kalv", {makeRecord({})});
    const SaveResult result = save(state);
    EXPECT_EQ(result.savedFile, folder_.path() / "c.diplom");
    EXPECT_EQ(state.CurrentFileName, folder_.path() / "c.diplom");
    EXPECT_EQ(folder_.readBytes("c.Kalv.temp"), "legacy");
    EXPECT_EQ(filesIn(folder_.path()), (std::set<std::string>{"c.Kalv.temp", "c.diplom"}));
}

TEST_F(RegisterSaveTest, XmlRegisterIsSavedBesideWithoutBackup) {
    folder_.writeBytes("b.xml", "<xml/>");
    folder_.writeBytes("b.diplom", "older register");
    RegisterState state = registerNamed("b.xml", {makeRecord({})});
    save(state);
    EXPECT_EQ(folder_.readBytes("b.xml"), "<xml/>");
    EXPECT_EQ(folder_.readBytes("b.diplom"), registerFileBytes({makeRecord({})}));
    EXPECT_EQ(filesIn(folder_.path()), (std::set<std::string>{"b.xml", "b.diplom"}));
}

TEST_F(RegisterSaveTest, NameThatIsOnlyAnXmlExtensionIsSavedBesideWithoutBackup) {
    folder_.writeBytes(".xml", "<xml/>");
    RegisterState state = registerNamed(".xml", {makeRecord({})});
    const SaveResult result = save(state);
    EXPECT_EQ(result.savedFile, folder_.path() / ".diplom");
    EXPECT_EQ(folder_.readBytes(".xml"), "<xml/>");
    EXPECT_EQ(filesIn(folder_.path()), (std::set<std::string>{".xml", ".diplom"}));
}

TEST_F(RegisterSaveTest, ExistingBackupIsNeverOverwritten) {
    folder_.writeBytes("reg.diplom.temp", "oldest");
    RegisterState state = openRegister("reg.diplom", {makeRecord({})});
    save(state);
    EXPECT_EQ(folder_.readBytes("reg.diplom.temp"), "oldest");
}

TEST_F(RegisterSaveTest, ReportsItsStagesInOrder) {
    RegisterState state = registerNamed("reg.diplom", {makeRecord({})});
    std::vector<SaveStage> stages;
    int lastStep = -1;
    SaveObserver observer{[&stages](SaveStage stage) { stages.push_back(stage); },
                          [&lastStep](int step) { lastStep = step; }};
    SaveRegister(state, refs_, folder_.path(), observer);
    EXPECT_EQ(stages, (std::vector<SaveStage>{SaveStage::ErrorCheck, SaveStage::Redraw,
                                              SaveStage::Writing}));
    EXPECT_GE(lastStep, 0);
}

// A record that an edit left with a level that is not a number: the redraw of the error check
// fails, and nothing may be lost.
TEST_F(RegisterSaveTest, ConversionErrorLeavesFileAndRegisterAsTheyWere) {
    const std::string original = registerFileBytes({makeRecord({.surname = " Петров "})});
    folder_.writeBytes("reg.diplom", original);
    folder_.writeBytes("Error.txt", "earlier report");
    const std::vector<std::string> lines = {makeRecord({.surname = " Петров "}),
                                            makeRecord({.level = "высш"})};
    RegisterState state = registerNamed("reg.diplom", lines);
    state.DocKeys = {"key"};
    state.DocModified = true;

    try {
        save(state);
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("'высш' is not a valid integer value (запись 2)"), std::string::npos)
            << message;
        EXPECT_NE(message.find("не сохранен"), std::string::npos) << message;
    }
    EXPECT_EQ(folder_.readBytes("reg.diplom"), original);
    EXPECT_EQ(folder_.readBytes("Error.txt"), "earlier report");
    EXPECT_EQ(filesIn(folder_.path()), (std::set<std::string>{"reg.diplom", "Error.txt"}));
    EXPECT_EQ(state.DocList, lines);
    EXPECT_EQ(state.DocKeys, std::vector<std::string>{"key"});
    EXPECT_TRUE(state.DocModified);
}

// The target's name is taken by a folder: the rename fails after everything was written.
TEST_F(RegisterSaveTest, TargetThatCannotBeReplacedLeavesEverythingAsItWas) {
    std::filesystem::create_directory(folder_.path() / "reg.diplom");
    folder_.writeBytes("reg.diplom/inside.txt", "kept");
    const std::vector<std::string> lines = {makeRecord({}), makeRecord({})};
    RegisterState state = registerNamed("reg.diplom", lines);

    EXPECT_THROW(save(state), IoError);

    EXPECT_EQ(folder_.readBytes("reg.diplom/inside.txt"), "kept");
    EXPECT_EQ(filesIn(folder_.path()), std::set<std::string>{"reg.diplom"});
    EXPECT_EQ(state.DocList, lines);
    EXPECT_EQ(state.CurrentFileName, folder_.path() / "reg.diplom");
}

TEST_F(RegisterSaveTest, SaveAfterOpenWithoutChangesReproducesCleanRecords) {
    const std::vector<std::string> lines = {makeRecord({}), makeRecord({.number = "7"}),
                                            makeRecord({.type = "2", .series = "ВГ"})};
    const std::string bytes = registerFileBytes(lines);
    RegisterState state = openRegister("reg.diplom", lines);
    save(state);
    EXPECT_EQ(folder_.readBytes("reg.diplom"), bytes);
    EXPECT_EQ(folder_.readBytes("reg.diplom.temp"), bytes);
}

} // namespace
} // namespace svidary
