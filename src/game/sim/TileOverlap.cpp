#include "game/sim/TileOverlap.h"

#include "game/objects/Collidable.h"

#include <cmath>

bool OverlapsTile(const Collidable& object, int col, int row, float a, float b, float c, float d) {
    const float left = object.Left() - object.stepMotionX;
    const float right = object.Right() - object.stepMotionX;
    const float cellLeft = static_cast<float>(col) * 36;
    const float cellTop = static_cast<float>(row) * 36;
    return cellLeft + 36 - c > left && right >= cellLeft + d &&
           cellTop + 36 - a > object.Top() && object.Bottom() >= cellTop + b;
}

bool OverlapsTileInner(const Collidable& object, int col, int row) {
    return OverlapsTile(object, col, row, 7, 7, 7, 7);
}

bool OverlapsTileTop(const Collidable& object, int col, int row) {
    return OverlapsTile(object, col, row, 0, 18, 0, 0);
}

bool IsNearTileCentre(const Collidable& object, int col, int row, float dx, float dy) {
    return std::fabs(object.x - (static_cast<float>(col) + 0.5f) * 36) <= dx &&
           std::fabs(object.y - (static_cast<float>(row) + 0.5f) * 36) <= dy;
}
