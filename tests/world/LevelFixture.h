#pragma once

// Level files written by hand for the loader tests, packed into a
// Data/Levels.vrk of the current working directory with the level password.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace worldtest {

using Line = std::vector<std::string>;
using Section = std::pair<std::string, std::vector<Line>>;

// A level file: the title, the sections as given and a "Checksum" section
// with the right chained checksum (or `checksumDelta` added to it).
std::string MakeLevelText(const std::vector<Section>& sections, std::uint32_t checksumDelta = 0);

// Writes Data/Levels.vrk holding the given entries.
void WriteLevelArchive(const std::vector<std::pair<std::string, std::string>>& files);

// A small valid level: 4 x 3 tiles, one enemy woken by a tile, a floor, a
// warp, a sign, a lift and scenery.
std::vector<Section> SmallLevel();

}  // namespace worldtest
