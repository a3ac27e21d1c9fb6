#include "platform/qt/QtAlerts.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {
QPointer<QWidget> g_lastFlashed;

// A strip that inverts what lies beneath it while it shows.
class FlashStrip : public QWidget {
public:
    explicit FlashStrip(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_DeleteOnClose);
        setObjectName(QStringLiteral("FlashStrip"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.fillRect(rect(), Qt::white);
    }
};

// The active MDI child that holds the focus, else the active window.
QWidget* FlashTarget() {
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) return sub;
    if (QWidget* active = QApplication::activeWindow()) {
        if (auto* area = active->findChild<QMdiArea*>())
            if (QMdiSubWindow* sub = area->activeSubWindow()) return sub;
        return active;
    }
    return nullptr;
}
}  // namespace

void QtAlerts::MessageBeep(unsigned) { QApplication::beep(); }

void QtAlerts::FlashWindow() {
    QWidget* target = FlashTarget();
    g_lastFlashed = target;
    if (!target) return;
    QApplication::alert(target->window());
    int height = target->height();
    if (qobject_cast<QMdiSubWindow*>(target)) {
        // Only the caption strip of a document window.
        QStyleOptionTitleBar option;
        option.initFrom(target);
        height = std::min(height, target->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, target) + 4);
    }
    auto* strip = new FlashStrip(target);
    strip->setGeometry(0, 0, target->width(), std::max(height, 1));
    strip->show();
    strip->raise();
    QTimer::singleShot(kFlashMs, strip, &QWidget::close);
}

QWidget* QtAlerts::LastFlashed() { return g_lastFlashed.data(); }
