#include "app/viewwindow/ViewWindow.h"

#include "app/frame/MainFrame.h"
#include "app/print/PrintCommands.h"
#include "app/viewwindow/ContextMenu.h"
#include "app/viewwindow/ImageSurface.h"
#include "app/viewwindow/ProgramCursors.h"
#include "app/viewwindow/ViewWindowFactory.h"
#include "commands/CommandIds.h"
#include "document/ArdoDoc.h"
#include "platform/Services.h"
#include "platform/qt/QtConvert.h"
#include "platform/qt/QtCursors.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>

namespace {
// The colour a window shows before the view first painted it.
const QColor kUnpainted(192, 192, 192);

unsigned MouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    unsigned flags = 0;
    if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
    if (modifiers & Qt::ShiftModifier) flags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier) flags |= MK_CONTROL;
    return flags;
}

CPoint EventPoint(const QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    return CPoint(p.x(), p.y());
}
}  // namespace

ViewWindow::ViewWindow(std::shared_ptr<CArdoDoc> doc, QWidget* parent)
    : QAbstractScrollArea(parent),
      m_doc(std::move(doc)),
      m_clientDevice([this]() -> QImage& { return Front(); }, [this] { viewport()->update(); }) {
    // The sheet's fit always leaves a little to scroll, so both bars stay; bars that came
    // and went would resize the window and refit the sheet again.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
    setMinimumSize(120, 120);
    UpdateTitle();

    m_view = std::make_unique<CArdoView>(*m_doc, *this, AppServices());
    // The framework's initial update: sizing and full view, then an update of the whole
    // window (which prints at once when the program was started to print).
    m_initialised = true;
    m_view->OnInitialUpdate();
    m_view->OnUpdate(nullptr, HINT_ALL, {});
}

ViewWindow::~ViewWindow() {
    while (m_waitCursors > 0) EndWaitCursor();
    if (auto* cursors = dynamic_cast<QtCursors*>(AppServices().cursors); cursors && cursors->Target() == viewport())
        cursors->SetTarget(nullptr);
    m_view.reset();
}

void ViewWindow::UpdateTitle() { setWindowTitle(QString::fromStdString(m_doc->GetTitle())); }

// --- activation -----------------------------------------------------------------------------

void ViewWindow::SetActive(bool active) {
    m_view->OnActivateView(active);
    if (!active) return;
    if (auto* cursors = dynamic_cast<QtCursors*>(AppServices().cursors)) cursors->SetTarget(viewport());
    // Each document shows its own scale while its window is active.
    m_doc->UpdateScaleText();
}

void ViewWindow::FollowMdiActivation() {
    if (m_subWindow) return;
    QMdiSubWindow* sub = nullptr;
    for (QWidget* w = parentWidget(); w && !sub; w = w->parentWidget()) sub = qobject_cast<QMdiSubWindow*>(w);
    if (!sub || !sub->mdiArea()) return;
    m_subWindow = sub;
    QMdiArea* area = sub->mdiArea();
    connect(area, &QMdiArea::subWindowActivated, this,
            [this](QMdiSubWindow* activated) { SetActive(activated && activated == m_subWindow); });
    if (area->activeSubWindow() == sub) SetActive(true);
}

void ViewWindow::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    FollowMdiActivation();
}

void ViewWindow::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

// --- painting -------------------------------------------------------------------------------

QImage& ViewWindow::Front() {
    const QSize size = viewport()->size();
    if (m_front.size() != size) {
        m_front = size.isEmpty() ? QImage() : QImage(size, QImage::Format_RGB32);
        if (!m_front.isNull()) m_front.fill(kUnpainted);
        m_dirty = true;
    }
    return m_front;
}

void ViewWindow::Compose() {
    QImage& front = Front();
    if (!m_dirty || front.isNull()) return;
    m_dirty = false;
    QPainter painter(&front);
    {
        PainterBackend backend(painter);
        m_view->OnPaint(backend);
    }
    // Inverting marks of a drag in progress stay; otherwise the repaint wiped them.
    if (m_capture)
        m_clientDevice.ReapplyMarks(painter);
    else
        m_clientDevice.ClearMarks();
}

QImage ViewWindow::Picture() {
    Compose();
    return m_front;
}

void ViewWindow::paintEvent(QPaintEvent* event) {
    Compose();
    QPainter painter(viewport());
    if (m_front.isNull()) return;
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(event->rect(), m_front, event->rect());
}

void ViewWindow::InvalidateRect(const CRect& client, bool) {
    m_dirty = true;
    const CRect r = client.Normalized();
    viewport()->update(QRect(r.left, r.top, r.Width(), r.Height()));
}

void ViewWindow::Invalidate(bool) {
    m_dirty = true;
    viewport()->update();
}

void ViewWindow::UpdateWindow() {
    if (viewport()->isVisible())
        viewport()->repaint();
    else
        Compose();
}

