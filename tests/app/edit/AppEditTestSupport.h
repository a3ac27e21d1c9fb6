// Shared set-up of the editing tests: clean in-memory services, a shown document window of a
// fixed size on a new document, synthetic mouse input in client pixels, and a helper that
// drives modal dialogs.
#pragma once

#include "../support/ModalDialogDriver.h"

#include "app/viewwindow/ViewWindow.h"
#include "app/viewwindow/ViewWindowFactory.h"
#include "document/ArdoDoc.h"
#include "objects/ArdoRect.h"
#include "platform/MemoryServices.h"
#include "platform/Services.h"
#include "tools/InputTool.h"
#include "tools/ToolCommands.h"
#include "tools/ToolFramework.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace appedit {

inline QPoint Q(CPoint p) { return QPoint(p.x, p.y); }

// The tool framework every document window of the edit tests is given (AppEditTestMain.cpp).
CToolFramework& EditTestTools();

// Resets the process-wide tool state and services around each test.
class EditTestBase : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAppServices();
        DefaultMemoryServices().Clear();
        EditTestTools().State() = ToolState{};
    }
    void TearDown() override {
        EditTestTools().State() = ToolState{};
        ResetAppServices();
    }
    RecordingMessageBoxes& Messages() { return DefaultMemoryServices().messages; }
};

// One document window, 500 x 560, outside a frame (it answers its commands itself).
class WindowFixture : public EditTestBase {
protected:
    void SetUp() override {
        EditTestBase::SetUp();
        doc = std::make_shared<CArdoDoc>();
        doc->OnNewDocument();
        doc->SetSnap(0);
        window.reset(static_cast<ViewWindow*>(CreateViewWindow(doc, nullptr)));
        window->resize(500, 560);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->SetActive(true);
        window->setFocus();
        Messages().Clear();
    }
    void TearDown() override {
        if (window) window->View().OnCancel();
        window.reset();
        EditTestBase::TearDown();
    }

    CArdoView& View() { return window->View(); }
    QWidget* Port() { return window->viewport(); }
    void Command(int id) {
        CommandState state;
        ASSERT_TRUE(window->OnUpdateCommand(id, state)) << id;
        ASSERT_TRUE(state.enabled) << id;
        ASSERT_TRUE(window->OnCommand(id)) << id;
    }
    bool Enabled(int id) {
        CommandState state;
        return window->OnUpdateCommand(id, state) && state.enabled;
    }

    void Press(QPoint p, Qt::KeyboardModifiers m = {}) { QTest::mousePress(Port(), Qt::LeftButton, m, p); }
    void Move(QPoint p) { QTest::mouseMove(Port(), p); }
    void Release(QPoint p, Qt::KeyboardModifiers m = {}) { QTest::mouseRelease(Port(), Qt::LeftButton, m, p); }
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers m = {}) {
        Press(from, m);
        // Two steps, as a hand moves, so the tools see a drag under way.
        Move((from + to) / 2);
        Move(to);
        Release(to, m);
    }
    void Click(QPoint p, Qt::KeyboardModifiers m = {}) { QTest::mouseClick(Port(), Qt::LeftButton, m, p); }
    // The right button through the window system's path, which also makes the context menu
    // event (a click sent to the widget alone would not).
    void RightClick(QPoint p) {
        QWidget* top = Port()->window();
        QTest::mouseClick(top->windowHandle(), Qt::RightButton, {}, Port()->mapTo(top, p));
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers m = {}) { QTest::keyClick(window.get(), key, m); }

    // The client rectangle an object covers now.
    QRect OnScreen(const CArdoObj* obj) {
        CRect r = obj->m_position;
        View().LogicalToClient(r);
        r = r.Normalized();
        return QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
    }
    // A rectangle object on the document covering a client rectangle, not selected.
    CArdoRect* AddRect(QRect client) {
        CRect r(client.left(), client.top(), client.right(), client.bottom());
        View().ClientToLogical(r);
        auto* obj = doc->AddObject(std::make_unique<CArdoRect>(r, SHAPE_RECTANGLE));
        View().InvalidateObject(obj);
        return obj;
    }
    size_t Count() const { return doc->Objects().size(); }
    int Tool() const { return EditTestTools().State().currentTool; }

    std::shared_ptr<CArdoDoc> doc;
    std::unique_ptr<ViewWindow> window;
};

}  // namespace appedit
