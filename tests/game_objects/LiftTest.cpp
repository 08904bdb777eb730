#include "game/objects/Lift.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace {

using Fraction = Lift::Fraction;

Lift MakeLift(std::int32_t kind, std::vector<LiftWaypoint> path, int x = 360, int y = 180) {
    Lift lift(kind, x, y);
    lift.waypoints = std::move(path);
    return lift;
}

// Steps until the lift leaves its first segment.
int StepsOnFirstSegment(Lift& lift, bool slowed = false) {
    int steps = 0;
    while (lift.index == 0 && steps < 1000) {
        lift.Update(slowed);
        ++steps;
    }
    return steps;
}

TEST(Lift, IsPlacedIdleAtItsStart) {
    const Lift lift(Lift::Loop, 100, 200);
    EXPECT_EQ(lift.startX, Fraction(100));
    EXPECT_EQ(lift.currentY, Fraction(200));
    EXPECT_EQ(lift.index, 0u);
    EXPECT_EQ(lift.progress, Fraction(0));
    EXPECT_TRUE(lift.forward);
    EXPECT_FALSE(Lift(Lift::TriggeredDrop, 0, 0).forward);
    EXPECT_EQ(lift.triggerTimer, 0);
    EXPECT_EQ(lift.wait, 0);
    EXPECT_EQ(lift.GetSize(), sf::Vector2f(52, 11));
    EXPECT_EQ(lift.GetPosition(), sf::Vector2f(100, 205.5f));  // the centre below the top edge
    EXPECT_EQ(lift.GetTextureRect(), sf::IntRect(146, 288, 52, 11));
    EXPECT_THROW(Lift(4, 0, 0), std::out_of_range);
    EXPECT_THROW(Lift(-1, 0, 0), std::out_of_range);
}

TEST(Lift, SegmentTimingStraightAndDiagonal) {
    struct Case {
        LiftWaypoint segment;
        int steps;
        Fraction stepX, stepY;
    };
    const Case cases[] = {
        {{36, 0}, 12, 3, 0},
        {{0, -36}, 12, 0, -3},
        {{36, 36}, 18, 2, 2},
        {{-36, 12}, 18, -2, Fraction(2, 3)},
    };
    for (const Case& c : cases) {
        Lift lift = MakeLift(Lift::Loop, {c.segment, {36, 0}});
        const Lift::Motion motion = lift.GetCarryMotion(false, false);
        EXPECT_EQ(motion.first, c.stepX) << c.segment.dx << "," << c.segment.dy;
        EXPECT_EQ(motion.second, c.stepY) << c.segment.dx << "," << c.segment.dy;
        EXPECT_EQ(StepsOnFirstSegment(lift), c.steps) << c.segment.dx << "," << c.segment.dy;
        EXPECT_EQ(lift.currentX, Fraction(360 + c.segment.dx));
        EXPECT_EQ(lift.currentY, Fraction(180 + c.segment.dy));
        EXPECT_EQ(lift.progress, Fraction(0));
    }
}

TEST(Lift, CarryMotionLeavesTheLiftAsItIs) {
    Lift lift = MakeLift(Lift::Triggered, {{36, 12}});
    Fraction speed(-1), length(-1);
    // Idle: a rider is carried as if the lift were triggered, the lift itself does not move.
    const Lift::Motion asked = lift.GetCarryMotion(false, true, &speed, &length);
    EXPECT_EQ(asked, Lift::Motion(2, Fraction(2, 3)));
    EXPECT_EQ(speed, Fraction(2));
    EXPECT_EQ(length, Fraction(36));
    EXPECT_FLOAT_EQ(lift.GetCarryMotionX(false), 2);
    EXPECT_FLOAT_EQ(lift.GetCarryMotionX(true), 1);
    EXPECT_EQ(lift.GetCarryMotion(false, false), Lift::Motion(0, 0));
    lift.Update(false);
    EXPECT_EQ(lift.currentX, Fraction(360));
    EXPECT_EQ(lift.progress, Fraction(0));
}

TEST(Lift, SlowedMidSegmentStillEndsOnTheWaypoint) {
    for (LiftWaypoint segment : {LiftWaypoint{36, 0}, LiftWaypoint{36, 36}, LiftWaypoint{0, 36}}) {
        Lift lift = MakeLift(Lift::BackAndForth, {segment, {0, 36}});
        for (int i = 0; i < 3; ++i)
            lift.Update(false);
        for (int i = 0; i < 5; ++i)
            lift.Update(true);  // an odd number of half steps
        // Back at full speed, it first finishes the half step.
        EXPECT_EQ(lift.GetCarryMotion(false, false), lift.GetCarryMotion(true, false));
        int steps = 0;
        while (lift.index == 0 && steps < 100) {
            lift.Update(false);
            ++steps;
        }
        EXPECT_EQ(lift.index, 1u);
        EXPECT_EQ(lift.currentX, Fraction(360 + segment.dx)) << segment.dx << "," << segment.dy;
        EXPECT_EQ(lift.currentY, Fraction(180 + segment.dy)) << segment.dx << "," << segment.dy;
    }

    Lift slowed = MakeLift(Lift::Loop, {{36, 0}, {0, 36}});
    EXPECT_EQ(StepsOnFirstSegment(slowed, true), 24);
    EXPECT_EQ(slowed.currentX, Fraction(396));
}

