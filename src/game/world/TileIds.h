#pragma once

#include <cstdint>

// The tile ids that mean more than their flags: the level loader, the level
// check and the level compiler read and place them.
constexpr std::uint32_t ItemBlockId = 1;
constexpr std::uint32_t InactiveCheckpointId = 5;
constexpr std::uint32_t ActiveCheckpointId = 6;
constexpr std::uint32_t LevelEndId = 7;
constexpr std::uint32_t WarpId = 8;
constexpr std::uint32_t SwitchId = 9;
constexpr std::uint32_t PressedSwitchId = 10;
constexpr std::uint32_t SwitchedBlockOnId = 11;
constexpr std::uint32_t SwitchedBlockOffId = 12;
constexpr std::uint32_t OneWayDownId = 19;
constexpr std::uint32_t SignId = 23;
// The solid block of the border ring.
constexpr std::uint32_t BorderBlockId = 24;

// The width in tiles of the ring at a playing level's edge that becomes the
// border.
constexpr std::int32_t BorderWidth = 2;
