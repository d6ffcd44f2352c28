#pragma once

#include "Progress.h"

#include <string>
#include <string_view>
#include <vector>

// The error check that runs before every save: the text fields of every record are cleaned.
namespace svidary {

// Fields 4 to 12 become CleanField(field, false), fields 13 to 15 CleanField(field, true);
// fields 1, 2, 3 and 16 stay as they are. The sixteen fields are joined again.
std::string CleanRecordLine(std::string_view line);

// The cleaned lines of a whole register, in the same order. Progress 0..28 by records.
std::vector<std::string> CleanRecordLines(const std::vector<std::string>& lines,
                                          const ProgressCallback& progress = {});

} // namespace svidary
