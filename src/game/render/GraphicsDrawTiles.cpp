// The level's tiles and floors.

#include "game/render/GraphicsContext.h"

#include "app/GameWindow.h"
#include "app/ResourceIds.h"
#include "app/ResourceManager.h"
#include "game/render/BlurEffect.h"
#include "game/world/Floor.h"
#include "game/world/Tile.h"
#include "game/world/TileAppearance.h"
#include "game/world/TileFlags.h"
#include "game/world/Tilemap.h"

#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/VertexArray.hpp>

namespace {

constexpr float TileSize = 36;
constexpr int FloorCell = 42;
constexpr std::int32_t FloorShapes = 6;

// The tile shader's uniforms, by neighbour index (row above first).
const char* const NeighbourUniforms[9] = {
    "tileSW", "tileS", "tileSE", "tileW", "tileC", "tileE", "tileNW", "tileN", "tileNE",
};

// Walls and both slopes are smoothed into their neighbours.
constexpr std::uint32_t SmoothedFlags = TileFlag::Wall | TileFlag::RisingSlope | TileFlag::FallingSlope;

std::uint32_t TileTextureId(const Tile& tile)
{
    return (GetTileFlags(tile.id) & TileFlag::Special) ? TextureSpecialTiles : TextureNormalTiles;
}

}  // namespace

void GraphicsContext::BuildTileQuad(const Tile& tile, sf::Vertex* vertices, unsigned x, unsigned y) const
{
    const sf::IntRect cell = GetTileTextureRect(tile, hideSecretTiles, false);
    const sf::Color colour(255, 255, 255, hideSecretTiles ? GetTileAlpha(tile) : 255);
    static const sf::Vector2f Corners[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int i = 0; i < 4; ++i) {
        const sf::Vector2f corner = Corners[i];
        vertices[i].position = sf::Vector2f(TileSize * (static_cast<float>(x) + corner.x),
                                            TileSize * (static_cast<float>(y) + corner.y));
        vertices[i].texCoords = sf::Vector2f(static_cast<float>(cell.left) + TileSize * corner.x,
                                             static_cast<float>(cell.top) + TileSize * corner.y);
        vertices[i].color = colour;
    }
}

sf::Vector2f GraphicsContext::GetTileTextureOrigin(const Tile& tile, bool normalise, bool familyShift)
{
    const sf::IntRect rect = GetTileTextureRect(tile, hideSecretTiles, familyShift);
    sf::Vector2f origin(static_cast<float>(rect.left), static_cast<float>(rect.top));
    if (normalise) {
        const sf::Vector2u size = resources->GetTexture(TileTextureId(tile)).getSize();
        origin.x /= static_cast<float>(size.x);
        origin.y /= static_cast<float>(size.y);
    }
    return origin;
}

void GraphicsContext::DrawTile(const Tilemap& tilemap, bool blend, unsigned x, unsigned y)
{
    const Tilemap::Neighbours neighbours =
        tilemap.GetNeighbours(blend, static_cast<std::int32_t>(x), static_cast<std::int32_t>(y));
    const Tile& centre = neighbours[4];
    const std::uint32_t flags = GetTileFlags(centre.id);
    if (centre.id == 0 || (hideSecretTiles && (flags & TileFlag::Secret)) || GetTileAlpha(centre) == 0)
        return;

    sf::Vertex quad[4];
    BuildTileQuad(centre, quad, x, y);
    const sf::Texture& texture = resources->GetTexture(TileTextureId(centre));
    sf::RenderStates states(&texture);

    // A tile that stands for all of its neighbours (blending off, or no
    // neighbour blends) is drawn as it is.
    bool alone = true;
    for (const Tile* neighbour : neighbours.tiles)
        alone = alone && neighbour == &centre;
    if (shadersAvailable && (flags & SmoothedFlags) && !alone) {
        // The cells the shader would blend. Where all nine are the centre's
        // own cell it gives back the tile's own picture, so a tile inside a
        // mass of its kind is drawn without it.
        sf::Vector2f cells[9];
        bool uniform = true;
        cells[4] = GetTileTextureOrigin(centre, true, false);
        for (std::size_t i = 0; i < 9; ++i) {
            if (i != 4)
                cells[i] = GetTileTextureOrigin(neighbours[i], true, true);
            uniform = uniform && cells[i] == cells[4];
        }
        if (!uniform) {
            sf::Shader& shader = resources->GetShader(ShaderBilinearTile);
            for (std::size_t i = 0; i < 9; ++i)
                shader.setUniform(NeighbourUniforms[i], cells[i]);
            const sf::Vector2u size = texture.getSize();
            shader.setUniform("tileSize", sf::Vector2f(TileSize / static_cast<float>(size.x),
                                                       TileSize / static_cast<float>(size.y)));
            states.shader = &shader;
        }
    }
    window->window.draw(quad, 4, sf::Quads, states);
}

void GraphicsContext::DrawSpecialTile(const Tilemap& tilemap, const std::vector<TilePos>& tiles)
{
    if (!shadersAvailable || tiles.empty())
        return;
    sf::VertexArray quads(sf::Quads, 4 * tiles.size());
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        const TilePos& at = tiles[i];
        BuildTileQuad(tilemap.At(at.x, at.y), &quads[4 * i], static_cast<unsigned>(at.x),
                      static_cast<unsigned>(at.y));
    }
    blur->AddGlow(quads, window->window.getView(), sf::RenderStates(&resources->GetTexture(TextureNormalTiles)));
}

void GraphicsContext::DrawFloor(const Floor& floor, sf::Uint8 alpha)
{
    // A floor whose shape is not decided has no picture.
    if (floor.shape < 0 || floor.shape >= FloorShapes)
        return;
    sf::Sprite sprite(resources->GetTexture(TextureFloor),
                      sf::IntRect(FloorCell * floor.shape, FloorCell * floor.id, FloorCell, FloorCell));
    sprite.setPosition(TileSize * static_cast<float>(floor.x) - 3, TileSize * static_cast<float>(floor.y) - 3);
    sprite.setColor(sf::Color(255, 255, 255, alpha));
    DrawSnapped(sprite);
}
