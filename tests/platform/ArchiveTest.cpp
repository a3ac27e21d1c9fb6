// Byte layouts and failure handling of the object archive.
#include "platform/Archive.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

using Bytes = std::vector<uint8_t>;
using Cause = CArchiveException::Cause;

int g_liveObjects = 0;
int g_otherBodiesRead = 0;

// A small serialisable class: a 32-bit value as its body.
class CTestObj : public CObject {
    DECLARE_SERIAL(CTestObj)
public:
    CTestObj() { ++g_liveObjects; }
    explicit CTestObj(int32_t v) : m_value(v) { ++g_liveObjects; }
    ~CTestObj() override { --g_liveObjects; }
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar.WriteLong(m_value);
        else
            m_value = ar.ReadLong();
    }
    int32_t m_value = 0;
};
IMPLEMENT_SERIAL(CTestObj, CObject, 0)

class CTestDerived : public CTestObj {
    DECLARE_SERIAL(CTestDerived)
};
IMPLEMENT_SERIAL(CTestDerived, CTestObj, 0)

// Not derived from CTestObj; counts the bodies it reads.
class CTestOther : public CObject {
    DECLARE_SERIAL(CTestOther)
public:
    void Serialize(CArchive& ar) override {
        if (ar.IsLoading()) {
            ++g_otherBodiesRead;
            ar.ReadWord();
        } else
            ar.WriteWord(0);
    }
};
IMPLEMENT_SERIAL(CTestOther, CObject, 0)

class CTestSchema1 : public CObject {
    DECLARE_SERIAL(CTestSchema1)
};
IMPLEMENT_SERIAL(CTestSchema1, CObject, 1)

// Holds a non-owning reference that its body writes as an object reference.
class CTestLink : public CObject {
    DECLARE_SERIAL(CTestLink)
public:
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar.WriteObject(m_pTarget);
        else
            m_pTarget = ar.ReadObject(nullptr).object;
    }
    CObject* m_pTarget = nullptr;
};
IMPLEMENT_SERIAL(CTestLink, CObject, 0)

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes Ascii(std::string_view s) { return Bytes(s.begin(), s.end()); }

Bytes NewClassTag(std::string_view name, uint16_t schema = 0) {
    return Cat({{0xFF, 0xFF, uint8_t(schema), uint8_t(schema >> 8), uint8_t(name.size()), 0}, Ascii(name)});
}

template <class F>
Bytes Store(F&& write) {
    Bytes out;
    CArchive ar(out);
    write(ar);
    return out;
}

