#include "game/sim/Game.h"

#include "app/ResourceIds.h"
#include "game/objects/Animation.h"
#include "game/objects/ItemKind.h"
#include "game/objects/Player.h"
#include "game/sim/GameServices.h"
#include "game/sim/TileMovement.h"
#include "game/world/FrameProperty.h"
#include "game/world/MultiProperty.h"
#include "game/world/TileAppearance.h"
#include "game/world/TileFlags.h"
#include "game/world/World.h"
#include "kest/RandomEngine.h"

#include <SFML/Config.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

struct ItemPopup {
    int preset;
    int colour;
    const char* text;
};

// By item kind: the burst, the popup colour and the popup text.
const std::array<ItemPopup, 12> ItemPopupTable = {{
    {7, 2, nullptr},
    {8, 0, "+1 Life"},
    {9, 1, "+1 Energy"},
    {10, 2, "Rocket"},
    {10, 2, "Rolling Bomb"},
    {10, 2, "Mine"},
    {10, 2, "3 Rockets"},
    {10, 2, "3 Rolling Bombs"},
    {10, 2, "3 Mines"},
    {3, 3, "Titan Suit"},
    {4, 4, "Time Distortion Suit"},
    {11, 5, "Jetpack Suit"},
}};

// (weight, item kind) of the items that defeated enemies drop.
std::vector<std::pair<int, int>> ItemDropTable;

void BuildItemDropTable()
{
    if (!ItemDropTable.empty())
        return;
    ItemDropTable = {{1, 8}, {1, 6}, {1, 7}, {10, 5}, {10, 3}, {10, 4}, {50, 0}, {20, 2}};
}

bool Overlaps(const Collidable& a, const Collidable& b)
{
    return a.Left() < b.Right() && b.Left() < a.Right() && a.Top() < b.Bottom() && b.Top() < a.Bottom();
}

const Tile& TileAt(const World& world, float x, float y)
{
    return world.tilemap.AtOrEmpty(static_cast<std::uint32_t>(static_cast<std::int32_t>(x) / 36),
                                   static_cast<std::uint32_t>(static_cast<std::int32_t>(y) / 36));
}

void KnockAway(Enemy& enemy, float fromX, float fromY, float lift, float speed)
{
    const float dx = enemy.x - fromX;
    const float dy = enemy.y - lift - fromY;
    const float length = std::sqrt(dx * dx + dy * dy);
    // An enemy exactly at the striker's point flies straight up instead of
    // getting a speed of not-a-number.
    if (length > 0) {
        enemy.horizontalSpeed = speed * dx / length;
        enemy.verticalSpeed = speed * dy / length;
    } else {
        enemy.horizontalSpeed = 0;
        enemy.verticalSpeed = -speed;
    }
}

void Kill(Enemy& enemy, std::int32_t mode)
{
    enemy.deathMode = mode;
    enemy.counter = 1;
    enemy.stepMotionX = 0;
}

}  // namespace

FrameProperty* FindFrameProperty(Tile& tile);

FrameProperty* FindFrameProperty(Tile& tile)
{
    TileProperty* property = tile.property.get();
    if (auto* frame = dynamic_cast<FrameProperty*>(property))
        return frame;
    if (auto* multi = dynamic_cast<MultiProperty*>(property))
        for (TilePropertyPtr& part : multi->parts)
            if (auto* frame = dynamic_cast<FrameProperty*>(part.get()))
                return frame;
    return nullptr;
}

bool Game::IsTimeSlowed() const
{
    return phase_ != PhaseBackdrop && player_ && player_->stats.powerUpMode == PlayerStats::TimeDistortion;
}

void Game::MoveAgainstTiles(Collidable& object, bool isPlayer)
{
    ::MoveAgainstTiles(collider_, object, isPlayer, IsTimeSlowed());
}

