// What a drawing object needs of the document it belongs to: the sheet's scale and units,
// the current drawing attributes that its setters update, the symbol library, and the
// requests to redraw it, mark the document modified and take in a clone. The document
// implements it; objects reach it through m_pDocument, and an object that belongs to no
// document uses the values of a new document instead.
#pragma once

#include "platform/GdiTypes.h"

#include <memory>
#include <string>
#include <vector>

class CArdoObj;
struct SymbolInfo;

using ObjectList = std::vector<std::unique_ptr<CArdoObj>>;

class ObjectOwner {
public:
    virtual ~ObjectOwner() = default;

    // --- the sheet, read by drawing, hit tests and the measuring labels -------------------
    virtual float UnitsPerMm() const = 0;      // logical units per millimetre of paper
    virtual float Scale() const = 0;           // the scale denominator
    virtual int UnitDivisor() const = 0;       // 1000 metres, 10 centimetres, 1 millimetres
    virtual std::string UnitName() const = 0;  // "m", "cm", "mm" or "-"
    virtual int PixelSize() const = 0;         // logical units of one device pixel of the view
    virtual int DimTextHeight() const = 0;     // measuring labels, millimetres of paper
    virtual void SetDimTextHeight(int height) = 0;
    // The height stored in text records for labels not yet measured; a read record sets it.
    virtual int16_t InitialTextHeight() const = 0;
    virtual void SetInitialTextHeight(int16_t height) = 0;
    // The version of the file being read; older records lack some fields.
    virtual int FileVersion() const = 0;

    // --- current attributes: what a new object gets; an object's setters make theirs current
    virtual void SetCurrentLineColor(COLORREF color) = 0;
    virtual void SetCurrentFillColor(COLORREF color) = 0;
    virtual void SetCurrentFill(int bFill) = 0;
    virtual void SetCurrentLineWidth(int width) = 0;
    virtual LOGFONT TextFont() const = 0;
    virtual COLORREF TextColor() const = 0;
    virtual void SetTextFont(const LOGFONT& lf, COLORREF color) = 0;

    // --- the symbol library ------------------------------------------------------------------
    // The entry of a symbol id; null when the id names none.
    virtual const SymbolInfo* LibrarySymbol(int id) const = 0;
    // The geometry of an entry LibrarySymbol found: its frame first, then what it holds.
    virtual const ObjectList& LibraryGeometry(int id) const = 0;

    // --- requests ---------------------------------------------------------------------------------
    virtual void RedrawObject(CArdoObj* obj) = 0;  // in every view that shows it
    // obj has changed (after the change).
    virtual void MarkModified(const CArdoObj& obj) = 0;
};
