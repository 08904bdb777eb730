#include "game/sim/Game.h"

#include "app/ResourceIds.h"
#include "game/objects/Player.h"
#include "game/sim/GameServices.h"
#include "game/world/World.h"

void Game::ControlPlayer(const PlayerInput& input)
{
    Player& player = *player_;
    player.ApplyFriction();
    if (player.hurtTimer > 0 || player.warpCounter > 0)
        return;

    const auto held = [this](KeyAction action) {
        const sf::Keyboard::Key key = services_->KeyForAction(action);
        return key != sf::Keyboard::Unknown && services_->IsKeyHeld(key);
    };

    if (held(KeyActionLeft))
        player.acceleration = -player.GetAcceleration();
    if (held(KeyActionRight))
        player.acceleration = player.GetAcceleration();

    if (input.jumpPressed && player.Jump(1.0f))
        services_->PlaySound(SoundJump, 0, 0, 0, 0);

    if (input.jumpReleased) {
        player.jumpLatch = false;
        if (player.rising) {
            player.rising = false;
            const float v = player.verticalSpeed;
            player.verticalSpeed = v * v / 22 + v;
        }
    }

    const bool atLadder = player.state == StateClimbing || player.state == StateAtLadderAirborne ||
                          player.state == StateAtLadderStanding;
    if (atLadder && player.jumpTimer == 0) {
        if (held(KeyActionUp)) {
            player.verticalSpeed = -player.GetMaxSpeed();
            player.state = StateClimbing;
        }
        if (held(KeyActionDown)) {
            player.verticalSpeed = player.GetMaxSpeed();
            player.state = StateClimbing;
        }
    }

    if (held(KeyActionJetpack) && player.stats.powerUpMode == PlayerStats::Jetpack)
        player.Thrust();

    const bool pressed[3] = {input.rocket, input.rollingBomb, input.mine};
    for (int kind = 0; kind < 3; ++kind) {
        std::uint16_t& count = player.stats.ammunition[static_cast<std::size_t>(kind)];
        if (pressed[kind] && count > 0) {
            --count;
            FireWeapon(kind);
        }
    }
}

void Game::FireWeapon(int kind)
{
    const Player& player = *player_;
    world_->playerWeapons.emplace_back(kind, player.x, player.y, player.facingRight);
    Weapon& weapon = world_->playerWeapons.back();
    static const std::uint32_t sounds[3] = {SoundRocket, SoundRollingBomb, SoundMine};
    services_->PlaySound(sounds[kind], weapon.x, weapon.y, weapon.stepMotionX, weapon.verticalSpeed);
}

void Game::FireEnemyWeapon(const Enemy& enemy, int kind)
{
    const float y = enemy.Top() + enemy.GetType().shotHeight;
    world_->enemyWeapons.emplace_back(kind, enemy.x, y, enemy.facingRight);
    const Weapon& shot = world_->enemyWeapons.back();
    std::uint32_t sound;
    switch (kind) {
    case 3:
        sound = SoundArrow;
        break;
    case 4:
    case 5:
        sound = SoundFireball;
        break;
    case 6:
    case 7:
        sound = SoundDarkball;
        break;
    case 8:
    case 9:
        sound = SoundUfo;
        break;
    default:
        return;
    }
    services_->PlaySound(sound, shot.x, shot.y, shot.stepMotionX, shot.verticalSpeed);
}
