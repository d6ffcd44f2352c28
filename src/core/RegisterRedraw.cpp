#include "RegisterRedraw.h"

#include "DuplicateKeys.h"
#include "Errors.h"
#include "Numbers.h"
#include "ParallelSort.h"
#include "RecordView.h"
#include "SchoolCodeCorrection.h"
#include "TextCollation.h"

#include <algorithm>
#include <cstdint>
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

std::string JoinWithSchoolCode(const RecordFieldViews& fields, std::int32_t schoolCode) {
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

} // namespace

RedrawPlan PlanRedraw(const std::vector<std::string>& lines, const ReferenceData& refs,
                      const ProgressCallback& progress) {
    RedrawPlan plan;
    const std::size_t count = lines.size();
    if (count == 0) {
        return plan;
    }
    const TextCollation& collation = TextCollation::instance();

    std::string keyBuffer;
    keyBuffer.reserve(count * 24);
    std::vector<KeyEntry> entries;
    entries.reserve(count);
    int reportedStep = -1;
    for (std::size_t record = 0; record < count; ++record) {
        RecordFieldViews fields = SplitRecordView(lines[record]);
        std::string correctedSchoolCode;
        try {
            parseInt(fields[Level]);
            if (const auto corrected = CorrectedSchoolCode(fields, refs)) {
                plan.corrections.emplace_back(record, JoinWithSchoolCode(fields, *corrected));
                fields = SplitRecordView(plan.corrections.back().second);
            }
        } catch (const ConversionError& error) {
            rethrowForRecord(error, record);
        }
        const std::size_t offset = keyBuffer.size();
        AppendLongDuplicateKey(keyBuffer, fields);
        const std::string_view key(keyBuffer.data() + offset, keyBuffer.size() - offset);
        entries.push_back({collation.prefixKey(key), static_cast<std::uint32_t>(offset),
                           static_cast<std::uint32_t>(key.size()),
                           static_cast<std::uint32_t>(record)});
        const int step =
            progressStep(static_cast<long long>(record + 1), static_cast<long long>(count));
        if (progress && step != reportedStep) {
            reportedStep = step;
            progress(step);
        }
    }

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

void ApplyRedraw(RedrawPlan& plan, std::vector<std::string>& lines,
                 std::vector<std::string>& keys) {
    for (auto& [record, line] : plan.corrections) {
        lines[record] = std::move(line);
    }
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
