#pragma once

#include "RecordView.h"
#include "ReferenceData.h"

#include <string>

// Two records describe the same document when their long keys are equal byte for byte.
namespace svidary {

// Appends the long key, field 3 + field 10 + "~" + field 11 + "~~" + field 16, to out, where the
// redraw keeps all keys in one buffer: type code 0, series АБ, number 123 and school code 25
// give 0АБ~123~~25.
void AppendLongDuplicateKey(std::string& out, const RecordFieldViews& fields);

// The line of the duplicate report for one record: the type name, ", серия: ", the series,
// ", номер: ", the number. A type code outside the list gives an empty name.
std::string DuplicateReportLine(const RecordFieldViews& fields, const ReferenceData& refs);

} // namespace svidary
