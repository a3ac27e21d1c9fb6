// kovel-cli: headless access to Kovel documents.
#include "cli/Commands.h"
#ifdef KOVEL_CLI_RENDERS
#include "cli/qt/SheetExporters.h"
#endif

#include "document/DocumentFormats.h"
#include "plan/FileReaders.h"

#include <cstdio>
#include <cstring>
#include <exception>

namespace {
void PrintUsage() {
    std::fputs("Usage:\n"
               "  kovel-cli new FILE            write a new empty document\n"
               "  kovel-cli info FILE           print the document's settings and counts as JSON\n"
               "  kovel-cli dump FILE           print the whole document as JSON\n"
               "  kovel-cli build JSON -o FILE  write the document a dump describes\n"
               "  kovel-cli convert PLAN.cap DOC.cpr\n"
               "                                import a plan into a new document and save it\n"
               "  kovel-cli symbols [LIBRARY]   list the symbol library (default: the installed one)\n"
               "  kovel-cli render FILE -o OUT.png|OUT.svg|OUT.pdf [--size WxH] [--grid]\n"
               "                                paint the sheet as the window shows it\n",
               stderr);
}

using Command = int (*)(const Arguments&, const DocumentFormats&);

Command FindCommand(const std::string& name) {
    static const struct {
        const char* name;
        Command run;
    } commands[] = {
        {"new", RunNew},         {"info", RunInfo},         {"dump", RunDump},      {"build", RunBuild},
        {"convert", RunConvert}, {"symbols", RunSymbols}, {"render", RunRender},
    };
    for (const auto& c : commands)
        if (name == c.name) return c.run;
    return nullptr;
}
}  // namespace

int main(int argc, char** argv) {
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
    std::fprintf(stderr, "Usage: kovel-cli %s\n", text);
    return 2;
}
