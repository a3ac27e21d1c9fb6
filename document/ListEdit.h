// What a change did to one object list, in positions and records: the objects the state
// before the change held that the state after lacks (or holds changed), and the other way
// round. Applied in reverse to the state after, it gives the state before, and forwards to
// the state before, the state after; objects outside it are never touched.
#pragma once

#include "objects/ObjectOwner.h"

#include <cstdint>
#include <functional>
#include <vector>

class ObjectOwner;

struct ListEdit {
    struct Entry {
        uint32_t index;  // position in its state's list
        // The object's record (ObjectRecords.h). Empty while the object is in the document:
        // it is taken when a step of the history removes the object.
        std::vector<uint8_t> record;
    };
    std::vector<Entry> before;  // ascending index
    std::vector<Entry> after;   // ascending index

    bool Empty() const { return before.empty() && after.empty(); }
    size_t Bytes() const;
};

// Compares two states of one list. `unchanged(obj)` says whether an object present in both
// still holds what it held before; `recordBefore(obj)` gives the record it had then, for
// every object of `before` that the edit must keep; the entries of the state after stay
// empty, as their objects are in the list. The edit keeps the largest set of unchanged
// objects whose order both states share.
ListEdit DiffLists(const std::vector<CArdoObj*>& before, const ObjectList& after,
                   const std::function<bool(const CArdoObj*)>& unchanged,
                   const std::function<std::vector<uint8_t>(const CArdoObj*)>& recordBefore);

// Turning a list from the state `from` describes into the state `to` describes, in two
// steps so that several lists change together or not at all. Preparing checks the positions
// and reads every record of `to`; it throws CArchiveException when they do not fit, and
// changes nothing. Applying cannot fail: it removes the objects at `from`'s positions,
// telling `removing` of each first, and puts the prepared objects at `to`'s.
struct PreparedListEdit {
    std::vector<ListEdit::Entry>* from = nullptr;
    const std::vector<ListEdit::Entry>* to = nullptr;
    std::vector<std::unique_ptr<CArdoObj>> made;
};
PreparedListEdit PrepareListEdit(const ObjectList& list, std::vector<ListEdit::Entry>& from,
                                 const std::vector<ListEdit::Entry>& to, ObjectOwner& owner);
// Takes the records of `from`'s objects that have none yet; returns the objects it put in.
std::vector<CArdoObj*> ApplyListEdit(ObjectList& list, PreparedListEdit prepared, ObjectOwner& owner,
                                     const std::function<void(CArdoObj*)>& removing);
