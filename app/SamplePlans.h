// The sample plans the build generates and the installation ships, and the rule for opening
// one on the first start.
#pragma once

#include <string>
#include <vector>

class ISettingsStore;

// Folders that may hold the sample plans, most specific first: plans/ beside the program
// (the build folder), ../share/kovel/plans beside an installed program, and the
// installation's data folder.
std::vector<std::string> SamplePlanFolders(const std::string& programFolder);
// The sample flat, or empty when no candidate folder has it.
std::string FindSampleApartment(const std::string& programFolder);

// The first start is a start without a stored window placement: the program has never been
// closed normally on this account, so a new user sees the sample flat instead of an empty
// sheet. Later starts without a file open a new empty document.
bool IsFirstStart(ISettingsStore& store);
