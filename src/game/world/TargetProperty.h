#pragma once

#include "game/world/TilePos.h"
#include "game/world/TileProperty.h"

#include <set>

// The cells that a warp leads to or that a switch acts on; tokens are pairs
// of integers x, y, as many as the line holds.
class TargetProperty final : public TileProperty {
public:
    void Write(t4::token_container& tokens) const override;
    // Replaces the targets by the pairs of the remaining tokens (a pair that
    // repeats is held once).
    void Read(t4::token_container& tokens) override;

    std::set<TilePos> targets;
};
