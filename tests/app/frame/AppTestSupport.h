// Shared set-up of the shell tests: a settings file of their own, message boxes that answer
// from a script, and file dialogs that return prepared names.
#pragma once

#include "app/frame/FileDialogs.h"
#include "platform/Services.h"
#include "platform/qt/QtSettingsStore.h"

#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <string>
#include <vector>

struct ShownMessage {
    std::string text;
    std::string caption;
    unsigned type;
};

class ScriptedMessageBoxes : public IMessageBoxes {
public:
    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override {
        shown.push_back({text, caption, type});
        if (answers.empty()) return IDOK;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<int> answers;
    std::vector<ShownMessage> shown;
};

class ScriptedFileDialogs : public IFileDialogs {
public:
    std::string AskOpenFileName(QWidget*) override { return openName; }
    std::string AskSaveFileName(QWidget*, const std::string& proposed, bool bReplace) override {
        proposals.push_back(proposed);
        replaceFlags.push_back(bReplace);
        return saveName;
    }
    void AskPlanScale(CArdoDoc&, QWidget*) override { ++scaleQuestions; }
    std::string openName;
    int scaleQuestions = 0;
    std::string saveName;
    std::vector<std::string> proposals;
    std::vector<bool> replaceFlags;
};

// Installs a fresh settings file and scripted message boxes for one test; puts the
// defaults back afterwards.
class ShellTestEnvironment {
public:
    ShellTestEnvironment();
    ~ShellTestEnvironment();

    QString Path(const QString& name) const { return dir.filePath(name); }
    std::string PathStd(const std::string& name) const { return Path(QString::fromStdString(name)).toStdString(); }
    // A store on the same settings file, as a later run of the program sees it.
    std::unique_ptr<QtSettingsStore> ReopenSettings() const;

    QTemporaryDir dir;
    std::unique_ptr<QtSettingsStore> settings;
    ScriptedMessageBoxes messages;
};

// The build folder: the program's folder in a build, with Kovel.sym and plans/.
std::string BuildFolder();
// Lets deleteLater() and queued calls run.
void ProcessEvents();
