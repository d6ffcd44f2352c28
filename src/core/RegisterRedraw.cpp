#include "RegisterRedraw.h"

#include "DuplicateKeys.h"
#include "Errors.h"
#include "Numbers.h"
#include "ParallelSort.h"
#include "RecordView.h"
#include "SchoolCodeCorrection.h"
#include "TextCollation.h"
#include "TwoThreads.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string_view>

namespace svidary {

namespace {

// A key in its half's buffer, with the weights of its first sixteen bytes for quick comparison
// (a whole key, as a rule).
struct KeyEntry {
    std::uint64_t prefix;
    std::uint64_t secondPrefix;
    std::uint32_t offset;
    std::uint32_t length;
    std::uint32_t record;
};

std::string joinWithSchoolCode(const RecordFieldViews& fields, std::int32_t schoolCode) {
    std::string line;
    for (int field = 0; field < School; ++field) {
        line.append(fields[field]).push_back(FieldSeparator);
    }
    line.append(std::to_string(schoolCode));
    return line;
}

// Throws the conversion error again with the record it came from.
[[noreturn]] void rethrowForRecord(const ConversionError& error, std::size_t record) {
    throw ConversionError(std::string(error.what()) + " (запись " + std::to_string(record + 1) +
                          ")");
}

// The records of one half of the register: their keys in one buffer, and their corrections.
struct PlannedRecords {
    std::string keyBuffer;
    std::vector<KeyEntry> entries;
    LineChanges corrections;
};

template <typename Lines>
void planRecords(const Lines& lines, const ReferenceData& refs, std::size_t begin, std::size_t end,
                 PlannedRecords& planned, const ProgressCallback& progress) {
    const TextCollation& collation = TextCollation::instance();
    planned.keyBuffer.reserve((end - begin) * 20);
    planned.entries.reserve(end - begin);
    StepReporter reporter(progress);
    for (std::size_t record = begin; record < end; ++record) {
        RecordFieldViews fields = SplitRecordView(lines[record]);
        try {
            parseInt(fields[Level]);
            if (const auto corrected = CorrectedSchoolCode(fields, refs)) {
                planned.corrections.emplace_back(record, joinWithSchoolCode(fields, *corrected));
                fields = SplitRecordView(planned.corrections.back().second);
            }
        } catch (const ConversionError& error) {
            rethrowForRecord(error, record);
        }
        const std::size_t offset = planned.keyBuffer.size();
        AppendLongDuplicateKey(planned.keyBuffer, fields);
        const std::string_view key(planned.keyBuffer.data() + offset,
                                   planned.keyBuffer.size() - offset);
        planned.entries.push_back({collation.prefixKey(key), collation.prefixKey(key, 8),
                                   static_cast<std::uint32_t>(offset),
                                   static_cast<std::uint32_t>(key.size()),
                                   static_cast<std::uint32_t>(record)});
        reporter.report(static_cast<long long>(record - begin + 1),
                        static_cast<long long>(end - begin));
    }
}

// A record's line as the redraw leaves it: corrected, or as it was.
template <typename Lines>
std::string_view lineOf(const Lines& lines, const LineChanges& corrections, std::size_t record) {
    const std::string* corrected = FindLineChange(corrections, record);
    return corrected != nullptr ? std::string_view(*corrected) : std::string_view(lines[record]);
}

// The order of the keys: by text, exactly equal keys in record order.
bool keyLess(const KeyEntry& a, std::string_view keyA, const KeyEntry& b, std::string_view keyB) {
    if (a.prefix != b.prefix) {
        return a.prefix < b.prefix;
    }
    if (a.secondPrefix != b.secondPrefix) {
        return a.secondPrefix < b.secondPrefix;
    }
    const int order = TextCollation::instance().compare(keyA, keyB);
    return order != 0 ? order < 0 : a.record < b.record;
}

template <typename Lines>
RedrawPlan planRedraw(const Lines& lines, const ReferenceData& refs,
                      const ProgressCallback& progress) {
    RedrawPlan plan;
    const std::size_t count = lines.size();
    if (count == 0) {
        return plan;
    }

    // The caller's half reports the progress; the halves run side by side.
    PlannedRecords halves[2];
    RunOnTwoThreads(count, [&](std::size_t begin, std::size_t end, bool onCallerThread) {
        const ProgressCallback ownProgress = onCallerThread ? progress : ProgressCallback();
        planRecords(lines, refs, begin, end, halves[onCallerThread ? 0 : 1], ownProgress);
    });
    for (PlannedRecords& half : halves) {
        std::move(half.corrections.begin(), half.corrections.end(),
                  std::back_inserter(plan.corrections));
        half.corrections = LineChanges();
    }
    // The halves' keys stay where they were written: the second half's offsets go on after the
    // first half's texts, and the entries are sorted and merged where they are. On a million
    // records every copy of them would cost tens of megabytes.
    const auto secondOffset = static_cast<std::uint32_t>(halves[0].keyBuffer.size());
    plan.sortedKeys = SortedKeys(std::move(halves[0].keyBuffer), std::move(halves[1].keyBuffer));
    for (KeyEntry& entry : halves[1].entries) {
        entry.offset += secondOffset;
    }
    const SortedKeys& keys = plan.sortedKeys;
    const auto less = [&keys](const KeyEntry& a, const KeyEntry& b) {
        return keyLess(a, keys.text(a.offset, a.length), b, keys.text(b.offset, b.length));
    };
    std::vector<KeyEntry>& first = halves[0].entries;
    std::vector<KeyEntry>& second = halves[1].entries;
    SortTwoRanges(first.begin(), first.end(), second.begin(), second.end(), less);

    plan.sortedKeys.reserve(count);
    std::string_view previousKey;
    ForEachMerged(
        first.begin(), first.end(), second.begin(), second.end(), less, [&](const KeyEntry& entry) {
            const std::string_view key = keys.text(entry.offset, entry.length);
            if (!plan.sortedKeys.empty() && key == previousKey) {
                plan.duplicateLines.push_back(DuplicateReportLine(
                    SplitRecordView(lineOf(lines, plan.corrections, entry.record)), refs));
            }
            plan.sortedKeys.append(entry.offset, entry.length);
            previousKey = key;
        });
    return plan;
}

} // namespace

RedrawPlan PlanRedraw(const std::vector<std::string>& lines, const ReferenceData& refs,
                      const ProgressCallback& progress) {
    return planRedraw(lines, refs, progress);
}

RedrawPlan PlanRedraw(const LinesWithChanges& lines, const ReferenceData& refs,
                      const ProgressCallback& progress) {
    return planRedraw(lines, refs, progress);
}

void ApplyRedraw(RedrawPlan& plan, std::vector<std::string>& lines,
                 std::vector<std::string>& keys) {
    ApplyLineChanges(lines, plan.corrections);
    plan.sortedKeys.assignTo(keys);
    plan.sortedKeys = SortedKeys();
}

RedrawResult TakeRedrawResult(RedrawPlan& plan, std::size_t recordCount) {
    RedrawResult result;
    result.recordCount = recordCount;
    result.correctedCount = plan.corrections.size();
    result.duplicateLines = std::move(plan.duplicateLines);
    return result;
}

RedrawResult RedrawRegister(RegisterState& state, const ReferenceData& refs,
                            const ProgressCallback& progress) {
    RedrawPlan plan = PlanRedraw(state.DocList, refs, progress);
    RedrawResult result = TakeRedrawResult(plan, state.DocList.size());
    ApplyRedraw(plan, state.DocList, state.DocKeys);
    return result;
}

} // namespace svidary
