#include "platform/RuntimeClass.h"

#include <mutex>
#include <string_view>
#include <unordered_map>

// CObject itself is never stored: schema 0xFFFF and no factory.
const CRuntimeClass CObject::classCObject = {"CObject", 0xFFFF, nullptr, nullptr};

namespace {

struct Registry {
    std::mutex mutex;
    std::unordered_map<std::string_view, const CRuntimeClass*> byName;
};

// Function-local so that registration from static initialisers of other files is safe.
Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

}  // namespace

std::unique_ptr<CObject> CRuntimeClass::CreateObject() const {
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
    for (const CRuntimeClass* cls = this; cls; cls = cls->m_pBaseClass)
        if (cls == base) return true;
    return false;
}

void CRuntimeClass::Register(const CRuntimeClass* cls) {
    if (!cls || !cls->m_lpszClassName) return;
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    // The first record under a name wins; registering the same class again changes nothing.
    registry.byName.emplace(std::string_view(cls->m_lpszClassName), cls);
}

const CRuntimeClass* CRuntimeClass::FromName(std::string_view name) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    const auto it = registry.byName.find(name);
    return it == registry.byName.end() ? nullptr : it->second;
}
