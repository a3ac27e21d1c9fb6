// The document: sheet and scale settings, the two ordered object lists, the current drawing
// attributes and the symbol table; adding, removing, finding and drawing objects; opening and
// saving; and the document-wide setting changes.
#pragma once

#include "document/ChangeHistory.h"
#include "document/DocumentSettings.h"
#include "document/DocumentView.h"
#include "objects/ArdoObj.h"
#include "objects/ObjectOwner.h"
#include "objects/SymbolInfo.h"
#include "platform/GdiTypes.h"
#include "platform/Geometry.h"
#include "platform/Services.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

class CArchive;
class DocumentFormats;

constexpr int kMaxSymbols = 512;

// The values the scale-and-unit dialog hands back on OK.
struct ScaleDialogResult {
    float scale = 100.0f;           // the scale denominator typed
    std::string scaleText = "100";  // the same, as typed
    int bGridAutoAdjust = 1;
    int unitChoice = 0;  // 0 metres, 1 centimetres, 2 millimetres
};

class CArdoDoc : public ObjectOwner {
public:
    // Reads the grid colour from the settings of `services`, which also show the document's
    // messages and status texts and must outlive it.
    explicit CArdoDoc(Services& services = AppServices());
    ~CArdoDoc() override;
    CArdoDoc(const CArdoDoc&) = delete;
    CArdoDoc& operator=(const CArdoDoc&) = delete;

    // --- the symbol table (SymbolLibrary.h), not part of the history ---------------------------
    // Entries in use, 0 to kMaxSymbols; entries marked deleted keep their place.
    int SymbolCount() const { return m_nSymbols; }
    int DeletedSymbolCount() const { return m_nDeletedSymbols; }
    // Entry index, 0 <= index < kMaxSymbols; its geometry is LibraryGeometry(index).
    const SymbolInfo& SymbolEntry(int index) const { return m_symbolInfo[index]; }
    void SetSymbolEntry(int index, const SymbolInfo& info) { m_symbolInfo[index] = info; }
    // Whether the library was read; LoadSymbolLibrary reads it again when it was not.
    int SymbolsLoaded() const { return m_bSymbolsLoaded; }
    void SetSymbolsLoaded(int loaded) { m_bSymbolsLoaded = loaded; }

    // --- object lists -------------------------------------------------------------------------
    // The foreground in drawing order, and the background, drawn first and never hit. They
    // change only through the methods below, so that the change path sees every change.
    const ObjectList& Objects() const { return m_objects; }
    const ObjectList& Background() const { return m_background; }
    // Appends obj to the foreground or the background list; returns it, now the document's.
    CArdoObj* AddObject(std::unique_ptr<CArdoObj> obj);
    CArdoObj* AddBackgroundObject(std::unique_ptr<CArdoObj> obj);
    template <class T>
    T* AddObject(std::unique_ptr<T> obj) {
        return static_cast<T*>(AddObject(std::unique_ptr<CArdoObj>(std::move(obj))));
    }
    template <class T>
    T* AddBackgroundObject(std::unique_ptr<T> obj) {
        return static_cast<T*>(AddBackgroundObject(std::unique_ptr<CArdoObj>(std::move(obj))));
    }
    // Unlinks obj and hands it back (null when it was in neither list); every view drops it
    // from its selection either way.
    std::unique_ptr<CArdoObj> RemoveObject(CArdoObj* obj);
    void ClearBackground();
    // Moves the foreground object obj in the drawing order as one change ("Reihenfolge"),
    // then has sender redraw obj and every other view redraw whole. False when obj is not in
    // the foreground or cannot move that way (the first or last one step further).
    enum class Order { ToFront, ToBack, ForwardOne, BackOne };
    bool MoveObjectInOrder(CArdoObj* obj, Order where, DocumentView* sender = nullptr);
    CArdoObj* ObjectAt(CPoint pt) const;
    void DrawBackground(CDC* pDC, DocumentView* pView);
    void DrawForeground(CDC* pDC, DocumentView* pView);

