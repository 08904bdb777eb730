#pragma once

#include <cstdint>

// The tile ids that mean more than their flags: the level loader, the level
// check, the level compiler and the level tools read and place them.
constexpr std::uint32_t EmptyTileId = 0;
constexpr std::uint32_t ItemBlockId = 1;
// The power-up blocks, each holding its power-up.
constexpr std::uint32_t InvulnerabilityBlockId = 2;
constexpr std::uint32_t TimeDistortionBlockId = 3;
constexpr std::uint32_t JetpackBlockId = 4;
constexpr std::uint32_t InactiveCheckpointId = 5;
constexpr std::uint32_t ActiveCheckpointId = 6;
constexpr std::uint32_t LevelEndId = 7;
constexpr std::uint32_t WarpId = 8;
constexpr std::uint32_t SwitchId = 9;
constexpr std::uint32_t PressedSwitchId = 10;
constexpr std::uint32_t SwitchedBlockOnId = 11;
constexpr std::uint32_t SwitchedBlockOffId = 12;
constexpr std::uint32_t TrampolineId = 13;
constexpr std::uint32_t ExplodingBlockId = 14;
constexpr std::uint32_t TimedSpikesId = 15;
constexpr std::uint32_t SpikesId = 16;
// The one-way tiles: a door passed leftwards only, one passed rightwards
// only, a thin platform jumped through from below, and a drop floor that
// lets one fall through and stops what rises into it.
constexpr std::uint32_t LeftwardsDoorId = 17;
constexpr std::uint32_t RightwardsDoorId = 18;
constexpr std::uint32_t OneWayDownId = 19;
constexpr std::uint32_t DropFloorId = 20;
constexpr std::uint32_t CoinId = 21;
constexpr std::uint32_t EnemyBarrierId = 22;
constexpr std::uint32_t SignId = 23;
// The solid block of the border ring.
constexpr std::uint32_t BorderBlockId = 24;

// The width in tiles of the ring at a playing level's edge that becomes the
// border.
constexpr std::int32_t BorderWidth = 2;

// The deadly tiles: a swamp, lava with its surface, an electric floor, and
// deep lava.
constexpr std::uint32_t SwampId = 198;
constexpr std::uint32_t LavaId = 212;
constexpr std::uint32_t ElectricFloorId = 226;
constexpr std::uint32_t DeepLavaId = 240;
