// The program's own cursors: the symbol turning cursor (IDC_SYMBOL_TURN), the drawing cursor
// (IDC_DRAWING) and the refusal cursor (IDC_REFUSE), drawn from the SVG pictures in the
// resources.
#pragma once

#include <QCursor>

#include <optional>

class QtCursors;

// The cursor of one of the program's own ids; none for any other id.
std::optional<QCursor> ProgramCursor(int cursorId);
// The cursor a document window shows for an id: the program's own, one the cursor service
// was given, or the standard shape.
QCursor CursorForId(int cursorId);
// Gives the cursor service the program's own cursors.
void InstallProgramCursors(QtCursors& cursors);
