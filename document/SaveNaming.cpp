#include "document/SaveNaming.h"

#include <algorithm>
#include <cctype>

namespace {
bool EqualsNoCase(const std::string& a, const char* b) {
    const std::string bs(b);
    return a.size() == bs.size() && std::equal(a.begin(), a.end(), bs.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}
}  // namespace

bool IsPlanFileName(const std::string& path) {
    if (path.size() < 4) return false;
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || dot == 0) return false;
    return EqualsNoCase(path.substr(dot), ".cap");
}

bool NeedsPlanSaveWarning(const std::string& path) {
    return path.size() > 4 && EqualsNoCase(path.substr(path.size() - 4), ".cap");
}

std::string ProposeSaveName(const std::string& path, const std::string& pathName, const std::string& title,
                            bool bReplace) {
    if (!path.empty()) return path;
    if (pathName.empty() && bReplace) {
        const auto cut = title.find_first_of(" #%;/\\");
        return title.substr(0, cut) + kDocumentExtension;
    }
    const auto slash = pathName.find_last_of("/\\");
    const size_t fileStart = slash == std::string::npos ? 0 : slash + 1;
    const auto dot = pathName.rfind('.');
    if (dot == std::string::npos || dot < fileStart) return pathName + kDocumentExtension;
    return pathName.substr(0, dot) + kDocumentExtension;
}
