// One drawing object as the bytes of its record in a document file (its class tag and
// body), and back. The undo history keeps changed objects in this form: it costs memory in
// proportion to what changed and restores exactly what a save would have written.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class CArdoObj;
class ObjectOwner;

// Appends obj's standalone record to out; owner supplies the document values the record
// consults while writing.
void AppendObjectRecord(std::vector<uint8_t>& out, const CArdoObj& obj, ObjectOwner& owner);
std::vector<uint8_t> ObjectRecord(const CArdoObj& obj, ObjectOwner& owner);
// Reads a record AppendObjectRecord wrote; the object belongs to owner. Throws
// CArchiveException when the bytes are no such record.
std::unique_ptr<CArdoObj> ObjectFromRecord(std::span<const uint8_t> record, ObjectOwner& owner);
