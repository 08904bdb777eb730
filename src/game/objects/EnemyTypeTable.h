#pragma once

#include <SFML/Graphics/Rect.hpp>

#include <cstdint>
#include <limits>

// The constants of one enemy kind.
struct EnemyType {
    // In the object texture; frames are stacked below it by the box height.
    sf::IntRect textureRect;
    // The collision box: left and top offsets, width and height.
    sf::IntRect box;
    float maxSpeed;
    float jumpStrength;
    // Steps between jump attempts; EnemyTypeTable::Never for none.
    std::int32_t jumpInterval;
    bool flying;
    // The weapon kind fired; WeaponNone for none.
    std::int32_t weapon;
    // Steps between shots; EnemyTypeTable::Never for none.
    std::int32_t fireInterval;
    // How far below the enemy's top its shot starts.
    float shotHeight;
    // The fire timer moves only on steps where a random draw exceeds 0.32.
    bool randomFire;
    // The score for defeating it, and its chance out of 300 to drop an item.
    std::uint16_t value;
    // Landing on it does not defeat it.
    bool stompProof;
};

// The 19 enemy kinds. Every lookup is checked: a kind outside the table is
// an error (std::out_of_range), never a read past it.
class EnemyTypeTable {
public:
    static constexpr std::int32_t Size = 19;
    // An interval that never elapses.
    static constexpr std::int32_t Never = std::numeric_limits<std::int32_t>::max();

    static bool Contains(std::int32_t kind) { return kind >= 0 && kind < Size; }
    static const EnemyType& Get(std::int32_t kind);
};