// Runs `read` on a loading archive over `bytes` and returns the cause it throws.
template <class F>
std::optional<Cause> LoadFailure(const Bytes& bytes, F&& read) {
    CArchive ar{std::span<const uint8_t>(bytes)};
    try {
        read(ar);
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    return std::nullopt;
}

std::optional<Cause> ListFailure(const Bytes& bytes) {
    return LoadFailure(bytes, [](CArchive& ar) {
        std::vector<std::unique_ptr<CTestObj>> list;
        ar.ReadObList(list);
    });
}

TEST(RuntimeClass, RegistryAndDerivation) {
    EXPECT_EQ(CRuntimeClass::FromName("CTestObj"), RUNTIME_CLASS(CTestObj));
    EXPECT_EQ(CRuntimeClass::FromName("CTestOb"), nullptr);
    CRuntimeClass::Register(RUNTIME_CLASS(CTestObj));  // again: harmless
    EXPECT_EQ(CRuntimeClass::FromName("CTestObj"), RUNTIME_CLASS(CTestObj));

    EXPECT_TRUE(RUNTIME_CLASS(CTestDerived)->IsDerivedFrom(RUNTIME_CLASS(CTestObj)));
    EXPECT_TRUE(RUNTIME_CLASS(CTestDerived)->IsDerivedFrom(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(RUNTIME_CLASS(CTestObj)->IsDerivedFrom(RUNTIME_CLASS(CTestDerived)));
    EXPECT_FALSE(RUNTIME_CLASS(CTestOther)->IsDerivedFrom(RUNTIME_CLASS(CTestObj)));
    EXPECT_STREQ(RUNTIME_CLASS(CObject)->m_lpszClassName, "CObject");
    EXPECT_EQ(RUNTIME_CLASS(CObject)->CreateObject(), nullptr);

    const std::unique_ptr<CObject> obj = RUNTIME_CLASS(CTestDerived)->CreateObject();
    EXPECT_TRUE(obj->IsKindOf(RUNTIME_CLASS(CTestObj)));
}

TEST(Archive, PrimitivesAreLittleEndianAndBitExact) {
    const float nanWithPayload = std::bit_cast<float>(0x7FC12345u);
    const Bytes bytes = Store([&](CArchive& ar) {
        ar.WriteByte(0xAB);
        ar.WriteWord(0x1234);
        ar.WriteDWord(0xDEADBEEF);
        ar.WriteLong(-2);
        ar.WriteFloat(-100.0f);
        ar.WriteFloat(-0.0f);
        ar.WriteFloat(nanWithPayload);
        ar.WriteDouble(1.0);
    });
    const Bytes expected = {0xAB, 0x34, 0x12, 0xEF, 0xBE, 0xAD, 0xDE, 0xFE, 0xFF, 0xFF, 0xFF,
                            0x00, 0x00, 0xC8, 0xC2, 0x00, 0x00, 0x00, 0x80, 0x45, 0x23, 0xC1,
                            0x7F, 0,    0,    0,    0,    0,    0,    0xF0, 0x3F};
    EXPECT_EQ(bytes, expected);

    CArchive ar{std::span<const uint8_t>(bytes)};
    EXPECT_TRUE(ar.IsLoading());
    EXPECT_EQ(ar.ReadByte(), 0xAB);
    EXPECT_EQ(ar.ReadWord(), 0x1234);
    EXPECT_EQ(ar.ReadDWord(), 0xDEADBEEFu);
    EXPECT_EQ(ar.ReadLong(), -2);
    EXPECT_EQ(ar.ReadFloat(), -100.0f);
    EXPECT_TRUE(std::signbit(ar.ReadFloat()));
    EXPECT_EQ(std::bit_cast<uint32_t>(ar.ReadFloat()), 0x7FC12345u);
    EXPECT_EQ(ar.ReadDouble(), 1.0);
    EXPECT_EQ(ar.Remaining(), 0u);
    EXPECT_THROW(ar.EnsureAvailable(1), CArchiveException);
    EXPECT_EQ(LoadFailure({0x01, 0x02, 0x03}, [](CArchive& a) { a.ReadDWord(); }), Cause::endOfFile);
    EXPECT_EQ(LoadFailure({0x01}, [](CArchive& a) { a.WriteByte(1); }), Cause::readOnly);
}

TEST(Archive, StringLengthPrefixes) {
    struct Case {
        size_t length;
        Bytes prefix;
    };
    const Case cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        const std::string text(c.length, 'x');
        const Bytes bytes = Store([&](CArchive& ar) { ar.WriteString(text); });
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length) << c.length;
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + c.prefix.size()), c.prefix) << c.length;
        CArchive ar{std::span<const uint8_t>(bytes)};
        EXPECT_EQ(ar.ReadString(), text);
        EXPECT_EQ(ar.Remaining(), 0u);
    }
}

TEST(Archive, StringsAreWindows1252InTheFile) {
    // The prefix counts 1252 bytes, not UTF-8 bytes.
    const Bytes bytes = Store([](CArchive& ar) { ar.WriteString("Maß 5 €"); });
    EXPECT_EQ(bytes, (Bytes{0x07, 'M', 'a', 0xDF, ' ', '5', ' ', 0x80}));
    CArchive ar{std::span<const uint8_t>(bytes)};
    EXPECT_EQ(ar.ReadString(), "Maß 5 €");

    const Bytes unmappable = Store([](CArchive& a) {
        a.WriteString(
            "a\xE4\xB8\xAD"
            "b");
    });
    EXPECT_EQ(unmappable, (Bytes{0x03, 'a', '?', 'b'}));
}

