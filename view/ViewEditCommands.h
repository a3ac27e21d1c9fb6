// The edit commands of a view ("&Bearbeiten" and the context menu): where the pop-up menu
// opens, and the clipboard format of object copies.
#pragma once

#include "platform/Geometry.h"

#include <string>
#include <vector>

// The clipboard format name of object copies: an object list in the archive encoding.
constexpr const char* kKovelClipboardFormat = "Kovel Format";

// The pop-up menu to show and where, in screen coordinates.
struct ContextMenuRequest {
    CPoint screenPoint;
    const std::vector<int>* items = nullptr;  // command ids (commands/CommandLayout.h)
};
