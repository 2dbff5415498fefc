#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>
#include "core/ChildIterator.h"
#include "core/VekBase.h"

namespace {

using Events = std::vector<std::string>;

/// A named object that writes its ticks, renders and its deletion into a shared log.
class Probe : public VekBase {
  public:
    Probe(std::string probeName, Events& eventLog) : name(std::move(probeName)), events(eventLog) {}
    ~Probe() override { events.push_back("~" + name); }

    void tick(double t, double dt) override {
        events.push_back("tick " + name);
        if (onTick) onTick(*this);
        VekBase::tick(t, dt);
    }
    void render() override {
        events.push_back("render " + name);
        VekBase::render();
    }

    std::string name;
    Events& events;
    std::function<void(Probe&)> onTick;
};

Probe* addProbe(VekBase& owner, const std::string& name, Events& events) {
    auto* probe = new Probe(name, events);
    owner.addChild(probe);
    return probe;
}

std::vector<std::string> childNames(VekBase& owner) {
    std::vector<std::string> names;
    for (VekBase* c = owner.getChildren().getHead(); c; c = c->getNext())
        names.push_back(static_cast<Probe*>(c)->name);
    return names;
}

/// Checks every link of the list both ways.
void expectConsistent(VekBase& owner) {
    const ChildList& list = owner.getChildren();
    VekBase* prev = nullptr;
    for (VekBase* c = list.getHead(); c; c = c->getNext()) {
        EXPECT_EQ(c->getPrev(), prev);
        EXPECT_EQ(c->getOwner(), &owner);
        prev = c;
    }
    EXPECT_EQ(list.getTail(), prev);
}

std::vector<std::string> walk(VekBase& owner, bool bDestroy) {
    std::vector<std::string> names;
    ChildIterator it(owner, bDestroy);
    while (VekBase* c = it.next())
        names.push_back(static_cast<Probe*>(c)->name);
    return names;
}

using Names = std::vector<std::string>;

} // namespace

TEST(ObjectTree, AddFirstLastAndRemoveKeepLinksConsistent) {
    Events events;
    VekBase root;
    Probe* b = addProbe(root, "b", events);
    addProbe(root, "c", events);
    root.addChildFirst(new Probe("a", events));
    EXPECT_EQ(childNames(root), (Names{"a", "b", "c"}));
    expectConsistent(root);

    root.removeChild(b);
    EXPECT_EQ(childNames(root), (Names{"a", "c"}));
    EXPECT_EQ(b->getOwner(), nullptr);
    EXPECT_EQ(b->getPrev(), nullptr);
    EXPECT_EQ(b->getNext(), nullptr);
    expectConsistent(root);
    EXPECT_TRUE(events.empty()) << "removing does not delete";

    VekBase other;
    root.removeChild(b); // not a child any more: nothing happens
    other.removeChild(root.getChildren().getHead());
    EXPECT_EQ(childNames(root), (Names{"a", "c"}));
    delete b;
}

TEST(ObjectTree, AddingAChildOfAnotherObjectMovesIt) {
    Events events;
    VekBase first, second;
    Probe* a = addProbe(first, "a", events);
    addProbe(first, "b", events);
    second.addChild(a);
    EXPECT_EQ(childNames(first), (Names{"b"}));
    EXPECT_EQ(childNames(second), (Names{"a"}));
    EXPECT_EQ(a->getOwner(), &second);
    first.addChild(first.getChildren().getHead()); // re-adding moves to the tail
    addProbe(first, "c", events);
    first.addChild(first.getChildren().getHead());
    EXPECT_EQ(childNames(first), (Names{"c", "b"}));
    expectConsistent(first);
    expectConsistent(second);
}

TEST(ObjectTree, DeletingAnObjectDeletesItsSubtreeAndLeavesItsOwner) {
    Events events;
    VekBase root;
    Probe* parent = addProbe(root, "parent", events);
    addProbe(*parent, "kid1", events);
    Probe* kid2 = addProbe(*parent, "kid2", events);
    addProbe(*kid2, "grandkid", events);
    addProbe(root, "sibling", events);

    parent->destroy();
    EXPECT_EQ(events, (Events{"~parent", "~kid1", "~kid2", "~grandkid"}));
    EXPECT_EQ(childNames(root), (Names{"sibling"}));
    expectConsistent(root);
}

