#include "app/viewwindow/ViewWindowFactory.h"

#include "app/viewwindow/ViewWindow.h"

namespace {
bool g_printMode = false;
InputToolSink* g_toolSink = nullptr;
}  // namespace

QWidget* CreateViewWindow(std::shared_ptr<CArdoDoc> doc, QWidget* parent) {
    if (!doc) return nullptr;
    auto* window = new ViewWindow(std::move(doc), parent);
    window->View().SetToolSink(g_toolSink);
    return window;
}

void SetViewPrintMode(bool printMode) { g_printMode = printMode; }
bool ViewPrintMode() { return g_printMode; }

void SetViewToolSink(InputToolSink* sink) { g_toolSink = sink; }
InputToolSink* ViewToolSink() { return g_toolSink; }
