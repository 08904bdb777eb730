#include "MovementFixture.h"

#include "app/PlayerStats.h"
#include "game/objects/Player.h"

#include <cmath>
#include <memory>

using namespace movement;

namespace {

// The slope's surface under x in the tile at (column, row).
float Surface(std::uint32_t id, int column, int row, float x) {
    const float u = x - 36.0f * static_cast<float>(column);
    return id == RisingSlope ? 36.0f * static_cast<float>(row) + 36 - u : 36.0f * static_cast<float>(row) + u;
}

struct SlopeCase {
    const char* name;
    std::uint32_t id;
    // Walks right (true) or left (false).
    bool right;
    // Uphill: starts on the floor below; downhill: on the plateau.
    bool uphill;
    bool player;
};

class SlopeTest : public MovementTest, public ::testing::WithParamInterface<SlopeCase> {};

// A one-tile slope at (8, 12) on the floor, with a plateau of walls on its
// high side; the box walks over it from one end to the other.
TEST_P(SlopeTest, BoxesFollowTheSurfaceAndPassOntoThePlateau) {
    const SlopeCase& param = GetParam();
    const bool plateauRight = param.id == RisingSlope;
    for (int c = plateauRight ? 9 : 2; c <= (plateauRight ? 17 : 7); ++c)
        Set(c, 12, Wall);
    Set(8, 12, param.id);

    const bool startHigh = !param.uphill;
    const float startX = plateauRight == startHigh ? CellCentre(11) : CellCentre(5);
    std::unique_ptr<Collidable> box;
    float steering = param.right ? 3.0f : -3.0f;
    if (param.player) {
        auto player = std::make_unique<Player>(PlayerStats{});
        steering = param.right ? Player::Acceleration : -Player::Acceleration;
        box = std::move(player);
    } else {
        box = std::make_unique<Probe>(0.0f, 0.0f);
    }
    box->x = startX;
    box->y = (startHigh ? 432 : FloorTop) - box->height / 2;
    box->facingRight = param.right;

    const std::int32_t slopeState = param.id == RisingSlope ? StateOnRisingSlope : StateOnFallingSlope;
    int onSlope = 0;
    for (int i = 0; i < 80; ++i) {
        Step(*box, steering, param.player);
        if (box->state == slopeState) {
            ++onSlope;
            EXPECT_EQ(static_cast<int>(box->x) / 36, 8);
            EXPECT_NEAR(box->Bottom(), Surface(param.id, 8, 12, box->x), 0.01f) << "step " << i;
        } else {
            EXPECT_EQ(box->state, StateOnGround) << "step " << i;
        }
    }
    EXPECT_GT(onSlope, 5);
    // It ends at the far end, on the level it walked to.
    const float endBottom = param.uphill ? 432 : FloorTop;
    EXPECT_EQ(box->Bottom(), endBottom);
    if (param.right)
        EXPECT_GT(box->x, CellCentre(10));
    else
        EXPECT_LT(box->x, CellCentre(6));
}

INSTANTIATE_TEST_SUITE_P(Cases, SlopeTest,
                         ::testing::Values(SlopeCase{"UpRising", RisingSlope, true, true, false},
                                           SlopeCase{"DownRising", RisingSlope, false, false, false},
                                           SlopeCase{"UpFalling", FallingSlope, false, true, false},
                                           SlopeCase{"DownFalling", FallingSlope, true, false, false},
                                           SlopeCase{"PlayerUpRising", RisingSlope, true, true, true},
                                           SlopeCase{"PlayerDownFalling", FallingSlope, true, false, true}),
                         [](const auto& c) { return std::string(c.param.name); });

TEST_F(MovementTest, ALandingOnASlopeSnapsToItsSurface) {
    Set(8, 12, RisingSlope);
    Probe probe(300, 300);
    probe.state = StateAirborne;
    for (int i = 0; i < 40 && probe.state != StateOnRisingSlope; ++i)
        Step(probe, 0);
    ASSERT_EQ(probe.state, StateOnRisingSlope);
    EXPECT_NEAR(probe.Bottom(), Surface(RisingSlope, 8, 12, 300), 0.001f);
    // Standing still on it, it stays put.
    for (int i = 0; i < 10; ++i)
        Step(probe, 0);
    EXPECT_EQ(probe.state, StateOnRisingSlope);
    EXPECT_EQ(probe.x, 300);
    EXPECT_NEAR(probe.Bottom(), Surface(RisingSlope, 8, 12, 300), 0.001f);
}

TEST_F(MovementTest, TheTileBesideASlopesHighEndIsOpened) {
    Set(8, 12, RisingSlope);
    Set(9, 12, Wall);
    Probe probe(CellCentre(8), Surface(RisingSlope, 8, 12, CellCentre(8)) - 15);
    probe.verticalSpeed = 1;
    collider.ResolveSlopes(probe);
    ASSERT_EQ(probe.state, StateOnRisingSlope);
    ASSERT_FALSE(probe.tileOverrides.empty());
    EXPECT_EQ(probe.tileOverrides[0].column, 9u);
    EXPECT_EQ(probe.tileOverrides[0].row, 12u);
    EXPECT_FALSE(probe.tileOverrides[0].blocks);
    EXPECT_FALSE(probe.IsBlocking(9, 12, PassSolid, false));
    // Without a slope the pass leaves the speed and motion as they were.
    Probe away(CellCentre(4), FloorTop - 15);
    away.verticalSpeed = 0.35f;
    away.stepMotionX = 2;
    collider.ResolveSlopes(away);
    EXPECT_EQ(away.verticalSpeed, 0.35f);
    EXPECT_EQ(away.stepMotionX, 2);
    EXPECT_EQ(away.state, StateOnGround);
}

TEST_F(MovementTest, AFlyingObjectMeetsASlopeAsAWall) {
    Set(8, 12, RisingSlope);
    Probe probe(287, FloorTop - 2 - 15);
    probe.flying = true;
    probe.state = StateAirborne;
    Step(probe, 3);
    EXPECT_EQ(probe.walls, 1);
    EXPECT_EQ(probe.x, 287);
    EXPECT_NE(probe.state, StateOnRisingSlope);
}

}  // namespace