TEST(Archive, ReadsWideStrings) {
    // 0xFF, 0xFFFE, then a prefix counting UTF-16 units: "aä€" and an unpaired surrogate.
    const Bytes shortForm = {0xFF, 0xFE, 0xFF, 0x04, 'a', 0, 0xE4, 0, 0xAC, 0x20, 0x00, 0xD8, 'z'};
    CArchive ar{std::span<const uint8_t>(shortForm)};
    EXPECT_EQ(ar.ReadString(), "aä€?");
    EXPECT_EQ(ar.ReadByte(), 'z');

    // Long prefix form inside the wide marker, with a surrogate pair.
    const Bytes wordForm = {0xFF, 0xFE, 0xFF, 0xFF, 0x02, 0x00, 0x3D, 0xD8, 0x00, 0xDE};
    CArchive ar2{std::span<const uint8_t>(wordForm)};
    EXPECT_EQ(ar2.ReadString(), "\xF0\x9F\x98\x80");
    EXPECT_EQ(ar2.Remaining(), 0u);
}

TEST(Archive, ShortStringsAreEndOfFile) {
    const auto readString = [](CArchive& ar) { ar.ReadString(); };
    EXPECT_EQ(LoadFailure({0x05, 'a', 'b'}, readString), Cause::endOfFile);
    EXPECT_EQ(LoadFailure({0xFF, 0x00, 0x01}, readString), Cause::endOfFile);
    EXPECT_EQ(LoadFailure({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}, readString), Cause::endOfFile);
    EXPECT_EQ(LoadFailure({0xFF, 0xFE, 0xFF, 0x02, 'a', 0}, readString), Cause::endOfFile);
    EXPECT_EQ(LoadFailure({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0}, readString), Cause::endOfFile);
    EXPECT_EQ(LoadFailure({0xFF}, readString), Cause::endOfFile);
}

TEST(Archive, TwoObjectsOfOneClassShareTheClassTag) {
    std::vector<std::unique_ptr<CTestObj>> list;
    list.push_back(std::make_unique<CTestObj>(7));
    list.push_back(std::make_unique<CTestObj>(-1));
    const Bytes bytes = Store([&](CArchive& ar) { ar.WriteObList(list); });
    const Bytes expected =
        Cat({{0x02, 0x00}, NewClassTag("CTestObj"), {7, 0, 0, 0}, {0x01, 0x80}, {0xFF, 0xFF, 0xFF, 0xFF}});
    EXPECT_EQ(bytes, expected);

    std::vector<std::unique_ptr<CTestObj>> loaded;
    CArchive ar{std::span<const uint8_t>(bytes)};
    ar.ReadObList(loaded);
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0]->m_value, 7);
    EXPECT_EQ(loaded[1]->m_value, -1);
    EXPECT_EQ(ar.Remaining(), 0u);
}

TEST(Archive, BackReferencesResolveToTheSameObject) {
    CTestObj a(5);
    CTestLink self;
    self.m_pTarget = &self;  // the object's index is taken before its body
    const Bytes bytes = Store([&](CArchive& ar) {
        ar.WriteObject(&a);
        ar.WriteObject(&a);
        ar.WriteObject(nullptr);
        ar.WriteObject(&self);
    });
    // CTestObj class 1, a 2, CTestLink class 3, self 4.
    const Bytes expected = Cat(
        {NewClassTag("CTestObj"), {5, 0, 0, 0}, {0x02, 0x00}, {0x00, 0x00}, NewClassTag("CTestLink"), {0x04, 0x00}});
    EXPECT_EQ(bytes, expected);

    CArchive ar{std::span<const uint8_t>(bytes)};
    const auto first = ar.ReadObject(RUNTIME_CLASS(CTestObj));
    EXPECT_EQ(first.owned.get(), first.object);
    const auto again = ar.ReadObject(RUNTIME_CLASS(CTestObj));
    EXPECT_EQ(again.object, first.object);
    EXPECT_EQ(again.owned, nullptr);
    EXPECT_EQ(ar.ReadObject(nullptr).object, nullptr);
    const auto link = ar.ReadObject(nullptr);
    EXPECT_EQ(link.owned.get(), link.object);
    EXPECT_EQ(static_cast<CTestLink*>(link.object)->m_pTarget, link.object);
}

