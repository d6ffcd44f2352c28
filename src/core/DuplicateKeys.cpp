#include "DuplicateKeys.h"

#include "Cp1251.h"
#include "Numbers.h"

namespace svidary {

void AppendLongDuplicateKey(std::string& out, const RecordFieldViews& fields) {
    out.append(fields[DocType]).append(fields[Ser]).append("~");
    out.append(fields[Num]).append("~~").append(fields[School]);
}

std::string DuplicateReportLine(const RecordFieldViews& fields, const ReferenceData& refs) {
    static const std::string seriesLabel = utf8ToCp1251(", серия: ");
    static const std::string numberLabel = utf8ToCp1251(", номер: ");
    std::string line = refs.DocTypeNames.nameOf(parseIntOr(fields[DocType], -1));
    line.append(seriesLabel).append(fields[Ser]).append(numberLabel).append(fields[Num]);
    return line;
}

} // namespace svidary
