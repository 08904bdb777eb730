#include "GamePlayFixture.h"

#include "app/ResourceIds.h"

#include <cmath>

class Control : public GamePlay {
protected:
    void SetUp() override
    {
        Start();
        Room();
        StartPlaying();
        StandAt(300);
        Step();  // settle on the floor
        services.sounds.clear();
    }
};

TEST_F(Control, JumpOncePerPressAndReleaseCutsTheRise)
{
    services.Press(sf::Keyboard::F);
    Step();
    EXPECT_EQ(services.CountSound(SoundJump), 1);
    EXPECT_TRUE(ThePlayer().rising);
    EXPECT_LT(ThePlayer().verticalSpeed, -9);
    EXPECT_TRUE(game->IsJumpHeld());

    // Land again while the key stays down: no second jump.
    for (int i = 0; i < 80; ++i)
        Step();
    ASSERT_EQ(ThePlayer().state, StateOnGround);
    services.Press(sf::Keyboard::F);
    Step();
    EXPECT_EQ(services.CountSound(SoundJump), 1);

    services.Release(sf::Keyboard::F);
    Step();
    services.Press(sf::Keyboard::F);
    Step();
    EXPECT_EQ(services.CountSound(SoundJump), 2);

    // The cut of a rise at -10: v * v / 22 + v.
    Player& player = ThePlayer();
    player.rising = true;
    player.verticalSpeed = -10;
    PlayerInput release;
    release.jumpReleased = true;
    game->ControlPlayer(release);
    EXPECT_NEAR(player.verticalSpeed, -5.4545f, 1e-3);
    EXPECT_FALSE(player.rising);
    EXPECT_FALSE(player.jumpLatch);
    // Released while falling: only the latch.
    player.verticalSpeed = 4;
    player.jumpLatch = true;
    game->ControlPlayer(release);
    EXPECT_FLOAT_EQ(player.verticalSpeed, 4);
    EXPECT_FALSE(player.jumpLatch);
}

TEST_F(Control, HeldKeysSteerClimbAndThrust)
{
    Player& player = ThePlayer();
    const PlayerInput none;
    services.held = {sf::Keyboard::Left, sf::Keyboard::Right};
    game->ControlPlayer(none);
    EXPECT_FLOAT_EQ(player.acceleration, 0.5f);  // Right wins

    services.held = {sf::Keyboard::Up, sf::Keyboard::Down};
    player.state = StateAtLadderStanding;
    player.jumpTimer = 0;
    game->ControlPlayer(none);
    EXPECT_EQ(player.state, StateClimbing);
    EXPECT_FLOAT_EQ(player.verticalSpeed, 3.7f);  // Down wins

    player.state = StateAtLadderStanding;
    player.verticalSpeed = 0;
    player.jumpTimer = 4;
    game->ControlPlayer(none);
    EXPECT_EQ(player.state, StateAtLadderStanding);  // just jumped: no climbing
    EXPECT_FLOAT_EQ(player.verticalSpeed, 0);

    services.held = {sf::Keyboard::E};
    player.thrusting = false;
    game->ControlPlayer(none);
    EXPECT_FALSE(player.thrusting);  // no jetpack suit
    player.stats.powerUpMode = PlayerStats::Jetpack;
    game->ControlPlayer(none);
    EXPECT_TRUE(player.thrusting);
    EXPECT_FLOAT_EQ(player.verticalSpeed, -0.55f);

    // A rebinding takes effect at once.
    services.Bind(KeyActionLeft, sf::Keyboard::J);
    services.held = {sf::Keyboard::J};
    game->ControlPlayer(none);
    EXPECT_FLOAT_EQ(player.acceleration, -0.5f);
}

TEST_F(Control, DyingOrWarpingIgnoresKeysButKeepsFriction)
{
    Player& player = ThePlayer();
    services.held = {sf::Keyboard::Right};
    PlayerInput input;
    input.jumpPressed = true;
    input.rocket = true;
    player.stats.ammunition = {3, 0, 0};
    for (int blocker = 0; blocker < 2; ++blocker) {
        player.hurtTimer = blocker == 0 ? 5 : 0;
        player.warpCounter = blocker == 1 ? 10 : 0;
        player.horizontalSpeed = 3;
        player.acceleration = 0;
        game->ControlPlayer(input);
        EXPECT_FLOAT_EQ(player.acceleration, 0) << blocker;
        EXPECT_LT(std::fabs(player.horizontalSpeed), 3) << blocker;
    }
    EXPECT_EQ(player.stats.ammunition[0], 3);
    EXPECT_TRUE(services.sounds.empty());
    // Protection after a hit does not block control.
    player.hurtTimer = -50;
    player.warpCounter = 0;
    game->ControlPlayer(input);
    EXPECT_FLOAT_EQ(player.acceleration, 0.5f);
}

TEST_F(Control, FiringUsesAmmunition)
{
    Player& player = ThePlayer();
    player.stats.ammunition = {1, 0, 2};
    player.facingRight = false;
    services.Press(sf::Keyboard::D);  // rocket
    services.Press(sf::Keyboard::S);  // rolling bomb: none left
    services.Press(sf::Keyboard::A);  // mine
    PlayerInput input;
    for (sf::Keyboard::Key key : {sf::Keyboard::D, sf::Keyboard::S, sf::Keyboard::A})
        game->ApplyKeyAction(key, input);
    services.events.clear();
    game->ControlPlayer(input);
    EXPECT_EQ(player.stats.ammunition[0], 0);
    EXPECT_EQ(player.stats.ammunition[1], 0);
    EXPECT_EQ(player.stats.ammunition[2], 1);
    ASSERT_EQ(TheWorld().playerWeapons.size(), 2u);
    const Weapon& rocket = TheWorld().playerWeapons.front();
    EXPECT_EQ(rocket.kind, 0);
    EXPECT_FLOAT_EQ(rocket.x, player.x);
    EXPECT_LT(rocket.stepMotionX, 0);  // facing left
    EXPECT_EQ(TheWorld().playerWeapons.back().kind, 2);
    EXPECT_EQ(services.CountSound(SoundRocket), 1);
    EXPECT_EQ(services.CountSound(SoundRollingBomb), 0);
    EXPECT_EQ(services.CountSound(SoundMine), 1);

    // With nothing left the key is ignored silently.
    services.sounds.clear();
    game->ControlPlayer(input);
    EXPECT_EQ(player.stats.ammunition[0], 0);
    EXPECT_EQ(services.CountSound(SoundRocket), 0);
}

TEST_F(Control, EnemyShotsStartBelowTheTopWithTheirSound)
{
    const std::uint32_t sounds[] = {SoundArrow, SoundFireball, SoundFireball, SoundDarkball,
                                    SoundDarkball, SoundUfo, SoundUfo};
    Enemy& enemy = AddEnemy(WalkerKind(false), 500);
    for (int kind = 3; kind <= 9; ++kind) {
        services.sounds.clear();
        game->FireEnemyWeapon(enemy, kind);
        ASSERT_EQ(services.sounds.size(), 1u) << kind;
        EXPECT_EQ(services.sounds[0], sounds[kind - 3]) << kind;
        const Weapon& shot = TheWorld().enemyWeapons.back();
        EXPECT_FLOAT_EQ(shot.x, enemy.x);
        EXPECT_FLOAT_EQ(shot.y, enemy.Top() + enemy.GetType().shotHeight);
        EXPECT_EQ(shot.kind, kind);
    }
    EXPECT_EQ(TheWorld().enemyWeapons.size(), 7u);
}
