#include "plan/PlanImportReader.h"

#include "document/SaveNaming.h"
#include "plan/PlanImport.h"
#include "platform/StringTable.h"

bool PlanImportReader::Accepts(const std::string& path, std::span<const uint8_t>) const { return IsPlanFileName(path); }

ReadResult PlanImportReader::Read(CArdoDoc& doc, const std::string& path) const {
    PlanImportReport report;
    ImportPlan(doc, path, &report);
    if (!report.opened) return {false, FormatString1(IDS_FILE_NOT_FOUND, path)};
    if (report.header != PlanHeaderStatus::valid) return {false, LoadString(IDS_PLAN_NOT_A_PLAN)};
    return {};
}
