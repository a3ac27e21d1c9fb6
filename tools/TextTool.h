// The text tool (id 12): asks for a text in the label dialog, then lets the user carry the
// text to its place with the selection tool's move logic; a text is never put off the paper.
#pragma once

#include "tools/InputTool.h"

class CArdoText;

class CTextTool : public CInputTool {
public:
    explicit CTextTool(CToolFramework& tools) : CInputTool(tools, TOOL_TEXT) {}

    void onButtonDown(CArdoView& view, unsigned flags, CPoint point) override;
    void onButtonUp(CArdoView& view, unsigned flags, CPoint point) override;
    void onMouseMove(CArdoView& view, unsigned flags, CPoint point) override;
    void onDoubleClick(CArdoView& view, unsigned flags, CPoint point) override;
    void onCancel() override;
    void onViewDestroyed(CArdoView& view) override;
    bool HasInputUnderWay() const override { return currentObject != nullptr; }

    // The text being carried; null when idle.
    CArdoText* currentObject = nullptr;

private:
    void Place(CArdoView& view, unsigned flags, CPoint point, CPoint logical);
    void StartNewText(CArdoView& view, CPoint logical);

    CArdoView* m_view = nullptr;  // where currentObject is carried
};

// The four corners of a new text standing on p (its lower-left corner): turned by its angle
// when the angle is fixed, otherwise upright.
void SetTextOutline(CArdoText& text, CPoint p);
