// The command targets of the document level (save, save as, close of the active document)
// and of the application (new, open, recent files, About box, exit).
#pragma once

#include "app/frame/CommandTarget.h"

#include <cstddef>

class DocumentManager;
class IFileDialogs;
class QWidget;
class RecentFileList;

class ActiveDocumentCommands : public CommandTarget {
public:
    explicit ActiveDocumentCommands(DocumentManager& documents) : m_documents(documents) {}
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

private:
    DocumentManager& m_documents;
};

class ApplicationCommands : public CommandTarget {
public:
    ApplicationCommands(DocumentManager& documents, RecentFileList& recent, IFileDialogs& dialogs, QWidget* frame)
        : m_documents(documents), m_recent(recent), m_dialogs(dialogs), m_frame(frame) {}
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

    // Opens recent file index; a file that cannot be opened leaves the list.
    void OpenRecentFile(size_t index);

private:
    DocumentManager& m_documents;
    RecentFileList& m_recent;
    IFileDialogs& m_dialogs;
    QWidget* m_frame;
};
