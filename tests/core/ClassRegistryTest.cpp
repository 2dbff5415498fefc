#include "core/ClassRegistry.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <set>
#include "core/VekBase.h"

namespace {

class TestShip : public VekBase {
    VEK_REGISTERED_CLASS()
};

class TestScout : public TestShip {}; // not registered: reports its parent's class

class TestDock : public VekBase {
    VEK_REGISTERED_CLASS()
};

} // namespace

VEK_REGISTER_CLASS(TestShip, VekBase, u"TestShip")
VEK_REGISTER_CLASS_WITHOUT_CREATOR(TestDock, VekBase, u"TestDock")

TEST(ClassRegistry, IdsHashTheUtf16UnitsOfTheName) {
    const std::pair<std::u16string_view, uint32_t> known[] = {
        {u"", 0u},
        {u"A", 65u},
        {u"AB", 65u * 33 + 66},
        {u"ContextMenu", 0x4229753au},
        {u"ContextLanguageSelect", 0xCDA10B89u}, // wraps modulo 2^32
        {u"\u00e9t\u00e9", (0xE9u * 33 + 't') * 33 + 0xE9},
        {u"\U0001F600", 0xD83Du * 33 + 0xDE00}, // both halves of the pair count
    };
    for (const auto& [name, id] : known)
        EXPECT_EQ(classIdOf(name), id);
    static_assert(classIdOf(u"A") == 65u, "usable at compile time");
}

TEST(ClassRegistry, BuildTableFlagsBadRegistrations) {
    const ClassDescriptor root{u"Root", nullptr, nullptr};
    const ClassDescriptor ship{u"Ship", &root, nullptr};
    const ClassDescriptor scout{u"Scout", &ship, nullptr};
    const ClassDescriptor otherShip{u"Ship", &root, nullptr};
    const ClassDescriptor collidesA{u"Ab", &root, nullptr}; // 65 * 33 + 98 == 66 * 33 + 65
    const ClassDescriptor collidesB{u"BA", &root, nullptr};
    const ClassDescriptor unregistered{u"Elsewhere", nullptr, nullptr};
    const ClassDescriptor orphan{u"Orphan", &unregistered, nullptr};
    ASSERT_EQ(collidesA.id, collidesB.id);

    struct Case {
        const char* what;
        std::vector<const ClassDescriptor*> classes;
        bool bBad;
    };
    const Case cases[] = {
        {"nothing registered", {}, false},
        {"a sound tree in any order", {&scout, &root, &ship}, false},
        {"one name twice", {&root, &ship, &otherShip}, true},
        {"one descriptor twice", {&root, &ship, &ship}, true},
        {"two names with one id", {&root, &collidesA, &collidesB}, true},
        {"a parent that is not registered", {&root, &orphan}, true},
        {"a child without its parent", {&root, &scout}, true},
    };
    for (const auto& c : cases) {
        ClassRegistry registry;
        for (const ClassDescriptor* d : c.classes)
            registry.registerClass(*d);
        registry.buildTable();
        EXPECT_EQ(registry.bBadClasses, c.bBad) << c.what;
        EXPECT_EQ(registry.getClassCount(), c.classes.size()) << c.what;
    }
}

TEST(ClassRegistry, NumbersClassesByIdAndFindsThemByNameAndId) {
    const ClassDescriptor root{u"Root", nullptr, nullptr};
    const ClassDescriptor collidesA{u"Ab", &root, nullptr};
    const ClassDescriptor collidesB{u"BA", &root, nullptr};
    const ClassDescriptor late{u"Late", &root, nullptr};
    ClassRegistry registry;
    registry.registerClass(collidesB);
    registry.registerClass(root);
    registry.registerClass(collidesA);
    EXPECT_EQ(registry.findByName(u"Root"), nullptr) << "nothing is found before the table is built";

    registry.buildTable();
    EXPECT_EQ(registry.findByName(u"Ab"), &collidesA) << "a shared id still tells the names apart";
    EXPECT_EQ(registry.findByName(u"BA"), &collidesB);
    EXPECT_EQ(registry.findByName(u"Root"), &root);
    EXPECT_EQ(registry.findByName(u"root"), nullptr);
    EXPECT_EQ(registry.findById(classIdOf(u"Root")), &root);
    EXPECT_EQ(registry.findById(classIdOf(u"Missing")), nullptr);
    EXPECT_EQ(registry.getNumber(late), -1);

    registry.registerClass(late);
    registry.buildTable();
    std::vector<std::pair<uint32_t, int>> numbered;
    for (const ClassDescriptor* d : {&root, &collidesA, &collidesB, &late})
        numbered.emplace_back(d->id, registry.getNumber(*d));
    std::sort(numbered.begin(), numbered.end());
    for (std::size_t i = 0; i < numbered.size(); ++i)
        EXPECT_EQ(numbered[i].second, static_cast<int>(i));
}

TEST(ClassRegistry, DeclaredClassesFormASoundTableAndAreMadeByName) {
    ClassRegistry registry;
    registry.registerDeclaredClasses();
    registry.buildTable();
    EXPECT_FALSE(registry.bBadClasses);
    EXPECT_EQ(registry.findByName(u"VekBase"), &VekBase::DESCRIPTOR);
    EXPECT_EQ(TestShip::DESCRIPTOR.pParent, &VekBase::DESCRIPTOR);

    const std::unique_ptr<VekBase> ship = registry.create(u"TestShip");
    ASSERT_NE(ship, nullptr);
    EXPECT_EQ(&ship->getClass(), &TestShip::DESCRIPTOR);
    EXPECT_NE(dynamic_cast<TestShip*>(ship.get()), nullptr);
    EXPECT_NE(registry.create(u"VekBase"), nullptr);
    EXPECT_EQ(registry.create(u"TestDock"), nullptr) << "registered without a creator";
    EXPECT_EQ(registry.create(u"TestScout"), nullptr) << "never registered";
    EXPECT_EQ(registry.create(u""), nullptr);

    TestScout scout;
    TestDock dock;
    EXPECT_EQ(scout.getClass().name, u"TestShip");
    EXPECT_EQ(dock.getClass().name, u"TestDock");
}
