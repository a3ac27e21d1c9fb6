// View paint speed on a large plan: a paint that reuses the cached background (the objects
// only) against one that rebuilds it (sheet, grid and 30,000 background objects), and the
// coordinate conversion the tools run on every mouse event.
#include "document/ArdoDoc.h"
#include "objects/ArdoRect.h"
#include "view/ArdoView.h"
#include "view/FixedViewHost.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A surface that draws nothing, so the benchmark measures the core's own work.
class NullBackend : public DeviceBackend {
public:
    void Polyline(std::span<const CPoint>, const DevicePen&) override {}
    void Polygon(std::span<const CPoint>, int, const DevicePen&, const DeviceBrush&) override {}
    void PolyBezier(std::span<const CPoint>, const DevicePen&) override {}
    void Rectangle(const CRect&, const DevicePen&, const DeviceBrush&) override {}
    void RoundRect(const CRect&, CSize, const DevicePen&, const DeviceBrush&) override {}
    void Ellipse(const CRect&, const DevicePen&, const DeviceBrush&) override {}
    void FillPath(const DevicePath&, int, const DeviceBrush&) override {}
    void StrokePath(const DevicePath&, const DevicePen&) override {}
    void TextOut(CPoint, const std::string&, const DeviceTextStyle&) override {}
    void FillSolidRect(const CRect&, COLORREF) override {}
    void InvertRect(const CRect&) override {}
    void DrawFocusRect(const CRect&) override {}
    CSize GetTextExtent(const std::string&, const DeviceFont&) override { return {}; }
    void SetClipRect(const CRect&) override {}
};

class NullSurface : public OffscreenSurface {
public:
    explicit NullSurface(CSize size) : m_size(size) {}
    DeviceBackend& Backend() override { return m_backend; }
    CSize Size() const override { return m_size; }

private:
    NullBackend m_backend;
    CSize m_size;
};

// The window of the benchmark: off-screen pictures that draw nothing.
class BenchHost : public FixedViewHost {
public:
    BenchHost() : FixedViewHost(CSize(1200, 900), 17) {}
    std::unique_ptr<OffscreenSurface> CreateOffscreen(int w, int h) override {
        return std::make_unique<NullSurface>(CSize(w, h));
    }
};

struct Scene {
    Scene() : view(doc, host) {
        for (int i = 0; i < 30000; ++i) {
            const int x = int(int64_t(i) * 7919 % 21000), y = int(int64_t(i) * 104729 % 29800);
            doc.AddBackgroundObject(std::make_unique<CArdoRect>(CRect(x, y, x + 300, y - 200), SHAPE_LINE));
        }
        for (int i = 0; i < 2000; ++i) {
            const int x = int(int64_t(i) * 4933 % 20000), y = int(int64_t(i) * 7127 % 29000);
            doc.AddObject(std::make_unique<CArdoRect>(CRect(x, y + 500, x + 500, y), SHAPE_RECTANGLE));
        }
        view.OnInitialUpdate();
    }
    CArdoDoc doc;
    BenchHost host;
    CArdoView view;
};

void BM_PaintWithCachedBackground(benchmark::State& state) {
    Scene scene;
    NullBackend window;
    scene.view.OnPaint(window);  // builds the cache
    for (auto _ : state) scene.view.OnPaint(window);
}
BENCHMARK(BM_PaintWithCachedBackground)->Unit(benchmark::kMillisecond);

void BM_PaintRebuildingBackground(benchmark::State& state) {
    Scene scene;
    NullBackend window;
    for (auto _ : state) {
        scene.view.DiscardBackground();
        scene.view.OnPaint(window);
    }
}
BENCHMARK(BM_PaintRebuildingBackground)->Unit(benchmark::kMillisecond);

void BM_ClientToLogical(benchmark::State& state) {
    Scene scene;
    NullBackend window;
    scene.view.OnPaint(window);
    int i = 0;
    for (auto _ : state) {
        CPoint p(i % 1200, i % 900);
        scene.view.ClientToLogical(p);
        benchmark::DoNotOptimize(p);
        ++i;
    }
}
BENCHMARK(BM_ClientToLogical);

}  // namespace
