// "Notiz": the note of a marker, one multi-line edit.
#pragma once

#include "app/objectdialogs/ObjectDialog.h"

#include <string>

class QPlainTextEdit;

class NoteDialog : public ObjectDialog {
public:
    explicit NoteDialog(const std::string& preset, QWidget* parent = nullptr);

    const std::string& Values() const { return m_note; }

protected:
    bool Validate() override;

private:
    std::string m_note;
    QPlainTextEdit* m_edit = nullptr;
};