void Game::UpdateWorld()
{
    const bool slowed = IsTimeSlowed();
    if (phase_ == PhaseBackdrop) {
        UpdateEnemies();
        UpdateEnemyWeapons();
        UpdateItems();
        for (Lift& lift : world_->lifts)
            lift.Update(slowed);
    } else {
        bool gameOver = false;
        if (player_->hurtTimer >= 100) {
            Respawn(true);
            gameOver = phase_ == PhaseGameOver;
        }
        if (!gameOver) {
            collider_.recording = true;
            MoveAgainstTiles(*player_, true);
            HandlePlayerContacts();
            collider_.recording = false;
            if (player_->state == StateRidingLift && player_->lift)
                static_cast<Lift*>(player_->lift)->triggerTimer = 1;
        }
        UpdateEnemies();
        UpdatePlayerWeapons();
        UpdateEnemyWeapons();
        UpdateItems();
        UpdateLifts();
    }
    UpdateScenery();
    RemoveDeadObjects();

    if (phase_ != PhaseBackdrop && player_->stats.powerUpMode == PlayerStats::TimeDistortion &&
        (frameCounter_ & 1) != 0)
        return;
    // Every tile of the map, each step: straight down the columns (a checked
    // lookup per tile would cost most of a step in the biggest levels).
    Tilemap& map = world_->tilemap;
    const std::uint32_t columns = map.Columns();
    for (std::uint32_t c = 0; c < columns; ++c) {
        for (Tile& tile : map.Column(c)) {
            const std::uint32_t flags = GetTileFlags(tile.id);
            const bool counterRuns = (flags & TileFlag::CounterRuns) != 0;
            const bool switchBlock = (flags & TileFlag::SolidAtFrame0) != 0;
            if (!counterRuns && !switchBlock) {
                ++tile.counter;
                continue;
            }
            FrameProperty* frame = FindFrameProperty(tile);
            if (!frame || frame->frame == 0)
                continue;
            if (!counterRuns) {
                if (++frame->frame >= 320)
                    frame->frame = 0;
                continue;
            }
            const bool fading = (flags & TileFlag::Fading) != 0;
            const std::int32_t period =
                fading ? 120 : static_cast<std::int32_t>(GetTileAnimation(tile).GetPeriod());
            if (++frame->frame >= period)
                frame->frame = 0;
            tile.counter = fading && frame->frame > 28 ? 0 : frame->frame;
        }
    }
}

void Game::UpdateEnemies()
{
    bool stomped = false;
    for (Enemy& enemy : world_->enemies) {
        if (enemy.counter < Enemy::WakingCounter)
            continue;
        enemy.ApplyFriction();
        if (enemy.IsAlive()) {
            enemy.acceleration = enemy.facingRight ? enemy.GetAcceleration() : -enemy.GetAcceleration();
            MoveAgainstTiles(enemy, false);
            const EnemyType& type = enemy.GetType();
            if (enemy.fireTimer < 1) {
                enemy.ReloadFireTimer();
                if (type.weapon != WeaponNone)
                    FireEnemyWeapon(enemy, type.weapon);
            }
            const Tile& centre = TileAt(*world_, enemy.x, enemy.y);
            if (enemy.kind != 3 && (GetTileFlags(centre.id) & TileFlag::Deadly) != 0) {
                Kill(enemy, Enemy::DeathBurnt);
                SpawnDebris(enemy.x, enemy.y, enemy.width, enemy.height);
            } else if (IsTileSolid(centre)) {
                Kill(enemy, Enemy::DeathKilled);
            }
            if (phase_ != PhaseBackdrop && enemy.IsAlive() && Overlaps(enemy, *player_) && player_->hurtTimer < 1 &&
                player_->warpCounter < 1) {
                if (IsStomp(*player_, enemy) && !type.stompProof) {
                    Kill(enemy, Enemy::DeathStomped);
                    ShowScorePopup(static_cast<std::int16_t>(type.value), enemy.x, enemy.y);
                    services_->PlaySound(SoundEnemy, 0, 0, 0, 0);
                    stomped = true;
                } else if (player_->stats.powerUpMode == PlayerStats::Invulnerability) {
                    Kill(enemy, Enemy::DeathKilled);
                    ShowScorePopup(static_cast<std::int16_t>(type.value), enemy.x, enemy.y);
                    KnockAway(enemy, player_->x, player_->y, 5, 25);
                    services_->PlaySound(SoundEnemy, 0, 0, 0, 0);
                    if (enemy.kind == Enemy::FallerKind)
                        world_->tilemap.UnlinkEnemyEverywhere(&enemy);
                } else {
                    HurtPlayer();
                }
            }
        } else {
            if (enemy.counter == 1 && enemy.kind == Enemy::FallerKind && enemy.deathMode != Enemy::DeathBurnt) {
                SpawnBurst(27, 20, enemy.x, enemy.Bottom(), 0, 0);
                services_->PlaySound(SoundFaller, enemy.x, enemy.y, 0, 0);
            }
            MoveAgainstTiles(enemy, false);
        }
    }
    if (stomped) {
        if (jumpHeld_)
            player_->Bounce(1.0f, true);
        else
            player_->Bounce(0.3f, false);
    }
}

