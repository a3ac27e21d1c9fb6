#include "cli/qt/SheetExporters.h"

#include "document/ArdoDoc.h"
#include "document/DocumentFormats.h"
#include "platform/qt/ImageExport.h"
#include "platform/qt/QtPainterBackend.h"
#include "view/ArdoView.h"
#include "view/FixedViewHost.h"
#include "view/SheetGrid.h"

#include <algorithm>
#include <cctype>

namespace {

// SVG and PDF sizes are pixels at 96 dpi; PDF pages are drawn at 600 dpi.
constexpr double kScreenDpi = 96.0;
constexpr int kPdfDpi = 600;
// Everything outside the sheet is filled with the surround colour up to this many units.
constexpr int kSurroundExtent = 32500;

enum class Format { Png, Svg, Pdf };

// The text after the last '.' of path, in lower case.
std::string ExtensionOf(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos) return {};
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return ext;
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

class SheetExporter : public DocumentExporter {
public:
    SheetExporter(Format format, const char* extension) : m_format(format), m_extension(extension) {}

    bool Accepts(const std::string& path) const override { return ExtensionOf(path) == m_extension; }

    bool Export(CArdoDoc& doc, const std::string& path, const ExportRequest& request,
                std::string* error) const override {
        static int argc = 1;
        static char name[] = "kovel-cli";
        static char* argv[] = {name, nullptr};
        EnsureGuiApplication(argc, argv);

        // PDF pages are drawn finer than the pixel size asks, on a device of the page's pixels.
        const double deviceScale = m_format == Format::Pdf ? kPdfDpi / kScreenDpi : 1.0;
        const CSize device(int(request.width * deviceScale), int(request.height * deviceScale));
        FixedViewHost host(device);
        CArdoView view(doc, host);
        view.m_gridVisible = request.grid;
        view.OnInitialUpdate();
        const DrawFunction draw = [&](CDC& dc) { PaintSheet(dc, view, doc, request.grid); };

        switch (m_format) {
        case Format::Png: return RenderToPng(path, device.cx, device.cy, draw, error);
        case Format::Svg: return RenderToSvg(path, device.cx, device.cy, draw, error);
        case Format::Pdf: {
            PdfPage page;
            page.widthMm = request.width * 25.4 / kScreenDpi;
            page.heightMm = request.height * 25.4 / kScreenDpi;
            page.dpi = kPdfDpi;
            return RenderToPdf(path, page, draw, error);
        }
        }
        return false;
    }

private:
    Format m_format;
    std::string m_extension;
};

}  // namespace

void AddSheetExporters(DocumentFormats& formats) {
    formats.AddExporter(std::make_unique<SheetExporter>(Format::Png, "png"));
    formats.AddExporter(std::make_unique<SheetExporter>(Format::Svg, "svg"));
    formats.AddExporter(std::make_unique<SheetExporter>(Format::Pdf, "pdf"));
}
