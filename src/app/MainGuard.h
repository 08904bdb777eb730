#pragma once

#include <functional>

// What main does around the program: runs `body` and catches whatever leaves
// it, logging a std::exception as "EXCEPTION: " + its text and anything else
// as "UNKNOWN EXCEPTION.". Returns 0 in every case.
int RunGuarded(const std::function<void()>& body);
