// What a view needs of the window that shows it. The shell's widget implements it; tests use
// a fake. The view never talks to a toolkit directly: sizes, scroll positions, invalidated
// rectangles, capture, cursors and off-screen pictures all pass through this interface.
// Message boxes and status panes go through the services the view was given (platform/Services.h).
#pragma once

#include "platform/DeviceBackend.h"
#include "platform/Geometry.h"

#include <memory>

// System metric indexes the view asks for.
constexpr int SM_CXVSCROLL = 2;  // width of a vertical scroll bar
constexpr int SM_CYHSCROLL = 3;  // height of a horizontal scroll bar

// An off-screen picture of w x h device pixels (the cached background, the paint buffer).
// Drawing on Backend() changes the picture; ViewHost::Blit copies it somewhere else.
// Raster operations (inverting, focus rectangles) must work on it.
class OffscreenSurface {
public:
    virtual ~OffscreenSurface() = default;
    virtual DeviceBackend& Backend() = 0;
    virtual CSize Size() const = 0;
};

class ViewHost {
public:
    virtual ~ViewHost() = default;

    // --- geometry -----------------------------------------------------------------------
    // Size of the client area in pixels (the view's GetClientRect is (0, 0, cx, cy)).
    virtual CSize GetClientSize() const = 0;
    virtual int GetSystemMetrics(int index) const = 0;

    // --- scrolling ----------------------------------------------------------------------
    // The scroll position lives in the widget. ScrollToPosition moves the scroll bars and the
    // window content to `pos` (already clamped to the range by the view) and never calls
    // back into the view's scroll handlers.
    virtual CPoint GetScrollPosition() const = 0;
    virtual void ScrollToPosition(CPoint pos) = 0;
    // The scroll extent in pixels with the page and line steps of the scroll bars.
    virtual void SetScrollSizes(CSize total, CSize page, CSize line) = 0;

    // --- repainting -----------------------------------------------------------------------
    // Marks a rectangle in client pixels for repainting; erase asks the background to be
    // cleared first (the view's paint covers every pixel, so the widget may ignore it).
    virtual void InvalidateRect(const CRect& client, bool erase) = 0;
    virtual void Invalidate(bool erase) = 0;
    // Repaints the invalidated area now.
    virtual void UpdateWindow() = 0;

    // Drawing on the visible window outside a paint: inverting marks such as the zoom
    // rubber band (DrawFocusRect). The result must show at once and stay self-erasing.
    virtual DeviceBackend& ClientDevice() = 0;

    // A new off-screen picture of w x h pixels, or null when none can be made.
    virtual std::unique_ptr<OffscreenSurface> CreateOffscreen(int w, int h) = 0;
    // Copies the whole picture of `from` onto `to` with its top-left corner at the device
    // point `at` (pixel copy, no mapping). `to` is either another surface's Backend() or the
    // backend the widget handed to the view for the current paint.
    virtual void Blit(OffscreenSurface& from, DeviceBackend& to, CPoint at) = 0;

    // --- input --------------------------------------------------------------------------
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;
    virtual bool HasCapture() const = 0;
    // A cursor id: the IDC_... values of platform/GdiTypes.h or a cursor resource number
    // (139 is the drawing cursor).
    virtual void SetCursor(int cursorId) = 0;
    // The wait cursor while the background is rebuilt.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    // --- application --------------------------------------------------------------------
    // The program was started to print a file (no dialogs, print at once).
    virtual bool IsPrintMode() const = 0;
    // Runs the print command (57607) of this view: the print loop of the shell, which calls
    // the view's printing operations (view/ViewPrinting.h).
    virtual void RunPrintCommand() = 0;
};
