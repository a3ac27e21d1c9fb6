// The selection tool (id 0): picks objects, selects by rubber band, moves the selection,
// drags the handles of a single selected object and opens the property dialogs. The
// creating tools hand their drags to its move logic.
#pragma once

#include "tools/InputTool.h"

class CSelectionTool : public CInputTool {
public:
    explicit CSelectionTool(CToolFramework& tools) : CInputTool(tools, TOOL_SELECT) {}

    void onButtonDown(CArdoView& view, unsigned flags, CPoint point) override;
    void onDoubleClick(CArdoView& view, unsigned flags, CPoint point) override;
    void onButtonUp(CArdoView& view, unsigned flags, CPoint point) override;
    void onMouseMove(CArdoView& view, unsigned flags, CPoint point) override;
    // The base cancel, and the end of a drag that lost its release: the rubber band is
    // erased and the snap flag put back.
    void onCancel() override;
    void onViewDestroyed(CArdoView& view) override;
    bool HasInputUnderWay() const override { return snapSaved || m_rubberView; }

    // Turns the snap flag of the view's document off for a drag, remembering it once.
    void SaveAndClearSnap(CArdoView& view);
    // Puts a remembered snap flag back.
    void RestoreSnap();

    // m_bSnap as it was before the drag, and whether it still has to be put back.
    int savedSnap = 0;
    bool snapSaved = false;

private:
    void DrawFocus(CArdoView& view, CPoint a, CPoint b);
    void MoveSelection(CArdoView& view, CPoint point);
    void EditCommonLineAndFill(CArdoView& view);

    CArdoView* m_snapView = nullptr;    // whose document's snap flag savedSnap belongs to
    CArdoView* m_rubberView = nullptr;  // where a rubber band is shown
    bool m_dropPromptShown = false;     // the move prompt of a press is still in the status bar
};