void Game::UpdatePlayerWeapons()
{
    for (Weapon& weapon : world_->playerWeapons) {
        weapon.ApplyFriction();
        weapon.acceleration = weapon.facingRight ? weapon.GetAcceleration() : -weapon.GetAcceleration();
        MoveAgainstTiles(weapon, true);

        bool hitEnemy = false;
        for (Enemy& enemy : world_->enemies) {
            if (!enemy.IsAlive() || !Overlaps(weapon, enemy))
                continue;
            hitEnemy = true;
            weapon.hit = true;
            Kill(enemy, Enemy::DeathKilled);
            KnockAway(enemy, weapon.x, weapon.y, 6, 12);
            ShowScorePopup(static_cast<std::int16_t>(enemy.GetType().value), enemy.x, enemy.y);
        }

        bool hitBlock = false;
        if (!hitEnemy) {
            const float m = weapon.stepMotionX;
            // A weapon narrower or lower than a pixel still samples its box
            // once per edge instead of looping without end.
            const float stepX = std::max(weapon.width, 1.0f);
            const float stepY = std::max(weapon.height, 1.0f);
            // Every block that a sample point finds is released: a weapon
            // striking two blocks at once opens both.
            for (float sx = weapon.Left() - m; sx < weapon.Right() - m + 0.1f; sx += stepX) {
                for (float sy = weapon.Top(); sy < weapon.Bottom() + 0.1f; sy += stepY) {
                    const int column = static_cast<int>(sx + 2 * m) / 36;
                    const int row = static_cast<int>(sy) / 36;
                    if (column < 0 || row < 0 || static_cast<std::uint32_t>(column) >= world_->tilemap.Columns() ||
                        static_cast<std::uint32_t>(row) >= world_->tilemap.Rows())
                        continue;
                    Tile& tile = world_->tilemap.At(column, row);
                    if (tile.id >= 1 && tile.id <= 4 && IsTileSolid(tile)) {
                        SpawnItem(tile, column, row);
                        weapon.hit = true;
                        hitBlock = true;
                    }
                }
            }
        }

        bool inDeadly = false;
        bool hitExploding = false;
        const int cx = static_cast<int>(weapon.x) / 36;
        const int cy = static_cast<int>(weapon.y) / 36;
        if (cx >= 0 && cy >= 0 && static_cast<std::uint32_t>(cx) < world_->tilemap.Columns() &&
            static_cast<std::uint32_t>(cy) < world_->tilemap.Rows()) {
            Tile& centre = world_->tilemap.At(cx, cy);
            if ((GetTileFlags(centre.id) & TileFlag::Deadly) != 0) {
                inDeadly = true;
                weapon.hit = true;
                SpawnDebris(weapon.x, weapon.y, weapon.width, weapon.height);
            } else if (centre.id == 14) {
                centre.id = 0;
                centre.counter = 0;
                CreateTileProperty(centre, false);
                weapon.hit = true;
                hitExploding = true;
            }
        }

        if (weapon.hit && !inDeadly) {
            float driftX = 0;
            float driftY = 0;
            if (weapon.kind == WeaponMine) {
                driftY = -12;
            } else if (!hitEnemy && !hitBlock && !hitExploding) {
                driftX = weapon.facingRight ? -10.f : 10.f;
                driftY = weapon.IsOnSlope() ? -12.f : 0.f;
            }
            SpawnBurst(12, 100, weapon.x - driftX, weapon.y - driftY, driftX, driftY);
            SpawnBurst(21, 15, weapon.x - driftX, weapon.y - driftY, driftX, driftY);
            services_->PlaySound(SoundExplosion, weapon.x, weapon.y, 0, 0);
        }
    }
}

