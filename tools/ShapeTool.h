// The dragging shape tools: line, rectangle, rounded rectangle and ellipse (and the measure
// line and measure rectangle, which differ only in shape and in keeping their own
// attributes). A press creates the shape; the drag sizes it; a click without drag selects.
#pragma once

#include "tools/InputTool.h"

class CArdoRect;

class CShapeTool : public CInputTool {
public:
    CShapeTool(CToolFramework& tools, int toolId) : CInputTool(tools, toolId) {}

    void onButtonDown(CArdoView& view, unsigned flags, CPoint point) override;
    void onButtonUp(CArdoView& view, unsigned flags, CPoint point) override;
    void onMouseMove(CArdoView& view, unsigned flags, CPoint point) override;
    // The base cancel; a shape that never got a size leaves the document.
    void onCancel() override;
    void onViewDestroyed(CArdoView& view) override;
    bool HasInputUnderWay() const override { return m_created != nullptr; }

    // The shape code the tool's objects start with.
    static int ShapeFor(int toolId);

private:
    // The shape of the running gesture and the view it belongs to; none between gestures.
    CArdoRect* m_created = nullptr;
    CArdoView* m_view = nullptr;
};
