// The tool framework as the views see it: it owns the tool instances and their shared state,
// and forwards the active view's events to the current tool, looked up anew on every event.
// The application creates one and hands it to every view with SetToolSink; each tool knows
// the framework it belongs to, and commands find it through the view.
#pragma once

#include "platform/Services.h"
#include "tools/GestureChange.h"
#include "tools/InputTool.h"
#include "tools/SymbolPalette.h"
#include "view/InputToolSink.h"

#include <map>
#include <memory>
#include <vector>

class CSelectionTool;

class CToolFramework final : public InputToolSink {
public:
    // Creates one instance of every tool. Prompts go to the status bar of `services`, which
    // must outlive the framework.
    explicit CToolFramework(Services& services = AppServices());
    ~CToolFramework() override;
    CToolFramework(const CToolFramework&) = delete;
    CToolFramework& operator=(const CToolFramework&) = delete;

    void OnButtonDown(CArdoView& view, unsigned flags, CPoint point) override;
    void OnButtonUp(CArdoView& view, unsigned flags, CPoint point) override;
    void OnMouseMove(CArdoView& view, unsigned flags, CPoint point) override;
    void OnDoubleClick(CArdoView& view, unsigned flags, CPoint point) override;
    void OnChar(CArdoView& view, unsigned ch, unsigned repeat, unsigned flags) override;
    // Esc: the current tool cancels; the selection tool ends a drag that lost its release.
    void OnCancel(CArdoView& view) override;
    // Ends any input under way, then makes the selection tool current.
    void SelectSelectionTool() override;
    // Cancels every tool that still has a gesture under way (in any view).
    void EndInputsUnderWay() override;
    void OnViewDestroyed(CArdoView& view) override;
    // A view became active: the symbol tool without a chosen symbol ends.
    void OnViewActivated(CArdoView& view) override;
    // Runs and updates the tool and symbol commands (ToolCommands.h).
    bool OnCommand(CArdoView& view, int id) override;
    std::optional<CommandUpdate> OnUpdateCommand(const CArdoView& view, int id) override;

    // The prompt pane's text: prompts of the tools and the tool commands.
    void ShowPrompt(const char* text) { m_services.status->SetPaneText(kPanePrompt, text); }
    // The same with string textId of the string table (none for 0).
    void ShowPrompt(int textId);

    ToolState& State() { return m_state; }
    const ToolState& State() const { return m_state; }
    // The first tool with this id, or null.
    CInputTool* FindTool(int id) const;
    // The selection tool (the creating tools call into it).
    CSelectionTool& Selection() const;
    // Makes id the current tool, first ending any input still under way in the view.
    void ChangeCurrentTool(CArdoView& view, int id);
    // The installed symbol palette, or the headless stand-in; never null.
    ISymbolPalette& Palette() { return m_palette ? *m_palette : m_headlessPalette; }
    // Installs a palette window (not owned); null puts the headless stand-in back.
    void SetPalette(ISymbolPalette* palette) { m_palette = palette; }
    // The symbol key last chosen in each view (tools/SymbolCommands.h).
    std::map<const CArdoView*, int>& ChosenSymbolKeys() { return m_chosenKeys; }

    // Called by the tools as they are made and destroyed.
    void Register(CInputTool* tool) { m_registry.push_back(tool); }
    void Unregister(CInputTool* tool);

private:
    struct StandardTools;
    // Whether any tool has a gesture under way.
    bool AnyInputUnderWay() const;
    // After an event: the gesture's change is recorded once nothing is under way.
    void CloseGestureWhenDone();

    Services& m_services;
    ToolState m_state;
    GestureChange m_gesture;
    bool m_dragging = false;  // between a press that started a drag and its release
    std::vector<CInputTool*> m_registry;
    std::map<const CArdoView*, int> m_chosenKeys;
    HeadlessSymbolPalette m_headlessPalette{m_services};
    ISymbolPalette* m_palette = nullptr;
    std::unique_ptr<StandardTools> m_tools;  // last: the tools register with the members above
};

// The tool framework the view was given, or null.
CToolFramework* ToolsOf(const CArdoView& view);

// Makes id the current tool of the view's framework (see CToolFramework::ChangeCurrentTool).
void ChangeCurrentTool(CArdoView& view, int id);
