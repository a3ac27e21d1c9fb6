#include "app/viewwindow/ProgramCursors.h"

#include "objects/ArdoSymbol.h"
#include "platform/Services.h"
#include "platform/qt/QtCursors.h"
#include "tools/InputTool.h"
#include "view/ViewCommands.h"

#include <QIcon>
#include <QPixmap>

#include <map>

namespace {
constexpr int kCursorSize = 32;

const char* PictureOf(int cursorId) {
    switch (cursorId) {
    case IDC_SYMBOL_TURN: return ":/icons/cursor-turn.svg";
    case IDC_DRAWING: return ":/icons/cursor-drawing.svg";
    case IDC_REFUSE: return ":/icons/cursor-refuse.svg";
    default: return nullptr;
    }
}
}  // namespace

std::optional<QCursor> ProgramCursor(int cursorId) {
    const char* picture = PictureOf(cursorId);
    if (!picture) return std::nullopt;
    // Drawn once: the tools ask for their cursor on every mouse move.
    static std::map<int, QCursor> made;
    if (auto it = made.find(cursorId); it != made.end()) return it->second;
    const QPixmap pixmap = QIcon(QString::fromUtf8(picture)).pixmap(kCursorSize, kCursorSize);
    // Every picture is drawn round its middle, which is the hot spot.
    QCursor cursor = pixmap.isNull() ? QCursor(cursorId == IDC_REFUSE ? Qt::ForbiddenCursor : Qt::CrossCursor)
                                     : QCursor(pixmap, kCursorSize / 2, kCursorSize / 2);
    made.emplace(cursorId, cursor);
    return cursor;
}

QCursor CursorForId(int cursorId) {
    if (std::optional<QCursor> own = ProgramCursor(cursorId)) return *own;
    if (auto* cursors = dynamic_cast<QtCursors*>(AppServices().cursors)) return cursors->CursorFor(cursorId);
    return QCursor(CursorShapeFor(cursorId));
}

void InstallProgramCursors(QtCursors& cursors) {
    for (int id : {IDC_SYMBOL_TURN, IDC_DRAWING, IDC_REFUSE})
        if (std::optional<QCursor> cursor = ProgramCursor(id)) cursors.SetCustomCursor(id, *cursor);
}
