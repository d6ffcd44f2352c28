#include "CliApp.h"

#include "CliArguments.h"
#include "CliUsage.h"
#include "ExecutableFolder.h"
#include "ExitCodes.h"
#include "RegisterCommands.h"
#include "core/ReferenceFiles.h"

#include <array>
#include <string_view>

namespace svidary::cli {

namespace {

constexpr std::array<std::string_view, 4> LaterCommands = {"export", "stats", "convert", "merge"};

void requireOperands(const CliArguments& arguments, std::size_t count) {
    if (arguments.operands.size() != count) {
        throw UsageError("команде " + arguments.command + " нужен один аргумент ФАЙЛ");
    }
}

int runCommand(const CliArguments& arguments, const std::string& programPath, std::ostream& out) {
    const bool known = arguments.command == "save" || arguments.command == "check";
    if (!known) {
        for (const std::string_view later : LaterCommands) {
            if (arguments.command == later) {
                throw UsageError("команда " + arguments.command + " появится в следующей версии");
            }
        }
        throw UsageError("неизвестная команда " + arguments.command);
    }
    requireOperands(arguments, 1);
    if (arguments.operands.front().empty()) {
        throw UsageError("не указан файл");
    }
    const std::filesystem::path file = FileArgument(arguments.operands.front());

    const std::filesystem::path refsDir =
        arguments.refsDir ? *arguments.refsDir : ExecutableFolder(programPath) / "Files";
    ReferenceData refs;
    LoadReferences(refs, refsDir);
    const CommandContext context{refs, std::filesystem::current_path(), out};
    return arguments.command == "save" ? RunSave(context, file) : RunCheck(context, file);
}

} // namespace

int RunCli(const std::vector<std::string>& arguments, const std::string& programPath,
           std::ostream& out, std::ostream& err) {
    try {
        const CliArguments parsed = ParseArguments(arguments);
        switch (parsed.request) {
        case Request::Help:
            out << UsageText();
            return ExitDone;
        case Request::Version:
            out << VersionText();
            return ExitDone;
        case Request::Command:
            return runCommand(parsed, programPath, out);
        }
    } catch (const UsageError& error) {
        err << "svidary-cli: " << error.what() << "\n"
            << "Справка: svidary-cli --help\n";
    } catch (const std::exception& error) {
        // The program's errors (input/output, conversion, bad input) and anything the
        // system throws: the message, and nothing on disk changed.
        err << "svidary-cli: " << error.what() << "\n";
    }
    return ExitError;
}

} // namespace svidary::cli
