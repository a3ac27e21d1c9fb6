#include "cli/RenderCommand.h"

// The command needs the Qt drawing backend; it is compiled when kovel-cli links it.
#if __has_include(<QImage>)

#include "document/ArdoDoc.h"
#include "platform/qt/ImageExport.h"
#include "platform/qt/QtPainterBackend.h"
#include "view/ArdoView.h"
#include "view/FixedViewHost.h"
#include "view/SheetGrid.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr const char* kUsage = "render FILE -o OUT.png|OUT.svg|OUT.pdf [--size WxH] [--grid]";
constexpr int kDefaultWidth = 1000;
constexpr int kMaxSide = 16384;
// SVG and PDF sizes are pixels at 96 dpi; PDF pages are drawn at 600 dpi.
constexpr double kScreenDpi = 96.0;
constexpr int kPdfDpi = 600;
// Everything outside the sheet is filled with the surround colour up to this many units.
constexpr int kSurroundExtent = 32500;

struct RenderOptions {
    std::string input;
    std::string output;
    int width = 0;
    int height = 0;
    bool grid = false;
};

enum class Format { Png, Svg, Pdf, Unknown };

Format FormatOf(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos) return Format::Unknown;
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (ext == "png") return Format::Png;
    if (ext == "svg") return Format::Svg;
    if (ext == "pdf") return Format::Pdf;
    return Format::Unknown;
}

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

// The window's picture drawn straight onto the device: surround, sheet and grid, plan,
// objects, in the order of the window's paint and with its mapping.
void PaintSheet(CDC& dc, CArdoView& view, CArdoDoc& doc, bool grid) {
    // PDF devices count as printers; this is the screen picture, surround and all.
    if (auto* qt = dynamic_cast<QtPainterBackend*>(&dc.Backend())) qt->SetPrinting(false);
    view.OnPrepareDC(dc);
    dc.FillSolidRect(CRect(-kSurroundExtent, -kSurroundExtent, kSurroundExtent, kSurroundExtent), doc.m_crPaper);
    DrawSheetAndGrid(dc, doc, grid);
    doc.DrawBackground(&dc, &view);
    doc.DrawForeground(&dc, &view);
}

}  // namespace

int RunRender(const Arguments& args) {
    RenderOptions options;
    if (!ParseOptions(args, options)) return Usage(kUsage);
    const Format format = FormatOf(options.output);
    if (format == Format::Unknown) return Usage(kUsage);

    static int argc = 1;
    static char name[] = "kovel-cli";
    static char* argv[] = {name, nullptr};
    EnsureGuiApplication(argc, argv);

    CArdoDoc doc;
    if (!LoadDocumentWithSymbols(doc, options.input)) return 1;
    if (options.width == 0) {
        // The sheet's own proportions at the default width.
        const CSize extent = doc.m_sizeExtent;
        options.width = kDefaultWidth;
        options.height = std::clamp(int(std::ceil(double(kDefaultWidth) * extent.cy / std::max(1, extent.cx))), 1, kMaxSide);
    }

    // PDF pages are drawn finer than the pixel size asks, on a device of the page's pixels.
    const double deviceScale = format == Format::Pdf ? kPdfDpi / kScreenDpi : 1.0;
    const CSize device(int(options.width * deviceScale), int(options.height * deviceScale));
    FixedViewHost host(device);
    CArdoView view(doc, host);
    view.m_gridVisible = options.grid;
    view.OnInitialUpdate();
    const DrawFunction draw = [&](CDC& dc) { PaintSheet(dc, view, doc, options.grid); };

    std::string error;
    bool written = false;
    switch (format) {
    case Format::Png: written = RenderToPng(options.output, device.cx, device.cy, draw, &error); break;
    case Format::Svg: written = RenderToSvg(options.output, device.cx, device.cy, draw, &error); break;
    case Format::Pdf: {
        PdfPage page;
        page.widthMm = options.width * 25.4 / kScreenDpi;
        page.heightMm = options.height * 25.4 / kScreenDpi;
        page.dpi = kPdfDpi;
        written = RenderToPdf(options.output, page, draw, &error);
        break;
    }
    case Format::Unknown: break;
    }
    if (!written) {
        PrintError(error.empty() ? "cannot write " + options.output : error);
        return 1;
    }
    return 0;
}

#endif  // __has_include(<QImage>)
