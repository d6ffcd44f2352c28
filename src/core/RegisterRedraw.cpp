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

// A key in the shared buffer, with the weights of its first bytes for quick comparison.
struct KeyEntry {
    std::uint64_t prefix;
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
                 PlannedRecords& planned, const ProgressCallback* progress) {
    const TextCollation& collation = TextCollation::instance();
    planned.keyBuffer.reserve((end - begin) * 24);
    planned.entries.reserve(end - begin);
    int reportedStep = -1;
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
        planned.entries.push_back({collation.prefixKey(key), static_cast<std::uint32_t>(offset),
                                   static_cast<std::uint32_t>(key.size()),
                                   static_cast<std::uint32_t>(record)});
        if (progress != nullptr && *progress) {
            const int step = progressStep(static_cast<long long>(record - begin + 1),
                                          static_cast<long long>(end - begin));
            if (step != reportedStep) {
                reportedStep = step;
                (*progress)(step);
            }
        }
    }
}

template <typename Lines>
RedrawPlan planRedraw(const Lines& lines, const ReferenceData& refs,
                      const ProgressCallback& progress) {
    RedrawPlan plan;
    const std::size_t count = lines.size();
    if (count == 0) {
        return plan;
    }
    const TextCollation& collation = TextCollation::instance();

    // The caller's half reports the progress; the halves run side by side.
    PlannedRecords halves[2];
    RunOnTwoThreads(count, [&](std::size_t begin, std::size_t end, bool onCallerThread) {
        planRecords(lines, refs, begin, end, halves[onCallerThread ? 0 : 1],
                    onCallerThread ? &progress : nullptr);
    });
    std::string keyBuffer = std::move(halves[0].keyBuffer);
    std::vector<KeyEntry> entries = std::move(halves[0].entries);
    plan.corrections = std::move(halves[0].corrections);
    const auto secondOffset = static_cast<std::uint32_t>(keyBuffer.size());
    keyBuffer += halves[1].keyBuffer;
    for (KeyEntry entry : halves[1].entries) {
        entry.offset += secondOffset;
        entries.push_back(entry);
    }
    std::move(halves[1].corrections.begin(), halves[1].corrections.end(),
              std::back_inserter(plan.corrections));

    const auto keyOf = [&keyBuffer](const KeyEntry& entry) {
        return std::string_view(keyBuffer.data() + entry.offset, entry.length);
    };
    ParallelSort(entries, [&](const KeyEntry& a, const KeyEntry& b) {
        if (a.prefix != b.prefix) {
            return a.prefix < b.prefix;
        }
        const int order = collation.compare(keyOf(a), keyOf(b));
        return order != 0 ? order < 0 : a.record < b.record;
    });

    plan.sortedKeys.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        plan.sortedKeys.emplace_back(keyOf(entries[i]));
        if (i > 0 && plan.sortedKeys[i] == plan.sortedKeys[i - 1]) {
            const std::size_t record = entries[i].record;
            // Corrections are in record order.
            const auto corrected = std::lower_bound(
                plan.corrections.begin(), plan.corrections.end(), record,
                [](const auto& correction, std::size_t index) { return correction.first < index; });
            const std::string_view line =
                corrected != plan.corrections.end() && corrected->first == record
                    ? std::string_view(corrected->second)
                    : std::string_view(lines[record]);
            plan.duplicateLines.push_back(DuplicateReportLine(SplitRecordView(line), refs));
        }
    }
    return plan;
}

} // namespace

RedrawPlan PlanRedraw(const std::vector<std::string>& lines, const ReferenceData& refs,
                      const ProgressCallback& progress) {
    return planRedraw(lines, refs, progress);
}

RedrawPlan PlanRedraw(const std::vector<std::string_view>& lines, const ReferenceData& refs,
                      const ProgressCallback& progress) {
    return planRedraw(lines, refs, progress);
}

void ApplyRedraw(RedrawPlan& plan, std::vector<std::string>& lines,
                 std::vector<std::string>& keys) {
    ApplyLineChanges(lines, plan.corrections);
    keys = std::move(plan.sortedKeys);
}

RedrawResult RedrawRegister(RegisterState& state, const ReferenceData& refs,
                            const ProgressCallback& progress) {
    RedrawPlan plan = PlanRedraw(state.DocList, refs, progress);
    RedrawResult result;
    result.recordCount = state.DocList.size();
    result.correctedCount = plan.corrections.size();
    result.duplicateLines = std::move(plan.duplicateLines);
    ApplyRedraw(plan, state.DocList, state.DocKeys);
    return result;
}

} // namespace svidary
