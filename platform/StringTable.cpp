#include "platform/StringTable.h"

#include <algorithm>
#include <iterator>

namespace {
struct Entry {
    int id;
    const char* text;
};
// Sorted by id.
constexpr Entry kStrings[] = {
#include "res/strings.inc"
};
}  // namespace

std::string LoadString(int id) {
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                               [](const Entry& e, int key) { return e.id < key; });
    return (it != std::end(kStrings) && it->id == id) ? it->text : std::string();
}

std::string FormatString1(int id, const std::string& arg) {
    std::string text = LoadString(id);
    for (size_t pos = 0; (pos = text.find("%1", pos)) != std::string::npos; pos += arg.size())
        text.replace(pos, 2, arg);
    return text;
}
