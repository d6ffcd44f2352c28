#pragma once

#include "LineChanges.h"
#include "Progress.h"

#include <string>
#include <string_view>
#include <vector>

// The error check that runs before every save: the text fields of every record are cleaned.
namespace svidary {

// Fields 4 to 12 become CleanField(field, false), fields 13 to 15 CleanField(field, true);
// fields 1, 2, 3 and 16 stay as they are. The sixteen fields are joined again.
std::string CleanRecordLine(std::string_view line);

// The records of a whole register that the cleaning changes, with their cleaned lines; a record
// that is clean already is not copied. Progress 0..28 by records.
LineChanges CleanRecordLines(const std::vector<std::string>& lines,
                             const ProgressCallback& progress = {});

} // namespace svidary
