#include "app/palette/SymbolPaletteWindow.h"

#include "app/ShellTexts.h"
#include "app/viewwindow/ViewWindowFactory.h"
#include "document/ArdoDoc.h"
#include "platform/DeviceContext.h"
#include "platform/Services.h"
#include "platform/StringTable.h"
#include "platform/qt/QtPainterBackend.h"
#include "tools/ToolFramework.h"

#include <QApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

namespace {
constexpr int kInitialWidth = 170;

QPointer<SymbolPaletteWindow>& ProgramPalette() {
    static QPointer<SymbolPaletteWindow> palette;
    return palette;
}

// The tools the program hands to its document windows, where the palette window serves.
CToolFramework* ProgramTools() { return dynamic_cast<CToolFramework*>(ViewToolSink()); }

QMainWindow* MainFrameWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* frame = qobject_cast<QMainWindow*>(w)) return frame;
    return nullptr;
}
}  // namespace

SymbolPaletteWindow::SymbolPaletteWindow(QWidget* parent) : QAbstractScrollArea(parent) {
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(ShellText(IDS_SYMBOL_PALETTE_CAPTION));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
    resize(kInitialWidth, 300);
}

SymbolPaletteWindow::~SymbolPaletteWindow() {
    if (CToolFramework* tools = ProgramTools(); tools && &tools->Palette() == this) tools->SetPalette(nullptr);
}

void SymbolPaletteWindow::Fill(CArdoDoc& doc, const std::vector<int>& indexes) {
    m_doc = &doc;
    m_layout.Fill(doc, indexes);
    UpdateScrollRange();
    viewport()->update();
}

void SymbolPaletteWindow::Show() {
    PlaceFirstTime();
    ResizeToShowAll();
    if (isVisible()) {
        // Already shown: showing again starts a new choice.
        if (m_doc) m_doc->SetCurrentSymbol(-1);
        ShowStatus(LoadString(IDS_PALETTE_CHOOSE_PROMPT));
    }
    show();
    raise();
    activateWindow();
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

void SymbolPaletteWindow::Hide() { hide(); }

void SymbolPaletteWindow::ForgetDocument(const CArdoDoc& doc) {
    if (m_doc != &doc) return;
    m_doc = nullptr;
    m_layout.Clear();
    hide();
}

int SymbolPaletteWindow::CandidateAt(QPoint p) const {
    return m_layout.HitTest(CPoint(p.x(), p.y()), viewport()->width(), verticalScrollBar()->value());
}

void SymbolPaletteWindow::PlaceFirstTime() {
    if (m_placed) return;
    m_placed = true;
    // Beside the main frame's right edge, below its bars.
    if (QMainWindow* frame = MainFrameWindow()) {
        const QRect g = frame->geometry();
        move(g.right() - kInitialWidth - 40, g.top() + 80);
    }
}

void SymbolPaletteWindow::ResizeToShowAll() {
    const int outerWidth = std::max(width(), 20);
    const int frameExtra = frameWidth() * 2;
    int height = m_layout.HeightForWidth(outerWidth - frameExtra) + frameExtra;
    // Never beyond the screen; the rest can be scrolled to.
    if (const QScreen* s = screen())
        height = std::min(height, std::max(60, s->availableGeometry().bottom() - y() - 40));
    resize(outerWidth, std::max(height, 40));
    UpdateScrollRange();
}

void SymbolPaletteWindow::UpdateScrollRange() {
    const int total = m_layout.StackedHeight(viewport()->width());
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, std::max(0, total - viewport()->height()));
    bar->setPageStep(std::max(1, viewport()->height()));
    bar->setSingleStep(20);
}

void SymbolPaletteWindow::ShowStatus(const std::string& text) { AppServices().status->SetPaneText(kPanePrompt, text); }

void SymbolPaletteWindow::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    QtPainterBackend backend(painter);
    CDC dc(backend);
    m_layout.Paint(dc, viewport()->width(), viewport()->height(), verticalScrollBar()->value());
}

void SymbolPaletteWindow::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRange();
    viewport()->update();
}

void SymbolPaletteWindow::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    if (m_doc) m_doc->SetCurrentSymbol(-1);
    ShowStatus(LoadString(IDS_PALETTE_CHOOSE_PROMPT));
}

void SymbolPaletteWindow::scrollContentsBy(int, int) { viewport()->update(); }

void SymbolPaletteWindow::mouseMoveEvent(QMouseEvent* event) {
    const int hit = CandidateAt(event->position().toPoint());
    ShowStatus(hit >= 0 ? m_layout.Description(size_t(hit)) : LoadString(IDS_PALETTE_CHOOSE_PROMPT));
}

void SymbolPaletteWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int hit = CandidateAt(event->position().toPoint());
    if (hit < 0) return;
    m_picked = m_layout.SymbolIndex(size_t(hit));
    if (m_doc) m_doc->SetCurrentSymbol(m_picked);
    hide();
    // The palette held the activation; hand it back to the frame so that its document
    // window is active again and the very next press in the plan drops the symbol.
    if (QWidget* frame = parentWidget()) frame->activateWindow();
    ShowStatus(LoadString(IDS_PALETTE_PLACE_PROMPT));
}

bool SymbolPaletteWindow::event(QEvent* event) {
    // Leaving the palette without a pick (a click into the plan) closes it.
    if (event->type() == QEvent::WindowDeactivate && isVisible()) {
        ShowStatus("");
        hide();
    }
    return QAbstractScrollArea::event(event);
}

SymbolPaletteWindow* ProgramSymbolPalette() { return ProgramPalette().data(); }

SymbolPaletteWindow* EnsureProgramSymbolPalette() {
    QPointer<SymbolPaletteWindow>& palette = ProgramPalette();
    if (!palette) palette = new SymbolPaletteWindow(MainFrameWindow());
    // The tools of the program (a test may have made new ones since the window was made).
    if (CToolFramework* tools = ProgramTools()) tools->SetPalette(palette.data());
    return palette.data();
}
