#include "Numbers.h"

#include "Cp1251.h"
#include "Errors.h"

namespace svidary {

std::optional<std::int32_t> tryParseInt(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        pos = 1;
    }
    if (pos == text.size()) {
        return std::nullopt;
    }
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::int32_t parseInt(std::string_view text) {
    if (const auto value = tryParseInt(text)) {
        return *value;
    }
    throw ConversionError("'" + cp1251ToUtf8(text) + "' is not a valid integer value");
}

std::int32_t parseIntOr(std::string_view text, std::int32_t fallback) {
    return tryParseInt(text).value_or(fallback);
}

} // namespace svidary
