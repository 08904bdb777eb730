#pragma once

#include "game/objects/Collidable.h"
#include "game/sim/TileCollider.h"
#include "game/sim/TileMovement.h"
#include "game/world/Tile.h"
#include "game/world/World.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace movement {

// Tile ids used by the scenes.
constexpr std::uint32_t Empty = 0;
constexpr std::uint32_t LeftwardsOnly = 17;
constexpr std::uint32_t RightwardsOnly = 18;
constexpr std::uint32_t Platform = 19;
constexpr std::uint32_t SolidFromBelow = 20;
constexpr std::uint32_t Wall = 100;
constexpr std::uint32_t RisingSlope = 128;
constexpr std::uint32_t FallingSlope = 142;
constexpr std::uint32_t WalkerSolid = 156;
constexpr std::uint32_t Ladder = 164;

// 20 x 15 tiles with the two-tile solid border: the floor's top is at
// y = 468 (row 13), the inner columns are 2 to 17.
constexpr int Columns = 20;
constexpr int Rows = 15;
constexpr float FloorTop = 468;

inline float CellCentre(int cell) { return 36.0f * static_cast<float>(cell) + 18; }

// A plain moving box with adjustable behaviour that counts its callbacks.
class Probe : public Collidable {
public:
    Probe(float x_, float y_, float width_ = 20, float height_ = 30) : Collidable(x_, y_, width_, height_, true) {}

    sf::IntRect GetTextureRect() const override { return {}; }
    void Update(bool slowed) override {
        ++updates;
        lastSlowed = slowed;
    }
    void HitWall() override { ++walls; }
    void HitCeiling() override {
        ++ceilings;
        Collidable::HitCeiling();
    }
    float GetMaxSpeed() const override { return maxSpeed; }
    float GetJumpStrength() const override { return 8; }
    bool IsFlying() const override { return flying; }

    float maxSpeed = 3;
    bool flying = false;
    int walls = 0;
    int ceilings = 0;
    int updates = 0;
    bool lastSlowed = false;
};

class MovementTest : public ::testing::Test {
protected:
    MovementTest() {
        world.tilemap.Resize(Columns, Rows);
        world.tilemap.InitBorder();
        collider.SetWorld(&world);
    }

    void Set(int column, int row, std::uint32_t id) {
        Tile& tile = world.tilemap.At(column, row);
        tile.id = id;
        tile.counter = 0;
        CreateTileProperty(tile, false);
    }

    // One step as the world update gives it: friction, steering, the move.
    void Step(Collidable& object, float steering, bool isPlayer = false, bool slowed = false) {
        object.ApplyFriction();
        object.acceleration = steering;
        MoveAgainstTiles(collider, object, isPlayer, slowed);
    }

    World world;
    TileCollider collider;
};

}  // namespace movement
