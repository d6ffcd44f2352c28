#pragma once

#include "TextHash.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace svidary {

// Names indexed by code (education levels, document types); codes the file leaves out have
// empty names. Looks names up in constant time.
class CodeList {
public:
    CodeList() = default;
    explicit CodeList(std::vector<std::string> names);

    std::size_t size() const { return names_.size(); }
    bool empty() const { return names_.empty(); }
    const std::vector<std::string>& names() const { return names_; }

    // The name of a code; "" for a code outside the list (negative included).
    const std::string& nameOf(std::int64_t code) const;

    // The smallest code whose name equals the text exactly, or -1.
    int firstCodeOf(std::string_view name) const;

private:
    std::vector<std::string> names_;
    std::unordered_map<std::string, int, TextHash, std::equal_to<>> firstCode_;
};

} // namespace svidary
