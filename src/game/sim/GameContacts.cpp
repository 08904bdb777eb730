#include "game/sim/Game.h"

#include "app/ProfileStore.h"
#include "app/ResourceIds.h"
#include "game/objects/Player.h"
#include "game/sim/GameServices.h"
#include "game/sim/TileOverlap.h"
#include "game/world/FrameProperty.h"
#include "game/world/ItemProperty.h"
#include "game/world/TargetProperty.h"
#include "game/world/TextProperty.h"
#include "game/world/TileAppearance.h"
#include "game/world/TileFlags.h"
#include "game/world/World.h"

#include <cmath>
#include <set>
#include <vector>

FrameProperty* FindFrameProperty(Tile& tile);

namespace {

sf::Vector2f TileCentre(int column, int row)
{
    return sf::Vector2f(36 * (static_cast<float>(column) + 0.5f), 36 * (static_cast<float>(row) + 0.5f));
}

std::int32_t FrameOf(Tile& tile)
{
    const FrameProperty* frame = FindFrameProperty(tile);
    return frame ? frame->frame : 0;
}

void SetFrame(Tile& tile, std::int32_t value)
{
    if (FrameProperty* frame = FindFrameProperty(tile))
        frame->frame = value;
}

// The tile takes a new id with a fresh property and a counter of 0.
void ChangeTile(Tile& tile, std::uint32_t id)
{
    tile.id = id;
    tile.counter = 0;
    CreateTileProperty(tile, false);
}

bool FindTile(const Tilemap& map, std::uint32_t id, int& column, int& row)
{
    for (std::uint32_t c = 0; c < map.Columns(); ++c)
        for (std::uint32_t r = 0; r < map.Rows(); ++r)
            if (map.At(static_cast<std::int32_t>(c), static_cast<std::int32_t>(r)).id == id) {
                column = static_cast<int>(c);
                row = static_cast<int>(r);
                return true;
            }
    return false;
}

bool InMap(const Tilemap& map, std::int32_t column, std::int32_t row)
{
    return column >= 0 && row >= 0 && static_cast<std::uint32_t>(column) < map.Columns() &&
           static_cast<std::uint32_t>(row) < map.Rows();
}

}  // namespace

void Game::HandlePlayerContacts()
{
    Player& player = *player_;
    Tilemap& map = world_->tilemap;
    bool ladder = false;
    // Contacts may change tiles but never the record itself.
    const TileCollider::TouchedTileMap& touched = collider_.touchedTiles;
    for (const auto& entry : touched) {
        const int column = entry.first.x;
        const int row = entry.first.y;
        if (!InMap(map, column, row))
            continue;
        TriggerTile(column, row);
        Tile& tile = map.At(column, row);
        const std::uint32_t flags = GetTileFlags(tile.id);
        const bool deadly = (flags & TileFlag::Deadly) != 0;
        if (!(player.hurtTimer < 1 && player.warpCounter < 1) && !deadly)
            continue;
        const sf::Vector2f centre = TileCentre(column, row);
        if (deadly) {
            if (OverlapsTileInner(player, column, row) && player.shown)
                KillPlayer(true);
        } else if (flags & TileFlag::ItemBlock) {
            if (entry.second == TileCollider::ContactCeiling)
                SpawnItem(tile, column, row);
            else if (OverlapsTileInner(player, column, row) && IsTileSolid(tile))
                KillPlayer(false);
        } else if (flags & TileFlag::Fading) {
            if (FrameOf(tile) == 0) {
                if (entry.second == TileCollider::ContactFloor)
                    SetFrame(tile, 1);
                if (OverlapsTileInner(player, column, row))
                    KillPlayer(false);
            }
        } else if (flags & TileFlag::Climbable) {
            if (std::fabs(player.x - centre.x) <= 8 && std::fabs(player.y - centre.y) <= 20) {
                ladder = true;
                if (player.state != StateClimbing) {
                    const bool standing = player.state == StateOnGround || player.IsOnSlope() || player.lift;
                    player.state = standing ? StateAtLadderStanding : StateAtLadderAirborne;
                }
            }
        } else if (flags & (TileFlag::RisingSlope | TileFlag::FallingSlope)) {
            if (player.thrusting && player.IsOnSlope()) {
                player.verticalSpeed = 0;
                player.state = StateAirborne;
            }
        } else {
            TouchTile(entry.second, column, row);
        }
    }
    if (player.warpCounter == -1)
        player.warpCounter = 0;
    if (!ladder && (player.state == StateClimbing || player.state == StateAtLadderAirborne ||
                    player.state == StateAtLadderStanding))
        player.state = StateAirborne;
}

