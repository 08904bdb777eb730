#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

// One entry of the highscore table.
struct Highscore {
    std::string name;
    std::int32_t score = 0;
};

// The table's order: a higher score ranks first. Entries of equal score are
// equivalent, so a std::multiset keeps them in the order they were entered.
inline bool operator<(const Highscore& a, const Highscore& b) { return a.score > b.score; }

// The score of a profile's total coins, as the table keeps and the victory
// screen shows it: a total beyond the signed 32-bit range keeps the highest
// score rather than turning negative.
inline std::int32_t ScoreOf(std::uint32_t totalCoins)
{
    constexpr std::uint32_t highest = static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(std::min(totalCoins, highest));
}
