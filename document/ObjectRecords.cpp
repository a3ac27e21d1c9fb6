#include "document/ObjectRecords.h"

#include "objects/ArdoObj.h"
#include "platform/Archive.h"

void AppendObjectRecord(std::vector<uint8_t>& out, const CArdoObj& obj, ObjectOwner& owner) {
    CArchive ar(out);
    ar.m_pDocument = &owner;
    ar.WriteObject(&obj);
}

std::vector<uint8_t> ObjectRecord(const CArdoObj& obj, ObjectOwner& owner) {
    std::vector<uint8_t> bytes;
    AppendObjectRecord(bytes, obj, owner);
    return bytes;
}

std::unique_ptr<CArdoObj> ObjectFromRecord(std::span<const uint8_t> record, ObjectOwner& owner) {
    CArchive ar(record);
    ar.m_pDocument = &owner;
    auto obj = OwnedAs<CArdoObj>(ar.ReadOwnedObject(RUNTIME_CLASS(CArdoObj)));
    obj->SetDocument(&owner);
    return obj;
}
