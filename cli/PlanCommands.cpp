// convert and symbols: the plan import and the symbol library from the command line.
#include "cli/Commands.h"

#include "document/ArdoDoc.h"
#include "document/SymbolLibrary.h"
#include "document/SymbolListing.h"
#include "plan/PlanImportReader.h"
#include "platform/StringTable.h"

#include <cstdio>
#include <iostream>

int RunConvert(const Arguments& args, const DocumentFormats&) {
    if (args.size() != 2) return Usage("convert PLAN.cap DOC.cpr");
    // Whatever its name, the file is imported as a plan.
    CArdoDoc doc;
    const ReadResult imported = PlanImportReader().Read(doc, args[0]);
    if (!imported.ok) {
        PrintError(imported.message);
        return 1;
    }
    if (!imported.warning.empty()) PrintError(imported.warning);
    return SaveDocument(doc, args[1], args[0]) ? 0 : 1;
}

int RunSymbols(const Arguments& args, const DocumentFormats&) {
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
