#include "SchoolCodeCorrection.h"

#include "Cp1251.h"
#include "Date.h"
#include "Numbers.h"

#include <string>

namespace svidary {

namespace {

constexpr std::int32_t FirstCorrectedYear = 1991;

} // namespace

bool IsDuplicateDocumentType(std::string_view typeName) {
    static const std::string duplicateMark = utf8ToCp1251("Дубликат");
    return typeName.find(duplicateMark) != std::string_view::npos;
}

std::optional<std::int32_t> CorrectedSchoolCode(const RecordFieldViews& fields,
                                                const ReferenceData& refs) {
    const std::int32_t typeCode = parseInt(fields[DocType]);
    const std::int32_t code = parseInt(fields[School]);
    const std::int32_t startYear = parseIntOr(fields[Start], 0);
    const std::int32_t stopYear = parseIntOr(fields[Stop], 0);
    if (startYear < FirstCorrectedYear || stopYear < FirstCorrectedYear) {
        return std::nullopt;
    }
    if (IsDuplicateDocumentType(refs.DocTypeNames.nameOf(typeCode))) {
        return std::nullopt;
    }
    if (refs.SchoolTable.findByCode(code) == nullptr) {
        return std::nullopt;
    }
    const SchoolValidity period = refs.SchoolPeriod(code);
    if (period.From.year <= stopYear && period.To.year >= stopYear) {
        return std::nullopt;
    }
    const std::int32_t corrected = refs.SchoolCodeAtDate(code, parseDate(fields[Create]));
    // The code is written back in its plain decimal form even when it stays the same, so that
    // "011" and "11" give one duplicate key.
    if (corrected == -1 || fields[School] == std::to_string(corrected)) {
        return std::nullopt;
    }
    return corrected;
}

} // namespace svidary
