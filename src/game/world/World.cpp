#include "game/world/World.h"

#include <map>
#include <utility>

namespace {

template <typename List>
void RepointLifts(List& objects, const World& source, World& copy)
{
    for (Collidable& object : objects)
        copy.RepointLift(object, source);
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

    RepointLifts(enemies, other, *this);
    RepointLifts(playerWeapons, other, *this);
    RepointLifts(enemyWeapons, other, *this);
    RepointLifts(items, other, *this);
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

void World::RepointLift(Collidable& object, const World& source)
{
    if (!object.lift)
        return;
    for (std::size_t i = 0; i < source.lifts.size() && i < lifts.size(); ++i)
        if (object.lift == static_cast<const LiftCarrier*>(&source.lifts[i])) {
            object.lift = &lifts[i];
            return;
        }
    object.lift = nullptr;
}
