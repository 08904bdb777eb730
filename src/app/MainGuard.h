#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

// How a run ended: why it ended on an error ("" when it ended as the player
// chose), and the saves that failed without the player ever being told, one
// line each.
struct RunEnd {
    RunEnd(std::string why = std::string(), std::vector<std::string> untold = {})
        : failure(std::move(why)), untoldSaves(std::move(untold))
    {
    }

    std::string failure;
    std::vector<std::string> untoldSaves;
};

// What main does around the program: runs `body`, which says how the run
// ended, and catches whatever leaves it, logging a std::exception as
// "EXCEPTION: " + its text and anything else as "UNKNOWN EXCEPTION.".
// Returns 0 after a normal end. After a failure one line naming it goes to
// the terminal, after saves never told their lines do, and 1 is returned.
int RunGuarded(const std::function<RunEnd()>& body);
