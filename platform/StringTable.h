// The program's texts by string number (German, UTF-8), as the resources hold them.
#pragma once

#include <string>

// The text of string `id`, or an empty string when the table has no such entry.
std::string LoadString(int id);
// LoadString(id) with every "%1" replaced by arg.
std::string FormatString1(int id, const std::string& arg);

// The application title (string 57344); it captions the framework's message boxes.
constexpr int IDS_APP_TITLE = 57344;

// Texts more than one part of the program shows.
constexpr int IDS_INVALID_FORMAT = 61728;  // "Unerwartetes Dateiformat."
constexpr int IDS_FILE_NOT_FOUND = 61729;  // "%1\nDatei nicht gefunden."
constexpr int IDS_CANNOT_WRITE = 41003;    // "cannot write %1"
constexpr int IDS_PANE_ZOOMED = 41014;     // "ZOOM"
constexpr int IDS_PANE_FULL_VIEW = 41015;  // "Vollbild"
