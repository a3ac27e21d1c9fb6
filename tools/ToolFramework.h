// The tool framework as the views see it: it owns the tool instances for the run and
// forwards the active view's events to the current tool, looked up anew on every event.
#pragma once

#include "view/InputToolSink.h"

class CToolFramework final : public InputToolSink {
public:
    void OnButtonDown(CArdoView& view, unsigned flags, CPoint point) override;
    void OnButtonUp(CArdoView& view, unsigned flags, CPoint point) override;
    void OnMouseMove(CArdoView& view, unsigned flags, CPoint point) override;
    void OnDoubleClick(CArdoView& view, unsigned flags, CPoint point) override;
    void OnChar(CArdoView& view, unsigned ch, unsigned repeat, unsigned flags) override;
    // Esc: the current tool cancels; the selection tool ends a drag that lost its release.
    void OnCancel(CArdoView& view) override;
    // Ends any input under way, then makes the selection tool current.
    void SelectSelectionTool() override;
    void OnViewDestroyed(CArdoView& view) override;
    // A view became active: the symbol tool without a chosen symbol ends.
    void OnViewActivated(CArdoView& view) override;
    void EndInputsUnderWay() override;
    // Runs and updates the tool and symbol commands (ToolCommands.h).
    bool OnCommand(CArdoView& view, int id) override;
    std::optional<CommandUpdate> OnUpdateCommand(const CArdoView& view, int id) override;
};

// Creates the tool instances once (each registers itself) and returns the framework that
// the shell hands to every view with SetToolSink.
CToolFramework& ToolFramework();

// Cancels every tool that still has a gesture under way (in any view).
void EndInputsUnderWay();

// Makes id the current tool, first ending any input still under way in the view.
void ChangeCurrentTool(CArdoView& view, int id);
