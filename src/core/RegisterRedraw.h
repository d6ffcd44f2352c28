#pragma once

#include "LineChanges.h"
#include "Progress.h"
#include "ReferenceData.h"
#include "RegisterState.h"
#include "SortedKeys.h"

#include <cstddef>
#include <string>
#include <vector>

// The redraw of the register table without the window: school codes corrected in the records,
// one long duplicate key per record, the keys sorted by the text order, and the lines of the
// duplicate report. Everything is computed first and committed at the end, so a record that
// fails leaves the register as it was.
namespace svidary {

struct RedrawPlan {
    // Records whose school code the correction changes, with their corrected lines.
    LineChanges corrections;
    // One long key per record, sorted by the text order; exactly equal keys stand together.
    SortedKeys sortedKeys;
    // One report line per key equal to the key before it (k equal keys give k - 1 lines).
    std::vector<std::string> duplicateLines;
};

// Computes the redraw of the record lines without changing them. Reports progress 0..28 by
// records. A field 2, 3 or 16 that is not an integer, or a field 9 that is not a date when the
// correction needs it, throws ConversionError with the text and "(запись N)", N counted from 1.
RedrawPlan PlanRedraw(const std::vector<std::string>& lines, const ReferenceData& refs,
                      const ProgressCallback& progress = {});
// The same over lines with changes not yet applied.
RedrawPlan PlanRedraw(const LinesWithChanges& lines, const ReferenceData& refs,
                      const ProgressCallback& progress = {});

// Writes the corrections into the lines and puts the keys in place of the old ones (into the
// strings already there, as far as they go).
void ApplyRedraw(RedrawPlan& plan, std::vector<std::string>& lines, std::vector<std::string>& keys);

struct RedrawResult {
    std::size_t recordCount = 0;
    std::size_t correctedCount = 0;
    std::vector<std::string> duplicateLines;

    bool hasDuplicates() const { return !duplicateLines.empty(); }
};

// The result of a plan over recordCount records; the duplicate lines are moved out of the plan.
RedrawResult TakeRedrawResult(RedrawPlan& plan, std::size_t recordCount);

// PlanRedraw over DocList, then ApplyRedraw into DocList and DocKeys. DocModified is not touched.
RedrawResult RedrawRegister(RegisterState& state, const ReferenceData& refs,
                            const ProgressCallback& progress = {});

} // namespace svidary
