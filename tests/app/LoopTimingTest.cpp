#include "app/FrameDuration.h"
#include "app/LoopTiming.h"

#include <gtest/gtest.h>

TEST(LoopTiming, RunsWholeStepsKeepsTheRemainderAndDropsStepsBeyondFour)
{
    struct Case {
        int elapsedMicroseconds;
        unsigned steps;
        int remainderMicroseconds;
    } cases[] = {
        {0, 0, 0},
        {24'999, 0, 24'999},
        {25'000, 1, 0},
        {60'000, 2, 10'000},        // two steps, 10 ms kept for the next pass
        {100'000, 4, 0},
        {124'999, 4, 24'999},       // a fifth whole step is not there yet
        {125'000, 4, 0},            // ...and once it is, it is dropped
        {1'000'000, 4, 0},          // a one-second stall costs 100 ms of game time
        {1'010'500, 4, 10'500},
    };
    for (const Case& c : cases) {
        StepPlan plan = PlanSteps(sf::microseconds(c.elapsedMicroseconds));
        EXPECT_EQ(plan.steps, c.steps) << c.elapsedMicroseconds;
        EXPECT_EQ(plan.remainder.asMicroseconds(), c.remainderMicroseconds) << c.elapsedMicroseconds;
        EXPECT_LT(plan.remainder, FrameDuration);
    }
}

TEST(LoopTiming, TheRemainderCarriesIntoTheNextPass)
{
    // Three passes of 10 ms each: the third finds 30 ms and runs one step.
    sf::Time accumulated = sf::Time::Zero;
    unsigned total = 0;
    for (int pass = 0; pass < 3; ++pass) {
        StepPlan plan = PlanSteps(accumulated + sf::milliseconds(10));
        total += plan.steps;
        accumulated = plan.remainder;
    }
    EXPECT_EQ(total, 1u);
    EXPECT_EQ(accumulated, sf::milliseconds(5));
}
