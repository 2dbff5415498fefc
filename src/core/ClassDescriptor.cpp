#include "core/ClassDescriptor.h"
#include <vector>

namespace {

std::vector<const ClassDescriptor*>& declared() {
    static std::vector<const ClassDescriptor*> descriptors;
    return descriptors;
}

} // namespace

bool declareClass(const ClassDescriptor& descriptor) {
    declared().push_back(&descriptor);
    return true;
}

std::span<const ClassDescriptor* const> declaredClasses() {
    return declared();
}
