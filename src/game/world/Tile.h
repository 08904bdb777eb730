#pragma once

#include "game/world/TilePropertyPtr.h"

#include <cstdint>

class FrameProperty;
class ItemProperty;
class TargetProperty;
class TextProperty;

// One 36 x 36 cell of the level grid. Copying a tile copies its property.
struct Tile {
    std::uint32_t id = 0;
    // Animation and state counter.
    std::int32_t counter = 0;
    // Empty for most ids (see CreateTileProperty).
    TilePropertyPtr property;

    // The tile's property of the kind, or the first part of that kind when
    // the property is a MultiProperty. A tile without one is a logic error
    // (std::logic_error "unreachable").
    FrameProperty& GetFrameProperty();
    const FrameProperty& GetFrameProperty() const;
    ItemProperty& GetItemProperty();
    const ItemProperty& GetItemProperty() const;
    TargetProperty& GetTargetProperty();
    const TargetProperty& GetTargetProperty() const;
    TextProperty& GetTextProperty();
    const TextProperty& GetTextProperty() const;
};

// Replaces the tile's property by a fresh one for its id. Checkpoints,
// switches and switchable tiles start in their "on" frame when switchedOn.
void CreateTileProperty(Tile& tile, bool switchedOn);