TEST(Lift, BackAndForthRetracesItsPath) {
    Lift lift = MakeLift(Lift::BackAndForth, {{36, 0}, {0, -36}});
    for (int i = 0; i < 24; ++i)
        lift.Update(false);
    EXPECT_EQ(lift.currentX, Fraction(396));
    EXPECT_EQ(lift.currentY, Fraction(144));
    EXPECT_FALSE(lift.forward);
    EXPECT_EQ(lift.index, 1u);
    EXPECT_EQ(lift.GetCarryMotion(false, false), Lift::Motion(0, 3));  // (0, 36) backwards

    for (int i = 0; i < 12; ++i)
        lift.Update(false);
    EXPECT_EQ(lift.currentY, Fraction(180));
    EXPECT_EQ(lift.GetCarryMotion(false, false), Lift::Motion(-3, 0));
    for (int i = 0; i < 12; ++i)
        lift.Update(false);
    EXPECT_EQ(lift.currentX, Fraction(360));
    EXPECT_EQ(lift.currentY, Fraction(180));
    EXPECT_TRUE(lift.forward);
    EXPECT_EQ(lift.index, 0u);
    EXPECT_EQ(lift.GetCarryMotion(false, false), Lift::Motion(3, 0));
}

TEST(Lift, LoopJumpsBackToItsStart) {
    Lift lift = MakeLift(Lift::Loop, {{36, 0}, {0, 36}});
    lift.triggerTimer = 1;  // ridden: no effect on a loop
    for (int i = 0; i < 23; ++i)
        lift.Update(false);
    EXPECT_EQ(lift.currentY, Fraction(213));
    lift.Update(false);
    EXPECT_EQ(lift.currentX, Fraction(360));
    EXPECT_EQ(lift.currentY, Fraction(180));
    EXPECT_EQ(lift.index, 0u);
    EXPECT_EQ(lift.triggerTimer, 0);
    lift.Update(false);
    EXPECT_EQ(lift.currentX, Fraction(363));
}

TEST(Lift, TriggeredLiftRidesRestsFallsAndResets) {
    Lift lift = MakeLift(Lift::Triggered, {{36, 0}});
    for (int i = 0; i < 5; ++i)
        lift.Update(false);
    EXPECT_EQ(lift.currentX, Fraction(360));  // idle until ridden

    for (int i = 0; i < 12; ++i) {
        lift.triggerTimer = 1;  // the world marks every ridden step
        lift.Update(false);
    }
    EXPECT_EQ(lift.currentX, Fraction(396));
    EXPECT_EQ(lift.wait, 1);

    // Rests: wait 2 to 20 without motion, then falls ever faster.
    for (int i = 0; i < 19; ++i) {
        lift.Update(false);
        EXPECT_EQ(lift.currentY, Fraction(180)) << i;
    }
    lift.Update(false);  // wait 21
    EXPECT_EQ(lift.currentY, Fraction(180) + Fraction(1, 7));
    lift.Update(false);  // wait 22
    EXPECT_EQ(lift.currentY, Fraction(180) + Fraction(3, 7));
    EXPECT_TRUE(lift.IsFalling());
    EXPECT_EQ(lift.GetCarryMotion(true, false), Lift::Motion(0, Fraction(2, 14)));
    EXPECT_FLOAT_EQ(Lift::GetFallAcceleration(), 1.0f / 7);

    // 300 steps after the last ride it is back at its start, idle.
    while (lift.triggerTimer != 0 && lift.triggerTimer < 400)
        lift.Update(false);
    EXPECT_EQ(lift.currentX, Fraction(360));
    EXPECT_EQ(lift.currentY, Fraction(180));
    EXPECT_EQ(lift.wait, 0);
    EXPECT_EQ(lift.index, 0u);
    EXPECT_EQ(lift.GetAlpha(), 255);
}

TEST(Lift, AlphaFadesOverThreeHundredSteps) {
    Lift lift(Lift::Triggered, 0, 0);
    const struct {
        std::int16_t timer;
        int alpha;
    } cases[] = {{0, 255}, {1, 255}, {2, 254}, {150, 128}, {299, 1}, {300, 0}};
    for (const auto& c : cases) {
        lift.triggerTimer = c.timer;
        EXPECT_EQ(lift.GetAlpha(), c.alpha) << c.timer;
    }
}

