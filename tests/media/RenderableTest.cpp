#include <gtest/gtest.h>
#include <numbers>
#include "core/Rect.h"
#include "media/Quad.h"
#include "TempDataHome.h"
#include "core/LiveObjectList.h"
#include "media/Renderable.h"
#include <memory>

namespace {

constexpr float PI = std::numbers::pi_v<float>;

Renderable* makeQuadRenderable(float width, float height, int anchor = Quad::CENTRE) {
    auto* quad = new Quad;
    quad->setSize(width, height);
    quad->setAnchor(anchor);
    auto* renderable = new Renderable;
    renderable->setSkin(quad, true);
    return renderable;
}

}  // namespace

TEST(Quad, NineAnchorsPutThatPointOnTheOriginAndTheOriginAdjustmentIsSubtracted) {
    const std::pair<int, Rect> cases[] = {  // left, top, right, bottom (y up)
        {Quad::BOTTOM_LEFT, {0, 20, 40, 0}},   {Quad::BOTTOM_CENTRE, {-20, 20, 20, 0}}, {Quad::BOTTOM_RIGHT, {-40, 20, 0, 0}},
        {Quad::LEFT_EDGE, {0, 10, 40, -10}},   {Quad::CENTRE, {-20, 10, 20, -10}},     {Quad::RIGHT_EDGE, {-40, 10, 0, -10}},
        {Quad::TOP_LEFT, {0, 0, 40, -20}},     {Quad::TOP_CENTRE, {-20, 0, 20, -20}},  {Quad::TOP_RIGHT, {-40, 0, 0, -20}},
        {0, {0, 0, 40, -20}},  // a centred frame whose origin is moved to its top-left corner
    };
    for (const auto& [anchor, want] : cases) {
        Quad quad;
        quad.setSize(40, 20);
        if (anchor) quad.setAnchor(anchor);
        else quad.origin = {-20, 10, 0};
        const Rect r = quad.getLocalRect();
        EXPECT_TRUE(r.left == want.left && r.top == want.top && r.right == want.right && r.bottom == want.bottom)
            << anchor << ": " << r.left << " " << r.top << " " << r.right << " " << r.bottom;
    }
}

TEST(Quad, AnchorOutsideOneToNineIsACallerError) {
    TempDataHome home;  // the fatal path writes its crash files there
    Quad quad;
    EXPECT_DEATH(quad.setAnchor(0), "");
    EXPECT_DEATH(quad.setAnchor(10), "");
}

TEST(Renderable, PointInsideFollowsRotationScaleAndParent) {
    VekBase root;
    Renderable* box = makeQuadRenderable(100, 20);
    root.addChild(box);
    box->setTransform({50, 50, 0}, PI / 2, {1, 1, 1});  // now 20 wide and 100 tall
    const struct {
        Vector3 point;
        bool inside;
    } rotated[] = {
        {{50, 50, 0}, true},   {{50, 99, 0}, true},    {{50, 101, 0}, false},
        {{59, 50, 0}, true},   {{61, 50, 0}, false},   {{99, 50, 0}, false},  // where it reached before turning
    };
    for (const auto& c : rotated) EXPECT_EQ(box->isPointInside(c.point), c.inside) << c.point.x << "," << c.point.y;

    Renderable* child = makeQuadRenderable(10, 10);
    box->addChild(child);
    child->setTransform({30, 0, 0}, 0, {2, 2, 1});  // along the parent's turned x axis: up
    child->updateTransform();
    EXPECT_TRUE(child->isPointInside({50, 80, 0}));
    EXPECT_TRUE(child->isPointInside({59, 89, 0}));
    EXPECT_FALSE(child->isPointInside({80, 50, 0}));
    const Vector3 corner = child->local2world({5, 5, 0});
    EXPECT_NEAR(corner.x, 40, 1e-4);
    EXPECT_NEAR(corner.y, 90, 1e-4);
}

TEST(Renderable, BoundingCirclesCollideOnlyWhenOverlappingAndNothingWithoutBoundsIsHit) {
    std::unique_ptr<Renderable> a(makeQuadRenderable(6, 8));  // radius 5
    std::unique_ptr<Renderable> b(makeQuadRenderable(6, 8));
    a->updateTransform();
    Vector3 centre;
    float radius = 0;
    ASSERT_TRUE(a->getBounds(centre, radius));
    EXPECT_FLOAT_EQ(radius, 5);
    for (const auto& [x, hit] : {std::pair{9.9f, true}, {10.f, false}, {12.f, false}}) {  // touching is no hit
        b->setTransform({x, 0, 0}, 0, {1, 1, 1});
        EXPECT_EQ(a->collides(*b), hit) << x;
    }
    b->bBoundsOff = true;
    b->setTransform({0, 0, 0}, 0, {1, 1, 1});
    EXPECT_FALSE(a->collides(*b));
    EXPECT_FALSE(b->isPointInside({0, 0, 0}));
    EXPECT_FALSE(b->getBounds(centre, radius));
    EXPECT_FALSE(Renderable().isPointInside({0, 0, 0}));  // no skin
    a->setTransform({0, 0, 0}, 0, {0, 1, 1});
    EXPECT_FALSE(a->isPointInside({0, 0, 0}));  // flat
}

TEST(Renderable, OwnedSkinIsDeletedWithItAndOnReplacement) {
    LiveObjectList live;  // skins are engine objects: the list counts them
    Quad borrowed;
    auto* renderable = new Renderable;
    renderable->setSkin(new Quad, true);
    EXPECT_EQ(live.size(), 3u);
    renderable->setSkin(new Quad, true);
    EXPECT_EQ(live.size(), 3u);
    renderable->setSkin(&borrowed);
    EXPECT_EQ(live.size(), 2u);
    renderable->destroy();
    EXPECT_EQ(live.size(), 1u);
    EXPECT_TRUE(live.contains(borrowed));
}
