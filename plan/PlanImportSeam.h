// Where opening a ".cap" plan enters the plan import, and where the shell hooks in the
// scale question that follows it.
#pragma once

#include <functional>
#include <string>

class CArdoDoc;

// Reads the plan at path into doc's background list. Returns true when its header was valid.
bool ImportPlanFile(CArdoDoc& doc, const std::string& path);

// Runs after a plan was opened, before the views repaint. The shell installs it to open the
// scale-and-unit dialog (CArdoDoc::ScaleDialogPreset, ApplyScaleDialog) and mark the
// document modified; it leaves it unset when it was started only to print a file. Headless
// callers leave it unset, and nothing asks.
using AfterPlanImportHook = std::function<void(CArdoDoc&)>;
void SetAfterPlanImportHook(AfterPlanImportHook hook);
const AfterPlanImportHook& GetAfterPlanImportHook();
