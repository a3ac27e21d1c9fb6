#include "app/frame/CommandHooks.h"

#include <algorithm>

namespace {
std::vector<DocumentTargetFactory>& Factories() {
    static std::vector<DocumentTargetFactory> factories;
    return factories;
}
std::vector<CommandTarget*>& AppTargets() {
    static std::vector<CommandTarget*> targets;
    return targets;
}
}  // namespace

void AddDocumentTargetFactory(DocumentTargetFactory factory) { Factories().push_back(std::move(factory)); }
const std::vector<DocumentTargetFactory>& DocumentTargetFactories() { return Factories(); }

void AddApplicationTarget(CommandTarget* target) { AppTargets().push_back(target); }
void RemoveApplicationTarget(CommandTarget* target) {
    auto& v = AppTargets();
    v.erase(std::remove(v.begin(), v.end(), target), v.end());
}
const std::vector<CommandTarget*>& ApplicationTargets() { return AppTargets(); }
