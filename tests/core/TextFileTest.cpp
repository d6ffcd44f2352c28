#include "core/TextFile.h"
#include "TestFiles.h"
#include "core/Errors.h"

#include <gtest/gtest.h>

#include <vector>

namespace svidary {
namespace {

using Lines = std::vector<std::string>;

TEST(TextFile, AcceptsEveryKindOfLineEnd) {
    const struct {
        const char* bytes;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}}, // LF then CR: two line ends
        {"a\r\rb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
    };
    test::TempFolder folder;
    for (const auto& c : cases) {
        const auto path = folder.writeBytes("lines.txt", c.bytes);
        EXPECT_EQ(readLines(path), c.lines) << testing::PrintToString(std::string(c.bytes));
    }
}

TEST(TextFile, LinesAcrossChunkBoundariesStayWhole) {
    // Lines of all lengths around the 1 MiB chunk, so that a CR LF, a CR alone and a long line
    // each fall across a boundary somewhere. No line is empty: a lone CR followed by an empty
    // line ended by LF would rightly read as one CR LF.
    const std::string longLine(3 * (1 << 20) + 17, 'x');
    Lines expected;
    std::string bytes;
    const char* ends[] = {"\r\n", "\r", "\n"};
    for (int i = 0; bytes.size() < (1u << 20) + 64; ++i) {
        std::string line(static_cast<std::size_t>(i % 251 + 1), static_cast<char>('a' + i % 26));
        bytes += line + ends[i % 3];
        expected.push_back(line);
    }
    bytes += longLine + "\r\n" + "tail";
    expected.push_back(longLine);
    expected.push_back("tail");

    test::TempFolder folder;
    for (std::size_t shift = 0; shift < 4; ++shift) {
        const auto path = folder.writeBytes("big.txt", std::string(shift, '<') + bytes);
        Lines lines = readLines(path);
        ASSERT_FALSE(lines.empty());
        lines.front().erase(0, shift);
        EXPECT_EQ(lines, expected) << "shift " << shift;
    }
}

TEST(TextFile, CrLfSplitExactlyAtTheChunkBoundary) {
    std::string bytes(1 << 20, 'q');
    bytes[(1 << 20) - 1] = '\r';
    bytes += "\nnext\r\n";
    test::TempFolder folder;
    const Lines lines = readLines(folder.writeBytes("edge.txt", bytes));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), (1u << 20) - 1);
    EXPECT_EQ(lines[1], "next");
}

TEST(TextFile, LineNumbersCountFromOne) {
    test::TempFolder folder;
    std::vector<std::size_t> numbers;
    forEachLine(folder.writeBytes("n.txt", "a\r\n\r\nc"),
                [&numbers](std::string_view, std::size_t number) { numbers.push_back(number); });
    EXPECT_EQ(numbers, (std::vector<std::size_t>{1, 2, 3}));
}

TEST(TextFile, MissingFileGivesAnIoErrorNamingIt) {
    test::TempFolder folder;
    const auto path = folder.path() / "absent.txt";
    try {
        readLines(path);
        FAIL() << "no error";
    } catch (const IoError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Не удалось открыть файл \"" + pathToUtf8(path) + "\"");
    }
    EXPECT_THROW(readLines(folder.path()), IoError);
}

TEST(TextFile, WritesCrLfAndReplacesTheTarget) {
    test::TempFolder folder;
    folder.writeBytes("out.txt", "old content that is longer\n");
    writeLinesAtomically(folder.path() / "out.txt", {"one", "", test::cp("два")});
    EXPECT_EQ(folder.readBytes("out.txt"), "one\r\n\r\n" + test::cp("два") + "\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(TextFile, FailedWriteLeavesNothingBehind) {
    test::TempFolder folder;
    const auto target = folder.path() / "no-such-folder" / "out.txt";
    EXPECT_THROW(writeLinesAtomically(target, {"x"}), IoError);
    EXPECT_FALSE(std::filesystem::exists(target));

    // The target is a folder: the rename fails, the temporary file goes away.
    std::filesystem::create_directory(folder.path() / "taken");
    std::filesystem::create_directory(folder.path() / "taken" / "inner");
    EXPECT_THROW(writeLinesAtomically(folder.path() / "taken", {"x"}), IoError);
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "taken" / "inner"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

} // namespace
} // namespace svidary
