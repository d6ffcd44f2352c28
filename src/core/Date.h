#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

// Dates are written day.month.year: a 1-2 digit day, ".", a 1-2 digit month, ".", a four-digit
// year 0001-9999, and must be a real calendar date. They are written back as dd.mm.yyyy.
// Nothing here depends on the machine's locale.
namespace svidary {

struct Date {
    int year = 1;
    int month = 1;
    int day = 1;

    auto operator<=>(const Date&) const = default;

    // 01.01.2100: stands for a validity without end.
    static constexpr Date endless() { return Date{2100, 1, 1}; }
};

bool isValidDate(int year, int month, int day);

std::optional<Date> tryParseDate(std::string_view text);

// Throws ConversionError "'TEXT' is not a valid date".
Date parseDate(std::string_view text);

// dd.mm.yyyy
std::string formatDate(const Date& date);

} // namespace svidary
