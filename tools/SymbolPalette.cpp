// The headless stand-in for the symbol palette window.
#include "tools/SymbolPalette.h"

#include "document/ArdoDoc.h"
#include "platform/Services.h"
#include "platform/StringTable.h"

namespace {
constexpr int IDS_CHOOSE_SYMBOL = 41047;  // "Bitte wählen Sie ein Symbol aus"
}

void HeadlessSymbolPalette::Show() {
    if (m_doc) m_doc->SetCurrentSymbol(-1);
    m_services.status->SetPaneText(kPanePrompt, LoadString(IDS_CHOOSE_SYMBOL));
}
