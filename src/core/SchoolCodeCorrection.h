#pragma once

#include "RecordView.h"
#include "ReferenceData.h"

#include <cstdint>
#include <optional>

// The table's school-code correction: a record whose graduation year lies outside the years in
// which its institution's name was valid gets the code of that institution's name in force at
// the issue date.
namespace svidary {

// The new code for field 16, or nothing when field 16 stays as it is. The correction applies
// when fields 7 and 8 read as integers are both at least 1991 (other text counts as 0), the
// type name does not contain "Дубликат", the classifier has the code, and field 8 lies before
// the year the name took effect or after the year it ended. The new code is SchoolCodeAtDate
// at the issue date (field 9), written as a plain decimal integer even when it is the same code
// ("011" becomes 11); when that finds no name in force, the record keeps its code.
// Throws ConversionError when field 3 or 16 is not an integer, or field 9 is not a date and the
// correction needs it.
std::optional<std::int32_t> CorrectedSchoolCode(const RecordFieldViews& fields,
                                                const ReferenceData& refs);

// Whether the type name marks a duplicate document (it contains "Дубликат").
bool IsDuplicateDocumentType(std::string_view typeName);

} // namespace svidary
