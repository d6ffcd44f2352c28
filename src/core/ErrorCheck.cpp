#include "ErrorCheck.h"

#include "Record.h"
#include "RecordView.h"

namespace svidary {

std::string CleanRecordLine(std::string_view line) {
    const RecordFieldViews fields = SplitRecordView(line);
    std::string cleaned;
    cleaned.reserve(line.size() + FieldCount);
    for (int field = 0; field < FieldCount; ++field) {
        if (field > 0) {
            cleaned.push_back(FieldSeparator);
        }
        if (field >= F && field <= Pasp) {
            cleaned.append(CleanField(fields[field], false));
        } else if (field >= Spec && field <= Kw) {
            cleaned.append(CleanField(fields[field], true));
        } else {
            cleaned.append(fields[field]);
        }
    }
    return cleaned;
}

std::vector<std::string> CleanRecordLines(const std::vector<std::string>& lines,
                                          const ProgressCallback& progress) {
    std::vector<std::string> cleaned;
    cleaned.reserve(lines.size());
    int reportedStep = -1;
    for (std::size_t record = 0; record < lines.size(); ++record) {
        cleaned.push_back(CleanRecordLine(lines[record]));
        const int step =
            progressStep(static_cast<long long>(record), static_cast<long long>(lines.size()));
        if (progress && step != reportedStep) {
            reportedStep = step;
            progress(step);
        }
    }
    return cleaned;
}

} // namespace svidary
