// kovel-cli render FILE -o OUT.png|OUT.svg|OUT.pdf [--size WxH] [--grid]: paints the sheet
// of a document or plan as the document window shows it in the full view (surround, sheet,
// grid when asked, plan and objects; no selection handles) into an image, SVG or PDF, with
// the exporter the output's name chooses. A build without Qt has no exporters and cannot
// render.
#include "cli/Commands.h"

#include "document/ArdoDoc.h"
#include "document/DocumentFile.h"
#include "document/DocumentFormats.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int IDS_CLI_CANNOT_RENDER = 41000;
constexpr int IDS_RENDER_FAILED = 41210;  // "%1\nDas Bild konnte nicht erzeugt werden."
constexpr const char* kUsage = "render FILE -o OUT.png|OUT.svg|OUT.pdf [--size WxH] [--grid]";
constexpr int kDefaultWidth = 1000;
constexpr int kMaxSide = 16384;

struct RenderOptions {
    std::string input;
    std::string output;
    int width = 0;
    int height = 0;
    bool grid = false;
};

bool ParseSize(const std::string& text, int& w, int& h) {
    unsigned long a = 0, b = 0;
    char x = 0, rest = 0;
    if (std::sscanf(text.c_str(), "%lu%c%lu%c", &a, &x, &b, &rest) != 3 || (x != 'x' && x != 'X')) return false;
    if (a < 1 || b < 1 || a > kMaxSide || b > kMaxSide) return false;
    w = int(a);
    h = int(b);
    return true;
}

bool ParseOptions(const Arguments& args, RenderOptions& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o" && i + 1 < args.size()) {
            options.output = args[++i];
        } else if (a == "--size" && i + 1 < args.size()) {
            if (!ParseSize(args[++i], options.width, options.height)) return false;
        } else if (a == "--grid") {
            options.grid = true;
        } else if (!a.empty() && a[0] != '-' && options.input.empty()) {
            options.input = a;
        } else {
            return false;
        }
    }
    return !options.input.empty() && !options.output.empty();
}

}  // namespace

int RunRender(const Arguments& args, const DocumentFormats& formats) {
    if (!formats.HasExporters()) {
        PrintError(LoadString(IDS_CLI_CANNOT_RENDER));
        return 1;
    }
    RenderOptions options;
    if (!ParseOptions(args, options)) return Usage(kUsage);
    const DocumentExporter* exporter = formats.ExporterFor(options.output);
    if (!exporter) return Usage(kUsage);

    if (!CheckNotInput(options.output, options.input)) return 1;
    CArdoDoc doc;
    if (!LoadDocumentWithSymbols(doc, options.input, formats)) return 1;
    if (options.width == 0) {
        // The sheet's own proportions at the default width.
        const CSize extent = doc.Extent();
        options.width = kDefaultWidth;
        options.height =
            std::clamp(int(std::ceil(double(kDefaultWidth) * extent.cy / std::max(1, extent.cx))), 1, kMaxSide);
    }

    std::string error;
    if (!exporter->Export(doc, options.output, {options.width, options.height, options.grid}, &error)) {
        PrintError(error.empty() ? FormatString1(IDS_RENDER_FAILED, FileTitleOf(options.output)) : error);
        return 1;
    }
    return 0;
}
