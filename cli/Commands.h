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

// Prints a failure to stderr: the message text as the program shows it.
void PrintError(const std::string& message);
