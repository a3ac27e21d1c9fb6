// Values the application fixes at start-up and every part of the shell may read: the
// program's folder and whether it runs only to print a file.
#pragma once

#include <string>

// The folder that holds the program file, without a trailing separator.
const std::string& ProgramFolder();
void SetProgramFolder(const std::string& folder);

// Set when the program was started with the print command (-p FILE): the document's view
// prints at once, and the main frame closes without storing its placement or bar layout.
bool IsPrintMode();
void SetPrintMode(bool printMode);
