#pragma once

#include "game/objects/Enemy.h"
#include "game/objects/Item.h"
#include "game/objects/Lift.h"
#include "game/objects/Weapon.h"
#include "game/world/Tilemap.h"

#include <list>
#include <vector>

// Everything of a level that changes while it is played. The game keeps a
// second one as the checkpoint snapshot; a copy is deep and independent of
// its source: the copy's tiles wake the copy's enemies, and the copy's
// objects ride the copy's lifts.
class World {
public:
    World();
    World(const World& other);
    World& operator=(const World& other);
    World(World&& other) noexcept = default;
    World& operator=(World&& other) noexcept = default;
    ~World();

    // Empties the map (keeping its size) and every list.
    void Clear();

    // Points an object of a copy of `source` that rides one of the source's
    // lifts at the lift of the same index here (null when there is none).
    void RepointLift(Collidable& object, const World& source);

    Tilemap tilemap;
    std::vector<Lift> lifts;
    // A list, so that the tile links keep pointing at the same enemies.
    std::list<Enemy> enemies;
    std::list<Weapon> playerWeapons;
    std::list<Weapon> enemyWeapons;
    std::list<Item> items;
};
