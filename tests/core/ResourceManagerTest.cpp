#include "core/ResourceManager.h"
#include <gtest/gtest.h>
#include <memory>
#include "FileTestSupport.h"

namespace {

struct TestTexture : Resource {};
struct TestSound : Resource {};

}  // namespace

TEST(ResourceManager, FindsResourcesByExactNameUntilTheyAreDeleted) {
    TestTexture kept;
    TestSound sound;
    auto resources = std::make_unique<ResourceManager>();
    resources->addResource(u"hud", &kept);
    resources->addResource(u"hud:0", &kept);
    resources->addResource(u"wav_click", &sound);
    {
        auto texture = std::make_unique<TestTexture>();
        resources->addResource(u"tex", texture.get());
        resources->addResource(u"tex:0", texture.get());
        EXPECT_EQ(resources->size(), 5u);
    }
    EXPECT_EQ(resources->size(), 3u);  // a deleted resource leaves no name
    EXPECT_EQ(resources->find(u"tex:0", false), nullptr);
    EXPECT_EQ(resources->find(u"hud"), &kept);
    EXPECT_EQ(resources->find<TestTexture>(u"hud:0"), &kept);
    EXPECT_EQ(resources->find<TestSound>(u"wav_click"), &sound);
    EXPECT_EQ(resources->find(u"HUD", false), nullptr);
    EXPECT_EQ(resources->find<TestTexture>(u"missing", false), nullptr);
    resources = std::make_unique<ResourceManager>();  // resources outlive it; a restarted engine adds them anew
    resources->addResource(u"hud", &kept);
    EXPECT_EQ(resources->find(u"hud"), &kept);
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
