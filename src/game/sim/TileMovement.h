#pragma once

class Collidable;
class Enemy;
class Player;
class TileCollider;

// Pixels per step per step, and the fall speed limit in pixels per step.
constexpr float Gravity = 0.35f;
constexpr float MaxFallSpeed = 11.7231f;

// One simulation step of one object against the tile grid: gravity, lifts,
// the object's own motion, the tile passes, then the object's own update.
// isPlayer is true for the player and its weapons (never slowed); slowed is
// whether time distortion is on (the game's IsTimeSlowed).
void MoveAgainstTiles(TileCollider& collider, Collidable& object, bool isPlayer, bool slowed);

// Whether the player lands on the enemy in this step.
bool IsStomp(const Player& player, const Enemy& enemy);
