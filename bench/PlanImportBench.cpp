// Plan import speed on the large sample (data/plans/large.plan: over 100,000 records, about
// 53,000 objects), from memory and from a file read through the 10240-byte buffer. Target:
// at most 100 ms per import.
#include "bench/LargePlan.h"
#include "document/ArdoDoc.h"
#include "plan/PlanImport.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

void ReportRecords(benchmark::State& state, const PlanImportReport& report) {
    state.counters["records"] = report.records;
    state.counters["objects"] = report.Objects();
    state.counters["records/s"] =
        benchmark::Counter(double(report.records), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_ImportLargePlanFromMemory(benchmark::State& state) {
    const std::vector<uint8_t>& bytes = LargePlanBytes();
    PlanImportReport report;
    for (auto _ : state) {
        CArdoDoc doc;
        ImportPlanBytes(doc, bytes, &report);
        benchmark::DoNotOptimize(doc.Background().data());
        state.PauseTiming();  // destroying the document is not part of the import
        doc.ClearBackground();
        state.ResumeTiming();
    }
    ReportRecords(state, report);
}
BENCHMARK(BM_ImportLargePlanFromMemory)->Unit(benchmark::kMillisecond);

void BM_ImportLargePlanFromFile(benchmark::State& state) {
    const fs::path path = fs::temp_directory_path() / "kovel_bench_large.cap";
    {
        const std::vector<uint8_t>& bytes = LargePlanBytes();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    PlanImportReport report;
    for (auto _ : state) {
        CArdoDoc doc;
        ImportPlan(doc, path.string(), &report);
        benchmark::DoNotOptimize(doc.Background().data());
        state.PauseTiming();
        doc.ClearBackground();
        state.ResumeTiming();
    }
    fs::remove(path);
    ReportRecords(state, report);
}
BENCHMARK(BM_ImportLargePlanFromFile)->Unit(benchmark::kMillisecond);

}  // namespace
