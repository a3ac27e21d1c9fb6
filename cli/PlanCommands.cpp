// convert and symbols: the plan import and the symbol library from the command line.
#include "cli/Commands.h"

#include "document/ArdoDoc.h"
#include "plan/PlanImport.h"
#include "document/SymbolLibrary.h"
#include "document/SymbolListing.h"
#include "platform/StringTable.h"

#include <cstdio>
#include <iostream>

namespace {
constexpr int IDS_FILE_NOT_FOUND = 61729;
}

bool ImportPlanForCli(CArdoDoc& doc, const std::string& path) {
    PlanImportReport report;
    ImportPlan(doc, path, &report);
    if (!report.opened) {
        PrintError(FormatString1(IDS_FILE_NOT_FOUND, path));
        return false;
    }
    if (report.header != PlanHeaderStatus::valid) {
        PrintError(LoadString(IDS_PLAN_NOT_A_PLAN));
        return false;
    }
    return true;
}

int RunConvert(const Arguments& args) {
    if (args.size() != 2) return Usage("convert PLAN.cap DOC.cpr");
    CArdoDoc doc;
    if (!ImportPlanForCli(doc, args[0])) return 1;
    return SaveDocument(doc, args[1]) ? 0 : 1;
}

int RunSymbols(const Arguments& args) {
    if (args.size() > 1) return Usage("symbols [LIBRARY]");
    CArdoDoc doc;
    const bool loaded = args.empty() ? LoadSymbolLibrary(doc) : LoadSymbolLibraryFrom(doc, args[0]);
    if (!loaded) {
        PrintError(LoadString(57456));
        return 1;
    }
    std::cout << FormatSymbolListing(ListSymbols(doc)) << std::flush;
    return 0;
}