void Game::UpdateEnemyWeapons()
{
    for (Weapon& shot : world_->enemyWeapons) {
        shot.ApplyFriction();
        shot.acceleration = shot.facingRight ? shot.GetAcceleration() : -shot.GetAcceleration();
        MoveAgainstTiles(shot, false);
        if (phase_ != PhaseBackdrop && player_->hurtTimer < 1 && player_->warpCounter < 1 &&
            Overlaps(shot, *player_)) {
            shot.hit = true;
            HurtPlayer();
        }
        if (shot.hit && shot.kind >= 6 && shot.kind <= 9)
            SpawnBurst(23 + (shot.kind - 6), 20, shot.x, shot.y, 0, 0);
        if (shot.verticalSpeed > 0 && (GetTileFlags(TileAt(*world_, shot.x, shot.y).id) & TileFlag::Deadly) != 0) {
            shot.hit = true;
            SpawnDebris(shot.x, shot.y, shot.width, shot.height);
        }
    }
}

void Game::UpdateItems()
{
    for (Item& item : world_->items) {
        item.ApplyFriction();
        item.acceleration = item.facingRight ? item.GetAcceleration() : -item.GetAcceleration();
        MoveAgainstTiles(item, false);
        if (phase_ != PhaseBackdrop && player_->hurtTimer < 1 && player_->warpCounter < 1 &&
            Overlaps(item, *player_)) {
            ApplyItem(item.kind, item.x, item.y);
            item.expired = true;
        } else if ((GetTileFlags(TileAt(*world_, item.x, item.y).id) & TileFlag::Deadly) != 0) {
            SpawnDebris(item.x, item.y, item.width, item.height);
            item.expired = true;
        }
    }
}

void Game::UpdateLifts()
{
    const bool slowed = IsTimeSlowed();
    for (Lift& lift : world_->lifts)
        lift.Update(slowed);
}

void Game::UpdateScenery()
{
    const bool slowed = IsTimeSlowed();
    for (Scenery& piece : foreground_)
        piece.Update(slowed, Scenery::ForegroundSwing);
    for (Scenery& piece : background_)
        piece.Update(slowed, Scenery::BackgroundSwing);
}

void Game::RemoveDeadObjects()
{
    for (Enemy& enemy : world_->enemies)
        if (enemy.IsDeathOver() && (enemy.deathMode == Enemy::DeathStomped || enemy.deathMode == Enemy::DeathKilled))
            DropItem(static_cast<std::int16_t>(enemy.GetType().value), enemy.x, enemy.y);
    for (auto it = world_->enemies.begin(); it != world_->enemies.end();) {
        if (it->IsDeathOver()) {
            // A removed enemy must not stay linked to a tile that would
            // later wake it.
            world_->tilemap.UnlinkEnemyEverywhere(&*it);
            it = world_->enemies.erase(it);
        } else {
            ++it;
        }
    }
    world_->playerWeapons.remove_if([](const Weapon& w) { return w.hit; });
    world_->enemyWeapons.remove_if([](const Weapon& w) { return w.hit; });
    world_->items.remove_if([](const Item& i) { return i.expired; });
}

