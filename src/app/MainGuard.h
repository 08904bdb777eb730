#pragma once

#include <functional>
#include <string>

// What main does around the program: runs `body`, which returns why the
// game ended on an error ("" when it ended as the player chose), and catches
// whatever leaves it, logging a std::exception as "EXCEPTION: " + its text
// and anything else as "UNKNOWN EXCEPTION.". Returns 0 after a normal end;
// after a failure, one line naming it goes to the terminal and 1 is
// returned.
int RunGuarded(const std::function<std::string()>& body);
