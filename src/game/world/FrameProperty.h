#pragma once

#include "game/world/TileProperty.h"

#include <cstdint>

// The running frame of a fading block, a power-up block, a trampoline, a
// checkpoint, a switch or a switchable tile. Not stored in level files.
class FrameProperty final : public TileProperty {
public:
    explicit FrameProperty(std::int32_t startFrame = 0) : frame(startFrame) {}
    void Write(t4::token_container& tokens) const override;
    void Read(t4::token_container& tokens) override;

    std::int32_t frame;
};
