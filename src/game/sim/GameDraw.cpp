#include "game/sim/Game.h"

#include "app/Application.h"
#include "app/AudioManager.h"
#include "app/FrameDuration.h"
#include "app/GameWindow.h"
#include "app/ResourceIds.h"
#include "app/Title.h"
#include "game/objects/Player.h"
#include "game/render/BlurEffect.h"
#include "game/render/GraphicsContext.h"
#include "game/render/Hud.h"
#include "game/sim/GameServices.h"
#include "game/world/TileAppearance.h"
#include "game/world/TileFlags.h"
#include "game/world/World.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

bool Glows(std::int32_t kind)
{
    switch (kind) {
    case 19:
    case 29:
    case 30:
    case 31:
    case 32:
    case 33:
    case 42:
        return true;
    default:
        return false;
    }
}

}  // namespace

void Game::Draw()
{
    if (!window_ || !services_->HasDisplay())
        return;
    GraphicsContext& graphics = *Application::Instance().graphics;
    sf::RenderWindow& window = window_->window;

    graphics.timeSlowed = IsTimeSlowed();
    graphics.ApplyLayerView(0);
    if (graphics.shadersAvailable && graphics.blur)
        graphics.blur->BeginFrame();
    if (phase_ == PhaseBackdrop)
        window.clear(sf::Color(162, 107, 42));
    else
        graphics.DrawBackground(2);

    graphics.ApplyLayerView(1);
    for (const Scenery& piece : background_)
        graphics.DrawObject(piece, TextureScenery, !piece.facingRight, 0, 120, Glows(piece.kind));
    graphics.ApplyLayerView(2);
    for (const Scenery& piece : foreground_)
        graphics.DrawObject(piece, TextureScenery, !piece.facingRight, 0, 255, Glows(piece.kind));
    for (const Lift& lift : world_->lifts)
        graphics.DrawObject(lift, TextureObject, false, 0, 255, false);
    graphics.DrawBackgroundParticles();
    DrawTiles();
    world_->tilemap.ForEachFloor([this](Floor& floor) { DrawFloor(floor); });
    for (const Enemy& enemy : world_->enemies)
        if (enemy.counter > Enemy::AsleepCounter)
            graphics.DrawEnemy(enemy);
    if (phase_ != PhaseBackdrop && phase_ != PhaseLevelStart)
        graphics.DrawPlayer(*player_, frameCounter_);
    for (const Weapon& weapon : world_->playerWeapons)
        graphics.DrawObject(weapon, TextureItem, !weapon.facingRight, weapon.angle, 255, false);
    for (const Weapon& weapon : world_->enemyWeapons)
        graphics.DrawObject(weapon, TextureItem, !weapon.facingRight, weapon.angle, 255, false);
    for (const Item& item : world_->items)
        graphics.DrawObject(item, item.kind == 0 ? TextureSpecialTiles : TextureItem, false, 0, 255, false);
    graphics.DrawParticles();
    if (graphics.shadersAvailable && graphics.blur) {
        const sf::Sprite blurred = graphics.blur->Draw(window.getView());
        window.draw(blurred, sf::BlendAdd);
    }

    const sf::Uint8 alpha = GetFadeAlpha();
    graphics.DrawOverlay(alpha);
    if (phase_ != PhaseBackdrop && graphics.showInterface && graphics.hud)
        graphics.hud->Draw(player_->stats);

    switch (phase_) {
    case PhaseLevelStart:
        if (clock_.getElapsedTime() < FrameDuration * 100.f) {
            graphics.DrawMapOverview(world_->tilemap);
            DrawTitle(0, alpha);
        } else {
            frameCounter_ = -1;
        }
        break;
    case PhaseLevelCompleted:
    case PhaseLevelDone:
        DrawTitle(1, alpha);
        break;
    case PhasePaused:
        graphics.DrawOverlay(150);
        break;
    case PhaseGameOver:
        DrawTitle(2, 255);
        break;
    case PhaseVictory:
        graphics.DrawOverlay(alpha);
        break;
    default:
        break;
    }
}

void Game::DrawTitle(std::size_t index, sf::Uint8 alpha)
{
    if (index >= titles_.size())
        return;
    titles_[index].alpha = alpha;
    window_->window.draw(titles_[index]);
}

void Game::DrawTiles()
{
    GraphicsContext& graphics = *Application::Instance().graphics;
    const sf::RenderWindow& window = window_->window;
    const Tilemap& map = world_->tilemap;
    const sf::View& view = window.getView();
    const int columns = static_cast<int>(map.Columns());
    const int rows = static_cast<int>(map.Rows());
    const int firstColumn = std::max(0, static_cast<int>(view.getCenter().x - view.getSize().x / 2) / 36);
    const int lastColumn = std::min(columns, firstColumn + 2 + static_cast<int>(window.getSize().x) / 36);
    const int firstRow = std::max(0, static_cast<int>(view.getCenter().y - view.getSize().y / 2) / 36);
    const int lastRow = std::min(rows, firstRow + 2 + static_cast<int>(window.getSize().y) / 36);

    std::vector<TilePos> special;
    bool lavaFound = false;
    sf::Vector2f lava;
    float nearest = std::numeric_limits<float>::max();
    for (int c = firstColumn; c < lastColumn; ++c) {
        for (int r = firstRow; r < lastRow; ++r) {
            graphics.DrawTile(map, true, static_cast<unsigned>(c), static_cast<unsigned>(r));
            const std::uint32_t flags = GetTileFlags(map.At(c, r).id);
            if (flags & TileFlag::Glow)
                special.emplace_back(c, r);
            if ((flags & TileFlag::LavaSound) && phase_ != PhaseBackdrop && player_) {
                const sf::Vector2f centre(static_cast<float>(static_cast<int>((c + 0.5f) * 36)),
                                          static_cast<float>(static_cast<int>((r + 0.5f) * 36)));
                const float dx = centre.x - player_->x;
                const float dy = centre.y - player_->y;
                const float distance = dx * dx + dy * dy;
                if (!lavaFound || distance < nearest) {
                    lavaFound = true;
                    nearest = distance;
                    lava = centre;
                }
            }
        }
    }
    graphics.DrawSpecialTile(map, special);
    if (lavaFound && phase_ == PhasePlaying)
        services_->PlaySingleSound(SoundLava, lava.x, lava.y);
    else
        services_->PauseSingleSound(SoundLava);
}

void Game::DrawFloor(Floor& floor)
{
    GraphicsContext& graphics = *Application::Instance().graphics;
    const Tilemap& map = world_->tilemap;
    sf::Uint8 alpha = 255;
    if (static_cast<std::uint32_t>(floor.x) < map.Columns() && static_cast<std::uint32_t>(floor.y) < map.Rows())
        alpha = GetTileDrawAlpha(map.At(static_cast<std::int32_t>(floor.x), static_cast<std::int32_t>(floor.y)));
    graphics.DrawFloor(floor, alpha);
}
