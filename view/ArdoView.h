// The view of a document: the mapping from sheet to window, zoom and scrolling, the paint
// path with its cached background, the grid toggle and coordinate readout, invalidation by
// update hints, and the selection list. A widget drives it through the entry points below
// and receives its requests through ViewHost.
#pragma once

#include "document/DocumentView.h"
#include "platform/Services.h"
#include "view/InputToolSink.h"
#include "view/PrintInfo.h"
#include "view/ViewCommands.h"
#include "view/ViewEditCommands.h"
#include "view/ViewHost.h"

#include <memory>
#include <optional>
#include <vector>

class CArdoDoc;

class CArdoView : public DocumentView {
public:
    // Registers with the document; reads the grid flags from the user settings. Message
    // boxes, status panes, settings, the clipboard and the colour dialog are those of
    // `services`, which must outlive the view.
    CArdoView(CArdoDoc& doc, ViewHost& host, Services& services = AppServices());
    ~CArdoView() override;
    CArdoView(const CArdoView&) = delete;
    CArdoView& operator=(const CArdoView&) = delete;

    CArdoDoc& GetDocument() const { return m_doc; }
    ViewHost& Host() const { return m_host; }
    Services& GetServices() const { return m_services; }
    // The tool framework; events go nowhere while none is set.
    void SetToolSink(InputToolSink* sink) { m_toolSink = sink; }
    InputToolSink* ToolSink() const { return m_toolSink; }

    // --- mapping (coordinate mapping and zoom) ------------------------------------------
    // Sets the screen mapping, or the printer mapping when dc prints.
    void OnPrepareDC(CDC& dc, const PrintInfo* info = nullptr);
    void OnInitialUpdate();
    void OnSize(int type, int cx, int cy);
    // Scroll bar events: bar SB_HORZ/SB_VERT, a ScrollCode and the thumb position.
    bool OnScroll(int bar, int code, int thumbPos, bool doScroll = true);
    // Scrolls by an amount of pixels (also the mouse wheel); true when it scrolled.
    bool OnScrollBy(CSize amount, bool doScroll = true);
    // Wheel turns in units of 120 per notch; three lines per notch.
    bool OnMouseWheel(int zDelta);
    bool ApplyScrollSizes(bool apply);
    void ClientToLogical(CPoint& point) const;
    void ClientToLogical(CRect& rect) const;
    void LogicalToClient(CRect& rect) const;
    CPoint SnapToGrid(CPoint client);
    void StartZoomRect(CPoint client);
    void ZoomToRect(CPoint client);
    void FullView();

    // --- painting -----------------------------------------------------------------------
    // The widget's paint: prepares a context over the window backend and draws.
    void OnPaint(DeviceBackend& window);
    // Paints the view (off-screen, with the cached background) or a printed page.
    void OnDraw(CDC& dc);
    bool OnEraseBkgnd() const { return true; }
    void InvalidateObject(const CArdoObj* obj) override;
    void OnUpdate(DocumentView* sender, int hint, const UpdateHint& what) override;
    void OnActivateView(bool activate);
    void DiscardBackground();

    // --- input (window points in client pixels) ------------------------------------------
    void OnLButtonDown(unsigned flags, CPoint point);
    void OnLButtonUp(unsigned flags, CPoint point);
    void OnLButtonDblClk(unsigned flags, CPoint point);
    void OnMouseMove(unsigned flags, CPoint point);
    void OnRButtonDown(unsigned flags, CPoint point);
    // Arrow keys scroll (commands 32812-32815); other keys are the shell's accelerators.
    void OnKeyDown(unsigned key, unsigned repeat, unsigned flags);
    void OnChar(unsigned ch, unsigned repeat, unsigned flags);
    // Escape (command 32768): releases the capture and cancels the current tool.
    void OnCancel();
    void UpdateCoordinateReadout(CPoint client);

    // --- commands -----------------------------------------------------------------------
    // Runs a view command; false when the id is not the view's.
    bool OnCommand(int id);
    // Enabled/checked state of a view command; none when the id is not the view's.
    std::optional<CommandUpdate> OnUpdateCommand(int id) const;

    // --- selection (view/ViewSelection.cpp) ---------------------------------------------
    void Select(CArdoObj* obj, bool add = false);
    // Selects every object that meets the client rectangle.
    void SelectWithinRect(CRect client, bool add = false);
    void Deselect(CArdoObj* obj);
    void RemoveFromSelection(CArdoObj* obj) override;
    bool IsSelected(const CArdoObj* obj) const override;
    void RecalcSelectionBounds();
    const std::vector<CArdoObj*>& Selection() const { return m_selection; }

