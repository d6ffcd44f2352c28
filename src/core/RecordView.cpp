#include "RecordView.h"

namespace svidary {

RecordFieldViews SplitRecordView(std::string_view line) {
    RecordFieldViews fields{};
    std::size_t start = 0;
    for (int field = 0; field < FieldCount - 1; ++field) {
        const std::size_t end = line.find(FieldSeparator, start);
        if (end == std::string_view::npos) {
            fields[field] = line.substr(start);
            return fields;
        }
        fields[field] = line.substr(start, end - start);
        start = end + 1;
    }
    fields[FieldCount - 1] = line.substr(start);
    return fields;
}

std::string_view RecordFieldView(std::string_view line, int field) {
    std::size_t start = 0;
    for (int skipped = 0; skipped < field; ++skipped) {
        const std::size_t end = line.find(FieldSeparator, start);
        if (end == std::string_view::npos) {
            return {};
        }
        start = end + 1;
    }
    if (field == FieldCount - 1) {
        return line.substr(start);
    }
    const std::size_t end = line.find(FieldSeparator, start);
    return line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

} // namespace svidary
