#pragma once

#include "RecordView.h"
#include "ReferenceData.h"

#include <string>

// Two records describe the same document when their long keys are equal byte for byte.
namespace svidary {

// Field 3 + field 10 + "~" + field 11 + "~~" + field 16: type code 0, series АБ, number 123 and
// school code 25 give 0АБ~123~~25.
std::string LongDuplicateKey(const RecordFieldViews& fields);
// The same key appended to out, for loops that keep all keys in one buffer.
void AppendLongDuplicateKey(std::string& out, const RecordFieldViews& fields);

// The line of the duplicate report for one record: the type name, ", серия: ", the series,
// ", номер: ", the number. A type code outside the list gives an empty name.
std::string DuplicateReportLine(const RecordFieldViews& fields, const ReferenceData& refs);

} // namespace svidary