TEST(Lift, ResetComesThreeHundredStepsAfterTheLastRide) {
    Lift lift = MakeLift(Lift::Triggered, {{36, 0}, {0, 36}});
    lift.triggerTimer = 1;
    int steps = 0;
    while (lift.triggerTimer != 0 && steps < 1000) {
        lift.Update(false);
        ++steps;
    }
    EXPECT_EQ(steps, 299);  // timer 2 after the first step, 300 after the 299th

    // Time distortion halves the count.
    Lift slowed = MakeLift(Lift::Triggered, {{36, 0}, {0, 36}});
    slowed.triggerTimer = 1;
    steps = 0;
    while (slowed.triggerTimer != 0 && steps < 1000) {
        slowed.Update(true);
        ++steps;
    }
    EXPECT_EQ(steps, 598);
}

TEST(Lift, TriggeredDropFallsAtOnce) {
    Lift lift = MakeLift(Lift::TriggeredDrop, {{36, 0}});
    lift.Update(false);
    EXPECT_EQ(lift.wait, 0);  // idle until ridden

    lift.triggerTimer = 1;
    lift.Update(false);  // its first waypoint step ends the (backward) path
    EXPECT_EQ(lift.wait, Lift::RestSteps);
    EXPECT_EQ(lift.currentX, Fraction(360));
    EXPECT_EQ(lift.currentY, Fraction(180));
    lift.Update(false);
    EXPECT_EQ(lift.currentY, Fraction(180) + Fraction(1, 7));
    EXPECT_EQ(lift.currentX, Fraction(360));
}

TEST(Lift, EmptyPathNeverMoves) {
    for (std::int32_t kind = 0; kind < 4; ++kind) {
        Lift lift(kind, 360, 180);
        for (int step = 0; step < 50; ++step) {
            lift.triggerTimer = 1;
            EXPECT_EQ(lift.GetCarryMotion(false, true).first, Fraction(0)) << kind;
            lift.Update(step % 3 == 0);
        }
        EXPECT_EQ(lift.currentX, Fraction(360)) << kind;
        if (kind == Lift::BackAndForth || kind == Lift::Loop)
            EXPECT_EQ(lift.currentY, Fraction(180)) << kind;
        else
            EXPECT_GT(lift.currentY, Fraction(180)) << kind;  // the path ends at once: it drops
    }
}

TEST(Lift, ZeroLengthSegmentIsPassedInOneStep) {
    Lift lift = MakeLift(Lift::Loop, {{0, 0}, {36, 0}});
    Fraction speed(-1), length(-1);
    EXPECT_EQ(lift.GetCarryMotion(false, false, &speed, &length), Lift::Motion(0, 0));
    EXPECT_EQ(speed, Fraction(0));
    EXPECT_EQ(length, Fraction(0));
    lift.Update(false);
    EXPECT_EQ(lift.index, 1u);
    EXPECT_EQ(lift.currentX, Fraction(360));
    lift.Update(false);
    EXPECT_EQ(lift.currentX, Fraction(363));
}

TEST(Lift, SegmentOffTheStepGridStopsOnItsWaypoint) {
    Lift lift = MakeLift(Lift::Loop, {{37, 0}, {0, 36}});
    EXPECT_EQ(StepsOnFirstSegment(lift), 13);
    EXPECT_EQ(lift.currentX, Fraction(397));
}

}  // namespace

TEST(Lift, FitsMapOnlyWhenItsPathAndArithmeticStayInRange) {
    constexpr int M = Lift::MapMargin;
    struct Case {
        const char* what;
        int x, y;
        std::vector<LiftWaypoint> path;
        std::int64_t width, height;
        bool fits;
    };
    const std::vector<Case> cases = {
        {"a path on the map", 360, 180, {{36, 0}, {0, -36}}, 720, 504, true},
        {"a start at the margin's edge", 720 + M, -M, {}, 720, 504, true},
        {"a start beyond the margin", 720 + M + 1, 180, {}, 720, 504, false},
        {"a waypoint beyond the margin", 360, 180, {{36, 0}, {-396 - M - 1, 0}}, 720, 504, false},
        {"a segment of the lowest int", 360, 180, {{-2147483647 - 1, 2}}, 720, 504, false},
        {"a start far below", 300, 2147483600, {{36, 0}}, 720, 504, false},
        // On a vast map a long slanted segment needs denominators that
        // its far-off positions cannot carry; a straight one does not.
        {"a long slanted segment far off", 0, 100000, {{40000, 2}}, 100000, 100000, false},
        {"a long straight segment far off", 0, 100000, {{39999, 0}}, 100000, 100000, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MakeLift(Lift::BackAndForth, c.path, c.x, c.y).FitsMap(c.width, c.height), c.fits) << c.what;
}
