// The symbol palette "Symbole": one small tool window for the whole program that shows the
// candidate symbols of a room group one below the other. Hovering names a symbol in the
// status bar; clicking its strokes makes it the document's current symbol.
#pragma once

#include "tools/SymbolPalette.h"
#include "tools/SymbolPaletteLayout.h"

#include <QAbstractScrollArea>

class SymbolPaletteWindow : public QAbstractScrollArea, public ISymbolPalette {
    Q_OBJECT
public:
    explicit SymbolPaletteWindow(QWidget* parent = nullptr);
    ~SymbolPaletteWindow() override;

    // --- ISymbolPalette --------------------------------------------------------------------
    void Fill(CArdoDoc& doc, const std::vector<int>& indexes) override;
    // Shows the palette tall enough for every candidate (within the screen), on top.
    void Show() override;
    void Hide() override;
    void ForgetDocument(const CArdoDoc& doc) override;

    const CSymbolPaletteLayout& Layout() const { return m_layout; }
    // The symbol table index last picked; -1 before any pick.
    int PickedIndex() const { return m_picked; }
    // The candidate under a viewport point, -1 when the point meets no strokes.
    int CandidateAt(QPoint viewportPoint) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void UpdateScrollRange();
    void ResizeToShowAll();
    void PlaceFirstTime();
    void ShowStatus(const std::string& text);

    CArdoDoc* m_doc = nullptr;
    CSymbolPaletteLayout m_layout;
    int m_picked = -1;
    bool m_placed = false;
};

// The palette of the program: created at the first call (with the first document window)
// and installed for the symbol commands. Null until then.
SymbolPaletteWindow* ProgramSymbolPalette();
SymbolPaletteWindow* EnsureProgramSymbolPalette();
