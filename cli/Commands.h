// The subcommands of kovel-cli. Each takes its arguments after the command name and the
// formats files are read and exported with, and returns the process exit status: 0 done,
// 1 failed (message on stderr), 2 bad usage.
#pragma once

#include <string>
#include <vector>

class CArdoDoc;
class DocumentFormats;

using Arguments = std::vector<std::string>;

int RunNew(const Arguments& args, const DocumentFormats& formats);
int RunInfo(const Arguments& args, const DocumentFormats& formats);
int RunDump(const Arguments& args, const DocumentFormats& formats);
int RunBuild(const Arguments& args, const DocumentFormats& formats);
int RunConvert(const Arguments& args, const DocumentFormats& formats);
int RunSymbols(const Arguments& args, const DocumentFormats& formats);
int RunRender(const Arguments& args, const DocumentFormats& formats);

// Loads path as the program would open it, with the reader formats choose (a ".cap" plan
// is imported); false after printing the message.
bool LoadDocument(CArdoDoc& doc, const std::string& path, const DocumentFormats& formats);
// The same with the symbol library read first, for drawing placed symbols.
bool LoadDocumentWithSymbols(CArdoDoc& doc, const std::string& path, const DocumentFormats& formats);
// Saves doc to path; false after printing the program's message.
bool SaveDocument(CArdoDoc& doc, const std::string& path);
// Prints "Usage: kovel-cli TEXT" and returns the bad-usage status 2.
int Usage(const char* text);

// Prints a failure to stderr: the message text as the program shows it.
void PrintError(const std::string& message);
