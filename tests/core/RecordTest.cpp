#include "core/Record.h"
#include "TestFiles.h"
#include "core/TextCase.h"

#include <gtest/gtest.h>

#include <random>

namespace svidary {
namespace {

using test::cp;

RecordFields fieldsOf(std::initializer_list<std::string> leading) {
    RecordFields fields;
    std::size_t i = 0;
    for (const auto& text : leading) {
        fields[i++] = text;
    }
    return fields;
}

TEST(SplitRecord, Shapes) {
    const std::string sep(1, FieldSeparator);
    const struct {
        std::string line;
        RecordFields fields;
    } cases[] = {
        {"", fieldsOf({})},
        {"a" + sep + sep + "b", fieldsOf({"a", "", "b"})},
        {sep, fieldsOf({"", ""})},
        {"1" + sep + "2" + sep + "3" + sep + "4" + sep + "5" + sep + "6" + sep + "7" + sep + "8" +
             sep + "9" + sep + "10" + sep + "11" + sep + "12" + sep + "13" + sep + "14" + sep +
             "15" + sep + "16",
         fieldsOf({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15",
                   "16"})},
        // More than fifteen separators: the rest of the line, separators included, stays in
        // the last field.
        {std::string(15, FieldSeparator) + "x" + sep + "y" + sep,
         fieldsOf(
             {"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "x" + sep + "y" + sep})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitRecord(c.line), c.fields);
    }
}

TEST(SplitRecord, JoinGivesTheLineBack) {
    const std::string sep(1, FieldSeparator);
    const std::string line = "7" + sep + "1" + sep + "0" + sep + cp("Иванов") + sep + cp("Иван") +
                             sep + sep + "2001" + sep + "2005" + sep + "30.06.2005" + sep +
                             cp("АБ") + sep + "123" + sep + "-" + sep + sep + sep + sep + "25";
    EXPECT_EQ(JoinRecord(SplitRecord(line)), line);
    EXPECT_EQ(SplitRecord(line)[School], "25");
    EXPECT_EQ(JoinRecord(RecordFields{}), std::string(15, FieldSeparator));
}

TEST(CleanField, Examples) {
    const struct {
        const char* value;
        bool capitalise;
        const char* cleaned;
    } cases[] = {
        {"", false, ""},
        {"-", true, "-"},
        {"  иванов ,  ПЕТР!  ", false, "иванов, ПЕТР"},
        {"  иванов ,  ПЕТР!  ", true, "Иванов, петр"},
        {"Иванов/Петров", false, "ИвановПетров"},
        {"ТЕХНИК-ТЕХНОЛОГ", true, "Техник-технолог"},
        {"1-Я ГРУППА", true, "1-я группа"},
        {"ёЛКА", true, "Ёлка"},
        {"a \"b\": c!", false, "a b c"},
        {"конец  .", false, "конец."},
        {"a   , b", false, "a, b"},
        {"/", false, ""},
        {" ", false, ""},
        {"  ", true, ""},
        {" - ", false, "-"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CleanField(cp(c.value), c.capitalise), cp(c.cleaned))
            << "'" << c.value << "' " << c.capitalise;
    }
}

// The rule as stated: for each pattern in order, while the text holds it, delete the first
// character of its first occurrence; then one leading and one trailing space go.
std::string cleanByTheLetter(std::string text) {
    if (text.empty() || text == "-") {
        return text;
    }
    for (const char* pattern : {"/", "\"", "!", ":", " ,", " .", "  "}) {
        for (auto at = text.find(pattern); at != std::string::npos; at = text.find(pattern)) {
            text.erase(at, 1);
        }
    }
    if (!text.empty() && text.front() == ' ') {
        text.erase(0, 1);
    }
    if (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

TEST(CleanField, AgreesWithTheRuleOnRandomTexts) {
    std::mt19937 random(3);
    const std::string pool = " ,./\\\"!:-ab";
    for (int i = 0; i < 5000; ++i) {
        std::string text;
        const int length = static_cast<int>(random() % 12);
        for (int j = 0; j < length; ++j) {
            text += pool[random() % pool.size()];
        }
        ASSERT_EQ(CleanField(text, false), cleanByTheLetter(text)) << "'" << text << "'";
    }
}

TEST(FileBaseName, Examples) {
    const struct {
        const char* path;
        const char* baseName;
    } cases[] = {
        {"D:\\reg\\spring.old.diplom", "spring"},
        {"/home/user/reg/autumn.diplom", "autumn"},
        {"C:autumn.diplom", "autumn"},
        {"mixed\\folder/name.diplom", "name"},
        {"/folder.with.dots/plain", ""},
        {"noext", ""},
        {".hidden", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileBaseName(c.path), c.baseName) << c.path;
    }
}

TEST(FileExtension, Examples) {
    const struct {
        const char* path;
        const char* extension;
    } cases[] = {
        {"D:\\reg\\spring.old.diplom", ".diplom"},
        {"/home/user/reg/A.DIPLOM", ".DIPLOM"},
        {"/home/user/.diplom", ".diplom"},
        {"C:b.xml", ".xml"},
        {"/folder.with.dots/plain", ""},
        {"name.", "."},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileExtension(c.path), c.extension) << c.path;
    }
}

} // namespace
} // namespace svidary
