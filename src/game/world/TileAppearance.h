#pragma once

#include <SFML/Config.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstdint>

class Animation;
struct Tile;

// Opacity of a tile; 0 means the tile is not drawn at all.
sf::Uint8 GetTileAlpha(const Tile& tile);
// Opacity to draw with: like GetTileAlpha, but a fading block already fades
// while it is still solid.
sf::Uint8 GetTileDrawAlpha(const Tile& tile);

// The animation of the tile's id (an id without one gets the one-frame default).
Animation& GetTileAnimation(const Tile& tile);
// The frame for the tile's counter; negative for mirrored animations.
std::int32_t GetTileAnimationStep(const Tile& tile);
// The frame that a tile shows when it is drawn without animation.
std::int32_t GetStaticTileFrame(const Tile& tile);

// (column, row) of a special tile id (1 to 24) in the special tile texture,
// in 36-pixel cells; std::logic_error for any other id.
sf::Vector2i GetSpecialTileCell(std::uint32_t id);

// The tile's 36 x 36 cell in its texture (the special tile texture for
// special tiles, the normal tile texture otherwise). slopeAsWall draws a
// slope with the cell of the matching wall.
sf::IntRect GetTileTextureRect(const Tile& tile, bool animated, bool slopeAsWall);
