// The shipped symbol library: loading it into a new document, and drawing a plan furnished
// with 1,000 placed symbols into a recording backend.
#include "document/ArdoDoc.h"
#include "document/SymbolLibrary.h"
#include "objects/ArdoSymbol.h"
#include "objects/ObjectClasses.h"
#include "platform/DeviceContext.h"
#include "platform/RecordingBackend.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

std::string ShippedLibrary() {
#ifdef KOVEL_SHIPPED_SYMBOL_LIBRARY
    return KOVEL_SHIPPED_SYMBOL_LIBRARY;
#else
    return "Kovel.sym";
#endif
}

// Each document reads the library when it is created or opened.
void BM_LoadShippedLibrary(benchmark::State& state) {
    RegisterDrawingObjectClasses();
    auto doc = std::make_unique<CArdoDoc>();
    for (auto _ : state) {
        doc->SetSymbolsLoaded(0);
        if (!LoadSymbolLibraryFrom(*doc, ShippedLibrary())) {
            state.SkipWithError("the shipped library did not load");
            break;
        }
        benchmark::DoNotOptimize(doc->SymbolCount());
    }
    state.counters["symbols"] = doc->SymbolCount();
}
BENCHMARK(BM_LoadShippedLibrary)->Unit(benchmark::kMillisecond);

// 1,000 symbols of every kind in the library, at their default sizes, a third of them turned.
void BM_DrawPlacedSymbols(benchmark::State& state) {
    RegisterDrawingObjectClasses();
    auto doc = std::make_unique<CArdoDoc>();
    if (!LoadSymbolLibraryFrom(*doc, ShippedLibrary()) || doc->SymbolCount() == 0) {
        state.SkipWithError("the shipped library did not load");
        return;
    }
    const float factor = doc->UnitsPerMm() / doc->Scale();
    std::vector<std::unique_ptr<CArdoSymbol>> symbols;
    for (int i = 0; i < 1000; ++i) {
        const int id = i % doc->SymbolCount();
        const SymbolInfo& info = doc->SymbolEntry(id);
        const int x = 500 + (i % 40) * 500, y = 500 + (i / 40) * 1100;
        auto s = std::make_unique<CArdoSymbol>(
            CRect(x, y, x + int(float(info.nLength) * factor), y + int(float(info.nWidth) * factor)), id);
        s->SetDocument(doc.get());
        if (i % 3 == 0) s->MoveHandleTo(5, {x + 100, y + 400}, nullptr);
        symbols.push_back(std::move(s));
    }
    RecordingBackend backend;
    CDC dc(backend);
    const CRect clip(0, 0, 32767, 32767);
    for (auto _ : state) {
        backend.Clear();
        for (const auto& s : symbols) s->Draw(&dc, clip);
        benchmark::DoNotOptimize(backend.Records().data());
    }
    state.counters["primitives"] = double(backend.Records().size());
}
BENCHMARK(BM_DrawPlacedSymbols)->Unit(benchmark::kMillisecond);

}  // namespace
