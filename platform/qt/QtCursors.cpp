#include "platform/qt/QtCursors.h"

Qt::CursorShape CursorShapeFor(int cursorId) {
    switch (cursorId) {
    case IDC_ARROW: return Qt::ArrowCursor;
    case IDC_IBEAM: return Qt::IBeamCursor;
    case IDC_WAIT: return Qt::WaitCursor;
    case IDC_CROSS: return Qt::CrossCursor;
    case IDC_SIZE:
    case IDC_SIZEALL: return Qt::SizeAllCursor;
    case IDC_SIZENWSE: return Qt::SizeFDiagCursor;
    case IDC_SIZENESW: return Qt::SizeBDiagCursor;
    case IDC_SIZEWE: return Qt::SizeHorCursor;
    case IDC_SIZENS: return Qt::SizeVerCursor;
    case IDC_NO: return Qt::ForbiddenCursor;
    default: return Qt::ArrowCursor;
    }
}

QCursor QtCursors::CursorFor(int cursorId) const {
    const auto it = m_custom.find(cursorId);
    return it != m_custom.end() ? it->second : QCursor(CursorShapeFor(cursorId));
}

void QtCursors::SetCursor(int cursorId) {
    m_current = cursorId;
    if (m_target) m_target->setCursor(CursorFor(cursorId));
}

void QtCursors::SetTarget(QWidget* target) {
    m_target = target;
    if (m_target) m_target->setCursor(CursorFor(m_current));
}
