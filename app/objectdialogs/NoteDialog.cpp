#include "app/objectdialogs/NoteDialog.h"

#include "app/ShellTexts.h"

#include <QPlainTextEdit>

NoteDialog::NoteDialog(const std::string& preset, QWidget* parent)
    : ObjectDialog(ShellText(IDS_NOTE_CAPTION), parent), m_note(preset) {
    m_edit = dialogs::Named(new QPlainTextEdit(QString::fromStdString(ToEditLines(preset)), this), ctl::kNoteText);
    m_edit->setTabChangesFocus(true);
    Body()->addWidget(m_edit);
}

bool NoteDialog::Validate() {
    m_note = FromEditLines(m_edit->toPlainText().toStdString(), m_note);
    return true;
}