    // --- sheet and scale ----------------------------------------------------------------------
    // What the file stores besides the objects (also UnitsPerMm, Scale, UnitDivisor,
    // DimTextHeight and InitialTextHeight below).
    const std::string& ScaleText() const { return m_strScale; }
    CSize PaperSize() const { return m_sizePaper; }
    CSize PaperSizeInFile() const { return m_sizePaperInFile; }
    CSize Extent() const { return m_sizeExtent; }
    float OriginX() const { return m_fOriginX; }
    float OriginY() const { return m_fOriginY; }
    COLORREF GridColor() const { return m_crGrid; }
    float GridX() const { return m_fGridX; }
    float GridY() const { return m_fGridY; }
    int GridAutoAdjust() const { return m_bGridAutoAdjust; }
    // Real length per logical unit, derived from scale, units per mm and unit.
    float RealPerUnit() const { return m_fRealPerUnit; }
    // All of them at once; setting them is a change like any other (recorded inside an open
    // change, forgetting the history outside one) and updates the derived unit and extent.
    DocumentSettings StoredSettings() const { return CurrentSettings(); }
    void SetStoredSettings(const DocumentSettings& settings);
    // Sets some of them: edit(settings) on a copy of all, then SetStoredSettings.
    template <class F>
    void EditStoredSettings(F&& edit) {
        DocumentSettings settings = CurrentSettings();
        edit(settings);
        SetStoredSettings(settings);
    }
    // Named changes of the stored values: each is one step of the history and redraws the
    // views. Grid spacing and origin are in logical units.
    void SetGrid(float x, float y, COLORREF color);
    void SetOrigin(float x, float y);

    void SetPaperSize(int widthMm, int heightMm, int bFit);
    void UpdateScaleText();
    // Steps after the scale-and-unit dialog closed with OK.
    void ApplyScaleDialog(const ScaleDialogResult& result);
    // The values the dialog opens with.
    ScaleDialogResult ScaleDialogPreset() const;

    // --- session values: not stored in the file, not changes ----------------------------------
    int Snap() const { return m_bSnap; }
    void SetSnap(int bSnap) { m_bSnap = bSnap; }
    int SnapSpacing() const { return m_nSnapSpacing; }
    void SetSnapSpacing(int spacing) { m_nSnapSpacing = spacing; }
    COLORREF CurrentLineColor() const { return m_crLine; }
    COLORREF CurrentFillColor() const { return m_crFill; }
    int CurrentFill() const { return m_bFill; }
    int CurrentLineWidth() const { return m_nLineWidth; }
    COLORREF PaperColor() const { return m_crPaper; }
    // Sets the colour around the sheet and redraws every view.
    void SetPaperColor(COLORREF color);
    void SetPixelSize(int size) { m_nPixelSize = size; }
    // The library symbol the symbol tool places; -1 for none.
    int CurrentSymbol() const { return m_nCurrentSymbol; }
    void SetCurrentSymbol(int index) { m_nCurrentSymbol = index; }
    // The version object records are read and written in: the file's while it is read, the
    // current one while it is written.
    void SetFileVersion(int version) { m_nVersion = version; }

    // --- views and the modified flag ----------------------------------------------------------
    void AddView(DocumentView* view);
    void RemoveView(DocumentView* view);
    const std::vector<DocumentView*>& Views() const { return m_views; }
    void UpdateAllViews(DocumentView* sender, int hint, const UpdateHint& what = {});
    // false: the document now matches its file. true: it differs, whatever the history says
    // (a recovered document, a change made outside the change path).
    void SetModifiedFlag(bool modified = true);
    // Differs from its file: marked so, or moved away from the history's saved position.
    bool IsModified() const { return m_bModified || !m_history.AtSaved(); }

