#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace levelc {

// Where a part of a level source was written.
struct SourcePlace {
    std::string file;
    int line = 0;
};

// An enemy standing in a map cell (or hanging from its top).
struct EnemySpec {
    std::int32_t kind = 0;
    bool facingRight = true;
    bool hanging = false;
    // The tiles that wake it name this group.
    std::string group;
};

// A piece of scenery standing in a map cell, moved by an offset in pixels.
// A background piece placed "behind" is put where it shows standing in that
// cell while the player walks past it there, although its layer moves by
// half the camera.
struct ScenerySpec {
    bool foreground = true;
    std::int32_t kind = 0;
    bool facingRight = true;
    float offsetX = 0;
    float offsetY = 0;
    bool behind = false;
};

// A lift whose top lies on the top of its map cell; its path in pixels.
struct LiftSpec {
    std::int32_t kind = 0;
    std::vector<std::pair<std::int32_t, std::int32_t>> waypoints;
};

// What one map character stands for: a tile with its floor, blending,
// property and links, and the objects placed in its cell.
struct LegendEntry {
    char symbol = ' ';
    SourcePlace place;
    std::uint32_t tileId = 0;
    std::int32_t floorId = -1;
    bool blend = true;
    bool hasItem = false;
    std::int32_t item = 0;
    bool hasText = false;
    std::string text;
    // Cells named alike can be the target of a warp or a switch.
    std::string name;
    // A warp's one target cell, or the cells a switch acts on.
    std::string target;
    std::string targets;
    std::vector<std::string> wakes;
    std::vector<EnemySpec> enemies;
    std::vector<ScenerySpec> scenery;
    std::vector<LiftSpec> lifts;
};

// A level as its author wrote it: a character map with a legend.
//
//   // comment
//   level 1-2
//   title Mossy Hollow
//   background 0
//   include forest.legend
//   legend
//   # = tile 100 floor 0
//   E = enemy 0 left group a
//   T = bg 1 behind
//   | = wake a
//   end
//   map
//   ########
//   #..|.E.#
//   ########
//   end
struct LevelSource {
    std::string file;
    std::uint16_t world = 0;
    std::uint16_t level = 0;
    std::string title;
    std::int32_t background = 0;
    SourcePlace levelPlace;
    SourcePlace backgroundPlace;
    std::map<char, LegendEntry> legend;
    // Map rows from the top; every row has the same length.
    std::vector<std::string> rows;
    std::vector<int> rowLines;
    SourcePlace mapPlace;
};

// Reads a level source file and the legend files it includes (paths
// relative to the including file). Throws LevelSourceError.
LevelSource ReadLevelSource(const std::string& path);

// Parses a level source held in memory; includes are read from includeDir.
LevelSource ParseLevelSource(const std::string& text, const std::string& fileName,
                             const std::string& includeDir = ".");

}  // namespace levelc
