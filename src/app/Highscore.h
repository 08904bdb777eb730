#pragma once

#include <cstdint>
#include <string>

// One entry of the highscore table.
struct Highscore {
    std::string name;
    std::int32_t score = 0;
};

// The table's order: a higher score ranks first. Entries of equal score are
// equivalent, so a std::multiset keeps them in the order they were entered.
inline bool operator<(const Highscore& a, const Highscore& b) { return a.score > b.score; }
