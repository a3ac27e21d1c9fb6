// The sheet as PNG image, SVG drawing and PDF page, drawn with the Qt backend; kovel-cli
// adds them to its formats when it is built with Qt.
#pragma once

class DocumentFormats;

void AddSheetExporters(DocumentFormats& formats);
