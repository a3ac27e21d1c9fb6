#include "app/print/PrintCommands.h"

#include "document/ArdoDoc.h"
#include "platform/qt/QtPainterBackend.h"
#include "view/ArdoView.h"
#include "view/ViewPrinting.h"

#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <cstdio>

namespace printing {

QPrinter& SharedPrinter() {
    static QPrinter* printer = new QPrinter(QPrinter::HighResolution);  // lives for the run
    return *printer;
}

bool PrintPage(CArdoView& view, QPrinter& printer, PrintInfo& info) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    QtPainterBackend backend(painter);
    CDC dc(backend);
    view.OnBeginPrinting(dc, info);
    view.OnPrepareDC(dc, &info);
    info.drawRect = PageDrawRect(dc);
    view.OnPrint(dc, info);
    const bool written = painter.end();
    view.OnEndPrinting(dc, info);
    return written;
}

QString FallbackPdfPath(const std::string& docPath, const std::string& title) {
    QString base = QString::fromStdString(docPath.empty() ? title : docPath);
    const QFileInfo info(base);
    if (!info.suffix().isEmpty()) base.chop(info.suffix().size() + 1);
    return base + QStringLiteral(".pdf");
}

namespace {
// Print mode: no dialog; the default printer, or a PDF beside the document without one.
void PrintDirect(CArdoView& view, PrintInfo& info) {
    QPrinter& printer = SharedPrinter();
    if (QPrinterInfo::defaultPrinter().isNull()) {
        const CArdoDoc& doc = view.GetDocument();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(FallbackPdfPath(doc.GetPathName(), doc.GetTitle()));
    }
    if (!PrintPage(view, printer, info))
        std::fprintf(stderr, "kovel: printing failed: %s\n", printer.outputFileName().toLocal8Bit().constData());
}
}  // namespace

void RunPrintCommand(CArdoView& view, QWidget* parent) {
    PrintInfo info;
    view.OnPreparePrinting(info);
    if (info.direct) {
        PrintDirect(view, info);
        return;
    }
    QPrinter& printer = SharedPrinter();
    QPrintDialog dialog(&printer, parent);
    // One page, no selection; printing to a file stays offered (on many systems the PDF file
    // is the only printer).
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setMinMax(1, info.maxPage > 0 ? info.maxPage : 1);
    if (dialog.exec() != QDialog::Accepted) return;
    PrintPage(view, printer, info);
}

void RunPrintPreview(CArdoView& view, QWidget* parent) {
    QPrintPreviewDialog preview(&SharedPrinter(), parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&view](QPrinter* printer) {
        PrintInfo info;
        view.OnPreparePrinting(info);
        PrintPage(view, *printer, info);
    });
    preview.exec();
}

void RunPrinterSetup(QWidget* parent) {
    QPageSetupDialog dialog(&SharedPrinter(), parent);
    dialog.exec();
}

bool PrintToPdf(CArdoView& view, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    PrintInfo info;
    view.OnPreparePrinting(info);
    return PrintPage(view, printer, info);
}

}  // namespace printing
