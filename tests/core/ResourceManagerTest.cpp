#include "core/ResourceManager.h"
#include <gtest/gtest.h>
#include <memory>
#include "FileTestSupport.h"

namespace {

struct TestTexture : Resource {};
struct TestSound : Resource {};

}  // namespace

TEST(ResourceManager, FindsRegisteredResourcesByExactName) {
    ResourceManager resources;
    TestTexture texture;
    TestSound sound;
    resources.addResource(u"hud", &texture);
    resources.addResource(u"hud:0", &texture);
    resources.addResource(u"wav_click", &sound);
    EXPECT_EQ(resources.find(u"hud"), &texture);
    EXPECT_EQ(resources.find<TestTexture>(u"hud:0"), &texture);
    EXPECT_EQ(resources.find<TestSound>(u"wav_click"), &sound);
    EXPECT_EQ(resources.find(u"HUD", false), nullptr);
    EXPECT_EQ(resources.find<TestTexture>(u"missing", false), nullptr);
}

TEST(ResourceManager, ADeletedResourceLeavesNoName) {
    ResourceManager resources;
    TestSound kept;
    resources.addResource(u"kept", &kept);
    {
        auto texture = std::make_unique<TestTexture>();
        resources.addResource(u"tex", texture.get());
        resources.addResource(u"tex:0", texture.get());
        EXPECT_EQ(resources.size(), 3u);
    }
    EXPECT_EQ(resources.size(), 1u);
    EXPECT_EQ(resources.find(u"tex:0", false), nullptr);
    EXPECT_EQ(resources.find(u"kept"), &kept);
}

TEST(ResourceManager, ResourcesMayOutliveTheManager) {
    TestTexture texture;
    {
        ResourceManager resources;
        resources.addResource(u"tex", &texture);
    }
    ResourceManager next;  // a restarted engine registers it anew
    next.addResource(u"tex", &texture);
    EXPECT_EQ(next.find(u"tex"), &texture);
}

TEST(ResourceManagerDeathTest, MissingAndDuplicateNamesAreFatal) {
    ResourceManager resources;
    TestTexture texture;
    resources.addResource(u"bmp_ship", &texture);
    EXPECT_EXIT(
        resources.find(u"bmp_shop"), testing::ExitedWithCode(1),
        literalPattern("Error: Could not find resource 'bmp_shop'.\n Function: ResourceManager::find()"));
    TestTexture other;
    EXPECT_EXIT(resources.addResource(u"bmp_ship", &other), testing::ExitedWithCode(1),
                literalPattern("Error: Assertion failed.\n Statement: map.find(key) == map.end()\n"
                               " Function: ResourceManager::addResource()"));
    EXPECT_EXIT(resources.find<TestSound>(u"bmp_ship"), testing::ExitedWithCode(1), "Assertion failed");
}
