// kovel-cli: headless access to Kovel documents.
#include "cli/Commands.h"
#ifdef KOVEL_CLI_RENDERS
#include "cli/qt/SheetExporters.h"
#endif

#include "document/DocumentFormats.h"
#include "plan/FileReaders.h"
#include "platform/StringTable.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>

namespace {
constexpr int IDS_CLI_USAGE = 41001;
constexpr int IDS_CLI_USAGE_LINE = 41002;  // "Usage: kovel-cli %1"

void PrintUsage() { std::fputs(LoadString(IDS_CLI_USAGE).c_str(), stderr); }

using Command = int (*)(const Arguments&, const DocumentFormats&);

Command FindCommand(const std::string& name) {
    static const struct {
        const char* name;
        Command run;
    } commands[] = {
        {"new", RunNew},         {"info", RunInfo},       {"dump", RunDump},     {"build", RunBuild},
        {"convert", RunConvert}, {"symbols", RunSymbols}, {"render", RunRender},
    };
    for (const auto& c : commands)
        if (name == c.name) return c.run;
    return nullptr;
}
}  // namespace

int main(int argc, char** argv) {
    // A file size limit (ulimit -f) makes a write fail with EFBIG, reported like a full
    // disk, instead of killing the process half-way through a file.
    std::signal(SIGXFSZ, SIG_IGN);
    if (argc < 2) {
        PrintUsage();
        return 2;
    }
    const std::string command = argv[1];
    const Arguments args(argv + 2, argv + argc);
    DocumentFormats formats;
    AddFileReaders(formats);
#ifdef KOVEL_CLI_RENDERS
    AddSheetExporters(formats);
#endif
    try {
        if (const Command run = FindCommand(command)) return run(args, formats);
        if (command == "--help" || command == "-h" || command == "help") {
            PrintUsage();
            return 0;
        }
    } catch (const std::exception& e) {
        PrintError(e.what());
        return 1;
    }
    PrintUsage();
    return 2;
}

void PrintError(const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); }

int Usage(const char* text) {
    PrintError(FormatString1(IDS_CLI_USAGE_LINE, text));
    return 2;
}
