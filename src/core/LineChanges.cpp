#include "LineChanges.h"

namespace svidary {

std::vector<std::string_view> LinesWithChanges(const std::vector<std::string>& lines,
                                               const LineChanges& changes) {
    std::vector<std::string_view> views(lines.begin(), lines.end());
    for (const auto& [record, line] : changes) {
        views[record] = line;
    }
    return views;
}

void ApplyLineChanges(std::vector<std::string>& lines, LineChanges& changes) {
    for (auto& [record, line] : changes) {
        lines[record] = std::move(line);
    }
}

} // namespace svidary
