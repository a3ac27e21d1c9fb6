// What the document needs of the views that show it. The view of the shell implements it;
// tests use small fakes.
#pragma once

#include "objects/ArdoObj.h"

#include <vector>

// Update hints: what changed.
enum UpdateHintCode {
    HINT_ALL = 0,       // the whole window; the cached background is rebuilt
    HINT_OBJECT = 1,    // one object
    HINT_OBJECTS = 2,   // a list of objects, or the view's selection when none is given
    HINT_REMOVING = 3,  // objects being removed: they also leave the selection
    HINT_EMBEDDED = 4,  // all embedded objects
    HINT_MEASURES = 5,  // all measuring objects (after a scale or unit change)
    HINT_RESTORED = 6,  // a step of the history was taken: select `objects`, redraw all
};

struct UpdateHint {
    CArdoObj* object = nullptr;
    const std::vector<CArdoObj*>* objects = nullptr;
    bool background = false;  // HINT_RESTORED: the background or the sheet changed too
};

class DocumentView : public ObjectView {
public:
    ~DocumentView() override = default;
    // A change of the document reached this view (sender is the view that made it, or null).
    virtual void OnUpdate(DocumentView* sender, int hint, const UpdateHint& what) = 0;
    // obj leaves the document: forget it.
    virtual void RemoveFromSelection(CArdoObj* obj) = 0;
    virtual bool IsSelected(const CArdoObj* obj) const = 0;
    // The view that has the keyboard focus among all views of the program.
    virtual bool IsActiveView() const = 0;
    // The sheet extent changed: resize the scroll area.
    virtual void OnExtentChanged(CSize extent) = 0;
    // The view's client rectangle in logical units, normalised (the clip for drawing).
    virtual CRect GetLogicalClipRect(CDC* pDC) const = 0;
    // What an object asks of the view it is edited in: the whole window (hint 0).
    void RedrawAll() override { OnUpdate(nullptr, HINT_ALL, {}); }
};
