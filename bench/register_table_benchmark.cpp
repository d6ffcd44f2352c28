// Column sort and search over a register of a million rows, as the table runs them.
//
//   SVIDARY_BENCH_REGISTER=/tmp/svidary-bench/register.diplom SVIDARY_BENCH_REFS=Files
//   register_table_benchmark
//
// The register is the one generate_register writes (1,000,000 records by default); it is
// opened once, as the program opens it, before the measurements.

#include "core/Cp1251.h"
#include "core/ErrorCheck.h"
#include "core/ReferenceFiles.h"
#include "core/RegisterCells.h"
#include "core/RegisterOpen.h"
#include "core/RegisterRedraw.h"
#include "core/RegisterSearch.h"
#include "core/RegisterSort.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>

namespace {

using namespace svidary;

std::string environment(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : fallback;
}

struct OpenRegister {
    ReferenceData refs;
    RegisterState state;

    OpenRegister() {
        LoadReferences(refs, environment("SVIDARY_BENCH_REFS", "Files"));
        svidary::OpenRegister(
            state, refs,
            environment("SVIDARY_BENCH_REGISTER", "/tmp/svidary-bench/register.diplom"));
        std::cerr << "register: " << state.DocList.size() << " records\n";
    }
};

const OpenRegister& openRegister() {
    static const OpenRegister opened;
    return opened;
}

ColumnVisibility allColumns() {
    ColumnVisibility visible;
    visible.fill(true);
    return visible;
}

// One header click: all rows sorted by one column.
void BM_SortColumn(benchmark::State& state) {
    const OpenRegister& opened = openRegister();
    const int column = static_cast<int>(state.range(0));
    const auto direction =
        state.range(1) == 0 ? SortDirection::Ascending : SortDirection::Descending;
    for (auto _ : state) {
        RowOrder rows = SortRowsByColumn(opened.state.DocList, opened.refs, column, direction);
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetItemsProcessed(state.iterations() *
                            static_cast<std::int64_t>(opened.state.DocList.size()));
}
BENCHMARK(BM_SortColumn)
    ->ArgNames({"column", "descending"})
    ->Args({RegNoColumn, 0})
    ->Args({EduLevelColumn, 0})
    ->Args({FColumn, 0})
    ->Args({OColumn, 0})
    ->Args({OColumn, 1})
    ->Args({IssColumn, 0})
    ->Args({NumberColumn, 0})
    ->Args({LNumberColumn, 0})
    ->Args({SchoolNameColumn, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// One search step that finds nothing: every visible cell of every row is looked at (the
// slowest step there is). Rows in DocList order and in the order of a surname sort.
void BM_SearchStepNoMatch(benchmark::State& state) {
    const OpenRegister& opened = openRegister();
    const RowOrder rows = state.range(0) == 0 ? IdentityRowOrder(opened.state.DocList.size())
                                              : SortRowsByColumn(opened.state.DocList, opened.refs,
                                                                 FColumn, SortDirection::Ascending);
    // A word, and a single letter that no cell holds: a candidate at almost every byte, or none.
    const std::string text = utf8ToCp1251(state.range(1) == 0 ? "несуществующий" : "ъ");
    const ColumnVisibility visible = allColumns();
    for (auto _ : state) {
        const SearchOutcome outcome =
            SearchRows(opened.state.DocList, rows, opened.refs, visible, text, 0);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_SearchStepNoMatch)
    ->ArgNames({"sorted", "oneLetter"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The search steps to a match in the last row.
void BM_SearchStepToLastRow(benchmark::State& state) {
    const OpenRegister& opened = openRegister();
    const RowOrder rows = IdentityRowOrder(opened.state.DocList.size());
    const std::string text(
        RegisterCellText(opened.state.DocList.back(), NumberColumn, opened.refs));
    const ColumnVisibility visible = allColumns();
    for (auto _ : state) {
        const SearchOutcome outcome =
            SearchRows(opened.state.DocList, rows, opened.refs, visible, text, 0);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_SearchStepToLastRow)->Unit(benchmark::kMillisecond)->UseRealTime();

// All cell texts of the rows a window of 40 rows shows, as the table model asks for them.
void BM_CellTextsOfOneScreen(benchmark::State& state) {
    const OpenRegister& opened = openRegister();
    std::size_t row = 0;
    for (auto _ : state) {
        for (int visibleRow = 0; visibleRow < 40; ++visibleRow) {
            const std::string& line = opened.state.DocList[row];
            for (int column = 0; column < RegisterColumnCount; ++column) {
                benchmark::DoNotOptimize(RegisterCellText(line, column, opened.refs));
            }
            row = (row + 7919) % opened.state.DocList.size();
        }
    }
}
BENCHMARK(BM_CellTextsOfOneScreen)->Unit(benchmark::kMicrosecond);

// The redraw and the error check of Save on the whole register.
void BM_Redraw(benchmark::State& state) {
    const OpenRegister& opened = openRegister();
    for (auto _ : state) {
        RedrawPlan plan = PlanRedraw(opened.state.DocList, opened.refs);
        benchmark::DoNotOptimize(plan.sortedKeys[0].data());
    }
}
BENCHMARK(BM_Redraw)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ErrorCheck(benchmark::State& state) {
    const OpenRegister& opened = openRegister();
    for (auto _ : state) {
        LineChanges cleaned = CleanRecordLines(opened.state.DocList);
        benchmark::DoNotOptimize(cleaned.data());
    }
}
BENCHMARK(BM_ErrorCheck)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
