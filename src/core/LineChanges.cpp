#include "LineChanges.h"

#include <algorithm>

namespace svidary {

std::string_view LinesWithChanges::operator[](std::size_t record) const {
    if (changes_.empty()) {
        return lines_[record];
    }
    const auto change = std::lower_bound(
        changes_.begin(), changes_.end(), record,
        [](const auto& changed, std::size_t index) { return changed.first < index; });
    return change != changes_.end() && change->first == record ? std::string_view(change->second)
                                                               : std::string_view(lines_[record]);
}

void ApplyLineChanges(std::vector<std::string>& lines, LineChanges& changes) {
    for (auto& [record, line] : changes) {
        lines[record] = std::move(line);
    }
}

} // namespace svidary
