#pragma once

#include <cstdint>

class Tilemap;

// The strip drawn along the top surface of a wall, slope or fading tile.
struct Floor {
    // Shapes, the columns of the floor texture.
    static constexpr std::int32_t LeftEnd = 0;
    static constexpr std::int32_t Middle = 1;
    static constexpr std::int32_t RightEnd = 2;
    static constexpr std::int32_t Single = 3;
    static constexpr std::int32_t OnRisingSlope = 4;
    static constexpr std::int32_t OnFallingSlope = 5;
    // Not decided yet (see UpdateShape).
    static constexpr std::int32_t Undecided = 6;
    // The floor ids, the rows of the floor texture: 0 to IdCount - 1.
    static constexpr std::int32_t IdCount = 6;

    Floor() = default;
    Floor(std::int32_t floorId, std::int32_t column, std::int32_t row)
        : id(floorId), shape(Undecided), x(column), y(row)
    {
    }

    // Decides whether the floor can stand on its tile (a surface with
    // nothing solid above it) and, when it can, picks its shape from the
    // neighbours on either side.
    bool UpdateShape(const Tilemap& tilemap);

    // The picture: the row of the floor texture.
    std::int32_t id = 0;
    std::int32_t shape = Undecided;
    std::int32_t x = 0;
    std::int32_t y = 0;
};
