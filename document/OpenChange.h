// What the document notes while a change is open: the state of both lists and of the
// settings when it began, and what left the lists since. Only the document uses it.
#pragma once

#include "document/ArdoDoc.h"
#include "document/DocumentSettings.h"

#include <unordered_map>
#include <unordered_set>
#include <vector>

struct CArdoDoc::OpenChange {
    std::string name;
    int depth = 1;
    DocumentSettings settingsBefore;
    std::vector<CArdoObj*> objectsBefore;
    std::vector<CArdoObj*> backgroundBefore;
    // The record of every foreground object when the change began, back to back: objects are
    // changed in place, so only these tell what they were.
    std::vector<uint8_t> objectRecords;
    std::vector<size_t> objectRecordEnds;  // end of each record, in objectsBefore's order
    std::unordered_map<const CArdoObj*, uint32_t> objectIndex;
    // Background objects are never changed in place: their record is taken when they leave.
    std::unordered_map<const CArdoObj*, std::vector<uint8_t>> backgroundRecords;
    // Objects that left a list: a new object may since have taken the same address.
    std::unordered_set<const CArdoObj*> removed;
};
