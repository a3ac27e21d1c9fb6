#include "app/frame/ShellCommands.h"

#include "app/RecentFileList.h"
#include "app/frame/AboutBox.h"
#include "app/frame/DocumentManager.h"
#include "app/frame/FileDialogs.h"
#include "commands/CommandIds.h"
#include "document/ArdoDoc.h"
#include "platform/Services.h"

#include <QWidget>

bool ActiveDocumentCommands::OnUpdateCommand(int id, CommandState& state) {
    switch (id) {
    case cmd::FileClose:
    case cmd::FileSave:
    case cmd::FileSaveAs: state.enabled = m_documents.ActiveDocument() != nullptr; return true;
    default: return false;
    }
}

bool ActiveDocumentCommands::OnCommand(int id) {
    const auto doc = m_documents.ActiveDocument();
    if (!doc) return false;
    switch (id) {
    case cmd::FileClose: m_documents.CloseDocument(*doc); return true;
    case cmd::FileSave: m_documents.DoFileSave(*doc); return true;
    case cmd::FileSaveAs: m_documents.DoSave(*doc, std::string(), true); return true;
    default: return false;
    }
}

bool ApplicationCommands::OnUpdateCommand(int id, CommandState& state) {
    switch (id) {
    case cmd::FileNew:
    case cmd::FileOpen:
    case cmd::AppAbout:
    case cmd::AppExit: return true;
    default: break;
    }
    if (id >= cmd::RecentFile1 && id <= cmd::RecentFileLast) {
        state.enabled = size_t(id - cmd::RecentFile1) < m_recent.Files().size();
        return true;
    }
    return false;
}

bool ApplicationCommands::OnCommand(int id) {
    switch (id) {
    case cmd::FileNew: m_documents.NewDocument(); return true;
    case cmd::FileOpen: {
        const std::string path = m_dialogs.AskOpenFileName(m_frame);
        if (!path.empty()) m_documents.OpenDocumentFile(path);
        return true;
    }
    case cmd::AppAbout: ShowAboutBox(m_frame); return true;
    case cmd::AppExit: m_frame->close(); return true;
    default: break;
    }
    if (id >= cmd::RecentFile1 && id <= cmd::RecentFileLast) {
        OpenRecentFile(size_t(id - cmd::RecentFile1));
        return true;
    }
    return false;
}

void ApplicationCommands::OpenRecentFile(size_t index) {
    if (index >= m_recent.Files().size()) return;
    const std::string path = m_recent.Files()[index];
    if (!m_documents.OpenDocumentFile(path)) {
        // Look the entry up again: the failed open may have changed the list.
        const auto& files = m_recent.Files();
        for (size_t i = 0; i < files.size(); ++i)
            if (files[i] == path) {
                m_recent.Remove(i);
                m_recent.Save(*AppServices().settings);
                emit m_documents.recentFilesChanged();
                break;
            }
    }
}
