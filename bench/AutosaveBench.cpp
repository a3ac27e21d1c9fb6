// Autosave of a 100,000-object document: the part that runs in the window's thread (the
// document's bytes), the part a worker does (the snapshot header and the atomic write with
// its flush to disk), and both in a row.
#include "document/ArdoDoc.h"
#include "document/AutosaveStore.h"
#include "objects/ArdoPoly.h"
#include "objects/ArdoRect.h"

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <memory>

namespace {

constexpr int kObjects = 100000;

// Lines, 10-point polylines and 10-point polygons, deterministic from the index.
std::unique_ptr<CArdoDoc> MakeDocument() {
    auto doc = std::make_unique<CArdoDoc>();
    doc->SetPaperSize(1189, 841, 1);
    for (int i = 0; i < kObjects; ++i) {
        const int x = int((int64_t(i) * 7919) % 30000), y = int((int64_t(i) * 104729) % 25000);
        if (i % 3 == 0) {
            doc->AddBackgroundObject(std::make_unique<CArdoRect>(CRect(x, y, x + 400, y - 250), SHAPE_LINE));
            continue;
        }
        std::unique_ptr<CArdoPoly> poly = i % 3 == 1 ? std::make_unique<CArdoPolyline>(CRect(x, y, x + 1, y + 1))
                                                     : std::make_unique<CArdoPoly>(CRect(x, y, x + 1, y + 1));
        for (int k = 0; k < 10; ++k) poly->AddPointSilent(CPoint(x + k * 37, y + (k % 2) * 53 + k));
        doc->AddBackgroundObject(std::move(poly));
    }
    return doc;
}

CArdoDoc& Document() {
    static const std::unique_ptr<CArdoDoc> doc = MakeDocument();
    return *doc;
}

struct BenchFolder {
    BenchFolder()
        : path(std::filesystem::temp_directory_path() / ("kovel-autosave-bench-" + std::to_string(::getpid()))) {}
    ~BenchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::filesystem::path path;
};

const AutosaveInfo kInfo{"/home/user/Wohnung.cpr", "Wohnung.cpr", 1733650000};

void BM_AutosaveSerializeInWindowThread(benchmark::State& state) {
    CArdoDoc& doc = Document();
    for (auto _ : state) {
        std::vector<uint8_t> bytes = doc.SaveToBytes();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["bytes"] = double(doc.SaveToBytes().size());
}
BENCHMARK(BM_AutosaveSerializeInWindowThread)->Unit(benchmark::kMillisecond);

void BM_AutosaveWriteInWorker(benchmark::State& state) {
    BenchFolder folder;
    AutosaveSession session(folder.path.string());
    const std::vector<uint8_t> bytes = Document().SaveToBytes();
    for (auto _ : state) session.Write("doc1", EncodeAutosave(kInfo, bytes));
    session.RemoveAll();
}
BENCHMARK(BM_AutosaveWriteInWorker)->Unit(benchmark::kMillisecond);

void BM_AutosaveWhole(benchmark::State& state) {
    BenchFolder folder;
    AutosaveSession session(folder.path.string());
    CArdoDoc& doc = Document();
    for (auto _ : state) session.Write("doc1", EncodeAutosave(kInfo, doc.SaveToBytes()));
    session.RemoveAll();
}
BENCHMARK(BM_AutosaveWhole)->Unit(benchmark::kMillisecond);

}  // namespace
