#pragma once

#include "core/Cp1251.h"

#include <sys/wait.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// Running the real svidary-cli in a scratch folder with a small set of reference files.
namespace svidary::test {

inline std::string cp(std::string_view utf8) {
    return utf8ToCp1251(utf8);
}

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class CliFolder {
public:
    CliFolder() {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        root_ = std::filesystem::temp_directory_path() /
                ("svidary-cli-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(work());
        std::filesystem::create_directories(refs());
        writeReferenceFiles();
    }
    ~CliFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    CliFolder(const CliFolder&) = delete;
    CliFolder& operator=(const CliFolder&) = delete;

    // The working folder of the tool.
    std::filesystem::path work() const { return root_ / "work"; }
    std::filesystem::path refs() const { return root_ / "refs"; }

    void write(const std::filesystem::path& relative, std::string_view bytes) const {
        const auto file = work() / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    std::string read(const std::filesystem::path& relative) const {
        std::ifstream in(work() / relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // Every file under the working folder with its bytes.
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(work())) {
            if (entry.is_regular_file()) {
                files[entry.path().lexically_relative(work()).string()] =
                    read(entry.path().lexically_relative(work()));
            }
        }
        return files;
    }

    // Runs the tool in the working folder with --refs pointing at the fixture.
    CliRun runWithRefs(const std::vector<std::string>& arguments) const {
        std::vector<std::string> all = {"--refs", refs().string()};
        all.insert(all.end(), arguments.begin(), arguments.end());
        return run(all);
    }

    CliRun run(const std::vector<std::string>& arguments) const {
        const auto outFile = root_ / "stdout.txt";
        const auto errFile = root_ / "stderr.txt";
        std::string command = "cd ";
        command.append(quote(work().string())).append(" && ").append(quote(SVIDARY_CLI));
        for (const std::string& argument : arguments) {
            command.append(" ").append(quote(argument));
        }
        command.append(" >").append(quote(outFile.string()));
        command.append(" 2>").append(quote(errFile.string()));
        const int status = std::system(command.c_str());
        CliRun result;
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = readFile(outFile);
        result.err = readFile(errFile);
        return result;
    }

private:
    static std::string quote(const std::string& text) {
        std::string quoted = "'";
        for (const char c : text) {
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        }
        return quoted + "'";
    }

    static std::string readFile(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    void writeRef(const std::string& name, std::string_view utf8) const {
        std::ofstream out(refs() / name, std::ios::binary);
        const std::string bytes = cp(utf8);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    // Types 0 "Диплом", 1 "Дубликат диплома"; institution 1 renamed: code 10 from 1990,
    // code 11 from 2001.
    void writeReferenceFiles() const {
        writeRef("VELTlevels.xml", "<Levels>\r\n<Item id=\"0\" name=\"Среднее\"/>\r\n"
                                   "<Item id=\"1\" name=\"Высшее\"/>\r\n</Levels>\r\n");
        writeRef("VELTtypes.xml", "<Types>\r\n<Item id=\"0\" name=\"Диплом\"/>\r\n"
                                  "<Item id=\"1\" name=\"Дубликат диплома\"/>\r\n</Types>\r\n");
        writeRef("VELTSchools.xml", "<Классификатор>\r\n10 1 01.09.1990 Школа Альфа\r\n"
                                    "11 1 01.01.2001 Колледж Альфа\r\n");
        writeRef("VELTAttrib.xml", "<код>\r\n11\r\n<год>\r\n2007\r\n");
    }

    std::filesystem::path root_;
};

// A record line (Windows-1251) from UTF-8 fields.
inline std::string record(const std::vector<std::string_view>& utf8Fields) {
    std::string line;
    for (std::size_t i = 0; i < utf8Fields.size(); ++i) {
        if (i > 0) {
            line.push_back('\x0F');
        }
        line += cp(utf8Fields[i]);
    }
    return line;
}

inline std::string registerBytes(const std::vector<std::string>& lines) {
    std::string bytes = cp("<Список выданных документов>") + "\r\n";
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

} // namespace svidary::test
