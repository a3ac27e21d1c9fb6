// A document with one active view driven through the tool framework, with helpers that
// speak in logical points (the fake window converts them to client pixels).
#pragma once

#include "objects/ArdoPoly.h"
#include "objects/ArdoPolyMeasure.h"
#include "objects/ObjectDialogs.h"
#include "tools/InputTool.h"
#include "tools/PolygonTool.h"
#include "tools/SelectionTool.h"
#include "tools/ShapeTool.h"
#include "tools/ToolCommands.h"
#include "tools/ToolFramework.h"
#include "view/ViewTestSupport.h"

namespace tooltest {

class ToolFixture : public viewtest::ViewFixture {
protected:
    void SetUp() override {
        viewtest::ViewFixture::SetUp();
        view->SetToolSink(&tools);
        view->OnActivateView(true);
        doc->SetSnap(0);
        Prepare();
    }
    void TearDown() override {
        // Leave no gesture behind.
        view->OnCancel();
        SetObjectDialogs(nullptr);
        viewtest::ViewFixture::TearDown();
    }

    // Client pixel of a logical point (the mapping is exact on multiples of 21 units).
    CPoint ClientOf(CPoint logical) const {
        CRect r(logical, logical);
        view->LogicalToClient(r);
        return r.TopLeft();
    }
    CPoint LogicalOf(CPoint client) const {
        view->ClientToLogical(client);
        return client;
    }
    void Press(CPoint client, unsigned flags = 0) { view->OnLButtonDown(flags | MK_LBUTTON, client); }
    void MoveTo(CPoint client, unsigned flags = 0) { view->OnMouseMove(flags | MK_LBUTTON, client); }
    void Release(CPoint client, unsigned flags = 0) { view->OnLButtonUp(flags, client); }
    void Drag(CPoint from, CPoint to, unsigned flags = 0) {
        Press(from, flags);
        MoveTo(to, flags);
        Release(to, flags);
    }
    void Click(CPoint client, unsigned flags = 0) {
        Press(client, flags);
        Release(client, flags);
    }
    void Command(int id) { ASSERT_TRUE(view->OnCommand(id)) << id; }
    int CurrentTool() const { return tools.State().currentTool; }
    // The tools of this test's program; the views it makes are given these.
    CToolFramework tools;
    size_t ObjectCount() const { return doc->Objects().size(); }
    CArdoObj* Last() const { return doc->Objects().empty() ? nullptr : doc->Objects().back().get(); }
    template <class T>
    T* LastAs() const {
        return dynamic_cast<T*>(Last());
    }
    bool Checked(int id) const { return view->OnUpdateCommand(id).value().checked; }
    bool Enabled(int id) const { return view->OnUpdateCommand(id).value().enabled; }
};

// Answers the line-and-fill dialog with fixed values, or cancels.
class FixedLineFillDialogs : public IObjectDialogs {
public:
    bool EditLineAndFill(LineFillValues& v) override {
        ++calls;
        if (!ok) return false;
        v = answer;
        return true;
    }
    bool ok = true;
    LineFillValues answer;
    int calls = 0;
};

}  // namespace tooltest
