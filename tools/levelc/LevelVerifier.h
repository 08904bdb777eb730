#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace levelc {

// A level packed into an archive, with the source it came from.
struct PackedLevel {
    std::uint16_t world = 0;
    std::uint16_t level = 0;
    std::string source;
};

// Loads every level from the archive bytes with the game's own level
// loader, in a scratch working directory, and runs the game's level check
// on the playing levels (world 1 and up). Returns one message per refused
// level ("<source>: the game refuses the compiled level: <why>").
std::vector<std::string> VerifyPackedLevels(const std::string& archive, const std::vector<PackedLevel>& levels);

}  // namespace levelc
