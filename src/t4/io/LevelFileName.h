#pragma once

#include <cstdint>
#include <string>

// The name of a level file inside the level archive: "Lvl/Level 1-3.txt".
std::string LevelFileName(std::uint16_t world, std::uint16_t level);
