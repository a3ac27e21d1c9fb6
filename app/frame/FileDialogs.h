// The dialogs of opening and saving documents, behind an interface so tests can answer
// them.
#pragma once

#include <string>

class CArdoDoc;
class QString;
class QWidget;

// File names between Qt and the program. The program keeps a name as the bytes the file
// system knows it by, which need not be UTF-8 (a Latin-1 "Größe.cpr" is a valid Linux
// name); Qt's texts convert with the platform's file-name encoding in both directions.
std::string PathFromQString(const QString& name);
QString QStringFromPath(const std::string& path);
// A name as the user reads it (captions, messages): UTF-8 text for any name.
std::string DisplayNameOf(const std::string& path);

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
