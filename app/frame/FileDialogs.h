// The dialogs of opening and saving documents, behind an interface so tests can answer
// them.
#pragma once

#include <string>

class CArdoDoc;
class QWidget;

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // The document to open, empty on cancel.
    virtual std::string AskOpenFileName(QWidget* parent) = 0;
    // The name to save under, starting from proposed; empty on cancel. bReplace: the document
    // takes the new name ("Speichern unter"), else a copy is saved.
    virtual std::string AskSaveFileName(QWidget* parent, const std::string& proposed, bool bReplace) = 0;
    // After a plan was imported into doc: asks for the plan's scale (the scale dialog).
    virtual void AskPlanScale(CArdoDoc& doc, QWidget* parent) = 0;
};

// QFileDialog with the document type's filter "Kovel Datei (*.cpr;*.cap)".
class QtFileDialogs : public IFileDialogs {
public:
    std::string AskOpenFileName(QWidget* parent) override;
    std::string AskSaveFileName(QWidget* parent, const std::string& proposed, bool bReplace) override;
    void AskPlanScale(CArdoDoc& doc, QWidget* parent) override;
};
