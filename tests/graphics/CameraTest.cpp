// The camera's arithmetic: the dead zone, the clamping to the map and the
// layer offsets. No window is needed.
#include "game/render/GraphicsContext.h"

#include <gtest/gtest.h>

namespace {

const sf::Vector2u Window(1024, 768);
const sf::Vector2f View(1024, 768);
const sf::Vector2f BigMap(4000, 3000);

}  // namespace

TEST(Camera, FollowsTheTargetOnlyOutsideTheDeadZone)
{
    // With the view's corner at (1000, 1000) the zone spans x 1462..1562 and
    // y 1284..1484.
    struct Case {
        sf::Vector2f target;
        sf::Vector2f expected;
    };
    const Case cases[] = {
        {{1500, 1300}, {1000, 1000}},  // inside: unchanged
        {{1562, 1484}, {1000, 1000}},  // on the edges: unchanged
        {{1563, 1300}, {1001, 1000}},  // one pixel right of the zone
        {{1461, 1300}, {999, 1000}},   // one pixel left of it
        {{1500, 1485}, {1000, 1001}},  // one pixel below
        {{1500, 1283}, {1000, 999}},   // one pixel above
    };
    for (const Case& c : cases) {
        const sf::Vector2f camera = GraphicsContext::FollowTarget(sf::Vector2f(1000, 1000), c.target,
                                                                  sf::Vector2f(1000, 1000), View, Window, BigMap);
        EXPECT_FLOAT_EQ(camera.x, c.expected.x) << c.target.x << "," << c.target.y;
        EXPECT_FLOAT_EQ(camera.y, c.expected.y) << c.target.x << "," << c.target.y;
    }
}

TEST(Camera, StaysOnTheMapAndShowsASmallMapAtTheBottomRight)
{
    const sf::Vector2f origin(0, 0);
    // Near the top-left corner the camera does not go below 0.
    sf::Vector2f camera = GraphicsContext::FollowTarget(origin, sf::Vector2f(10, 10), origin, View, Window, BigMap);
    EXPECT_EQ(camera, origin);
    // At the far corner it stops at map size minus view size.
    camera = GraphicsContext::FollowTarget(sf::Vector2f(2976, 2232), sf::Vector2f(3990, 2990),
                                           sf::Vector2f(2976, 2232), View, Window, BigMap);
    EXPECT_EQ(camera, sf::Vector2f(2976, 2232));
    // A map smaller than the view: the upper bound wins and goes negative.
    camera = GraphicsContext::FollowTarget(origin, sf::Vector2f(250, 200), origin, View, Window,
                                           sf::Vector2f(500, 400));
    EXPECT_EQ(camera, sf::Vector2f(-524, -368));
}

TEST(Camera, LayerOffsetsScrollByWholePixelsOfTheRoundedCamera)
{
    const auto offsets = GraphicsContext::LayerOffsetsFor(sf::Vector2f(10.4f, -7.6f));
    EXPECT_FLOAT_EQ(offsets[2].x, 10);
    EXPECT_FLOAT_EQ(offsets[2].y, -8);
    EXPECT_FLOAT_EQ(offsets[1].x, 5);
    EXPECT_FLOAT_EQ(offsets[1].y, -4);
    EXPECT_EQ(GraphicsContext::SnapOffset(offsets[0]), sf::Vector2f(3, -2));  // 3, -2.4
    EXPECT_EQ(offsets[3], sf::Vector2f(0, 0));
    EXPECT_EQ(GraphicsContext::SnapOffset(sf::Vector2f(2.5f, -2.5f)), sf::Vector2f(3, -2));
    EXPECT_EQ(GraphicsContext::Round(-0.5f), 0);
    EXPECT_EQ(GraphicsContext::Round(1.49f), 1);
}
