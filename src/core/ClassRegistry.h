#pragma once
#include <cstddef>
#include <memory>
#include <vector>
#include "core/ClassDescriptor.h"

class VekBase;

/// The table of registered classes: found by name or id, numbered by `buildTable`, and
/// made by name. The engine root builds one at start-up from the declared classes.
class ClassRegistry {
  public:
    /// Adds one class; it counts from the next `buildTable`.
    void registerClass(const ClassDescriptor& descriptor);
    /// Adds every class the program declared with the registration macros.
    void registerDeclaredClasses();
    /// Numbers the registered classes in the order of their ids and sets `bBadClasses`
    /// when two share a name or an id, or one names a parent that is not registered. Each
    /// fault is logged.
    void buildTable();

    /// Classes of the built table, or null.
    const ClassDescriptor* findByName(WideStringView name) const;
    const ClassDescriptor* findById(uint32_t id) const;
    /// The class's number in the built table, or -1.
    int getNumber(const ClassDescriptor& descriptor) const;
    std::size_t getClassCount() const { return table.size(); }
    /// A new object of the named class; null when the class is unknown or has no creator.
    std::unique_ptr<VekBase> create(WideStringView name) const;

    /// Set by `buildTable` when a registration was bad; the start-up treats it as fatal.
    bool bBadClasses = false;

  private:
    bool checkDuplicates();
    bool checkParents();

    std::vector<const ClassDescriptor*> registered;
    std::vector<const ClassDescriptor*> table; // sorted by id, then name
};
