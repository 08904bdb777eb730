#pragma once

#include <SFML/Graphics/Rect.hpp>

#include <cstdint>

// The constants of one weapon kind.
struct WeaponType {
    // In the item texture; frames are stacked below it by its height. The
    // weapon's collision box has the rectangle's width and height.
    sf::IntRect textureRect;
    float maxSpeed;
    // Non-zero makes the weapon bounce.
    float jumpStrength;
    bool flying;
    // Degrees added to the angle each step.
    float spin;
};

// The 10 weapon kinds (WeaponKind). Every lookup is checked: a kind outside
// the table is an error (std::out_of_range), never a read past it.
class WeaponTypeTable {
public:
    static constexpr std::int32_t Size = 10;

    static bool Contains(std::int32_t kind) { return kind >= 0 && kind < Size; }
    static const WeaponType& Get(std::int32_t kind);
};
