// Feeds arbitrary bytes to the symbol library reader. What it accepts is then placed and
// drawn, so damaged geometry is exercised the way a document would use it.
#include "document/ArdoDoc.h"
#include "document/SymbolLibrary.h"
#include "objects/ArdoSymbol.h"
#include "objects/ObjectClasses.h"
#include "platform/Archive.h"
#include "platform/DeviceContext.h"
#include "platform/RecordingBackend.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool registered = (RegisterDrawingObjectClasses(), true);
    (void)registered;
    static CArdoDoc doc;  // the reader empties the table before each library

    try {
        ReadSymbolLibrary(doc, std::span(data, size));
    } catch (const CArchiveException&) {
        return 0;
    }
    RecordingBackend backend;
    CDC dc(backend);
    for (int i = 0; i < doc.SymbolCount(); ++i) {
        CArdoSymbol symbol(CRect(1000, 1000, 3000, 2000), i);
        symbol.SetDocument(&doc);
        symbol.m_flags = doc.SymbolEntry(i).nFlags;
        symbol.Draw(&dc, CRect(0, 0, 32767, 32767));
        symbol.MoveHandleTo(5, {500, 2500}, nullptr);
        symbol.Draw(&dc, CRect(0, 0, 32767, 32767));
        backend.Clear();
    }
    // What was read must write back.
    (void)WriteSymbolLibrary(doc);
    return 0;
}
