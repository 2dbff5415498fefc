#include "core/LiveObjectList.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>
#include "core/VekBase.h"

TEST(LiveObjectList, TracksEveryObjectBuiltWhileActiveUntilItIsDeletedAndReleasesSurvivors) {
    VekBase before;  // built while no list is active: never tracked
    auto* live = new LiveObjectList;
    EXPECT_EQ(LiveObjectList::active(), live);
    VekBase survivor;
    {
        VekBase root;
        auto* a = new VekBase;
        auto* b = new VekBase;
        auto* c = new VekBase;
        root.addChild(a);
        a->addChild(b);
        root.addChild(c);
        EXPECT_EQ(live->size(), 5u);
        EXPECT_TRUE(live->contains(*b));
        EXPECT_FALSE(live->contains(before));
        a->destroy();  // takes b along
        EXPECT_EQ(live->size(), 3u);
        root.removeChild(c);  // unlinked, still alive: still on the list
        EXPECT_EQ(live->size(), 3u);
        delete c;
        EXPECT_EQ(live->size(), 2u);
    }
    EXPECT_EQ(live->report(), 1u);
    delete live;
    EXPECT_EQ(LiveObjectList::active(), nullptr);
    VekBase later;
    // `survivor` is deleted at the end of scope without touching the gone list (ASan).
}

TEST(LiveObjectList, WalkVisitsOldestFirstAndSurvivesDeletionsAndCreations) {
    LiveObjectList live;
    std::vector<VekBase*> objects;
    for (int i = 0; i < 5; ++i)
        objects.push_back(new VekBase);
    std::vector<int> visited; // indices into `objects`; 5 = the one made during the walk
    VekBase* created = nullptr;
    live.forEach([&](VekBase& object) {
        visited.push_back(
            &object == created
                ? 5
                : static_cast<int>(std::find(objects.begin(), objects.end(), &object) - objects.begin()));
        if (&object == objects[1]) {
            delete objects[1]; // the visited object itself
            delete objects[2]; // the next one
            objects[1] = objects[2] = nullptr;
            created = new VekBase;
        }
    });
    EXPECT_EQ(visited, (std::vector<int>{0, 1, 3, 4, 5}));
    EXPECT_EQ(live.size(), 4u);
    std::size_t walked = 0;
    live.forEach([&](VekBase&) {
        live.forEach([&](VekBase&) { ++walked; }); // nested walks count all
    });
    EXPECT_EQ(walked, 16u);
    for (VekBase* object : objects)
        delete object;
    delete created;
    EXPECT_EQ(live.size(), 0u);
}
