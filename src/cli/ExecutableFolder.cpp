#include "ExecutableFolder.h"

#include <system_error>

namespace svidary::cli {

std::filesystem::path ExecutableFolder(const std::filesystem::path& fallback) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && !self.empty()) {
        return self.parent_path();
    }
    return std::filesystem::absolute(fallback, error).parent_path();
}

} // namespace svidary::cli
