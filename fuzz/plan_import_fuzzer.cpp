// Feeds arbitrary bytes to the plan import (the same reader that opens ".cap" files, over a
// memory block instead of a file). Whatever the bytes, the import must end, keep every
// polygon-family object within the 512-point path buffer, and leave only objects with
// bounded coordinates. Crashes, leaks, undefined behaviour and hangs are findings.
#include "document/ArdoDoc.h"
#include "objects/ArdoPoly.h"
#include "plan/PlanImport.h"
#include "platform/Services.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ResetAppServices();
    CArdoDoc doc;
    PlanImportReport report;
    if (ImportPlanBytes(doc, std::span<const uint8_t>(data, size), &report) != 0) std::abort();
    if (size_t(report.Objects()) != doc.Background().size()) std::abort();
    for (const auto& obj : doc.Background()) {
        if (auto* poly = dynamic_cast<const CArdoPoly*>(obj.get()); poly && poly->PointCount() > 512) std::abort();
        const CRect& r = obj->m_position;
        for (int32_t v : {r.left, r.top, r.right, r.bottom})
            if (v > 2000000000 || v < -2000000000) std::abort();
    }
    return 0;
}
