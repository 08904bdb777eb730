#include "game/world/World.h"

#include <map>
#include <utility>

namespace {

// Points an object that rides one of the source's lifts at the lift of the
// same index in the copy.
void RepointLift(Collidable& object, const std::vector<Lift>& sourceLifts, std::vector<Lift>& lifts)
{
    if (!object.lift)
        return;
    for (std::size_t i = 0; i < sourceLifts.size() && i < lifts.size(); ++i)
        if (object.lift == static_cast<const LiftCarrier*>(&sourceLifts[i])) {
            object.lift = &lifts[i];
            return;
        }
}

template <typename List>
void RepointLifts(List& objects, const std::vector<Lift>& sourceLifts, std::vector<Lift>& lifts)
{
    for (Collidable& object : objects)
        RepointLift(object, sourceLifts, lifts);
}

}  // namespace

World::World() = default;

World::World(const World& other)
    : tilemap(other.tilemap),
      lifts(other.lifts),
      enemies(other.enemies),
      playerWeapons(other.playerWeapons),
      enemyWeapons(other.enemyWeapons),
      items(other.items)
{
    // The tile links still name the source's enemies: point them at the
    // enemy at the same place of this world's list.
    std::map<const Enemy*, Enemy*> images;
    auto copy = enemies.begin();
    for (const Enemy& source : other.enemies)
        images.emplace(&source, &*copy++);
    tilemap.RemapLinks(images);

    RepointLifts(enemies, other.lifts, lifts);
    RepointLifts(playerWeapons, other.lifts, lifts);
    RepointLifts(enemyWeapons, other.lifts, lifts);
    RepointLifts(items, other.lifts, lifts);
}

World& World::operator=(const World& other)
{
    if (this != &other) {
        World copy(other);
        *this = std::move(copy);
    }
    return *this;
}

World::~World() = default;

void World::Clear()
{
    tilemap.Clear();
    lifts.clear();
    enemies.clear();
    playerWeapons.clear();
    enemyWeapons.clear();
    items.clear();
}
