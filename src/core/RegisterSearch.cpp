#include "RegisterSearch.h"

#include "Numbers.h"
#include "RecordView.h"
#include "RegisterCells.h"
#include "TextCollation.h"
#include "TwoThreads.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace svidary {

namespace {

// Matches one row against the search text. The whole line is searched first: a row whose line
// does not contain the text can only match through a name or the "not set" text, which are
// decided once per code instead of once per row.
class RowMatcher {
public:
    RowMatcher(const ReferenceData& refs, const ColumnVisibility& visible, std::string needle)
        : refs_(refs), visible_(visible), collation_(TextCollation::instance()),
          needle_(std::move(needle)) {
        notSetMatches_ = visible_[LNumberColumn] && contains(PersonalNumberNotSetText());
        levelMatches_ = visible_[EduLevelColumn] && anyNameMatches(refs_.LevelNames);
        typeMatches_ = visible_[DocTypeColumn] && anyNameMatches(refs_.DocTypeNames);
        schoolMayMatch_ = visible_[SchoolNameColumn] && anySchoolNameMatches();
        lineSearchIsExact_ = needle_.find(FieldSeparator) == std::string::npos;
    }

    bool matches(std::string_view line) {
        const bool lineContains = !lineSearchIsExact_ || contains(line);
        if (!lineContains && !notSetMatches_ && !levelMatches_ && !typeMatches_ &&
            !schoolMayMatch_) {
            return false;
        }
        const RecordFieldViews fields = SplitRecordView(line);
        for (int column = 0; column < RegisterColumnCount; ++column) {
            if (!visible_[column]) {
                continue;
            }
            switch (column) {
            case EduLevelColumn:
                if (levelMatches_ && contains(RegisterCellText(fields, column, refs_))) {
                    return true;
                }
                break;
            case DocTypeColumn:
                if (typeMatches_ && contains(RegisterCellText(fields, column, refs_))) {
                    return true;
                }
                break;
            case SchoolNameColumn:
                if (schoolMayMatch_ && schoolNameMatches(fields[School])) {
                    return true;
                }
                break;
            default:
                if ((lineContains || (column == LNumberColumn && notSetMatches_)) &&
                    contains(RegisterCellText(fields, column, refs_))) {
                    return true;
                }
                break;
            }
        }
        return false;
    }

private:
    bool contains(std::string_view text) const { return collation_.containsLowered(text, needle_); }

    bool anyNameMatches(const CodeList& names) const {
        for (const std::string& name : names.names()) {
            if (contains(name)) {
                return true;
            }
        }
        return false;
    }

    // Whether some school cell can match: a classifier name, or the text shown for a code
    // that the classifier lacks.
    bool anySchoolNameMatches() const {
        for (const TSchoolInfo& entry : refs_.SchoolTable.entries()) {
            if (contains(entry.Name)) {
                return true;
            }
        }
        constexpr std::int32_t unlikelyCode = std::numeric_limits<std::int32_t>::min();
        return refs_.SchoolTable.findByCode(unlikelyCode) == nullptr &&
               contains(refs_.SchoolNameByCode(unlikelyCode));
    }

    bool schoolNameMatches(std::string_view codeText) {
        const std::int32_t code = parseIntOr(codeText, -1);
        const auto known = schoolMatches_.find(code);
        if (known != schoolMatches_.end()) {
            return known->second;
        }
        const bool result = contains(refs_.SchoolNameByCode(code));
        schoolMatches_.emplace(code, result);
        return result;
    }

    const ReferenceData& refs_;
    const ColumnVisibility& visible_;
    const TextCollation& collation_;
    std::string needle_;
    bool notSetMatches_ = false;
    bool levelMatches_ = false;
    bool typeMatches_ = false;
    bool schoolMayMatch_ = false;
    bool lineSearchIsExact_ = true;
    std::unordered_map<std::int32_t, bool> schoolMatches_;
};

// Rows this close to the start are tried one by one in the table's order; beyond them, the
// records are tested in register order instead, where memory is read in sequence: in a sorted
// table's order every row is somewhere else in memory, which costs more than the test itself.
constexpr std::size_t RowsTriedInTableOrder = 4096;

std::optional<std::size_t> firstMatchNear(const std::vector<std::string>& lines,
                                          const RowOrder& rowOrder, RowMatcher& matcher,
                                          std::size_t from, std::size_t to) {
    for (std::size_t row = from; row < to; ++row) {
        if (matcher.matches(lines[rowOrder[row]])) {
            return row;
        }
    }
    return std::nullopt;
}

// Whether each record matches, tested in register order on two threads.
std::vector<char> matchingRecords(const std::vector<std::string>& lines,
                                  const RowMatcher& matcher) {
    std::vector<char> matching(lines.size(), 0);
    RunOnTwoThreads(lines.size(), [&](std::size_t begin, std::size_t end, bool) {
        RowMatcher own = matcher;
        for (std::size_t record = begin; record < end; ++record) {
            matching[record] = own.matches(lines[record]) ? 1 : 0;
        }
    });
    return matching;
}

// The first matching row from `from` to the last, else from the first row on: the search's
// two passes (the second needs to look only at the rows the first did not).
std::optional<std::size_t> firstMatch(const std::vector<std::string>& lines,
                                      const RowOrder& rowOrder, RowMatcher& matcher,
                                      std::size_t from) {
    const std::size_t count = rowOrder.size();
    from = std::min(from, count);
    const std::size_t near = std::min(count, from + RowsTriedInTableOrder);
    if (const auto found = firstMatchNear(lines, rowOrder, matcher, from, near)) {
        return found;
    }
    if (near == count && from <= RowsTriedInTableOrder) {
        return firstMatchNear(lines, rowOrder, matcher, 0, from);
    }
    const std::vector<char> matching = matchingRecords(lines, matcher);
    const auto firstIn = [&](std::size_t begin, std::size_t end) -> std::optional<std::size_t> {
        for (std::size_t row = begin; row < end; ++row) {
            if (matching[rowOrder[row]] != 0) {
                return row;
            }
        }
        return std::nullopt;
    };
    if (const auto found = firstIn(near, count)) {
        return found;
    }
    return firstIn(0, from);
}

} // namespace

SearchOutcome SearchRows(const std::vector<std::string>& lines, const RowOrder& rowOrder,
                         const ReferenceData& refs, const ColumnVisibility& visible,
                         std::string_view text, std::size_t startRow) {
    if (text.empty()) {
        return {};
    }
    const TextCollation& collation = TextCollation::instance();
    std::string needle;
    needle.reserve(text.size());
    for (const char c : text) {
        needle.push_back(collation.lower(c));
    }
    RowMatcher matcher(refs, visible, std::move(needle));
    const std::optional<std::size_t> found = firstMatch(lines, rowOrder, matcher, startRow);
    if (!found) {
        return {};
    }
    return {found, *found + 1};
}

} // namespace svidary
