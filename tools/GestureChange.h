// The document change a gesture of the tools keeps open: from the press that starts it until
// no tool has input under way (a drag released, a polygon closed). It becomes one step of
// the history, named after what the tool does; a gesture interrupted while the button is
// held leaves no change behind.
#pragma once

class CArdoDoc;
class CArdoView;

class GestureChange {
public:
    GestureChange() = default;
    GestureChange(const GestureChange&) = delete;
    GestureChange& operator=(const GestureChange&) = delete;

    // Opens the change in the view's document, named after the tool, unless one is open; a
    // change still open in another document is closed first.
    void Open(CArdoView& view, int toolId);
    // Records the change (or takes it back) and forgets it.
    void Close(bool takeBack);
    // The view is going away: its gesture ends with it.
    void ViewDestroyed(const CArdoView& view, bool takeBack);
    bool IsOpen() const { return m_doc != nullptr; }

private:
    CArdoDoc* m_doc = nullptr;
    const CArdoView* m_view = nullptr;
};
