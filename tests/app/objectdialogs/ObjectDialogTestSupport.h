// Shared helpers of the object dialog tests: recorded message boxes, controls by id, and
// running a modal dialog under a script.
#pragma once

#include "../support/ModalDialogDriver.h"

#include "app/objectdialogs/ObjectDialog.h"
#include "platform/MemoryServices.h"
#include "platform/Services.h"

#include <QApplication>
#include <QDialog>

#include <gtest/gtest.h>

#include <functional>

class ObjectDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAppServices();
        DefaultMemoryServices().Clear();
    }
    void TearDown() override { ResetAppServices(); }

    RecordingMessageBoxes& Messages() { return DefaultMemoryServices().messages; }

    template <class W>
    static W* Control(QWidget& dialog, int id) {
        W* widget = dialog.findChild<W*>(dialogs::ControlName(id));
        EXPECT_NE(widget, nullptr) << "control " << id;
        return widget;
    }
};