TEST(Archive, CountsAtTheWordLimit) {
    const Bytes bytes = Store([](CArchive& ar) {
        ar.WriteCount(0xFFFE);
        ar.WriteCount(0xFFFF);
        ar.WriteCount(0x12345678);
    });
    EXPECT_EQ(bytes, (Bytes{0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12}));
    CArchive ar{std::span<const uint8_t>(bytes)};
    EXPECT_EQ(ar.ReadCount(), 0xFFFEu);
    EXPECT_EQ(ar.ReadCount(), 0xFFFFu);
    EXPECT_EQ(ar.ReadCount(), 0x12345678u);
}

TEST(Archive, BigIndexesUseTheDWordForms) {
    // 0x8000 objects of one class: class index 1, objects 2..0x8001.
    std::vector<std::unique_ptr<CTestObj>> list;
    for (int i = 0; i < 0x8000; ++i) list.push_back(std::make_unique<CTestObj>(i));
    CTestDerived d1, d2;
    const Bytes bytes = Store([&](CArchive& ar) {
        ar.WriteObList(list);
        ar.WriteObject(&d1);                 // new class 0x8002, object 0x8003
        ar.WriteObject(&d2);                 // known class 0x8002: big class tag
        ar.WriteObject(list[0x7FFC].get());  // index 0x7FFE: still a word
        ar.WriteObject(list[0x7FFD].get());  // index 0x7FFF: big form
    });
    const size_t listBytes = 2 + NewClassTag("CTestObj").size() + 4 + (0x8000 - 1) * 6;
    const Bytes tail(bytes.begin() + listBytes, bytes.end());
    const Bytes expected = Cat({NewClassTag("CTestDerived"),
                                {0, 0, 0, 0},
                                {0xFF, 0x7F, 0x02, 0x80, 0x00, 0x80},
                                {0, 0, 0, 0},
                                {0xFE, 0x7F},
                                {0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x00}});
    EXPECT_EQ(tail, expected);

    CArchive ar{std::span<const uint8_t>(bytes)};
    std::vector<std::unique_ptr<CTestObj>> loaded;
    ar.ReadObList(loaded);
    ASSERT_EQ(loaded.size(), 0x8000u);
    EXPECT_EQ(loaded[0x7FFF]->m_value, 0x7FFF);
    const std::unique_ptr<CObject> r1 = ar.ReadOwnedObject(RUNTIME_CLASS(CTestObj));
    const std::unique_ptr<CObject> r2 = ar.ReadOwnedObject(RUNTIME_CLASS(CTestDerived));
    EXPECT_EQ(r2->GetRuntimeClass(), RUNTIME_CLASS(CTestDerived));
    EXPECT_EQ(ar.ReadObject(nullptr).object, loaded[0x7FFC].get());
    EXPECT_EQ(ar.ReadObject(nullptr).object, loaded[0x7FFD].get());
    EXPECT_EQ(ar.Remaining(), 0u);
}

TEST(Archive, LargeListCountRoundTrips) {
    std::vector<std::unique_ptr<CTestObj>> list;
    for (int i = 0; i < 0xFFFF; ++i) list.push_back(std::make_unique<CTestObj>(i));
    const Bytes bytes = Store([&](CArchive& ar) { ar.WriteObList(list); });
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 6), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0, 0}));
    CArchive ar{std::span<const uint8_t>(bytes)};
    std::vector<std::unique_ptr<CTestObj>> loaded;
    ar.ReadObList(loaded);
    EXPECT_EQ(loaded.size(), 0xFFFFu);
    EXPECT_EQ(loaded.back()->m_value, 0xFFFE);
}

