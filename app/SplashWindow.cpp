#include "app/SplashWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

namespace {
SplashWindow* g_splash = nullptr;

QPixmap RenderPicture() {
    QSvgRenderer svg(QStringLiteral(":/icons/splash.svg"));
    const QSize size = svg.isValid() ? svg.defaultSize() : QSize(480, 300);
    QPixmap picture(size);
    picture.fill(Qt::white);
    QPainter p(&picture);
    svg.render(&p);
    return picture;
}

bool IsClosingButton(Qt::MouseButton button) {
    return button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
}
}  // namespace

SplashWindow::SplashWindow(QWidget* frame)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_frame(frame) {
    setObjectName(QStringLiteral("SplashWindow"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
    m_picture = RenderPicture();
    setFixedSize(m_picture.size());
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [] { CloseSplash(); });
    m_timer.start(kShowMilliseconds);
    qApp->installEventFilter(this);
}

SplashWindow::~SplashWindow() {
    qApp->removeEventFilter(this);
    if (g_splash == this) g_splash = nullptr;
}

void SplashWindow::ShowSplash(QWidget* frame) {
    if (g_splash) return;
    g_splash = new SplashWindow(frame);
    g_splash->show();
}

SplashWindow* SplashWindow::Current() { return g_splash; }

void SplashWindow::CloseSplash() {
    SplashWindow* splash = g_splash;
    if (!splash) return;
    g_splash = nullptr;
    qApp->removeEventFilter(splash);
    splash->m_timer.stop();
    splash->hide();
    if (splash->m_frame) splash->m_frame->update();
    splash->deleteLater();
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Claim the key, so no command runs; the key press that follows closes the picture.
        event->accept();
        return true;
    case QEvent::KeyPress: CloseSplash(); return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
        if (IsClosingButton(static_cast<QMouseEvent*>(event)->button())) {
            CloseSplash();
            return true;
        }
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}
