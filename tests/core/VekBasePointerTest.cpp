#include "core/VekBasePointer.h"
#include <gtest/gtest.h>
#include <memory>
#include <vector>
#include "core/VekBase.h"

TEST(VekBasePointer, ReadsNullOnceItsTargetIsDeletedButNotWhenItIsOnlyMarkedDead) {
    VekBase root;
    auto* parent = new VekBase;
    auto* kid = new VekBase;
    auto* dying = new VekBase;
    root.addChild(parent);
    parent->addChild(kid);
    root.addChild(dying);
    VekBasePointer toParent(parent), copy = toParent, toKid(kid), toDying, assigned;
    toDying = dying;
    EXPECT_EQ(copy.get(), parent);
    EXPECT_TRUE(static_cast<bool>(toDying));

    dying->markDead();
    EXPECT_EQ(toDying.get(), dying) << "a dead mark alone does not null the pointer";
    root.tick(0.0, 0.1);
    EXPECT_FALSE(static_cast<bool>(toDying));
    parent->destroy();  // a whole subtree
    EXPECT_EQ(toParent.get(), nullptr);
    EXPECT_EQ(copy.get(), nullptr);
    EXPECT_EQ(toKid.get(), nullptr);
    assigned = copy;  // copying a null pointer stays null
    EXPECT_EQ(assigned.get(), nullptr);
}

TEST(VekBasePointer, PointersDyingFirstAndRetargetingLeaveNoTrace) {
    // Many pointers aimed at two objects, released in a mixed order; ASan catches any link
    // left behind.
    auto first = std::make_unique<VekBase>();
    auto second = std::make_unique<VekBase>();
    std::vector<std::unique_ptr<VekBasePointer>> pointers;
    for (int i = 0; i < 8; ++i)
        pointers.push_back(std::make_unique<VekBasePointer>(i % 2 ? first.get() : second.get()));
    pointers[3].reset();
    pointers[0].reset();
    *pointers[1] = second.get();
    *pointers[2] = *pointers[2]; // self-assignment keeps the target
    EXPECT_EQ(pointers[2]->get(), second.get());
    *pointers[5] = nullptr;
    pointers[7].reset();
    first.reset();
    EXPECT_EQ(pointers[5]->get(), nullptr);
    EXPECT_EQ(pointers[1]->get(), second.get());
    second.reset();
    for (const auto& p : pointers) {
        if (p) {
            EXPECT_EQ(p->get(), nullptr);
        }
    }
}
