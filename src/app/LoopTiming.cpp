#include "app/LoopTiming.h"

#include "app/FrameDuration.h"

#include <algorithm>

StepPlan PlanSteps(sf::Time accumulated)
{
    auto whole = static_cast<unsigned>(accumulated / FrameDuration);
    return {std::min(whole, MaxStepsPerPass), accumulated % FrameDuration};
}
