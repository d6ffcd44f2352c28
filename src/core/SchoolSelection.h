#pragma once

#include "Classifier.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the institution attributes dialog offers: the years, the names of a year, the names a
// filter finds, and the validity period of a chosen name.
namespace svidary {

// The first year the dialog offers and below which every name is offered, whatever its dates.
inline constexpr int FirstAttributeYear = 1991;

// The years from 1991 up to the current year, ascending; none before 1991.
std::vector<int> attributeYears(int currentYear);

// The entry of the institution in force on the day: among its entries valid from that day or
// earlier, the latest; of several with that date, the last in table order. nullptr when all its
// entries begin later. (Unlike codeAtDate, this counts an entry from its own first day.)
const TSchoolInfo* nameInForce(const Classifier& classifier, std::int32_t institutionId,
                               const Date& day);

// The names offered for a year: for 1991 and later, every entry in force on 1 January or on
// 31 December of the year; before 1991, every entry. Sorted by the text order; a name borne by
// two entries appears twice. Throws ConversionError for a year beyond 9999.
std::vector<std::string> namesOfYear(const Classifier& classifier, int year);

// The names the filter offers: entries whose name contains the filter text (case-sensitive;
// an empty text lets all pass) and, for 1991 and later, whose name was valid on every day of
// the year. Sorted by the text order. Throws ConversionError for a year beyond 9999.
std::vector<std::string> filteredNames(const Classifier& classifier, int year,
                                       std::string_view filter);

// "Период выдачи документов: с FROM по TO" (Windows-1251) for the first entry of that name;
// empty when no entry bears it.
std::string periodLabel(const Classifier& classifier, std::string_view name);

} // namespace svidary
