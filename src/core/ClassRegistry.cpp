#include "core/ClassRegistry.h"
#include <algorithm>
#include "core/Logger.h"
#include "core/VekBase.h"

namespace {

bool byIdThenName(const ClassDescriptor* a, const ClassDescriptor* b) {
    return a->id != b->id ? a->id < b->id : a->name < b->name;
}

bool idBelow(const ClassDescriptor* descriptor, uint32_t id) {
    return descriptor->id < id;
}

} // namespace

void ClassRegistry::registerClass(const ClassDescriptor& descriptor) {
    registered.push_back(&descriptor);
}

void ClassRegistry::registerDeclaredClasses() {
    for (const ClassDescriptor* descriptor : declaredClasses())
        registerClass(*descriptor);
}

void ClassRegistry::buildTable() {
    table = registered;
    std::sort(table.begin(), table.end(), byIdThenName);
    const bool bDuplicates = checkDuplicates();
    const bool bOrphans = checkParents();
    bBadClasses = bDuplicates || bOrphans;
}

bool ClassRegistry::checkDuplicates() {
    bool bBad = false;
    for (std::size_t i = 1; i < table.size(); ++i) {
        const ClassDescriptor& a = *table[i - 1];
        const ClassDescriptor& b = *table[i];
        if (a.id != b.id) continue;
        bBad = true;
        if (a.name == b.name)
            VEK_LOG(u"Class name '%s' is registered twice.", a.name);
        else
            VEK_LOG(u"Classes '%s' and '%s' share the id 0x%08x.", a.name, b.name, a.id);
    }
    return bBad;
}

bool ClassRegistry::checkParents() {
    bool bBad = false;
    for (const ClassDescriptor* descriptor : table) {
        const ClassDescriptor* parent = descriptor->pParent;
        if (!parent || std::find(table.begin(), table.end(), parent) != table.end()) continue;
        bBad = true;
        VEK_LOG(u"Class '%s' has the unregistered parent '%s'.", descriptor->name, parent->name);
    }
    return bBad;
}

const ClassDescriptor* ClassRegistry::findById(uint32_t id) const {
    const auto it = std::lower_bound(table.begin(), table.end(), id, idBelow);
    return it != table.end() && (*it)->id == id ? *it : nullptr;
}

const ClassDescriptor* ClassRegistry::findByName(WideStringView name) const {
    const uint32_t id = classIdOf(name);
    for (auto it = std::lower_bound(table.begin(), table.end(), id, idBelow);
         it != table.end() && (*it)->id == id; ++it)
        if ((*it)->name == name) return *it;
    return nullptr;
}

int ClassRegistry::getNumber(const ClassDescriptor& descriptor) const {
    const auto it = std::find(table.begin(), table.end(), &descriptor);
    return it == table.end() ? -1 : static_cast<int>(it - table.begin());
}

std::unique_ptr<VekBase> ClassRegistry::create(WideStringView name) const {
    const ClassDescriptor* descriptor = findByName(name);
    if (!descriptor || !descriptor->creator) return nullptr;
    return std::unique_ptr<VekBase>(descriptor->creator());
}
