// Printing a view: "&Drucken..." (cmd::FilePrint) with the print dialog, "Seiten&ansicht"
// (cmd::PrintPreview) with the print preview, "Drucker &einrichten..." (cmd::PrintSetup), and
// printing without dialogs when the program was started to print a file. A document prints as one page.
#pragma once

#include "view/PrintInfo.h"

#include <QString>

class CArdoView;
class QPrinter;
class QWidget;

namespace printing {

// The printer the commands share, so the set-up chosen once holds for later prints.
QPrinter& SharedPrinter();

// Runs the view's print loop on a printer that is ready to print: begin, printer mapping,
// header and page, end. False when the printer cannot be opened.
bool PrintPage(CArdoView& view, QPrinter& printer, PrintInfo& info);

// The print command: the print dialog unless the view asks to print directly (print mode),
// then the page. In print mode the system's default printer is used; on a system without
// printers the page goes to a PDF file beside the document instead (its name with ".pdf").
void RunPrintCommand(CArdoView& view, QWidget* parent);
// The print preview of the same page.
void RunPrintPreview(CArdoView& view, QWidget* parent);
// The printer set-up dialog (page size and orientation) on the shared printer.
void RunPrinterSetup(QWidget* parent);

// The page as a PDF file (the print loop on a PDF printer); false when it cannot be written.
bool PrintToPdf(CArdoView& view, const QString& path);

// The PDF path print mode falls back to without a printer: the document's path (or title)
// with ".pdf" appended after its extension is dropped.
QString FallbackPdfPath(const std::string& docPath, const std::string& title);

}  // namespace printing
