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

// A key in the shared buffer, with the weights of its first sixteen bytes for quick comparison
// (a whole key, as a rule).
struct KeyEntry {
    std::uint64_t prefix;
    std::uint64_t secondPrefix;
    std::uint32_t offset;
    std::uint32_t length;
    std::uint32_t record;
};

// Where a key is in the shared buffer, and its record.
struct KeyPlace {
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
    planned.keyBuffer.reserve((end - begin) * 20);
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
        planned.entries.push_back({collation.prefixKey(key), collation.prefixKey(key, 8),
                                   static_cast<std::uint32_t>(offset),
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
    // One buffer and one list for both halves, sized exactly: a register of a million records
    // must fit in memory several times over its file's size.
    std::string keyBuffer;
    keyBuffer.reserve(halves[0].keyBuffer.size() + halves[1].keyBuffer.size());
    std::vector<KeyEntry> entries;
    entries.reserve(count);
    for (PlannedRecords& half : halves) {
        const auto offset = static_cast<std::uint32_t>(keyBuffer.size());
        keyBuffer += half.keyBuffer;
        for (KeyEntry entry : half.entries) {
            entry.offset += offset;
            entries.push_back(entry);
        }
        std::move(half.corrections.begin(), half.corrections.end(),
                  std::back_inserter(plan.corrections));
        half = PlannedRecords{};
    }

    const auto keyOf = [&keyBuffer](std::uint32_t offset, std::uint32_t length) {
        return std::string_view(keyBuffer.data() + offset, length);
    };
    ParallelSort(entries, [&](const KeyEntry& a, const KeyEntry& b) {
        if (a.prefix != b.prefix) {
            return a.prefix < b.prefix;
        }
        if (a.secondPrefix != b.secondPrefix) {
            return a.secondPrefix < b.secondPrefix;
        }
        const int order = collation.compare(keyOf(a.offset, a.length), keyOf(b.offset, b.length));
        return order != 0 ? order < 0 : a.record < b.record;
    });
    // The sort keys are not needed any more: keep only where each key is, before the keys are
    // copied out.
    std::vector<KeyPlace> places;
    places.reserve(count);
    for (const KeyEntry& entry : entries) {
        places.push_back({entry.offset, entry.length, entry.record});
    }
    entries = std::vector<KeyEntry>();

    plan.sortedKeys.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        plan.sortedKeys.emplace_back(keyOf(places[i].offset, places[i].length));
        if (i > 0 && plan.sortedKeys[i] == plan.sortedKeys[i - 1]) {
            const std::size_t record = places[i].record;
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
