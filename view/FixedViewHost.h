// A window of a fixed size that never scrolls, captures or repaints: all a view needs to draw
// its picture without a display (kovel-cli render, benchmarks). Off-screen pictures are not
// offered unless a subclass makes them.
#pragma once

#include "platform/RecordingBackend.h"
#include "view/ViewHost.h"

class FixedViewHost : public ViewHost {
public:
    explicit FixedViewHost(CSize client, int scrollBarSize = 0) : m_client(client), m_scrollBar(scrollBarSize) {}

    CSize GetClientSize() const override { return m_client; }
    int GetSystemMetrics(int) const override { return m_scrollBar; }
    CPoint GetScrollPosition() const override { return {}; }
    void ScrollToPosition(CPoint) override {}
    void SetScrollSizes(CSize, CSize, CSize) override {}
    void InvalidateRect(const CRect&, bool) override {}
    void Invalidate(bool) override {}
    void UpdateWindow() override {}
    DeviceBackend& ClientDevice() override { return m_clientDevice; }
    std::unique_ptr<OffscreenSurface> CreateOffscreen(int, int) override { return nullptr; }
    void Blit(OffscreenSurface&, DeviceBackend&, CPoint) override {}
    void SetCapture() override {}
    void ReleaseCapture() override {}
    bool HasCapture() const override { return false; }
    void SetCursor(int) override {}
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    bool IsPrintMode() const override { return false; }
    void RunPrintCommand() override {}

private:
    CSize m_client;
    int m_scrollBar;
    RecordingBackend m_clientDevice;  // marks drawn outside a paint are only recorded
};
