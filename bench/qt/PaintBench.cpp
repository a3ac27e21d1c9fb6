// Screen paint speed with the real Qt drawing: the large sample plan in a 1920 x 1080 view,
// once rebuilding the cached background and once reusing it with 1,000 foreground objects.
#include "app/viewwindow/ImageSurface.h"
#include "document/ArdoDoc.h"
#include "objects/ArdoRect.h"
#include "plan/PlanImport.h"
#include "view/ArdoView.h"
#include "view/FixedViewHost.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <cstdlib>
#include <memory>

namespace {

// A host whose window is a 1920 x 1080 image; off-screen pictures are real QImages.
class ImageHost : public FixedViewHost {
public:
    ImageHost() : FixedViewHost(CSize(1920, 1080), 17), m_window(ImageSurface::Create(1920, 1080)) {}
    std::unique_ptr<OffscreenSurface> CreateOffscreen(int w, int h) override { return ImageSurface::Create(w, h); }
    void Blit(OffscreenSurface& from, DeviceBackend& to, CPoint at) override {
        BlitImage(static_cast<ImageSurface&>(from).Image(), to, at);
    }
    DeviceBackend& Window() { return m_window->Backend(); }

private:
    std::unique_ptr<ImageSurface> m_window;
};

struct Scene {
    Scene() : view(doc, host) {
        ImportPlan(doc, KOVEL_LARGE_PLAN);
        for (int i = 0; i < 1000; ++i) {
            const int x = int(int64_t(i) * 4933 % doc.Extent().cx);
            const int y = int(int64_t(i) * 7127 % doc.Extent().cy);
            doc.AddObject(std::make_unique<CArdoRect>(CRect(x, y + 300, x + 300, y),
                                                      i % 3 == 0 ? SHAPE_ELLIPSE : SHAPE_RECTANGLE));
        }
        view.OnInitialUpdate();
    }
    CArdoDoc doc;
    ImageHost host;
    CArdoView view;
};

void BM_QtPaintRebuildingBackground(benchmark::State& state) {
    Scene scene;
    for (auto _ : state) {
        scene.view.DiscardBackground();
        scene.view.OnPaint(scene.host.Window());
    }
    state.counters["background"] = double(scene.doc.Background().size());
}
BENCHMARK(BM_QtPaintRebuildingBackground)->Unit(benchmark::kMillisecond);

void BM_QtPaintFromCache1000Objects(benchmark::State& state) {
    Scene scene;
    scene.view.OnPaint(scene.host.Window());  // builds the cache
    for (auto _ : state) scene.view.OnPaint(scene.host.Window());
}
BENCHMARK(BM_QtPaintFromCache1000Objects)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
