// Shared helpers of the document window tests: clean in-memory services per test, driving
// modal dialogs, and reading pixels.
#pragma once

#include "../support/ModalDialogDriver.h"

#include "platform/MemoryServices.h"
#include "platform/Services.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
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

inline QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }
constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kPaperGrey = 0xC0C0C0;
