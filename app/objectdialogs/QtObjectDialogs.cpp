#include "app/objectdialogs/QtObjectDialogs.h"

#include "app/objectdialogs/AddSymbolDialog.h"
#include "app/objectdialogs/DimensionDialog.h"
#include "app/objectdialogs/LabelDialog.h"
#include "app/objectdialogs/LineFillDialog.h"
#include "app/objectdialogs/NoteDialog.h"
#include "app/objectdialogs/SymbolAttributesDialog.h"
#include "app/objectdialogs/SymbolDialog.h"

namespace {
// Runs the dialog modally; on OK the accepted values replace inOut, otherwise it stays as it was.
template <class Dialog, class Values>
bool Run(QWidget* parent, Values& inOut) {
    Dialog dialog(inOut, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    inOut = dialog.Values();
    return true;
}
}  // namespace

bool QtObjectDialogs::EditLineAndFill(LineFillValues& inOut) { return Run<LineFillDialog>(m_parent, inOut); }
bool QtObjectDialogs::EditDimensions(DimensionDialogValues& inOut) { return Run<DimensionDialog>(m_parent, inOut); }
bool QtObjectDialogs::EditSymbol(SymbolDialogValues& inOut) { return Run<SymbolDialog>(m_parent, inOut); }
bool QtObjectDialogs::EditNote(std::string& inOut) { return Run<NoteDialog>(m_parent, inOut); }
bool QtObjectDialogs::EditText(TextDialogValues& inOut) { return Run<LabelDialog>(m_parent, inOut); }
bool QtObjectDialogs::EditSymbolAttributes(SymbolAttributeValues& inOut) {
    return Run<SymbolAttributesDialog>(m_parent, inOut);
}
bool QtObjectDialogs::EditAddSymbol(AddSymbolValues& inOut) { return Run<AddSymbolDialog>(m_parent, inOut); }

QtObjectDialogs& QtObjectDialogs::Install(QWidget* parent) {
    static QtObjectDialogs instance;
    if (parent) instance.SetParent(parent);
    SetObjectDialogs(&instance);
    return instance;
}

void QtObjectDialogs::Uninstall() { SetObjectDialogs(nullptr); }
