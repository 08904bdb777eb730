#pragma once

#include "levelc/LevelSource.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace levelc {

// A level file before it is written: its sections in file order, each data
// line as the texts of its tokens. The checksum is added by the writer.
struct CompiledLevel {
    struct Section {
        std::string name;
        std::vector<std::vector<std::string>> lines;
    };

    std::uint16_t world = 0;
    std::uint16_t level = 0;
    std::string title;
    std::vector<Section> sections;
};

// Turns a level source into a level file's content. Throws LevelSourceError,
// naming the source line, for everything that the game's level loader would
// refuse and, for a playing level (world 1 and up), for everything that the
// game's level check would refuse: one active checkpoint with a floor under
// it, a level-end flag, paths for the moving lifts. A backdrop level (world
// 0) must have a solid outer ring and a size that suits the menus. Things
// that the border pass of a playing level would overwrite are reported as
// warnings ("file:line: warning: ...").
CompiledLevel CompileLevel(const LevelSource& source, std::vector<std::string>& warnings);

// Sizes that keep every menu's widgets on screen behind a backdrop level.
constexpr std::uint32_t BackdropMinColumns = 28;
constexpr std::uint32_t BackdropMaxColumns = 36;
constexpr std::uint32_t BackdropMinRows = 25;
constexpr std::uint32_t BackdropMaxRows = 29;

}  // namespace levelc
