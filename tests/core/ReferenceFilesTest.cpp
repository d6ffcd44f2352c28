#include "core/ReferenceFiles.h"
#include "TestFiles.h"
#include "core/Errors.h"
#include "core/TextFile.h"

#include <gtest/gtest.h>

namespace svidary {
namespace {

using test::cp;
using Names = std::vector<std::string>;

Names cpNames(std::initializer_list<const char*> utf8) {
    Names names;
    for (const char* name : utf8) {
        names.push_back(cp(name));
    }
    return names;
}

TEST(ItemsFile, ReadsItemsByMarkersAndOrder) {
    const struct {
        const char* title;
        const char* text;
        Names names;
    } cases[] = {
        {"one item per line",
         "<?xml version=\"1.0\"?>\r\n<Levels>\r\n<Item id=\"0\" name=\"Среднее\"/>\r\n"
         "<Item id=\"1\" name=\"Высшее\"/>\r\n</Levels>\r\n",
         cpNames({"Среднее", "Высшее"})},
        {"order 0, 2, 1",
         "<Item id=\"0\" name=\"A\"/><Item id=\"2\" name=\"C\"/>"
         "<Item id=\"1\" name=\"B\"/>",
         cpNames({"A", "", "C"})},
        {"single id 3", "<Item id=\"3\" name=\"D\"/>", cpNames({"", "", "", "D"})},
        {"repeated and negative ids",
         "<Item id=\"-1\" name=\"N\"/><Item id=\"0\" name=\"A\"/>"
         "<Item id=\"0\" name=\"B\"/>",
         cpNames({"A"})},
        {"id above 255 skipped",
         "<Item id=\"0\" name=\"A\"/><Item id=\"256\" name=\"X\"/>"
         "<Item id=\"255\" name=\"Z\"/>",
         [] {
             Names names(256);
             names[0] = "A";
             names[255] = "Z";
             return names;
         }()},
        {"name before id is not the name", "<Item name=\"A\" id=\"0\"/>", cpNames({""})},
        {"closing tag ends the item", "<Item id=\"0\"></Item><Item id=\"1\" name=\"B\"></Item>",
         cpNames({"", "B"})},
        {"line break inside a value disappears", "<Item id=\"0\" name=\"Сред\r\nнее\"/>",
         cpNames({"Среднее"})},
        {"LF and CR line ends",
         "<Item id=\"0\" name=\"A\"/>\n<Item id=\"1\" name=\"B\"/>\r<Item id=\"2\" name=\"C\"/>",
         cpNames({"A", "B", "C"})},
        {"no items", "<Levels></Levels>", {}},
        {"the character after <Item is skipped whatever it is", "<ItemXid=\"0\" name=\"A\"/>",
         cpNames({"A"})},
        {"items without an end run on and the next one starts inside",
         "<Item id=\"0\" name=\"A\"<Item id=\"1\" name=\"B\"", cpNames({"A", "B"})},
        {"a name after the end of its item is not its name",
         "<Item id=\"0\"/> name=\"A\"<Item id=\"1\" name=\"B\"/>", cpNames({"", "B"})},
        {"a value runs to the end of its item when its quote is missing",
         "<Item id=\"0\" name=\"A/><Item id=\"1\" name=\"B\"/>", cpNames({"A", "B"})},
    };
    test::TempFolder folder;
    for (const auto& c : cases) {
        const auto path = folder.writeText("VELTlevels.xml", c.text);
        EXPECT_EQ(readItemsFile(path), c.names) << c.title;
    }
}

// Every item of such a file runs on to the end of the file; the reader must not search the rest
// of the file again for every one of them.
TEST(ItemsFile, ManyItemsWithoutAnEndAreReadInOnePass) {
    std::string text;
    for (int item = 0; item < 100000; ++item) {
        text += "<Item id=\"" + std::to_string(item % 300) + "\" ";
    }
    text += "name=\"Z\"";
    test::TempFolder folder;
    const auto path = folder.writeText("VELTlevels.xml", text);
    Names expected(256, "Z");
    EXPECT_EQ(readItemsFile(path), expected);
}

TEST(ItemsFile, IdThatIsNotANumberIsAConversionErrorNamingFileAndLine) {
    test::TempFolder folder;
    const auto path = folder.writeText("VELTtypes.xml", "<Types>\r\n<Item id=\"0\" name=\"A\"/>\r\n"
                                                        "<Item id=\"x1\" name=\"B\"/>\r\n");
    try {
        readItemsFile(path);
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_EQ(std::string(error.what()), "'x1' is not a valid integer value (файл \"" +
                                                 pathToUtf8(path) + "\", строка 3)");
    }
    folder.writeText("VELTtypes.xml", "<Item name=\"A\"/>");
    EXPECT_THROW(readItemsFile(path), ConversionError);
}

TEST(ClassifierFile, ReadsEntriesAfterTheFirstLine) {
    test::TempFolder folder;
    const auto path = folder.writeText("VELTSchools.xml", "<Schools>\r\n"
                                                          "10 1 01.09.1990 Школа № 1\r\n"
                                                          "\r\n"
                                                          "11 1 1.1.2001  Гимназия № 1 \n"
                                                          "-5 2 31.12.1899 Старое\r");
    const auto entries = readClassifierFile(path);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].Code, 10);
    EXPECT_EQ(entries[0].InstitutionId, 1);
    EXPECT_EQ(entries[0].ValidFrom, (Date{1990, 9, 1}));
    EXPECT_EQ(entries[0].Name, cp("Школа № 1"));
    EXPECT_EQ(entries[1].ValidFrom, (Date{2001, 1, 1}));
    EXPECT_EQ(entries[1].Name, cp(" Гимназия № 1 ")); // verbatim, spaces included
    EXPECT_EQ(entries[2].Code, -5);
}

