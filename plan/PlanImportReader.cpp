#include "plan/PlanImportReader.h"

#include "document/DocumentFile.h"
#include "document/SaveNaming.h"
#include "plan/PlanImport.h"
#include "platform/StringTable.h"

namespace {
constexpr int IDS_PLAN_ENDS_EARLY = 41207;
}

bool PlanImportReader::Accepts(const std::string& path, std::span<const uint8_t>) const { return IsPlanFileName(path); }

ReadResult PlanImportReader::Read(CArdoDoc& doc, const std::string& path) const {
    PlanImportReport report;
    ImportPlan(doc, path, &report);
    if (!report.opened) {
        const std::string message = report.openError ? DocumentErrorText(report.openError, FileOperation::load, path)
                                                     : FormatString1(IDS_FILE_NOT_FOUND, FileTitleOf(path));
        return {false, message, false, {}};
    }
    if (report.header != PlanHeaderStatus::valid) return {false, LoadString(IDS_PLAN_NOT_A_PLAN)};
    // A record cut off by the file's end: what came before it is imported.
    if (report.end == PlanStreamEnd::cutShort)
        return {true, {}, true, FormatString1(IDS_PLAN_ENDS_EARLY, FileTitleOf(path))};
    return {};
}
