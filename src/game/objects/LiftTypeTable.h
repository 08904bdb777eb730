#pragma once

#include <SFML/Graphics/Rect.hpp>

#include <cstdint>

// The lift kinds' texture rectangles in the object texture; a rectangle's
// width and height are also the lift's size. Every lookup is checked: a kind
// outside the table is an error (std::out_of_range), never a read past it.
class LiftTypeTable {
public:
    static constexpr std::int32_t Size = 4;

    static bool Contains(std::int32_t kind) { return kind >= 0 && kind < Size; }
    static const sf::IntRect& Get(std::int32_t kind);
};
