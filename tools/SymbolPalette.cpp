// The installed symbol palette and the headless stand-in used without a shell.
#include "tools/SymbolPalette.h"

#include "document/ArdoDoc.h"
#include "platform/Services.h"
#include "platform/StringTable.h"

namespace {

constexpr int IDS_CHOOSE_SYMBOL = 41047;  // "Bitte wählen Sie ein Symbol aus"

// Without a window nothing can be picked; showing still leaves no symbol chosen.
class HeadlessPalette : public ISymbolPalette {
public:
    void Fill(CArdoDoc& doc, const std::vector<int>&) override { m_doc = &doc; }
    void Show() override {
        if (m_doc) m_doc->m_nCurrentSymbol = -1;
        AppServices().status->SetPaneText(kPanePrompt, LoadString(IDS_CHOOSE_SYMBOL));
    }
    void Hide() override {}
    void ForgetDocument(const CArdoDoc& doc) override {
        if (m_doc == &doc) m_doc = nullptr;
    }

private:
    CArdoDoc* m_doc = nullptr;
};

HeadlessPalette g_headless;
ISymbolPalette* g_palette = nullptr;

}  // namespace

ISymbolPalette& SymbolPalette() { return g_palette ? *g_palette : g_headless; }

void SetSymbolPalette(ISymbolPalette* palette) { g_palette = palette; }