void Game::DropItem(std::int16_t chance, float x, float y)
{
    BuildItemDropTable();
    const int r = kest::randomInt(0, 300);
    if (r >= chance)
        return;
    int p = kest::randomInt(1, 103);
    for (const auto& entry : ItemDropTable) {
        p -= entry.first;
        if (p <= 0) {
            world_->items.emplace_back(entry.second, IsTimeSlowed(), x, y + 10);
            return;
        }
    }
}

void Game::ApplyItem(int kind, float x, float y)
{
    const std::uint16_t coins = player_->stats.coins;
    player_->Collect(kind);
    if (player_->stats.coins < coins)
        ShowPopup(ItemLife, x, y);
    ShowPopup(kind, x, y);
    PlayPowerUpJingle(kind);
    if (kind >= 3 && kind <= 11)
        UnlockExtra(kind);
}

void Game::ShowPopup(int kind, float x, float y)
{
    if (kind < 0 || static_cast<std::size_t>(kind) >= ItemPopupTable.size())
        return;
    const ItemPopup& row = ItemPopupTable[static_cast<std::size_t>(kind)];
    SpawnBurst(row.preset, kind == 11 ? 30 : 10, x, y, 0, 0);
    if (row.text)
        services_->ShowPopupText(row.colour, row.text, x, y);
    switch (kind) {
    case 0:
        services_->PlaySound(SoundCoin, 0, 0, 0, 0);
        break;
    case 1:
        services_->PlaySound(SoundLife, 0, 0, 0, 0);
        break;
    case 2:
        services_->PlaySound(SoundEnergy, 0, 0, 0, 0);
        break;
    case 9:
    case 10:
    case 11:
        break;
    default:
        services_->PlaySound(SoundItem, 0, 0, 0, 0);
        break;
    }
}

void Game::PlayPowerUpJingle(int kind)
{
    if (kind == 9)
        services_->PlayJingle(MusicInvulnerability);
    else if (kind == 10)
        services_->PlayJingle(MusicTimeDistortion);
    else if (kind == 11)
        services_->PlayJingle(MusicJetpack);
}

void Game::ShowScorePopup(std::int16_t points, float x, float y)
{
    player_->stats.totalCoins = static_cast<std::uint32_t>(player_->stats.totalCoins + static_cast<std::int32_t>(points));
    services_->ShowPopupText(6, std::to_string(points), x, y);
}

void Game::SpawnBurst(int preset, int count, float x, float y, float driftX, float driftY)
{
    for (int i = 0; i < count; ++i) {
        const float radius = kest::randomFloat(0, 10);
        const float angle = kest::randomFloat(0, 360) * 0.017453292f;
        const float dx = radius * std::cos(angle);
        const float dy = radius * std::sin(angle);
        services_->SpawnEffect(preset, nullptr, x + driftX + dx, y + driftY + dy, 0.2f * (driftX + dx),
                               0.2f * (driftY + dy));
    }
}

void Game::SpawnDebris(float x, float y, float w, float h)
{
    const int count = static_cast<int>(w * h / 20);
    for (int i = 0; i < count; ++i) {
        const float px = kest::randomDeviation(x, w / 2);
        const float py = kest::randomDeviation(y, h / 2) + 4;
        services_->SpawnEffect(28, nullptr, px, py, 0, kest::randomFloat(-1, -0.3f));
    }
}

void Game::AddLevelBonus()
{
    // Counted wide, so that many lives or much ammunition can neither turn
    // the bonus negative nor carry the score past its largest value.
    PlayerStats& s = player_->stats;
    const std::uint64_t ammo = std::uint64_t{s.ammunition[0]} + s.ammunition[1] + s.ammunition[2];
    const std::uint64_t bonus = 5 * (5 * std::uint64_t{s.lives} + s.hearts) + 50 * ammo;
    constexpr std::uint64_t highest = std::numeric_limits<std::uint32_t>::max();
    s.totalCoins = static_cast<std::uint32_t>(std::min(highest, s.totalCoins + bonus));
}
