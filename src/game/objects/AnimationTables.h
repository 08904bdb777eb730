#pragma once

#include "game/objects/Animation.h"

#include <array>
#include <cstdint>
#include <map>

// The constant animation tables, one entry per object kind, player pose or
// animated tile id. Entries that are not animated hold the one-frame default.

// By enemy kind; ticks = the enemy's animation counter / 2.
extern const std::array<Animation, 19> EnemyAnimations;
// By weapon kind; ticks = the weapon's age.
extern const std::array<Animation, 10> WeaponAnimations;
// By player pose: 0 running, 1 rising, 2 falling, 3 dying, 4 climbing, 5 standing.
extern const std::array<Animation, 6> PlayerAnimations;
// By scenery kind; ticks = the scenery counter / 2.
extern const std::array<Animation, 43> SceneryAnimations;
// The flame drawn beside the player during time distortion.
extern const Animation FlameAnimation;
// By tile id; ticks = the tile's counter. Looking up a missing id inserts a
// default entry (see GetTileAnimation).
extern std::map<std::uint32_t, Animation> TileAnimations;

// Player poses, the columns of the player texture.
enum PlayerPose : std::uint32_t {
    PoseRunning = 0,
    PoseRising = 1,
    PoseFalling = 2,
    PoseDying = 3,
    PoseClimbing = 4,
    PoseStanding = 5,
};
