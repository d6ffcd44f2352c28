#include "RegisterCells.h"

#include "Cp1251.h"
#include "Numbers.h"

namespace svidary {

namespace {

constexpr std::int32_t NotACode = -1;

bool isPersonalNumberNotSet(std::string_view value) {
    return value.empty() || value == "-" || value == " ";
}

// Text shown in place of a field, or the field itself.
std::string_view shownText(std::string_view field, int column, const ReferenceData& refs) {
    switch (column) {
    case EduLevelColumn:
        return refs.LevelNames.nameOf(parseIntOr(field, NotACode));
    case DocTypeColumn:
        return refs.DocTypeNames.nameOf(parseIntOr(field, NotACode));
    case SchoolNameColumn:
        return refs.SchoolNameByCode(parseIntOr(field, NotACode));
    case LNumberColumn:
        return isPersonalNumberNotSet(field) ? std::string_view(PersonalNumberNotSetText()) : field;
    default:
        return field;
    }
}

} // namespace

const std::string& PersonalNumberNotSetText() {
    static const std::string text = utf8ToCp1251("Не установлен");
    return text;
}

std::string_view RegisterCellText(const RecordFieldViews& fields, int column,
                                  const ReferenceData& refs) {
    return shownText(fields[column], column, refs);
}

std::string_view RegisterCellText(std::string_view line, int column, const ReferenceData& refs) {
    return shownText(RecordFieldView(line, column), column, refs);
}

} // namespace svidary
