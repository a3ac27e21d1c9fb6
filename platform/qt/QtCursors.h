// The cursor service: standard cursor ids become Qt cursor shapes on a target widget (the
// active view). Ids without a standard shape may be given a cursor of their own.
#pragma once

#include "platform/Services.h"

#include <QCursor>
#include <QPointer>
#include <QWidget>

#include <map>

// The Qt shape of a standard IDC_... id; unknown ids give the arrow.
Qt::CursorShape CursorShapeFor(int cursorId);

class QtCursors : public ICursors {
public:
    explicit QtCursors(QWidget* target = nullptr) : m_target(target) {}

    // Sets the cursor on the target widget; without a target only the id is remembered.
    void SetCursor(int cursorId) override;

    void SetTarget(QWidget* target);
    QWidget* Target() const { return m_target.data(); }
    // A cursor of the program's own (from its resources) for an id.
    void SetCustomCursor(int cursorId, const QCursor& cursor) { m_custom[cursorId] = cursor; }
    int CurrentCursorId() const { return m_current; }
    QCursor CursorFor(int cursorId) const;

private:
    QPointer<QWidget> m_target;
    std::map<int, QCursor> m_custom;
    int m_current = IDC_ARROW;
};
