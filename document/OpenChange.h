// What the document notes while a change is open: the state of both lists and of the
// settings when it began, and what left the lists since. Only the document uses it.
#pragma once

#include "document/ArdoDoc.h"
#include "document/DocumentSettings.h"

#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

struct CArdoDoc::OpenChange {
    std::string name;
    ChangeKind kind = ChangeKind::editsObjects;
    int depth = 1;
    // A lists-only change saw an object there before change in place: it cannot be recorded.
    bool editedInPlace = false;
    DocumentSettings settingsBefore;
    std::vector<CArdoObj*> objectsBefore;
    // The background as it was, taken when the change first touches it: most changes never do.
    std::optional<std::vector<CArdoObj*>> backgroundBefore;
    // The record of every foreground object when the change began, back to back: objects are
    // changed in place, so only these tell what they were. Empty for a lists-only change.
    std::vector<uint8_t> objectRecords;
    std::vector<size_t> objectRecordEnds;  // end of each record, in objectsBefore's order
    std::unordered_map<const CArdoObj*, uint32_t> objectIndex;
    // Objects not recorded up front (the background, or any in a lists-only change) are
    // recorded when they leave a list.
    std::unordered_map<const CArdoObj*, std::vector<uint8_t>> removedRecords;
    // Objects that left a list: a new object may since have taken the same address.
    std::unordered_set<const CArdoObj*> removed;
    // Objects that said they changed, in a lists-only change.
    std::unordered_set<const CArdoObj*> modified;
};
