#pragma once

#include <cstdint>
#include <tuple>

// A cell of the tile grid: column x and row y, ordered by x, then y.
struct TilePos {
    std::int32_t x = 0;
    std::int32_t y = 0;

    TilePos() = default;
    TilePos(std::int32_t column, std::int32_t row) : x(column), y(row) {}
};

inline bool operator<(const TilePos& a, const TilePos& b) {
    return std::tie(a.x, a.y) < std::tie(b.x, b.y);
}
inline bool operator==(const TilePos& a, const TilePos& b) { return a.x == b.x && a.y == b.y; }
inline bool operator!=(const TilePos& a, const TilePos& b) { return !(a == b); }