void Game::TriggerTile(int column, int row)
{
    Tilemap& map = world_->tilemap;
    const Tilemap::EnemySet linked = map.GetLinkedEnemies(column, row);
    if (linked.empty())
        return;
    for (Enemy* enemy : linked) {
        if (enemy->kind == Enemy::FallerKind && enemy->counter == Enemy::HangingCounter)
            enemy->counter = 0;
        else if (enemy->counter < Enemy::WakingCounter)
            enemy->counter = Enemy::WakingCounter;
    }
    map.RemoveEnemyLinks(linked, map.At(column, row));
    map.EraseLinks(column, row);
}

void Game::TouchTile(std::int32_t contact, int column, int row)
{
    Player& player = *player_;
    Tilemap& map = world_->tilemap;
    Tile& tile = map.At(column, row);
    const sf::Vector2f centre = TileCentre(column, row);
    switch (tile.id) {
    case 5: {
        int oldColumn = 0;
        int oldRow = 0;
        if (FindTile(map, 6, oldColumn, oldRow))
            ChangeTile(map.At(oldColumn, oldRow), 5);
        ChangeTile(tile, 6);
        services_->PlaySound(SoundCheckpoint, 0, 0, 0, 0);
        TakeSnapshot();
        break;
    }
    case 7:
        if (contact == TileCollider::ContactInside) {
            frameCounter_ = StartCounter;
            phase_ = PhaseLevelEnd;
        }
        break;
    case 8:
        if (contact == TileCollider::ContactInside && player.warpCounter == 0) {
            const std::set<TilePos>& targets = tile.GetTargetProperty().targets;
            // A warp without a target leads nowhere: it is not entered.
            if (targets.empty())
                break;
            const TilePos target = *targets.begin();
            player.warpSource = sf::Vector2f(player.x, centre.y + 18 - player.height / 2);
            const sf::Vector2f to = TileCentre(target.x, target.y);
            player.warpTarget = sf::Vector2f(to.x, to.y + 18 - player.height / 2);
            player.warpCounter = 1;
            services_->PlaySound(SoundWarp, 0, 0, 0, 0);
        }
        break;
    case 9:
        if (contact == TileCollider::ContactFloor && FrameOf(tile) == 0) {
            const std::set<TilePos> targets = tile.GetTargetProperty().targets;
            for (const TilePos& pos : targets) {
                if (!InMap(map, pos.x, pos.y))
                    continue;
                Tile& target = map.At(pos.x, pos.y);
                if (&target == &tile)
                    continue;
                if (target.id == 11)
                    ChangeTile(target, 12);
                else if (target.id == 12)
                    ChangeTile(target, 11);
                else if (target.id == 9 || target.id == 10)
                    FlipSwitch(target);
            }
            FlipSwitch(tile);
            services_->PlaySound(SoundSwitch, 0, 0, 0, 0);
        }
        break;
    case 13:
        if (contact == TileCollider::ContactFloor) {
            player.Bounce(1.5f, false);
            SetFrame(tile, 1);
            services_->PlaySound(SoundTrampoline, 0, 0, 0, 0);
        }
        break;
    case 14:
        if (player.hurtTimer == 0) {
            ChangeTile(tile, 0);
            HurtPlayer();
            SpawnBurst(12, 100, centre.x, centre.y, 0, 0);
            SpawnBurst(21, 15, centre.x, centre.y, 0, 0);
            services_->PlaySound(SoundHeavyExpl, 0, 0, 0, 0);
        }
        break;
    case 15:
        if (OverlapsTileTop(player, column, row) && GetTileAnimationStep(tile) < 2)
            HurtPlayer();
        break;
    case 16:
        if (OverlapsTileTop(player, column, row))
            HurtPlayer();
        break;
    case 21:
        if (OverlapsTileInner(player, column, row)) {
            ChangeTile(tile, 0);
            ApplyItem(ItemCoin, centre.x, centre.y);
        }
        break;
    case 23:
        if (IsNearTileCentre(player, column, row, 16, 20))
            services_->ShowSignText(tile.GetTextProperty().text, centre.x, centre.y - 35);
        break;
    default:
        break;
    }
}

