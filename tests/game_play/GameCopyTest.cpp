#include "GamePlayFixture.h"

#include "app/GameLogicError.h"

#include <vector>

namespace {

struct Trace {
    std::vector<float> values;
    GamePhase phase;
    std::int32_t counter;
    std::uint32_t randomX;
    std::uint32_t randomCarry;
};

// Steps the game with Right held and Jump pressed now and then, and records
// what the simulation reached.
Trace RunRight(Game& game, FakeServices& services, int steps)
{
    const sf::Keyboard::Key right = services.KeyForAction(KeyActionRight);
    const sf::Keyboard::Key jump = services.KeyForAction(KeyActionJump);
    services.held.insert(right);
    for (int i = 0; i < steps; ++i) {
        if (i % 40 == 0)
            services.Press(jump);
        if (i % 40 == 20)
            services.Release(jump);
        game.Update();
    }
    Trace trace;
    const Player& player = *game.GetPlayer();
    trace.values = {player.x, player.y, player.horizontalSpeed, player.verticalSpeed,
                    static_cast<float>(player.state), static_cast<float>(player.stats.totalCoins)};
    for (const Lift& lift : game.GetWorld().lifts)
        trace.values.insert(trace.values.end(), {lift.GetPosition().x, lift.GetPosition().y});
    for (const Enemy& enemy : game.GetWorld().enemies)
        trace.values.insert(trace.values.end(), {enemy.x, enemy.y, static_cast<float>(enemy.counter)});
    trace.values.push_back(static_cast<float>(game.GetWorld().items.size()));
    trace.phase = game.GetPhase();
    trace.counter = game.GetFrameCounter();
    trace.randomX = kest::RandomEngine::global().x();
    trace.randomCarry = kest::RandomEngine::global().carry();
    return trace;
}

}  // namespace

// A copy taken while the player rides a lift, stepped first, ends where the
// original ends from the same random state; the copy touches nothing of the
// original on the way.
TEST_F(GamePlay, CopiedGameStepsLikeTheOriginal)
{
    Start(1, 1);
    StartPlaying();
    // A lift going back and forth under the player, an enemy ahead.
    Lift& lift = TheWorld().lifts.emplace_back(Lift::BackAndForth, 200, 380);
    lift.waypoints.push_back({144, 0});
    StandAt(200);
    ThePlayer().y = 380 - ThePlayer().height / 2 - 2;
    ThePlayer().state = StateAirborne;
    AddEnemy(WalkerKind(false), 650);
    Step(5);
    ASSERT_NE(ThePlayer().lift, nullptr);

    FakeServices copyServices;
    copyServices.profiles = services.profiles;
    Game copy(*game, copyServices);
    EXPECT_EQ(copy.GetPlayer()->lift, &copy.GetWorld().lifts.back());
    EXPECT_EQ(copy.GetCollider().world, &copy.GetWorld());
    EXPECT_NE(copy.GetSnapshot(), game->GetSnapshot());

    const kest::RandomEngine saved = kest::RandomEngine::global();
    const Trace copied = RunRight(copy, copyServices, 160);
    kest::RandomEngine::global() = saved;
    const Trace original = RunRight(*game, services, 160);

    EXPECT_EQ(copied.values, original.values);
    EXPECT_EQ(copied.phase, original.phase);
    EXPECT_EQ(copied.counter, original.counter);
    EXPECT_EQ(copied.randomX, original.randomX);
    EXPECT_EQ(copied.randomCarry, original.randomCarry);
    // The run went somewhere: the player left the lift and moved on.
    EXPECT_GT(original.values[0], 400.f);
}
