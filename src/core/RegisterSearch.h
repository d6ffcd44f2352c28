#pragma once

#include "ReferenceData.h"
#include "ReferenceFiles.h"
#include "RegisterSort.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The table's search command: the next row, in the table's order, with a visible cell that
// contains the search text, letter case ignored.
namespace svidary {

struct SearchOutcome {
    // The row position (in rowOrder) of the match, or nothing.
    std::optional<std::size_t> foundRow;
    // The position where the next search begins: after the match, or 0 when nothing matched.
    std::size_t nextStartRow = 0;
};

// Scans the rows from startRow to the last, then once more from the first row; an empty text
// matches nothing. Cells are the texts RegisterCellText shows; only visible columns count.
// text is Windows-1251.
SearchOutcome SearchRows(const std::vector<std::string>& lines, const RowOrder& rowOrder,
                         const ReferenceData& refs, const ColumnVisibility& visible,
                         std::string_view text, std::size_t startRow);

} // namespace svidary
