#include "app/dialogs/DocumentSettingsCommands.h"

#include "app/ShellTexts.h"
#include "app/dialogs/GridDialog.h"
#include "app/dialogs/OriginDialog.h"
#include "app/dialogs/ScaleDialog.h"
#include "app/dialogs/SnapDialog.h"
#include "commands/CommandIds.h"
#include "document/ArdoDoc.h"

#include <QColorDialog>

bool IsDocumentSettingsCommand(int id) {
    return id == cmd::BackgroundColor || id == cmd::GridSetup || id == cmd::ScaleAndUnit || id == cmd::Origin ||
           id == cmd::SnapSetup;
}

bool RunDocumentSettingsCommand(int id, CArdoDoc& doc, QWidget* parent) {
    // The document records what a dialog sets as a step of its own; a cancelled dialog sets
    // nothing, and the session values (snap, the colour around the sheet) are no steps.
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
