// The symbol palette as the symbol commands see it: one window that offers several library
// symbols to pick from. The shell installs its window in the tool framework; without one a
// headless stand-in keeps the document's state as the window would.
#pragma once

#include <vector>

class CArdoDoc;
struct Services;

class ISymbolPalette {
public:
    virtual ~ISymbolPalette() = default;
    // Takes copies of the candidates' geometry (symbol table indexes, in order).
    virtual void Fill(CArdoDoc& doc, const std::vector<int>& indexes) = 0;
    // Shows the palette; showing sets the document's current symbol to -1.
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // The document is closing: drop every reference to it.
    virtual void ForgetDocument(const CArdoDoc& doc) = 0;
};

// Without a window nothing can be picked; showing still leaves no symbol chosen.
class HeadlessSymbolPalette : public ISymbolPalette {
public:
    // services: whose status bar showing asks for a pick in.
    explicit HeadlessSymbolPalette(Services& services) : m_services(services) {}
    void Fill(CArdoDoc& doc, const std::vector<int>&) override { m_doc = &doc; }
    void Show() override;
    void Hide() override {}
    void ForgetDocument(const CArdoDoc& doc) override {
        if (m_doc == &doc) m_doc = nullptr;
    }

private:
    Services& m_services;
    CArdoDoc* m_doc = nullptr;
};
