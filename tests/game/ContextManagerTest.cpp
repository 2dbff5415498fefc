#include "game/ContextManager.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "GameTestSupport.h"
#include "game/GameInput.h"
#include "game/Loader.h"
#include "media/Texture.h"
#include "media/VekInput.h"
#include "platform/ScriptedInput.h"

namespace {

using Events = std::vector<std::string>;

/// A screen that writes down what the stack does to it.
class RecordingContext : public Context {
  public:
    RecordingContext(std::string contextName, Events& events)
        : name(std::move(contextName)), events(events) {}
    ~RecordingContext() override { events.push_back(name + " deleted"); }
    void onActivate(bool first) override {
        events.push_back(name + (first ? " activated first" : " activated"));
    }
    void onDeactivate(bool removed) override {
        events.push_back(name + (removed ? " removed" : " deactivated"));
    }
    void tickContents(double t, double dt) override {
        events.push_back(name + " ticked");
        Context::tickContents(t, dt);
    }

  private:
    std::string name;
    Events& events;
};

/// The game root and the pointer texture that the stack needs, without loading anything.
struct StackFixture {
    GameTestEngine engine;
    std::unique_ptr<GameGlobal> game;
    std::unique_ptr<ContextManager> stack;
    Events events;
    std::unique_ptr<VekInput> input;
    platform::ScriptedInput* pScript = nullptr;

    StackFixture() {
        game = std::make_unique<GameGlobal>(std::make_unique<TestMenuScreens>(), engine.mainArchive);
        game->loaderResources = new VekBase();
        MemoryImageFile image(4, 4);
        Loader::registerTexture(new Texture(*engine.graphics.graphics, image, {}, 0), u"mousePointer");
        stack = std::make_unique<ContextManager>();
        auto script = std::make_unique<platform::ScriptedInput>();
        pScript = script.get();
        input = std::make_unique<VekInput>(std::move(script));
        GameInput::replace(input.get(), nullptr);
    }
    ~StackFixture() {
        GameInput::replace(nullptr, nullptr);
        stack.reset();
        game.reset();
    }

    RecordingContext* add(const std::string& name) {
        auto* context = new RecordingContext(name, events);
        stack->addContext(context);
        return context;
    }
    /// One tick; the events it caused.
    Events tick() {
        events.clear();
        stack->tickContext(1.0, 1.0 / 30.0);
        return events;
    }
    void pressKey(int code) {
        pScript->next.keys[static_cast<std::size_t>(code)] = true;
        input->poll();
    }
    void releaseKeys() {
        pScript->next.keys = {};
        input->poll();
    }
};

} // namespace

TEST(ContextManager, ActivatesTheTopOnTheNextTickTicksOnlyItAndRemovesClosedTopsDeletingOnlyThoseThatAsk) {
    StackFixture f;
    RecordingContext* a = f.add("A");
    EXPECT_EQ(f.tick(), (Events{"A activated first", "A ticked"}));
    RecordingContext* b = f.add("B");
    EXPECT_EQ(f.tick(), (Events{"A deactivated", "B activated first", "B ticked"}));
    EXPECT_EQ(f.stack->getTopContext()->getPrev(), a);
    b->closed = true;
    b->deleteWhenClosed = true;
    EXPECT_EQ(f.tick(), (Events{"B removed", "B deleted", "A activated", "A ticked"}));
    a->closed = true;
    EXPECT_EQ(f.tick(), (Events{"A removed"}));
    EXPECT_TRUE(f.stack->quitRequested);
    delete a;  // not flagged for deletion: the maker keeps it
}

TEST(ContextManager, AClosedContextUnderAnOpenOneWaitsUntilItIsTheTop) {
    StackFixture f;
    RecordingContext* bottom = f.add("A");
    bottom->closed = true;
    bottom->deleteWhenClosed = true;
    RecordingContext* top = f.add("B");
    bottom->closed = true; // addContext clears the flag; close it again while B covers it
    EXPECT_EQ(f.tick(), (Events{"B activated first", "B ticked"}));
    top->closed = true;
    top->deleteWhenClosed = true;
    EXPECT_EQ(f.tick(), (Events{"B removed", "B deleted", "A removed", "A deleted"}));
    EXPECT_TRUE(f.stack->quitRequested);
}

TEST(ContextManager, EscapeClosesTheTopOnlyWhenItAllowsItAndOnlyOnThePress) {
    constexpr int ESCAPE = 1;
    StackFixture f;
    RecordingContext* a = f.add("A");
    a->deleteWhenClosed = true;
    RecordingContext* b = f.add("B");
    b->closeOnEscape = false;
    f.tick();
    f.pressKey(ESCAPE);
    f.tick();
    EXPECT_FALSE(b->closed);
    b->closed = true;
    b->deleteWhenClosed = true;
    f.pressKey(ESCAPE); // still held: not a new press
    f.tick();
    EXPECT_FALSE(a->closed);
    f.releaseKeys();
    f.pressKey(ESCAPE);
    f.tick();
    EXPECT_TRUE(a->closed);
}

TEST(ContextManager, AFireControlClosesATopThatAsksForIt) {
    StackFixture f;
    RecordingContext* a = f.add("A");
    a->deleteWhenClosed = true;
    a->closeOnFire = true;
    f.tick();
    EXPECT_FALSE(a->closed);
    f.pressKey(f.game->configuration.keyboardBindings[4][1]); // player 2's fire key
    f.tick();
    EXPECT_TRUE(a->closed);
}