TEST(ObjectTree, TickRunsOwnStateThenChildrenInOrderAndRenderFollowsTheList) {
    Events events;
    Probe root("root", events);
    Probe* a = addProbe(root, "a", events);
    addProbe(*a, "a1", events);
    addProbe(root, "b", events);
    root.addChildFirst(new Probe("first", events));
    root.setState(7, 0.5);

    root.tick(0.0, 0.5);
    EXPECT_EQ(root.getState(), 7);
    EXPECT_EQ(events, (Events{"tick root", "tick first", "tick a", "tick a1", "tick b"}));
    events.clear();
    root.render();
    EXPECT_EQ(events, (Events{"render root", "render first", "render a", "render a1", "render b"}));
}

TEST(ObjectTree, TickDeletesDeadChildrenAndRenderSkipsThem) {
    Events events;
    VekBase root;
    addProbe(root, "a", events);
    Probe* b = addProbe(root, "b", events);
    addProbe(root, "c", events);
    b->markDead();
    root.render();
    EXPECT_EQ(events, (Events{"render a", "render c"}));
    EXPECT_EQ(root.getChildren().count(), 3u) << "rendering deletes nothing";
    events.clear();
    root.tick(0.0, 0.1);
    EXPECT_EQ(events, (Events{"tick a", "~b", "tick c"}));
    EXPECT_EQ(childNames(root), (Names{"a", "c"}));
}

TEST(ObjectTree, ChildrenMarkedDeadDuringTheirTickGoOnTheNextPass) {
    Events events;
    VekBase root;
    Probe* a = addProbe(root, "a", events);
    addProbe(root, "b", events);
    a->onTick = [](Probe& self) { self.markDead(); };
    root.tick(0.0, 0.1);
    EXPECT_EQ(events, (Events{"tick a", "~a", "tick b"})) << "the iterator deletes its dead current child";
    EXPECT_EQ(childNames(root), (Names{"b"}));
}

TEST(ChildIterator, SkipsDeadAndDestroysOnlyWhenAsked) {
    struct Case {
        std::vector<bool> dead;
        Names walked; // also what is left after a destroying walk
    };
    const Case cases[] = {
        {{false, false, false}, {"0", "1", "2"}},
        {{true, false, false}, {"1", "2"}},
        {{false, true, false}, {"0", "2"}},
        {{false, false, true}, {"0", "1"}},
        {{true, true, true}, {}},
        {{true, false, true}, {"1"}},
        {{}, {}},
    };
    for (const bool bDestroy : {false, true}) {
        for (const auto& c : cases) {
            Events events;
            VekBase root;
            for (std::size_t i = 0; i < c.dead.size(); ++i) {
                Probe* p = addProbe(root, std::to_string(i), events);
                if (c.dead[i]) p->markDead();
            }
            EXPECT_EQ(walk(root, bDestroy), c.walked);
            if (bDestroy) {
                EXPECT_EQ(childNames(root), c.walked);
            } else {
                EXPECT_EQ(childNames(root).size(), c.dead.size());
            }
            expectConsistent(root);
        }
    }
}

