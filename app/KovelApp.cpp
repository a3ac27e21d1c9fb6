#include "app/KovelApp.h"

#include "app/AppState.h"
#include "app/SamplePlans.h"
#include "app/SplashWindow.h"
#include "app/WindowPlacement.h"
#include "app/frame/AutosaveController.h"
#include "app/frame/DocumentManager.h"
#include "app/frame/FileDialogs.h"
#include "app/frame/MainFrame.h"
#include "app/objectdialogs/QtObjectDialogs.h"
#include "document/ArdoDoc.h"
#include "platform/Services.h"
#include "platform/qt/QtCursors.h"
#include "platform/qt/QtStatusBar.h"
#include "tools/ToolFramework.h"

#if __has_include("app/viewwindow/ViewWindowFactory.h")
#include "app/viewwindow/ProgramCursors.h"
#include "app/viewwindow/ViewWindowFactory.h"
#define KOVEL_HAVE_VIEW_WINDOW 1
#endif

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <cstdio>

KovelApp::KovelApp(std::unique_ptr<IFileDialogs> dialogs) : m_dialogs(std::move(dialogs)) {
    if (!m_dialogs) m_dialogs = std::make_unique<QtFileDialogs>();
}

KovelApp::~KovelApp() {
#ifdef KOVEL_HAVE_VIEW_WINDOW
    SetViewToolSink(nullptr);  // the tools go with the application
#endif
    QtObjectDialogs::Uninstall();
    if (auto* status = dynamic_cast<QtStatusBar*>(AppServices().status)) status->SetCallback({});
    SplashWindow::CloseSplash();
}

KovelApp::StartResult KovelApp::InitInstance(const std::vector<std::string>& args, const std::string& programFolder) {
    // 1-2. Command line, print mode and splash permission.
    m_commandLine = ParseCommandLine(args);
    const bool printMode = m_commandLine.shellCommand == CommandLineInfo::FilePrint;
    SetPrintMode(printMode);
#ifdef KOVEL_HAVE_VIEW_WINDOW
    SetViewPrintMode(printMode);
#endif
    m_showSplash = !printMode && m_commandLine.showSplash;
    if (printMode && m_commandLine.fileName.empty()) {
        std::fprintf(stderr, "kovel: -p needs the file to print\n");
        m_exitCode = 2;
        return StartResult::Exit;
    }

    // 3. The program's folder (the symbol library and the sample plans are found from it).
    SetProgramFolder(programFolder.empty() ? QCoreApplication::applicationDirPath().toStdString() : programFolder);

    // 5. Standard settings: the recent-file list.
    ISettingsStore& settings = *AppServices().settings;
    m_recent.Load(settings);

    // 8. The main frame with its bars and stored bar layout, then the splash picture.
    m_frame = std::make_unique<MainFrame>(settings, m_recent, *m_dialogs);
    m_frame->RestoreBarLayout();
    if (auto* status = dynamic_cast<QtStatusBar*>(AppServices().status))
        status->SetCallback([frame = m_frame.get()](int pane, const std::string& text) {
            frame->SetPaneText(pane, QString::fromStdString(text));
        });
    if (m_showSplash) SplashWindow::ShowSplash(m_frame.get());

    // The core's property dialogs and tools, and the scale question after a plan import
    // (not when the program only prints).
    QtObjectDialogs::Install(m_frame.get());
#ifdef KOVEL_HAVE_VIEW_WINDOW
    m_tools = std::make_unique<CToolFramework>(AppServices());
    SetViewToolSink(m_tools.get());
    if (auto* cursors = dynamic_cast<QtCursors*>(AppServices().cursors)) InstallProgramCursors(*cursors);
#endif
    if (!printMode)
        m_frame->Documents().SetAfterImport([this](CArdoDoc& doc) {
            m_dialogs->AskPlanScale(doc, m_frame.get());
            doc.SetModifiedFlag(true);
        });

    // 9. Placement: the stored one (maximised position at 0, 0) or the middle of the screen.
    QSize screen(1024, 768);
    if (QScreen* primary = QGuiApplication::primaryScreen()) screen = primary->geometry().size();
    m_frame->ApplyPlacement(StartPlacement(settings, screen.width(), screen.height()));

    // 11. The first document (below, once the frame shows, unless only printing).
    if (printMode) {
        // The view prints the document as soon as it is read; then the program ends.
        OpenDocumentFile(m_commandLine.fileName);
        m_frame->close();
        return StartResult::Exit;
    }
    // 12. Show the frame, before the first document: a plan opened at start asks for its
    // scale, and that question belongs over the program's window.
    m_frame->ShowPlaced();
    // Autosave, and the documents of a run that ended without cleaning up.
    m_autosave = std::make_unique<AutosaveController>(m_frame->Documents(), settings, m_autosaveFolder, m_frame.get());
    QObject::connect(m_frame.get(), &MainFrame::documentsClosedCleanly, m_autosave.get(),
                     &AutosaveController::EndCleanly);
    const bool recovered = m_autosave->OfferRecovery() > 0;
    OpenFirstDocument(recovered);
    if (SplashWindow* splash = SplashWindow::Current()) splash->raise();
    return StartResult::Run;
}

void KovelApp::OpenFirstDocument(bool recovered) {
    if (!m_commandLine.fileName.empty()) {
        OpenDocumentFile(m_commandLine.fileName);
        return;
    }
    if (recovered) return;  // the recovered documents are the work to go on with
    // A first start shows the sample flat; later starts begin with an empty sheet.
    if (IsFirstStart(*AppServices().settings)) {
        const std::string sample = FindSampleApartment(ProgramFolder());
        if (!sample.empty() && OpenDocumentFile(sample)) return;
    }
    m_frame->Documents().NewDocument();
}

std::shared_ptr<CArdoDoc> KovelApp::OpenDocumentFile(const std::string& path) {
    return m_frame->Documents().OpenDocumentFile(path);
}
