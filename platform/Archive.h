// The object archive: little-endian primitive values, length-prefixed Windows-1252 strings,
// object references with class tags, and object lists. One encoding for documents, the
// symbol library and clipboard copies.
//
// A loading archive reads from a byte span it does not own; every read is checked against
// what remains, so a damaged or hostile file raises CArchiveException and never reads out
// of bounds or allocates more than the file can justify.
#pragma once

#include "platform/RuntimeClass.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

class CArchiveException : public std::runtime_error {
public:
    enum Cause { genericException, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };
    CArchiveException(Cause cause, const std::string& what) : std::runtime_error(what), m_cause(cause) {}
    Cause m_cause;
};

class CArchive {
public:
    enum Mode { load, store };

    // The running index of classes and objects may not reach this value.
    static constexpr uint32_t kMaxMapCount = 0x3FFFFFFE;

    // A storing archive that appends to `out`.
    explicit CArchive(std::vector<uint8_t>& out);
    // A loading archive over `in`, which must outlive the archive.
    explicit CArchive(std::span<const uint8_t> in);
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }

    // The document being read or written, for object bodies that need document values: the
    // objects read it as their ObjectOwner*, so a document is stored here as one.
    void* m_pDocument = nullptr;

    // --- primitive values ---------------------------------------------------------------
    void WriteByte(uint8_t v);
    void WriteWord(uint16_t v);
    void WriteDWord(uint32_t v);
    void WriteLong(int32_t v) { WriteDWord(uint32_t(v)); }
    void WriteFloat(float v);
    void WriteDouble(double v);
    void Write(const void* data, size_t n);

    uint8_t ReadByte();
    uint16_t ReadWord();
    uint32_t ReadDWord();
    int32_t ReadLong() { return int32_t(ReadDWord()); }
    float ReadFloat();
    double ReadDouble();
    void Read(void* data, size_t n);  // exactly n bytes or endOfFile

    // Bytes still to be read (loading archives).
    size_t Remaining() const { return m_in.size() - m_pos; }
    // Throws endOfFile unless at least `bytes` remain: call before allocating for a count.
    void EnsureAvailable(uint64_t bytes) const;

    // --- strings (held as UTF-8 in memory, Windows-1252 in the archive) ------------------
    void WriteString(const std::string& utf8);
    std::string ReadString();

    // --- object references -----------------------------------------------------------------
    // Writes null, a back reference, or a class tag followed by the object's body.
    void WriteObject(const CObject* obj);

    struct ReadResult {
        CObject* object = nullptr;       // null for a null reference
        std::unique_ptr<CObject> owned;  // the object, when this call created it: the caller's
    };
    // Reads one reference. A new object must be of class `expected` or derived from it
    // (badClass otherwise). Objects referenced again stay owned by whoever took them first.
    ReadResult ReadObject(const CRuntimeClass* expected);

    // Object list counts: a word, or 0xFFFF and a dword.
    void WriteCount(uint32_t n);
    uint32_t ReadCount();

    // A list of owned objects. Reading refuses null elements and elements that are not new
    // (a list may not own one object twice), and checks the count against the bytes left.
    template <class T>
    void WriteObList(const std::vector<std::unique_ptr<T>>& list) {
        WriteCount(uint32_t(list.size()));
        for (const auto& p : list) WriteObject(p.get());
    }
    template <class T>
    void ReadObList(std::vector<std::unique_ptr<T>>& list) {
        const uint32_t n = ReadCount();
        EnsureAvailable(uint64_t(n) * 2);  // each element takes at least one word
        list.reserve(list.size() + n);
        for (uint32_t i = 0; i < n; ++i) list.push_back(OwnedAs<T>(ReadOwnedObject(T::GetThisClass())));
    }

    // Reads a reference that must be a new, non-null object of class `expected`.
    std::unique_ptr<CObject> ReadOwnedObject(const CRuntimeClass* expected);

private:
    [[noreturn]] void ThrowEof() const;
    void CheckMapCount() const;
    void WriteClassTag(const CRuntimeClass* cls);

    Mode m_mode;
    std::vector<uint8_t>* m_out = nullptr;
    std::span<const uint8_t> m_in;
    size_t m_pos = 0;

    struct Maps;  // index tables for classes and objects
    std::unique_ptr<Maps> m_maps;
};
