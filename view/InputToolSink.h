// The seam between the view and the interaction tools. The view forwards mouse and key
// events of the active view to the current tool through this interface; the tool framework
// (tools/) implements it and looks the current tool up anew on every event.
#pragma once

#include "platform/Geometry.h"

class CArdoView;

class InputToolSink {
public:
    virtual ~InputToolSink() = default;
    // Window points in client pixels; flags are the mouse-key flags (MK_...).
    virtual void OnButtonDown(CArdoView& view, unsigned flags, CPoint point) = 0;
    virtual void OnButtonUp(CArdoView& view, unsigned flags, CPoint point) = 0;
    virtual void OnMouseMove(CArdoView& view, unsigned flags, CPoint point) = 0;
    virtual void OnDoubleClick(CArdoView& view, unsigned flags, CPoint point) = 0;
    virtual void OnChar(CArdoView& view, unsigned ch, unsigned repeat, unsigned flags) = 0;
    virtual void OnCancel(CArdoView& view) = 0;
    // Makes the selection tool (0) the current tool.
    virtual void SelectSelectionTool() = 0;
    // Ends every gesture still under way (a command is about to change the selection).
    virtual void EndInputsUnderWay() {}
    // The view is being destroyed: drop every pointer to it.
    virtual void OnViewDestroyed(CArdoView& view) { (void)view; }
    // The view has just become the active view.
    virtual void OnViewActivated(CArdoView& view) { (void)view; }
};
