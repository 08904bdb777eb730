#include "game/world/TileAppearance.h"

#include "game/objects/AnimationTables.h"
#include "game/world/FrameProperty.h"
#include "game/world/Tile.h"
#include "game/world/TileFlags.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace {

constexpr int TileSize = 36;

sf::Uint8 ToAlpha(std::int64_t value) {
    return static_cast<sf::Uint8>(std::clamp<std::int64_t>(value, 0, 255));
}

// Fades in over the last ten frames before `full`.
sf::Uint8 FadeIn(std::int64_t frame, std::int64_t full) {
    return ToAlpha(255 - (full - frame) * 255 / 10);
}

// The switchable tiles' brightness ramp over one period of their animation.
std::int64_t SwitchRamp(const Tile& tile) {
    const std::int64_t period = GetTileAnimation(tile).GetPeriod();
    return ((static_cast<std::int64_t>(tile.counter) * 255 / period) & 0xFF) * 2 / 3;
}

// Cells of the special ids 1 to 24: (column, row).
constexpr std::array<std::array<int, 2>, 24> SpecialTileCells = {{
    /*  1 */ {0, 0}, /*  2 */ {0, 1}, /*  3 */ {0, 2}, /*  4 */ {0, 3},
    /*  5 */ {1, 6}, /*  6 */ {1, 0}, /*  7 */ {2, 0}, /*  8 */ {2, 8},
    /*  9 */ {3, 7}, /* 10 */ {3, 0}, /* 11 */ {4, 0}, /* 12 */ {4, 8},
    /* 13 */ {0, 6}, /* 14 */ {1, 7}, /* 15 */ {6, 0}, /* 16 */ {6, 7},
    /* 17 */ {7, 0}, /* 18 */ {8, 0}, /* 19 */ {9, 0}, /* 20 */ {10, 0},
    /* 21 */ {11, 0}, /* 22 */ {3, 8}, /* 23 */ {0, 4}, /* 24 */ {3, 8},
}};

}  // namespace

sf::Uint8 GetTileAlpha(const Tile& tile) {
    const std::uint32_t flags = GetTileFlags(tile.id);
    if (flags & TileFlag::Fading) {
        const std::int64_t f = tile.GetFrameProperty().frame;
        if (f <= 27)
            return 255;
        if (f < 110)
            return 0;
        return FadeIn(f, 120);
    }
    if (flags & TileFlag::SolidAtFrame0) {
        const std::int64_t f = tile.GetFrameProperty().frame;
        if (f == 0)
            return 255;
        if (f > 0 && f < 310)
            return 0;
        return FadeIn(f, 320);
    }
    if (tile.id == 11)
        return tile.counter != 0 ? ToAlpha(SwitchRamp(tile) + 85) : 255;
    if (tile.id == 12)
        return tile.counter != 0 ? ToAlpha(255 - SwitchRamp(tile)) : 85;
    return 255;
}

sf::Uint8 GetTileDrawAlpha(const Tile& tile) {
    if (GetTileFlags(tile.id) & TileFlag::Fading) {
        const std::int64_t f = tile.GetFrameProperty().frame;
        if (f < 28)
            return ToAlpha(255 - f * 255 / 28);
    }
    return GetTileAlpha(tile);
}

Animation& GetTileAnimation(const Tile& tile) {
    return TileAnimations[tile.id];
}

std::int32_t GetTileAnimationStep(const Tile& tile) {
    const Animation& animation = GetTileAnimation(tile);
    const auto step = static_cast<std::int32_t>(animation.GetStep(static_cast<std::uint32_t>(tile.counter)));
    return animation.IsMirrored() ? -step : step;
}

std::int32_t GetStaticTileFrame(const Tile& tile) {
    switch (tile.id) {
    case 14:
    case 24:
        return 2;
    case 22:
        return 1;
    case 170:
    case 177:
    case 184:
        return 3;
    default:
        return 0;
    }
}

sf::Vector2i GetSpecialTileCell(std::uint32_t id) {
    if (id < 1 || id > SpecialTileCells.size())
        throw std::logic_error("switch: default impossible");
    const auto& cell = SpecialTileCells[id - 1];
    return sf::Vector2i(cell[0], cell[1]);
}

sf::IntRect GetTileTextureRect(const Tile& tile, bool animated, bool slopeAsWall) {
    const std::uint32_t flags = GetTileFlags(tile.id);
    std::int64_t drawn = tile.id;
    if (slopeAsWall) {
        if (flags & TileFlag::RisingSlope)
            drawn -= 28;
        else if (flags & TileFlag::FallingSlope)
            drawn -= 42;
    }
    const std::int32_t step = animated ? GetTileAnimationStep(tile) : GetStaticTileFrame(tile);

    int column = 0;
    int row = 0;
    if (flags & TileFlag::Special) {
        const sf::Vector2i cell = GetSpecialTileCell(static_cast<std::uint32_t>(drawn));
        column = cell.x;
        row = cell.y + step;
    } else {
        column = static_cast<int>((drawn - 100) / 14);
        row = static_cast<int>((drawn - 100) % 14);
        if (flags & (TileFlag::Fading | TileFlag::Deadly))
            row += step;
    }
    return sf::IntRect(column * TileSize, row * TileSize, TileSize, TileSize);
}
