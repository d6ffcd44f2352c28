#pragma once

#include "core/ReferenceData.h"

#include <filesystem>
#include <ostream>
#include <string>

// The commands of the tool that work on one register file.
namespace svidary::cli {

struct CommandContext {
    const ReferenceData& refs;
    // Where "Error.txt" goes: the process's working folder.
    std::filesystem::path workingFolder;
    std::ostream& out;
};

// A FILE argument as a file dialog hands it over: absolute and lexically normal.
std::filesystem::path FileArgument(const std::string& argument);

// Open, then Save: backup, register file, duplicate report. Prints the program's message.
int RunSave(const CommandContext& context, const std::filesystem::path& file);

// Open only; writes and deletes nothing. Prints "Записей: N" and, when there are duplicates,
// the report's lines; exit 1 then.
int RunCheck(const CommandContext& context, const std::filesystem::path& file);

} // namespace svidary::cli
