#include "app/SamplePlans.h"

#include "platform/Services.h"

#include <filesystem>

namespace fs = std::filesystem;

#ifndef KOVEL_INSTALLED_DATA_DIR
#define KOVEL_INSTALLED_DATA_DIR "/usr/local/share/kovel"
#endif

namespace {
constexpr const char* kSampleApartment = "apartment.cap";
}

std::vector<std::string> SamplePlanFolders(const std::string& programFolder) {
    std::vector<std::string> folders;
    if (!programFolder.empty()) {
        const fs::path program(programFolder);
        folders.push_back((program / "plans").string());
        folders.push_back((program.parent_path() / "share" / "kovel" / "plans").string());
    }
    folders.push_back((fs::path(KOVEL_INSTALLED_DATA_DIR) / "plans").string());
    return folders;
}

std::string FindSampleApartment(const std::string& programFolder) {
    for (const std::string& folder : SamplePlanFolders(programFolder)) {
        std::error_code ec;
        const fs::path candidate = fs::path(folder) / kSampleApartment;
        if (fs::is_regular_file(candidate, ec)) return candidate.string();
    }
    return {};
}

bool IsFirstStart(ISettingsStore& store) { return store.GetProfileInt("UserSettings", "OutlineSaved", 0) == 0; }
