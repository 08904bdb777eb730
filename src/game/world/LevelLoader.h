#pragma once

#include "t4/io/memoryreader.h"
#include "t4/io/token_container.h"

#include <cstdint>
#include <list>
#include <memory>
#include <set>
#include <string>
#include <vector>

class Enemy;
class Scenery;
class World;

// Reads one level file of the level archive into a world, the game's two
// scenery lists and its background index. Every failure leaves all of them
// empty and becomes one ResourceException whose message names the level:
// "Failed to load level W-L", followed by "\n   Incorrect checksum." for a
// wrong checksum, by "\n   Invalid data" for a broken file, and by nothing
// for any other failure (no archive, no such level, a tile outside the map).
// The log names the cause of every failure too.
class LevelLoader {
public:
    LevelLoader(World* world, std::vector<Scenery>* foreground, std::vector<Scenery>* background,
                short* backgroundIndex);
    ~LevelLoader();
    LevelLoader(const LevelLoader&) = delete;
    LevelLoader& operator=(const LevelLoader&) = delete;

    // Loads "Lvl/Level <world>-<level>.txt" from "Data/Levels.vrk".
    void Load(std::uint16_t world, std::uint16_t level);

    // Empties the world (map, lifts, enemies, weapons, items) and both
    // scenery lists; the map keeps its size.
    void ClearTargets();
    // Releases the reader and empties the targets.
    void Close();

private:
    void LoadSections();
    // Logs the cause of a failed load, which the message leaves out, and
    // closes.
    void Fail(const std::string& failure, const std::string& cause);
    void ReadGeneralSection();
    void ReadEnemiesSection();
    void ReadTilesSection();
    void ReadLiftsSection();
    void ReadScenerySection(std::vector<Scenery>* target);
    void ReadChecksumSection();
    // The next data line of the current section, fed to the checksum; false
    // at the section's end.
    bool ReadLine(t4::token_container& tokens);
    // The same without the checksum.
    bool NextLine(t4::token_container& tokens);

    std::vector<std::string> sectionNames_;
    std::unique_ptr<t4::memoryreader> reader_;
    World* world_;
    std::vector<Scenery>* foreground_;
    std::vector<Scenery>* background_;
    short* backgroundIndex_;
    std::uint32_t checksumSeed_;
    std::uint32_t checksum_;
    bool matched_;
    // The enemies read so far, in file order, for the tiles' links.
    std::vector<Enemy*> enemyOrder_;
    bool generalRead_;
    bool ended_;
    // The sections met so far: each may appear once.
    std::set<std::string> sectionsRead_;
};
