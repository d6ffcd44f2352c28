#include "Date.h"

#include "Cp1251.h"
#include "Errors.h"

#include <cstdio>

namespace svidary {

namespace {

// Reads between minDigits and maxDigits digits at text[pos]; advances pos. -1 on failure.
int readDigits(std::string_view text, std::size_t& pos, std::size_t minDigits,
               std::size_t maxDigits) {
    int value = 0;
    std::size_t count = 0;
    while (pos < text.size() && count < maxDigits && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++count;
    }
    return count >= minDigits ? value : -1;
}

bool expect(std::string_view text, std::size_t& pos, char c) {
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

} // namespace

bool isValidDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) {
        return false;
    }
    static constexpr int DaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int days = month == 2 && leap ? 29 : DaysInMonth[month - 1];
    return day <= days;
}

std::optional<Date> tryParseDate(std::string_view text) {
    std::size_t pos = 0;
    const int day = readDigits(text, pos, 1, 2);
    if (day < 0 || !expect(text, pos, '.')) {
        return std::nullopt;
    }
    const int month = readDigits(text, pos, 1, 2);
    if (month < 0 || !expect(text, pos, '.')) {
        return std::nullopt;
    }
    const int year = readDigits(text, pos, 4, 4);
    if (year < 0 || pos != text.size() || !isValidDate(year, month, day)) {
        return std::nullopt;
    }
    return Date{year, month, day};
}

Date parseDate(std::string_view text) {
    if (const auto date = tryParseDate(text)) {
        return *date;
    }
    throw ConversionError("'" + cp1251ToUtf8(text) + "' is not a valid date");
}

std::string formatDate(const Date& date) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", date.day, date.month, date.year);
    return buffer;
}

} // namespace svidary
