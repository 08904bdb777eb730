#pragma once

#include <SFML/System/Time.hpp>

// How many fixed steps one pass of the main loop runs for the time gathered
// so far, and what is left over for the next pass.
struct StepPlan {
    unsigned steps;       // at most MaxStepsPerPass
    sf::Time remainder;   // under one FrameDuration
};

// A pass runs at most this many steps: a stall of any length costs at most
// 100 ms of game time; the surplus whole steps are dropped.
constexpr unsigned MaxStepsPerPass = 4;

StepPlan PlanSteps(sf::Time accumulated);
