#include "DocumentKey.h"

namespace svidary {

DocumentKey DocumentKey::of(int typeCode, std::string_view series, std::string_view number) {
    DocumentKey key;
    key.typeAndSeries = std::to_string(typeCode);
    key.typeAndSeries.append(series);
    key.number = std::string(number);
    return key;
}

std::string DocumentKey::shortKey() const {
    return typeAndSeries + "~" + number;
}

bool DocumentKey::matches(std::string_view entry) const {
    const auto firstTilde = entry.find('~');
    if (firstTilde == std::string_view::npos || entry.substr(0, firstTilde) != typeAndSeries) {
        return false;
    }
    const auto rest = entry.substr(firstTilde + 1);
    return rest.substr(0, rest.find('~')) == number;
}

std::optional<std::size_t> findDocumentKey(const std::vector<std::string>& keys,
                                           const DocumentKey& key) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (key.matches(keys[i])) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace svidary
