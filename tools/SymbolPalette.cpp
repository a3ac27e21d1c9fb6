// The headless stand-in for the symbol palette window.
#include "tools/SymbolPalette.h"

#include "document/ArdoDoc.h"
#include "platform/Services.h"

void HeadlessSymbolPalette::Show() {
    if (m_doc) m_doc->m_nCurrentSymbol = -1;
    m_services.status->SetPaneText(0, "Bitte wählen Sie ein Symbol aus");
}
