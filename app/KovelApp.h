// The application object: reads the command line, fixes the program folder and print mode,
// creates and places the main frame, shows the splash picture and opens the first document.
#pragma once

#include "app/CommandLine.h"
#include "app/RecentFileList.h"
#include "app/frame/FileDialogs.h"

#include <memory>
#include <string>
#include <vector>

class AutosaveController;
class CArdoDoc;
class CToolFramework;
class MainFrame;

class KovelApp {
public:
    // dialogs: null for the real file dialogs.
    explicit KovelApp(std::unique_ptr<IFileDialogs> dialogs = nullptr);
    ~KovelApp();

    enum class StartResult { Run, Exit };

    // Start-up in order. args without the program name; programFolder empty for the folder
    // of the running program. Exit: the program ends at once with ExitCode() (print mode,
    // or a command line that cannot be served).
    StartResult InitInstance(const std::vector<std::string>& args, const std::string& programFolder = {});
    int ExitCode() const { return m_exitCode; }

    // Where autosave snapshots go (before InitInstance); none by default: no autosave and
    // no recovery at start.
    void SetAutosaveFolder(const std::string& folder) { m_autosaveFolder = folder; }
    AutosaveController* Autosave() const { return m_autosave.get(); }

    // Opens a document as the user would (recent-file list, ".cap" naming).
    std::shared_ptr<CArdoDoc> OpenDocumentFile(const std::string& path);

    MainFrame* Frame() const { return m_frame.get(); }
    const CommandLineInfo& CommandLine() const { return m_commandLine; }
    // Whether the splash picture may be shown.
    bool SplashAllowed() const { return m_showSplash; }

private:
    void OpenFirstDocument(bool recovered);

    std::unique_ptr<IFileDialogs> m_dialogs;
    RecentFileList m_recent;
    // The tools and their state, shared by every document window; outlives the frame.
    std::unique_ptr<CToolFramework> m_tools;
    std::unique_ptr<MainFrame> m_frame;
    // Writes the frame's documents; goes before the frame.
    std::unique_ptr<AutosaveController> m_autosave;
    std::string m_autosaveFolder;
    CommandLineInfo m_commandLine;
    bool m_showSplash = false;
    int m_exitCode = 0;
};
