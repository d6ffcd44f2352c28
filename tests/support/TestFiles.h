#pragma once

#include "core/Cp1251.h"
#include "core/Record.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Test files and their bytes, shared by every suite; no Qt, so the core and command-line tests
// can use it too.
namespace svidary::test {

// Windows-1251 bytes of a UTF-8 literal.
inline std::string cp(std::string_view utf8) {
    return utf8ToCp1251(utf8);
}

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = std::filesystem::temp_directory_path() /
                ("svidary-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes the bytes exactly as given, making the folders on the way.
    std::filesystem::path writeBytes(const std::filesystem::path& relative,
                                     std::string_view bytes) const {
        const auto file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

    // Writes UTF-8 text as Windows-1251 bytes.
    std::filesystem::path writeText(const std::filesystem::path& relative,
                                    std::string_view utf8) const {
        return writeBytes(relative, cp(utf8));
    }

    std::string readBytes(const std::filesystem::path& relative) const {
        std::ifstream in(path_ / relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path path_;
};

// A record line (Windows-1251) from UTF-8 fields, in their order in the record.
inline std::string recordLine(std::initializer_list<std::string_view> utf8Fields) {
    std::string line;
    bool first = true;
    for (const std::string_view field : utf8Fields) {
        if (!first) {
            line.push_back(FieldSeparator);
        }
        first = false;
        line += cp(field);
    }
    return line;
}

// The register file's bytes: the header, then the lines, CR LF each.
inline std::string registerFileBytes(const std::vector<std::string>& lines) {
    std::string bytes = cp("<Список выданных документов>") + "\r\n";
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

} // namespace svidary::test
