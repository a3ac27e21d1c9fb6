// The undo history on the large sample plan (over 100,000 records in the background) with
// 1,000 objects in the foreground: one step back and forward, the memory of 100 one-object
// steps, and what the change path adds to a 1,000-object paste. Targets: a step at most
// 5 ms, 100 steps at most 1 MiB, the paste at most 5 % slower than without the history.
#include "bench/LargePlan.h"
#include "document/ArdoDoc.h"
#include "document/ChangeNames.h"
#include "document/DocumentChange.h"
#include "objects/ArdoRect.h"
#include "plan/PlanImport.h"
#include "platform/Services.h"
#include "view/ArdoView.h"
#include "view/ClipboardObjects.h"
#include "view/FixedViewHost.h"
#include "view/ViewSelectionGeometry.h"

#include <benchmark/benchmark.h>

namespace {

// The furnished plan: the large plan behind 1,000 rectangles.
struct FurnishedPlan {
    FurnishedPlan() : view(doc, host) {
        PlanImportReport report;
        ImportPlanBytes(doc, LargePlanBytes(), &report);
        records = report.records;
        for (int i = 0; i < 1000; ++i) {
            const int x = int(int64_t(i) * 4933 % 20000), y = int(int64_t(i) * 7127 % 29000);
            doc.AddObject(std::make_unique<CArdoRect>(CRect(x, y + 500, x + 500, y), SHAPE_RECTANGLE));
        }
        view.OnInitialUpdate();
        doc.SetModifiedFlag(false);
    }
    CArdoDoc doc;
    FixedViewHost host{CSize(1200, 900), 17};
    CArdoView view;
    long records = 0;
};

void MoveOne(CArdoDoc& doc, int i) {
    DocumentChange change(doc, change::Move);
    CArdoObj& obj = *doc.Objects()[size_t(i) % doc.Objects().size()];
    obj.MoveTo(OffsetClamped(obj.m_position, CSize(10, 10)), nullptr);
}

void BM_UndoAndRedoOneStep(benchmark::State& state) {
    FurnishedPlan plan;
    MoveOne(plan.doc, 0);
    for (auto _ : state) {
        plan.doc.Undo();
        plan.doc.Redo();
    }
    state.counters["records"] = double(plan.records);
    state.counters["foreground"] = double(plan.doc.Objects().size());
    state.counters["ms/step"] =
        benchmark::Counter(2.0, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_UndoAndRedoOneStep)->Unit(benchmark::kMillisecond);

void BM_RecordOneMove(benchmark::State& state) {
    FurnishedPlan plan;
    int i = 0;
    for (auto _ : state) MoveOne(plan.doc, i++);
}
BENCHMARK(BM_RecordOneMove)->Unit(benchmark::kMillisecond);

void BM_MemoryOfHundredSteps(benchmark::State& state) {
    size_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        FurnishedPlan plan;
        state.ResumeTiming();
        for (int i = 0; i < 100; ++i) MoveOne(plan.doc, i);
        bytes = plan.doc.History().Bytes();
    }
    state.counters["KiB"] = double(bytes) / 1024.0;
}
BENCHMARK(BM_MemoryOfHundredSteps)->Unit(benchmark::kMillisecond)->Iterations(3);

// 1,000 objects on the clipboard, pasted into the furnished plan through the view's command.
void CopyThousand(FurnishedPlan& plan) {
    for (const auto& obj : plan.doc.Objects()) plan.view.Select(obj.get(), true);
    plan.view.OnEditCopy();
    plan.view.Select(nullptr, false);
}

void BM_PasteThousand(benchmark::State& state) {
    FurnishedPlan plan;
    CopyThousand(plan);
    int i = 0;
    for (auto _ : state) {
        plan.view.OnEditPaste();
        state.PauseTiming();
        // Take the paste back and drop it from the redo list, so that the next paste does not
        // pay for discarding it.
        plan.doc.Undo();
        MoveOne(plan.doc, i++);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PasteThousand)->Unit(benchmark::kMillisecond);

// The same paste without the change path: read, centre and add the objects by hand.
void BM_PasteThousandWithoutHistory(benchmark::State& state) {
    FurnishedPlan plan;
    CopyThousand(plan);
    for (auto _ : state) {
        std::vector<CArdoObj*> pasted;
        for (auto& obj : ReadClipboardObjects(plan.doc.GetServices())) {
            obj->MoveTo(OffsetClamped(obj->m_position, CSize(10, 10)), nullptr);
            pasted.push_back(plan.doc.AddObject(std::move(obj)));
        }
        plan.doc.UpdateAllViews(nullptr, HINT_OBJECTS, UpdateHint{nullptr, &pasted});
        state.PauseTiming();
        for (CArdoObj* obj : pasted) plan.doc.RemoveObject(obj);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PasteThousandWithoutHistory)->Unit(benchmark::kMillisecond);

}  // namespace
