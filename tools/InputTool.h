// The base class of the fourteen mouse tools and the tool state they share. Both belong to
// one tool framework (tools/ToolFramework.h) that the application creates.
#pragma once

#include "platform/Geometry.h"

class CArdoDoc;
class CArdoObj;
class CArdoView;
class CToolFramework;

// Tool identifiers; also the value of ToolState::currentTool.
enum ToolId : int {
    TOOL_SELECT = 0,
    TOOL_LINE = 1,
    TOOL_POLYLINE = 2,
    TOOL_DIMLINE = 3,
    TOOL_RECTANGLE = 4,
    TOOL_ROUNDRECT = 5,
    TOOL_ELLIPSE = 6,
    TOOL_POLYGON = 7,
    TOOL_DIMCHAIN = 8,
    TOOL_DIMPOLYAREA = 9,
    TOOL_DIMRECT = 10,
    TOOL_BEZIER = 11,
    TOOL_TEXT = 12,
    TOOL_SYMBOL = 13,
};

// What the current drag does. Set at a press; stays until the next press.
enum SelectMode : int {
    none = 0,
    rubberBand = 1,  // selection rectangle
    move = 2,        // the selection follows the mouse
    sizeNew = 3,     // a creating tool drags a handle of its new object
    sizeHandle = 4,  // the selection tool drags a handle of the only selected object
};

// The cursor that refuses a step (a drag that would push objects off the paper).
constexpr int IDC_REFUSE = 141;

// One record per tool framework, shared by the views it serves; zero at start.
struct ToolState {
    int currentTool = TOOL_SELECT;
    unsigned downFlags = 0;
    CPoint downPoint;         // window point of the last press
    CPoint lastWindowPoint;   // last mouse position a tool handled
    CPoint lastLogicalPoint;  // reference point of the current drag
    int dragHandle = 0;       // handle being dragged; 0 none
    int selectMode = none;
};

class CInputTool {
public:
    // Appends the new tool to the framework's list.
    CInputTool(CToolFramework& tools, int toolId);
    // Leaves the list.
    virtual ~CInputTool();
    CInputTool(const CInputTool&) = delete;
    CInputTool& operator=(const CInputTool&) = delete;

    int ToolId() const { return m_toolId; }
    CToolFramework& Tools() const { return m_tools; }
    // The state of the framework this tool belongs to.
    ToolState& State() const;

    // Captures the mouse for the view and notes the flags and the point of the press.
    virtual void onButtonDown(CArdoView& view, unsigned flags, CPoint point);
    virtual void onDoubleClick(CArdoView& view, unsigned flags, CPoint point);
    // Releases the capture; a release on the press point makes the selection tool current.
    virtual void onButtonUp(CArdoView& view, unsigned flags, CPoint point);
    // Notes the point and shows the arrow cursor.
    virtual void onMouseMove(CArdoView& view, unsigned flags, CPoint point);
    virtual void onChar(CArdoView& view, unsigned charCode, unsigned repeatCount, unsigned keyFlags);
    // Makes the selection tool current.
    virtual void onCancel();

    // The view is going away: forget every pointer into it or its document's gesture.
    virtual void onViewDestroyed(CArdoView& view) { (void)view; }
    // Whether a gesture of this tool is still under way (its onCancel would end it).
    virtual bool HasInputUnderWay() const { return false; }
    // Whether a press places one point of an input that goes on (a polygon) rather than
    // starting a drag; Esc then ends the input and keeps it.
    virtual bool PlacesPointByPoint() const { return false; }

protected:
    // The status pane 0 text: the tool's prompt, through the framework's services.
    void ShowPrompt(const char* text) const;
    // The same with string textId of the string table (none for 0).
    void ShowPrompt(int textId) const;

private:
    CToolFramework& m_tools;
    int m_toolId;
};

// Whether obj is still one of the document's foreground objects. Tools keep plain pointers
// to the object they build; a command may have deleted it in between.
bool IsInDocument(const CArdoDoc& doc, const CArdoObj* obj);
