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
// Saves doc to path; false after printing the program's message. A ".cap" name is refused
// (plans are not written), and so is the file the document was read from (input; empty
// when it came from nowhere).
bool SaveDocument(CArdoDoc& doc, const std::string& path, const std::string& input = {});
// False, after printing the message, when output names the same file as input (also
// through a link): an output never replaces what the command reads.
bool CheckNotInput(const std::string& output, const std::string& input);
// Prints "Usage: kovel-cli TEXT" and returns the bad-usage status 2.
int Usage(const char* text);

// Prints a failure to stderr: the message text as the program shows it.
void PrintError(const std::string& message);
