// Shared helpers of the document window tests: clean in-memory services per test, driving
// modal dialogs, and reading pixels.
#pragma once

#include "platform/MemoryServices.h"
#include "platform/Services.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

// Every test starts with empty in-memory services: message boxes are recorded, not shown.
class AppViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAppServices();
        DefaultMemoryServices().Clear();
    }
    void TearDown() override { ResetAppServices(); }

    RecordingMessageBoxes& Messages() { return DefaultMemoryServices().messages; }
    MemoryStatusBar& Status() { return DefaultMemoryServices().status; }
    MemorySettingsStore& Settings() { return DefaultMemoryServices().settings; }
};

// Runs `run` (which opens a modal dialog) and, once the dialog is up, hands it to `drive`.
// The drive must close the dialog; if it does not, the dialog is rejected as a safeguard.
inline void WithModalDialog(const std::function<void(QWidget*)>& drive, const std::function<void()>& run) {
    QTimer::singleShot(0, [drive] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        drive(modal);
        if (modal->isVisible())
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    });
    run();
}

inline QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }
constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kPaperGrey = 0xC0C0C0;
