// A placed furniture or fitting symbol: a turned and scaled copy of a library symbol's
// geometry inside a box of any orientation. The instance keeps only the library number, the
// box (four corners and two unit axes), its length and width, flags and a note; the geometry
// is read from the document's symbol table at every drawing.
#pragma once

#include "objects/ArdoObj.h"

#include <string>

struct SymbolInfo;

// The turning cursor shown on the corner handles.
constexpr int IDC_SYMBOL_TURN = 134;

class CArdoSymbol : public CArdoObj {
    DECLARE_SERIAL(CArdoSymbol)
public:
    // Property bits of m_flags (and of the library's symbol entries). The symbol itself acts
    // on kCornerScales and kDefaultSize; the attributes dialog shows all five.
    static constexpr uint32_t kLengthChanges = 0x1;  // the length may be changed
    static constexpr uint32_t kWidthChanges = 0x2;   // the width may be changed
    static constexpr uint32_t kCornerScales = 0x4;   // corner handles scale the box
    static constexpr uint32_t kRotates = 0x8;        // the symbol may be turned
    static constexpr uint32_t kDefaultSize = 0x10;   // the box keeps the library's default size; the same bit as
                                                     // kCornerHandlesOnly
    // Library class of the markers, whose only property is their note.
    static constexpr int kMarkerClass = 27;

    struct Vec {
        double x = 0.0;
        double y = 0.0;
        bool operator==(const Vec&) const = default;
    };

    CArdoSymbol();  // for reading
    // The box (left, top) - (right, bottom): c0 = (left, top), c1 = (right, top),
    // c2 = (left, bottom), c3 = (right, bottom).
    CArdoSymbol(const CRect& position, int nSymbolId);

    void Serialize(CArchive& ar) override;
    int GetHandleCount() const override { return 8; }
    CPoint GetHandle(int nHandle) const override;
    int GetHandleCursor(int nHandle) const override;
    int GetSymbolId() const override { return m_nSymbolId; }
    void Draw(CDC* pDC, CRect clip) override;
    void MoveTo(const CRect& position, ObjectView* pView, int bQuiet = 0) override;
    int Intersects(const CRect& rect) const override;
    void MoveHandleTo(int nHandle, CPoint point, ObjectView* pView) override;
    int OnEditProperties(ObjectView* pView) override;
    // The copy takes this symbol's place; this symbol steps aside by a fifth of its size.
    std::unique_ptr<CArdoObj> Clone() const override;
    virtual void EditNote(ObjectView* pView);

    // Bounds of the corners, normalised; redraws old and new area when they changed.
    bool RecalcBounds(ObjectView* pView);

    std::string m_strNote;
    int m_bCapturePivot = 1;
    CPoint m_corners[4];
    Vec m_u1{1.0, 0.0};
    Vec m_u2{0.0, 1.0};
    float m_fLength = 1.0f;
    float m_fWidth = 1.0f;
    int m_nSymbolId = 0;
    float m_fDiagAngle = 0.0f;
    float m_fDiagLength = 0.0f;

private:
    // The library record of m_nSymbolId, or null when the id names no table entry.
    const SymbolInfo* LibraryInfo() const;
    void RecalcDiagonal();
    void MoveEdgeHandle(int nHandle, CPoint p);
    // False when the drag step is to be ignored.
    bool MoveCornerHandle(int nHandle, CPoint p);
    void ApplyDialog(const struct SymbolDialogValues& values);

    CPoint m_pivot;  // c3 remembered for a whole drag of handle 1
};
