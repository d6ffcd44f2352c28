#pragma once

#include <filesystem>

namespace svidary::cli {

// The folder of the running executable; fallback (argv[0]) when the system cannot tell.
std::filesystem::path ExecutableFolder(const std::filesystem::path& fallback);

} // namespace svidary::cli
