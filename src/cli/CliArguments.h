#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// The command line: svidary-cli [--refs DIR] COMMAND ARGS... [--answers MAP]
namespace svidary::cli {

// A command line that breaks the rules; what() is UTF-8 text for the terminal.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Request { Help, Version, Command };

struct CliArguments {
    Request request = Request::Command;
    std::optional<std::filesystem::path> refsDir;
    std::string command;
    std::vector<std::string> operands;
    std::optional<std::filesystem::path> answersFile;
};

// Throws UsageError for a missing command, a "--refs" without a folder or after the command, an
// "--answers" anywhere but after convert or merge, or an unknown option.
CliArguments ParseArguments(const std::vector<std::string>& arguments);

} // namespace svidary::cli