    // --- changes and their history (DocumentChanges.cpp) ---------------------------------------
    // Opens a named change ("Verschieben", "Löschen", ...): whatever happens to the objects,
    // the lists and the settings until EndChange is one step of the history. Changes nest;
    // the outermost one names the step. DocumentChange.h holds the scoped form.
    // What a change may do to the objects already there. Only a change that edits them in
    // place needs their records up front; one that only adds, removes or reorders them, or
    // changes settings alone, is cheaper.
    enum class ChangeKind { editsObjects, listsOnly };
    void BeginChange(const std::string& name, ChangeKind kind = ChangeKind::editsObjects);
    // Renames the open change (a gesture that turned out to resize rather than move).
    void RenameChange(const std::string& name);
    // Closes the change; the outermost records the step when anything changed.
    void EndChange();
    // Puts back what the open change did so far (an interrupted gesture) and records
    // nothing; closes all nested levels.
    void CancelChange();
    bool IsChanging() const { return m_change != nullptr; }
    bool CanUndo() const { return !IsChanging() && m_history.CanUndo(); }
    bool CanRedo() const { return !IsChanging() && m_history.CanRedo(); }
    // The name of the step Undo or Redo would take; empty when there is none.
    std::string UndoName() const;
    std::string RedoName() const;
    // Takes one step back or forward; every view selects the objects the step put in place.
    // False when there was no step to take or its records could not be applied (the history
    // is then forgotten and the document left as it was).
    bool Undo();
    bool Redo();
    const ChangeHistory& History() const { return m_history; }
    // Grows with every step recorded, undone or redone, every change outside the path and
    // every load: a document whose count has not moved still holds what it held.
    uint64_t ChangeCount() const { return m_changeCount; }

    // --- file -----------------------------------------------------------------------------------
    void Serialize(CArchive& ar);
    bool OnNewDocument();
    // Reads path with the reader formats choose for it: a document file, or an import (a
    // ".cap" plan) that afterImport follows when given. Errors of documents are reported
    // through the message-box service and leave false; imports report their own and open.
    using AfterImport = std::function<void(CArdoDoc&)>;
    bool OnOpenDocument(const std::string& path, const DocumentFormats& formats, const AfterImport& afterImport = {});
    // Asks before saving under ".cap"; writes atomically; reports errors; false on failure.
    bool OnSaveDocument(const std::string& path);

    // The throwing forms the command-line tool, the benchmarks and the fuzz target use.
    // Loading throws CArchiveException or CFileException and leaves both lists empty on
    // failure; saving writes through a temporary file, so a failure keeps the old file.
    void LoadFromBytes(std::span<const uint8_t> bytes);
    std::vector<uint8_t> SaveToBytes();
    // Reads the file at path as an archive, whatever its name. Throws as LoadFromBytes does,
    // or CFileException.
    void ReadDocumentFile(const std::string& path);
    void WriteDocumentFile(const std::string& path);

    // Reads the symbol library beside the program (SymbolLibrary.h); 1 when it was read.
    int LoadSymbolLibrary();

    Services& GetServices() const { return m_services; }

    const std::string& GetPathName() const { return m_strPathName; }
    void SetPathName(const std::string& path) { m_strPathName = path; }
    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& title) { m_strTitle = title; }

    // --- what its objects read and ask of it (ObjectOwner, DocumentOwner.cpp) ----------------
    float UnitsPerMm() const override { return m_fUnitsPerMm; }
    float Scale() const override { return m_fScale; }
    int UnitDivisor() const override { return m_nUnitDivisor; }
    std::string UnitName() const override;
    int PixelSize() const override { return m_nPixelSize; }
    int DimTextHeight() const override { return m_nDimTextHeight; }
    void SetDimTextHeight(int height) override { m_nDimTextHeight = height; }
    int16_t InitialTextHeight() const override { return m_nInitialTextHeight; }
    void SetInitialTextHeight(int16_t height) override { m_nInitialTextHeight = height; }
    int FileVersion() const override { return m_nVersion; }
    void SetCurrentLineColor(COLORREF color) override { m_crLine = color; }
    void SetCurrentFillColor(COLORREF color) override { m_crFill = color; }
    void SetCurrentFill(int bFill) override { m_bFill = bFill; }
    void SetCurrentLineWidth(int width) override { m_nLineWidth = width; }
    LOGFONT TextFont() const override { return m_lfText; }
    COLORREF TextColor() const override { return m_crText; }
    void SetTextFont(const LOGFONT& lf, COLORREF color) override;
    const SymbolInfo* LibrarySymbol(int id) const override;
    const ObjectList& LibraryGeometry(int id) const override { return m_symbolObjects[id]; }
    void RedrawObject(CArdoObj* obj) override;
    void MarkModified(const CArdoObj& obj) override;

