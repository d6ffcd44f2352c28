#include "RegisterSort.h"

#include "ParallelSort.h"
#include "RegisterCells.h"
#include "TextCollation.h"

#include <numeric>
#include <string_view>

namespace svidary {

namespace {

struct SortEntry {
    std::uint64_t prefix;
    std::uint64_t secondPrefix;
    std::string_view text;
    std::uint32_t row;
};

} // namespace

RowOrder IdentityRowOrder(std::size_t count) {
    RowOrder rows(count);
    std::iota(rows.begin(), rows.end(), 0U);
    return rows;
}

RowOrder SortRowsByColumn(const std::vector<std::string>& lines, const ReferenceData& refs,
                          int column, SortDirection direction) {
    const TextCollation& collation = TextCollation::instance();
    std::vector<SortEntry> entries;
    entries.reserve(lines.size());
    for (std::size_t row = 0; row < lines.size(); ++row) {
        const std::string_view text = RegisterCellText(lines[row], column, refs);
        entries.push_back({collation.prefixKey(text), collation.prefixKey(text, 8), text,
                           static_cast<std::uint32_t>(row)});
    }
    const bool ascending = direction == SortDirection::Ascending;
    ParallelSort(entries, [&](const SortEntry& a, const SortEntry& b) {
        if (a.prefix != b.prefix) {
            return ascending ? a.prefix < b.prefix : a.prefix > b.prefix;
        }
        if (a.secondPrefix != b.secondPrefix) {
            return ascending ? a.secondPrefix < b.secondPrefix : a.secondPrefix > b.secondPrefix;
        }
        const int order = collation.compare(a.text, b.text);
        if (order != 0) {
            return ascending ? order < 0 : order > 0;
        }
        return a.row < b.row;
    });
    RowOrder rows;
    rows.reserve(entries.size());
    for (const SortEntry& entry : entries) {
        rows.push_back(entry.row);
    }
    return rows;
}

} // namespace svidary
