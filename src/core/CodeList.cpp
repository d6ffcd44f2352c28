#include "CodeList.h"

namespace svidary {

CodeList::CodeList(std::vector<std::string> names) : names_(std::move(names)) {
    firstCode_.reserve(names_.size());
    for (std::size_t code = 0; code < names_.size(); ++code) {
        firstCode_.emplace(names_[code], static_cast<int>(code));
    }
}

const std::string& CodeList::nameOf(std::int64_t code) const {
    static const std::string none;
    if (code < 0 || static_cast<std::uint64_t>(code) >= names_.size()) {
        return none;
    }
    return names_[static_cast<std::size_t>(code)];
}

int CodeList::firstCodeOf(std::string_view name) const {
    const auto found = firstCode_.find(name);
    return found == firstCode_.end() ? -1 : found->second;
}

} // namespace svidary
