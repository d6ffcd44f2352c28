#include "ErrorCheck.h"

#include "Record.h"
#include "RecordView.h"
#include "TextCase.h"
#include "TwoThreads.h"

#include <algorithm>
#include <iterator>

namespace svidary {

namespace {

// Whether CleanField would give the value back unchanged: nothing to remove, no space to drop
// and, when capitalising, the letters already as capitalising leaves them. Most fields of a
// register that was saved before are clean, and this spares them a copy.
bool isCleanField(std::string_view value, bool capitalise) {
    if (value.empty() || value == "-") {
        return true;
    }
    if (value.front() == ' ' || value.back() == ' ') {
        return false;
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '/' || c == '"' || c == '!' || c == ':') {
            return false;
        }
        if (c == ' ') {
            const char next = value[i + 1]; // never past the end: the last byte is no space
            if (next == ' ' || next == ',' || next == '.') {
                return false;
            }
        }
        if (capitalise && i > 0 && toLowerChar(c) != c) {
            return false;
        }
    }
    return !capitalise || toUpperChar(toLowerChar(value.front())) == value.front();
}

// Whether CleanRecordLine would give the line back unchanged: all sixteen fields there and
// every text field clean.
bool isCleanRecord(std::string_view line) {
    const RecordFieldViews fields = SplitRecordView(line);
    if (static_cast<std::size_t>(std::count(line.begin(), line.end(), FieldSeparator)) <
        FieldCount - 1) {
        return false;
    }
    for (int field = F; field <= Kw; ++field) {
        if (!isCleanField(fields[field], field >= Spec)) {
            return false;
        }
    }
    return true;
}

void appendCleaned(std::string& out, std::string_view value, bool capitalise) {
    if (isCleanField(value, capitalise)) {
        out.append(value);
    } else {
        out.append(CleanField(value, capitalise));
    }
}

} // namespace

std::string CleanRecordLine(std::string_view line) {
    const RecordFieldViews fields = SplitRecordView(line);
    std::string cleaned;
    cleaned.reserve(line.size() + FieldCount);
    for (int field = 0; field < FieldCount; ++field) {
        if (field > 0) {
            cleaned.push_back(FieldSeparator);
        }
        if (field >= F && field <= Pasp) {
            appendCleaned(cleaned, fields[field], false);
        } else if (field >= Spec && field <= Kw) {
            appendCleaned(cleaned, fields[field], true);
        } else {
            cleaned.append(fields[field]);
        }
    }
    return cleaned;
}

LineChanges CleanRecordLines(const std::vector<std::string>& lines,
                             const ProgressCallback& progress) {
    LineChanges halves[2];
    RunOnTwoThreads(lines.size(), [&](std::size_t begin, std::size_t end, bool onCallerThread) {
        LineChanges& changes = halves[onCallerThread ? 0 : 1];
        // The halves run side by side: the caller's half tells how far both are.
        const ProgressCallback ownProgress = onCallerThread ? progress : ProgressCallback();
        StepReporter reporter(ownProgress);
        for (std::size_t record = begin; record < end; ++record) {
            if (!isCleanRecord(lines[record])) {
                changes.emplace_back(record, CleanRecordLine(lines[record]));
            }
            reporter.report(static_cast<long long>(record - begin),
                            static_cast<long long>(end - begin));
        }
    });
    LineChanges changes = std::move(halves[0]);
    std::move(halves[1].begin(), halves[1].end(), std::back_inserter(changes));
    return changes;
}

} // namespace svidary
