// The open documents and their MDI windows: new, open (with the ".cap" naming rule and the
// recent-file list), further windows on a document, saving with the save naming rule, and
// closing with the question whether to save changes.
#pragma once

#include "app/frame/CommandTarget.h"
#include "document/ArdoDoc.h"
#include "document/DocumentFormats.h"

#include <QObject>

#include <memory>
#include <string>
#include <vector>

class CArdoDoc;
class IFileDialogs;
class QMdiArea;
class QMdiSubWindow;
class RecentFileList;

// Opening "name.cap" (any case; the path longer than 4 characters) names the document
// "name", so a later save never overwrites the plan. Other paths stay as they are.
std::string PathWithoutPlanExtension(const std::string& path);

class DocumentManager : public QObject {
    Q_OBJECT
public:
    DocumentManager(QMdiArea* area, IFileDialogs& dialogs, RecentFileList& recent, QObject* parent = nullptr);
    ~DocumentManager() override;

    // A new empty document in a new window.
    std::shared_ptr<CArdoDoc> NewDocument();
    // Opens path in a new window, or activates the window of the document already open under
    // it; null when it cannot be read (the document reported why).
    std::shared_ptr<CArdoDoc> OpenDocumentFile(const std::string& path);
    // Runs after a file was imported into a new document (a plan), before its window opens;
    // the application sets it to ask for the plan's scale.
    void SetAfterImport(CArdoDoc::AfterImport afterImport) { m_afterImport = std::move(afterImport); }
    // Opens a window on a document read elsewhere (a recovered autosave), as it is.
    void OpenRecovered(const std::shared_ptr<CArdoDoc>& doc);
    // One more window on doc.
    QMdiSubWindow* NewWindow(const std::shared_ptr<CArdoDoc>& doc);

    // Asks whether to save a modified document; false when the user cancels.
    bool SaveModified(CArdoDoc& doc);
    // "Speichern": under the document's name when that file exists and may be written, else
    // through the save dialog.
    bool DoFileSave(CArdoDoc& doc);
    // Saves under path, or, when path is empty, under the name the dialog returns; with
    // bReplace the document takes the new name.
    bool DoSave(CArdoDoc& doc, const std::string& path, bool bReplace);
    // "Schließen": asks to save, then closes every window of doc.
    bool CloseDocument(CArdoDoc& doc);
    // Asks for every modified document; false as soon as one is cancelled.
    bool SaveAllModified();
    // Closes every window without asking.
    void CloseAllDocuments();

    std::shared_ptr<CArdoDoc> ActiveDocument() const;
    // The current document window (also while the main window is inactive).
    QMdiSubWindow* ActiveWindow() const;
    std::vector<std::shared_ptr<CArdoDoc>> Documents() const;
    std::vector<QMdiSubWindow*> WindowsOf(const CArdoDoc& doc) const;
    // The command targets registered for doc (CommandHooks.h).
    std::vector<CommandTarget*> DocumentTargets(const CArdoDoc& doc) const;

    // The window caption: the document's title, with ":n" when it has several windows and
    // " *" while it differs from its file.
    QString WindowCaption(QMdiSubWindow* window) const;
    // Sets every window's caption anew (names, numbers and modified marks).
    void UpdateCaptions();

    // The MDI area is being destroyed with its windows: stop following them, since the
    // area can no longer be asked about them.
    void DetachWindows();

signals:
    // A document was opened, closed or renamed, or its windows changed.
    void documentsChanged();
    void recentFilesChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry;

    Entry* EntryOf(const CArdoDoc* doc) const;
    Entry* EntryOfWindow(const QMdiSubWindow* window) const;
    Entry& AddEntry(std::shared_ptr<CArdoDoc> doc);
    QMdiSubWindow* CreateWindow(Entry& entry);
    void ShowWindow(QMdiSubWindow* window);
    void WindowDestroyed(QMdiSubWindow* window);
    void RemoveEntry(const CArdoDoc* doc);
    void AddToRecentFiles(const std::string& path);

    QMdiArea* m_area;
    IFileDialogs& m_dialogs;
    RecentFileList& m_recent;
    // The readers files are opened with: document files and plans.
    DocumentFormats m_formats;
    CArdoDoc::AfterImport m_afterImport;
    std::vector<std::unique_ptr<Entry>> m_entries;
    int m_untitledCount = 0;
};
