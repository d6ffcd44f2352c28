#pragma once

#include "Record.h"

#include <array>
#include <string_view>

// The sixteen fields of a record line as views into the line, for loops over a whole register
// that must not allocate per field. SplitRecord copies these views into strings.
namespace svidary {

using RecordFieldViews = std::array<std::string_view, FieldCount>;

// Missing trailing fields are empty; everything after the fifteenth separator, separators
// included, stays in the last field. The views live as long as the line.
RecordFieldViews SplitRecordView(std::string_view line);

// The text of one field (0-based) without splitting the rest of the line.
std::string_view RecordFieldView(std::string_view line, int field);

} // namespace svidary