TEST(ChildIterator, StaysValidWhateverTheLoopBodyDoes) {
    // Each action runs on the child "1" of the children 0..4; the walk must go on safely.
    struct Case {
        const char* what;
        std::function<void(VekBase& root, VekBase& current)> action;
        Names walked;
        Names left;
    };
    const auto nth = [](VekBase& root, int n) {
        VekBase* c = root.getChildren().getHead();
        while (n-- > 0)
            c = c->getNext();
        return c;
    };
    const Case cases[] = {
        {"mark dead",
         [](VekBase&, VekBase& cur) { cur.markDead(); },
         {"0", "1", "2", "3", "4"},
         {"0", "2", "3", "4"}},
        {"destroy current",
         [](VekBase&, VekBase& cur) { cur.destroy(); },
         {"0", "1", "2", "3", "4"},
         {"0", "2", "3", "4"}},
        {"destroy next",
         [](VekBase&, VekBase& cur) { cur.getNext()->destroy(); },
         {"0", "1", "3", "4"},
         {"0", "1", "3", "4"}},
        {"destroy current and next",
         [](VekBase&, VekBase& cur) {
             cur.getNext()->destroy();
             cur.destroy();
         },
         {"0", "1", "3", "4"},
         {"0", "3", "4"}},
        {"remove current",
         [](VekBase& root, VekBase& cur) {
             root.removeChild(&cur);
             delete &cur;
         },
         {"0", "1", "2", "3", "4"},
         {"0", "2", "3", "4"}},
        {"move current to the tail",
         [](VekBase& root, VekBase& cur) { root.addChild(&cur); },
         {"0", "1", "2", "3", "4", "1"},
         {"0", "2", "3", "4", "1"}},
        {"mark the rest dead",
         [&](VekBase& root, VekBase&) {
             for (int i = 2; i < 5; ++i)
                 nth(root, i)->markDead();
         },
         {"0", "1"},
         {"0", "1"}},
        {"clear the list", [](VekBase& root, VekBase&) { root.getChildren().deleteAll(); }, {"0", "1"}, {}},
    };
    for (const auto& c : cases) {
        Events events;
        VekBase root;
        for (int i = 0; i < 5; ++i)
            addProbe(root, std::to_string(i), events);
        Names walked;
        bool bActed = false;
        ChildIterator it(root, true);
        while (VekBase* child = it.next()) {
            walked.push_back(static_cast<Probe*>(child)->name);
            if (!bActed && walked.back() == "1") {
                bActed = true;
                c.action(root, *child);
            }
        }
        EXPECT_EQ(walked, c.walked) << c.what;
        EXPECT_EQ(childNames(root), c.left) << c.what;
        expectConsistent(root);
    }
}

TEST(ChildIterator, SurvivesTheDeletionOfTheListOwner) {
    Events events;
    auto* owner = new Probe("owner", events);
    addProbe(*owner, "a", events);
    addProbe(*owner, "b", events);
    ChildIterator it(*owner, true);
    ASSERT_NE(it.next(), nullptr);
    owner->destroy();
    EXPECT_EQ(it.next(), nullptr);
    EXPECT_EQ(it.next(), nullptr);
}

TEST(ChildIterator, NestedWalksOfOneListBothStaySafe) {
    Events events;
    VekBase root;
    for (int i = 0; i < 4; ++i)
        addProbe(root, std::to_string(i), events);
    Names pairs;
    ChildIterator outer(root, true);
    while (VekBase* a = outer.next()) {
        ChildIterator inner(root, true);
        while (VekBase* b = inner.next()) {
            if (a == b) continue;
            pairs.push_back(static_cast<Probe*>(a)->name + static_cast<Probe*>(b)->name);
            if (static_cast<Probe*>(b)->name == "1") b->destroy(); // the outer walk holds no pointer to it
        }
    }
    EXPECT_EQ(pairs, (Names{"01", "02", "03", "20", "23", "30", "32"}));
}

TEST(ObjectTree, ASecondListOfAnObjectLinksAndOwnsLikeItsChildList) {
    Events events;
    {
        struct Panel : VekBase {
            ChildList extras; // drawn with the panel, outside its children
        } panel;
        auto* a = new Probe("a", events);
        auto* b = new Probe("b", events);
        panel.extras.append(panel, *a);
        panel.extras.append(panel, *b);
        EXPECT_EQ(a->getOwner(), &panel);
        EXPECT_TRUE(panel.getChildren().isEmpty());
        panel.removeChild(a); // not in the child list: stays where it is
        EXPECT_EQ(panel.extras.count(), 2u);
        a->destroy();
        EXPECT_EQ(panel.extras.getHead(), b);
        EXPECT_EQ(b->getPrev(), nullptr);
    }
    EXPECT_EQ(events, (Events{"~a", "~b"}));
}
