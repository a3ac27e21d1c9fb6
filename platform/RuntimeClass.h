// Serialisable run-time classes: a class record with name, schema and factory, and a
// process-wide registry that the archive uses to create objects by class name.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

class CArchive;
class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    uint16_t m_wSchema;
    std::unique_ptr<CObject> (*m_pfnCreateObject)();  // null for classes that cannot be created by name
    const CRuntimeClass* m_pBaseClass;

    std::unique_ptr<CObject> CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* base) const;

    // Registry of the classes the archive may create. Registering twice is harmless.
    static void Register(const CRuntimeClass* cls);
    static const CRuntimeClass* FromName(std::string_view name);
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const { return &classCObject; }
    virtual void Serialize(CArchive&) {}
    bool IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }

    static const CRuntimeClass classCObject;
    // The class record of the static type, for templates (RUNTIME_CLASS needs a class name).
    static const CRuntimeClass* GetThisClass() { return &classCObject; }
};

#define RUNTIME_CLASS(cls) (&cls::class##cls)

// Hands an owned object on as its class T; the caller has checked that it is one.
template <class T>
std::unique_ptr<T> OwnedAs(std::unique_ptr<CObject> obj) {
    return std::unique_ptr<T>(static_cast<T*>(obj.release()));
}

// In the class body of a serialisable class.
#define DECLARE_SERIAL(cls)                                                       \
public:                                                                           \
    static const CRuntimeClass class##cls;                                        \
    const CRuntimeClass* GetRuntimeClass() const override { return &class##cls; } \
    static std::unique_ptr<CObject> CreateObject();                               \
    static const CRuntimeClass* GetThisClass() { return &class##cls; }

// In one source file per serialisable class. Also registers the class by name; explicit
// registration stays harmless and is still needed where the linker may drop the file.
#define IMPLEMENT_SERIAL(cls, base, schema)                                                        \
    std::unique_ptr<CObject> cls::CreateObject() { return std::unique_ptr<CObject>(new cls); }     \
    const CRuntimeClass cls::class##cls = {#cls, schema, &cls::CreateObject, RUNTIME_CLASS(base)}; \
    [[maybe_unused]] static const bool kRegistered##cls = (CRuntimeClass::Register(&cls::class##cls), true);
