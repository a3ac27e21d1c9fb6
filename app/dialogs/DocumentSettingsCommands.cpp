#include "app/dialogs/DocumentSettingsCommands.h"

#include "app/dialogs/GridDialog.h"
#include "app/dialogs/OriginDialog.h"
#include "app/dialogs/ScaleDialog.h"
#include "app/dialogs/SnapDialog.h"
#include "document/ArdoDoc.h"

#include <QColorDialog>

namespace {
constexpr int kBackgroundColor = 32781;
constexpr int kGridSetup = 32840;
constexpr int kScaleAndUnit = 32842;
constexpr int kOrigin = 32846;
constexpr int kSnapSetup = 32861;
}  // namespace

bool IsDocumentSettingsCommand(int id) {
    return id == kBackgroundColor || id == kGridSetup || id == kScaleAndUnit || id == kOrigin ||
           id == kSnapSetup;
}

bool RunDocumentSettingsCommand(int id, CArdoDoc& doc, QWidget* parent) {
    switch (id) {
    case kBackgroundColor: RunBackgroundColorDialog(doc, parent); return true;
    case kGridSetup: RunGridDialog(doc, parent); return true;
    case kScaleAndUnit: RunScaleDialog(doc, parent); return true;
    case kOrigin: RunOriginDialog(doc, parent); return true;
    case kSnapSetup: RunSnapDialog(doc, parent); return true;
    default: return false;
    }
}

bool RunBackgroundColorDialog(CArdoDoc& doc, QWidget* parent) {
    const QColor chosen = QColorDialog::getColor(Qt::black, parent, QStringLiteral("Hintergrundfarbe ändern"));
    if (!chosen.isValid()) return false;
    doc.m_crPaper = RGB(chosen.red(), chosen.green(), chosen.blue());
    doc.SetModifiedFlag(true);
    doc.UpdateAllViews(nullptr, 0);
    return true;
}
