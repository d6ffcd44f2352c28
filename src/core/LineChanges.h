#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// New texts for some records of a register, computed first and put in place only when a whole
// command has succeeded, so that a failure leaves the register as it was.
namespace svidary {

// Record index and its new line, in ascending record order.
using LineChanges = std::vector<std::pair<std::size_t, std::string>>;

// Every line as it reads with the changes: views into lines and changes, valid while both live.
std::vector<std::string_view> LinesWithChanges(const std::vector<std::string>& lines,
                                               const LineChanges& changes);

// Moves the new lines into place; changes is left with empty texts.
void ApplyLineChanges(std::vector<std::string>& lines, LineChanges& changes);

} // namespace svidary
