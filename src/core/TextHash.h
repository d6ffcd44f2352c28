#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace svidary {

// Hash for maps keyed by std::string that are looked up by std::string_view without building a
// string for every lookup.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        return std::hash<std::string_view>{}(text);
    }
};

} // namespace svidary