    // --- edit commands (view/ViewEditCommands.cpp, view/ViewEditClipboard.cpp) ------------
    // Copies the selection to the clipboard as "Kovel Format"; false when that failed.
    bool OnEditCopy();
    void OnEditCut();
    // Pastes "Kovel Format" centred in the visible part; damaged bytes change nothing.
    void OnEditPaste();
    void OnEditDelete();
    void OnEditSelectAll();
    // 32777 to front, 32778 to back, 32779 one step forward, 32780 one step back.
    void OnZOrder(int id);
    void OnLineColor();
    void OnFillColor();
    // Right button or context key: the menu to show and where. screenPoint (-1, -1) means the
    // keyboard asked; clientOriginOnScreen is the client area's top-left on the screen.
    ContextMenuRequest OnContextMenu(CPoint screenPoint, CPoint clientOriginOnScreen) const;

    // --- what the document and the objects ask of a view --------------------------------
    int GetHandleSize() const override { return m_handleSize; }
    bool IsActiveView() const override { return m_active; }
    void OnExtentChanged(CSize extent) override;
    CRect GetLogicalClipRect(CDC* pDC) const override;

    // --- printing (view/ViewPrinting.cpp) ----------------------------------------------
    void OnPreparePrinting(PrintInfo& info);
    void OnBeginPrinting(CDC& dc, PrintInfo& info);
    void OnPrint(CDC& dc, PrintInfo& info);
    void OnEndPrinting(CDC& dc, PrintInfo& info);

    // --- mapping and zoom state ----------------------------------------------------------
    double m_zoomFactor = 1.0;
    double m_printZoom = 1.0;
    double m_pixelsPerUnit = 1.0;
    double m_negPixelsPerUnit = -1.0;
    double m_appliedPixelsPerUnit = 0.0;
    double m_fullViewPixelsPerUnit = 1.0;
    CSize m_scrollTotal{0, 0};
    bool m_zoomMode = false;
    bool m_zoomDragging = false;
    bool m_zoomed = false;
    bool m_zoomTooLarge = false;
    bool m_initialised = false;
    CPoint m_zoomOrigin;      // logical point at the client's top-left
    CPoint m_zoomAnchor;      // client
    CPoint m_zoomCorner;      // client
    CPoint m_zoomTopLeft;     // logical
    CRect m_zoomClientRect;   // client rectangle of the last unzoomed mapping
    CPoint m_fullViewScroll;  // scroll position before the first zoom
    CPoint m_originDevice;    // device position of logical (0, 0)
    CRect m_clientLogical;    // client rectangle in logical units
    int m_handleSize = 0;     // logical width of 3 device pixels
    double m_printUnitFactor = 0.0;

    // --- paint state ------------------------------------------------------------------------
    std::unique_ptr<OffscreenSurface> m_backgroundBitmap;
    bool m_backgroundValid = false;
    bool m_gridVisible = true;
    bool m_printGrid = false;
    bool m_active = false;
    bool m_showEmbeddedObjects = true;  // "&OLE Objekte anzeigen", an option of this view
    std::vector<CArdoObj*> m_selection;
    CRect m_selectionBounds;  // union of the selected objects' normalised rectangles

private:
    void PrepareScreenMapping(CDC& dc);
    void PreparePrinterMapping(CDC& dc);
    // A context on the visible window, prepared with the view's mapping.
    CDC PreparedClientDC();
    CRect ClientRect() const;
    // Scroll position clamped to the range the last applied scroll sizes allow.
    CPoint ClampScroll(CPoint pos) const;
    void ScrollTo(CPoint pos);
    void ArrowScroll(CSize delta);
    void DrawRubberBand();
    void EndZoomRect(CPoint client);
    void ToggleZoomMode();
    void ToggleGrid();
    void TogglePrintGrid();
    void DrawBackgroundInto(OffscreenSurface& target, const CRect& r);
    void InvalidateObjects(const std::vector<CArdoObj*>& objects);
    bool OnEditCommand(int id);
    std::optional<CommandUpdate> OnUpdateEditCommand(int id) const;
    // Ends a gesture still under way before a command changes the selection.
    void EndGestureInProgress();

    CArdoDoc& m_doc;
    ViewHost& m_host;
    Services& m_services;
    InputToolSink* m_toolSink = nullptr;
    CSize m_appliedScrollTotal{0, 0};  // what SetScrollSizes got last
};
