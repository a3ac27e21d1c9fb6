// The subcommands of kovel-cli. Each takes its arguments after the command name and
// returns the process exit status: 0 done, 1 failed (message on stderr), 2 bad usage.
#pragma once

#include <string>
#include <vector>

using Arguments = std::vector<std::string>;

int RunNew(const Arguments& args);
int RunInfo(const Arguments& args);
int RunDump(const Arguments& args);
int RunBuild(const Arguments& args);
int RunConvert(const Arguments& args);
int RunSymbols(const Arguments& args);

class CArdoDoc;
// Imports a ".cap" plan into doc; false after printing why it could not be read.
bool ImportPlanForCli(CArdoDoc& doc, const std::string& path);
// Loads path as the program would open it (a ".cap" plan is imported); false after
// printing the message.
bool LoadDocument(CArdoDoc& doc, const std::string& path);
// The same with the symbol library read first, for drawing placed symbols.
bool LoadDocumentWithSymbols(CArdoDoc& doc, const std::string& path);
// Saves doc to path; false after printing the program's message.
bool SaveDocument(CArdoDoc& doc, const std::string& path);
// Prints "Usage: kovel-cli TEXT" and returns the bad-usage status 2.
int Usage(const char* text);

// Prints a failure to stderr: the message text as the program shows it.
void PrintError(const std::string& message);
