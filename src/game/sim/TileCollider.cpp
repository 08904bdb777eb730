#include "game/sim/TileCollider.h"

#include "game/objects/Collidable.h"
#include "game/objects/Lift.h"
#include "game/world/Tile.h"
#include "game/world/TileFlags.h"
#include "game/world/World.h"

#include <algorithm>

namespace {

constexpr float TileSize = 36;

// A coordinate's cell: the float truncated to an integer, then divided by
// the tile size. Far-off or non-finite values are held to a range that
// cannot overflow; such cells lie outside every grid.
int Cell(float value) {
    if (!(value > -1e9f))
        value = -1e9f;
    else if (value > 1e9f)
        value = 1e9f;
    return static_cast<int>(value) / 36;
}

float Edge(int cell) { return TileSize * static_cast<float>(cell); }

float ToFloat(const Lift::Fraction& value) {
    return static_cast<float>(value.numerator()) / static_cast<float>(value.denominator());
}

void Override(Collidable& object, int column, int row, bool blocks) {
    object.tileOverrides.push_back(
        TileOverride{static_cast<std::uint32_t>(column), static_cast<std::uint32_t>(row), blocks});
}

}  // namespace

TileCollider::TileCollider() : recording(false), world(nullptr), lifts(nullptr) {}

void TileCollider::SetWorld(World* liveWorld) {
    world = liveWorld;
    lifts = liveWorld ? &liveWorld->lifts : nullptr;
}

int TileCollider::Columns() const {
    return world ? static_cast<int>(world->tilemap.Columns()) : 0;
}

int TileCollider::Rows() const {
    return world && world->tilemap.Columns() > 0 ? static_cast<int>(world->tilemap.Rows()) : 0;
}

std::uint32_t TileCollider::TileFlagsAt(int column, int row) const {
    if (!world)
        return 0;
    const Tile& tile = world->tilemap.AtOrEmpty(static_cast<std::uint32_t>(column), static_cast<std::uint32_t>(row));
    return GetTileFlags(tile.id);
}

bool TileCollider::IsRisingSlope(int column, int row) const {
    return (TileFlagsAt(column, row) & TileFlag::RisingSlope) != 0;
}

bool TileCollider::IsFallingSlope(int column, int row) const {
    return (TileFlagsAt(column, row) & TileFlag::FallingSlope) != 0;
}

bool TileCollider::Blocks(const Collidable& object, int column, int row, bool vertical) const {
    if (!world)
        return false;
    const auto c = static_cast<std::uint32_t>(column);
    const auto r = static_cast<std::uint32_t>(row);
    return object.IsBlocking(c, r, GetPassKind(world->tilemap.AtOrEmpty(c, r)), vertical);
}

void TileCollider::CarryOnLifts(Collidable& object, bool slowed) {
    if (object.state != StateRidingLift)
        object.lift = nullptr;
    if (object.IsFlying() || !lifts)
        return;

    for (Lift& lift : *lifts) {
        const sf::Vector2f position = lift.GetPosition();
        const sf::Vector2f size = lift.GetSize();
        const float liftLeft = position.x - size.x / 2;
        const float liftRight = position.x + size.x / 2;
        const float liftTop = position.y - size.y / 2;
        const float m = object.stepMotionX;
        const bool across = liftLeft <= object.Right() + m && object.Left() + m <= liftRight;
        // Neither caught nor riding it: the lift does nothing to the object,
        // so its motion (exact fractions, costly in a level of many lifts) is
        // not worked out.
        if (!across && object.lift != &lift)
            continue;
        const Lift::Motion motion = lift.GetCarryMotion(slowed, true);
        const float dx = ToFloat(motion.first);
        float dy = ToFloat(motion.second);

        const float v = std::max(object.verticalSpeed, 0.0f);
        const float bottom = object.Bottom();
        const bool caught =
            liftTop <= bottom + v + 0.001f && bottom - (object.verticalSpeed - dy) - 0.001f <= liftTop;
        // An object that starts a jump this very step is not caught.
        const bool jumping = object.verticalSpeed == std::min(-object.GetJumpStrength(), -0.001f);
        if (across && caught && !jumping) {
            object.state = StateCaughtByLift;
            object.lift = &lift;
            object.verticalSpeed = 0;
            object.y = liftTop - object.height / 2;
            if (lift.IsFalling())
                dy += Lift::GetFallAcceleration();
            object.stepMotionX += dx;
            object.verticalSpeed += dy;
        }

        // A lift standing at a waypoint: the rider takes its motion anew.
        const bool atWaypoint = lift.wait <= 1 && lift.progress == Lift::Fraction(0, 1);
        if (atWaypoint && object.lift == &lift && !object.IsRising()
            && !(!recording && object.GetMaxSpeed() != 0)) {
            object.stepMotionX = object.horizontalSpeed + dx;
            object.verticalSpeed = dy;
        }
    }
}

