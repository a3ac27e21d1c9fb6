#include "cli/qt/SheetExporters.h"

#include "document/ArdoDoc.h"
#include "document/DocumentFile.h"
#include "document/DocumentFormats.h"
#include "platform/StringTable.h"
#include "platform/qt/ImageExport.h"
#include "platform/qt/QtPainterBackend.h"
#include "view/ArdoView.h"
#include "view/FixedViewHost.h"
#include "view/SheetGrid.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>
#include <span>

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
    dc.FillSolidRect(CRect(-kSurroundExtent, -kSurroundExtent, kSurroundExtent, kSurroundExtent), doc.PaperColor());
    DrawSheetAndGrid(dc, doc, grid);
    doc.DrawBackground(&dc, &view);
    doc.DrawForeground(&dc, &view);
}

constexpr int IDS_CANNOT_ENCODE = 41210;
constexpr int IDS_BAD_IMAGE_SIZE = 41211;
constexpr int IDS_BAD_PAGE_SIZE = 41212;
constexpr int kMaxImageSide = 32767;

bool ValidSize(CSize size) {
    return size.cx > 0 && size.cy > 0 && size.cx <= kMaxImageSide && size.cy <= kMaxImageSide;
}

// Each encoder fills bytes and returns an empty text, or the message why it could not.
std::string EncodePng(CSize size, const DrawFunction& draw, QByteArray& bytes) {
    if (!ValidSize(size)) return LoadString(IDS_BAD_IMAGE_SIZE);
    const QImage image = RenderToImage(size.cx, size.cy, draw);
    if (image.isNull()) return LoadString(IDS_BAD_IMAGE_SIZE);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? std::string() : LoadString(IDS_BAD_IMAGE_SIZE);
}

std::string EncodeSvg(CSize size, const DrawFunction& draw, QByteArray& bytes) {
    if (!ValidSize(size)) return LoadString(IDS_BAD_IMAGE_SIZE);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(size.cx, size.cy));
    generator.setViewBox(QRect(0, 0, size.cx, size.cy));
    generator.setResolution(int(kScreenDpi));
    QPainter painter;
    if (!painter.begin(&generator)) return LoadString(IDS_BAD_IMAGE_SIZE);
    {
        QtPainterBackend backend(painter);
        CDC dc(backend);
        draw(dc);
    }
    painter.end();
    return {};
}

std::string EncodePdf(const ExportRequest& request, const DrawFunction& draw, QByteArray& bytes) {
    const double widthMm = request.width * 25.4 / kScreenDpi, heightMm = request.height * 25.4 / kScreenDpi;
    if (!(request.width > 0 && request.height > 0) || request.width * (kPdfDpi / kScreenDpi) > kMaxImageSide * 8.0 ||
        request.height * (kPdfDpi / kScreenDpi) > kMaxImageSide * 8.0)
        return LoadString(IDS_BAD_PAGE_SIZE);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer)) return LoadString(IDS_BAD_PAGE_SIZE);
    {
        QtPainterBackend backend(painter);
        backend.SetPrinting(true);
        CDC dc(backend);
        draw(dc);
    }
    painter.end();
    return {};
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

        // The picture is made in memory and written like a document: through a temporary
        // file renamed into place, so that a failure never leaves a partial file nor harms
        // the export it would have replaced.
        QByteArray bytes;
        std::string failure;
        switch (m_format) {
        case Format::Png: failure = EncodePng(device, draw, bytes); break;
        case Format::Svg: failure = EncodeSvg(device, draw, bytes); break;
        case Format::Pdf: failure = EncodePdf(request, draw, bytes); break;
        }
        if (failure.empty() && bytes.isEmpty()) failure = FormatString1(IDS_CANNOT_ENCODE, FileTitleOf(path));
        if (failure.empty()) {
            try {
                SaveFileAtomically(
                    path, std::span(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())));
            } catch (...) {
                failure = DocumentErrorText(std::current_exception(), FileOperation::save, path);
            }
        }
        if (failure.empty()) return true;
        if (error) *error = failure;
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
