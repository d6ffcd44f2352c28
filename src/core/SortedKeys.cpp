#include "SortedKeys.h"

#include <utility>

namespace svidary {

SortedKeys::SortedKeys(std::string firstTexts, std::string secondTexts)
    : firstTexts_(std::move(firstTexts)), secondTexts_(std::move(secondTexts)),
      firstSize_(static_cast<std::uint32_t>(firstTexts_.size())) {}

void SortedKeys::assignTo(std::vector<std::string>& keys) const {
    const std::size_t count = places_.size();
    if (keys.size() > count) {
        keys.resize(count);
    }
    keys.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (i < keys.size()) {
            keys[i].assign((*this)[i]);
        } else {
            keys.emplace_back((*this)[i]);
        }
    }
}

} // namespace svidary