std::unique_ptr<OffscreenSurface> ViewWindow::CreateOffscreen(int w, int h) { return ImageSurface::Create(w, h); }

void ViewWindow::Blit(OffscreenSurface& from, DeviceBackend& to, CPoint at) {
    auto* source = dynamic_cast<ImageSurface*>(&from);
    if (!source) return;
    if (&to == &m_clientDevice) {
        QImage& front = Front();
        if (front.isNull()) return;
        {
            QPainter painter(&front);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(QPoint(at.x, at.y), source->Image());
        }
        viewport()->update();
        return;
    }
    BlitImage(source->Image(), to, at);
}

// --- geometry and scrolling -------------------------------------------------------------------

CSize ViewWindow::GetClientSize() const { return CSize(viewport()->width(), viewport()->height()); }

int ViewWindow::GetSystemMetrics(int index) const {
    if (index == SM_CXVSCROLL || index == SM_CYHSCROLL)
        return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return 0;
}

void ViewWindow::ApplyScrollRanges() {
    const QSize client = viewport()->size();
    const int maxX = std::max(0, m_scrollTotal.cx - client.width());
    const int maxY = std::max(0, m_scrollTotal.cy - client.height());
    ++m_scrollGuard;
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, maxX);
    v->setRange(0, maxY);
    h->setPageStep(std::max(1, std::min(client.width(), m_scrollTotal.cx / 10)));
    v->setPageStep(std::max(1, std::min(client.height(), m_scrollTotal.cy / 10)));
    h->setSingleStep(std::max(1, m_scrollLine.cx));
    v->setSingleStep(std::max(1, m_scrollLine.cy));
    const CPoint clamped(std::clamp(m_scrollPos.x, 0, maxX), std::clamp(m_scrollPos.y, 0, maxY));
    if (clamped != m_scrollPos) {
        m_scrollPos = clamped;
        m_dirty = true;
        viewport()->update();
    }
    h->setValue(m_scrollPos.x);
    v->setValue(m_scrollPos.y);
    --m_scrollGuard;
}

void ViewWindow::SetScrollSizes(CSize total, CSize, CSize line) {
    m_scrollTotal = total;
    m_scrollLine = line;
    ApplyScrollRanges();
}

void ViewWindow::ScrollToPosition(CPoint pos) {
    if (pos == m_scrollPos) return;
    m_scrollPos = pos;
    ++m_scrollGuard;
    horizontalScrollBar()->setValue(pos.x);
    verticalScrollBar()->setValue(pos.y);
    --m_scrollGuard;
    m_dirty = true;
    viewport()->update();
}

void ViewWindow::scrollContentsBy(int, int) {
    if (m_scrollGuard) return;
    // The user moved a scroll bar: the view scrolls (and discards its background).
    const int x = horizontalScrollBar()->value();
    const int y = verticalScrollBar()->value();
    if (x != m_scrollPos.x) m_view->OnScroll(SB_HORZ, SB_THUMBTRACK, x);
    if (y != m_scrollPos.y) m_view->OnScroll(SB_VERT, SB_THUMBTRACK, y);
    // A scroll the view refused leaves the bars where the view is.
    ++m_scrollGuard;
    horizontalScrollBar()->setValue(m_scrollPos.x);
    verticalScrollBar()->setValue(m_scrollPos.y);
    --m_scrollGuard;
}

void ViewWindow::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    m_dirty = true;
    const QSize size = viewport()->size();
    m_view->OnSize(0, size.width(), size.height());
    ApplyScrollRanges();
}

// --- input ----------------------------------------------------------------------------------

void ViewWindow::mousePressEvent(QMouseEvent* event) {
    const unsigned flags = MouseFlags(event->buttons(), event->modifiers());
    if (event->button() == Qt::LeftButton)
        m_view->OnLButtonDown(flags, EventPoint(event));
    else if (event->button() == Qt::RightButton)
        m_view->OnRButtonDown(flags, EventPoint(event));
    event->accept();
}

void ViewWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_view->OnLButtonUp(MouseFlags(event->buttons(), event->modifiers()), EventPoint(event));
    event->accept();
}

void ViewWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_view->OnLButtonDblClk(MouseFlags(event->buttons(), event->modifiers()), EventPoint(event));
    event->accept();
}

void ViewWindow::mouseMoveEvent(QMouseEvent* event) {
    m_view->OnMouseMove(MouseFlags(event->buttons(), event->modifiers()), EventPoint(event));
    event->accept();
}

void ViewWindow::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta != 0) m_view->OnMouseWheel(delta);
    event->accept();
}

