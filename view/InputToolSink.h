// The seam between the view and the interaction tools. The view forwards mouse and key
// events of the active view to the current tool, and the commands it does not handle itself
// to the tools, through this interface; the tool framework (tools/) implements it and looks
// the current tool up anew on every event.
#pragma once

#include "platform/Geometry.h"
#include "view/ViewCommands.h"

#include <optional>

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
    // The view is being destroyed: drop every pointer to it.
    virtual void OnViewDestroyed(CArdoView& view) { (void)view; }
    // The view has just become the active view.
    virtual void OnViewActivated(CArdoView& view) { (void)view; }
    // Ends every gesture still under way, in any view (a command is about to change the
    // selection).
    virtual void EndInputsUnderWay() {}
    // A command the view leaves to the tools (tool and symbol commands); false when id is
    // none of theirs.
    virtual bool OnCommand(CArdoView& view, int id) {
        (void)view;
        (void)id;
        return false;
    }
    // Enabled state and check mark of such a command; none when id is none of theirs.
    virtual std::optional<CommandUpdate> OnUpdateCommand(const CArdoView& view, int id) {
        (void)view;
        (void)id;
        return std::nullopt;
    }
};
