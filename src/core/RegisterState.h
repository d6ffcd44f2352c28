#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace svidary {

// The open register. Owned by the application and handed to whoever works on it.
struct RegisterState {
    // Record lines in file order; never sorted by the table.
    std::vector<std::string> DocList;
    // Duplicate keys: short "TYPE SERIES~NUMBER" or long "TYPE SERIES~NUMBER~~SCHOOL".
    std::vector<std::string> DocKeys;
    // Empty when no register is open.
    std::filesystem::path CurrentFileName;
    // Changed since it was last written.
    bool DocModified = false;
    // DocList and DocKeys exist (created by New, Open, import; released by Close).
    bool DocListsExist = false;

    bool isOpen() const { return !CurrentFileName.empty(); }
};

} // namespace svidary
