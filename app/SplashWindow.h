// The start-up picture: a borderless window centred on the screen that closes after 4000 ms
// or at the first key or mouse-button press anywhere in the program, which it consumes.
#pragma once

#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class SplashWindow : public QWidget {
public:
    static constexpr int kShowMilliseconds = 4000;

    // Shows the picture unless it is already up; frame is repainted when it closes.
    static void ShowSplash(QWidget* frame);
    // The splash window while it exists.
    static SplashWindow* Current();
    // Closes the splash window (nothing when none is up).
    static void CloseSplash();

    ~SplashWindow() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit SplashWindow(QWidget* frame);

    QPixmap m_picture;
    QPointer<QWidget> m_frame;
    QTimer m_timer;
};
