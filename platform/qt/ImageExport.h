// Drawing with a CDC into images and documents: a QImage, PNG, SVG and PDF files. The
// draw function receives a fresh device context in MM_TEXT over the whole surface.
// Fonts need a QGuiApplication; headless tools create one with EnsureGuiApplication.
#pragma once

#include "platform/DeviceContext.h"

#include <QImage>

#include <functional>
#include <string>

using DrawFunction = std::function<void(CDC&)>;

// Creates a QGuiApplication when none exists, on the offscreen platform unless another is
// chosen by QT_QPA_PLATFORM. The arguments must outlive the application.
void EnsureGuiApplication(int& argc, char** argv);

// A white ARGB32 image of the size with the drawing on it; a null image for an empty or
// oversized (over 32767 pixels a side) request.
QImage RenderToImage(int width, int height, const DrawFunction& draw);

// Each returns false and sets *error (when given) when the file could not be written.
bool RenderToPng(const std::string& path, int width, int height, const DrawFunction& draw,
                 std::string* error = nullptr);
// An SVG document of width x height pixels (its view box), at 96 dots per inch.
bool RenderToSvg(const std::string& path, int width, int height, const DrawFunction& draw,
                 std::string* error = nullptr);

// One PDF page of the given size without margins; the drawing sees a device of
// (size in inches x dpi) pixels and reports itself as printing.
struct PdfPage {
    double widthMm = 210;
    double heightMm = 297;
    int dpi = 600;
};
bool RenderToPdf(const std::string& path, const PdfPage& page, const DrawFunction& draw, std::string* error = nullptr);