private:
    template <class Doc, class Settings, class F>
    friend void ForEachSetting(Doc& doc, Settings& s, F&& f);
    // The symbol library's reader and editor fill the table (SymbolLibrary.cpp).
    friend class SymbolTableAccess;
    struct OpenChange;
    // A change outside the change path: the history no longer fits the lists.
    void NoteUnrecordedChange();
    // Notes an object leaving a list during the open change.
    void NoteRemoval(const CArdoObj* obj, bool background);
    // Notes the background as it is before the open change first alters it.
    void NoteBackgroundChanging();
    RecordedChange RecordOpenChange();
    // Applies a recorded step backwards (undo) or forwards (redo).
    bool ApplyStep(RecordedChange& change, bool backwards);
    // Whether a lists-only change changed an object that was there before in place.
    bool OpenChangeEditedInPlace() const;
    DocumentSettings CurrentSettings() const;
    // Puts the stored values back as they were, with the derived unit and extent.
    void RestoreSettings(const DocumentSettings& settings);

    // --- state, in declaration order --------------------------------------------------------
    int m_nVersion = 23;
    std::string m_strScale = "1";
    CSize m_sizePaper{105, 149};
    float m_fUnitsPerMm = 200.0f;
    float m_fScale = 100.0f;
    int m_nUnitDivisor = 1000;
    float m_fOriginX = 0.0f;
    float m_fOriginY = 0.0f;
    LOGFONT m_lfText{};
    COLORREF m_crText = RGB(64, 64, 64);
    COLORREF m_crLine = 0;
    COLORREF m_crFill = RGB(192, 192, 192);
    int m_bFill = 1;
    int m_nLineWidth = 0;
    int m_nSymbols = 0;
    int m_nDeletedSymbols = 0;
    int m_nCurrentSymbol = -1;
    ObjectList m_symbolObjects[kMaxSymbols];  // geometry of each library symbol
    SymbolInfo m_symbolInfo[kMaxSymbols];
    int m_bSymbolsLoaded = 0;
    float m_fRealPerUnit = 0.0f;
    char m_szUnit[20] = "-";
    int m_nDimTextHeight = 5;
    COLORREF m_crGrid = RGB(0, 0, 128);
    float m_fGridX = 1000.0f;
    float m_fGridY = 1000.0f;
    int m_bGridAutoAdjust = 1;
    int m_nSnapSpacing = 10;
    int m_bSnap = 1;
    CSize m_sizeExtent{21000, 29800};
    COLORREF m_crPaper = RGB(192, 192, 192);
    int m_nPixelSize = 1;
    // The paper size pair exactly as the last file read stored it (before SetPaperSize
    // recomputed the sheet from it), so a lossless dump can reproduce the file.
    CSize m_sizePaperInFile{105, 149};
    // Height given to new labels before their text is measured. Every text record carries
    // it, and each text record read replaces it.
    int16_t m_nInitialTextHeight = -9;

    ObjectList m_objects;     // foreground, drawing order
    ObjectList m_background;  // background, drawn first, never hit
    Services& m_services;
    std::vector<DocumentView*> m_views;
    bool m_bModified = false;
    ChangeHistory m_history;
    std::unique_ptr<OpenChange> m_change;
    uint64_t m_changeCount = 0;
    std::string m_strPathName;
    std::string m_strTitle = "Unbenannt";
};