TEST(ClassifierFile, BadLinesFailWithFileAndLine) {
    const struct {
        const char* line;
        const char* message;
    } cases[] = {
        {"</Schools>", "'</Schools>' is not a valid integer value"},
        {"10 x 01.01.2000 Имя", "'x' is not a valid integer value"},
        {"10 1 2000 Имя", "'2000' is not a valid date"},
        {"10 1 31.02.2000 Имя", "'31.02.2000' is not a valid date"},
        {"10  1 01.01.2000 Имя", "'' is not a valid integer value"},
        {"10 1 01.01.2000", "Строка классификатора \"10 1 01.01.2000\" должна содержать код, "
                            "номер учреждения, дату и название, разделённые пробелами"},
    };
    test::TempFolder folder;
    for (const auto& c : cases) {
        const auto path = folder.writeText(
            "VELTSchools.xml", std::string("<Schools>\r\n1 1 01.01.2000 A\r\n") + c.line + "\r\n");
        try {
            readClassifierFile(path);
            ADD_FAILURE() << "no error for " << c.line;
        } catch (const ConversionError& error) {
            EXPECT_EQ(std::string(error.what()),
                      std::string(c.message) + " (файл \"" + pathToUtf8(path) + "\", строка 3)");
        }
    }
}

TEST(AttributesFile, ReadsLinesTwoAndFourWithTheEarliestYear) {
    const struct {
        const char* text;
        std::int32_t code;
        std::int32_t year;
    } cases[] = {
        {"<код>\r\n25\r\n<год>\r\n2005\r\n", 25, 2005},
        {"x\n-3\ny\n1985", -3, 1991},
        {"x\r7\ry\r1991\r", 7, 1991},
    };
    test::TempFolder folder;
    for (const auto& c : cases) {
        const auto attributes = readAttributesFile(folder.writeText("VELTAttrib.xml", c.text));
        EXPECT_EQ(attributes.schoolCode, c.code) << c.text;
        EXPECT_EQ(attributes.year, c.year) << c.text;
    }
    EXPECT_THROW(readAttributesFile(folder.writeText("VELTAttrib.xml", "a\r\n25\r\n")),
                 ConversionError);
    EXPECT_THROW(readAttributesFile(folder.writeText("VELTAttrib.xml", "a\r\n2 5\r\nb\r\n1\r\n")),
                 ConversionError);
}

TEST(AttributesFile, WritesTheFourLineLayout) {
    test::TempFolder folder;
    const auto path = folder.path() / "VELTAttrib.xml";
    writeAttributesFile(path, {42, 2011});
    EXPECT_EQ(folder.readBytes("VELTAttrib.xml"),
              cp("<код учебного заведения по справочнику>\r\n42\r\n"
                 "<актуальная год выдачи документов>\r\n2011\r\n"));
    const auto back = readAttributesFile(path);
    EXPECT_EQ(back.schoolCode, 42);
    EXPECT_EQ(back.year, 2011);
}

TEST(ColumnsFile, OnlyAOneShowsAColumn) {
    ColumnVisibility allButLast;
    allButLast.fill(true);
    allButLast[15] = false;
    ColumnVisibility firstTwo{};
    firstTwo[0] = firstTwo[1] = true;
    ColumnVisibility none{};
    ColumnVisibility oddOnes{};
    oddOnes[0] = oddOnes[2] = oddOnes[4] = true;

    const struct {
        const char* text;
        ColumnVisibility visible;
    } cases[] = {
        {"[Видимость столбцов]\r\n1111111111111110\r\n", allButLast},
        {"[Видимость столбцов]\r\n11\r\n", firstTwo},
        {"[Видимость столбцов]\r\n", none},
        {"[Видимость столбцов]\r\n1x1 1\r\n", oddOnes},
    };
    test::TempFolder folder;
    for (const auto& c : cases) {
        EXPECT_EQ(readColumnsFile(folder.writeText("VELTColumns.xml", c.text)), c.visible)
            << c.text;
    }
}

