// Document load, save and pick-test speed on a large plan: 100,000 background objects (lines,
// 10-point polylines and 10-point polygons), and ObjectAt over 10,000 foreground objects.
// Memory of a loaded document is reported as a counter against the file size.
#include "document/ArdoDoc.h"
#include "objects/ArdoPoly.h"
#include "objects/ArdoRect.h"
#include "platform/Archive.h"

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

constexpr int kBackgroundObjects = 100000;
constexpr int kForegroundObjects = 10000;

void AddPolyPoints(CArdoPoly& poly, int x, int y) {
    for (int k = 0; k < 10; ++k) poly.AddPointSilent(CPoint(x + k * 37, y + (k % 2) * 53 + k));
}

// A large plan as an import would leave it, deterministic from the index.
std::unique_ptr<CArdoDoc> MakeLargePlan() {
    auto doc = std::make_unique<CArdoDoc>();
    doc->SetPaperSize(1189, 841, 1);
    for (int i = 0; i < kBackgroundObjects; ++i) {
        const int x = int((int64_t(i) * 7919) % 30000), y = int((int64_t(i) * 104729) % 25000);
        switch (i % 3) {
        case 0: doc->AddBackgroundObject(std::make_unique<CArdoRect>(CRect(x, y, x + 400, y - 250), SHAPE_LINE)); break;
        case 1: {
            auto line = std::make_unique<CArdoPolyline>(CRect(x, y, x + 1, y + 1));
            AddPolyPoints(*line, x, y);
            doc->AddBackgroundObject(std::move(line));
            break;
        }
        default: {
            auto poly = std::make_unique<CArdoPoly>(CRect(x, y, x + 1, y + 1));
            AddPolyPoints(*poly, x, y);
            doc->AddBackgroundObject(std::move(poly));
            break;
        }
        }
    }
    return doc;
}

const std::vector<uint8_t>& LargePlanBytes() {
    static const std::vector<uint8_t> bytes = MakeLargePlan()->SaveToBytes();
    return bytes;
}

size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void BM_LoadFromMemory(benchmark::State& state) {
    const auto& bytes = LargePlanBytes();
    double memoryRatio = 0;
    for (auto _ : state) {
        const size_t before = HeapInUse();
        auto doc = std::make_unique<CArdoDoc>();
        doc->LoadFromBytes(bytes);
        memoryRatio = double(HeapInUse() - before) / double(bytes.size());
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["fileBytes"] = double(bytes.size());
    state.counters["memoryPerFileByte"] = memoryRatio;
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(BM_LoadFromMemory)->Unit(benchmark::kMillisecond);

std::string g_planPath;  // the file BM_LoadFromFile reads, once written

std::string LargePlanPath() {
    if (g_planPath.empty()) {
        const std::string p =
            (std::filesystem::temp_directory_path() / ("kovel-bench-" + std::to_string(::getpid()) + ".cpr")).string();
        MakeLargePlan()->WriteDocumentFile(p);
        g_planPath = p;
    }
    return g_planPath;
}

void BM_LoadFromFile(benchmark::State& state) {
    const std::string path = LargePlanPath();
    for (auto _ : state) {
        auto doc = std::make_unique<CArdoDoc>();
        doc->ReadDocumentFile(path);
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond);

void BM_SaveToMemory(benchmark::State& state) {
    auto doc = MakeLargePlan();
    for (auto _ : state) benchmark::DoNotOptimize(doc->SaveToBytes());
}
BENCHMARK(BM_SaveToMemory)->Unit(benchmark::kMillisecond);

void BM_SaveToFile(benchmark::State& state) {
    auto doc = MakeLargePlan();
    const std::string path =
        (std::filesystem::temp_directory_path() / ("kovel-bench-" + std::to_string(::getpid()) + "-save.cpr")).string();
    for (auto _ : state) doc->WriteDocumentFile(path);
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond);

void BM_ObjectAt(benchmark::State& state) {
    CArdoDoc doc;
    for (int i = 0; i < kForegroundObjects; ++i) {
        const int x = int((int64_t(i) * 7919) % 30000), y = int((int64_t(i) * 104729) % 25000);
        if (i % 2) {
            doc.AddObject(std::make_unique<CArdoRect>(CRect(x, y, x + 300, y + 200), SHAPE_RECTANGLE));
        } else {
            auto poly = std::make_unique<CArdoPoly>(CRect(x, y, x + 1, y + 1));
            AddPolyPoints(*poly, x, y);
            doc.AddObject(std::move(poly));
        }
    }
    // A point that hits nothing walks the whole list: the worst case.
    for (auto _ : state) benchmark::DoNotOptimize(doc.ObjectAt(CPoint(-5000, -5000)));
}
BENCHMARK(BM_ObjectAt)->Unit(benchmark::kMicrosecond);

// Removes the temporary file once the benchmarks ran.
struct Cleanup {
    ~Cleanup() {
        std::error_code ec;
        if (!g_planPath.empty()) std::filesystem::remove(g_planPath, ec);
    }
} cleanup;

}  // namespace