TEST(Archive, DamagedFilesAreRefused) {
    const Bytes body = {1, 0, 0, 0};
    const Bytes one = Cat({{0x01, 0x00}, NewClassTag("CTestObj"), body});
    EXPECT_EQ(ListFailure(one), std::nullopt);

    EXPECT_EQ(ListFailure(Bytes(one.begin(), one.end() - 1)), Cause::endOfFile) << "short body";
    EXPECT_EQ(ListFailure({0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x08, 0x00, 'C', 'T'}), Cause::endOfFile)
        << "short class name";
    EXPECT_EQ(ListFailure(Cat({{0x01, 0x00}, NewClassTag("CTestNix"), body})), Cause::badClass) << "unknown";
    EXPECT_EQ(ListFailure(Cat({{0x01, 0x00}, NewClassTag("CObject"), body})), Cause::badClass) << "not creatable";
    EXPECT_EQ(ListFailure(Cat({{0x01, 0x00}, NewClassTag(std::string(64, 'C')), body})), Cause::badClass)
        << "name over 63 bytes";
    EXPECT_EQ(ListFailure(Cat({{0x01, 0x00}, NewClassTag("CTestSchema1", 0), body})), Cause::badSchema);
    EXPECT_EQ(ListFailure(Cat({{0x01, 0x00}, NewClassTag("CTestObj", 1), body})), Cause::badSchema);
    EXPECT_EQ(ListFailure({0x01, 0x00, 0x05, 0x00}), Cause::badIndex) << "object not read yet";
    EXPECT_EQ(ListFailure({0x01, 0x00, 0x01, 0x80, 1, 0, 0, 0}), Cause::badIndex) << "class not read yet";
    EXPECT_EQ(ListFailure({0x01, 0x00, 0x00, 0x80, 1, 0, 0, 0}), Cause::badIndex) << "class index 0";
    EXPECT_EQ(ListFailure({0x01, 0x00, 0xFF, 0x7F, 0x00, 0x00, 0x00, 0x40}), Cause::badIndex) << "big index";

    // After one object (class 1, object 2): a class index used as an object and back.
    EXPECT_EQ(ListFailure(Cat({{0x02, 0x00}, NewClassTag("CTestObj"), body, {0x01, 0x00}})), Cause::badIndex);
    EXPECT_EQ(ListFailure(Cat({{0x02, 0x00}, NewClassTag("CTestObj"), body, {0x02, 0x80}, body})), Cause::badIndex);
    // The same object twice, or null, in one list.
    EXPECT_EQ(ListFailure(Cat({{0x02, 0x00}, NewClassTag("CTestObj"), body, {0x02, 0x00}})), Cause::badIndex);
    EXPECT_EQ(ListFailure(Cat({{0x02, 0x00}, NewClassTag("CTestObj"), body, {0x00, 0x00}})), Cause::badIndex);
    EXPECT_EQ(g_liveObjects, 0) << "objects read before the failure are freed";
}

TEST(Archive, WrongClassIsRefusedBeforeItsBody) {
    g_otherBodiesRead = 0;
    EXPECT_EQ(ListFailure(Cat({{0x01, 0x00}, NewClassTag("CTestOther"), {0, 0}})), Cause::badClass);
    EXPECT_EQ(g_otherBodiesRead, 0);

    // A back reference of the wrong class is refused too.
    const Bytes bytes = Cat({NewClassTag("CTestOther"), {0, 0}, {0x02, 0x00}});
    CArchive ar{std::span<const uint8_t>(bytes)};
    const auto other = ar.ReadObject(nullptr);
    EXPECT_THROW(ar.ReadObject(RUNTIME_CLASS(CTestObj)), CArchiveException);
}

TEST(Archive, HugeCountsFailWithoutAllocating) {
    EXPECT_EQ(ListFailure({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), Cause::endOfFile);
    EXPECT_EQ(ListFailure({0xFF, 0xFF, 0x00, 0x28, 0x6B, 0xEE, 0x01, 0x80}), Cause::endOfFile);
    EXPECT_EQ(ListFailure({0x03, 0x00}), Cause::endOfFile);
    EXPECT_EQ(ListFailure({}), Cause::endOfFile);
}

TEST(Archive, FailingBodyFreesItsObject) {
    // The body announces a 4-byte value but the file ends after 2.
    const Bytes bytes = Cat({NewClassTag("CTestObj"), {1, 0}});
    EXPECT_EQ(LoadFailure(bytes, [](CArchive& ar) { ar.ReadObject(nullptr); }), Cause::endOfFile);
    EXPECT_EQ(g_liveObjects, 0);
}

}  // namespace
