#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>
#include "core/ChildIterator.h"
#include "core/VekBase.h"

namespace {

using Names = std::vector<std::string>;

/// A named object that writes its ticks, renders and its deletion into a shared log.
class Probe : public VekBase {
public:
    Probe(std::string probeName, Names& eventLog) : name(std::move(probeName)), events(eventLog) {}
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
    Names& events;
    std::function<void(Probe&)> onTick;
};

Probe* addProbe(VekBase& owner, const std::string& name, Names& events) {
    auto* probe = new Probe(name, events);
    owner.addChild(probe);
    return probe;
}

std::string nameOf(VekBase* object) { return static_cast<Probe*>(object)->name; }

/// The children's names, after checking every link of the list both ways.
Names childNames(VekBase& owner) {
    Names names;
    VekBase* prev = nullptr;
    for (VekBase* c = owner.getChildren().getHead(); c; prev = c, c = c->getNext()) {
        EXPECT_EQ(c->getPrev(), prev);
        EXPECT_EQ(c->getOwner(), &owner);
        names.push_back(nameOf(c));
    }
    EXPECT_EQ(owner.getChildren().getTail(), prev);
    return names;
}

/// An owner with the children "0" to "n-1".
void addNumbered(VekBase& root, int n, Names& events) {
    for (int i = 0; i < n; ++i) addProbe(root, std::to_string(i), events);
}

}  // namespace

TEST(ObjectTree, AddMoveRemoveAndDeleteKeepTheLinksConsistent) {
    Names events;
    VekBase root, other;
    Probe* b = addProbe(root, "b", events);
    addProbe(root, "c", events);
    root.addChildFirst(new Probe("a", events));
    EXPECT_EQ(childNames(root), (Names{"a", "b", "c"}));

    root.removeChild(b);
    EXPECT_EQ(childNames(root), (Names{"a", "c"}));
    EXPECT_TRUE(b->getOwner() == nullptr && b->getPrev() == nullptr && b->getNext() == nullptr);
    EXPECT_TRUE(events.empty()) << "removing does not delete";
    root.removeChild(b);  // not a child any more: nothing happens
    other.removeChild(root.getChildren().getHead());
    EXPECT_EQ(childNames(root), (Names{"a", "c"}));

    other.addChild(b);
    addProbe(*b, "kid", events);
    addProbe(other, "d", events);
    other.addChild(root.getChildren().getHead());  // adding a child of another object moves it
    other.addChild(other.getChildren().getHead()); // re-adding moves it to the tail
    EXPECT_EQ(childNames(root), (Names{"c"}));
    EXPECT_EQ(childNames(other), (Names{"d", "a", "b"}));

    b->destroy();  // deletes its subtree and leaves its owner
    EXPECT_EQ(events, (Names{"~b", "~kid"}));
    EXPECT_EQ(childNames(other), (Names{"d", "a"}));
}

TEST(ObjectTree, TickRunsOwnStateThenChildrenInOrderAndDeletesTheDeadThatRenderSkips) {
    Names events;
    Probe root("root", events);
    Probe* a = addProbe(root, "a", events);
    addProbe(*a, "a1", events);
    Probe* b = addProbe(root, "b", events);
    Probe* c = addProbe(root, "c", events);
    root.addChildFirst(new Probe("first", events));
    root.setState(7, 0.5);
    root.tick(0.0, 0.5);
    EXPECT_EQ(root.getState(), 7);
    EXPECT_EQ(events, (Names{"tick root", "tick first", "tick a", "tick a1", "tick b", "tick c"}));

    events.clear();
    b->markDead();
    c->onTick = [](Probe& self) { self.markDead(); };
    root.render();
    EXPECT_EQ(events, (Names{"render root", "render first", "render a", "render a1", "render c"}));
    EXPECT_EQ(root.getChildren().count(), 4u) << "rendering deletes nothing";
    events.clear();
    root.tick(0.0, 0.1);  // the iterator deletes a child that died in its own tick at once
    EXPECT_EQ(events, (Names{"tick root", "tick first", "tick a", "tick a1", "~b", "tick c", "~c"}));
    EXPECT_EQ(childNames(root), (Names{"first", "a"}));
}

TEST(ChildIterator, SkipsDeadAndDestroysOnlyWhenAsked) {
    const std::pair<std::vector<bool>, Names> cases[] = {
        {{false, false, false}, {"0", "1", "2"}}, {{true, false, false}, {"1", "2"}},
        {{false, true, false}, {"0", "2"}},       {{false, false, true}, {"0", "1"}},
        {{true, true, true}, {}},                 {{true, false, true}, {"1"}},
        {{}, {}},
    };
    for (const bool bDestroy : {false, true}) {
        for (const auto& [dead, walked] : cases) {
            Names events, names;
            VekBase root;
            for (std::size_t i = 0; i < dead.size(); ++i) {
                Probe* probe = addProbe(root, std::to_string(i), events);
                if (dead[i]) probe->markDead();
            }
            ChildIterator it(root, bDestroy);
            while (VekBase* c = it.next()) names.push_back(nameOf(c));
            EXPECT_EQ(names, walked);
            EXPECT_EQ(childNames(root).size(), bDestroy ? walked.size() : dead.size());
        }
    }
}

