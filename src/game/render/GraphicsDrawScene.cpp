// One frame of a level: the background, the scenery, the lifts, the tiles
// and floors, the enemies, the player, the weapons, the items, the
// particles and the glow, in that order.

#include "game/render/GraphicsContext.h"

#include "app/GameWindow.h"
#include "app/ResourceIds.h"
#include "game/objects/Enemy.h"
#include "game/objects/Item.h"
#include "game/objects/Lift.h"
#include "game/objects/Player.h"
#include "game/objects/Scenery.h"
#include "game/objects/Weapon.h"
#include "game/render/BlurEffect.h"
#include "game/render/Hud.h"
#include "game/world/Scene.h"
#include "game/world/TileAppearance.h"
#include "game/world/TileFlags.h"
#include "game/world/World.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <algorithm>
#include <limits>
#include <vector>

SceneSeen GraphicsContext::DrawScene(const Scene& scene)
{
    sf::RenderWindow& target = window->window;
    const World& world = *scene.world;

    timeSlowed = scene.timeSlowed;
    ApplyLayerView(0);
    if (shadersAvailable && blur)
        blur->BeginFrame();
    DrawBackground(scene.backdrop ? 0 : 2);

    ApplyLayerView(1);
    for (const Scenery& piece : *scene.backgroundScenery)
        DrawObject(piece, TextureScenery, !piece.facingRight, 0, 120, piece.GetType().glows);
    ApplyLayerView(2);
    for (const Scenery& piece : *scene.foregroundScenery)
        DrawObject(piece, TextureScenery, !piece.facingRight, 0, 255, piece.GetType().glows);
    for (const Lift& lift : world.lifts)
        DrawObject(lift, TextureObject, false, 0, 255, false);
    DrawBackgroundParticles();
    SceneSeen seen;
    seen.nearestLava = DrawSceneTiles(world.tilemap, scene.lavaListener);
    for (const auto& entry : world.tilemap.GetFloors())
        DrawSceneFloor(world.tilemap, entry.second);
    for (const Enemy& enemy : world.enemies)
        if (enemy.counter > Enemy::AsleepCounter)
            DrawEnemy(enemy);
    if (scene.player)
        DrawPlayer(*scene.player, scene.frameCounter);
    for (const Weapon& weapon : world.playerWeapons)
        DrawObject(weapon, TextureItem, !weapon.facingRight, weapon.angle, 255, false);
    for (const Weapon& weapon : world.enemyWeapons)
        DrawObject(weapon, TextureItem, !weapon.facingRight, weapon.angle, 255, false);
    for (const Item& item : world.items)
        DrawObject(item, item.kind == 0 ? TextureSpecialTiles : TextureItem, false, 0, 255, false);
    DrawParticles();
    if (shadersAvailable && blur) {
        const sf::Sprite blurred = blur->Draw(target.getView());
        target.draw(blurred, sf::BlendAdd);
    }
    return seen;
}

std::optional<sf::Vector2f> GraphicsContext::DrawSceneTiles(const Tilemap& map,
                                                            const std::optional<sf::Vector2f>& listener)
{
    const sf::RenderWindow& target = window->window;
    const sf::View& view = target.getView();
    const int columns = static_cast<int>(map.Columns());
    const int rows = static_cast<int>(map.Rows());
    const int firstColumn = std::max(0, static_cast<int>(view.getCenter().x - view.getSize().x / 2) / 36);
    const int lastColumn = std::min(columns, firstColumn + 2 + static_cast<int>(target.getSize().x) / 36);
    const int firstRow = std::max(0, static_cast<int>(view.getCenter().y - view.getSize().y / 2) / 36);
    const int lastRow = std::min(rows, firstRow + 2 + static_cast<int>(target.getSize().y) / 36);

    std::vector<TilePos> special;
    std::optional<sf::Vector2f> lava;
    float nearest = std::numeric_limits<float>::max();
    for (int c = firstColumn; c < lastColumn; ++c) {
        for (int r = firstRow; r < lastRow; ++r) {
            DrawTile(map, true, static_cast<unsigned>(c), static_cast<unsigned>(r));
            const std::uint32_t flags = GetTileFlags(map.At(c, r).id);
            if (flags & TileFlag::Glow)
                special.emplace_back(c, r);
            if ((flags & TileFlag::LavaSound) && listener) {
                const sf::Vector2f centre(static_cast<float>(static_cast<int>((c + 0.5f) * 36)),
                                          static_cast<float>(static_cast<int>((r + 0.5f) * 36)));
                const float dx = centre.x - listener->x;
                const float dy = centre.y - listener->y;
                const float distance = dx * dx + dy * dy;
                if (!lava || distance < nearest) {
                    nearest = distance;
                    lava = centre;
                }
            }
        }
    }
    DrawSpecialTile(map, special);
    return lava;
}

void GraphicsContext::DrawSceneFloor(const Tilemap& map, const Floor& floor)
{
    sf::Uint8 alpha = 255;
    if (static_cast<std::uint32_t>(floor.x) < map.Columns() && static_cast<std::uint32_t>(floor.y) < map.Rows())
        alpha = GetTileDrawAlpha(map.At(static_cast<std::int32_t>(floor.x), static_cast<std::int32_t>(floor.y)));
    DrawFloor(floor, alpha);
}

void GraphicsContext::DrawHud(const PlayerStats& stats)
{
    if (showInterface && hud)
        hud->Draw(stats);
}
