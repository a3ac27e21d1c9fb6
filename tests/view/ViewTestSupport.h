// A fake window for the view tests: records scroll sizes, invalidations, capture, cursors
// and the copies between off-screen pictures; pictures are recording backends.
#pragma once

#include "document/ArdoDoc.h"
#include "objects/ArdoRect.h"
#include "platform/MemoryServices.h"
#include "platform/RecordingBackend.h"
#include "platform/Services.h"
#include "view/ArdoView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace viewtest {

// The recording outlives the surface, so tests can look at a finished paint's buffer.
class FakeSurface : public OffscreenSurface {
public:
    FakeSurface(int w, int h, int id, std::shared_ptr<RecordingBackend> backend)
        : m_backend(std::move(backend)), m_size(w, h), m_id(id) {}
    DeviceBackend& Backend() override { return *m_backend; }
    CSize Size() const override { return m_size; }
    std::shared_ptr<RecordingBackend> m_backend;
    CSize m_size;
    int m_id;
};

struct BlitCall {
    int fromId;
    const DeviceBackend* to;
    CPoint at;
    size_t recordsInTarget;  // what the target held when the copy landed
};

class FakeViewHost : public ViewHost {
public:
    CSize GetClientSize() const override { return client; }
    int GetSystemMetrics(int index) const override { return index == SM_CXVSCROLL || index == SM_CYHSCROLL ? 17 : 0; }
    CPoint GetScrollPosition() const override { return scroll; }
    void ScrollToPosition(CPoint pos) override {
        scroll = pos;
        ++scrollCalls;
    }
    void SetScrollSizes(CSize t, CSize, CSize) override {
        total = t;
        ++scrollSizeCalls;
    }
    void InvalidateRect(const CRect& r, bool erase) override {
        invalidated.push_back(r);
        (void)erase;
    }
    void Invalidate(bool erase) override {
        ++invalidateAll;
        lastEraseAll = erase;
    }
    void UpdateWindow() override {}
    DeviceBackend& ClientDevice() override { return clientDevice; }
    std::unique_ptr<OffscreenSurface> CreateOffscreen(int w, int h) override {
        if (failOffscreen) return nullptr;
        surfaces.push_back(std::make_shared<RecordingBackend>());
        return std::make_unique<FakeSurface>(w, h, ++surfaceCount, surfaces.back());
    }
    void Blit(OffscreenSurface& from, DeviceBackend& to, CPoint at) override {
        auto* rec = dynamic_cast<RecordingBackend*>(&to);
        blits.push_back({static_cast<FakeSurface&>(from).m_id, &to, at, rec ? rec->Records().size() : 0});
    }
    void SetCapture() override { capture = true; }
    void ReleaseCapture() override { capture = false; }
    bool HasCapture() const override { return capture; }
    void SetCursor(int id) override { cursor = id; }
    void BeginWaitCursor() override { ++waitCursors; }
    void EndWaitCursor() override {}
    bool IsPrintMode() const override { return printMode; }
    void RunPrintCommand() override { ++printCommands; }

    CSize client{1000, 700};
    CPoint scroll;
    CSize total;
    int scrollCalls = 0, scrollSizeCalls = 0;
    std::vector<CRect> invalidated;
    int invalidateAll = 0;
    bool lastEraseAll = false;
    RecordingBackend clientDevice;
    bool failOffscreen = false;
    int surfaceCount = 0;
    std::vector<std::shared_ptr<RecordingBackend>> surfaces;  // by creation order
    std::vector<BlitCall> blits;
    bool capture = false;
    int cursor = 0;
    int waitCursors = 0;
    bool printMode = false;
    int printCommands = 0;
};

// A document and one initialised view on a 1000 x 700 window; fresh services per test.
class ViewFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAppServices();
        DefaultMemoryServices().Clear();
        doc = std::make_unique<CArdoDoc>();
        view = std::make_unique<CArdoView>(*doc, host);
        view->OnInitialUpdate();
        DefaultMemoryServices().messages.Clear();  // the missing symbol library report
    }
    void TearDown() override {
        view.reset();
        doc.reset();
        ResetAppServices();
    }
    MemoryServices& services() { return DefaultMemoryServices(); }
    std::string Pane(int pane) { return services().status.PaneText(pane); }
    // Prepares a context on the fake window, as a paint would.
    void Prepare() {
        CDC dc(host.clientDevice);
        view->OnPrepareDC(dc);
    }
    // Drags a zoom rectangle from a to b with the "Zoomen" command.
    void ZoomDrag(CPoint a, CPoint b) {
        view->OnCommand(cmd::Zoom);
        view->OnLButtonDown(MK_LBUTTON, a);
        view->OnMouseMove(MK_LBUTTON, b);
        view->OnLButtonDown(MK_LBUTTON, b);
    }
    CArdoRect* AddRect(CRect r, int shape = 0) {
        auto* obj = doc->AddObject(std::make_unique<CArdoRect>(r, shape));
        return obj;
    }

    FakeViewHost host;
    std::unique_ptr<CArdoDoc> doc;
    std::unique_ptr<CArdoView> view;
};

}  // namespace viewtest
