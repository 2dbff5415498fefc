#pragma once
#include <cstdint>
#include <span>
#include "core/WideString.h"

class VekBase;

/// Makes a new object of a class; the caller owns it.
using ClassCreator = VekBase* (*)();

/// The id of a class name: h = h * 33 + c over its UTF-16 units, from 0, modulo 2^32.
constexpr uint32_t classIdOf(WideStringView name) {
    uint32_t h = 0;
    for (const char16_t c : name)
        h = h * 33u + c;
    return h;
}

template <class T> VekBase* createObject() {
    return new T();
}

/// The registered identity of a class: its name, hashed id, parent class (null for the
/// root) and creator (null when the class is only made in code). One constant object per
/// class, declared with the macros below and numbered by a `ClassRegistry`.
struct ClassDescriptor {
    constexpr ClassDescriptor(WideStringView className, const ClassDescriptor* parent, ClassCreator make)
        : name(className), id(classIdOf(className)), pParent(parent), creator(make) {}
    ClassDescriptor(const ClassDescriptor&) = delete;
    ClassDescriptor& operator=(const ClassDescriptor&) = delete;

    WideStringView name;
    uint32_t id;
    const ClassDescriptor* pParent;
    ClassCreator creator;
};

/// Adds a descriptor to the classes of this program, which `ClassRegistry::registerDeclaredClasses`
/// takes over. Called during static initialisation by the macros below; returns true.
bool declareClass(const ClassDescriptor& descriptor);
/// Every descriptor declared so far, in the order of declaration.
std::span<const ClassDescriptor* const> declaredClasses();

/// Inside the body of a registered class: its descriptor and `getClass`. Leaves the
/// members that follow it public.
#define VEK_REGISTERED_CLASS()                                                                               \
  public:                                                                                                    \
    static const ClassDescriptor DESCRIPTOR;                                                                 \
    const ClassDescriptor& getClass() const override {                                                       \
        return DESCRIPTOR;                                                                                   \
    }

/// In the class's source file (the class must be default-constructible): defines its
/// descriptor, with `Parent`'s as parent and a creator, and declares it.
#define VEK_REGISTER_CLASS(Class, Parent, name)                                                              \
    VEK_DEFINE_CLASS_DESCRIPTOR(Class, &Parent::DESCRIPTOR, name, &createObject<Class>)
/// The same for a class that is only made in code.
#define VEK_REGISTER_CLASS_WITHOUT_CREATOR(Class, Parent, name)                                              \
    VEK_DEFINE_CLASS_DESCRIPTOR(Class, &Parent::DESCRIPTOR, name, nullptr)

#define VEK_DEFINE_CLASS_DESCRIPTOR(Class, pParent, name, creator)                                           \
    constinit const ClassDescriptor Class::DESCRIPTOR{name, pParent, creator};                               \
    namespace {                                                                                              \
    [[maybe_unused]] const bool vekDeclared##Class = declareClass(Class::DESCRIPTOR);                        \
    }
