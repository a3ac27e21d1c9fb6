#include "platform/Archive.h"

#include "platform/Win1252.h"

#include <bit>
#include <cstring>
#include <limits>
#include <unordered_map>

// Values are copied with memcpy in host order, which is the archive's order.
static_assert(std::endian::native == std::endian::little, "the archive code assumes a little-endian host");

namespace {

// Tags of the object reference encoding.
constexpr uint16_t kNullTag = 0x0000;
constexpr uint16_t kBigObjectTag = 0x7FFF;  // a dword tag or index follows
constexpr uint16_t kClassTag = 0x8000;      // bit of a word tag naming a class
constexpr uint16_t kNewClassTag = 0xFFFF;   // schema, name length and name follow
constexpr uint32_t kBigClassTag = 0x80000000;
constexpr size_t kMaxClassNameLength = 63;

// String length prefix markers following the byte 0xFF.
constexpr uint16_t kWideStringMarker = 0xFFFE;
constexpr uint16_t kDWordLengthMarker = 0xFFFF;

template <class T>
T FromLittleEndian(const uint8_t* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

[[noreturn]] void Throw(CArchiveException::Cause cause, const char* what) { throw CArchiveException(cause, what); }

}  // namespace

// Loading keeps a table from index to class or object; storing a hash map from the class
// record or object address to its index. Neither owns the objects.
struct CArchive::Maps {
    struct Entry {
        const CRuntimeClass* cls = nullptr;  // set for class entries
        CObject* object = nullptr;           // set for object entries
    };
    std::vector<Entry> loaded{Entry{}};  // index 0 is the null reference
    std::unordered_map<const void*, uint32_t> stored;
    uint32_t nextIndex = 1;  // storing only; loading uses loaded.size()
};

CArchive::CArchive(std::vector<uint8_t>& out) : m_mode(store), m_out(&out), m_maps(std::make_unique<Maps>()) {
    out.reserve(out.size() + 4096);
    m_maps->stored.reserve(1024);
}

CArchive::CArchive(std::span<const uint8_t> in) : m_mode(load), m_in(in), m_maps(std::make_unique<Maps>()) {
    m_maps->loaded.reserve(256);
}

CArchive::~CArchive() = default;

void CArchive::ThrowEof() const { Throw(CArchiveException::endOfFile, "archive: unexpected end of file"); }

void CArchive::EnsureAvailable(uint64_t bytes) const {
    if (bytes > Remaining()) ThrowEof();
}

// --- primitive values -----------------------------------------------------------------------

void CArchive::Write(const void* data, size_t n) {
    if (!m_out) Throw(CArchiveException::readOnly, "archive: writing to a loading archive");
    const auto* p = static_cast<const uint8_t*>(data);
    m_out->insert(m_out->end(), p, p + n);
}

namespace {
template <class T>
void AppendLittleEndian(std::vector<uint8_t>& out, T v) {
    uint8_t bytes[sizeof v];
    std::memcpy(bytes, &v, sizeof v);
    out.insert(out.end(), bytes, bytes + sizeof v);
}
}  // namespace

void CArchive::WriteByte(uint8_t v) {
    if (!m_out) Throw(CArchiveException::readOnly, "archive: writing to a loading archive");
    m_out->push_back(v);
}

void CArchive::WriteWord(uint16_t v) {
    if (!m_out) Throw(CArchiveException::readOnly, "archive: writing to a loading archive");
    AppendLittleEndian(*m_out, v);
}

void CArchive::WriteDWord(uint32_t v) {
    if (!m_out) Throw(CArchiveException::readOnly, "archive: writing to a loading archive");
    AppendLittleEndian(*m_out, v);
}

void CArchive::WriteFloat(float v) { WriteDWord(std::bit_cast<uint32_t>(v)); }

void CArchive::WriteDouble(double v) {
    if (!m_out) Throw(CArchiveException::readOnly, "archive: writing to a loading archive");
    AppendLittleEndian(*m_out, std::bit_cast<uint64_t>(v));
}

void CArchive::Read(void* data, size_t n) {
    if (n > Remaining()) ThrowEof();
    if (n) std::memcpy(data, m_in.data() + m_pos, n);
    m_pos += n;
}

uint8_t CArchive::ReadByte() {
    if (Remaining() < 1) ThrowEof();
    return m_in[m_pos++];
}

uint16_t CArchive::ReadWord() {
    if (Remaining() < 2) ThrowEof();
    const auto v = FromLittleEndian<uint16_t>(m_in.data() + m_pos);
    m_pos += 2;
    return v;
}

uint32_t CArchive::ReadDWord() {
    if (Remaining() < 4) ThrowEof();
    const auto v = FromLittleEndian<uint32_t>(m_in.data() + m_pos);
    m_pos += 4;
    return v;
}

float CArchive::ReadFloat() { return std::bit_cast<float>(ReadDWord()); }

double CArchive::ReadDouble() {
    if (Remaining() < 8) ThrowEof();
    const auto v = FromLittleEndian<uint64_t>(m_in.data() + m_pos);
    m_pos += 8;
    return std::bit_cast<double>(v);
}

// --- strings ---------------------------------------------------------------------------------

void CArchive::WriteString(const std::string& utf8) {
    const std::string bytes = Utf8ToWin1252(utf8);
    const size_t n = bytes.size();
    if (n > std::numeric_limits<uint32_t>::max())
        Throw(CArchiveException::genericException, "archive: string too long");
    if (n < 0xFF) {
        WriteByte(uint8_t(n));
    } else if (n < 0xFFFE) {
        WriteByte(0xFF);
        WriteWord(uint16_t(n));
    } else {
        WriteByte(0xFF);
        WriteWord(kDWordLengthMarker);
        WriteDWord(uint32_t(n));
    }
    Write(bytes.data(), n);
}

namespace {
// The rest of a length prefix whose first byte was 0xFF and whose word was `word`.
uint32_t LongLength(CArchive& ar, uint16_t word) { return word == kDWordLengthMarker ? ar.ReadDWord() : word; }
}  // namespace

std::string CArchive::ReadString() {
    const uint8_t first = ReadByte();
    if (first < 0xFF) {
        EnsureAvailable(first);
        std::string_view bytes(reinterpret_cast<const char*>(m_in.data() + m_pos), first);
        m_pos += first;
        return Win1252ToUtf8(bytes);
    }
    const uint16_t word = ReadWord();
    if (word != kWideStringMarker) {
        const uint32_t n = LongLength(*this, word);
        EnsureAvailable(n);
        std::string_view bytes(reinterpret_cast<const char*>(m_in.data() + m_pos), n);
        m_pos += n;
        return Win1252ToUtf8(bytes);
    }
    // Two-byte characters: the length follows again in prefix form, counting UTF-16 units.
    const uint8_t wideFirst = ReadByte();
    const uint32_t units = wideFirst < 0xFF ? wideFirst : LongLength(*this, ReadWord());
    EnsureAvailable(uint64_t(units) * 2);
    std::u16string text(units, u'\0');
    for (uint32_t i = 0; i < units; ++i)
        text[i] = char16_t(FromLittleEndian<uint16_t>(m_in.data() + m_pos + 2 * size_t(i)));
    m_pos += size_t(units) * 2;
    return Utf16ToUtf8(text);
}

// --- object references -------------------------------------------------------------------

void CArchive::CheckMapCount() const {
    const size_t next = IsLoading() ? m_maps->loaded.size() : m_maps->nextIndex;
    if (next >= kMaxMapCount) Throw(CArchiveException::badIndex, "archive: too many objects");
}

void CArchive::WriteClassTag(const CRuntimeClass* cls) {
    auto& stored = m_maps->stored;
    if (const auto it = stored.find(cls); it != stored.end()) {
        const uint32_t index = it->second;
        if (index < kBigObjectTag) {
            WriteWord(uint16_t(kClassTag | index));
        } else {
            WriteWord(kBigObjectTag);
            WriteDWord(kBigClassTag | index);
        }
        return;
    }
    const size_t nameLength = std::strlen(cls->m_lpszClassName);
    // A longer name could not be read back.
    if (nameLength > kMaxClassNameLength) Throw(CArchiveException::badClass, "archive: class name too long");
    CheckMapCount();
    WriteWord(kNewClassTag);
    WriteWord(cls->m_wSchema);
    WriteWord(uint16_t(nameLength));
    Write(cls->m_lpszClassName, nameLength);
    stored.emplace(cls, m_maps->nextIndex++);
}

void CArchive::WriteObject(const CObject* obj) {
    if (!obj) {
        WriteWord(kNullTag);
        return;
    }
    auto& stored = m_maps->stored;
    if (const auto it = stored.find(obj); it != stored.end()) {
        const uint32_t index = it->second;
        if (index < kBigObjectTag) {
            WriteWord(uint16_t(index));
        } else {
            WriteWord(kBigObjectTag);
            WriteDWord(index);
        }
        return;
    }
    WriteClassTag(obj->GetRuntimeClass());
    CheckMapCount();
    stored.emplace(obj, m_maps->nextIndex++);
    // Storing does not change the object; Serialize serves both directions.
    const_cast<CObject*>(obj)->Serialize(*this);
}

CArchive::ReadResult CArchive::ReadObject(const CRuntimeClass* expected) {
    if (m_mode != load) Throw(CArchiveException::writeOnly, "archive: reading from a storing archive");
    auto& loaded = m_maps->loaded;
    const uint16_t tag = ReadWord();
    const uint32_t fullTag = tag == kBigObjectTag ? ReadDWord() : (uint32_t(tag & kClassTag) << 16) | (tag & 0x7FFF);

    if (!(fullTag & kBigClassTag)) {
        if (fullTag == 0) return {};
        if (fullTag >= loaded.size() || !loaded[fullTag].object)
            Throw(CArchiveException::badIndex, "archive: reference to an object not read");
        CObject* obj = loaded[fullTag].object;
        if (expected && !obj->IsKindOf(expected))
            Throw(CArchiveException::badClass, "archive: object of unexpected class");
        return {obj, nullptr};
    }

    const CRuntimeClass* cls = nullptr;
    if (tag == kNewClassTag) {
        const uint16_t schema = ReadWord();
        const uint16_t nameLength = ReadWord();
        if (nameLength > kMaxClassNameLength) Throw(CArchiveException::badClass, "archive: class name too long");
        EnsureAvailable(nameLength);
        const std::string_view name(reinterpret_cast<const char*>(m_in.data() + m_pos), nameLength);
        m_pos += nameLength;
        cls = CRuntimeClass::FromName(name);
        if (!cls || !cls->m_pfnCreateObject) Throw(CArchiveException::badClass, "archive: unknown class");
        if (cls->m_wSchema != schema) Throw(CArchiveException::badSchema, "archive: class schema differs");
        CheckMapCount();
        loaded.push_back({cls, nullptr});
    } else {
        const uint32_t classIndex = fullTag & ~kBigClassTag;
        if (classIndex == 0 || classIndex >= loaded.size() || !loaded[classIndex].cls)
            Throw(CArchiveException::badIndex, "archive: reference to a class not read");
        cls = loaded[classIndex].cls;
    }

    // Refuse before the body is read, so a wrong object never touches the caller's data.
    if (expected && !cls->IsDerivedFrom(expected))
        Throw(CArchiveException::badClass, "archive: object of unexpected class");
    CheckMapCount();
    std::unique_ptr<CObject> obj = cls->CreateObject();
    if (!obj) Throw(CArchiveException::badClass, "archive: class cannot be created");
    loaded.push_back({nullptr, obj.get()});
    obj->Serialize(*this);
    CObject* const created = obj.get();
    return {created, std::move(obj)};
}

std::unique_ptr<CObject> CArchive::ReadOwnedObject(const CRuntimeClass* expected) {
    ReadResult result = ReadObject(expected);
    if (!result.object) Throw(CArchiveException::badIndex, "archive: null element in an object list");
    if (!result.owned) Throw(CArchiveException::badIndex, "archive: object listed twice");
    return std::move(result.owned);
}

// --- counts --------------------------------------------------------------------------------

void CArchive::WriteCount(uint32_t n) {
    if (n < 0xFFFF) {
        WriteWord(uint16_t(n));
    } else {
        WriteWord(0xFFFF);
        WriteDWord(n);
    }
}

uint32_t CArchive::ReadCount() {
    const uint16_t n = ReadWord();
    return n == 0xFFFF ? ReadDWord() : n;
}
