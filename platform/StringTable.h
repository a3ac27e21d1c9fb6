// The program's texts by string number (German, UTF-8), as the resources hold them.
#pragma once

#include <string>

// The text of string `id`, or an empty string when the table has no such entry.
std::string LoadString(int id);
// LoadString(id) with every "%1" replaced by arg.
std::string FormatString1(int id, const std::string& arg);

// The application title (string 57344); it captions the framework's message boxes.
constexpr int IDS_APP_TITLE = 57344;
