#include "app/CommandLine.h"

namespace {
bool IsPrintFlag(const std::string& a) { return a == "-p" || a == "/p" || a == "--print"; }
bool IsNoSplashFlag(const std::string& a) { return a == "--nosplash" || a == "-nosplash" || a == "/nosplash"; }
}  // namespace

CommandLineInfo ParseCommandLine(const std::vector<std::string>& args) {
    CommandLineInfo info;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded) {
            if (arg == "--") {
                optionsEnded = true;
                continue;
            }
            if (IsPrintFlag(arg)) {
                info.shellCommand = CommandLineInfo::FilePrint;
                continue;
            }
            if (IsNoSplashFlag(arg)) {
                info.showSplash = false;
                continue;
            }
            // "-x" is an option; "/x" is an option only when it is a single letter word, so
            // absolute paths stay file names.
            if ((arg.size() > 1 && arg[0] == '-') || (arg.size() == 2 && arg[0] == '/')) {
                info.unknownOptions.push_back(arg);
                continue;
            }
        }
        if (arg.empty()) continue;
        if (!info.fileName.empty()) info.fileName += ' ';
        info.fileName += arg;
    }
    if (info.shellCommand == CommandLineInfo::FileNew && !info.fileName.empty())
        info.shellCommand = CommandLineInfo::FileOpen;
    // Printing shows no splash picture.
    if (info.shellCommand == CommandLineInfo::FilePrint) info.showSplash = false;
    return info;
}
