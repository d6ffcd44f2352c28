#include "core/SpecialtyLists.h"
#include "TestFiles.h"
#include "core/Errors.h"

#include <gtest/gtest.h>

namespace svidary {
namespace {

using test::cp;

std::vector<std::string> cps(std::initializer_list<std::string_view> utf8) {
    std::vector<std::string> texts;
    for (const auto text : utf8) {
        texts.push_back(cp(text));
    }
    return texts;
}

TEST(SpecialtyLine, TakesTheFieldsAfterTheCode) {
    const struct {
        std::string line;
        SpecialtyLine parsed;
    } cases[] = {
        {"K1-001~Spec~Spz~Kw", {"Spec", "Spz", "Kw"}},
        // The qualification is all the rest, "~" included.
        {"K1-001~Spec~Spz~Kw1; Kw2~more", {"Spec", "Spz", "Kw1; Kw2~more"}},
        {"~~~", {"", "", ""}},
        {"K1-001~Spec", {"Spec", "", ""}},
        {"K1-001~Spec~Spz", {"Spec", "Spz", ""}},
        {"no separators", {"", "", ""}},
        {"", {"", "", ""}},
    };
    for (const auto& c : cases) {
        const auto parsed = parseSpecialtyLine(c.line);
        EXPECT_EQ(parsed.specialty, c.parsed.specialty) << c.line;
        EXPECT_EQ(parsed.specialisation, c.parsed.specialisation) << c.line;
        EXPECT_EQ(parsed.qualification, c.parsed.qualification) << c.line;
    }
}

TEST(SpecialtyFile, EmptyFileGivesOneEmptyLineAndMissingFileFails) {
    test::TempFolder folder;
    const auto empty = folder.writeBytes("VELTspec.xml", "");
    const auto lines = readSpecialtyLines(empty);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].specialty, "");

    EXPECT_THROW(readSpecialtyLines(folder.path() / "absent.xml"), IoError);
}

// Two lines share a specialty; letter case makes distinct values; the file is out of order.
class SpecialtyListsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto path =
            folder_.writeText("VELTspec.xml", "K1-003~Экономика~Учёт~Экономист\r\n"
                                              "K1-001~Право~-~Юрист\r\n"
                                              "\r\n"
                                              "K1-002~Экономика~Финансы~Экономист; Финансист\n"
                                              "K1-004~экономика~Учёт~Экономист\r"
                                              "K1-005~Экономика~Учёт~Бухгалтер\r\n");
        lines_ = readSpecialtyLines(path);
    }

    test::TempFolder folder_;
    std::vector<SpecialtyLine> lines_;
};

TEST_F(SpecialtyListsTest, EverythingListsEachValueOnceInTextOrder) {
    const auto lists = collectSpecialtyLists(lines_, SpecialtyFill::Everything, "", "");
    EXPECT_EQ(lists.specialties, cps({"Право", "Экономика", "экономика"}));
    EXPECT_EQ(lists.specialisations, cps({"-", "Учёт", "Финансы"}));
    EXPECT_EQ(lists.qualifications,
              cps({"Бухгалтер", "Экономист", "Экономист; Финансист", "Юрист"}));
}

TEST_F(SpecialtyListsTest, OfSpecialtyTakesTheLinesOfThatSpecialtyOnly) {
    const auto lists =
        collectSpecialtyLists(lines_, SpecialtyFill::OfSpecialty, cp("Экономика"), "ignored");
    EXPECT_TRUE(lists.specialties.empty());
    EXPECT_EQ(lists.specialisations, cps({"Учёт", "Финансы"}));
    EXPECT_EQ(lists.qualifications, cps({"Бухгалтер", "Экономист", "Экономист; Финансист"}));

    const auto lower =
        collectSpecialtyLists(lines_, SpecialtyFill::OfSpecialty, cp("экономика"), "");
    EXPECT_EQ(lower.specialisations, cps({"Учёт"}));
    EXPECT_EQ(lower.qualifications, cps({"Экономист"}));
}

TEST_F(SpecialtyListsTest, OfSpecialisationNeedsBothToMatch) {
    const auto lists = collectSpecialtyLists(lines_, SpecialtyFill::OfSpecialisation,
                                             cp("Экономика"), cp("Финансы"));
    EXPECT_TRUE(lists.specialties.empty());
    EXPECT_TRUE(lists.specialisations.empty());
    EXPECT_EQ(lists.qualifications, cps({"Экономист; Финансист"}));

    const auto none =
        collectSpecialtyLists(lines_, SpecialtyFill::OfSpecialisation, cp("Право"), cp("Финансы"));
    EXPECT_TRUE(none.qualifications.empty());
}

} // namespace
} // namespace svidary
