#include "app/AppState.h"

namespace {
std::string g_programFolder;
bool g_printMode = false;
}  // namespace

const std::string& ProgramFolder() { return g_programFolder; }
void SetProgramFolder(const std::string& folder) { g_programFolder = folder; }

bool IsPrintMode() { return g_printMode; }
void SetPrintMode(bool printMode) { g_printMode = printMode; }
