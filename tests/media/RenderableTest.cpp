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

TEST(Quad, NineAnchorsPutThatPointOnTheOrigin) {
    const struct {
        int code;
        Rect want;  // left, top, right, bottom (y up)
    } cases[] = {
        {Quad::BOTTOM_LEFT, {0, 20, 40, 0}},    {Quad::BOTTOM_CENTRE, {-20, 20, 20, 0}},
        {Quad::BOTTOM_RIGHT, {-40, 20, 0, 0}},  {Quad::LEFT_EDGE, {0, 10, 40, -10}},
        {Quad::CENTRE, {-20, 10, 20, -10}},     {Quad::RIGHT_EDGE, {-40, 10, 0, -10}},
        {Quad::TOP_LEFT, {0, 0, 40, -20}},      {Quad::TOP_CENTRE, {-20, 0, 20, -20}},
        {Quad::TOP_RIGHT, {-40, 0, 0, -20}},
    };
    for (const auto& c : cases) {
        Quad quad;
        quad.setSize(40, 20);
        quad.setAnchor(c.code);
        const Rect r = quad.getLocalRect();
        SCOPED_TRACE(c.code);
        EXPECT_FLOAT_EQ(r.left, c.want.left);
        EXPECT_FLOAT_EQ(r.top, c.want.top);
        EXPECT_FLOAT_EQ(r.right, c.want.right);
        EXPECT_FLOAT_EQ(r.bottom, c.want.bottom);
    }
}

TEST(Quad, OriginAdjustmentIsSubtractedFromTheVertices) {
    Quad quad;
    quad.setSize(64, 48);
    quad.origin = {-32, 24, 0};  // moves a centred frame so that its top-left corner is the origin
    const Rect r = quad.getLocalRect();
    EXPECT_FLOAT_EQ(r.left, 0);
    EXPECT_FLOAT_EQ(r.right, 64);
    EXPECT_FLOAT_EQ(r.top, 0);
    EXPECT_FLOAT_EQ(r.bottom, -48);
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

TEST(Renderable, NoSkinBoundsOffOrFlatScaleIsNeverHit) {
    Renderable bare;
    EXPECT_FALSE(bare.isPointInside({0, 0, 0}));
    std::unique_ptr<Renderable> off(makeQuadRenderable(10, 10));
    off->bBoundsOff = true;
    off->updateTransform();
    EXPECT_FALSE(off->isPointInside({0, 0, 0}));
    Vector3 centre;
    float radius = 0;
    EXPECT_FALSE(off->getBounds(centre, radius));
    std::unique_ptr<Renderable> flat(makeQuadRenderable(10, 10));
    flat->setTransform({0, 0, 0}, 0, {0, 1, 1});
    EXPECT_FALSE(flat->isPointInside({0, 0, 0}));
}

TEST(Renderable, BoundingCirclesCollideOnlyWhenOverlapping) {
    std::unique_ptr<Renderable> a(makeQuadRenderable(6, 8));  // radius 5
    std::unique_ptr<Renderable> b(makeQuadRenderable(6, 8));
    a->updateTransform();
    Vector3 centre;
    float radius = 0;
    ASSERT_TRUE(a->getBounds(centre, radius));
    EXPECT_FLOAT_EQ(radius, 5);
    const struct {
        float x;
        bool hit;
    } cases[] = {{9.9f, true}, {10.f, false}, {12.f, false}};  // touching circles do not collide
    for (const auto& c : cases) {
        b->setTransform({c.x, 0, 0}, 0, {1, 1, 1});
        EXPECT_EQ(a->collides(*b), c.hit) << c.x;
    }
    b->bBoundsOff = true;
    b->setTransform({0, 0, 0}, 0, {1, 1, 1});
    EXPECT_FALSE(a->collides(*b));
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
