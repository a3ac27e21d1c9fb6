// File name rules of opening and saving: which names are plans, which saves need a warning,
// and the name the save dialog proposes. Pure functions of the names involved.
#pragma once

#include <string>

// The default extension of documents.
inline constexpr const char* kDocumentExtension = ".cpr";

// True when opening path goes to the plan import: the text from its last '.' is ".cap" in
// any case. Paths of fewer than 4 characters, or whose last '.' is missing or first, are
// archives.
bool IsPlanFileName(const std::string& path);

// True when saving under path must ask first: longer than 4 characters and ending in ".cap"
// in any case.
bool NeedsPlanSaveWarning(const std::string& path);

// The name the save dialog opens with. A given path is used unchanged. Otherwise, without a
// path name and when replacing, the title is cut at the first of " #%;/\" and gets ".cpr";
// else the path name's file part (after the last '/' or '\') gets ".cpr" appended when it
// has no '.', or in place of everything from its last '.'.
std::string ProposeSaveName(const std::string& path, const std::string& pathName, const std::string& title,
                            bool bReplace);
