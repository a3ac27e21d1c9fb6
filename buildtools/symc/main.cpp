// symc: compiles symbol source files (JSON, see data/symbols/README.md) into a symbol
// library file.
//
//   symc -o Kovel.sym data/symbols/*.json
#include "SymbolSources.h"
#include "document/SymbolLibrary.h"
#include "platform/Archive.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <span>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: symc -o LIBRARY.sym SOURCE.json...\n");
    return 2;
}

// Written beside the target and renamed over it, so a failed run leaves no half file.
void WriteAtomically(const std::string& path, const std::vector<uint8_t>& bytes) {
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out.flush()) throw symc::SourceError(temp + ": cannot be written");
    }
    std::filesystem::rename(temp, path);
}

}  // namespace

int main(int argc, char** argv) {
    std::string output;
    std::vector<std::string> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-o" && i + 1 < argc)
            output = argv[++i];
        else if (!arg.empty() && arg[0] == '-')
            return Usage();
        else
            inputs.push_back(arg);
    }
    if (output.empty() || inputs.empty()) return Usage();

    try {
        std::vector<symc::SymbolSource> symbols;
        for (const std::string& path : inputs) {
            auto fromFile = symc::ReadSymbolFile(path);
            for (auto& s : fromFile) symbols.push_back(std::move(s));
        }
        const symc::LibraryTable table = symc::BuildLibraryTable(std::move(symbols));
        std::vector<uint8_t> bytes;
        CArchive ar(bytes);
        WriteSymbolLibrary(ar, std::span(table.geometry), std::span(table.info), -1);
        WriteAtomically(output, bytes);
        std::printf("symc: %zu symbols, %zu bytes -> %s\n", table.info.size(), bytes.size(), output.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "symc: %s\n", e.what());
        return 1;
    }
    return 0;
}