TEST(ChildIterator, StaysValidWhateverTheLoopBodyDoes) {
    // Each action runs on the child "1" of the children 0..4; the walk must go on safely.
    const auto nth = [](VekBase& root, int n) {
        VekBase* c = root.getChildren().getHead();
        while (n-- > 0) c = c->getNext();
        return c;
    };
    struct Case {
        const char* what;
        std::function<void(VekBase& root, VekBase& current)> action;
        Names walked, left;
    };
    const Case cases[] = {
        {"mark dead", [](VekBase&, VekBase& cur) { cur.markDead(); }, {"0", "1", "2", "3", "4"},
         {"0", "2", "3", "4"}},
        {"destroy current", [](VekBase&, VekBase& cur) { cur.destroy(); }, {"0", "1", "2", "3", "4"},
         {"0", "2", "3", "4"}},
        {"destroy next", [](VekBase&, VekBase& cur) { cur.getNext()->destroy(); }, {"0", "1", "3", "4"},
         {"0", "1", "3", "4"}},
        {"destroy current and next",
         [](VekBase&, VekBase& cur) {
             cur.getNext()->destroy();
             cur.destroy();
         },
         {"0", "1", "3", "4"}, {"0", "3", "4"}},
        {"remove and delete current",
         [](VekBase& root, VekBase& cur) {
             root.removeChild(&cur);
             delete &cur;
         },
         {"0", "1", "2", "3", "4"}, {"0", "2", "3", "4"}},
        {"move current to the tail", [](VekBase& root, VekBase& cur) { root.addChild(&cur); },
         {"0", "1", "2", "3", "4", "1"}, {"0", "2", "3", "4", "1"}},
        {"mark the rest dead",
         [&](VekBase& root, VekBase&) {
             for (int i = 2; i < 5; ++i) nth(root, i)->markDead();
         },
         {"0", "1"}, {"0", "1"}},
        {"clear the list", [](VekBase& root, VekBase&) { root.getChildren().deleteAll(); }, {"0", "1"}, {}},
    };
    for (const auto& c : cases) {
        Names events, walked;
        VekBase root;
        addNumbered(root, 5, events);
        ChildIterator it(root, true);
        while (VekBase* child = it.next()) {
            walked.push_back(nameOf(child));
            if (walked == Names{"0", "1"}) c.action(root, *child);
        }
        EXPECT_EQ(walked, c.walked) << c.what;
        EXPECT_EQ(childNames(root), c.left) << c.what;
    }
}

TEST(ChildIterator, SurvivesItsOwnersDeletionAndNestedWalksOfOneList) {
    Names events, pairs;
    auto* owner = new Probe("owner", events);
    addNumbered(*owner, 2, events);
    ChildIterator orphaned(*owner, true);
    ASSERT_NE(orphaned.next(), nullptr);
    owner->destroy();
    EXPECT_EQ(orphaned.next(), nullptr);
    EXPECT_EQ(orphaned.next(), nullptr);

    VekBase root;
    addNumbered(root, 4, events);
    ChildIterator outer(root, true);
    while (VekBase* a = outer.next()) {
        ChildIterator inner(root, true);
        while (VekBase* b = inner.next()) {
            if (a == b) continue;
            pairs.push_back(nameOf(a) + nameOf(b));
            if (nameOf(b) == "1") b->destroy();  // the outer walk holds no pointer to it
        }
    }
    EXPECT_EQ(pairs, (Names{"01", "02", "03", "20", "23", "30", "32"}));
}

TEST(ObjectTree, ASecondListOfAnObjectLinksAndOwnsLikeItsChildList) {
    Names events;
    {
        struct Panel : VekBase {
            ChildList extras;  // drawn with the panel, outside its children
        } panel;
        auto* a = new Probe("a", events);
        auto* b = new Probe("b", events);
        panel.extras.append(panel, *a);
        panel.extras.append(panel, *b);
        EXPECT_EQ(a->getOwner(), &panel);
        EXPECT_TRUE(panel.getChildren().isEmpty());
        panel.removeChild(a);  // not in the child list: stays where it is
        EXPECT_EQ(panel.extras.count(), 2u);
        a->destroy();
        EXPECT_EQ(panel.extras.getHead(), b);
        EXPECT_EQ(b->getPrev(), nullptr);
    }
    EXPECT_EQ(events, (Names{"~a", "~b"}));
}