class LoadReferencesTest : public testing::Test {
protected:
    void writeRequired() {
        folder.writeText("VELTlevels.xml", "<Item id=\"0\" name=\"Среднее\"/>\r\n");
        folder.writeText("VELTtypes.xml", "<Item id=\"0\" name=\"Диплом\"/>\r\n");
        folder.writeText("VELTSchools.xml", "<Schools>\r\n10 1 01.09.1990 Школа\r\n");
    }

    std::string missingMessage() {
        ReferenceData refs;
        try {
            LoadReferences(refs, folder.path());
        } catch (const MissingReferenceFile& error) {
            return error.what();
        }
        return "no error";
    }

    std::string folderText() const { return pathToUtf8(folder.path()) + "/"; }

    test::TempFolder folder;
};

TEST_F(LoadReferencesTest, MissingRequiredFilesStopInOrder) {
    EXPECT_EQ(missingMessage(), "Отсутствует файл \"" + folderText() + "VELTlevels.xml \"");
    folder.writeText("VELTlevels.xml", "");
    EXPECT_EQ(missingMessage(), "Отсутствует файл \"" + folderText() + "VELTtypes.xml \"");
    folder.writeText("VELTtypes.xml", "");
    EXPECT_EQ(missingMessage(),
              "Внимание! Отсутствует справочник учебных заведений! Дальнейшая работа невозможна!!");
}

TEST_F(LoadReferencesTest, WithoutAttributesAndColumnsTheDefaultsStay) {
    writeRequired();
    ReferenceData refs;
    const auto loaded = LoadReferences(refs, folder.path());
    EXPECT_FALSE(loaded.attributesFound);
    EXPECT_FALSE(loaded.columns.has_value());
    EXPECT_EQ(refs.AttribSchoolCode, 1);
    EXPECT_EQ(refs.AttribYear, 2007);
    EXPECT_EQ(refs.LevelNames.names(), cpNames({"Среднее"}));
    EXPECT_EQ(refs.DocTypeNames.names(), cpNames({"Диплом"}));
    ASSERT_EQ(refs.SchoolTable.size(), 1u);
    EXPECT_EQ(refs.SchoolNameByCode(10), cp("Школа"));
}

TEST_F(LoadReferencesTest, ReadsAttributesAndColumns) {
    writeRequired();
    folder.writeText("VELTAttrib.xml", "a\r\n10\r\nb\r\n1985\r\n");
    folder.writeText("VELTColumns.xml", "[Видимость столбцов]\r\n11\r\n");
    ReferenceData refs;
    const auto loaded = LoadReferences(refs, folder.path());
    EXPECT_TRUE(loaded.attributesFound);
    EXPECT_EQ(refs.AttribSchoolCode, 10);
    EXPECT_EQ(refs.AttribYear, 1991);
    ASSERT_TRUE(loaded.columns.has_value());
    EXPECT_TRUE((*loaded.columns)[1]);
    EXPECT_FALSE((*loaded.columns)[2]);
}

TEST_F(LoadReferencesTest, ABadClassifierKeepsWhatWasReadBefore) {
    writeRequired();
    folder.writeText("VELTSchools.xml", "<Schools>\r\n10 1 01.09.1990 Школа\r\n</Schools>\r\n");
    folder.writeText("VELTAttrib.xml", "a\r\n10\r\nb\r\n2010\r\n");
    ReferenceData refs;
    EXPECT_THROW(LoadReferences(refs, folder.path()), ConversionError);
    EXPECT_EQ(refs.LevelNames.names(), cpNames({"Среднее"}));
    EXPECT_EQ(refs.AttribYear, 2007); // the later steps did not run
}

TEST(SampleReferenceFiles, LoadWhenPresent) {
    const std::filesystem::path samples = SVIDARY_SAMPLE_FILES;
    if (!std::filesystem::exists(samples / "VELTSchools.xml")) {
        GTEST_SKIP() << "no sample reference files yet";
    }
    ReferenceData refs;
    LoadReferences(refs, samples);
    EXPECT_FALSE(refs.SchoolTable.empty());
    EXPECT_FALSE(refs.DocTypeNames.empty());
}

} // namespace
} // namespace svidary
