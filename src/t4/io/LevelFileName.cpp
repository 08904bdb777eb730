#include "t4/io/LevelFileName.h"

std::string LevelFileName(std::uint16_t world, std::uint16_t level)
{
    return "Lvl/Level " + std::to_string(world) + "-" + std::to_string(level) + ".txt";
}
