#include "RegisterSort.h"

#include "ParallelSort.h"
#include "RegisterCells.h"
#include "TextCollation.h"

#include <numeric>
#include <string_view>

namespace svidary {

namespace {

// 32 bytes a row: the weights of the text's first sixteen bytes settle most comparisons; the
// text itself is kept as a pointer and a 32-bit length, not a view, so that the entry does not
// grow to 40 bytes.
struct SortEntry {
    std::uint64_t prefix;
    std::uint64_t secondPrefix;
    const char* text;
    std::uint32_t length;
    std::uint32_t row;

    std::string_view view() const { return {text, length}; }
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
        entries.push_back({collation.prefixKey(text), collation.prefixKey(text, 8), text.data(),
                           static_cast<std::uint32_t>(text.size()),
                           static_cast<std::uint32_t>(row)});
    }
    const bool ascending = direction == SortDirection::Ascending;
    const auto less = [&](const SortEntry& a, const SortEntry& b) {
        if (a.prefix != b.prefix) {
            return ascending ? a.prefix < b.prefix : a.prefix > b.prefix;
        }
        if (a.secondPrefix != b.secondPrefix) {
            return ascending ? a.secondPrefix < b.secondPrefix : a.secondPrefix > b.secondPrefix;
        }
        const int order = collation.compare(a.view(), b.view());
        if (order != 0) {
            return ascending ? order < 0 : order > 0;
        }
        return a.row < b.row;
    };
    RowOrder rows;
    rows.reserve(entries.size());
    ParallelSortEach(entries, less, [&rows](const SortEntry& entry) { rows.push_back(entry.row); });
    return rows;
}

} // namespace svidary
