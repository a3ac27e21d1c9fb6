// The program's command line: a file to open, the print command (-p FILE or /p FILE) and
// --nosplash. Options may stand before or after the file name.
#pragma once

#include <string>
#include <vector>

struct CommandLineInfo {
    enum ShellCommand { FileNew = 0, FileOpen = 1, FilePrint = 2 };

    ShellCommand shellCommand = FileNew;
    // The positional words joined by blanks: an unquoted name with blanks still names one
    // file, as the whole command line used to.
    std::string fileName;
    bool showSplash = true;
    // Options the program does not know; they are ignored.
    std::vector<std::string> unknownOptions;
};

// args without the program name (Qt's own options already removed).
CommandLineInfo ParseCommandLine(const std::vector<std::string>& args);
