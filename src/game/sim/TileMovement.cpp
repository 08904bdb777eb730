#include "game/sim/TileMovement.h"

#include "game/objects/Collidable.h"
#include "game/objects/Enemy.h"
#include "game/objects/Player.h"
#include "game/sim/TileCollider.h"

#include <algorithm>
#include <cmath>

void MoveAgainstTiles(TileCollider& collider, Collidable& object, bool isPlayer, bool slowed) {
    const bool halved = slowed && !isPlayer;

    const std::int32_t state = object.state;
    const bool onLift = state == StateCaughtByLift || state == StateRidingLift;
    if (!onLift && !object.IsFlying() && state != StateClimbing && state != StateFrozen) {
        object.verticalSpeed += halved ? Gravity / 2 : Gravity;
        object.verticalSpeed = std::min(object.verticalSpeed, halved ? MaxFallSpeed / 2 : MaxFallSpeed);
    }

    collider.CarryOnLifts(object, slowed);
    object.Move(halved);
    object.BeginMove();

    collider.RecordTouchedTiles(object);
    collider.ResolveSlopes(object);
    collider.ResolveSlopeCorners(object);
    collider.ResolveSlopeCornersRight(object);
    collider.ResolveSlopeUndersides(object);
    collider.ResolveSolids(object);

    object.Update(halved);
}

bool IsStomp(const Player& player, const Enemy& enemy) {
    float enemyMotion = enemy.verticalSpeed;
    const float along = std::fabs(enemy.stepMotionX);
    if (enemy.state == StateOnRisingSlope)
        enemyMotion = enemy.facingRight ? -along : along;
    else if (enemy.state == StateOnFallingSlope)
        enemyMotion = enemy.facingRight ? along : -along;

    const float relative = player.verticalSpeed - enemyMotion;
    return relative > 0 && enemy.Top() <= player.Bottom() && player.Bottom() - relative < enemy.Top()
        && !player.IsOnSlope();
}
