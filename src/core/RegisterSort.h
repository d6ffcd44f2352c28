#pragma once

#include "ReferenceData.h"

#include <cstdint>
#include <string>
#include <vector>

// The table's column sort: an order of rows, each row the index of its record in DocList.
namespace svidary {

enum class SortDirection { Ascending, Descending };

using RowOrder = std::vector<std::uint32_t>;

// Rows in DocList order: 0, 1, ..., count - 1.
RowOrder IdentityRowOrder(std::size_t count);

// All rows sorted by the cell texts of one column (RegisterCellText) in the text order,
// ascending or descending; rows with equal texts keep their DocList order.
RowOrder SortRowsByColumn(const std::vector<std::string>& lines, const ReferenceData& refs,
                          int column, SortDirection direction);

} // namespace svidary
