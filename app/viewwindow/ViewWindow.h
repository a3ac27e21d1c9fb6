// The document window: a scroll area that shows one CArdoView. It turns Qt's paint, size,
// scroll, mouse, wheel and key events into calls on the view, serves the view's requests
// (ViewHost) and answers the view's commands and printing (CommandTarget).
#pragma once

#include "app/frame/CommandTarget.h"
#include "app/viewwindow/ClientDevice.h"
#include "view/ArdoView.h"
#include "view/ViewHost.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QMenu>
#include <QPointer>

#include <memory>

class CArdoDoc;
class QMdiSubWindow;

class ViewWindow : public QAbstractScrollArea, public ViewHost, public CommandTarget {
    Q_OBJECT
public:
    ViewWindow(std::shared_ptr<CArdoDoc> doc, QWidget* parent = nullptr);
    ~ViewWindow() override;

    CArdoView& View() { return *m_view; }
    CArdoDoc& Document() { return *m_doc; }
    const std::shared_ptr<CArdoDoc>& SharedDocument() const { return m_doc; }

    // The view becomes the active view (handles shown, status panes, cursor target) or not.
    // Inside an MDI area this follows the area's activation by itself.
    void SetActive(bool active);
    // The picture the window shows now (for tests and screenshots).
    QImage Picture();
    // Shows the view's pop-up menu at a screen point; (-1, -1) asks for the keyboard's place
    // (the client area's top-left moved by (5, 5)). Returns the menu while it is open.
    QMenu* ShowContextMenu(CPoint screenPoint);
    // The pop-up menu while it is open, else null.
    QMenu* OpenContextMenu() const { return m_contextMenu.data(); }

    // --- CommandTarget ----------------------------------------------------------------------
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

    // --- ViewHost -------------------------------------------------------------------------
    CSize GetClientSize() const override;
    int GetSystemMetrics(int index) const override;
    CPoint GetScrollPosition() const override { return m_scrollPos; }
    void ScrollToPosition(CPoint pos) override;
    void SetScrollSizes(CSize total, CSize page, CSize line) override;
    void InvalidateRect(const CRect& client, bool erase) override;
    void Invalidate(bool erase) override;
    void UpdateWindow() override;
    DeviceBackend& ClientDevice() override { return m_clientDevice; }
    std::unique_ptr<OffscreenSurface> CreateOffscreen(int w, int h) override;
    void Blit(OffscreenSurface& from, DeviceBackend& to, CPoint at) override;
    void SetCapture() override;
    void ReleaseCapture() override;
    bool HasCapture() const override { return m_capture; }
    void SetCursor(int cursorId) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    bool IsPrintMode() const override;
    void RunPrintCommand() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Tab belongs to the drawing tools (it takes a vertex back), not to focus changes.
    bool focusNextPrevChild(bool next) override;

private:
    // The front picture in the viewport's size (a new one is grey until painted).
    QImage& Front();
    // Repaints the front picture through the view when something was invalidated.
    void Compose();
    void ApplyScrollRanges();
    void FollowMdiActivation();
    void UpdateTitle();

    std::shared_ptr<CArdoDoc> m_doc;  // declared before the view, which unregisters first
    ::ClientDevice m_clientDevice;
    std::unique_ptr<CArdoView> m_view;

    QImage m_front;
    bool m_dirty = true;  // the front picture must be repainted by the view
    CPoint m_scrollPos;   // the scroll position the view sees
    CSize m_scrollTotal;  // the extent the view asked for
    CSize m_scrollLine{1, 1};
    int m_scrollGuard = 0;  // >0 while this window moves the scroll bars itself
    bool m_capture = false;
    int m_waitCursors = 0;
    bool m_initialised = false;
    bool m_printedInPrintMode = false;
    QPointer<QMdiSubWindow> m_subWindow;
    QPointer<QMenu> m_contextMenu;
};
