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
        uint32_t index;               // position in its state's list
        std::vector<uint8_t> record;  // the object's record (ObjectRecords.h)
    };
    std::vector<Entry> before;  // ascending index
    std::vector<Entry> after;   // ascending index

    bool Empty() const { return before.empty() && after.empty(); }
    size_t Bytes() const;
};

// Compares two states of one list. `unchanged(obj)` says whether an object present in both
// still holds what it held before; `recordBefore(obj)` gives the record it had then, for
// every object of `before` that the edit must keep; records of the state after are read from
// the objects. The edit keeps the largest set of unchanged objects whose order both states
// share.
ListEdit DiffLists(const std::vector<CArdoObj*>& before, const ObjectList& after,
                   const std::function<bool(const CArdoObj*)>& unchanged,
                   const std::function<std::vector<uint8_t>(const CArdoObj*)>& recordBefore, ObjectOwner& owner);

// Turning a list from the state `from` describes into the state `to` describes, in two
// steps so that several lists change together or not at all. Preparing checks the positions
// and reads every record of `to`; it throws CArchiveException when they do not fit, and
// changes nothing. Applying cannot fail: it removes the objects at `from`'s positions,
// telling `removing` of each first, and puts the prepared objects at `to`'s.
struct PreparedListEdit {
    const std::vector<ListEdit::Entry>* from = nullptr;
    const std::vector<ListEdit::Entry>* to = nullptr;
    std::vector<std::unique_ptr<CArdoObj>> made;
};
PreparedListEdit PrepareListEdit(const ObjectList& list, const std::vector<ListEdit::Entry>& from,
                                 const std::vector<ListEdit::Entry>& to, ObjectOwner& owner);
// Returns the objects it put in.
std::vector<CArdoObj*> ApplyListEdit(ObjectList& list, PreparedListEdit prepared,
                                     const std::function<void(CArdoObj*)>& removing);
