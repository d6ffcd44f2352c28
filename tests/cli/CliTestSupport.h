#pragma once

#include "TestFiles.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// Running the real svidary-cli in a scratch folder with a small set of reference files.
namespace svidary::test {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class CliFolder {
public:
    CliFolder() {
        std::filesystem::create_directories(work());
        std::filesystem::create_directories(refs());
        writeReferenceFiles();
    }

    // The working folder of the tool.
    std::filesystem::path work() const { return root_.path() / WorkFolder; }
    std::filesystem::path refs() const { return root_.path() / RefsFolder; }

    void write(const std::filesystem::path& relative, std::string_view bytes) const {
        root_.writeBytes(WorkFolder / relative, bytes);
    }

    std::string read(const std::filesystem::path& relative) const {
        return root_.readBytes(WorkFolder / relative);
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
        const std::filesystem::path outFile = "stdout.txt";
        const std::filesystem::path errFile = "stderr.txt";
        std::string command = "cd ";
        command.append(quote(work().string())).append(" && ").append(quote(SVIDARY_CLI));
        for (const std::string& argument : arguments) {
            command.append(" ").append(quote(argument));
        }
        command.append(" >").append(quote((root_.path() / outFile).string()));
        command.append(" 2>").append(quote((root_.path() / errFile).string()));
        const int status = std::system(command.c_str());
        CliRun result;
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = root_.readBytes(outFile);
        result.err = root_.readBytes(errFile);
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

    void writeRef(const std::string& name, std::string_view utf8) const {
        root_.writeText(RefsFolder / name, utf8);
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

    inline static const std::filesystem::path WorkFolder = "work";
    inline static const std::filesystem::path RefsFolder = "refs";

    // Holds the working folder, the reference files and the tool's captured output.
    TempFolder root_;
};

} // namespace svidary::test
