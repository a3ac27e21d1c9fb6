// The symbol tool (id 13): drops the current library symbol at the pointer, pushes it onto
// the paper when it sticks out, and hands the drag to the selection tool's move logic.
#pragma once

#include "tools/InputTool.h"

class CArdoSymbol;

class CSymbolTool : public CInputTool {
public:
    explicit CSymbolTool(CToolFramework& tools) : CInputTool(tools, TOOL_SYMBOL) {}

    void onButtonDown(CArdoView& view, unsigned flags, CPoint point) override;
    void onButtonUp(CArdoView& view, unsigned flags, CPoint point) override;
    void onMouseMove(CArdoView& view, unsigned flags, CPoint point) override;
    void onDoubleClick(CArdoView& view, unsigned flags, CPoint point) override;
    void onCancel() override;
    void onViewDestroyed(CArdoView& view) override;
    bool HasInputUnderWay() const override { return snapSaved; }

    // The symbol just dropped; null when idle.
    CArdoSymbol* currentObject = nullptr;
    // The snap flag is off while a dropped symbol is dragged and comes back when the
    // gesture ends (release, Esc, or the view closing).
    int savedSnap = 0;
    bool snapSaved = false;

private:
    void RestoreSnap();

    CArdoView* m_view = nullptr;  // where currentObject and the saved snap flag belong
};

// The current symbol of the document when it names a usable table entry, else -1.
int UsableCurrentSymbol(const CArdoDoc& doc);
