// Classifier and document-type lookups run once per record on registers of a million records,
// so each must take the same time whether the classifier holds a thousand entries or a hundred
// thousand. Run with the entry count as the argument and compare the per-call times.
#include "core/Cp1251.h"
#include "core/ReferenceData.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace svidary;

// Every institution bears four names, a few years apart, listed out of date order.
ReferenceData makeReferences(int entryCount) {
    std::vector<TSchoolInfo> entries;
    entries.reserve(static_cast<std::size_t>(entryCount));
    const std::string prefix = utf8ToCp1251("Учебное заведение № ");
    constexpr int NamesPerInstitution = 4;
    for (int code = 0; code < entryCount; ++code) {
        const int institution = code / NamesPerInstitution;
        const int rename = (code * 3) % NamesPerInstitution;
        entries.push_back(
            {code, institution, Date{1985 + 6 * rename, 9, 1}, prefix + std::to_string(code)});
    }
    ReferenceData refs;
    refs.SchoolTable = Classifier(std::move(entries));
    std::vector<std::string> types;
    for (int code = 0; code < 40; ++code) {
        types.push_back(utf8ToCp1251("Тип документа ") + std::to_string(code));
    }
    refs.DocTypeNames = CodeList(std::move(types));
    return refs;
}

std::vector<std::int32_t> randomCodes(int entryCount) {
    std::mt19937 random(42);
    std::uniform_int_distribution<std::int32_t> pick(0, entryCount - 1);
    std::vector<std::int32_t> codes(4096);
    for (auto& code : codes) {
        code = pick(random);
    }
    return codes;
}

void BM_SchoolPeriod(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const ReferenceData refs = makeReferences(count);
    const auto codes = randomCodes(count);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(refs.SchoolPeriod(codes[i++ & 4095]));
    }
}

void BM_SchoolCodeAtDate(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const ReferenceData refs = makeReferences(count);
    const auto codes = randomCodes(count);
    const Date dates[] = {{1980, 1, 1}, {1993, 6, 30}, {2001, 9, 1}, {2020, 1, 1}};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(refs.SchoolCodeAtDate(codes[i & 4095], dates[i & 3]));
        ++i;
    }
}

void BM_SchoolNameByCode(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const ReferenceData refs = makeReferences(count);
    const auto codes = randomCodes(count);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(refs.SchoolNameByCode(codes[i++ & 4095]));
    }
}

void BM_SchoolCodeByName(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const ReferenceData refs = makeReferences(count);
    std::vector<std::string> names;
    for (const auto code : randomCodes(count)) {
        names.push_back(refs.SchoolNameByCode(code));
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(refs.SchoolCodeByName(names[i++ & 4095]));
    }
}

void BM_DocTypeIndex(benchmark::State& state) {
    const ReferenceData refs = makeReferences(static_cast<int>(state.range(0)));
    const std::vector<std::string> texts = {utf8ToCp1251("Тип документа 17"), "5", "05",
                                            utf8ToCp1251("Диплом с отличием"),
                                            utf8ToCp1251("Неизвестный тип")};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(refs.DocTypeIndex(texts[i++ % texts.size()]));
    }
}

// For contrast: the first entry of a code found by walking the table, as an unindexed lookup
// would do it.
void BM_LinearScanForContrast(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const ReferenceData refs = makeReferences(count);
    const auto codes = randomCodes(count);
    const auto& entries = refs.SchoolTable.entries();
    std::size_t i = 0;
    for (auto _ : state) {
        const std::int32_t code = codes[i++ & 4095];
        for (const auto& entry : entries) {
            if (entry.Code == code) {
                benchmark::DoNotOptimize(&entry);
                break;
            }
        }
    }
}

} // namespace

BENCHMARK(BM_SchoolPeriod)->RangeMultiplier(10)->Range(1000, 1000000);
BENCHMARK(BM_SchoolCodeAtDate)->RangeMultiplier(10)->Range(1000, 1000000);
BENCHMARK(BM_SchoolNameByCode)->RangeMultiplier(10)->Range(1000, 1000000);
BENCHMARK(BM_SchoolCodeByName)->RangeMultiplier(10)->Range(1000, 1000000);
BENCHMARK(BM_DocTypeIndex)->Arg(1000)->Arg(100000);
BENCHMARK(BM_LinearScanForContrast)->Arg(1000)->Arg(100000);

BENCHMARK_MAIN();