void TileCollider::RecordTouchedTiles(Collidable& object) {
    if (!recording)
        return;
    touchedTiles.clear();
    const float m = object.stepMotionX;
    const int firstColumn = Cell(object.Left() - m);
    const int lastColumn = Cell(object.Right() - m - 0.1f);
    const int firstRow = Cell(object.Top());
    const int lastRow = Cell(object.Bottom());
    // Only cells of the grid are recorded: the contact handling looks each
    // one up.
    const int columns = Columns();
    const int rows = Rows();
    for (int c = std::max(firstColumn, 0); c <= lastColumn && c < columns; ++c)
        for (int r = std::max(firstRow, 0); r <= lastRow && r < rows; ++r)
            touchedTiles[TilePos(c, r)] = ContactOverlap;

    if (firstColumn == lastColumn) {
        const int row = Cell(object.Top() - object.verticalSpeed);
        if (firstColumn >= 0 && firstColumn < columns && row >= 0 && row < rows)
            touchedTiles[TilePos(firstColumn, row)] = ContactInside;
    }
}

void TileCollider::ResolveSlopes(Collidable& object) {
    const float m = object.stepMotionX;
    const float v = object.verticalSpeed;
    const float x = object.x;
    const int c = Cell(x);
    const float bottom = object.Bottom();
    const int rPrev = Cell(bottom - v - 1);
    const int rNow = Cell(bottom);
    const std::uint32_t a = TileFlagsAt(c, rPrev);
    const std::uint32_t b = TileFlagsAt(c, rNow);
    const float u = x - Edge(c);
    const float fromRight = Edge(c + 1) - x;

    const bool rising = ((a & TileFlag::RisingSlope) && u + bottom - Edge(rPrev) >= TileSize)
        || ((b & TileFlag::RisingSlope) && (u + bottom - Edge(rNow) >= TileSize || x - m >= Edge(c + 1)));
    const bool falling = !rising
        && (((a & TileFlag::FallingSlope) && fromRight + bottom - Edge(rPrev) >= TileSize)
            || ((b & TileFlag::FallingSlope) && (fromRight + bottom - Edge(rNow) >= TileSize || x - m <= Edge(c))));

    if ((rising || falling) && object.IsFlying()) {
        // Flying things meet a slope as a wall.
        object.HitWall();
        object.x -= m;
        return;
    }

    float speed = v;
    if (rising) {
        const int r = (!(a & TileFlag::RisingSlope) && (b & TileFlag::RisingSlope)) ? rNow : rPrev;
        object.y = Edge(r + 1) - u - object.height / 2;
        speed = object.GetSlopeSpeed(m <= 0, 0.001f);
        object.state = StateOnRisingSlope;
    } else if (falling) {
        const int r = (!(a & TileFlag::FallingSlope) && (b & TileFlag::FallingSlope)) ? rNow : rPrev;
        object.y = Edge(r + 1) - fromRight - object.height / 2;
        speed = object.GetSlopeSpeed(m >= 0, 0.001f);
        object.state = StateOnFallingSlope;
    }

    OpenSlopeNeighbours(object, c, rPrev);
    object.stepMotionX = m;
    object.verticalSpeed = speed;
}

void TileCollider::OpenSlopeNeighbours(Collidable& object) {
    OpenSlopeNeighbours(object, Cell(object.x), Cell(object.Bottom() - object.verticalSpeed - 1));
}

void TileCollider::OpenSlopeNeighbours(Collidable& object, int c, int r) {
    if (IsRisingSlope(c, r))
        Override(object, c + 1, r, false);
    else if (IsFallingSlope(c, r))
        Override(object, c - 1, r, false);
    else if (IsRisingSlope(c + 1, r) && IsRisingSlope(c, r + 1))
        Override(object, c + 1, r + 1, false);
    else if (IsFallingSlope(c - 1, r) && IsFallingSlope(c, r + 1))
        Override(object, c - 1, r + 1, false);

    if (IsFallingSlope(c, r + 1))
        Override(object, c - 1, r + 1, false);
    else if (IsRisingSlope(c, r + 1))
        Override(object, c + 1, r + 1, false);
}

void TileCollider::ResolveSlopeCorners(Collidable& object) {
    const float m = object.stepMotionX;
    const float v = object.verticalSpeed;
    const float bottom = object.Bottom();
    const float bottomPrev = bottom - v;
    const int c = Cell(object.Left());
    const float t = bottomPrev - std::max(m, 0.0f) - 0.001f;
    const int rows = Rows();

    for (int r = std::max(Cell(object.Top()), 0); r < rows && Edge(r) < bottom; ++r) {
        const bool above = Edge(r) >= t;
        const bool corner = (IsRisingSlope(c, r) && !IsFallingSlope(c + 1, r))
            || (IsFallingSlope(c, r) && !IsFallingSlope(c + 1, r + 1) && bottomPrev - 1 >= Edge(r + 1));
        if (!corner)
            continue;
        const float e = Edge(c + 1);
        const float leftPrev = object.Left() - m;
        if (!(leftPrev - 0.002f <= e))
            continue;
        if (above && object.x >= e) {
            Override(object, c, r, true);
            return;
        }
        if (!above && leftPrev - m > e) {
            Override(object, c, r, true);
            object.x -= m;
            return;
        }
    }
}

