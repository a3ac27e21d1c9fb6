#include "app/dialogs/DocumentSettingsCommands.h"

#include "app/ShellTexts.h"
#include "app/dialogs/GridDialog.h"
#include "app/dialogs/OriginDialog.h"
#include "app/dialogs/ScaleDialog.h"
#include "app/dialogs/SnapDialog.h"
#include "commands/CommandIds.h"
#include "document/ArdoDoc.h"
#include "document/ChangeNames.h"
#include "document/DocumentChange.h"

#include <QColorDialog>

bool IsDocumentSettingsCommand(int id) {
    return id == cmd::BackgroundColor || id == cmd::GridSetup || id == cmd::ScaleAndUnit || id == cmd::Origin ||
           id == cmd::SnapSetup;
}

namespace {
int ChangeNameOf(int id) {
    switch (id) {
    case cmd::BackgroundColor: return change::PaperColor;
    case cmd::GridSetup: return change::Grid;
    case cmd::ScaleAndUnit: return change::Scale;
    case cmd::Origin: return change::Origin;
    case cmd::SnapSetup: return change::Snap;
    default: return 0;
    }
}
}  // namespace

bool RunDocumentSettingsCommand(int id, CArdoDoc& doc, QWidget* parent) {
    if (!IsDocumentSettingsCommand(id)) return false;
    // What the dialog sets is one step of the history; a cancelled dialog records none.
    DocumentChange change(doc, ChangeNameOf(id));
    switch (id) {
    case cmd::BackgroundColor: RunBackgroundColorDialog(doc, parent); return true;
    case cmd::GridSetup: RunGridDialog(doc, parent); return true;
    case cmd::ScaleAndUnit: RunScaleDialog(doc, parent); return true;
    case cmd::Origin: RunOriginDialog(doc, parent); return true;
    case cmd::SnapSetup: RunSnapDialog(doc, parent); return true;
    default: return false;
    }
}

bool RunBackgroundColorDialog(CArdoDoc& doc, QWidget* parent) {
    const QColor chosen = QColorDialog::getColor(Qt::black, parent, ShellText(IDS_BACKGROUND_COLOR_CAPTION));
    if (!chosen.isValid()) return false;
    doc.SetPaperColor(RGB(chosen.red(), chosen.green(), chosen.blue()));
    return true;
}
