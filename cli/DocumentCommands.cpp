// new, info, dump and build: each loads or writes a document through the program's own
// reader and writer, and reports failures with the program's messages.
#include "cli/Commands.h"
#include "cli/DocumentJson.h"

#include "document/ArdoDoc.h"
#include "document/DocumentFile.h"
#include "document/DocumentFormats.h"
#include "document/SaveNaming.h"
#include "platform/StringTable.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <exception>
#include <iostream>
#include <iterator>

namespace {
constexpr int IDS_CLI_NO_PLAN_NAME = 41208;
constexpr int IDS_CLI_OUTPUT_IS_INPUT = 41209;
}  // namespace

bool LoadDocument(CArdoDoc& doc, const std::string& path, const DocumentFormats& formats) {
    const ReadResult result = formats.ReaderFor(path).Read(doc, path);
    if (!result.ok) PrintError(result.message);
    if (!result.warning.empty()) PrintError(result.warning);
    return result.ok;
}

bool LoadDocumentWithSymbols(CArdoDoc& doc, const std::string& path, const DocumentFormats& formats) {
    doc.LoadSymbolLibrary();
    return LoadDocument(doc, path, formats);
}

bool CheckNotInput(const std::string& output, const std::string& input) {
    struct stat in {
    }, out{};
    if (input.empty() || ::stat(input.c_str(), &in) != 0 || ::stat(output.c_str(), &out) != 0) return true;
    if (in.st_dev != out.st_dev || in.st_ino != out.st_ino) return true;
    PrintError(FormatString1(IDS_CLI_OUTPUT_IS_INPUT, FileTitleOf(output)));
    return false;
}

bool SaveDocument(CArdoDoc& doc, const std::string& path, const std::string& input) {
    if (NeedsPlanSaveWarning(path)) {
        PrintError(FormatString1(IDS_CLI_NO_PLAN_NAME, FileTitleOf(path)));
        return false;
    }
    if (!CheckNotInput(path, input)) return false;
    try {
        doc.WriteDocumentFile(path);
        return true;
    } catch (...) {
        PrintError(DocumentErrorText(std::current_exception(), FileOperation::save, path));
        return false;
    }
}

namespace {
void PrintJson(const Json& j) { std::cout << j.dump(2) << '\n' << std::flush; }
}  // namespace

int RunNew(const Arguments& args, const DocumentFormats&) {
    if (args.size() != 1) return Usage("new FILE");
    // The symbol library is not part of a document file: a new document needs no more
    // than construction.
    CArdoDoc doc;
    return SaveDocument(doc, args[0]) ? 0 : 1;
}

int RunInfo(const Arguments& args, const DocumentFormats& formats) {
    if (args.size() != 1) return Usage("info FILE");
    CArdoDoc doc;
    if (!LoadDocument(doc, args[0], formats)) return 1;
    PrintJson(DocumentInfo(doc));
    return 0;
}

int RunDump(const Arguments& args, const DocumentFormats& formats) {
    if (args.size() != 1) return Usage("dump FILE");
    CArdoDoc doc;
    if (!LoadDocument(doc, args[0], formats)) return 1;
    PrintJson(DumpDocument(doc));
    return 0;
}

namespace {
// Standard input up to maxBytes; a stream that goes on beyond is refused, not read on.
std::string ReadStandardInput(uint64_t maxBytes) {
    std::string text;
    char buffer[65536];
    while (std::cin.read(buffer, sizeof buffer) || std::cin.gcount() > 0) {
        text.append(buffer, size_t(std::cin.gcount()));
        if (text.size() > maxBytes)
            throw CFileException(CFileException::tooLarge, EFBIG, "-", "standard input too large");
    }
    return text;
}
}  // namespace

int RunBuild(const Arguments& args, const DocumentFormats&) {
    std::string input, output;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size())
            output = args[++i];
        else if (input.empty())
            input = args[i];
        else
            return Usage("build JSON -o FILE");
    }
    if (input.empty() || output.empty()) return Usage("build JSON -o FILE");

    Json dump;
    try {
        if (input == "-") {
            const std::string text = ReadStandardInput(kMaxDocumentFileBytes);
            dump = Json::parse(text.begin(), text.end());
        } else {
            const std::vector<uint8_t> text = ReadWholeFile(input);
            dump = Json::parse(text.begin(), text.end());
        }
    } catch (const CFileException&) {
        PrintError(DocumentErrorText(std::current_exception(), FileOperation::load, input));
        return 1;
    } catch (const Json::exception& e) {
        PrintError(input + ": " + e.what());
        return 1;
    }

    CArdoDoc doc;
    try {
        BuildDocument(dump, doc);
    } catch (const DumpFormatError& e) {
        PrintError(input + ": " + e.what());
        return 1;
    } catch (const Json::exception& e) {
        PrintError(input + ": " + e.what());
        return 1;
    }
    return SaveDocument(doc, output, input == "-" ? std::string() : input) ? 0 : 1;
}
