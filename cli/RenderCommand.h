// kovel-cli render FILE -o OUT.png|OUT.svg|OUT.pdf [--size WxH] [--grid]: paints the sheet
// of a document or plan as the document window shows it in the full view (surround, sheet,
// grid when asked, plan and objects; no selection handles) into an image, SVG or PDF.
#pragma once

#include "cli/Commands.h"

int RunRender(const Arguments& args);
