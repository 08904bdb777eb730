#pragma once

#include <SFML/System/Time.hpp>

// The length of one simulation step in milliseconds, for step counts that are
// computed in integers before main runs (30 seconds are 1200 steps).
constexpr int FrameMilliseconds = 25;

// The one simulation step: 25 milliseconds (40 steps a second).
extern const sf::Time FrameDuration;
