// The point-by-point tools: polygon area, polyline, Bezier area and the two polygon
// measuring tools. Each press fixes a vertex and adds a rubber point that follows the mouse;
// a press on the first vertex, a double click or Esc ends the input.
#pragma once

#include "tools/InputTool.h"

#include <memory>

class CArdoPoly;
class ObjectView;

class CPolygonTool : public CInputTool {
public:
    explicit CPolygonTool(CToolFramework& tools, int toolId = TOOL_POLYGON) : CInputTool(tools, toolId) {}

    void onButtonDown(CArdoView& view, unsigned flags, CPoint point) override;
    // Nothing: the view keeps the capture for the whole input.
    void onButtonUp(CArdoView& view, unsigned flags, CPoint point) override;
    void onDoubleClick(CArdoView& view, unsigned flags, CPoint point) override;
    void onMouseMove(CArdoView& view, unsigned flags, CPoint point) override;
    // Backspace, Tab, "%" and "<" take a point back.
    void onChar(CArdoView& view, unsigned charCode, unsigned repeatCount, unsigned keyFlags) override;
    void onCancel() override;
    void onViewDestroyed(CArdoView& view) override;
    bool HasInputUnderWay() const override { return currentObject != nullptr; }
    bool PlacesPointByPoint() const override { return true; }

    // The object under construction, or null when idle.
    CArdoPoly* CurrentObject() const { return currentObject; }

protected:
    // The object the tool builds, with a zero-size rectangle at p.
    virtual std::unique_ptr<CArdoPoly> CreateObject(const CRect& position) const;
    // Gives a new object its attributes from the document.
    virtual void CopyAttributes(CArdoPoly& obj, const CArdoDoc& doc) const;
    virtual bool UsesSnap() const { return true; }

    CArdoPoly* currentObject = nullptr;

private:
    // Forgets an object that is gone or belongs to another view's gesture.
    void CheckCurrentObject(CArdoView& view);
    // Drops the rubber point (while more than two points remain); true when one was dropped.
    bool TakePointBack(ObjectView* view);

    CArdoView* m_view = nullptr;  // the view of the input under way
};

class CPolylineTool : public CPolygonTool {
public:
    explicit CPolylineTool(CToolFramework& tools) : CPolygonTool(tools, TOOL_POLYLINE) {}

protected:
    std::unique_ptr<CArdoPoly> CreateObject(const CRect& position) const override;
};

// Gets only the fill and line colours from the document, and never snaps.
class CBezierTool : public CPolygonTool {
public:
    explicit CBezierTool(CToolFramework& tools) : CPolygonTool(tools, TOOL_BEZIER) {}

protected:
    std::unique_ptr<CArdoPoly> CreateObject(const CRect& position) const override;
    void CopyAttributes(CArdoPoly& obj, const CArdoDoc& doc) const override;
    bool UsesSnap() const override { return false; }
};

// Tool 8 labels every segment of a chain; tool 9 labels the area of a closed polygon. The
// measuring objects keep their own drawing attributes.
class CMeasurePolygonTool : public CPolygonTool {
public:
    CMeasurePolygonTool(CToolFramework& tools, int toolId) : CPolygonTool(tools, toolId) {}

protected:
    std::unique_ptr<CArdoPoly> CreateObject(const CRect& position) const override;
    void CopyAttributes(CArdoPoly& obj, const CArdoDoc& doc) const override;
};
