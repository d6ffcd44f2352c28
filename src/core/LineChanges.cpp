#include "LineChanges.h"

#include <algorithm>

namespace svidary {

const std::string* FindLineChange(const LineChanges& changes, std::size_t record) {
    const auto change = std::lower_bound(
        changes.begin(), changes.end(), record,
        [](const auto& changed, std::size_t index) { return changed.first < index; });
    return change != changes.end() && change->first == record ? &change->second : nullptr;
}

std::string_view LinesWithChanges::operator[](std::size_t record) const {
    const std::string* changed = FindLineChange(changes_, record);
    return changed != nullptr ? std::string_view(*changed) : std::string_view(lines_[record]);
}

void ApplyLineChanges(std::vector<std::string>& lines, LineChanges& changes) {
    for (auto& [record, line] : changes) {
        lines[record] = std::move(line);
    }
}

} // namespace svidary
