#include "app/frame/ViewWindows.h"

#if __has_include("app/viewwindow/ViewWindowFactory.h")
#include "app/viewwindow/ViewWindowFactory.h"
#define KOVEL_HAVE_VIEW_WINDOW 1
#endif

#include "document/ArdoDoc.h"

#include <QPainter>
#include <QWidget>

namespace {

// Shows the sheet's outline in its paper colour, scaled into the window.
class PlaceholderViewWindow : public QWidget {
public:
    PlaceholderViewWindow(std::shared_ptr<CArdoDoc> doc, QWidget* parent) : QWidget(parent), m_doc(std::move(doc)) {
        setMinimumSize(120, 90);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(128, 128, 128));
        const CSize extent = m_doc->Extent();
        if (extent.cx <= 0 || extent.cy <= 0) return;
        const QRectF area = QRectF(rect()).adjusted(16, 16, -16, -16);
        const double scale = std::min(area.width() / extent.cx, area.height() / extent.cy);
        const QSizeF paper(extent.cx * scale, extent.cy * scale);
        const QRectF sheet(area.center() - QPointF(paper.width() / 2, paper.height() / 2), paper);
        const COLORREF c = m_doc->PaperColor();
        p.fillRect(sheet.translated(4, 4), QColor(64, 64, 64));
        p.fillRect(sheet, QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)));
        p.setPen(Qt::black);
        p.drawRect(sheet);
    }

private:
    std::shared_ptr<CArdoDoc> m_doc;
};

}  // namespace

QWidget* MakeViewWindow(const std::shared_ptr<CArdoDoc>& doc, QWidget* parent) {
#ifdef KOVEL_HAVE_VIEW_WINDOW
    return CreateViewWindow(doc, parent);
#else
    return new PlaceholderViewWindow(doc, parent);
#endif
}
