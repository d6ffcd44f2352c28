#include "TextFile.h"

#include "Errors.h"
#include "StagedFile.h"

#include <cstring>
#include <fstream>
#include <system_error>

namespace svidary {

namespace {

constexpr std::size_t ChunkSize = 1 << 20;

[[noreturn]] void throwCannotOpen(const std::filesystem::path& path) {
    throw IoError("Не удалось открыть файл \"" + pathToUtf8(path) + "\"");
}

// Finds the next CR or LF in [from, end). Remembers the last hit of each character, so that a
// chunk of LF-only lines searches for CR once rather than once per line.
class LineEndFinder {
public:
    LineEndFinder(const char* begin, const char* end) : end_(end), cr_(begin), lf_(begin) {}

    const char* next(const char* from) {
        if (!crValid_ || cr_ < from) {
            cr_ = find(from, '\r');
            crValid_ = true;
        }
        if (!lfValid_ || lf_ < from) {
            lf_ = find(from, '\n');
            lfValid_ = true;
        }
        return cr_ < lf_ ? cr_ : lf_;
    }

private:
    const char* find(const char* from, char c) const {
        const void* hit = std::memchr(from, c, static_cast<std::size_t>(end_ - from));
        return hit ? static_cast<const char*>(hit) : end_;
    }

    const char* end_;
    const char* cr_;
    const char* lf_;
    bool crValid_ = false;
    bool lfValid_ = false;
};

} // namespace

std::string pathToUtf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

void forEachLine(const std::filesystem::path& path,
                 const std::function<void(std::string_view line, std::size_t number)>& onLine) {
    forEachLine(path, onLine, {});
}

void forEachLine(const std::filesystem::path& path,
                 const std::function<void(std::string_view line, std::size_t number)>& onLine,
                 const std::function<void(std::uintmax_t bytesRead)>& onBytesRead) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        throwCannotOpen(path);
    }
    std::ifstream file(path, std::ios::in | std::ios::binary);
    if (!file.is_open()) {
        throwCannotOpen(path);
    }

    std::vector<char> buffer(ChunkSize);
    std::string partial; // a line that runs on into the next chunk
    bool skipLeadingLf = false;
    std::size_t number = 0;
    std::uintmax_t bytesRead = 0;

    for (;;) {
        file.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const auto count = static_cast<std::size_t>(file.gcount());
        if (file.bad()) {
            throw IoError("Не удалось прочитать файл \"" + pathToUtf8(path) + "\"");
        }
        if (count == 0) {
            break;
        }
        bytesRead += count;
        const char* const begin = buffer.data();
        const char* const end = begin + count;
        const char* cursor = begin;
        if (skipLeadingLf && *cursor == '\n') {
            ++cursor;
        }
        skipLeadingLf = false;

        LineEndFinder finder(begin, end);
        while (cursor < end) {
            const char* lineEnd = finder.next(cursor);
            if (lineEnd == end) {
                partial.append(cursor, end);
                break;
            }
            if (partial.empty()) {
                onLine(std::string_view(cursor, static_cast<std::size_t>(lineEnd - cursor)),
                       ++number);
            } else {
                partial.append(cursor, lineEnd);
                onLine(partial, ++number);
                partial.clear();
            }
            cursor = lineEnd + 1;
            if (*lineEnd == '\r') {
                if (cursor == end) {
                    skipLeadingLf = true;
                } else if (*cursor == '\n') {
                    ++cursor;
                }
            }
        }
        if (onBytesRead) {
            onBytesRead(bytesRead);
        }
        if (file.eof()) {
            break;
        }
    }
    if (!partial.empty()) {
        onLine(partial, ++number);
    }
}

std::vector<std::string> readLines(const std::filesystem::path& path) {
    std::vector<std::string> lines;
    forEachLine(path, [&lines](std::string_view line, std::size_t) { lines.emplace_back(line); });
    return lines;
}

void writeLinesAtomically(const std::filesystem::path& target,
                          const std::vector<std::string>& lines) {
    StagedFile staged(target);
    for (const auto& line : lines) {
        staged.writeLine(line);
    }
    staged.commit();
}

} // namespace svidary