void TileCollider::ResolveSlopeCornersRight(Collidable& object) {
    const float m = object.stepMotionX;
    const float v = object.verticalSpeed;
    const float bottom = object.Bottom();
    const float bottomPrev = bottom - v;
    const int c = Cell(object.Right());
    const float t = bottomPrev + std::min(m, 0.0f) - 0.001f;
    const int rows = Rows();

    for (int r = std::max(Cell(object.Top() - v), 0); r < rows && Edge(r) < bottom; ++r) {
        const bool above = Edge(r) >= t;
        const bool corner = (IsFallingSlope(c, r) && !IsRisingSlope(c - 1, r))
            || (IsRisingSlope(c, r) && !IsRisingSlope(c - 1, r + 1) && bottomPrev - 1 >= Edge(r + 1));
        if (!corner)
            continue;
        const float e = Edge(c);
        const float rightPrev = object.Right() - m;
        if (!(rightPrev + 0.002f >= e))
            continue;
        if (above && object.x <= e) {
            Override(object, c, r, true);
            return;
        }
        if (!above && rightPrev - m < e) {
            Override(object, c, r, true);
            object.x -= m;
            return;
        }
    }
}

void TileCollider::ResolveSlopeUndersides(Collidable& object) {
    const float m = object.stepMotionX;
    float d = std::max(object.width - object.height, 0.0f);
    if (m > 0)
        d = -d;
    const float top = object.Top();
    const float bottom = object.Bottom();
    const float right = object.Right() - m + d;
    const int columns = Columns();
    const int rows = Rows();

    for (int c = std::max(Cell(object.Left() - m + d), 0); c < columns && Edge(c) < right; ++c)
        for (int r = std::max(Cell(top), 0); r < rows && Edge(r) < bottom; ++r) {
            if (!(TileFlagsAt(c, r) & (TileFlag::RisingSlope | TileFlag::FallingSlope)))
                continue;
            const float underside = Edge(r + 1);
            if (top <= underside && underside <= object.y) {
                Override(object, c, r, true);
                return;
            }
            if (underside <= bottom && !object.IsOnSlope()) {
                Override(object, c, r + 1, true);
                return;
            }
        }
}

void TileCollider::ResolveSolids(Collidable& object) {
    const float m = object.stepMotionX;
    const float v = object.verticalSpeed;

    if (v < 0) {
        int row = 0;
        if (FindFloorOrCeiling(object, row, object.Top(), true)) {
            object.HitCeiling();
            object.verticalSpeed = 0;
            object.y = Edge(row + 1) + object.height / 2;
            if (object.IsOnSlope())
                object.x -= m;
        }
    } else if (v > 0) {
        int row = 0;
        if (FindFloorOrCeiling(object, row, object.Bottom(), false)) {
            object.state = StateOnGround;
            object.verticalSpeed = 0;
            object.y = Edge(row) - object.height / 2;
        }
    }

    if (m < 0) {
        int column = 0;
        if (FindWall(object, column, object.Left())) {
            object.x = Edge(column + 1) + 0.001f + object.width / 2;
            if (!object.facingRight)
                object.HitWall();
        }
    } else if (m > 0) {
        int column = 0;
        if (FindWall(object, column, object.Right())) {
            object.x = Edge(column) - 0.001f - object.width / 2;
            if (object.facingRight)
                object.HitWall();
        }
    }
}

bool TileCollider::FindWall(Collidable& object, int& column, float edgeX) {
    column = Cell(edgeX);
    if (column < 0 || column >= Columns())
        return false;
    const float bottom = object.Bottom();
    const int rows = Rows();
    bool found = false;
    for (int r = std::max(Cell(object.Top()), 0); r < rows && Edge(r) < bottom; ++r) {
        if (!Blocks(object, column, r, false))
            continue;
        if (!recording)
            return true;
        touchedTiles[TilePos(column, r)] = ContactWall;
        found = true;
    }
    return found;
}

bool TileCollider::FindFloorOrCeiling(Collidable& object, int& row, float edgeY, bool upwards) {
    row = Cell(edgeY);
    if (row < 0 || row >= Rows())
        return false;
    const float m = object.stepMotionX;
    const float right = object.Right() - m;
    const int columns = Columns();
    bool found = false;
    for (int c = std::max(Cell(object.Left() - m), 0); c < columns && Edge(c) < right; ++c) {
        if (!Blocks(object, c, row, true))
            continue;
        if (!recording)
            return true;
        touchedTiles[TilePos(c, row)] = upwards ? ContactCeiling : ContactFloor;
        found = true;
    }
    return found;
}
