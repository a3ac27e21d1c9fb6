#include "plan/PlanImportSeam.h"

#include "plan/PlanImport.h"

namespace {
AfterPlanImportHook& Hook() {
    static AfterPlanImportHook hook;
    return hook;
}
}  // namespace

bool ImportPlanFile(CArdoDoc& doc, const std::string& path) {
    PlanImportReport report;
    ImportPlan(doc, path, &report);
    return report.header == PlanHeaderStatus::valid;
}

void SetAfterPlanImportHook(AfterPlanImportHook hook) { Hook() = std::move(hook); }

const AfterPlanImportHook& GetAfterPlanImportHook() { return Hook(); }