void Game::FlipSwitch(Tile& tile)
{
    const std::set<TilePos> targets = tile.GetTargetProperty().targets;
    ChangeTile(tile, tile.id == 9 ? 10 : 9);
    tile.GetTargetProperty().targets = targets;
}

void Game::HurtPlayer()
{
    Player& player = *player_;
    if (player.hurtTimer != 0 || player.stats.powerUpMode == PlayerStats::Invulnerability)
        return;
    player.spawnProtection = false;
    if (player.stats.hearts <= 1) {
        player.stats.hearts = 0;
        if (player.hurtTimer < 1)
            player.hurtTimer = 1;
        player.shown = true;
        services_->PlaySound(SoundDie, 0, 0, 0, 0);
    } else {
        --player.stats.hearts;
        player.hurtTimer = -100;
        services_->PlaySound(SoundHurt, 0, 0, 0, 0);
    }
}

void Game::KillPlayer(bool burnt)
{
    Player& player = *player_;
    if (player.hurtTimer < 1 && player.warpCounter < 1) {
        services_->PlaySound(SoundDie, 0, 0, 0, 0);
        if (burnt)
            SpawnDebris(player.x, player.y, player.width, player.height);
    }
    player.stats.hearts = 0;
    if (player.hurtTimer < 1)
        player.hurtTimer = 1;
    player.shown = !burnt;
}

void Game::Respawn(bool lifeLost)
{
    Player& player = *player_;
    phase_ = PhaseSpawning;
    frameCounter_ = 0;
    if (lifeLost) {
        player.ApplyFriction();
        if (player.stats.lives > 0)
            --player.stats.lives;
        player.lift = nullptr;
        player.shown = true;
        player.spawnProtection = true;
        player.rising = false;
        player.jumpLatch = false;
        player.stats.powerUpMode = PlayerStats::NoPowerUp;
        player.hurtTimer = -30;
        player.stats.hearts = 3;
        if (player.stats.lives == 0) {
            phase_ = PhaseGameOver;
            services_->RestartMusic();
            services_->PlayJingle(MusicGameOver);
            return;
        }
        RestoreCheckpoint();
    }
    services_->ClearEffects();
    services_->PlaySound(SoundSpawn, 0, 0, 0, 0);
    services_->PlayMainMusic();
    int column = 0;
    int row = 0;
    if (FindTile(world_->tilemap, 6, column, row)) {
        player.x = 36 * (static_cast<float>(column) + 0.5f);
        player.y = 36 * (static_cast<float>(row) + 0.5f) + 18 - player.height / 2;
    }
}

void Game::SpawnItem(Tile& tile, int column, int row)
{
    int kind;
    int preset;
    switch (tile.id) {
    case 1:
        kind = tile.GetItemProperty().item;
        preset = 20;
        break;
    case 2:
        kind = ItemInvulnerability;
        preset = 17;
        break;
    case 3:
        kind = ItemTimeDistortion;
        preset = 18;
        break;
    case 4:
        kind = ItemJetpack;
        preset = 19;
        break;
    default:
        return;
    }
    const sf::Vector2f centre = TileCentre(column, row);
    if (IsValidItemKind(kind)) {
        const int count = kind == ItemCoin ? 4 : 1;
        for (int i = 0; i < count; ++i)
            world_->items.emplace_back(kind, IsTimeSlowed(), centre.x, centre.y);
    }
    if (tile.id == 1)
        ChangeTile(tile, 0);
    else
        SetFrame(tile, 1);
    SpawnBurst(preset, 25, centre.x, centre.y, 0, 0);
    services_->PlaySound(SoundBlock, 0, 0, 0, 0);
}

void Game::UnlockExtra(int kind)
{
    std::uint32_t bit;
    switch (kind) {
    case ItemRocket:
        bit = Profile::EquipmentRocket;
        break;
    case ItemRollingBomb:
        bit = Profile::EquipmentRollingBomb;
        break;
    case ItemMine:
        bit = Profile::EquipmentMine;
        break;
    case ItemJetpack:
        bit = Profile::EquipmentJetpack;
        break;
    default:
        return;
    }
    CurrentProfile().equipment |= bit;
    services_->Profiles().SaveProfiles();
}