void ViewWindow::keyPressEvent(QKeyEvent* event) {
    const unsigned repeat = event->isAutoRepeat() ? 1 : 0;
    switch (event->key()) {
    case Qt::Key_Left: m_view->OnKeyDown(VK_LEFT, repeat, 0); break;
    case Qt::Key_Right: m_view->OnKeyDown(VK_RIGHT, repeat, 0); break;
    case Qt::Key_Up: m_view->OnKeyDown(VK_UP, repeat, 0); break;
    case Qt::Key_Down: m_view->OnKeyDown(VK_DOWN, repeat, 0); break;
    case Qt::Key_Escape: m_view->OnCancel(); break;
    // Control characters the tools read (Tab and Backspace take a polygon vertex back).
    case Qt::Key_Tab:
    case Qt::Key_Backtab: m_view->OnChar(VK_TAB, 1, 0); break;
    case Qt::Key_Backspace: m_view->OnChar(VK_BACK, 1, 0); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: m_view->OnChar(VK_RETURN, 1, 0); break;
    case Qt::Key_Menu:
        // Where the window system does not turn the key into a context menu event itself.
        if (!QApplication::activePopupWidget()) ShowContextMenu(CPoint(-1, -1));
        break;
    default: {
        const QString text = event->text();
        if (text.isEmpty() || !text.at(0).isPrint()) {
            QAbstractScrollArea::keyPressEvent(event);
            return;
        }
        for (const QChar ch : text) m_view->OnChar(ch.unicode(), 1, 0);
        break;
    }
    }
    event->accept();
}

bool ViewWindow::focusNextPrevChild(bool) { return false; }

// --- context menu -----------------------------------------------------------------------------

void ViewWindow::contextMenuEvent(QContextMenuEvent* event) {
    const QPoint global = event->globalPos();
    ShowContextMenu(event->reason() == QContextMenuEvent::Keyboard ? CPoint(-1, -1) : CPoint(global.x(), global.y()));
    event->accept();
}

QMenu* ViewWindow::ShowContextMenu(CPoint screenPoint) {
    if (m_contextMenu) m_contextMenu->close();
    const QPoint origin = viewport()->mapToGlobal(QPoint(0, 0));
    const ContextMenuRequest request = m_view->OnContextMenu(screenPoint, CPoint(origin.x(), origin.y()));
    // The menu's commands take the frame's route (view, document, frame, application), as
    // the menu bar's do; a window outside a frame answers them itself.
    CommandRoute route;
    QPointer<ViewWindow> self(this);
    if (auto* frame = qobject_cast<MainFrame*>(window())) {
        QPointer<MainFrame> guardedFrame(frame);
        route.query = [guardedFrame](int id) {
            return guardedFrame ? guardedFrame->Router().Query(id) : CommandState{false, false};
        };
        route.run = [guardedFrame](int id) { return guardedFrame && guardedFrame->RunCommand(id); };
    } else {
        route.query = [self](int id) {
            CommandState state;
            return self && self->OnUpdateCommand(id, state) ? state : CommandState{false, false};
        };
        route.run = [self](int id) {
            CommandState state;
            return self && self->OnUpdateCommand(id, state) && state.enabled && self->OnCommand(id);
        };
    }
    // The owner is the top-level window the view sits in.
    m_contextMenu = BuildContextMenu(request, route, window());
    m_contextMenu->popup(QPoint(request.screenPoint.x, request.screenPoint.y));
    return m_contextMenu;
}

// --- capture and cursors ------------------------------------------------------------------------

void ViewWindow::SetCapture() { m_capture = true; }

void ViewWindow::ReleaseCapture() { m_capture = false; }

void ViewWindow::SetCursor(int cursorId) { viewport()->setCursor(CursorForId(cursorId)); }

void ViewWindow::BeginWaitCursor() {
    if (m_waitCursors++ == 0) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void ViewWindow::EndWaitCursor() {
    if (m_waitCursors > 0 && --m_waitCursors == 0) QGuiApplication::restoreOverrideCursor();
}

// --- printing and commands ------------------------------------------------------------------------

bool ViewWindow::IsPrintMode() const { return ViewPrintMode(); }

void ViewWindow::RunPrintCommand() {
    if (IsPrintMode()) {
        // Started to print: the document prints once, whatever updates follow.
        if (m_printedInPrintMode) return;
        m_printedInPrintMode = true;
    }
    printing::RunPrintCommand(*m_view, this);
}

bool ViewWindow::OnCommand(int id) {
    if (m_view->OnCommand(id)) return true;
    switch (id) {
    case cmd::Cancel: m_view->OnCancel(); return true;
    case cmd::FilePrint: RunPrintCommand(); return true;
    case cmd::PrintPreview: printing::RunPrintPreview(*m_view, this); return true;
    default: return false;
    }
}

bool ViewWindow::OnUpdateCommand(int id, CommandState& state) {
    if (const std::optional<CommandUpdate> update = m_view->OnUpdateCommand(id)) {
        state.enabled = update->enabled;
        state.checked = update->checked;
        state.text = update->text;
        state.helpLine = update->helpLine;
        return true;
    }
    switch (id) {
    case cmd::Cancel:
    case cmd::FilePrint:
    case cmd::PrintPreview: return true;
    default: return false;
    }
}
