#pragma once

#include "RecordView.h"
#include "ReferenceData.h"

#include <string>
#include <string_view>

// The texts that the register table shows, computed from a record line when they are needed,
// so that the table keeps no copy of its cells. Column c shows field c + 1 of the record, with
// names in place of the level, type and school codes.
namespace svidary {

// One column for each field of the record.
inline constexpr int RegisterColumnCount = FieldCount;

enum RegisterColumn : int {
    RegNoColumn,
    EduLevelColumn,
    DocTypeColumn,
    FColumn,
    IColumn,
    OColumn,
    StartColumn,
    StopColumn,
    IssColumn,
    SeriaColumn,
    NumberColumn,
    LNumberColumn,
    SpecColumn,
    SpecializationColumn,
    KwColumn,
    SchoolNameColumn
};

// "Не установлен": column 11 for a personal number that is empty, "-" or a single space.
const std::string& PersonalNumberNotSetText();

// The cell text of one column: field 1; LevelNames[field 2]; DocTypeNames[field 3] (an empty
// name for a code that is not an index of its list); fields 4 to 15 unchanged but column 11 as
// above; SchoolNameByCode(field 16). The view lives as long as the line and the reference data.
std::string_view RegisterCellText(const RecordFieldViews& fields, int column,
                                  const ReferenceData& refs);
std::string_view RegisterCellText(std::string_view line, int column, const ReferenceData& refs);

} // namespace svidary
