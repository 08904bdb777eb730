#pragma once

#include <SFML/Graphics/Rect.hpp>

#include <cstdint>

// How a piece of scenery shows.
enum SceneryMode : std::int32_t {
    SceneryStatic = 0,
    SceneryFramesAcross = 1,  // animated, frames side by side
    SceneryFramesDown = 2,    // animated, frames stacked
    ScenerySwingX = 3,        // static picture swinging along x
    ScenerySwingY = 4,        // static picture swinging along y
};

// The constants of one scenery kind.
struct SceneryType {
    // In the scenery texture: the first frame.
    sf::IntRect textureRect;
    std::int32_t mode;
    // Drawn a second time into the blur, so that it glows.
    bool glows;
};

// The 43 scenery kinds. Every lookup is checked: a kind outside the table is
// an error (std::out_of_range), never a read past it.
class SceneryTypeTable {
public:
    static constexpr std::int32_t Size = 43;

    static bool Contains(std::int32_t kind) { return kind >= 0 && kind < Size; }
    static const SceneryType& Get(std::int32_t kind);
};
