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

// The new line of the record among the changes (a binary search), or null when it has none.
const std::string* FindLineChange(const LineChanges& changes, std::size_t record);

// Every line as it reads with the changes, valid while both live. A line is looked up when it is
// asked for (a binary search among the changes) rather than kept as a view: views of all lines
// would take 16 MB for a register of a million records, and most registers have few changes.
class LinesWithChanges {
public:
    LinesWithChanges(const std::vector<std::string>& lines, const LineChanges& changes)
        : lines_(lines), changes_(changes) {}

    std::size_t size() const { return lines_.size(); }
    std::string_view operator[](std::size_t record) const;

private:
    const std::vector<std::string>& lines_;
    const LineChanges& changes_;
};

// Moves the new lines into place; changes is left with empty texts.
void ApplyLineChanges(std::vector<std::string>& lines, LineChanges& changes);

} // namespace svidary
